#include "TSqlCollation.h"

#include "TextCollation.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ado::provider {

namespace {

const std::string kCollate = std::string(" COLLATE ") + kTextCollation;

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool IsComparison(const TSqlTokens& tokens, size_t i)
{
    return i < tokens.Size() && tokens.Kind(i) == TokenKind::Punct && !tokens.Replaced(i) &&
           OneOf(tokens.Lower(i), {"=", "==", "<>", "!=", "<", ">", "<=", ">=", "!<", "!>"});
}

// The value an UPDATE assigns starts at first: "SET c = first" or ", c = first".
bool AssignedValue(const TSqlTokens& tokens, const TSqlOperandTypes& types, size_t first)
{
    if (first < 3 || !tokens.Is(first - 1, "=") || !types.ColumnEndsAt(first - 2))
        return false;
    size_t target = first - 2;
    while (target >= 2 && tokens.Is(target - 1, ".") && tokens.IsName(target - 2))
        target -= 2;
    return target > 0 && (tokens.Is(target - 1, "set") || tokens.Is(target - 1, ","));
}

bool NeedsCollation(const TSqlDataType& type)
{
    return type.IsText() && !type.collated;
}

// Whether the statement names a collation for the column first..last, or for what a comparison
// sets against it; a collation named explicitly decides the comparison.
bool ExplicitlyCollated(const TSqlTokens& tokens, const TSqlOperandTypes& types, size_t first, size_t last)
{
    if (tokens.Is(last + 1, "collate"))
        return true;
    if (IsComparison(tokens, last + 1) && tokens.Is(types.OperandEnd(last + 2) + 1, "collate"))
        return true;
    return first >= 3 && IsComparison(tokens, first - 1) && tokens.Is(first - 3, "collate");
}

// Whether the column first..last stands where its collation decides a result.
bool Compared(const TSqlTokens& tokens, const TSqlQueryBlocks& blocks, const TSqlOperandTypes& types,
              const std::vector<bool>& ordered, size_t first, size_t last)
{
    switch (blocks.ClauseOf(first)) {
    case TSqlClause::Condition:
    case TSqlClause::GroupBy:
    case TSqlClause::OrderBy:
        return true;
    case TSqlClause::From:
        return false;
    case TSqlClause::Set:
        if ((first > 0 && (tokens.Is(first - 1, "set") || tokens.Is(first - 1, ","))) ||
            AssignedValue(tokens, types, first))
            return false;  // the column an UPDATE assigns, or the value it assigns
        break;
    default:
        break;
    }
    if (ordered[first])
        return true;
    const std::string& after = tokens.Lower(last + 1);
    return IsComparison(tokens, last + 1) || (first > 0 && IsComparison(tokens, first - 1)) ||
           OneOf(after, {"in", "between"}) ||
           (after == "not" && OneOf(tokens.Lower(last + 2), {"in", "between"})) ||
           (first > 0 && tokens.Is(first - 1, "case"));
}

// The items of a select list, each as its expression's first and last token (aliases left out);
// nothing when one cannot be grouped on.
std::optional<std::vector<std::pair<size_t, size_t>>> ListItems(const TSqlTokens& tokens, const TSqlOperandTypes& types,
                                                              const TSqlQueryBlock& block)
{
    std::vector<std::pair<size_t, size_t>> items;
    size_t first = block.listFirst;
    for (size_t k = block.listFirst; k <= block.listLast + 1; ++k) {
        if (k <= block.listLast) {
            const std::string& w = tokens.Lower(k);
            if (w == "*" || w == "over" ||
                (types.IsCall(k) && OneOf(w, {"count", "count_big", "sum", "avg", "min", "max", "group_concat"})))
                return std::nullopt;
            if (!(tokens.Depth(k) == block.depth && w == ","))
                continue;
        }
        size_t last = k - 1;
        if (last < first)
            return std::nullopt;
        if (last > first && tokens.IsName(last) && !tokens.Is(last - 1, ".")) {
            if (tokens.Is(last - 1, "as"))
                last -= 2;
            else if (types.OperandEnd(first) == last - 1)
                last -= 1;
        }
        items.emplace_back(first, last);
        first = k + 1;
    }
    return items;
}

void CollateDistinctBlock(TSqlTokens& tokens, const TSqlQueryBlock& block, const TSqlOperandTypes& types)
{
    if (block.distinct == TSqlQueryBlock::npos || block.groupBy != TSqlQueryBlock::npos ||
        block.having != TSqlQueryBlock::npos || block.listFirst == TSqlQueryBlock::npos ||
        block.listLast == TSqlQueryBlock::npos || block.listLast < block.listFirst)
        return;
    const auto items = ListItems(tokens, types, block);
    if (!items)
        return;
    std::string groupBy;
    bool text = false;
    for (const auto& [first, last] : *items) {
        const bool single = types.OperandEnd(first) == last;
        const bool collate = single && NeedsCollation(types.StartingAt(first));
        text = text || collate;
        groupBy += groupBy.empty() ? "group by " : ", ";
        groupBy += collate ? "(" + tokens.Emit(first, last) + ")" + kCollate : tokens.Emit(first, last);
    }
    if (!text)
        return;
    tokens.Drop(block.distinct, block.distinct);
    if (block.orderBy != TSqlQueryBlock::npos)
        tokens.InsertBefore(block.orderBy, groupBy + " ");
    else
        tokens.InsertAfter(block.last, " " + groupBy);
}

}  // namespace

