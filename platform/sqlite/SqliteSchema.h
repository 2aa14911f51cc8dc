#pragma once

#include "SqliteHandles.h"
#include "SqliteTableClauses.h"
#include "SqliteTypes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace ado::provider {

struct ColumnSchema {
    int colid = 0;                 // 1-based position
    std::string name;
    std::string declaredType;
    DeclaredType type;
    bool nullable = true;          // never for key and identity columns; timestamp and sysname only when declared NULL
    bool identity = false;
    bool computed = false;
    std::optional<std::string> computedText;  // as SQL Server keeps it: the expression in parentheses
    std::optional<std::string> defaultText;  // as SQL Server keeps it: "(0)", "('')", "(getdate())"
    std::string defaultName;       // the default constraint's name
};

struct IndexKey {
    int colid = 0;
    bool descending = false;
};

struct IndexSchema {
    int indid = 0;                 // 1 the primary key, 2.. further indexes
    std::string name;
    bool unique = false;
    bool primaryKey = false;
    bool uniqueConstraint = false;  // made for a UNIQUE constraint, and named after it
    bool clustered = false;         // indid 1
    std::vector<IndexKey> keys;
};

// A UNIQUE, FOREIGN KEY or CHECK constraint: an object of its own in SQL Server's catalogue.
struct ConstraintSchema {
    std::int64_t id = 0;
    std::string name;
    ConstraintClause::Kind kind = ConstraintClause::Kind::Check;
    int colid = 0;                 // the column it is declared on, or its first column; 0 when none
    std::vector<int> keys;         // a unique constraint's columns
    std::optional<bool> clustered; // as declared
    std::string text;              // a check's condition, in its parentheses
};

struct TableSchema {
    std::int64_t id = 0;
    std::string name;
    bool view = false;
    std::vector<ColumnSchema> columns;
    // The primary key first when there is one. Read with its columns, the list holds only the
    // primary key, its keys ascending; asked for with indexes, every index and the key directions.
    std::vector<IndexSchema> indexes;
    std::vector<ConstraintSchema> constraints;

    const ColumnSchema* Column(std::string_view columnName) const;
    const IndexSchema* PrimaryKey() const;
};

// Object ids: a table's id carries its place in sqlite_schema; the objects that belong to
// it (default constraints by column, further constraints in the order written from
// kFirstConstraint, the primary-key constraint) take the ids that follow.
struct ObjectId {
    static constexpr int kShift = 12;
    static constexpr std::int64_t kPrimaryKey = (1 << kShift) - 1;
    static constexpr std::int64_t kFirstConstraint = 1 << (kShift - 1);  // above SQL Server's 1,024 columns
    static std::int64_t Table(std::int64_t schemaRow) { return schemaRow << kShift; }
    static std::int64_t SchemaRow(std::int64_t id) { return id >> kShift; }
    static std::int64_t Part(std::int64_t id) { return id & kPrimaryKey; }
};

// The tables and views of one database as SQL Server's catalogue presents them. Object
// names are held once per schema version; a table's columns and indexes are read when first
// asked for, so a question about one table reads that table only. SQLite reads an index's
// keys through a look-up in a schema-wide table of names, which on a database of thousands of
// tables costs more than the columns: questions about columns alone leave indexes unread.
class SqliteSchema {
public:
    enum class Detail { Columns, Indexes };

    explicit SqliteSchema(sqlite3* db);

    // Asks for the schema version to be checked again before the next use: a new statement
    // may see another connection's schema changes. The check waits for the first question,
    // so statements that never ask cost no extra read of the file.
    void CheckBeforeNextUse() { m_checked = false; }
    // Drops what is held when the database's schema changed since it was read.
    void Refresh();
    void Invalidate();

    // By name without regard to case, or by object id (of the table or of its parts).
    std::shared_ptr<const TableSchema> Find(std::string_view name, Detail detail = Detail::Columns);
    std::shared_ptr<const TableSchema> Find(std::int64_t id, Detail detail = Detail::Columns);
    // Every table and view, in the order they were created.
    std::vector<std::shared_ptr<const TableSchema>> All(Detail detail = Detail::Columns);

private:
    struct Entry {
        std::int64_t schemaRow;
        std::string name;
        bool view;
        std::shared_ptr<const TableSchema> table;  // read on first use
        bool indexed = false;                      // table holds every index
    };

    void LoadNames();  // checks the version first when asked to
    std::shared_ptr<const TableSchema> Load(Entry& entry, Detail detail);
    std::shared_ptr<const TableSchema> LoadColumns(const Entry& entry);
    void LoadIndexes(TableSchema& table);
    // The names of the indexes whose text carries the clustered mark, read once per schema.
    const std::unordered_set<std::string>& ClusteredIndexes();

    sqlite3* m_db;
    StatementPtr m_version;
    StatementPtr m_names;
    StatementPtr m_columns;
    StatementPtr m_tableSql;
    StatementPtr m_indexList;
    StatementPtr m_indexKeys;
    StatementPtr m_clusteredIndexes;
    std::optional<std::unordered_set<std::string>> m_clustered;
    std::int64_t m_schemaVersion = -1;
    bool m_loaded = false;
    bool m_checked = false;
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, size_t> m_byName;        // case-folded name -> entry
    std::unordered_map<std::int64_t, size_t> m_bySchemaRow;  // sqlite_schema rowid -> entry
};

}  // namespace ado::provider
