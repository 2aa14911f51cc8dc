// Times the catalogue queries the structure export and the browser send for one table, on a
// database of 100 tables and one of 2,000 (each table ten columns and an index), and prints
// the ratio of the two. Usage: bench_catalogue [repetitions]
#include "AutomationError.h"
#include "Connection.h"

#include <QTemporaryDir>

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char* const kColumns[] = {"FID", "FNumber", "FName", "FPrice", "FQty", "FDate", "FFlag", "FNote", "FParent",
                                "FCode"};

void Exec(sqlite3* db, const std::string& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::fprintf(stderr, "generating the database failed: %s\n", message ? message : "");
        std::exit(1);
    }
}

void Generate(const std::string& path, int tables)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    Exec(db, "PRAGMA synchronous=OFF; BEGIN;"
             "CREATE TABLE t_FieldDescription(FTableID int NOT NULL, FFieldName varchar(50) NOT NULL, "
             "FDescription nvarchar(100), FDescription_CHT nvarchar(100), FDescription_EN nvarchar(100), "
             "FFieldNote nvarchar(100), FFieldNote_CHT nvarchar(100), FFieldNote_EN nvarchar(100), "
             "PRIMARY KEY (FTableID, FFieldName));");
    for (int t = 1; t <= tables; ++t) {
        const std::string name = "t_Table" + std::to_string(t);
        Exec(db, "CREATE TABLE " + name +
                     "(FID int IDENTITY(1,1) NOT NULL, FNumber varchar(30) NOT NULL DEFAULT (''), FName nvarchar(80), "
                     "FPrice decimal(28,10) DEFAULT (0), FQty numeric(18,0), FDate datetime DEFAULT (getdate()), "
                     "FFlag bit NOT NULL DEFAULT 0, FNote text, FParent int, FCode char(4), "
                     "CONSTRAINT PK_" + name + " PRIMARY KEY (FID));"
                     "CREATE INDEX ix_" + name + " ON " + name + "(FNumber, FName DESC);");
        for (const char* column : kColumns)
            Exec(db, "INSERT INTO t_FieldDescription VALUES (" + std::to_string(t) + ", '" + column +
                         "', '描述', '描述', 'Description', '', '', '');");
    }
    Exec(db, "COMMIT;");
    sqlite3_close(db);
}

// The texts as the structure export and the dictionary browser compose them.
std::vector<std::string> QueriesOf(const std::string& table, int tableId)
{
    std::vector<std::string> queries{"select * from " + table + " where 1> 1"};
    for (const char* column : kColumns) {
        queries.push_back("select columnproperty(object_id('" + table + "'),'" + column + "','IsIdentity')");
        queries.push_back("SELECT syscomments.text From syscolumns  inner join sysobjects  on sysobjects.id = "
                          "syscolumns.cdefault  inner join syscomments on sysobjects.id = syscomments.id  where "
                          "sysobjects.type = 'd' and syscolumns.name='" + std::string(column) +
                          "'  and syscolumns.id = object_id('" + table + "') ");
    }
    const std::string keys = "select col.name,idx.name from syscolumns as col inner join sysindexkeys as ky on "
                             "ky.id = col.id inner join sysindexes as idx on idx.id=col.id where col.id=object_id('" +
                             table + "') ";
    queries.push_back(keys + "and idx.indid=1 and idx.indid = ky.indid and col.colid=ky.colid");
    queries.push_back(keys + "and idx.indid<> 1 and idx.used>0 and idx.indid = ky.indid and col.colid=ky.colid");
    queries.push_back("sp_helpindex '" + table + "'");
    queries.push_back(
        "select isnull(t1.FTableID,0) as FTableID,t2.Name as FFieldName,isnull(t1.FDescription,'')as FDescription "
        ",isnull(t1.FFieldNote,'') as FFieldNote,t4.name as FFieldType,t2.length,isnull(t2.prec,0) as Prec,"
        "isnull(t2.scale,0) as Scale,  (case t2.isnullable when 0 then '否' else '是' end )as FIsNull from "
        "syscolumns t2 left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and t1.FTableID=" +
        std::to_string(tableId) + ") join sysobjects  t3 on(t3.ID=t2.ID) join systypes t4 on(t2.xusertype=t4.xusertype) "
        "where  t3.Name='" + table + "' order by FFieldName");
    return queries;
}

size_t RunAll(ado::Connection& connection, const std::vector<std::string>& queries)
{
    size_t rows = 0;
    for (const std::string& sql : queries) {
        const ado::RecordsetPtr rs = connection.Execute(sql);
        if (rs->State() != ado::adStateOpen)
            continue;
        for (; !rs->Eof(); rs->MoveNext())
            ++rows;
    }
    return rows;
}

double Microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Timing {
    double openConnection;  // per set of queries on a connection already open
    double newConnection;   // per set when the connection is opened for it
    size_t rows;
};

Timing Measure(const std::string& path, int tables, int repetitions)
{
    const int tableId = tables / 2;
    const std::vector<std::string> queries = QueriesOf("t_Table" + std::to_string(tableId), tableId);
    const std::string text = "Provider=SQLite;Data Source=" + path;
    Timing timing{};

    ado::Connection connection;
    connection.Open(text, ado::adModeRead);
    timing.rows = RunAll(connection, queries);  // warm the file cache
    auto start = Clock::now();
    for (int r = 0; r < repetitions; ++r)
        RunAll(connection, queries);
    timing.openConnection = Microseconds(Clock::now() - start) / repetitions;

    const int fresh = std::max(1, repetitions / 10);
    start = Clock::now();
    for (int r = 0; r < fresh; ++r) {
        ado::Connection once;
        once.Open(text, ado::adModeRead);
        RunAll(once, queries);
    }
    timing.newConnection = Microseconds(Clock::now() - start) / fresh;
    return timing;
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QTemporaryDir dir;
    const int sizes[] = {100, 2000};
    Timing timings[2];
    try {
        for (int i = 0; i < 2; ++i) {
            const std::string path = dir.filePath(QStringLiteral("catalogue%1.db").arg(sizes[i])).toStdString();
            Generate(path, sizes[i]);
            timings[i] = Measure(path, sizes[i], repetitions);
            std::printf("%5d tables: %zu rows from %zu queries; open connection %8.1f us per table, "
                        "new connection %9.1f us per table\n",
                        sizes[i], timings[i].rows, QueriesOf("t", 1).size(), timings[i].openConnection,
                        timings[i].newConnection);
        }
    } catch (const automation::AutomationError& e) {
        std::fprintf(stderr, "query failed: %s\n", e.Description().toUtf8().constData());
        return 1;
    }
    std::printf("ratio 2000/100 tables: open connection %.2f, new connection %.2f\n",
                timings[1].openConnection / timings[0].openConnection,
                timings[1].newConnection / timings[0].newConnection);
    return 0;
}
