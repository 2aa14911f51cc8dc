#pragma once

#include "OutputTarget.h"

#include <QString>
#include <QTemporaryFile>

#include <memory>

struct sqlite3;

namespace demo {

// An open SQLite database that closes itself; every failure is a std::runtime_error naming the
// file and SQLite's reason.
class SqliteFile {
public:
    // Opens the file, creating it when missing.
    explicit SqliteFile(const QString& path);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    // Runs one or more statements.
    void Exec(const char* sql);
    void Exec(const QString& sql) { Exec(sql.toUtf8().constData()); }
    // The single integer that a query gives.
    qint64 Int(const QString& sql);
    void Close();

private:
    [[noreturn]] void Fail(const QString& what) const;

    sqlite3* m_db = nullptr;
    QString m_path;
};

// A database written from scratch: it is built in a temporary file and takes the target's place
// only on Commit (OutputTarget: a link keeps its link, a device or FIFO gets the bytes in place),
// so a failed build leaves the target as it was.
class NewDatabaseFile {
public:
    explicit NewDatabaseFile(const QString& path);
    SqliteFile& Db() { return *m_db; }
    // Closes the database and moves it onto the target path.
    void Commit();

private:
    OutputTarget m_target;
    QTemporaryFile m_temporary;
    std::unique_ptr<SqliteFile> m_db;
};

// Text for an error message: the path as the user gave it.
QString Quoted(const QString& path);

}  // namespace demo
