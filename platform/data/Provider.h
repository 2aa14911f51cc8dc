#pragma once

#include "Field.h"
#include "ValuePacking.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What a data provider offers the ADO-like objects. Providers report failures as
// AutomationError whose description is the server's own text.
namespace ado::provider {

// Gives rows that a cursor packed (Cursor::FetchPacked) their fields' values. Keeps nothing of
// the cursor: it may run on another thread while the cursor reads on, and after it is gone.
class RowUnpacker {
public:
    explicit RowUnpacker(size_t fields) : m_fields(fields) {}
    virtual ~RowUnpacker() = default;
    // Reads the row packed at p into row (one value per field) and moves p past it.
    virtual void Unpack(const char*& p, Value* row) const
    {
        for (size_t i = 0; i < m_fields; ++i)
            UnpackValue(p, row[i]);
    }

protected:
    size_t m_fields;
};

// The rows of one executed statement, read forward once.
class Cursor {
public:
    virtual ~Cursor() = default;
    // False when the statement produced no result set (its record set is reported closed).
    virtual bool HasResultSet() const = 0;
    virtual const std::vector<FieldInfo>& Fields() const = 0;
    // Fills row (one Value per field) with the next row; false at the end.
    virtual bool Fetch(std::vector<Value>& row) = 0;
    // Appends the next row to out, packed for Unpacker(); false at the end. The default packs
    // the values Fetch gives, read into scratch; a provider may pack what it reads as it is and
    // leave making values of it to the unpacker, on the thread that takes the rows.
    virtual bool FetchPacked(std::string& out, std::vector<Value>& scratch)
    {
        if (!Fetch(scratch))
            return false;
        for (const Value& value : scratch)
            PackValue(out, value);
        return true;
    }
    virtual std::shared_ptr<const RowUnpacker> Unpacker() const { return std::make_shared<RowUnpacker>(Fields().size()); }
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
