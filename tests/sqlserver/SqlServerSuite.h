#pragma once

#include "Connection.h"
#include "ConverterFolder.h"
#include "SqlServerTestServer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A small account schema of this process on the server named by TABRIX_TEST_MSSQL, made before
// every test and taken away after it:
//   * the dictionary tables t_Subsystem, t_tabledescription and t_FieldDescription, created when
//     the database lacks them; otherwise only this process's rows are added and later deleted;
//   * one subsystem, and two described tables: an item table (key, further index, defaults, rows
//     with awkward values) and an entry table (identity column, no index, no rows).
// Names and identifiers carry the process id so that two runs on one server keep apart. The
// tests run in a folder of their own holding the converter's type map.
class SqlServerSuite : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Run(const std::string& sql) const { m_connection->Execute(sql); }
    // Every row of a query, each value as the data layer reads it.
    std::vector<std::vector<ado::Value>> Rows(const std::string& sql) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // A converter template with one server element holding serverAttributes, and one database
    // element (the test database) with a table element for each of tables.
    std::string Template(const std::string& serverAttributes, const std::vector<std::string>& tables) const;

    std::string m_text;  // the server's connection text
    ado::ConnectionPtr m_connection;
    bool m_babelfish = false;  // see tabrix::test::IsBabelfish
    std::string m_item;
    std::string m_entry;
    int m_subsystemId = 0;
    int m_itemId = 0;
    int m_entryId = 0;

private:
    bool Present(const std::string& table) const;
    void CreateDictionary();
    void CreateTables();
    void DropTables() const;

    std::vector<std::string> m_createdDictionary;
    std::unique_ptr<ConverterFolder> m_folder;
};
