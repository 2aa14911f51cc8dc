#include "SqliteSchema.h"

#include "CaseFolding.h"
#include "SqlTokenizer.h"
#include "SqliteErrors.h"
#include "TSqlCreateTable.h"
#include "TSqlExpressionType.h"

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

// SQL Server keeps a default's text in parentheses and spells CURRENT_TIMESTAMP getdate().
std::string DefaultText(const std::string& stored)
{
    if (EqualsNoCase(stored, "current_timestamp"))
        return "(getdate())";
    return "(" + stored + ")";
}

// The name SQL Server gives a constraint declared without one: "DF__table__colum__1A2B3C4D",
// without the column's part for a constraint of the whole table.
std::string GeneratedName(std::string_view prefix, const std::string& table, const std::string& column,
                          std::int64_t id)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%08llX", static_cast<unsigned long long>(id & 0xffffffff));
    return std::string(prefix) + "__" + table.substr(0, 9) + "__" + (column.empty() ? "" : column.substr(0, 5) + "__") +
           hex;
}

std::string_view NamePrefix(ConstraintClause::Kind kind)
{
    switch (kind) {
    case ConstraintClause::Kind::PrimaryKey:
        return "PK";
    case ConstraintClause::Kind::Unique:
        return "UQ";
    case ConstraintClause::Kind::ForeignKey:
        return "FK";
    case ConstraintClause::Kind::Check:
        break;
    }
    return "CK";
}

// A column's type as T-SQL writes it, sizes in characters.
TSqlDataType WrittenType(const SqlServerColumnType& sql)
{
    TSqlDataType type = TSqlDataType::Parse(sql.name);
    if (type.name == "decimal" || type.name == "numeric") {
        type.precision = sql.xprec;
        type.scale = sql.xscale;
    } else if (type.IsText() && sql.prec) {
        type.max = *sql.prec < 0;
        type.length = *sql.prec;
    }
    return type;
}

// A computed column's type, as SQL Server works it out from its expression and the table's columns.
void TypeComputedColumns(TableSchema& table, const TableClauses& clauses)
{
    for (ColumnSchema& column : table.columns) {
        const auto expression = clauses.computed.find(Lower(column.name));
        if (!column.computed || expression == clauses.computed.end())
            continue;
        column.computedText = expression->second;
        if (!column.declaredType.empty())
            continue;
        const TSqlDataType type = ExpressionType(expression->second, [&](std::string_view name) {
            const ColumnSchema* named = table.Column(name);
            return named && !named->computed ? std::optional(WrittenType(named->type.sql)) : std::nullopt;
        });
        if (type.Known())
            column.type = ParseDeclaredType(type.Text());
    }
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
    const auto found = std::find_if(indexes.begin(), indexes.end(), [](const IndexSchema& i) { return i.primaryKey; });
    return found == indexes.end() ? nullptr : &*found;
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
      // Oldest first, as SQL Server numbers them.
      m_indexList(PrepareStatement(db, "SELECT name, \"unique\", origin FROM pragma_index_list(?1) ORDER BY seq DESC")),
      m_indexKeys(PrepareStatement(db, "SELECT cid, \"desc\" FROM pragma_index_xinfo(?1) WHERE key ORDER BY seqno")),
      // A clustered index carries its mark in its text. sqlite_schema has no index on its names:
      // the marked ones are read in one pass, not looked up table by table.
      m_clusteredIndexes(
          PrepareStatement(db, "SELECT name FROM sqlite_schema WHERE type = 'index' AND instr(sql, ?1) > 0"))
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
    m_clustered.reset();
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
            clauses = ReadTableClauses(ColumnText(m_tableSql.get(), 0));
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
            column.computed = hidden == 2 || hidden == 3;
            column.identity = column.type.identity || (pk == 1 && clauses.autoincrement);
            column.nullable = sqlite3_column_int(s, 3) == 0 && pk == 0 && !column.identity &&
                              !(column.type.notNullByDefault && !clauses.DeclaredNull(Lower(column.name)));
            if (sqlite3_column_type(s, 4) != SQLITE_NULL) {
                column.defaultText = DefaultText(ColumnText(s, 4));
                const auto named = clauses.defaultNames.find(Lower(column.name));
                column.defaultName = named != clauses.defaultNames.end()
                                         ? named->second
                                         : GeneratedName("DF", table->name, column.name, table->id + column.colid);
            }
            if (pk > 0)
                primaryKey.emplace_back(pk, column.colid);
            table->columns.push_back(std::move(column));
        }
        if (rc != SQLITE_DONE)
            throw TranslateSqliteError(m_db, rc, {});
    }

    TypeComputedColumns(*table, clauses);

    const ConstraintClause* declaredKey = clauses.PrimaryKey();
    for (const ConstraintClause& clause : clauses.constraints) {
        if (clause.kind == ConstraintClause::Kind::PrimaryKey)
            continue;
        ConstraintSchema c;
        c.id = table->id + ObjectId::kFirstConstraint + static_cast<std::int64_t>(table->constraints.size());
        c.kind = clause.kind;
        const ColumnSchema* column = table->Column(clause.column);
        c.colid = column ? column->colid : 0;
        c.name = !clause.name.empty() ? clause.name
                                      : GeneratedName(NamePrefix(clause.kind), table->name,
                                                      clause.kind == ConstraintClause::Kind::Unique || !column
                                                          ? std::string()
                                                          : column->name,
                                                      c.id);
        for (const std::string& key : clause.keys)
            if (const ColumnSchema* keyColumn = table->Column(key); keyColumn && clause.kind == ConstraintClause::Kind::Unique)
                c.keys.push_back(keyColumn->colid);
        c.clustered = clause.clustered;
        c.text = clause.text;
        table->constraints.push_back(std::move(c));
    }

    if (!primaryKey.empty()) {
        std::sort(primaryKey.begin(), primaryKey.end());
        IndexSchema pk;
        // The primary key is the clustered index unless declared NONCLUSTERED or another is clustered.
        pk.clustered = !(declaredKey && declaredKey->clustered == false) &&
                       std::none_of(table->constraints.begin(), table->constraints.end(),
                                    [](const ConstraintSchema& c) { return c.clustered == true; });
        pk.indid = pk.clustered ? 1 : 2;
        pk.name = declaredKey && !declaredKey->name.empty() ? declaredKey->name : "PK_" + table->name;
        pk.unique = true;
        pk.primaryKey = true;
        for (const auto& [order, colid] : primaryKey)
            pk.keys.push_back(IndexKey{colid, false});
        table->indexes.push_back(std::move(pk));
    }

    return table;
}

