#include "SqliteSchema.h"

#include "CaseFolding.h"
#include "SqlTokenizer.h"
#include "SqliteErrors.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace ado::provider {

namespace {

std::string ColumnText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement, column))) : std::string();
}

// What only the CREATE TABLE text tells: constraint names and AUTOINCREMENT.
struct TableClauses {
    std::string primaryKeyName;
    std::unordered_map<std::string, std::string> defaultNames;  // lower-case column -> name
    bool autoincrement = false;
};

TableClauses ReadClauses(std::string_view sql)
{
    TableClauses clauses;
    std::vector<Token> sig = TokenizeSql(sql);
    std::erase_if(sig, [](const Token& t) { return !t.Significant(); });
    // Read for every table a statement names: words compare in place.
    auto is = [&](size_t k, std::string_view word) {
        return k < sig.size() && EqualsNoCase(TokenText(sql, sig[k]), word);
    };
    size_t i = 0;
    while (i < sig.size() && TokenText(sql, sig[i]) != "(")
        ++i;
    ++i;
    while (i < sig.size()) {
        // One column definition or table constraint, up to the next comma at its level.
        const size_t first = i;
        int depth = 0;
        size_t end = i;
        while (end < sig.size()) {
            const std::string_view text = TokenText(sql, sig[end]);
            if (text == "(")
                ++depth;
            else if (text == ")" && depth-- == 0)
                break;
            else if (text == "," && depth == 0)
                break;
            ++end;
        }
        const bool tableConstraint = is(first, "constraint") || is(first, "primary") || is(first, "unique") ||
                                     is(first, "check") || is(first, "foreign");
        const std::string column = tableConstraint ? std::string() : Lower(NameOf(sql, sig[first]));
        for (size_t k = first; k < end; ++k) {
            if (is(k, "autoincrement"))
                clauses.autoincrement = true;
            if (!is(k, "constraint") || k + 2 >= end)
                continue;
            if (is(k + 2, "primary"))
                clauses.primaryKeyName = NameOf(sql, sig[k + 1]);
            else if (is(k + 2, "default") && !column.empty())
                clauses.defaultNames[column] = NameOf(sql, sig[k + 1]);
        }
        if (end < sig.size() && TokenText(sql, sig[end]) == ")")
            break;
        i = end + 1;
    }
    return clauses;
}

// SQL Server keeps a default's text in parentheses and spells CURRENT_TIMESTAMP getdate().
std::string DefaultText(const std::string& stored)
{
    if (EqualsNoCase(stored, "current_timestamp"))
        return "(getdate())";
    return "(" + stored + ")";
}

std::string GeneratedDefaultName(const std::string& table, const std::string& column, std::int64_t id)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%08llX", static_cast<unsigned long long>(id & 0xffffffff));
    return "DF__" + table.substr(0, 9) + "__" + column.substr(0, 5) + "__" + hex;
}

}  // namespace

const ColumnSchema* TableSchema::Column(std::string_view columnName) const
{
    for (const ColumnSchema& c : columns)
        if (EqualsNoCase(c.name, columnName))
            return &c;
    return nullptr;
}

const IndexSchema* TableSchema::PrimaryKey() const
{
    return !indexes.empty() && indexes.front().primaryKey ? &indexes.front() : nullptr;
}

SqliteSchema::SqliteSchema(sqlite3* db)
    : m_db(db),
      m_version(PrepareStatement(db, "PRAGMA schema_version")),
      // GLOB, not LIKE: the session's LIKE is SQL Server's, made for user data, and slower.
      m_names(PrepareStatement(db, "SELECT rowid, type, name FROM sqlite_schema WHERE type IN ('table', 'view') "
                                   "AND name NOT GLOB 'sqlite_*' ORDER BY rowid")),
      m_columns(PrepareStatement(db, "SELECT cid, name, type, \"notnull\", dflt_value, pk, hidden "
                                     "FROM pragma_table_xinfo(?1) WHERE hidden <> 1")),
      m_tableSql(PrepareStatement(db, "SELECT sql FROM sqlite_schema WHERE rowid = ?1")),
      m_indexList(PrepareStatement(db, "SELECT name, \"unique\", origin FROM pragma_index_list(?1)")),
      m_indexKeys(PrepareStatement(db, "SELECT cid, \"desc\" FROM pragma_index_xinfo(?1) WHERE key ORDER BY seqno"))
{
}

