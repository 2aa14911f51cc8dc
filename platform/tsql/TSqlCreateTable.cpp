#include "TSqlCreateTable.h"

#include "TSqlError.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The words that may follow a column's data type: they end it.
bool EndsType(std::string_view lower)
{
    return OneOf(lower, {"identity", "not", "null", "constraint", "primary", "unique", "check", "default",
                         "references", "foreign", "collate", "rowguidcol", "sparse", "filestream", "generated", "as",
                         "with", "persisted"});
}

// Where a computed column's expression ends: at its options and constraints.
bool EndsExpression(const TSqlTokens& tokens, size_t i)
{
    return OneOf(tokens.Lower(i), {"persisted", "constraint", "primary", "unique", "check", "references", "foreign",
                                   "null"}) ||
           (tokens.Is(i, "not") && tokens.Is(i + 1, "null"));
}

struct Span {
    size_t first;
    size_t last;
};

// The column definitions and table constraints between "(" and its ")".
std::vector<Span> Elements(const TSqlTokens& tokens, size_t open)
{
    std::vector<Span> elements;
    const size_t close = tokens.Match(open);
    size_t first = open + 1;
    for (size_t i = first; i <= close; ++i) {
        if (i < close && !(tokens.Is(i, ",") && tokens.Depth(i) == tokens.Depth(open) + 1))
            continue;
        if (i > first)
            elements.push_back(Span{first, i - 1});
        first = i + 1;
    }
    return elements;
}

[[noreturn]] void ThrowNamedTwice(const std::string& column, const std::string& table)
{
    throw ProviderError(kErrorCommand, "Column names in each table must be unique. Column name '" + column +
                                           "' in table '" + table + "' is specified more than once.");
}

// "int NOT NULL IDENTITY(1,1)": IDENTITY and its seed and increment go right behind the type,
// where they become part of the type SQLite keeps for the column.
void MoveIdentity(TSqlTokens& tokens, size_t type, size_t last)
{
    size_t typeEnd = type;
    while (typeEnd < last && tokens.Kind(typeEnd + 1) == TokenKind::Word && !EndsType(tokens.Lower(typeEnd + 1)))
        ++typeEnd;
    if (tokens.Is(typeEnd + 1, "(") && tokens.Match(typeEnd + 1) <= last)
        typeEnd = tokens.Match(typeEnd + 1);
    for (size_t k = typeEnd + 2; k <= last; ++k) {
        if (!tokens.Is(k, "identity") || tokens.Depth(k) != tokens.Depth(type))
            continue;
        const size_t end = tokens.Is(k + 1, "(") && tokens.Match(k + 1) <= last ? tokens.Match(k + 1) : k;
        const std::string identity = tokens.Emit(k, end);
        tokens.Drop(k, end);
        tokens.InsertAfter(typeEnd, " " + identity);
        return;
    }
}

// "c AS a + 1 PERSISTED": SQLite takes the expression only in parentheses, and says STORED.
void RewriteComputed(TSqlTokens& tokens, size_t first, size_t last)
{
    if (first > last)
        return;
    size_t end = first;
    while (end < last && !(tokens.Depth(end + 1) == tokens.Depth(first) && EndsExpression(tokens, end + 1)))
        ++end;
    const bool enclosed = tokens.Is(first, "(") && tokens.Match(first) == end;
    const std::string text = tokens.Emit(first, end);
    // An expression over several lines keeps no copy: a line comment cannot hold it.
    if (text.find_first_of("\r\n") == std::string::npos)
        tokens.InsertBefore(first, std::string(kExpressionMark) + (enclosed ? text : "(" + text + ")") + "\n");
    if (!enclosed) {
        tokens.InsertBefore(first, "(");
        tokens.InsertAfter(end, ")");
    }
    if (tokens.Is(end + 1, "persisted"))
        tokens.Replace(end + 1, "stored");
}

