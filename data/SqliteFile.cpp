#include "SqliteFile.h"

#include "SqliteTSqlFunctions.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

#include <stdexcept>

namespace demo {

namespace {

// The provider's getdate(): the defaults of the demo tables call it when a row leaves the column out.
void GetDate(sqlite3_context* context, int, sqlite3_value**)
{
    const QByteArray now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).toUtf8();
    sqlite3_result_text(context, now.constData(), static_cast<int>(now.size()), SQLITE_TRANSIENT);
}

}  // namespace

QString Quoted(const QString& path)
{
    return QLatin1Char('\'') + QDir::toNativeSeparators(path) + QLatin1Char('\'');
}

SqliteFile::SqliteFile(const QString& path) : m_path(path)
{
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        Close();
        throw std::runtime_error(
            QStringLiteral("Cannot open the database %1: %2").arg(Quoted(path), reason).toStdString());
    }
    // The provider's collation, which the demo tables' text columns are declared in.
    ado::provider::RegisterTSqlFunctions(m_db);
    sqlite3_create_function_v2(m_db, "getdate", 0, SQLITE_UTF8, nullptr, GetDate, nullptr, nullptr, nullptr);
}

SqliteFile::~SqliteFile()
{
    Close();
}

void SqliteFile::Close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void SqliteFile::Fail(const QString& what) const
{
    throw std::runtime_error(QStringLiteral("Cannot write the database %1: %2 (%3)")
                                 .arg(Quoted(m_path), QString::fromUtf8(sqlite3_errmsg(m_db)), what)
                                 .toStdString());
}

void SqliteFile::Exec(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db));
        sqlite3_free(message);
        throw std::runtime_error(QStringLiteral("Cannot write the database %1: %2")
                                     .arg(Quoted(m_path), reason)
                                     .toStdString());
    }
}

qint64 SqliteFile::Int(const QString& sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()), &raw, nullptr) != SQLITE_OK)
        Fail(sql);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    if (sqlite3_step(raw) != SQLITE_ROW)
        Fail(sql);
    return sqlite3_column_int64(raw, 0);
}

NewDatabaseFile::NewDatabaseFile(const QString& path)
    : m_target(path),
      m_temporary(QDir(m_target.TemporaryFolder()).filePath(QFileInfo(m_target.File()).fileName() + QStringLiteral(".XXXXXX")))
{
    if (QFileInfo(path).isDir())
        throw std::runtime_error(QStringLiteral("Cannot write the database %1: it is a folder").arg(Quoted(path)).toStdString());
    if (!m_temporary.open())
        throw std::runtime_error(QStringLiteral("Cannot write the database %1: %2")
                                     .arg(Quoted(path), m_temporary.errorString())
                                     .toStdString());
    // Temporary files are private to their owner; the database is an ordinary file.
    m_temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    m_db = std::make_unique<SqliteFile>(m_temporary.fileName());
    // A file under construction needs no rollback journal: a failure discards it whole.
    m_db->Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
}

void NewDatabaseFile::Commit()
{
    m_db->Close();
    m_temporary.close();
    // Commit takes the temporary file away, moved or not.
    m_temporary.setAutoRemove(false);
    QString reason;
    if (!m_target.Commit(m_temporary.fileName(), reason))
        throw std::runtime_error(
            QStringLiteral("Cannot write the database %1: %2").arg(Quoted(m_target.Path()), reason).toStdString());
}

}  // namespace demo
