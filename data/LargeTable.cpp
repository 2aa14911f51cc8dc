#include "DemoDatabase.h"

#include "SqliteFile.h"

#include <QRegularExpression>

#include <stdexcept>

namespace demo {

void AddLargeTable(const QString& path, qint64 rows, const QString& name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(name).hasMatch())
        throw std::invalid_argument(
            QStringLiteral("'%1' is not a plain table name (letters, digits and _)").arg(name).toStdString());
    if (rows < 0)
        throw std::invalid_argument("The number of rows of a table cannot be negative");

    SqliteFile db(path);
    db.Exec("BEGIN");
    if (db.Int(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '%1' COLLATE NOCASE")
                   .arg(name)) > 0) {
        db.Exec("ROLLBACK");
        throw std::runtime_error(
            QStringLiteral("The database %1 already has a table %2").arg(Quoted(path), name).toStdString());
    }
    // FID is SQLite's row key (an "integer" primary key), so a million rows go in without a second index.
    db.Exec(QStringLiteral("CREATE TABLE %1 (\n"
                           "  FID integer NOT NULL,\n"
                           "  FNumber varchar(30) NOT NULL,\n"
                           "  FName nvarchar(80) NOT NULL DEFAULT (''),\n"
                           "  FQty decimal(18,4) NOT NULL DEFAULT (0),\n"
                           "  FAmount decimal(28,10) NULL,\n"
                           "  FDate datetime NOT NULL,\n"
                           "  FNote nvarchar(255) NULL,\n"
                           "  FStatus smallint NOT NULL DEFAULT (0),\n"
                           "  CONSTRAINT PK_%1 PRIMARY KEY (FID)\n"
                           ")")
                .arg(name));
    db.Exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
                "INSERT INTO %1 (FID, FNumber, FName, FQty, FAmount, FDate, FNote, FStatus) "
                "SELECT i, 'NO' || substr('0000000' || i, -8), "
                "CASE i % 10 WHEN 0 THEN 'O''Hara ' || i ELSE '物料' || i END, "
                "(i % 100000) / 4.0, i * 1.5, "
                "strftime('%Y-%m-%d %H:%M:%f', julianday('2024-01-01') + i / 1440.0), "
                "CASE i % 7 WHEN 0 THEN NULL WHEN 1 THEN '' ELSE '备注 ' || i END, "
                "i % 3 FROM n WHERE i <= %2")
                .arg(name)
                .arg(rows));
    db.Exec("COMMIT");
}

}  // namespace demo
