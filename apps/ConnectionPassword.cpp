#include "ConnectionPassword.h"

#include "ConnectionText.h"
#include "OdbcConnectionText.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Turns the terminal's echo off for its lifetime.
class EchoOff {
public:
    explicit EchoOff(int fd) : m_fd(fd)
    {
        if (::tcgetattr(m_fd, &m_saved) != 0)
            return;
        termios quiet = m_saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        m_active = ::tcsetattr(m_fd, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff()
    {
        if (m_active)
            ::tcsetattr(m_fd, TCSAFLUSH, &m_saved);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int m_fd;
    termios m_saved = {};
    bool m_active = false;
};

bool HasKey(const ado::ConnectionText& text, std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        if (text.Get(key))
            return true;
    return false;
}

// A value as the SQL Server text's reading takes it back whole: quoted when it holds a ";" or
// starts with a quote.
QString QuotedValue(const QString& value)
{
    const bool plain = !value.contains(u';') && !value.startsWith(u'"') && !value.startsWith(u'\'') &&
                       value.trimmed() == value;
    if (plain)
        return value;
    return value.contains(u'"') ? u'\'' + value + u'\'' : u'"' + value + u'"';
}

bool Prompt(const QString& login, QString& password, QString& error)
{
    std::fprintf(stderr, "Password for %s: ", login.toLocal8Bit().constData());
    std::fflush(stderr);
    std::string line;
    {
        const EchoOff quiet(STDIN_FILENO);
        for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
            line += static_cast<char>(c);
    }
    std::fputc('\n', stderr);
    if (std::ferror(stdin)) {
        error = QStringLiteral("cannot read the password from the terminal");
        return false;
    }
    password = QString::fromLocal8Bit(line);
    return true;
}

}  // namespace

bool CompleteConnectionPassword(QString& connection, QString& error)
{
    const ado::ConnectionText text(connection.toStdString());
    // Only SQL Server texts with a SQL login; Driver and DSN texts go to ODBC as they stand.
    if (!ado::odbc::IsOdbcText(text) || !text.Get("Provider") || !HasKey(text, {"User ID", "UID", "User"}) ||
        HasKey(text, {"pwd", "Password"}))
        return true;

    QString password;
    if (const char* fromEnvironment = std::getenv("TABRIX_PASSWORD")) {
        password = QString::fromLocal8Bit(fromEnvironment);
    } else if (::isatty(STDIN_FILENO)) {
        const QString login = QString::fromStdString(text.GetOr("User ID", text.GetOr("UID", text.GetOr("User")))) +
                              u'@' + QString::fromStdString(text.GetOr("Data Source", "(local)"));
        if (!Prompt(login, password, error))
            return false;
    } else {
        return true;
    }
    if (!connection.trimmed().endsWith(u';'))
        connection += u';';
    connection += QStringLiteral("Password=") + QuotedValue(password);
    return true;
}
