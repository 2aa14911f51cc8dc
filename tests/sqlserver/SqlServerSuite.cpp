#include "SqlServerSuite.h"

#include "OdbcConnectionText.h"
#include "RecordsetValues.h"

#include <QFile>

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace {

const char* const kDictionary[][2] = {
    {"t_Subsystem",
     "create table t_Subsystem (FSubSysID int not null, FName nvarchar(80) not null default (''), "
     "FName_CHT nvarchar(80) null, FName_EN nvarchar(80) null, constraint PK_t_Subsystem primary key (FSubSysID))"},
    {"t_tabledescription",
     "create table t_tabledescription (FSubSystemID int not null default ((0)), FTableID int not null, "
     "FTableName varchar(50) not null, FDescription nvarchar(255) null, FDescription_CHT nvarchar(255) null, "
     "FDescription_EN nvarchar(255) null, constraint PK_t_tabledescription primary key (FTableID))"},
    {"t_FieldDescription",
     "create table t_FieldDescription (FTableID int not null, FFieldName varchar(50) not null, "
     "FDescription nvarchar(255) null, FDescription_CHT nvarchar(255) null, FDescription_EN nvarchar(255) null, "
     "FFieldNote nvarchar(255) null, FFieldNote_CHT nvarchar(255) null, FFieldNote_EN nvarchar(255) null, "
     "constraint PK_t_FieldDescription primary key (FTableID, FFieldName))"},
};

std::string Number(int value) { return std::to_string(value); }

}  // namespace

void SqlServerSuite::SetUp()
{
    TABRIX_REQUIRE_SQL_SERVER(text);
    m_text = text;
    const int pid = static_cast<int>(getpid());
    m_item = "tabrix_item_" + Number(pid);
    m_entry = "tabrix_entry_" + Number(pid);
    m_subsystemId = 1000000 + pid;
    m_itemId = 20000000 + 2 * pid;
    m_entryId = m_itemId + 1;

    ASSERT_NO_THROW(m_folder = std::make_unique<ConverterFolder>(QStringLiteral(TABRIX_TEST_TYPE_MAP)));

    m_connection = std::make_shared<ado::Connection>();
    m_connection->Open(m_text);
    m_babelfish = tabrix::test::IsBabelfish(*m_connection);
    DropTables();  // what an interrupted run of the same process id may have left
    CreateDictionary();
    CreateTables();
}

void SqlServerSuite::TearDown()
{
    m_folder.reset();
    if (!m_connection || m_connection->State() != ado::adStateOpen)
        return;
    try {
        DropTables();
        for (const std::string& table : m_createdDictionary)
            Run("drop table " + table);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "The suite's schema stays on the server: " << e.what();
    }
}

bool SqlServerSuite::Present(const std::string& table) const
{
    const ado::RecordsetPtr id = m_connection->Execute("select object_id('" + table + "')");
    return !ado::IsNull(id->Fields(0L).GetValue());
}

void SqlServerSuite::CreateDictionary()
{
    for (const auto& [table, create] : kDictionary) {
        if (!Present(table)) {
            Run(create);
            m_createdDictionary.emplace_back(table);
        }
    }
    const std::string subsystem = Number(m_subsystemId);
    Run("insert into t_Subsystem (FSubSysID, FName, FName_CHT, FName_EN) values (" + subsystem +
        ", N'测试子系统', N'測試子系統', N'Suite subsystem')");
    Run("insert into t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, "
        "FDescription_EN) values (" + subsystem + ", " + Number(m_itemId) + ", '" + m_item +
        "', N'物料表', N'物料表', N'Items')");
    Run("insert into t_tabledescription (FSubSystemID, FTableID, FTableName, FDescription, FDescription_CHT, "
        "FDescription_EN) values (" + subsystem + ", " + Number(m_entryId) + ", '" + m_entry +
        "', N'分录', N'分錄', N'Entries')");
    const char* const fields[][7] = {
        {"FItemID", "内码", "內碼", "ID", "", "", ""},
        {"FNumber", "代码", "代碼", "Code", "唯一", "唯一", "Unique"},
        {"FName", "名称", "名稱", "Name", "", "", ""},
        {"FQty", "数量", "數量", "Quantity", "28位精度10位小数", "28位精度10位小數", "28 digits, 10 after the point"},
    };
    for (const auto& f : fields)
        Run("insert into t_FieldDescription (FTableID, FFieldName, FDescription, FDescription_CHT, FDescription_EN, "
            "FFieldNote, FFieldNote_CHT, FFieldNote_EN) values (" + Number(m_itemId) + ", '" + f[0] + "', N'" + f[1] +
            "', N'" + f[2] + "', N'" + f[3] + "', N'" + f[4] + "', N'" + f[5] + "', N'" + f[6] + "')");
}

