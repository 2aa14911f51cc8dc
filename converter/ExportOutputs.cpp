#include "ExportOutputs.h"
#include "FileDescriptor.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

namespace {

bool HasTables(const xml::XmlElement& server)
{
    for (const xml::XmlElement& database : server.Children())
        if (!database.Children().empty())
            return true;
    return false;
}

}  // namespace

ExportOutputs::ExportOutputs(const std::vector<xml::XmlElement>& servers)
{
    std::set<QString> seen;  // one entry per file, however it is spelled
    for (const xml::XmlElement& server : servers) {
        m_scripts |= !server.Attribute("structfile").empty() || !server.Attribute("datafile").empty();
        if (!HasTables(server))
            continue;
        for (const char* attribute : {"structfile", "datafile", "logfile"}) {
            const std::string path = server.Attribute(attribute);
            if (!path.empty() &&
                seen.insert(QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath())).second)
                m_files.push_back({path, false});
        }
    }
}

bool ExportOutputs::Prepare(bool append, std::vector<Refusal>& refused)
{
    refused.clear();
    std::vector<FileDescriptor> open;
    for (File& file : m_files) {
        struct stat info = {};
        const bool existed = ::stat(file.path.c_str(), &info) == 0;
        // Non-blocking: a FIFO without a reader is refused instead of waiting for one.
        FileDescriptor handle(::open(file.path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
        if (handle.Get() < 0) {
            refused.push_back({QString::fromStdString(file.path), QString::fromLocal8Bit(std::strerror(errno))});
            continue;
        }
        file.created = !existed;
        open.push_back(std::move(handle));
    }
    if (!refused.empty()) {
        RemoveUnused();
        return false;
    }
    if (append)
        return true;
    for (size_t i = 0; i < open.size(); ++i) {
        struct stat info = {};
        if (::fstat(open[i].Get(), &info) == 0 && S_ISREG(info.st_mode) && ::ftruncate(open[i].Get(), 0) != 0) {
            refused.push_back(
                {QString::fromStdString(m_files[i].path), QString::fromLocal8Bit(std::strerror(errno)), true});
            return false;
        }
    }
    return true;
}

QString ExportOutputs::Describe(const std::vector<Refusal>& refused)
{
    QStringList lines;
    for (const Refusal& refusal : refused)
        lines << (refusal.emptying ? QStringLiteral("cannot empty output file '%1': %2")
                                   : QStringLiteral("cannot open output file '%1' for appending: %2"))
                     .arg(refusal.path, refusal.reason);
    return lines.join(QStringLiteral("; "));
}

void ExportOutputs::RemoveUnused() const
{
    for (const File& file : m_files) {
        struct stat info = {};
        if (file.created && ::stat(file.path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0)
            ::unlink(file.path.c_str());
    }
}
