// The demo account on a real engine as the source of both components. The demo database is
// exported by `tabrix export` and applied with `tabrix apply` to a database of its own on the
// server of TABRIX_TEST_MSSQL; from there the dictionary and the structure script must be the
// ones the SQLite demo gives, and the export's scripts must replay value for value on a second
// database of the server and on SQLite.
#include "Connection.h"
#include "ScratchDatabase.h"
#include "SqlServerTestServer.h"
#include "TabrixRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
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

// A value of a dictionary row that differs between the engines for a reason outside the
// components, made alike on both sides before they are compared. Applies on Babelfish only.
struct Difference {
    const char* why;
    const char* list;  // "indexes" or "fields"
    std::function<void(QJsonObject& row)> adapt;
};

bool IsType(const QJsonObject& row, std::initializer_list<const char*> types)
{
    for (const char* type : types)
        if (row.value(QStringLiteral("FFieldType")).toString() == QLatin1String(type))
            return true;
    return false;
}

const std::vector<Difference>& BabelfishDifferences()
{
    static const std::vector<Difference> differences = {
        {"Babelfish keeps index names lower-cased, and cuts the names of a long index and table to PostgreSQL's 63 "
         "characters (the index's own name compared as far as it is kept)",
         "indexes",
         [](QJsonObject& row) {
             row[QStringLiteral("Index_Name")] = row.value(QStringLiteral("Index_Name")).toString().toLower().left(31);
         }},
        {"Babelfish keeps six digits of a second (PostgreSQL's microseconds): time and datetime2 have precision "
         "and scale 6 there, where SQL Server's default is 7",
         "fields",
         [](QJsonObject& row) {
             if (IsType(row, {"time", "datetime2"})) {
                 row.remove(QStringLiteral("Prec"));
                 row.remove(QStringLiteral("Scale"));
             }
         }},
    };
    return differences;
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
                for (const Difference& difference : s_babelfish ? BabelfishDifferences() : std::vector<Difference>{}) {
                    if (!key.endsWith(QLatin1String(difference.list)))
                        continue;
                    for (qsizetype i = 0; i < list.size(); ++i) {
                        QJsonObject row = list[i].toObject();
                        difference.adapt(row);
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
    }
}

// The copy as the converter's source: the demo template's structure script is the one the
// SQLite demo gives, and the scripts replay value for value on a second database of the server
// and on SQLite.
TEST_F(DemoOnServer, ExportFromTheServerReplaysOnTheServerAndOnSqlite)
{
    ASSERT_TRUE(WriteText(Folder() + QStringLiteral("/demo.xml"),
                          DemoTemplate(QStringLiteral("Provider=SQLite;Data Source=account.db"), QStringLiteral("account"))));
    ASSERT_TRUE(WriteText(Folder() + QStringLiteral("/copy.xml"),
                          DemoTemplate(Copy(), QString::fromStdString(s_database->Name()))));
    const TabrixOutcome demo = RunTabrix({"export", "demo.xml", "--struct", "demo_s.sql", "--log", "demo_l.txt"}, Folder());
    ASSERT_EQ(demo.exitCode, 0) << demo.err.toStdString();
    for (const QString& verify : {QStringLiteral("--verify"), QStringLiteral("--verify-on")}) {
        SCOPED_TRACE(verify.toStdString());
        QStringList arguments = {"export", "copy.xml", "--struct", "copy_s.sql", "--data", "copy_d.sql", "--log",
                                 "copy_l.txt", verify};
        if (verify == QLatin1String("--verify-on"))
            arguments << QString::fromStdString(m_server);
        QFile::remove(Folder() + QStringLiteral("/copy_l.txt"));
        const TabrixOutcome copy = RunTabrix(arguments, Folder());
        EXPECT_EQ(copy.exitCode, 0) << copy.err.toStdString() << ReadText(Folder() + QStringLiteral("/copy_l.txt")).toStdString();
        EXPECT_TRUE(copy.err.contains(s_babelfish ? QStringLiteral("reading the catalogue views")
                                                  : QStringLiteral("reading the legacy catalogue")))
            << copy.err.toStdString();
    }

    QString expected = ReadText(Folder() + QStringLiteral("/demo_s.sql"));
    QString actual = ReadText(Folder() + QStringLiteral("/copy_s.sql"));
    if (s_babelfish) {
        // Babelfish keeps a default's definition without the parentheses SQL Server adds around
        // it, and index names lower-cased (the index's own name compared as far as it is kept).
        for (QString* script : {&expected, &actual}) {
            static const QRegularExpression defaultText(QStringLiteral("default \\(*([^()]*?|getdate\\(\\))\\)*,\\r\\n"));
            script->replace(defaultText, QStringLiteral("default \\1,\r\n"));
            static const QRegularExpression indexName(QStringLiteral("(index|DROP INDEX \\w+\\.|name = ')(\\w{1,31})\\w*"));
            QString lowered;
            qsizetype at = 0;
            for (const QRegularExpressionMatch& match : indexName.globalMatch(*script)) {
                lowered += script->mid(at, match.capturedStart() - at) + match.captured(1) + match.captured(2).toLower();
                at = match.capturedEnd();
            }
            *script = lowered + script->mid(at);
        }
    }
    const QStringList expectedLines = expected.split(QStringLiteral("\r\n"));
    const QStringList actualLines = actual.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < std::max(expectedLines.size(), actualLines.size()); ++i)
        EXPECT_EQ(actualLines.value(i).toStdString(), expectedLines.value(i).toStdString()) << "line " << i + 1;
}

}  // namespace