// What SQLite does not take in a column definition or table constraint.
void RewriteOptions(TSqlTokens& tokens, size_t first, size_t last)
{
    const int depth = tokens.Depth(first);
    for (size_t k = first; k <= last; ++k) {
        if (tokens.Depth(k) != depth)
            continue;
        if (tokens.Is(k, "clustered"))
            tokens.Replace(k, std::string(kClusteredMark));
        else if (tokens.Is(k, "nonclustered"))
            tokens.Replace(k, std::string(kNonclusteredMark));
        else if (tokens.Is(k, "not") && tokens.Is(k + 1, "for") && tokens.Is(k + 2, "replication"))
            tokens.Drop(k, k + 2);
        else if (tokens.Is(k, "default") && k + 2 <= last && tokens.Kind(k + 1) == TokenKind::Word &&
                 tokens.Is(k + 2, "(") && tokens.Match(k + 2) <= last) {
            // "DEFAULT getdate()": SQLite takes an expression other than a literal only in parentheses.
            tokens.InsertBefore(k + 1, "(");
            tokens.InsertAfter(tokens.Match(k + 2), ")");
        }
    }
}

void RewriteTable(TSqlTokens& tokens, const TSqlStatement& s)
{
    size_t open = s.first + 2;
    while (open <= s.last && !tokens.Is(open, "("))
        ++open;
    if (open > s.last || open == s.first + 2 || tokens.Match(open) == TSqlTokens::npos)
        return;
    const std::string table = NameOf(tokens.Source(), tokens.At(open - 1));
    std::vector<std::string> columns;
    for (const auto& [first, last] : Elements(tokens, open)) {
        const bool constraint =
            OneOf(tokens.Lower(first), {"constraint", "primary", "unique", "check", "foreign", "index"});
        if (!constraint) {
            const std::string name = NameOf(tokens.Source(), tokens.At(first));
            if (std::any_of(columns.begin(), columns.end(), [&](const std::string& c) { return EqualsNoCase(c, name); }))
                ThrowNamedTwice(name, table);
            columns.push_back(name);
            if (tokens.Is(first + 1, "as"))
                RewriteComputed(tokens, first + 2, last);
            else if (first < last)
                MoveIdentity(tokens, first + 1, last);
        }
        RewriteOptions(tokens, first, last);
    }
}

// CREATE [UNIQUE] [CLUSTERED | NONCLUSTERED] INDEX name ON table (keys) [INCLUDE (columns)]:
// a clustered index keeps its mark behind its name; the included columns, which only make a
// SQL Server index cover more queries, go.
void RewriteIndex(TSqlTokens& tokens, const TSqlStatement& s)
{
    size_t k = s.first + 1;
    if (tokens.Is(k, "unique"))
        ++k;
    const bool clustered = tokens.Is(k, "clustered");
    if (clustered || tokens.Is(k, "nonclustered")) {
        tokens.Drop(k, k);
        ++k;
    }
    if (!tokens.Is(k, "index") || k + 1 > s.last)
        return;
    if (clustered)
        tokens.InsertAfter(k + 1, " " + std::string(kClusteredMark));
    for (size_t i = k + 2; i < s.last; ++i)
        if (tokens.Is(i, "include") && tokens.Is(i + 1, "(") && tokens.Depth(i) == tokens.Depth(s.first) &&
            tokens.Match(i + 1) <= s.last)
            tokens.Drop(i, tokens.Match(i + 1));
}

// ALTER TABLE t ADD c ...: a column the table has already is Msg 2705, as in CREATE TABLE.
void CheckAddedColumn(const TSqlTokens& tokens, const TSqlStatement& s, const TSqlCatalogue& catalogue)
{
    size_t add = s.first + 2;
    while (add < s.last && !tokens.Is(add, "add"))
        ++add;
    if (add >= s.last || add == s.first + 2)
        return;
    const size_t column = tokens.Is(add + 1, "column") ? add + 2 : add + 1;
    if (!tokens.IsName(column))
        return;
    const std::string table = NameOf(tokens.Source(), tokens.At(add - 1));
    const std::string name = NameOf(tokens.Source(), tokens.At(column));
    if (catalogue.ColumnType(table, name))
        ThrowNamedTwice(name, table);
}

}  // namespace

void RewriteCreateStatements(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements,
                             const TSqlCatalogue* catalogue)
{
    for (const TSqlStatement& s : statements) {
        if (s.word == "alter" && tokens.Is(s.first + 1, "table") && catalogue)
            CheckAddedColumn(tokens, s, *catalogue);
        if (s.word != "create")
            continue;
        if (tokens.Is(s.first + 1, "table"))
            RewriteTable(tokens, s);
        else
            RewriteIndex(tokens, s);
    }
}

}  // namespace ado::provider
