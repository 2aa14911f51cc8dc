// The converter on a real server: the template's server element builds the connection text, the
// structure script comes from the server's catalogue and the data script, run on the server,
// gives back every value.
#include "SqlServerSuite.h"

#include "XmlElement.h"
#include "clsConverter.h"

namespace {

class ConverterOnSqlServer : public SqlServerSuite {
protected:
    // Exports the tables with a template whose server element holds serverAttributes.
    void Export(const std::string& serverAttributes, const std::vector<std::string>& tables) const
    {
        const xml::XmlDocument document = xml::XmlDocument::LoadText(Template(serverAttributes, tables));
        ASSERT_TRUE(document.Ok()) << document.Error().Reason().toStdString();
        clsConverter converter;
        std::vector<QString> catalogues;
        QObject::connect(&converter, &clsConverter::CatalogueChosen,
                         [&](const QString&, const QString&, const QString& text) { catalogues.push_back(text); });
        converter.SetStopFlag(clsConverter::ePlay);
        converter.ExportDB(document.DocumentElement().Children().at(0).Children().at(0));
        EXPECT_FALSE(Exists("log.txt")) << Read("log.txt");
        // Once for the connection, by what the server is, and only for structures: Babelfish's
        // legacy views lack the defaults and index keys; SQL Server and the stand-in keep them.
        const bool structures = serverAttributes.find("structfile") != std::string::npos;
        ASSERT_EQ(catalogues.size(), structures ? 1u : 0u);
        if (structures) {
            EXPECT_EQ(catalogues[0].startsWith(QStringLiteral("catalogue views")), m_babelfish)
                << catalogues[0].toStdString();
        }
    }

    std::string ItemRowsQuery() const
    {
        return "select FItemID, FNumber, FName, FPrice, FQty, FLevel, FActive, FCreated, FMemo, FPhoto, FRate, FGuid,"
               " FCode from " + m_item + " order by FItemID";
    }
};

TEST_F(ConverterOnSqlServer, StructureScriptFromTheServersCatalogue)
{
    Export(R"(structfile="s.sql" logfile="log.txt")", {m_item, m_entry});
    // Babelfish keeps a default's definition without the parentheses SQL Server adds around the
    // one it was given; the converter gives it one pair, as SQL Server keeps every definition.
    const auto byDefault = [&](const char* sqlServer, const char* babelfish) {
        return std::string("default ") + (m_babelfish ? babelfish : sqlServer);
    };
    const std::string& t = m_item;
    std::string upperKey = "PK_" + t;
    for (char& c : upperKey)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // The (max) types come as long types, so the script names them by their long type.
    const std::string item = "drop table " + t + "\r\n\r\n" +
                             "create table " + t + "(\r\n"
                             "  FItemID    int    not null    ,\r\n"
                             "  FNumber    varchar(30)    not null    " + byDefault("('')", "('')") + ",\r\n"
                             "  FName    nvarchar(80)    not null    ,\r\n"
                             "  FPrice    money    null    ,\r\n"
                             "  FQty    decimal(28,10)  null    " + byDefault("((0))", "(0)") + ",\r\n"
                             "  FLevel    tinyint    not null    " + byDefault("((1))", "(1)") + ",\r\n"
                             "  FActive    bit    not null    " + byDefault("((1))", "(1)") + ",\r\n"
                             "  FCreated    datetime    null    ,\r\n"
                             "  FMemo    ntext    null    ,\r\n"
                             "  FPhoto    image    null    ,\r\n"
                             "  FRate    float    null    ,\r\n"
                             "  FGuid    uniqueidentifier    null    ,\r\n"
                             "  FCode    char(4)    null    ,\r\n"
                             "  constraint " + upperKey + " primary key (FItemID)\r\n)\r\n\r\n"
                             "IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix_" + t + "_number')\r\n"
                             "begin\r\n  DROP INDEX " + t + ".ix_" + t + "_number\r\nend\r\n"
                             "create index ix_" + t + "_number on " + t + " (FNumber,FName)\r\n";
    const std::string entry = "drop table " + m_entry + "\r\n\r\n" +
                              "create table " + m_entry + "(\r\n"
                              "  FEntryID    int    identity    ,\r\n"
                              "  FItemID    int    not null    ,\r\n"
                              "  FQty    decimal(19,4)  null    ,\r\n"
                              "  FNote    nvarchar(40)    null    ,\r\n"
                              ")\r\n\r\n";
    // Every table starts with its hint line, empty here.
    EXPECT_EQ(Read("s.sql"), "\r\n\r\n" + item + "\r\n\r\n" + entry);
}

TEST_F(ConverterOnSqlServer, DataScriptRunOnTheServerGivesBackEveryValue)
{
    const auto before = Rows(ItemRowsQuery());
    ASSERT_EQ(before.size(), 3u);
    Export(R"(datafile="d.sql" logfile="log.txt")", {m_item});
    const std::string script = Read("d.sql");
    ASSERT_EQ(script.rfind("\r\n\r\ndelete from " + m_item + " \r\n\r\n", 0), 0u) << script;
    EXPECT_NE(script.find("N'O''Brien"), std::string::npos) << script;

    Run("update " + m_item + " set FName = N'changed', FMemo = null, FPhoto = 0x01");
    Run("insert into " + m_item + " (FItemID, FName) values (4, N'extra')");
    Run(script);
    const auto after = Rows(ItemRowsQuery());
    ASSERT_EQ(after.size(), before.size());
    for (size_t r = 0; r < before.size(); ++r)
        for (size_t c = 0; c < before[r].size(); ++c)
            EXPECT_EQ(after[r][c], before[r][c])
                << "row " << r << " column " << c << ": "
                << (ado::IsNull(before[r][c]) ? std::string("null") : ado::ToText(before[r][c]));
    // The awkward values did reach the server in the first place.
    EXPECT_EQ(before[0][8], ado::Value(std::string("O'Brien 备注 \U0001D11E")));
    EXPECT_EQ(before[1][2], ado::Value(std::string()));
    EXPECT_TRUE(ado::IsNull(before[2][3]));
}

}  // namespace