void ApplyCollation(TSqlTokens& tokens, const TSqlQueryBlocks& blocks, const TSqlOperandTypes& types)
{
    std::vector<bool> ordered(tokens.Size() + 1, false);  // inside MIN() or MAX()
    for (size_t i = 0; i < tokens.Size(); ++i)
        if (types.IsCall(i) && (tokens.Is(i, "min") || tokens.Is(i, "max")) && tokens.Match(i + 1) != TSqlTokens::npos)
            std::fill(ordered.begin() + static_cast<std::ptrdiff_t>(i + 2),
                      ordered.begin() + static_cast<std::ptrdiff_t>(tokens.Match(i + 1)), true);

    for (size_t i = 0; i < tokens.Size(); ++i) {
        const auto ref = types.ColumnAt(i);
        if (!ref || tokens.Replaced(i))
            continue;
        i = ref->last;
        if (ExplicitlyCollated(tokens, types, ref->first, ref->last))
            continue;  // the statement's own choice
        if (Compared(tokens, blocks, types, ordered, ref->first, ref->last) && NeedsCollation(types.TypeOf(*ref)))
            tokens.InsertAfter(ref->last, kCollate);
    }

    // A comparison of texts that names no column: literals, variables, function results.
    for (size_t i = 1; i + 1 < tokens.Size(); ++i) {
        if (!IsComparison(tokens, i) || tokens.Replaced(i) || types.ColumnEndsAt(i - 1) || types.ColumnStartsAt(i + 1))
            continue;
        const TSqlDataType left = types.EndingAt(i - 1);
        const TSqlDataType right = types.StartingAt(i + 1);
        const bool text = (left.IsText() && !right.IsNumber() && !right.IsDate()) ||
                          (right.IsText() && !left.IsNumber() && !left.IsDate());
        const TokenKind kind = tokens.Kind(i - 1);
        const bool operand = kind == TokenKind::String || kind == TokenKind::NString || tokens.Is(i - 1, ")") ||
                             (kind == TokenKind::Word && tokens.Lower(i - 1).front() == '@');
        if (text && operand && !tokens.Replaced(i - 1) && !tokens.Is(i + 2, "collate"))
            tokens.InsertAfter(i - 1, kCollate);
    }
}

void CollateDistinct(TSqlTokens& tokens, const TSqlQueryBlocks& blocks, const TSqlOperandTypes& types)
{
    for (const TSqlQueryBlock& block : blocks.Blocks())
        CollateDistinctBlock(tokens, block, types);
}

}  // namespace ado::provider