void SqliteSchema::Refresh()
{
    const StatementReset reset(m_version.get());
    if (sqlite3_step(m_version.get()) != SQLITE_ROW)
        return;
    const std::int64_t version = sqlite3_column_int64(m_version.get(), 0);
    if (version != m_schemaVersion) {
        Invalidate();
        m_schemaVersion = version;
    }
}

void SqliteSchema::Invalidate()
{
    m_loaded = false;
    m_entries.clear();
    m_byName.clear();
    m_bySchemaRow.clear();
}

void SqliteSchema::LoadNames()
{
    if (!m_checked) {
        Refresh();
        m_checked = true;
    }
    if (m_loaded)
        return;
    const StatementReset reset(m_names.get());
    int rc;
    while ((rc = sqlite3_step(m_names.get())) == SQLITE_ROW) {
        Entry entry{sqlite3_column_int64(m_names.get(), 0), ColumnText(m_names.get(), 2),
                    ColumnText(m_names.get(), 1) == "view", nullptr};
        m_byName.emplace(FoldCase(entry.name), m_entries.size());
        m_bySchemaRow.emplace(entry.schemaRow, m_entries.size());
        m_entries.push_back(std::move(entry));
    }
    if (rc != SQLITE_DONE)
        throw TranslateSqliteError(m_db, rc, {});
    m_loaded = true;
}

std::shared_ptr<const TableSchema> SqliteSchema::Find(std::string_view name, Detail detail)
{
    LoadNames();
    const auto found = m_byName.find(FoldCase(name));
    return found == m_byName.end() ? nullptr : Load(m_entries[found->second], detail);
}

std::shared_ptr<const TableSchema> SqliteSchema::Find(std::int64_t id, Detail detail)
{
    LoadNames();
    const auto found = m_bySchemaRow.find(ObjectId::SchemaRow(id));
    return found == m_bySchemaRow.end() ? nullptr : Load(m_entries[found->second], detail);
}

std::vector<std::shared_ptr<const TableSchema>> SqliteSchema::All(Detail detail)
{
    LoadNames();
    std::vector<std::shared_ptr<const TableSchema>> all;
    all.reserve(m_entries.size());
    for (Entry& entry : m_entries)
        all.push_back(Load(entry, detail));
    return all;
}

std::shared_ptr<const TableSchema> SqliteSchema::Load(Entry& entry, Detail detail)
{
    if (!entry.table)
        entry.table = LoadColumns(entry);
    if (detail == Detail::Indexes && !entry.indexed) {
        // Whoever holds the table read with its columns keeps that one; it does not change.
        auto indexed = std::make_shared<TableSchema>(*entry.table);
        if (!indexed->view)
            LoadIndexes(*indexed);
        entry.table = std::move(indexed);
        entry.indexed = true;
    }
    return entry.table;
}

