#include "SqliteDuplicateKey.h"

#include "MessageExcerpt.h"
#include "SqlTokenizer.h"
#include "TSqlError.h"

#include <sqlite3.h>

#include <algorithm>
#include <vector>

namespace ado::provider {

namespace {

constexpr std::string_view kFailed = "UNIQUE constraint failed: ";

// The index of the table whose keys are these columns, in this order.
const IndexSchema* IndexOn(const TableSchema& table, const std::vector<std::string>& columns)
{
    for (const IndexSchema& index : table.indexes) {
        if (!index.unique || index.keys.size() != columns.size())
            continue;
        const bool same = std::equal(index.keys.begin(), index.keys.end(), columns.begin(), [&](const IndexKey& key, const std::string& name) {
            return key.colid >= 1 && static_cast<size_t>(key.colid) <= table.columns.size() &&
                   EqualsNoCase(table.columns[static_cast<size_t>(key.colid) - 1].name, name);
        });
        if (same)
            return &index;
    }
    return nullptr;
}

std::string Printed(const SqliteInsertCache::Literal& literal)
{
    using Kind = SqliteInsertCache::Literal::Kind;
    switch (literal.kind) {
    case Kind::Null:
        return "<NULL>";
    case Kind::Integer:
        return std::to_string(literal.integer);
    case Kind::Real:
        return (literal.negative ? "-" : "") + std::string(literal.text);
    case Kind::Text:
        return literal.owned.empty() ? std::string(literal.text) : literal.owned;
    case Kind::Bytes: {
        static constexpr char kHex[] = "0123456789ABCDEF";
        std::string hex = "0x";
        for (const char c : literal.owned) {
            hex += kHex[static_cast<unsigned char>(c) >> 4];
            hex += kHex[static_cast<unsigned char>(c) & 15];
        }
        return hex;
    }
    }
    return {};
}

// The columns an insert of literals names, or else the table's columns that take values.
std::vector<std::string> InsertedColumns(std::string_view shape, SqliteSchema& schema)
{
    // "INSERT [INTO] owner.table [(a, b)] VALUES ("
    const std::string_view head = shape.substr(0, shape.find('\0'));
    std::vector<Token> tokens = TokenizeSql(head);
    std::erase_if(tokens, [](const Token& t) { return !t.Significant(); });
    std::string table;
    std::vector<std::string> columns;
    bool listed = false;
    for (const Token& token : tokens) {
        const std::string_view text = TokenText(head, token);
        if (token.kind == TokenKind::Word && EqualsNoCase(text, "values"))
            break;
        if (text == "(")
            listed = true;
        else if (token.kind == TokenKind::Word && (EqualsNoCase(text, "insert") || EqualsNoCase(text, "into")))
            continue;
        else if (token.kind == TokenKind::Word || token.kind == TokenKind::QuotedName)
            (listed ? columns.emplace_back() : table) = NameOf(head, token);
    }
    if (!listed)
        if (const std::shared_ptr<const TableSchema> found = schema.Find(table))
            for (const ColumnSchema& column : found->columns)
                if (!column.identity && !column.computed)
                    columns.push_back(column.name);
    return columns;
}

}  // namespace

std::optional<automation::AutomationError> DuplicateKeyError(int code, std::string_view message, SqliteSchema& schema,
                                                              const KeyValueOf& valueOf)
{
    if ((code != SQLITE_CONSTRAINT_PRIMARYKEY && code != SQLITE_CONSTRAINT_UNIQUE) || !message.starts_with(kFailed))
        return std::nullopt;
    // "UNIQUE constraint failed: t.a, t.b"
    std::string table;
    std::vector<std::string> columns;
    for (std::string_view rest = message.substr(kFailed.size()); !rest.empty();) {
        const size_t comma = rest.find(", ");
        const std::string_view part = rest.substr(0, comma);
        const size_t dot = part.find('.');
        if (dot == std::string_view::npos)
            return std::nullopt;
        table = part.substr(0, dot);
        columns.emplace_back(part.substr(dot + 1));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
    }
    const std::shared_ptr<const TableSchema> schemaTable = schema.Find(table, SqliteSchema::Detail::Indexes);
    const IndexSchema* index = schemaTable ? IndexOn(*schemaTable, columns) : nullptr;

    std::string key;
    for (const std::string& column : columns) {
        const std::optional<std::string> value = valueOf ? valueOf(column) : std::nullopt;
        if (!value) {
            key.clear();
            break;
        }
        key += (&column == &columns.front() ? "" : ", ") + *value;
    }
    const std::string object = "'dbo." + Excerpt(schemaTable ? schemaTable->name : table) + "'";
    const std::string value = key.empty() ? "" : " The duplicate key value is (" + Excerpt(key) + ").";
    if (index && !index->primaryKey)
        return ProviderError(kErrorIntegrity, "Cannot insert duplicate key row in object " + object + " with unique index '" +
                                                  Excerpt(index->name) + "'." + value);
    // A UNIQUE constraint has no index of its own in the catalogue: it goes by its table's name.
    const std::string constraint = index ? "PRIMARY KEY constraint '" + Excerpt(index->name) + "'"
                                         : "UNIQUE KEY constraint 'UQ_" + Excerpt(table) + "'";
    return ProviderError(kErrorIntegrity, "Violation of " + constraint + ". Cannot insert duplicate key in object " +
                                              object + "." + value);
}

KeyValueOf InsertedValues(const SqliteInsertCache::Insert& insert, SqliteSchema& schema)
{
    // Read when asked for: only a failed insert needs it.
    return [&insert, &schema](std::string_view column) -> std::optional<std::string> {
        const std::vector<std::string> columns = InsertedColumns(insert.shape, schema);
        for (size_t i = 0; i < columns.size() && i < insert.values.size(); ++i)
            if (EqualsNoCase(columns[i], column))
                return Printed(insert.values[i]);
        return std::nullopt;
    };
}

}  // namespace ado::provider
