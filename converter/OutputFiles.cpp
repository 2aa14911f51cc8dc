#include "OutputFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// Large enough that writes are few, small enough that a paused or stopped run shows its rows.
constexpr size_t kFlushSize = 1 << 18;

}  // namespace

OutputFile::~OutputFile() { Close(); }

void OutputFile::EndWrite(bool statementComplete, bool endsRow)
{
    m_buffer.append("\r\n", 2);
    m_writeEnds.push_back(m_buffer.size());
    if (endsRow)
        m_rowEnds.push_back(m_buffer.size());
    if (!statementComplete)
        return;
    m_completeLength = m_buffer.size();
    m_completeWrites = m_writeEnds.size();
    if (m_buffer.size() >= kFlushSize)
        WriteOut(m_completeLength, m_completeWrites);
}

void OutputFile::Flush() { WriteOut(m_buffer.size(), m_writeEnds.size()); }

void OutputFile::FlushWholeStatements()
{
    WriteOut(m_completeLength, m_completeWrites);
    m_buffer.clear();
    m_writeEnds.clear();
    m_rowEnds.clear();
    if (m_closing.empty())
        return;
    Write(m_closing);
    m_closing.clear();
    Flush();
}

void OutputFile::Close()
{
    Flush();
    if (m_fd < 0)
        return;
    if (::close(m_fd) != 0)
        ++m_failedWrites;  // the end of the file is in doubt
    m_fd = -1;
}

void OutputFile::WriteOut(size_t length, size_t writes)
{
    if (length == 0)
        return;
    if (m_fd < 0) {
        m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
        struct stat info {};
        m_openedAt = m_fd >= 0 && ::fstat(m_fd, &info) == 0 ? info.st_size : 0;
        m_handedOut = 0;
    }
    if (m_fd < 0)
        m_writeError = std::strerror(errno);
    size_t written = 0;
    while (m_fd >= 0 && written < length) {
        const ssize_t result = ::write(m_fd, m_buffer.data() + written, length - written);
        if (result < 0) {
            if (errno == EINTR)
                continue;
            m_writeError = std::strerror(errno);
            break;
        }
        written += static_cast<size_t>(result);
    }
    // The rows whose writes go out now.
    const auto rowsEnd = std::upper_bound(m_rowEnds.begin(), m_rowEnds.end(), length);
    if (written < length) {
        // The text is lost, as with a failing append; the writes that ended in the file are not.
        const auto whole = std::upper_bound(m_writeEnds.begin(), m_writeEnds.begin() + writes, written);
        m_failedWrites += (m_writeEnds.begin() + writes) - whole;
        m_lostRows += rowsEnd - std::upper_bound(m_rowEnds.begin(), rowsEnd, written);
    }

    m_handedOut += static_cast<long long>(length);
    m_buffer.erase(0, length);
    m_writeEnds.erase(m_writeEnds.begin(), m_writeEnds.begin() + writes);
    for (size_t& end : m_writeEnds)
        end -= length;
    m_rowEnds.erase(m_rowEnds.begin(), rowsEnd);
    for (size_t& end : m_rowEnds)
        end -= length;
    m_completeLength = m_completeLength > length ? m_completeLength - length : 0;
    m_completeWrites = m_completeWrites > writes ? m_completeWrites - writes : 0;
}

bool OutputFile::RollBack(const Mark& mark)
{
    const long long markEnd = mark.handedOut + static_cast<long long>(mark.buffered);
    if (m_handedOut <= markEnd) {
        // All that followed the mark is still in the buffer.
        const auto keep = static_cast<size_t>(markEnd - m_handedOut);
        m_buffer.resize(keep);
        m_writeEnds.erase(std::upper_bound(m_writeEnds.begin(), m_writeEnds.end(), keep), m_writeEnds.end());
        m_rowEnds.erase(std::upper_bound(m_rowEnds.begin(), m_rowEnds.end(), keep), m_rowEnds.end());
    } else {
        // Part of it has reached the file: the file is cut back to the mark.
        m_buffer.clear();
        m_writeEnds.clear();
        m_rowEnds.clear();
        struct stat info {};
        const long long end = m_openedAt + markEnd;
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) ||
            (info.st_size > end && ::ftruncate(m_fd, end) != 0)) {
            ++m_failedWrites;
            return false;
        }
        m_handedOut = markEnd;
    }
    m_completeLength = std::min(m_completeLength, m_buffer.size());
    m_completeWrites = std::min(m_completeWrites, m_writeEnds.size());
    return true;
}

OutputFile& OutputFiles::Get(const std::string& path)
{
    if (const auto known = m_bySpelling.find(path); known != m_bySpelling.end())
        return *known->second;
    std::error_code error;
    std::filesystem::path key = std::filesystem::absolute(path, error);
    if (!error)
        key = std::filesystem::weakly_canonical(key, error);
    const std::string name = error ? path : key.string();
    auto& file = m_byFile[name];
    if (!file)
        file = std::make_unique<OutputFile>(path);
    m_bySpelling.emplace(path, file.get());
    return *file;
}

void OutputFiles::FlushAll()
{
    for (auto& [name, file] : m_byFile)
        file->Flush();
}

void OutputFiles::FlushWholeStatements()
{
    for (auto& [name, file] : m_byFile)
        file->FlushWholeStatements();
}

void OutputFiles::CloseAll()
{
    for (auto& [name, file] : m_byFile) {
        file->Close();
        if (file->FailedWrites() > 0)
            m_closedFailures[file->Path()] += file->FailedWrites();
    }
    m_bySpelling.clear();
    m_byFile.clear();
}

std::map<std::string, long long> OutputFiles::FailedWrites() const
{
    std::map<std::string, long long> failures = m_closedFailures;
    for (const auto& [name, file] : m_byFile)
        if (file->FailedWrites() > 0)
            failures[file->Path()] += file->FailedWrites();
    return failures;
}

void OutputFiles::ClearFailedWrites()
{
    m_closedFailures.clear();
    for (auto& [name, file] : m_byFile)
        file->ClearFailedWrites();
}
