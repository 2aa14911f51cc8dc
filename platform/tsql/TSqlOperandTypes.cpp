#include "TSqlOperandTypes.h"

#include "SqlTokenizer.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

TSqlDataType Type(std::string_view name)
{
    return TSqlDataType::Parse(name);
}

}  // namespace

bool TSqlOperandTypes::IsCall(size_t i) const
{
    return i < m_tokens.Size() && m_tokens.Kind(i) == TokenKind::Word && m_tokens.Is(i + 1, "(") &&
           (m_tokens.IsName(i) || OneOf(m_tokens.Lower(i), {"left", "right", "convert", "cast"}));
}

std::optional<TSqlColumnRef> TSqlOperandTypes::ColumnAt(size_t i) const
{
    if (!m_tokens.IsName(i) || (i > 0 && (m_tokens.Is(i - 1, ".") || m_tokens.Is(i - 1, "collate"))) || IsCall(i))
        return std::nullopt;
    TSqlColumnRef ref{i, i, {}, NameOf(m_tokens.Source(), m_tokens.At(i))};
    while (m_tokens.Is(ref.last + 1, ".")) {
        size_t next = ref.last + 1;
        while (m_tokens.Is(next, "."))
            ++next;
        if (!m_tokens.IsName(next))
            return std::nullopt;  // "t.*"
        ref.qualifier = ref.column;
        ref.column = NameOf(m_tokens.Source(), m_tokens.At(next));
        ref.last = next;
    }
    if (m_tokens.Is(ref.last + 1, "("))
        return std::nullopt;
    return ref;
}

bool TSqlOperandTypes::ColumnEndsAt(size_t i) const
{
    if (!m_tokens.IsName(i))
        return false;
    size_t k = i;
    while (k >= 2 && m_tokens.Is(k - 1, ".") && m_tokens.IsName(k - 2))
        k -= 2;
    return ColumnAt(k).has_value();
}

std::optional<TSqlDataType> TSqlOperandTypes::Lookup(const std::string& table, const std::string& column) const
{
    if (!m_catalogue)
        return std::nullopt;
    auto key = std::make_pair(Lower(table), Lower(column));
    const auto found = m_cache.find(key);
    if (found != m_cache.end())
        return found->second;
    const std::optional<TSqlDataType> type = m_catalogue->ColumnType(table, column);
    m_cache.emplace(std::move(key), type);
    return type;
}

// A name in ORDER BY may be a column alias of the select list.
std::optional<TSqlDataType> TSqlOperandTypes::AliasType(const TSqlQueryBlock& block, const std::string& column) const
{
    if (block.listFirst == TSqlQueryBlock::npos || block.listLast == TSqlQueryBlock::npos)
        return std::nullopt;
    size_t itemFirst = block.listFirst;
    for (size_t k = block.listFirst; k <= block.listLast + 1; ++k) {
        const bool end = k > block.listLast || (m_tokens.Depth(k) == block.depth && m_tokens.Is(k, ","));
        if (!end)
            continue;
        const size_t itemLast = k - 1;
        if (itemLast > itemFirst && itemLast >= block.listFirst && m_tokens.IsName(itemLast) &&
            EqualsNoCase(NameOf(m_tokens.Source(), m_tokens.At(itemLast)), column) && !m_tokens.Is(itemLast - 1, ".")) {
            const size_t exprLast = m_tokens.Is(itemLast - 1, "as") ? itemLast - 2 : itemLast - 1;
            return OperandEnd(itemFirst) == exprLast ? StartingAt(itemFirst) : TSqlDataType{};
        }
        itemFirst = k + 1;
    }
    return std::nullopt;
}

TSqlDataType TSqlOperandTypes::TypeOf(const TSqlColumnRef& ref) const
{
    const int start = m_blocks.BlockOf(ref.first);
    if (start < 0)
        return {};
    const auto& blocks = m_blocks.Blocks();
    if (ref.qualifier.empty() && m_blocks.ClauseOf(ref.first) == TSqlClause::OrderBy)
        if (const auto alias = AliasType(blocks[static_cast<size_t>(start)], ref.column))
            return *alias;
    for (int b = start; b >= 0; b = blocks[static_cast<size_t>(b)].parent) {
        for (const TSqlTableRef& table : blocks[static_cast<size_t>(b)].tables) {
            const bool named = EqualsNoCase(table.alias, ref.qualifier) || EqualsNoCase(table.table, ref.qualifier);
            if (!ref.qualifier.empty() && !named)
                continue;
            if (!table.table.empty())
                if (const auto type = Lookup(table.table, ref.column))
                    return *type;
            if (!ref.qualifier.empty() && EqualsNoCase(table.alias, ref.qualifier))
                return {};
        }
    }
    return {};
}

TSqlDataType TSqlOperandTypes::WrittenType(size_t first, size_t last) const
{
    std::string text;
    for (size_t k = first; k <= last && k < m_tokens.Size(); ++k)
        text += m_tokens.Text(k);
    return TSqlDataType::Parse(text);
}

