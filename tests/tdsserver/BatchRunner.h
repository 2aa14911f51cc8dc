#pragma once

#include "Connection.h"
#include "DeclaredTypes.h"
#include "TdsChannel.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tds {

// One client's database and the batches it sends. Each database is the SQLite file
// <folder>/<name>.db, created when missing; the SQLite provider answers the SQL. What that
// provider does not know (SET options, USE, and "if <condition> <statement>") is handled here.
class BatchRunner {
public:
    BatchRunner(std::filesystem::path folder, TdsChannel& channel);

    // Opens the named database. Throws AutomationError (911) for a name that is no plain word,
    // so no name reaches outside the folder.
    void Use(const std::string& name);
    const std::string& Database() const { return m_database; }

    // Runs one batch and sends its whole reply.
    void Run(std::string_view sql);
    // Answers a transaction manager request (request: the message after its headers): begin,
    // or commit or roll back and, when asked, begin anew. The provider's transaction keeps or
    // undoes the batches run in between.
    void Transaction(const std::uint8_t* request, std::size_t size);

private:
    void Statement(std::string_view sql);
    void UseStatement(std::string_view rest);
    void SendResult(ado::Recordset& rs, const std::string& sql);
    void SendError(const std::string& message);
    void BeginTransaction(TdsWriter& out);

    std::filesystem::path m_folder;
    TdsChannel& m_channel;
    ado::Connection m_connection;
    std::unique_ptr<DeclaredTypes> m_declared;
    std::string m_database;
    bool m_inTransaction = false;
    std::uint64_t m_transaction = 0;  // the descriptor of the latest transaction
};

}  // namespace tds
