#include "ScratchDatabase.h"

#include "ConnectionText.h"

#include <QUuid>

#include <cctype>
#include <string_view>

namespace {

bool IsDatabaseKey(std::string_view key)
{
    std::string lower(key);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "initial catalog" || lower == "database";
}

}  // namespace

ScratchDatabase::ScratchDatabase(const std::string& serverText)
{
    m_server.Open(serverText, ado::adModeReadWrite);
    // Letters and digits only: the name needs no quoting in any statement.
    m_name = "tabrix_scratch_" + QUuid::createUuid().toString(QUuid::Id128).toStdString();
    m_server.Execute("create database " + m_name);
    const ado::ConnectionText text(serverText);
    bool odbcText = false;
    for (const auto& [key, value] : text.Pairs()) {
        if (IsDatabaseKey(key))
            continue;
        std::string lower(key);
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        odbcText = odbcText || lower == "driver" || lower == "dsn";
        m_text += key + "=" + value + ";";
    }
    m_text += (odbcText ? "Database=" : "Initial Catalog=") + m_name;
}

ScratchDatabase::~ScratchDatabase()
{
    try {
        m_server.Execute("drop database " + m_name);
    } catch (...) {
        // A destructor cannot fail; the name says what the database was for.
    }
}