TSqlDataType TSqlOperandTypes::FunctionType(size_t name) const
{
    const std::string& f = m_tokens.Lower(name);
    const size_t open = name + 1;
    const size_t close = m_tokens.Match(open);
    if (close == TSqlTokens::npos)
        return {};
    if (OneOf(f, {"upper", "lower", "ltrim", "rtrim", "trim", "substring", "replace", "left", "right", "reverse",
                  "stuff", "replicate"})) {
        const TSqlDataType argument = StartingAt(open + 1);
        return argument.IsText() ? argument : Type("varchar");
    }
    if (OneOf(f, {"char", "space", "str"}))
        return Type("varchar");
    if (OneOf(f, {"nchar", "db_name", "quotename"}))
        return Type("nvarchar");
    if (OneOf(f, {"isnull", "ifnull", "coalesce", "nullif", "min", "max"}))
        return StartingAt(open + 1);
    if (f == "convert") {
        for (size_t k = open + 1; k < close; ++k)
            if (m_tokens.Depth(k) == m_tokens.Depth(open) + 1 && m_tokens.Is(k, ","))
                return WrittenType(open + 1, k - 1);
        return {};
    }
    if (f == "cast") {
        for (size_t k = close; k-- > open + 1;)
            if (m_tokens.Depth(k) == m_tokens.Depth(open) + 1 && m_tokens.Is(k, "as"))
                return WrittenType(k + 1, close - 1);
        return {};
    }
    if (OneOf(f, {"len", "datalength", "charindex", "patindex", "datediff", "datepart", "year", "month", "day", "count",
                  "count_big", "ascii", "unicode", "object_id", "columnproperty", "sign"}))
        return Type("int");
    if (OneOf(f, {"abs", "ceiling", "floor", "round", "power", "sqrt", "sum", "avg"}))
        return Type("float");
    if (OneOf(f, {"getdate", "getutcdate", "dateadd", "sysdatetime"}))
        return Type("datetime");
    return {};
}

TSqlDataType TSqlOperandTypes::StartingAt(size_t i) const
{
    if (i >= m_tokens.Size())
        return {};
    switch (m_tokens.Kind(i)) {
    case TokenKind::String:
        return Type("varchar");
    case TokenKind::NString:
        return Type("nvarchar");
    case TokenKind::Number:
        return Type(m_tokens.Text(i).find_first_of(".eE") == std::string_view::npos ? "int" : "float");
    case TokenKind::Binary:
        return Type("varbinary");
    default:
        break;
    }
    const std::string& lower = m_tokens.Lower(i);
    if (m_tokens.Kind(i) == TokenKind::Word && lower.size() > 1 && lower[0] == '@' && lower[1] != '@') {
        const TSqlVariable* variable = m_declarations.Find(lower);
        return variable ? variable->type : TSqlDataType{};
    }
    if (lower == "(")
        return m_tokens.Is(i + 1, "select") ? TSqlDataType{} : StartingAt(i + 1);
    if (lower == "-" || lower == "+") {
        const TSqlDataType operand = StartingAt(i + 1);
        return operand.IsNumber() ? operand : TSqlDataType{};
    }
    if (IsCall(i))
        return FunctionType(i);
    if (const auto ref = ColumnAt(i))
        return TypeOf(*ref);
    return {};
}

size_t TSqlOperandTypes::OperandEnd(size_t i) const
{
    if (i >= m_tokens.Size())
        return i;
    const std::string& lower = m_tokens.Lower(i);
    if (lower == "(" && m_tokens.Match(i) != TSqlTokens::npos)
        return m_tokens.Match(i);
    if ((lower == "-" || lower == "+") && m_tokens.Kind(i) == TokenKind::Punct)
        return OperandEnd(i + 1);
    if (IsCall(i) && m_tokens.Match(i + 1) != TSqlTokens::npos)
        return m_tokens.Match(i + 1);
    if (const auto ref = ColumnAt(i))
        return ref->last;
    return i;
}

TSqlDataType TSqlOperandTypes::EndingAt(size_t i) const
{
    if (i >= m_tokens.Size())
        return {};
    if (m_tokens.Is(i, ")")) {
        const size_t open = m_tokens.Match(i);
        if (open == TSqlTokens::npos)
            return {};
        if (open > 0 && IsCall(open - 1))
            return FunctionType(open - 1);
        return StartingAt(open);
    }
    if (m_tokens.IsName(i)) {
        size_t k = i;
        while (k >= 2 && m_tokens.Is(k - 1, ".") && m_tokens.IsName(k - 2))
            k -= 2;
        const auto ref = ColumnAt(k);
        return ref ? TypeOf(*ref) : TSqlDataType{};
    }
    return StartingAt(i);
}

}  // namespace ado::provider
