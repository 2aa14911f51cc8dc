// The demo account on a real engine as the source of both components. The demo database is
// exported by `tabrix export` and applied with `tabrix apply` to a database of its own on the
// server of TABRIX_TEST_MSSQL; from there the dictionary and the structure script must be the
// ones the SQLite demo gives, and the export's scripts must replay value for value on a second
// database of the server and apply to SQLite.
#include "Connection.h"
#include "RawSqlite.h"
#include "ScratchDatabase.h"
#include "ServerForm.h"
#include "SqlServerTestServer.h"
#include "TabrixRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace {

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool WriteText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

// A template of the demo's tables (its own when tables is empty) whose server element is constr.
QString DemoTemplate(const QString& constr, const QString& database, const QStringList& tables = {})
{
    QString xml = ReadText(QStringLiteral(TABRIX_DEMO_TEMPLATE));
    const QString server = QStringLiteral("constr=\"%1\"").arg(constr.toHtmlEscaped());
    xml.replace(QStringLiteral("constr=\"Provider=SQLite;Data Source=account.db\""), server);
    xml.replace(QStringLiteral("<database name=\"account\">"), QStringLiteral("<database name=\"%1\">").arg(database));
    if (!tables.isEmpty()) {
        const qsizetype first = xml.indexOf(QStringLiteral("<table "));
        const qsizetype end = xml.indexOf(QStringLiteral("</database>"));
        QString elements;
        for (const QString& table : tables)
            elements += QStringLiteral("<table name=\"%1\"/>").arg(table.toHtmlEscaped());
        xml.replace(first, end - first, elements);
    }
    return xml;
}

// A way the copy's records differ from the demo's for a reason outside the catalogue reads,
// made alike on both sides before they are compared: either the copy was made by the
// converter's scripts (the same on every server), or the server is Babelfish, or it is not.
enum class Where { Everywhere, Babelfish, SqlServer };
struct Difference {
    const char* why;
    Where where;
    const char* list;  // "indexes" or "fields" (dictionary rows), "script" (structure lines)
    std::function<void(QJsonObject& row)> row;
    std::function<void(QString& line)> line;
};

QString Value(const QJsonObject& row, const char* name) { return row.value(QLatin1String(name)).toString(); }