void SqlServerSuite::CreateTables()
{
    Run("create table " + m_item +
        " (FItemID int not null, FNumber varchar(30) not null default (''), FName nvarchar(80) not null,"
        " FPrice money null, FQty decimal(28,10) null default ((0)), FLevel tinyint not null default ((1)),"
        " FActive bit not null default ((1)), FCreated datetime null, FMemo nvarchar(max) null,"
        " FPhoto varbinary(max) null, FRate float null, FGuid uniqueidentifier null, FCode char(4) null,"
        " constraint PK_" + m_item + " primary key (FItemID))");
    Run("create index ix_" + m_item + "_number on " + m_item + " (FNumber, FName)");
    Run("insert into " + m_item +
        " (FItemID, FNumber, FName, FPrice, FQty, FLevel, FActive, FCreated, FMemo, FPhoto, FRate, FGuid, FCode)"
        " values (1, '1.01', N'螺丝 M6 \"精\"', 12.34, -12345.6789012345, 255, 1, '2024-01-31T08:05:09.123',"
        " N'O''Brien 备注 \U0001D11E', 0x00FF10, 0.1, '6F9619FF-8B86-D011-B42D-00C04FC964FF', 'ab')");
    Run("insert into " + m_item + " (FItemID, FNumber, FName, FLevel, FActive, FMemo, FPhoto) values "
        "(2, '', N'', 0, 0, N'', 0x)");
    Run("insert into " + m_item + " (FItemID, FName) values (3, N'只有名称')");
    Run("create table " + m_entry +
        " (FEntryID int identity(1,1) not null, FItemID int not null, FQty decimal(19,4) null,"
        " FNote nvarchar(40) null)");
}

void SqlServerSuite::DropTables() const
{
    for (const std::string& table : {m_item, m_entry})
        if (Present(table))
            Run("drop table " + table);
    const std::string tables = Number(m_itemId) + ", " + Number(m_entryId);
    for (const auto& [table, where] : {std::pair{"t_Subsystem", "FSubSysID = " + Number(m_subsystemId)},
                                       std::pair{"t_tabledescription", "FTableID in (" + tables + ")"},
                                       std::pair{"t_FieldDescription", "FTableID in (" + tables + ")"}})
        if (Present(table))
            Run(std::string("delete from ") + table + " where " + where);
}

std::vector<std::vector<ado::Value>> SqlServerSuite::Rows(const std::string& sql) const
{
    return ValuesOf(*m_connection->Execute(sql));
}

std::string SqlServerSuite::Read(const std::string& name) const
{
    std::ifstream in(m_folder->FilePath(QString::fromStdString(name)).toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool SqlServerSuite::Exists(const std::string& name) const
{
    return QFile::exists(m_folder->FilePath(QString::fromStdString(name)));
}

std::string SqlServerSuite::Template(const std::string& serverAttributes, const std::vector<std::string>& tables) const
{
    const auto attribute = [](const std::string& value) {
        std::string out;
        for (char c : value)
            out += c == '&' ? "&amp;" : c == '"' ? "&quot;" : c == '<' ? "&lt;" : std::string(1, c);
        return out;
    };
    // An OLE DB style text is taken apart into the server element's attributes, so that the
    // converter's own connection text for a server element is what reaches the server; any
    // other text (an ODBC driver or DSN text) goes in as the element's constr.
    std::string server = "constr=\"" + attribute(m_text) + "\"";
    std::string catalogue;
    const ado::odbc::Pairs pairs = ado::odbc::SplitSqlServerText(m_text);
    const auto value = [&](std::initializer_list<const char*> keys) {
        for (const auto& [key, text] : pairs)
            for (const char* wanted : keys)
                if (QString::fromStdString(key).compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                    return text;
        return std::string();
    };
    const QString provider = QString::fromStdString(value({"Provider"})).toLower();
    if (provider.startsWith(QLatin1String("sqloledb")) || provider.startsWith(QLatin1String("sqlncli")) ||
        provider.startsWith(QLatin1String("msoledbsql"))) {
        server = "name=\"" + attribute(value({"Data Source", "Server"})) + "\" user=\"" +
                 attribute(value({"User ID", "UID"})) + "\" pwd=\"" + attribute(value({"pwd", "Password"})) + "\"";
        catalogue = value({"Initial Catalog", "Database"});
    }
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><template><server " + server + " " +
                       serverAttributes + "><database name=\"" + attribute(catalogue) + "\">";
    for (const std::string& table : tables)
        text += "<table name=\"" + table + "\"/>";
    return text + "</database></server></template>";
}
