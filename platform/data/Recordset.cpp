#include "Recordset.h"

#include "AutomationError.h"

#include <QString>

#include <algorithm>
#include <cctype>

namespace ado {

namespace {

constexpr long kItemNotFound = 3265;
constexpr long kNoCurrentRecord = 3021;
constexpr long kOperationNotAllowed = 3219;

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

[[noreturn]] void ThrowItemNotFound()
{
    throw automation::AutomationError(
        kItemNotFound,
        QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."),
        QStringLiteral("ADODB.Recordset"));
}

[[noreturn]] void ThrowClosed()
{
    throw automation::AutomationError(kOperationNotAllowed,
                                      QStringLiteral("Operation is not allowed when the object is closed."),
                                      QStringLiteral("ADODB.Recordset"));
}

}  // namespace

const Value& Field::GetValue() const
{
    if (!*m_row)
        throw automation::AutomationError(
            kNoCurrentRecord,
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                           "Requested operation requires a current record."),
            QStringLiteral("ADODB.Field"));
    return (*m_row)[m_index];
}

Recordset::Recordset(std::unique_ptr<provider::Cursor> cursor, CursorTypeEnum cursorType)
    : m_cursor(std::move(cursor)), m_cursorType(cursorType)
{
    m_open = m_cursor && m_cursor->HasResultSet();
    if (!m_open) {
        m_cursor.reset();
        return;
    }
    m_infos = m_cursor->Fields();
    m_fields.reserve(m_infos.size());
    for (size_t i = 0; i < m_infos.size(); ++i)
        m_fields.emplace_back(&m_infos[i], &m_current, static_cast<long>(i));

    if (m_cursorType == adOpenForwardOnly) {
        m_rows.resize(1);
        Fetch();
        return;
    }
    std::vector<Value> row;
    while (m_cursor->Fetch(row))
        m_rows.push_back(std::move(row));
    m_cursor.reset();
    m_position = 0;
    m_current = m_rows.empty() ? nullptr : m_rows.front().data();
}

void Recordset::Fetch()
{
    if (m_cursor && m_cursor->Fetch(m_rows.front())) {
        m_current = m_rows.front().data();
        return;
    }
    m_cursor.reset();  // the end: let the provider release its statement at once
    m_current = nullptr;
}

void Recordset::CheckOpen() const
{
    if (!m_open)
        ThrowClosed();
}

bool Recordset::Eof() const
{
    CheckOpen();
    return m_current == nullptr;
}

void Recordset::MoveNext()
{
    CheckOpen();
    if (!m_current)
        throw automation::AutomationError(
            kNoCurrentRecord,
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                           "Requested operation requires a current record."),
            QStringLiteral("ADODB.Recordset"));
    if (m_cursorType == adOpenForwardOnly) {
        Fetch();
        return;
    }
    ++m_position;
    m_current = m_position < m_rows.size() ? m_rows[m_position].data() : nullptr;
}

bool Recordset::ReadNextPacked(std::string& out)
{
    CheckOpen();
    if (m_cursorType != adOpenForwardOnly)
        throw automation::AutomationError(kOperationNotAllowed,
                                          QStringLiteral("Only a forward-only record set packs its rows."),
                                          QStringLiteral("ADODB.Recordset"));
    if (!m_cursor)
        return false;
    if (!m_unpacker)
        m_unpacker = m_cursor->Unpacker();  // kept for the rows packed before the end
    const size_t size = out.size();
    try {
        if (m_cursor->FetchPacked(out, m_packScratch))
            return true;
    } catch (...) {
        out.resize(size);
        throw;
    }
    m_cursor.reset();  // the end: let the provider release its statement at once
    m_current = nullptr;
    return false;
}

std::shared_ptr<const provider::RowUnpacker> Recordset::Unpacker() const
{
    CheckOpen();
    if (m_unpacker)
        return m_unpacker;
    return m_cursor ? m_cursor->Unpacker() : std::make_shared<provider::RowUnpacker>(m_fields.size());
}

void Recordset::MoveFirst()
{
    CheckOpen();
    if (m_cursorType == adOpenForwardOnly)
        throw automation::AutomationError(kOperationNotAllowed,
                                          QStringLiteral("Rowset does not support fetching backward."),
                                          QStringLiteral("ADODB.Recordset"));
    m_position = 0;
    m_current = m_rows.empty() ? nullptr : m_rows.front().data();
}

const Field& Recordset::Fields(long index) const
{
    CheckOpen();
    if (index < 0 || index >= FieldCount())
        ThrowItemNotFound();
    return m_fields[static_cast<size_t>(index)];
}

const Field& Recordset::Fields(std::string_view name) const
{
    CheckOpen();
    const long index = FieldIndex(name);
    if (index < 0)
        ThrowItemNotFound();
    return m_fields[static_cast<size_t>(index)];
}

long Recordset::FieldIndex(std::string_view name) const
{
    for (size_t i = 0; i < m_infos.size(); ++i)
        if (EqualsNoCase(m_infos[i].name, name))
            return static_cast<long>(i);
    return -1;
}

void Recordset::Close()
{
    m_cursor.reset();
    m_rows.clear();
    m_current = nullptr;
    m_open = false;
}

}  // namespace ado