const std::vector<Difference>& Differences()
{
    // The type the script gives a column (by its ADO type), with its length, precision and scale.
    struct Scripted {
        const char* from;
        const char* to;
        const char* length;
        const char* prec;
        const char* scale;
    };
    static const std::vector<Difference> differences = {
        {"the structure script writes further indexes (a unique constraint's too) as plain indexes, without "
         "descending keys",
         Where::Everywhere, "indexes",
         [](QJsonObject& row) {
             if (!Value(row, "Index_Description").contains(QLatin1String("primary key")))
                 row[QStringLiteral("Index_Description")] =
                     Value(row, "Index_Description").remove(QStringLiteral(", unique")).remove(QStringLiteral(" key"));
             row[QStringLiteral("index_keys")] = Value(row, "index_keys").remove(QStringLiteral("(-)"));
         },
         {}},
        {"the structure script names a column's type by its ADO type: smallmoney as money, numeric as decimal, "
         "smalldatetime as datetime",
         Where::Everywhere, "fields",
         [](QJsonObject& row) {
             for (const Scripted& s : {Scripted{"smallmoney", "money", "8", "19", "4"},
                                       Scripted{"numeric", "decimal", nullptr, nullptr, nullptr},
                                       Scripted{"smalldatetime", "datetime", "8", "23", "3"}})
                 if (Value(row, "FFieldType") == QLatin1String(s.from)) {
                     row[QStringLiteral("FFieldType")] = QLatin1String(s.to);
                     for (const auto& [name, value] : {std::pair{"Length", s.length}, std::pair{"Prec", s.prec},
                                                       std::pair{"Scale", s.scale}})
                         if (value)
                             row[QLatin1String(name)] = QLatin1String(value);
                 }
         },
         {}},
        {"our ODBC provider reads (max) columns as the long types (text, ntext, image), as it does on SQL Server",
         Where::Everywhere, "script", {},
         [](QString& line) {
             line.replace(QStringLiteral("nvarchar(max)"), QStringLiteral("ntext"))
                 .replace(QStringLiteral("varbinary(max)"), QStringLiteral("image"))
                 .replace(QStringLiteral("varchar(max)"), QStringLiteral("text"));
         }},
        {"a computed column's type is the server's reading of its expression (the demo's SQLite file declares "
         "t_ICStockBillEntry.FAmount decimal(20,2); SQL Server types decimal arithmetic by its own precision rules, "
         "Babelfish as numeric(38,38))",
         Where::Everywhere, "t_ICStockBillEntry/fields",
         [](QJsonObject& row) {
             if (Value(row, "FFieldName") == QLatin1String("FAmount"))
                 for (const char* name : {"Length", "Prec", "Scale"})
                     row[QLatin1String(name)] = QStringLiteral("(computed)");
         },
         {}},
        {"the server keeps a computed column's text in a form of its own (SQL Server brackets names and "
         "parenthesises terms, Babelfish lower-cases them)",
         Where::Everywhere, "script", {},
         [](QString& line) {
             static const QRegularExpression computed(QStringLiteral("^(  \\S+    as )\\(.*\\),$"));
             line.replace(computed, QStringLiteral("\\1(expression),"));
         }},
        {"Babelfish keeps index names lower-cased", Where::Babelfish, "indexes",
         [](QJsonObject& row) { row[QStringLiteral("Index_Name")] = Value(row, "Index_Name").toLower(); }, {}},
        {"Babelfish keeps index names lower-cased", Where::Babelfish, "script", {},
         [](QString& line) {
             static const QRegularExpression name(QStringLiteral("^(IF EXISTS .* name = '|  DROP INDEX \\w+\\.|create index )(\\w+)"));
             const QRegularExpressionMatch match = name.match(line);
             if (match.hasMatch())
                 line.replace(match.capturedStart(2), match.capturedLength(2), match.captured(2).toLower());
         }},
        {"Babelfish keeps six digits of a second (PostgreSQL's microseconds) where SQL Server's time and datetime2 "
         "keep seven: one digit less of precision and scale",
         Where::Babelfish, "fields",
         [](QJsonObject& row) {
             if (Value(row, "FFieldType") == QLatin1String("time") || Value(row, "FFieldType") == QLatin1String("datetime2")) {
                 const int beyond = std::max(0, Value(row, "Scale").toInt() - 6);
                 row[QStringLiteral("Prec")] = QString::number(Value(row, "Prec").toInt() - beyond);
                 row[QStringLiteral("Scale")] = QString::number(Value(row, "Scale").toInt() - beyond);
             }
         },
         {}},
        {"SQL Server keeps a default's definition in parentheses of its own: (0) comes back as ((0))",
         Where::SqlServer, "script", {},
         [](QString& line) {
             static const QRegularExpression doubled(QStringLiteral("default \\((\\(.*\\))\\),$"));
             line.replace(doubled, QStringLiteral("default \\1,"));
         }},
    };
    return differences;
}

bool Applies(const Difference& difference, bool babelfish)
{
    return difference.where == Where::Everywhere || (difference.where == Where::Babelfish) == babelfish;
}

// The rows of a dictionary document by table and list: "table/list" -> rows.
std::map<QString, QJsonArray> RowsOf(const QJsonDocument& document)
{
    std::map<QString, QJsonArray> rows;
    for (const QJsonValue& subsystem : document.object().value(QStringLiteral("subsystems")).toArray())
        for (const QJsonValue& table : subsystem.toObject().value(QStringLiteral("tables")).toArray()) {
            const QJsonObject t = table.toObject();
            const QString name = t.value(QStringLiteral("table")).toString();
            for (const char* list : {"indexes", "fields"})
                rows[name + u'/' + QLatin1String(list)] = t.value(QLatin1String(list)).toArray();
            rows[name + QStringLiteral("/caption")] = QJsonArray{t.value(QStringLiteral("caption")),
                                                                  t.value(QStringLiteral("message"))};
        }
    return rows;
}

// The tables of a template with their expr.
std::vector<std::pair<std::string, std::string>> TemplateTables(const QString& xml)
{
    std::vector<std::pair<std::string, std::string>> tables;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("table"))
            tables.emplace_back(reader.attributes().value(QLatin1String("name")).toString().toStdString(),
                                reader.attributes().value(QLatin1String("expr")).toString().toStdString());
    return tables;
}