const std::unordered_set<std::string>& SqliteSchema::ClusteredIndexes()
{
    if (m_clustered)
        return *m_clustered;
    std::unordered_set<std::string> names;
    const StatementReset reset(m_clusteredIndexes.get());
    sqlite3_bind_text(m_clusteredIndexes.get(), 1, kClusteredMark.data(), static_cast<int>(kClusteredMark.size()),
                      SQLITE_STATIC);
    int rc;
    while ((rc = sqlite3_step(m_clusteredIndexes.get())) == SQLITE_ROW)
        names.insert(ColumnText(m_clusteredIndexes.get(), 0));
    if (rc != SQLITE_DONE)
        throw TranslateSqliteError(m_db, rc, {});
    return *(m_clustered = std::move(names));
}

void SqliteSchema::LoadIndexes(TableSchema& table)
{
    struct Listed {
        std::string name;
        bool unique;
        std::string origin;
        bool clustered;
    };
    std::vector<Listed> listed;
    {
        const StatementReset reset(m_indexList.get());
        sqlite3_bind_text(m_indexList.get(), 1, table.name.data(), static_cast<int>(table.name.size()),
                          SQLITE_TRANSIENT);
        while (sqlite3_step(m_indexList.get()) == SQLITE_ROW) {
            std::string name = ColumnText(m_indexList.get(), 0);
            const bool clustered = ClusteredIndexes().contains(name);
            listed.push_back(Listed{std::move(name), sqlite3_column_int(m_indexList.get(), 1) != 0,
                                    ColumnText(m_indexList.get(), 2), clustered});
        }
    }
    std::vector<bool> constraintIndexed(table.constraints.size());
    for (const Listed& index : listed) {
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
            // The primary key's own index lends it its key directions.
            IndexSchema* pk = table.indexes.empty() ? nullptr : &table.indexes.front();
            if (pk && pk->keys.size() == keys.size())
                pk->keys = std::move(keys);
            continue;
        }
        IndexSchema further;
        further.name = index.name;
        further.unique = index.unique;
        further.clustered = index.clustered;
        if (index.origin == "u") {
            // SQLite's index for a UNIQUE constraint goes by the constraint's name, as SQL Server's does.
            size_t c = 0;
            for (; c < table.constraints.size(); ++c) {
                const ConstraintSchema& constraint = table.constraints[c];
                if (constraintIndexed[c] || constraint.kind != ConstraintClause::Kind::Unique ||
                    constraint.keys.size() != keys.size() ||
                    !std::equal(keys.begin(), keys.end(), constraint.keys.begin(),
                                [](const IndexKey& k, int colid) { return k.colid == colid; }))
                    continue;
                constraintIndexed[c] = true;
                further.name = constraint.name;
                further.uniqueConstraint = true;
                further.clustered = constraint.clustered == true;
                break;
            }
            if (c == table.constraints.size())
                continue;
        } else if (index.origin != "c") {
            continue;
        }
        further.keys = std::move(keys);
        table.indexes.push_back(std::move(further));
    }
    // The clustered index is 1; the others follow from 2 in the order they were made.
    int next = 2;
    for (IndexSchema& index : table.indexes)
        index.indid = index.clustered ? 1 : next++;
    std::stable_sort(table.indexes.begin(), table.indexes.end(),
                     [](const IndexSchema& a, const IndexSchema& b) { return a.indid < b.indid; });
}

}  // namespace ado::provider
