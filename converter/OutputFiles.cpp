#include "OutputFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

// Large enough that writes are few, small enough that a paused or stopped run shows its rows.
constexpr size_t kFlushSize = 1 << 18;

}  // namespace

OutputFile::~OutputFile()
{
    Flush();
    if (m_fd >= 0)
        ::close(m_fd);
}

void OutputFile::EndWrite()
{
    m_buffer.append("\r\n", 2);
    if (m_buffer.size() >= kFlushSize)
        Flush();
}

void OutputFile::Flush()
{
    if (m_buffer.empty())
        return;
    if (m_fd < 0)
        m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    const char* data = m_buffer.data();
    size_t remaining = m_fd >= 0 ? m_buffer.size() : 0;
    while (remaining > 0) {
        const ssize_t written = ::write(m_fd, data, remaining);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            break;  // the text is lost, as with a failing append
        }
        data += written;
        remaining -= static_cast<size_t>(written);
    }
    m_buffer.clear();
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

void OutputFiles::CloseAll()
{
    m_bySpelling.clear();
    m_byFile.clear();
}
