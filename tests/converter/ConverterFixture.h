#pragma once

#include "ConverterFolder.h"
#include "XmlElement.h"
#include "clsConverter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// Every test runs in a folder of its own that is the current directory (where the converter
// looks for its type map), with a SQLite database "account.db" in it.
class ConverterFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Path(const std::string& name) const;
    std::string DatabasePath() const { return Path("account.db"); }
    std::string ConnectionText() const { return "Provider=SQLite;Data Source=" + DatabasePath(); }
    // Runs SQLite's own SQL on the test database.
    void Sql(const std::string& sql) const;
    // The whole file; the empty text when it does not exist.
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

    // A template with one server (name "srv", the test database as constr, files s.sql, d.sql
    // and log.txt unless given) and one database "db" holding tableElements (XML text).
    xml::XmlDocument Template(const std::string& tableElements, const std::string& serverAttributes =
                                                                    R"(structfile="s.sql" datafile="d.sql" logfile="log.txt")") const;
    // The first table element of a template made by Template().
    static xml::XmlElement FirstTable(const xml::XmlDocument& document);
    static xml::XmlElement FirstDatabase(const xml::XmlDocument& document);

    // A converter created in the test folder, set to play.
    std::unique_ptr<clsConverter> PlayingConverter() const;
    ado::ConnectionPtr OpenConnection() const;

    std::unique_ptr<ConverterFolder> m_folder;
};
