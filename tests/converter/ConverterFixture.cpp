#include "ConverterFixture.h"

#include "SqliteTSqlFunctions.h"

#include <QFile>

#include <sqlite3.h>

#include <fstream>
#include <sstream>

void ConverterFixture::SetUp()
{
    ASSERT_NO_THROW(m_folder = std::make_unique<ConverterFolder>(QStringLiteral(TABRIX_TEST_TYPE_MAP)));
    Sql("select 1");
}

void ConverterFixture::TearDown() { m_folder.reset(); }

std::string ConverterFixture::Path(const std::string& name) const
{
    return m_folder->FilePath(QString::fromStdString(name)).toStdString();
}

void ConverterFixture::Sql(const std::string& sql) const
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(DatabasePath().c_str(), &db), SQLITE_OK);
    ado::provider::RegisterTSqlFunctions(db);  // the collation the demo tables' text columns are declared in
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message << "\n" << sql;
}

std::string ConverterFixture::Read(const std::string& name) const
{
    std::ifstream in(Path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ConverterFixture::Exists(const std::string& name) const { return QFile::exists(QString::fromStdString(Path(name))); }

xml::XmlDocument ConverterFixture::Template(const std::string& tableElements, const std::string& serverAttributes) const
{
    const std::string text = R"(<?xml version="1.0" encoding="UTF-8"?><template><server name="srv" constr=")" +
                             ConnectionText() + "\" " + serverAttributes + R"(><database name="db">)" + tableElements +
                             "</database></server></template>";
    xml::XmlDocument document = xml::XmlDocument::LoadText(text);
    EXPECT_TRUE(document.Ok()) << document.Error().Reason().toStdString();
    return document;
}

xml::XmlElement ConverterFixture::FirstDatabase(const xml::XmlDocument& document)
{
    return document.DocumentElement().Children().at(0).Children().at(0);
}

xml::XmlElement ConverterFixture::FirstTable(const xml::XmlDocument& document)
{
    return FirstDatabase(document).Children().at(0);
}

std::unique_ptr<clsConverter> ConverterFixture::PlayingConverter() const
{
    auto converter = std::make_unique<clsConverter>();
    converter->SetStopFlag(clsConverter::ePlay);
    return converter;
}

ado::ConnectionPtr ConverterFixture::OpenConnection() const
{
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(ConnectionText());
    return connection;
}
