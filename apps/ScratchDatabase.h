#pragma once

#include "Connection.h"

#include <string>

// A database of its own on a SQL Server, for one run: created with a name no other run takes,
// dropped again when this goes (also when the run failed). Connections to it must be closed
// before then, as a server does not drop a database in use.
class ScratchDatabase {
public:
    // serverText reaches the server (any database of it); throws AutomationError with the
    // server's message when the database cannot be made.
    explicit ScratchDatabase(const std::string& serverText);
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::string& Name() const { return m_name; }
    // serverText with the new database as its initial catalog.
    const std::string& ConnectionText() const { return m_text; }

private:
    ado::Connection m_server;
    std::string m_name;
    std::string m_text;
};