std::shared_ptr<const TableSchema> SqliteSchema::LoadColumns(const Entry& entry)
{
    auto table = std::make_shared<TableSchema>();
    table->id = ObjectId::Table(entry.schemaRow);
    table->name = entry.name;
    table->view = entry.view;

    TableClauses clauses;
    {
        const StatementReset reset(m_tableSql.get());
        sqlite3_bind_int64(m_tableSql.get(), 1, entry.schemaRow);
        if (sqlite3_step(m_tableSql.get()) == SQLITE_ROW && !entry.view)
            clauses = ReadClauses(ColumnText(m_tableSql.get(), 0));
    }

    std::vector<std::pair<int, int>> primaryKey;  // (order in the key, colid)
    {
        const StatementReset reset(m_columns.get());
        sqlite3_bind_text(m_columns.get(), 1, entry.name.data(), static_cast<int>(entry.name.size()),
                          SQLITE_TRANSIENT);
        int rc;
        while ((rc = sqlite3_step(m_columns.get())) == SQLITE_ROW) {
            sqlite3_stmt* s = m_columns.get();
            ColumnSchema column;
            column.colid = static_cast<int>(table->columns.size()) + 1;
            column.name = ColumnText(s, 1);
            column.declaredType = ColumnText(s, 2);
            column.type = ParseDeclaredType(column.declaredType);
            const int pk = sqlite3_column_int(s, 5);
            const int hidden = sqlite3_column_int(s, 6);
            column.nullable = sqlite3_column_int(s, 3) == 0 && pk == 0;
            column.computed = hidden == 2 || hidden == 3;
            column.identity = column.type.identity || (pk == 1 && clauses.autoincrement);
            if (sqlite3_column_type(s, 4) != SQLITE_NULL) {
                column.defaultText = DefaultText(ColumnText(s, 4));
                const auto named = clauses.defaultNames.find(Lower(column.name));
                column.defaultName = named != clauses.defaultNames.end()
                                         ? named->second
                                         : GeneratedDefaultName(table->name, column.name, table->id + column.colid);
            }
            if (pk > 0)
                primaryKey.emplace_back(pk, column.colid);
            table->columns.push_back(std::move(column));
        }
        if (rc != SQLITE_DONE)
            throw TranslateSqliteError(m_db, rc, {});
    }

    if (!primaryKey.empty()) {
        std::sort(primaryKey.begin(), primaryKey.end());
        IndexSchema pk;
        pk.indid = 1;
        pk.name = clauses.primaryKeyName.empty() ? "PK_" + table->name : clauses.primaryKeyName;
        pk.unique = true;
        pk.primaryKey = true;
        for (const auto& [order, colid] : primaryKey)
            pk.keys.push_back(IndexKey{colid, false});
        table->indexes.push_back(std::move(pk));
    }

    return table;
}

void SqliteSchema::LoadIndexes(TableSchema& table)
{
    struct Listed {
        std::string name;
        bool unique;
        std::string origin;
    };
    std::vector<Listed> listed;
    {
        const StatementReset reset(m_indexList.get());
        sqlite3_bind_text(m_indexList.get(), 1, table.name.data(), static_cast<int>(table.name.size()),
                          SQLITE_TRANSIENT);
        while (sqlite3_step(m_indexList.get()) == SQLITE_ROW)
            listed.push_back(Listed{ColumnText(m_indexList.get(), 0), sqlite3_column_int(m_indexList.get(), 1) != 0,
                                    ColumnText(m_indexList.get(), 2)});
    }
    // The list runs from the newest index to the oldest; SQL Server numbers them as created.
    std::reverse(listed.begin(), listed.end());
    for (const Listed& index : listed) {
        // Only indexes made by CREATE INDEX are the table's own; the automatic ones for UNIQUE
        // constraints are left out, and the primary key's one lends its key directions.
        if (index.origin != "c" && index.origin != "pk")
            continue;
        std::vector<IndexKey> keys;
        {
            const StatementReset reset(m_indexKeys.get());
            sqlite3_bind_text(m_indexKeys.get(), 1, index.name.data(), static_cast<int>(index.name.size()),
                              SQLITE_TRANSIENT);
            while (sqlite3_step(m_indexKeys.get()) == SQLITE_ROW) {
                const int cid = sqlite3_column_int(m_indexKeys.get(), 0);
                if (cid >= 0)
                    keys.push_back(IndexKey{cid + 1, sqlite3_column_int(m_indexKeys.get(), 1) != 0});
            }
        }
        if (index.origin == "pk") {
            if (!table.indexes.empty() && table.indexes.front().keys.size() == keys.size())
                table.indexes.front().keys = std::move(keys);
            continue;
        }
        IndexSchema further;
        further.indid = static_cast<int>(table.indexes.size()) + (table.PrimaryKey() ? 1 : 2);
        further.name = index.name;
        further.unique = index.unique;
        further.keys = std::move(keys);
        table.indexes.push_back(std::move(further));
    }
}

}  // namespace ado::provider