// A table's columns with their types as the server states them (INFORMATION_SCHEMA.COLUMNS).
std::vector<std::pair<std::string, ServerForm>> ServerColumns(ado::Connection& server, const std::string& table)
{
    const ado::RecordsetPtr rows = server.Execute(
        "select COLUMN_NAME, lower(DATA_TYPE), CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, NUMERIC_SCALE, "
        "DATETIME_PRECISION from INFORMATION_SCHEMA.COLUMNS where TABLE_NAME = '" + table + "' order by ORDINAL_POSITION");
    const auto number = [&](long i) { return ado::ToText(rows->Fields(i).GetValue()); };
    std::vector<std::pair<std::string, ServerForm>> columns;
    for (; !rows->Eof(); rows->MoveNext()) {
        std::string type = ado::ToText(rows->Fields(1L).GetValue());
        // Babelfish states a computed decimal column as PostgreSQL's numeric without precision
        // or scale (t_ICStockBillEntry.FAmount); such a column compares by its value to ten
        // places, more than the demo's amounts carry.
        if ((type == "decimal" || type == "numeric") && ado::IsNull(rows->Fields(3L).GetValue()))
            type = "decimal(38,10)";
        else if (type == "decimal" || type == "numeric")
            type += "(" + number(3) + "," + number(4) + ")";
        else if (type.find("char") != std::string::npos || type.find("binary") != std::string::npos)
            type += "(" + (number(2) == "-1" ? std::string("max") : number(2)) + ")";
        else if (type == "time" || type == "datetime2")
            type += "(" + number(5) + ")";
        columns.emplace_back(ado::ToText(rows->Fields(0L).GetValue()), ServerForm::Parse(type));
    }
    return columns;
}

// A row as the column types hold its values; a value a type cannot hold shows as such.
std::string RowText(const std::vector<std::pair<std::string, ServerForm>>& columns, const std::vector<ado::Value>& row)
{
    std::string text;
    for (size_t c = 0; c < columns.size(); ++c) {
        const std::optional<std::string> form = columns[c].second.Of(row[c]);
        text += columns[c].first + "=" + (form ? *form : "(no form in " + columns[c].second.TypeName() + ": " + ado::ToText(row[c]) + ")") + "; ";
    }
    return text;
}

// The rows of `rows` that `other` does not hold (as often), the first few.
std::vector<std::string> Missing(std::vector<std::string> rows, std::vector<std::string> other)
{
    std::sort(rows.begin(), rows.end());
    std::sort(other.begin(), other.end());
    std::vector<std::string> missing;
    std::set_difference(rows.begin(), rows.end(), other.begin(), other.end(), std::back_inserter(missing));
    missing.resize(std::min<size_t>(missing.size(), 3));
    return missing;
}

class DemoOnServer : public ::testing::Test {
protected:
    // The demo database and its copy on the server, made once for the suite.
    static void SetUpTestSuite()
    {
        const auto server = tabrix::test::SqlServerConnectionText();
        if (!server)
            return;
        s_folder = std::make_unique<QTemporaryDir>();
        s_database = std::make_unique<ScratchDatabase>(*server);
        ado::Connection connection;
        connection.Open(*server, ado::adModeRead);
        s_babelfish = tabrix::test::IsBabelfish(connection);
        const QString folder = s_folder->path();
        if (RunTabrix({"demo-db", "account.db"}, folder).exitCode != 0) {
            s_failure = "tabrix demo-db failed";
            return;
        }
        // Every table of the demo, the dictionary's own among them.
        const TabrixOutcome tables = RunTabrix(
            {"query", "--db", "account.db",
             "select name from sqlite_master where type = 'table' and name not like 'sqlite%' order by name"},
            folder);
        QStringList names = tables.out.split(u'\n', Qt::SkipEmptyParts);
        names.removeFirst();  // the heading
        WriteText(folder + QStringLiteral("/all.xml"),
                  DemoTemplate(QStringLiteral("Provider=SQLite;Data Source=account.db"), QStringLiteral("account"), names));
        const TabrixOutcome exported =
            RunTabrix({"export", "all.xml", "--struct", "all_s.sql", "--data", "all_d.sql", "--log", "all_l.txt"}, folder);
        if (exported.exitCode != 0 && exported.exitCode != 3) {
            s_failure = "the demo's export failed: " + exported.err.toStdString();
            return;
        }
        const TabrixOutcome applied = RunTabrix(
            {"apply", "--connection", QString::fromStdString(s_database->ConnectionText()), "all_s.sql", "all_d.sql"},
            folder);
        if (applied.exitCode != 0)
            s_failure = "the demo's scripts do not apply to the server: " + applied.err.toStdString();
    }

