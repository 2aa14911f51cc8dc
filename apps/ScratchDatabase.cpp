#include "ScratchDatabase.h"

#include "AutomationError.h"
#include "ConnectionText.h"

#include <QUuid>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <thread>
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
    // A server may still be ending the session of a connection just closed, and refuses to drop
    // a database in use meanwhile: a few tries, a moment apart.
    std::string error;
    for (int attempt = 0; attempt < 20; ++attempt) {
        try {
            m_server.Execute("drop database " + m_name);
            return;
        } catch (const automation::AutomationError& e) {
            error = e.Description().toStdString();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    std::fprintf(stderr, "tabrix: the scratch database %s could not be dropped: %s\n", m_name.c_str(), error.c_str());
}
