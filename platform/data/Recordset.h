#pragma once

#include "Field.h"
#include "Provider.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ado {

enum CursorTypeEnum : int { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum ObjectStateEnum : long { adStateClosed = 0, adStateOpen = 1 };

class Connection;

// The rows of a statement. Forward-only record sets stream from the provider one row at a
// time; static ones are read in full when opened and can move back to their first row.
// A record set stays readable after it is detached from its connection.
class Recordset {
public:
    Recordset(std::unique_ptr<provider::Cursor> cursor, CursorTypeEnum cursorType);
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    long State() const { return m_open ? adStateOpen : adStateClosed; }
    CursorTypeEnum CursorType() const { return m_cursorType; }
    bool Eof() const;
    void MoveNext();
    // Static record sets only; a forward-only one throws AutomationError.
    void MoveFirst();

    long FieldCount() const { return static_cast<long>(m_fields.size()); }
    // By position; throws AutomationError 3265 when out of range.
    const Field& Fields(long index) const;
    // By name without regard to case; throws AutomationError 3265 when missing.
    const Field& Fields(std::string_view name) const;
    // Position of a column by name without regard to case, or -1.
    long FieldIndex(std::string_view name) const;
    // The values of the current row in field order, for a reader of every row that has
    // checked Eof; null at the end of the set.
    const Value* CurrentRow() const { return m_current; }
    // For a reader that hands the rows after the current one to another thread: reads the next
    // row into out, packed for Unpacker(), instead of moving to it; false at the end, where the
    // record set is at its end. Until then the current row's values stay as they are, readable
    // on another thread. On a failure out is left as it was. Forward-only record sets only.
    bool ReadNextPacked(std::string& out);
    // Unpacks what ReadNextPacked packed, on any thread, also after the record set is gone.
    std::shared_ptr<const provider::RowUnpacker> Unpacker() const;

    // Sets the active connection to nothing; the rows stay readable.
    void Detach() { m_attached = false; }
    bool Attached() const { return m_attached; }
    void Close();

private:
    void Fetch();
    void CheckOpen() const;

    std::unique_ptr<provider::Cursor> m_cursor;
    CursorTypeEnum m_cursorType;
    bool m_open = false;
    bool m_attached = true;
    std::vector<FieldInfo> m_infos;
    std::vector<Field> m_fields;
    // Forward-only: one row buffer. Static: every row, m_position indexing them.
    std::vector<std::vector<Value>> m_rows;
    std::vector<Value> m_packScratch;  // a packed row's values, for a provider that packs values
    std::shared_ptr<const provider::RowUnpacker> m_unpacker;  // of the rows packed so far
    size_t m_position = 0;
    const Value* m_current = nullptr;  // first value of the current row; null at the end
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace ado
