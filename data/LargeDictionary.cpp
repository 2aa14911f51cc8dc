#include "DemoDatabase.h"

#include "SqliteFile.h"

#include <stdexcept>

namespace demo {

namespace {

// The dictionary tables as the demo account database declares them.
constexpr const char* kDictionarySchema = R"sql(
CREATE TABLE t_Subsystem (
  FSubSysID int NOT NULL,
  FName nvarchar(80) NOT NULL DEFAULT (''),
  FName_CHT nvarchar(80) NULL,
  FName_EN nvarchar(80) NULL,
  CONSTRAINT PK_t_Subsystem PRIMARY KEY (FSubSysID)
);
CREATE TABLE t_tabledescription (
  FSubSystemID int NOT NULL DEFAULT (0),
  FTableID int NOT NULL,
  FTableName varchar(50) NOT NULL,
  FDescription nvarchar(255) NULL,
  FDescription_CHT nvarchar(255) NULL,
  FDescription_EN nvarchar(255) NULL,
  CONSTRAINT PK_t_tabledescription PRIMARY KEY (FTableID)
);
CREATE INDEX ix_t_tabledescription_SubSystem ON t_tabledescription (FSubSystemID);
CREATE TABLE t_FieldDescription (
  FTableID int NOT NULL,
  FFieldName varchar(50) NOT NULL,
  FDescription nvarchar(255) NULL,
  FDescription_CHT nvarchar(255) NULL,
  FDescription_EN nvarchar(255) NULL,
  FFieldNote nvarchar(255) NULL,
  FFieldNote_CHT nvarchar(255) NULL,
  FFieldNote_EN nvarchar(255) NULL,
  CONSTRAINT PK_t_FieldDescription PRIMARY KEY (FTableID, FFieldName)
);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 15)
INSERT INTO t_Subsystem SELECT i, '子系统' || i, '子系統' || i, 'Subsystem ' || i FROM n;
)sql";

constexpr int kWideColumns = 300;

// How many generated tables are created before their schema rows are put aside.
constexpr int kTablesPerBatch = 250;
constexpr const char* kPutGeneratedSchemaAside =
    "PRAGMA writable_schema = ON; "
    "INSERT INTO temp.schema_aside SELECT * FROM main.sqlite_schema WHERE tbl_name GLOB 't_Table[0-9]*' ORDER BY rowid; "
    "DELETE FROM main.sqlite_schema WHERE tbl_name GLOB 't_Table[0-9]*'; "
    "PRAGMA writable_schema = RESET;";

// The declared types that the wide table's columns take in turn.
constexpr const char* kWideTypes[] = {
    "int NULL", "nvarchar(80) NULL", "decimal(28,10) NULL", "datetime NULL", "varchar(30) NOT NULL DEFAULT ('')",
    "money NULL", "bit NOT NULL DEFAULT (0)", "float NULL", "smallint NULL", "ntext NULL",
};

}  // namespace

void WriteLargeDictionary(const QString& path, int tables)
{
    if (tables < 0)
        throw std::invalid_argument("The number of tables of a dictionary cannot be negative");
    NewDatabaseFile file(path);
    SqliteFile& db = file.Db();
    // Root pages must stay where they are made while schema rows are put aside. The page size
    // stays SQLite's own, as account databases have it: what the browser's benchmarks measure
    // on this file (opening it reads the whole schema) is then what users see.
    db.Exec("PRAGMA auto_vacuum = NONE");
    db.Exec("BEGIN");
    db.Exec(kDictionarySchema);
    db.Exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO t_tabledescription SELECT i % 15 + 1, i, 't_Table' || i, '数据表' || i, "
                "'數據表' || i, 'Data table ' || i FROM n WHERE i <= %1")
                .arg(tables));
    // Each CREATE makes SQLite scan its whole schema table and walk every table it knows, so
    // creating thousands of tables one after another costs the square of their number. The
    // generated tables' schema rows are therefore put aside in batches (their pages stay where
    // they are, none is freed) and SQLite's view of the schema reloaded, which keeps both small;
    // the rows go back, in creation order, once all tables exist.
    db.Exec("CREATE TEMP TABLE schema_aside AS SELECT * FROM main.sqlite_schema WHERE 0");
    for (int i = 1; i <= tables; ++i) {
        const QString name = QStringLiteral("t_Table%1").arg(i);
        db.Exec(QStringLiteral("CREATE TABLE %1 (FItemID int NOT NULL, FNumber varchar(80) NOT NULL DEFAULT (''), "
                               "FName nvarchar(255) NULL, FAmount decimal(18,2) NULL, FDate datetime NULL, "
                               "CONSTRAINT PK_%1 PRIMARY KEY (FItemID)); "
                               "CREATE INDEX ix_%1_Number ON %1 (FNumber DESC, FName);")
                    .arg(name));
        if (i % kTablesPerBatch == 0 || i == tables)
            db.Exec(kPutGeneratedSchemaAside);
    }

    QString wide = QStringLiteral("CREATE TABLE t_WideTable (FID int NOT NULL");
    for (int i = 2; i <= kWideColumns; ++i)
        wide += QStringLiteral(", F%1 %2").arg(i, 3, 10, QLatin1Char('0')).arg(QLatin1String(kWideTypes[i % std::size(kWideTypes)]));
    wide += QStringLiteral(", CONSTRAINT PK_t_WideTable PRIMARY KEY (FID))");
    db.Exec(wide);
    const int wideId = tables + 1;
    db.Exec(QStringLiteral("INSERT INTO t_tabledescription VALUES (1, %1, 't_WideTable', '宽表', '寬表', 'Wide table')")
                .arg(wideId));
    db.Exec(QStringLiteral("INSERT INTO t_FieldDescription SELECT %1, name, '字段' || cid, '欄位' || cid, 'Column ' || cid, "
                           "'备注' || cid, '備註' || cid, 'Note ' || cid FROM pragma_table_info('t_WideTable')")
                .arg(wideId));
    db.Exec("PRAGMA writable_schema = ON; "
            "INSERT INTO main.sqlite_schema SELECT * FROM temp.schema_aside ORDER BY rowid; "
            "PRAGMA writable_schema = OFF;");
    db.Exec("COMMIT");
    file.Commit();
}

}  // namespace demo
