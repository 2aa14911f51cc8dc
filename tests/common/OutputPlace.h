#pragma once

// A name that a test gives a command as its output, of each kind a user may give: a regular
// file, a symbolic link to one, a link to a file yet to be made, or a FIFO that a reader thread
// empties (standing in for /dev/null and other devices). Afterwards the name must still be what
// it was, and what the command wrote is where the name leads.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

class OutputPlace {
public:
    enum class Kind { File, Link, LinkToNothing, Fifo };
    static constexpr Kind kKinds[] = {Kind::File, Kind::Link, Kind::LinkToNothing, Kind::Fifo};

    OutputPlace(const QString& folder, const QString& name, Kind kind)
        : m_kind(kind), m_path(folder + u'/' + name), m_target(folder + QStringLiteral("/target-") + name)
    {
        const QByteArray path = QFile::encodeName(m_path), target = QFile::encodeName(m_target);
        switch (kind) {
        case Kind::File:
            m_target = m_path;
            WriteOld();
            break;
        case Kind::Link:
            WriteOld();
            EXPECT_EQ(::symlink(target.constData(), path.constData()), 0);
            break;
        case Kind::LinkToNothing:
            EXPECT_EQ(::symlink(target.constData(), path.constData()), 0);
            break;
        case Kind::Fifo:
            EXPECT_EQ(::mkfifo(path.constData(), 0600), 0);
            // Held open without waiting for a writer, so that every writer the command opens finds
            // a reader, and a test whose command never writes cannot hang here.
            const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            EXPECT_GE(fd, 0);
            m_reader = std::thread([this, fd] {
                char buffer[65536];
                for (;;) {
                    const ssize_t n = ::read(fd, buffer, sizeof buffer);
                    if (n > 0)
                        m_received.append(buffer, n);
                    else if (m_stop)
                        break;
                    else
                        std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
                ::close(fd);
            });
            break;
        }
    }
    ~OutputPlace() { StopReader(); }
    OutputPlace(const OutputPlace&) = delete;
    OutputPlace& operator=(const OutputPlace&) = delete;

    const QString& Path() const { return m_path; }
    const char* KindName() const
    {
        static const char* const names[] = {"file", "link", "link to nothing", "fifo"};
        return names[static_cast<int>(m_kind)];
    }

    // What reached the name: what the FIFO's reader read, or the file the name leads to.
    QByteArray Received()
    {
        if (m_kind == Kind::Fifo) {
            StopReader();
            return m_received;
        }
        QFile file(m_target);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    // The name is still what it was: a FIFO a FIFO, a link a link to the same file, a file a
    // regular file (as lstat and readlink tell).
    void ExpectUnchanged() const
    {
        struct stat info {};
        ASSERT_EQ(::lstat(QFile::encodeName(m_path).constData(), &info), 0) << m_path.toStdString();
        switch (m_kind) {
        case Kind::File:
            EXPECT_TRUE(S_ISREG(info.st_mode));
            break;
        case Kind::Link:
        case Kind::LinkToNothing: {
            EXPECT_TRUE(S_ISLNK(info.st_mode));
            char target[4096] = {};
            ASSERT_GT(::readlink(QFile::encodeName(m_path).constData(), target, sizeof target - 1), 0);
            EXPECT_EQ(QFile::decodeName(target), m_target);
            break;
        }
        case Kind::Fifo:
            EXPECT_TRUE(S_ISFIFO(info.st_mode));
            break;
        }
    }

private:
    void WriteOld()
    {
        QFile file(m_target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old text that must go\n");
    }

    // The command has ended: what it wrote is in the pipe, and the reader drains it before it stops.
    void StopReader()
    {
        if (!m_reader.joinable())
            return;
        m_stop = true;
        m_reader.join();
    }

    Kind m_kind;
    QString m_path;
    QString m_target;
    std::thread m_reader;
    std::atomic<bool> m_stop{false};
    QByteArray m_received;
};
