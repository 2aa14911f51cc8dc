#pragma once

#include "Field.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What a data provider offers the ADO-like objects. Providers report failures as
// AutomationError whose description is the server's own text.
namespace ado::provider {

// The rows of one executed statement, read forward once.
class Cursor {
public:
    virtual ~Cursor() = default;
    // False when the statement produced no result set (its record set is reported closed).
    virtual bool HasResultSet() const = 0;
    virtual const std::vector<FieldInfo>& Fields() const = 0;
    // Fills row (one Value per field) with the next row; false at the end.
    virtual bool Fetch(std::vector<Value>& row) = 0;
};

// An open connection to one database. Cursors keep their session alive.
class Session : public std::enable_shared_from_this<Session> {
public:
    virtual ~Session() = default;
    virtual std::unique_ptr<Cursor> Execute(std::string_view sql) = 0;
    // A transaction around the statements that follow, ended by CommitTrans, which keeps what
    // they changed, or RollbackTrans, which undoes it. A provider that answers SQL Server's SQL
    // itself takes SQL Server's statements; one whose driver holds the transaction overrides them.
    virtual void BeginTrans() { Execute("BEGIN TRANSACTION"); }
    virtual void CommitTrans() { Execute("COMMIT TRANSACTION"); }
    virtual void RollbackTrans() { Execute("ROLLBACK TRANSACTION"); }
};

enum class OpenMode { ReadOnly, ReadWrite, Create };

struct OpenedSession {
    std::shared_ptr<Session> session;
    bool embedded = false;  // the SQLite provider, which answers SQL Server's SQL itself
};

// Opens the provider a connection text names: "Provider=SQLite" (or no provider and a Data
// Source) the embedded SQLite provider, SQL Server texts ("Provider=SQLOLEDB...", "Driver=...",
// "DSN=...") ODBC. Defined beside the providers, so that this layer includes neither. Throws
// AutomationError 3706 for a provider that is neither.
OpenedSession OpenProvider(const std::string& connectionText, OpenMode mode);
// True when a connection text names the embedded SQLite provider (as OpenProvider chooses).
bool NamesEmbedded(const std::string& connectionText);

}  // namespace ado::provider
