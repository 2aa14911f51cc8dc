#include "OutputTarget.h"

#include "FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// As many links as the system follows before it gives up (ELOOP).
constexpr int kMaxLinks = 40;

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool WriteAll(int fd, const char* data, qint64 size, QString& error)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = SystemReason(errno);
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

OutputTarget::OutputTarget(QString path) : m_path(std::move(path)), m_file(m_path)
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0) {
        // stat follows links: a link to a terminal or a pipe (/dev/stdout, /dev/fd/N) is written
        // through the link itself, which may name no file a rename could reach.
        m_inPlace = !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
        if (S_ISREG(info.st_mode) && QFileInfo(m_path).isSymLink())
            m_file = QFileInfo(m_path).canonicalFilePath();
        return;
    }
    // Missing, or a link to a file yet to be made: the link's last target is the name to make.
    QFileInfo file(m_path);
    for (int links = 0; file.isSymLink() && links < kMaxLinks; ++links)
        file.setFile(file.symLinkTarget());
    m_file = file.filePath();
}

QString OutputTarget::TemporaryFolder() const
{
    return m_inPlace ? QDir::tempPath() : QFileInfo(m_file).absolutePath();
}

bool OutputTarget::Write(const QByteArray& bytes, QString& error) const
{
    if (m_inPlace)
        return WriteInPlace(bytes, error);
    QSaveFile file(m_file);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = file.errorString();
    return false;
}

bool OutputTarget::WriteInPlace(const QByteArray& bytes, QString& error) const
{
    FileDescriptor fd(::open(QFile::encodeName(m_file).constData(), O_WRONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        error = SystemReason(errno);
        return false;
    }
    if (!WriteAll(fd.Get(), bytes.constData(), bytes.size(), error))
        return false;
    if (fd.Close() != 0) {
        error = SystemReason(errno);
        return false;
    }
    return true;
}

bool OutputTarget::Commit(const QString& temporary, QString& error) const
{
    const QByteArray from = QFile::encodeName(temporary);
    bool done = false;
    if (!m_inPlace) {
        // rename() replaces the target in one step: readers see the old file or the new one.
        done = std::rename(from.constData(), QFile::encodeName(m_file).constData()) == 0;
        if (done)
            return true;
        error = SystemReason(errno);
    } else {
        done = CopyInPlace(from, error);
    }
    QFile::remove(temporary);
    return done;
}

bool OutputTarget::CopyInPlace(const QByteArray& from, QString& error) const
{
    FileDescriptor source(::open(from.constData(), O_RDONLY | O_CLOEXEC));
    if (source.Get() < 0) {
        error = SystemReason(errno);
        return false;
    }
    FileDescriptor target(::open(QFile::encodeName(m_file).constData(), O_WRONLY | O_CLOEXEC));
    if (target.Get() < 0) {
        error = SystemReason(errno);
        return false;
    }
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t read = ::read(source.Get(), chunk.data(), static_cast<size_t>(chunk.size()));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            error = SystemReason(errno);
            return false;
        }
        if (read == 0)
            break;
        if (!WriteAll(target.Get(), chunk.constData(), read, error))
            return false;
    }
    if (target.Close() != 0) {
        error = SystemReason(errno);
        return false;
    }
    return true;
}

bool OutputTarget::CheckWritable(QString& error) const
{
    if (QFileInfo(m_file).isDir()) {
        error = QStringLiteral("it is a folder");
        return false;
    }
    if (m_inPlace) {
        // Opening a FIFO to try it would wait for a reader, or hand one an empty text.
        if (::access(QFile::encodeName(m_file).constData(), W_OK) == 0)
            return true;
        error = SystemReason(errno);
        return false;
    }
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    file.cancelWriting();
    return true;
}