    static void TearDownTestSuite()
    {
        s_database.reset();
        s_folder.reset();
    }

    void SetUp() override
    {
        TABRIX_REQUIRE_SQL_SERVER(server);
        m_server = server;
        ASSERT_TRUE(s_failure.empty()) << s_failure;
    }

    static QString Folder() { return s_folder->path(); }
    static QString Copy() { return QString::fromStdString(s_database->ConnectionText()); }

    static inline std::unique_ptr<QTemporaryDir> s_folder;
    static inline std::unique_ptr<ScratchDatabase> s_database;
    static inline bool s_babelfish = false;
    static inline std::string s_failure;
    std::string m_server;
};

// The dictionary of the copy, in each language, row for row the demo's; the server's catalogue
// is read the way the server needs, and the command says which.
TEST_F(DemoOnServer, DictionaryEqualsTheDemosInEachLanguage)
{
    for (const char* language : {"CHS", "CHT", "EN"}) {
        SCOPED_TRACE(language);
        const QStringList options = {"--language", language, "--all", "--format", "json"};
        const TabrixOutcome demo = RunTabrix(QStringList{"dictionary", "--db", "account.db"} + options, Folder());
        const TabrixOutcome copy = RunTabrix(QStringList{"dictionary", "--connection", Copy()} + options, Folder());
        ASSERT_EQ(demo.exitCode, 0) << demo.err.toStdString();
        ASSERT_EQ(copy.exitCode, 0) << copy.err.toStdString();
        EXPECT_TRUE(copy.err.contains(s_babelfish ? QStringLiteral("reading the catalogue views")
                                                  : QStringLiteral("reading the legacy catalogue")))
            << copy.err.toStdString();
        EXPECT_FALSE(demo.err.contains(QStringLiteral("reading the"))) << "the embedded provider needs no asking";

        std::map<QString, QJsonArray> expected = RowsOf(QJsonDocument::fromJson(demo.out.toUtf8()));
        std::map<QString, QJsonArray> actual = RowsOf(QJsonDocument::fromJson(copy.out.toUtf8()));
        ASSERT_GT(expected.size(), 100u);
        for (auto* rows : {&expected, &actual})
            for (auto& [key, list] : *rows)
                for (const Difference& difference : Differences()) {
                    if (!difference.row || !Applies(difference, s_babelfish) || !key.endsWith(QLatin1String(difference.list)))
                        continue;
                    for (qsizetype i = 0; i < list.size(); ++i) {
                        QJsonObject row = list[i].toObject();
                        difference.row(row);
                        list[i] = row;
                    }
                }
        for (const auto& [key, list] : expected) {
            const auto found = actual.find(key);
            ASSERT_NE(found, actual.end()) << key.toStdString();
            EXPECT_EQ(QJsonDocument(found->second).toJson(QJsonDocument::Compact).toStdString(),
                      QJsonDocument(list).toJson(QJsonDocument::Compact).toStdString())
                << key.toStdString();
        }
        EXPECT_EQ(actual.size(), expected.size());

        // The field search reads every table's fields in one statement; t_Account is described
        // with blanks around its name.
        const QStringList search = {"--language", language, "--search", "FAccountID", "--format", "json"};
        const TabrixOutcome demoHits = RunTabrix(QStringList{"dictionary", "--db", "account.db"} + search, Folder());
        const TabrixOutcome copyHits = RunTabrix(QStringList{"dictionary", "--connection", Copy()} + search, Folder());
        EXPECT_TRUE(demoHits.out.contains(QStringLiteral("\"t_Account\""))) << demoHits.out.toStdString();
        EXPECT_EQ(copyHits.out.toStdString(), demoHits.out.toStdString());
    }

    // The drift check reads the tables from the same catalogue: a table without a description
    // is named as it was created.
    ado::Connection copy;
    copy.Open(Copy().toStdString(), ado::adModeReadWrite);
    copy.Execute("create table t_NotDescribed(FID int)");
    const TabrixOutcome check = RunTabrix({"dictionary", "--connection", Copy(), "--check", "--format", "csv", "--csv-raw"}, Folder());
    copy.Execute("drop table t_NotDescribed");
    EXPECT_EQ(check.exitCode, 1) << check.err.toStdString();
    EXPECT_EQ(check.out.split(u'\n', Qt::SkipEmptyParts).filter(QStringLiteral("t_NotDescribed")).size(), 1)
        << check.out.toStdString();
}

