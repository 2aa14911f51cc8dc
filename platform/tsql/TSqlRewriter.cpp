#include "TSqlRewriter.h"

#include "JoinOrder.h"
#include "MessageExcerpt.h"
#include "TSqlError.h"
#include "TSqlCollation.h"
#include "TSqlCreateTable.h"
#include "TSqlFunctionCalls.h"
#include "TSqlOperators.h"
#include "TSqlProcedureCall.h"
#include "TSqlQueryBlocks.h"
#include "TSqlStatements.h"
#include "TSqlStoredNames.h"
#include "TSqlTextColumns.h"
#include "TSqlTop.h"
#include "WholeDecimalValues.h"

#include <algorithm>

namespace ado::provider {

namespace {

void CheckClosed(const TSqlTokens& tokens)
{
    const std::vector<Token>& all = tokens.All();
    if (all.empty() || all.back().closed)
        return;
    const Token& last = all.back();
    if (last.kind == TokenKind::Comment)
        throw ProviderError(kErrorCommand, "Missing end comment mark '*/'.");
    const size_t open = last.begin + (last.kind == TokenKind::NString ? 2 : 1);
    throw ProviderError(kErrorCommand, "Unclosed quotation mark before the character string '" +
                                           Excerpt(tokens.Source().substr(open)) + "'.");
}

// "dbo." in front of a name: the owner adds nothing in a single-schema file.
bool IsOwner(const TSqlTokens& tokens, size_t i)
{
    return tokens.Is(i + 1, ".") && !(i > 0 && tokens.Is(i - 1, ".")) &&
           EqualsNoCase(NameOf(tokens.Source(), tokens.At(i)), "dbo") && i + 2 < tokens.Size() &&
           (tokens.Kind(i + 2) == TokenKind::Word || tokens.Kind(i + 2) == TokenKind::QuotedName);
}

// The size that stands for "(max)" after a variable-length type name, or null.
const char* MaxSize(std::string_view lowerWord)
{
    if (lowerWord == "varchar" || lowerWord == "varbinary")
        return "(2147483647)";
    if (lowerWord == "nvarchar")
        return "(1073741823)";
    return nullptr;
}

// Literals, quoted names and words that SQLite writes otherwise.
void RenderDialect(TSqlTokens& tokens)
{
    for (size_t i = 0; i < tokens.Size(); ++i) {
        if (tokens.Replaced(i))
            continue;
        const std::string_view raw = tokens.Text(i);
        const std::string& lower = tokens.Lower(i);
        switch (tokens.Kind(i)) {
        case TokenKind::NString:
            tokens.Replace(i, std::string(raw.substr(1)));
            break;
        case TokenKind::Binary: {
            const std::string_view digits = raw.substr(2);
            tokens.Replace(i, "X'" + std::string(digits.size() % 2 ? "0" : "") + std::string(digits) + "'");
            break;
        }
        case TokenKind::QuotedName:
            if (IsOwner(tokens, i)) {
                tokens.Drop(i, i + 1);
            } else if (raw.front() == '[') {
                std::string quoted = "\"";
                for (char c : NameOf(tokens.Source(), tokens.At(i))) {
                    if (c == '"')
                        quoted += '"';
                    quoted += c;
                }
                tokens.Replace(i, quoted + "\"");
            }
            break;
        case TokenKind::Word:
            if (lower == "tran" && i > 0 &&
                (tokens.Is(i - 1, "begin") || tokens.Is(i - 1, "commit") || tokens.Is(i - 1, "rollback"))) {
                tokens.Replace(i, "transaction");
            } else if (lower == "isnull" && tokens.Is(i + 1, "(")) {
                tokens.Replace(i, "ifnull");
            } else if ((lower == "left" || lower == "right") && tokens.Is(i + 1, "(")) {
                tokens.Replace(i, "\"" + lower + "\"");
            } else if (IsOwner(tokens, i)) {
                tokens.Drop(i, i + 1);
            } else if (const char* size = MaxSize(lower);
                       size && tokens.Is(i + 1, "(") && tokens.Is(i + 2, "max") && tokens.Is(i + 3, ")")) {
                tokens.Drop(i, i + 3);
                tokens.InsertAfter(i, std::string(raw) + size);
                i += 3;
            } else if (raw.front() != '@' && raw.front() != '#' && raw.find_first_of("@#$", 1) != std::string_view::npos) {
                // SQL Server's names may hold "@", "#" and "$" after their first character; SQLite's
                // only when quoted.
                tokens.Replace(i, "\"" + std::string(raw) + "\"");
            }
            break;
        default:
            break;
        }
    }
}

// SQL Server takes a comma after the last column of CREATE TABLE; SQLite does not.
void DropTrailingColumnComma(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements)
{
    for (const TSqlStatement& s : statements) {
        if (s.word != "create" || !tokens.Is(s.first + 1, "table"))
            continue;
        for (size_t i = s.first; i < s.last; ++i)
            if (tokens.Is(i, ",") && tokens.Is(i + 1, ")") && tokens.Depth(i) == tokens.Depth(s.first) + 1)
                tokens.Drop(i, i);
    }
}

}  // namespace

bool TSqlText::IsAssignment(size_t begin, size_t end) const
{
    return std::any_of(assignments.begin(), assignments.end(), [&](size_t at) { return at >= begin && at < end; });
}

TSqlText RewriteTSql(std::string_view text, const TSqlCatalogue* catalogue,
                     const std::vector<TSqlVariable>& declaredBefore)
{
    TSqlTokens tokens(text);
    CheckClosed(tokens);

    TSqlText result;
    if (tokens.Size() > 0)
        result.lastToken = std::string(tokens.Text(tokens.Size() - 1));

    const std::vector<TSqlStatement> statements = SplitStatements(tokens);
    DropTrailingColumnComma(tokens, statements);
    RewriteWholeDecimalValues(tokens, statements);
    RewriteCreateStatements(tokens, statements, catalogue);
    CollateTextColumns(tokens, statements);
    SpellStoredNames(tokens, catalogue);
    if (const auto call = ReadProcedureCall(tokens, statements)) {
        result.helpIndexTable = call->table;
        result.helpIndexVariable = call->variable;
    }
    TSqlDeclarations declarations(
        tokens, statements, [&](size_t n) { return IsProcedureCall(tokens, statements, n); }, declaredBefore);
    if (result.helpIndexVariable && !declarations.Find(*result.helpIndexVariable))
        throw ProviderError(kErrorCommand, "Must declare the scalar variable \"" + *result.helpIndexVariable + "\".");

    const TSqlQueryBlocks blocks(tokens, statements);
    const TSqlOperandTypes types(tokens, blocks, catalogue, declarations);
    // Structure first, while every token still reads as written; then SQLite's spelling of the
    // rest, which what is built from whole spans of tokens (DISTINCT, TOP) must carry.
    RewriteFunctionCalls(tokens, types);
    RewriteOperators(tokens, types);
    ApplyCollation(tokens, blocks, types);
    RenderDialect(tokens);
    CollateDistinct(tokens, blocks, types);
    RewriteTop(tokens, blocks);
    declarations.NameColumns();

    std::vector<size_t> starts;
    result.sql = tokens.EmitAll(&starts);
    for (size_t token : declarations.Assignments())
        result.assignments.push_back(starts[token]);
    result.variables = declarations.Variables();

    bool leftJoin = false;
    for (size_t i = 0; i < tokens.Size() && !leftJoin; ++i)
        leftJoin = tokens.Is(i, "left");
    if (leftJoin)
        result.sql = MaterializeLeftJoinFilters(MoveInnerJoinsAhead(result.sql));
    return result;
}

}  // namespace ado::provider
