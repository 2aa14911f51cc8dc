#pragma once

#include "AutomationError.h"
#include "Connection.h"

#include <QString>

#include <cstddef>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class SingleRowInsert;

// A statement of a script that did not run: the line it starts on and why.
class ScriptFailure : public std::exception {
public:
    // batchLost: the statement is one of a batch whose transaction the server ended, so its
    // line is that of the batch (see ScriptRunner).
    ScriptFailure(long line, QString message, bool batchLost = false)
        : m_line(line), m_message(std::move(message)), m_what(m_message.toStdString()), m_batchLost(batchLost)
    {
    }
    long Line() const { return m_line; }
    bool BatchLost() const { return m_batchLost; }
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    long m_line;
    QString m_message;
    std::string m_what;
    bool m_batchLost;
};

// Runs scripts as the converter writes them on an open database, statement by statement (see
// ScriptReader), by default all of them in one transaction that only Commit makes lasting.
//
// The scripts' own "begin tran" and "commit tran" lines nest as they do on SQL Server: inside
// the run's transaction they only count; without one (oneTransaction false) the outermost pair
// is a transaction of the database. A script must close every transaction it opens. A script's
// "rollback" would undo the run's transaction with everything before it, so inside one it fails
// the run instead.
//
// A "drop table" of a table the database does not have is passed over: the structure script
// drops every table before it creates it, and a new database has none.
//
// On a server (not the embedded provider) inside the run's transaction, inserts, updates and
// deletes that follow one another go to the server together, up to kBatchStatements statements
// or kBatchBytes of text a round trip, each batch after a savepoint. A batch that fails is rolled
// back to its savepoint and run again statement by statement, so that the failure names its
// line and no statement is applied twice. An error that ends the transaction itself takes the
// savepoint with it: the failure then names the batch's first line and says so (BatchLost), and
// the caller may run everything again with SendEachAlone.
//
// Single-row inserts that follow one another into the same columns of a table go as one insert
// of up to kMostRows rows, a round trip of its own (see SingleRowInsert for when their values
// allow it), unless the table has a trigger, which would see the rows together, or an identity
// column the inserts leave to the server, which may number joined rows in another order. A
// joined insert that fails is run again as the script writes it, row by row.
class ScriptRunner {
public:
    ScriptRunner(ado::Connection& connection, bool oneTransaction);
    // Rolls back whatever transaction is still open: a run that did not reach Commit failed.
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs every statement of a script in order; throws ScriptFailure at the first that fails.
    void Run(std::string_view script);
    // Makes the run's transaction lasting (nothing to do without one).
    void Commit();

    // Passes over the data script's "update" statements (the `special` recomputations): they
    // read tables of the target database that a copy of the exported tables may not have.
    void SkipUpdates() { m_skipUpdates = true; }
    // Sends every statement on its own, as on the embedded provider.
    void SendEachAlone() { m_joining = false; }
    // Called every few hundred statements with the bytes of the current script read so far.
    void SetProgress(std::function<void(std::size_t position)> progress) { m_progress = std::move(progress); }

    long Statements() const { return m_statements; }
    long MissingTablesNotDropped() const { return m_missingDrops; }
    // Round trips that carried more than one statement.
    long Batches() const { return m_batches; }

    static constexpr std::size_t kBatchStatements = 1000;
    static constexpr std::size_t kBatchBytes = 1 << 20;
    // SQL Server's most rows of one VALUES list.
    static constexpr std::size_t kMostRows = 100;

private:
    struct Pending {
        std::string_view text;
        long line;
    };

    void RunStatement(std::string_view text, long line);
    void ExecuteStatement(std::string_view text, long line);
    // Whether a statement may go to the server with others (see the class comment).
    bool Joinable(std::string_view text) const;
    // Sends the statements waiting to be joined: one alone as it stands, more as a batch.
    void SendPending();
    // Sends pending statements [from, to) in one round trip after a savepoint (one goes alone).
    void SendBatch(const std::vector<Pending>& pending, std::size_t from, std::size_t to);
    // Sends the single-row insert at from with the rows of the inserts after it as one insert.
    void SendJoined(const std::vector<Pending>& pending, std::size_t from, const std::vector<std::string_view>& rows);
    // The rows of the pending inserts after this one that join it, in order; none when it goes
    // as it is.
    std::vector<std::string_view> JoiningRows(const std::vector<Pending>& pending, std::size_t from);
    // The failure of statements [from, to) sent together, whose error ended the transaction.
    static ScriptFailure BatchLost(const std::vector<Pending>& pending, std::size_t from, std::size_t to,
                                  const automation::AutomationError& e);
    // Whether the table of an insert with this head takes rows joined (see the class comment).
    bool TakesJoinedRows(const SingleRowInsert& insert);
    // Whether the server has a transaction open (@@trancount above 0).
    bool ServerTransactionOpen();
    // The script's own transaction statements; false when text is none.
    bool RunTransactionStatement(std::string_view text, long line);
    // After a failed "drop table": true when the table is not there (nothing to drop).
    bool TableMissing(std::string_view text);
    void RollbackQuietly();

    ado::Connection& m_connection;
    bool m_oneTransaction;
    bool m_skipUpdates = false;
    bool m_runOpen = false;  // the run's own transaction
    int m_depth = 0;         // the scripts' begin tran not yet committed
    long m_outerBeginLine = 0;
    long m_statements = 0;
    long m_missingDrops = 0;
    long m_batches = 0;
    bool m_joining = false;  // statements may be joined on this connection
    std::optional<bool> m_serverTransaction;
    std::vector<Pending> m_pending;
    std::size_t m_pendingBytes = 0;
    std::string m_batch;
    std::unordered_map<std::string, bool> m_takesJoinedRows;  // by insert head
    std::function<void(std::size_t)> m_progress;
};