// The copy as the converter's source: the demo template's structure script is the one the
// SQLite demo gives, and the scripts replay value for value on a second database of the server
// and on SQLite.
TEST_F(DemoOnServer, ExportFromTheServerReplaysOnTheServerAndOnSqlite)
{
    // t_ItemClass's special update recomputes a column from the bills of the database it runs
    // in: by design no copy of the source's value, so it is left out of the replay.
    QString copyTemplate = DemoTemplate(Copy(), QString::fromStdString(s_database->Name()));
    copyTemplate.remove(QStringLiteral(" special=\"FMaxNumber\""));
    ASSERT_TRUE(WriteText(Folder() + QStringLiteral("/copy.xml"), copyTemplate));
    ASSERT_TRUE(WriteText(Folder() + QStringLiteral("/demo.xml"),
                          DemoTemplate(QStringLiteral("Provider=SQLite;Data Source=account.db"), QStringLiteral("account"))));
    const TabrixOutcome demo = RunTabrix({"export", "demo.xml", "--struct", "demo_s.sql", "--log", "demo_l.txt"}, Folder());
    ASSERT_EQ(demo.exitCode, 0) << demo.err.toStdString();
    const TabrixOutcome copy =
        RunTabrix({"export", "copy.xml", "--struct", "copy_s.sql", "--data", "copy_d.sql", "--log", "copy_l.txt",
                   "--verify-on", QString::fromStdString(m_server)},
                  Folder());
    EXPECT_EQ(copy.exitCode, 0) << copy.err.toStdString();
    EXPECT_TRUE(copy.err.contains(s_babelfish ? QStringLiteral("reading the catalogue views")
                                              : QStringLiteral("reading the legacy catalogue")))
        << copy.err.toStdString();
    const TabrixOutcome sqlite = RunTabrix({"apply", "--db", "replay.db", "--create", "copy_s.sql", "copy_d.sql"}, Folder());
    EXPECT_EQ(sqlite.exitCode, 0) << sqlite.err.toStdString();

    // The SQLite replay, read through SQLite's own interface, holds every value of the server's
    // rows the template selects, as the server's column types hold them.
    ado::Connection server;
    server.Open(Copy().toStdString(), ado::adModeRead);
    RawSqlite replayed((Folder() + QStringLiteral("/replay.db")).toStdString());
    const auto tables = TemplateTables(copyTemplate);
    ASSERT_GT(tables.size(), 10u);
    for (const auto& [table, expr] : tables) {
        SCOPED_TRACE(table);
        const auto columns = ServerColumns(server, table);
        ASSERT_FALSE(columns.empty());
        std::vector<std::string> source, copy;
        const ado::RecordsetPtr rows = server.Execute("select * from [" + table + "] " + expr);
        for (; !rows->Eof(); rows->MoveNext()) {
            std::vector<ado::Value> row;
            for (const auto& column : columns)
                row.push_back(rows->Fields(column.first).GetValue());
            source.push_back(RowText(columns, row));
        }
        std::string select;
        for (const auto& column : columns)
            select += (select.empty() ? "select \"" : ", \"") + column.first + "\"";
        for (const std::vector<ado::Value>& row : replayed.Rows(select + " from \"" + table + "\""))
            copy.push_back(RowText(columns, row));
        EXPECT_EQ(copy.size(), source.size());
        EXPECT_EQ(Missing(source, copy), std::vector<std::string>{}) << "rows of the server that the SQLite replay lacks";
        EXPECT_EQ(Missing(copy, source), std::vector<std::string>{}) << "rows of the SQLite replay that the server lacks";
    }

    QStringList expected = ReadText(Folder() + QStringLiteral("/demo_s.sql")).split(QStringLiteral("\r\n"));
    QStringList actual = ReadText(Folder() + QStringLiteral("/copy_s.sql")).split(QStringLiteral("\r\n"));
    for (QStringList* lines : {&expected, &actual})
        for (QString& line : *lines)
            for (const Difference& difference : Differences())
                if (difference.line && Applies(difference, s_babelfish))
                    difference.line(line);
    ASSERT_GT(expected.size(), 100);
    for (qsizetype i = 0; i < std::max(expected.size(), actual.size()); ++i)
        EXPECT_EQ(actual.value(i).toStdString(), expected.value(i).toStdString()) << "structure script line " << i + 1;
}

}  // namespace
