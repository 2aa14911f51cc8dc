// The dictionary command: the host's part played by the program, the same components underneath.
#include "OutputPlace.h"
#include "SqliteFile.h"
#include "TabrixRun.h"
#include "TestDemoDb.h"
#include "UserSettings.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Outcome = TabrixOutcome;

Outcome Tabrix(const QStringList& args)
{
    return RunTabrix(QStringList{QStringLiteral("dictionary")} + args, {}, QProcessEnvironment::systemEnvironment(),
                     60000);
}

TEST(DictionaryCommandTest, PrintsTheTreeIndentedByParent)
{
    const Outcome run = Tabrix({QStringLiteral("--db"), DemoDatabasePath(), QStringLiteral("--language"), QStringLiteral("cht")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("帳套名稱:[account]"));
    EXPECT_EQ(lines.value(1), QStringLiteral("Norv系統模組列表  [gc0]"));
    EXPECT_EQ(lines.value(2), QStringLiteral("  總賬  [gi1]"));
    EXPECT_EQ(lines.value(3), QStringLiteral("    科目表(t_Account)  [gi1.30]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("    示例表(t_Sample)  [gi13.205]")));
    EXPECT_TRUE(lines.contains(QStringLiteral("   報表   [gi12]")));
    const qsizetype orphans = lines.indexOf(QStringLiteral("(no node gi99)"));
    ASSERT_GT(orphans, 0);
    EXPECT_EQ(lines.value(orphans + 1), QStringLiteral("  引入临时表(t_ImportTemp)  [gi99.990]"));
}

TEST(DictionaryCommandTest, PrintsOneTablesIndexAndFieldRows)
{
    const Outcome run = Tabrix({QStringLiteral("--connection"), DemoConnectionText(QStringLiteral("EN")), QStringLiteral("t_Sample")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    EXPECT_EQ(lines.value(1), QStringLiteral("Sample table(t_Sample)"));
    EXPECT_TRUE(lines.value(3).startsWith(QStringLiteral("Index Name"))) << lines.value(3).toStdString();
    const QStringList fieldHeading = lines.filter(QStringLiteral("Seq."));
    ASSERT_EQ(fieldHeading.size(), 1);
    EXPECT_EQ(fieldHeading[0].split(u' ', Qt::SkipEmptyParts).last(), QStringLiteral("Nullable"));
    const QStringList id = lines.filter(QStringLiteral("  FID  "));
    ASSERT_EQ(id.size(), 1);
    EXPECT_EQ(id[0].split(u' ', Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("11"), QStringLiteral("FID"), QStringLiteral("ID"), QStringLiteral("int"),
                           QStringLiteral("4"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("No")}));
}

TEST(DictionaryCommandTest, ReportsBadInputClearly)
{
    // A quote stays inside the name: no table of that name, and no rows of t_Subsystem.
    const Outcome quote = Tabrix({QStringLiteral("--db"), DemoDatabasePath(), QStringLiteral("t_Subsystem' --")});
    EXPECT_EQ(quote.exitCode, 2);
    EXPECT_TRUE(quote.err.contains(QStringLiteral("The object 't_Subsystem' --' does not exist")))
        << quote.err.toStdString();
    EXPECT_FALSE(quote.out.contains(QStringLiteral("FSubSysID"))) << quote.out.toStdString();

    const Outcome language = Tabrix({QStringLiteral("--language"), QStringLiteral("FR")});
    EXPECT_EQ(language.exitCode, 1);
    EXPECT_TRUE(language.err.contains(QStringLiteral("CHS, CHT or EN")));

    const Outcome csvRaw = Tabrix({QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--csv-raw")});
    EXPECT_EQ(csvRaw.exitCode, 1);
    EXPECT_TRUE(csvRaw.err.contains(QStringLiteral("--csv-raw goes with --format csv"))) << csvRaw.err.toStdString();

    const Outcome missing = Tabrix({QStringLiteral("--db"), QStringLiteral("/nonexistent/account.db")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.isEmpty());
}

// A table's lists as SQL Server shows them, written from the rules rather than taken from a run:
// descriptions stored in another letter case or with trailing blanks still belong to their
// column, fields come in the server's collation order (underscore, then digits, then letters),
// a description row of another table is ignored, indexes come by name.
TEST(DictionaryCommandTest, TableListsMatchTheReferenceInEachLanguage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("reference.db"));
    demo::SqliteFile(file).Exec(
        "CREATE TABLE t_Subsystem (FSubSysID int NOT NULL, FName nvarchar(80) NOT NULL, FName_CHT nvarchar(80) NULL,"
        " FName_EN nvarchar(80) NULL, CONSTRAINT PK_t_Subsystem PRIMARY KEY (FSubSysID));"
        "INSERT INTO t_Subsystem VALUES (1, '参考', '參考', 'Reference');"
        "CREATE TABLE t_tabledescription (FSubSystemID int NOT NULL, FTableID int NOT NULL, FTableName varchar(50) NOT NULL,"
        " FDescription nvarchar(255) NULL, FDescription_CHT nvarchar(255) NULL, FDescription_EN nvarchar(255) NULL,"
        " CONSTRAINT PK_t_tabledescription PRIMARY KEY (FTableID));"
        "INSERT INTO t_tabledescription VALUES (1, 7, 't_Ref', '参考表', '參考表', 'Reference table');"
        "CREATE TABLE t_FieldDescription (FTableID int NOT NULL, FFieldName varchar(50) NOT NULL,"
        " FDescription nvarchar(255) NULL, FDescription_CHT nvarchar(255) NULL, FDescription_EN nvarchar(255) NULL,"
        " FFieldNote nvarchar(255) NULL, FFieldNote_CHT nvarchar(255) NULL, FFieldNote_EN nvarchar(255) NULL,"
        " CONSTRAINT PK_t_FieldDescription PRIMARY KEY (FTableID, FFieldName));"
        "INSERT INTO t_FieldDescription VALUES"
        " (7, 'F_101', '金额', '金額', 'Amount', '两位小数', '兩位小數', 'two decimals'),"
        " (7, 'F1', '一号', '一號', 'First', '', '', ''),"
        " (7, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL),"
        " (7, 'fname', '名称', '名稱', 'Name', '小写登记', '小寫登記', 'stored in lower case'),"
        " (7, 'FPhone   ', '电话', '電話', 'Phone', NULL, NULL, NULL),"
        " (8, 'F2', '别表', '別表', 'Other table', '', '', '');"
        "CREATE TABLE t_Ref (FID int NOT NULL, FName nvarchar(40) NOT NULL, FPhone varchar(20) NULL,"
        " F_101 decimal(12,2) NULL, F1 int NULL, F2 char(4) NULL, CONSTRAINT PK_t_Ref PRIMARY KEY (FID));"
        "CREATE INDEX ix_t_Ref_Phone ON t_Ref (FPhone);");

    const std::pair<const char*, const char*> references[] = {
        {"CHS",
         "账套名称:[reference]\n"
         "参考表(t_Ref)\n"
         "\n"
         "索引名称        索引描述                                           包含的字段\n"
         "ix_t_Ref_Phone  nonclustered located on PRIMARY                    FPhone\n"
         "PK_t_Ref        clustered, unique, primary key located on PRIMARY  FID\n"
         "\n"
         "顺序号  字段名称  字段描述  字段备注  字段类型  字段长度  字段精度  小数位数  允许为空\n"
         "1       F_101     金额      两位小数  decimal   9         12        2         是\n"
         "2       F1        一号                int       4         10        0         是\n"
         "3       F2                            char      4         4         0         是\n"
         "4       FID       序号                int       4         10        0         否\n"
         "5       FName     名称      小写登记  nvarchar  80        40        0         否\n"
         "6       FPhone    电话                varchar   20        20        0         是\n"},
        {"CHT",
         "帳套名稱:[reference]\n"
         "參考表(t_Ref)\n"
         "\n"
         "索引名稱        索引描述                                           包含的欄位\n"
         "ix_t_Ref_Phone  nonclustered located on PRIMARY                    FPhone\n"
         "PK_t_Ref        clustered, unique, primary key located on PRIMARY  FID\n"
         "\n"
         "順序號  欄位名稱  欄位描述  欄位備註  欄位類型  欄位長度  欄位精度  小數位數  允許為空\n"
         "1       F_101     金額      兩位小數  decimal   9         12        2         是\n"
         "2       F1        一號                int       4         10        0         是\n"
         "3       F2                            char      4         4         0         是\n"
         "4       FID       序號                int       4         10        0         否\n"
         "5       FName     名稱      小寫登記  nvarchar  80        40        0         否\n"
         "6       FPhone    電話                varchar   20        20        0         是\n"},
        {"EN",
         "Account: [reference]\n"
         "Reference table(t_Ref)\n"
         "\n"
         "Index Name      Index Description                                  Fields Included\n"
         "ix_t_Ref_Phone  nonclustered located on PRIMARY                    FPhone\n"
         "PK_t_Ref        clustered, unique, primary key located on PRIMARY  FID\n"
         "\n"
         "Seq.  Field Name  Description  Note                  Type      Length  Precision  Scale  Nullable\n"
         "1     F_101       Amount       two decimals          decimal   9       12         2      Yes\n"
         "2     F1          First                              int       4       10         0      Yes\n"
         "3     F2                                             char      4       4          0      Yes\n"
         "4     FID         ID                                 int       4       10         0      No\n"
         "5     FName       Name         stored in lower case  nvarchar  80      40         0      No\n"
         "6     FPhone      Phone                              varchar   20      20         0      Yes\n"},
    };
    for (const auto& [language, expected] : references) {
        SCOPED_TRACE(language);
        const Outcome run = Tabrix({QStringLiteral("--db"), file, QStringLiteral("--language"), QLatin1String(language),
                                    QStringLiteral("t_Ref")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), expected);
    }
}

// --out to a file, a link, a link to nothing and a FIFO (as a device would be): the text is
// where the name leads, the name is still what it was, and no temporary file is left.
TEST(DictionaryCommandTest, OutWritesThroughLinksAndIntoFifosWithoutReplacingThem)
{
    const QStringList table = {QStringLiteral("--db"), DemoDatabasePath(), QStringLiteral("t_Sample")};
    const Outcome printed = Tabrix(table);
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    for (const OutputPlace::Kind kind : OutputPlace::kKinds) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        OutputPlace place(folder.path(), QStringLiteral("out.txt"), kind);
        SCOPED_TRACE(place.KindName());
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        const Outcome run = Tabrix(table + QStringList{QStringLiteral("--out"), place.Path()});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(QString::fromUtf8(place.Received()), printed.out);
        place.ExpectUnchanged();
        QStringList after = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        if (kind == OutputPlace::Kind::LinkToNothing)
            after.removeOne(QStringLiteral("target-out.txt"));
        EXPECT_EQ(after, before);
    }
}

// The windows' settings file under the same rule, whatever kind of name it is: QSettings alone
// would rename a temporary file over a FIFO or a link.
TEST(DictionaryCommandTest, WindowSettingsWriteThroughLinksAndIntoFifos)
{
    for (const OutputPlace::Kind kind : OutputPlace::kKinds) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid() && QDir(folder.path()).mkdir(QStringLiteral("tabrix")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        OutputPlace place(folder.filePath(QStringLiteral("tabrix")), QStringLiteral("tabrix.conf"), kind);
        SCOPED_TRACE(place.KindName());
        {
            const UserSettings settings{QStringLiteral("frmLoad")};
            settings->setValue(QStringLiteral("geometry"), QStringLiteral("wide"));
        }
        EXPECT_TRUE(place.Received().contains("[frmLoad]\ngeometry=wide\n"));
        place.ExpectUnchanged();
    }
}

// Hostile descriptions stored in an account database, read back by tools we did not write:
// Python's strict UTF-8 decoder for every format, its json and csv modules for those formats.
TEST(DictionaryCommandTest, HostileDescriptionsReachToolsIntactAndTerminalsHarmless)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QString db = folder.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), db));
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    const struct {
        const char* field;
        const char* stored;  // an SQL expression
        QString json;        // what JSON and raw CSV keep
        QString csv;
        QString text;        // on the terminal
    } cases[] = {
        {"FID", "CAST(x'1b5b324a1b5d303b7469746c6507' AS TEXT)", QStringLiteral("\x1b[2J\x1b]0;title\x07"),
         QStringLiteral("\\x1b[2J\\x1b]0;title\\x07"), QStringLiteral("\\x1b[2J\\x1b]0;title\\x07")},
        {"FName", "'=1+2'", QStringLiteral("=1+2"), QStringLiteral("'=1+2"), QStringLiteral("=1+2")},
        {"FCode", "'a' || char(13) || char(10) || 'b & c'", QStringLiteral("a\r\nb & c"), QStringLiteral("a\r\nb & c"),
         QStringLiteral("a\\r\\nb & c")},
        {"FDate", "CAST(x'41ff42c3' AS TEXT)", QString::fromUtf16(u"A\uFFFDB\uFFFD"), QString::fromUtf16(u"A\uFFFDB\uFFFD"),
         QString::fromUtf16(u"A\uFFFDB\uFFFD")},
        {"FFlag", "'@x'", QStringLiteral("@x"), QStringLiteral("'@x"), QStringLiteral("@x")},
    };
    for (const auto& c : cases)
        demo::SqliteFile(db).Exec(QStringLiteral("update t_FieldDescription set FDescription = %1 where FFieldName = '%2' "
                                                 "and FTableID = (select FTableID from t_tabledescription "
                                                 "where FTableName = 't_Sample')")
                                      .arg(QLatin1String(c.stored), QLatin1String(c.field)));
    for (const char* format : {"text", "json", "csv", "markdown", "html"}) {
        const Outcome run = Tabrix({QStringLiteral("--db"), db, QStringLiteral("t_Sample"), QStringLiteral("--format"),
                                    QLatin1String(format), QStringLiteral("--out"),
                                    folder.filePath(QStringLiteral("o.") + QLatin1String(format))});
        EXPECT_EQ(run.exitCode, 0) << format << run.err.toStdString();
    }
    const Outcome raw = Tabrix({QStringLiteral("--db"), db, QStringLiteral("t_Sample"), QStringLiteral("--format=csv"),
                                QStringLiteral("--csv-raw"), QStringLiteral("--out"), folder.filePath(QStringLiteral("raw.csv"))});
    EXPECT_EQ(raw.exitCode, 0) << raw.err.toStdString();

    QProcess reader;
    reader.setWorkingDirectory(folder.path());
    reader.start(python, {QStringLiteral("-c"), QStringLiteral(R"py(
import csv, json, re
texts = {f: open('o.' + f, encoding='utf-8', errors='strict').read() for f in ['text', 'json', 'csv', 'markdown', 'html']}
def csv_fields(name):
    rows = list(csv.reader(open(name, encoding='utf-8-sig', newline='')))
    return {r[rows[0].index('FFieldName')]: r[rows[0].index('FDescription')] for r in rows[1:] if r[4] == 'fields'}
print(json.dumps({
    'json': {r['FFieldName']: r['FDescription'] for r in json.loads(texts['json'])['fields']},
    'csv': csv_fields('o.csv'), 'raw': csv_fields('raw.csv'),
    'bom': open('o.csv', 'rb').read(3) == b'\xef\xbb\xbf',
    'text': texts['text'].split('\n'),
    'controls': {f: bool(re.search('[\x00-\x09\x0b-\x1f\x7f-\x9f]', t)) for f, t in texts.items() if f != 'csv'},
}))
)py")});
    ASSERT_TRUE(reader.waitForFinished(60000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    const QJsonObject seen = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    EXPECT_TRUE(seen[QStringLiteral("bom")].toBool());
    for (const QString& format : {QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("markdown"), QStringLiteral("html")})
        EXPECT_FALSE(seen[QStringLiteral("controls")][format].toBool()) << format.toStdString();
    const QStringList lines = seen[QStringLiteral("text")].toVariant().toStringList();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const QString field = QLatin1String(c.field);
        EXPECT_EQ(seen[QStringLiteral("json")][field].toString(), c.json);
        EXPECT_EQ(seen[QStringLiteral("csv")][field].toString(), c.csv);
        EXPECT_EQ(seen[QStringLiteral("raw")][field].toString(), c.csv.startsWith(u'\'') ? c.json : c.csv);
        const QStringList line = lines.filter(QStringLiteral("  ") + field + QStringLiteral("  "));
        ASSERT_EQ(line.size(), 1);
        EXPECT_TRUE(line[0].contains(QStringLiteral("  ") + c.text + QStringLiteral("  "))) << line[0].toStdString();
    }
}

}  // namespace
