#include "TSqlRewriter.h"

#include "JoinOrder.h"
#include "SqlTokenizer.h"
#include "SqliteErrors.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace ado::provider {

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Words that begin a statement of a batch.
bool StartsStatement(std::string_view lower)
{
    return OneOf(lower, {"insert", "delete", "update", "create", "drop", "alter"});
}

// Words after which those statement words continue the same statement: trigger events
// ("after insert"), foreign-key actions ("on delete"), "insert or replace", "do update".
bool ContinuesWith(std::string_view lowerPrevious)
{
    return OneOf(lowerPrevious, {"after", "before", "of", "on", "begin", "do", "for", "or", "explain", "plan",
                                 "instead", "then", "else"});
}

void CheckClosed(std::string_view text, const std::vector<Token>& tokens)
{
    if (tokens.empty() || tokens.back().closed)
        return;
    const Token& last = tokens.back();
    if (last.kind == TokenKind::Comment)
        throw ProviderError(kErrorCommand, "Missing end comment mark '*/'.");
    const size_t open = last.begin + (last.kind == TokenKind::NString ? 2 : 1);
    throw ProviderError(kErrorCommand, "Unclosed quotation mark before the character string '" +
                                           std::string(text.substr(open)) + "'.");
}

std::optional<std::string> HelpIndexCall(std::string_view text, const std::vector<const Token*>& sig)
{
    size_t i = 0;
    auto word = [&](size_t k) {
        return k < sig.size() && sig[k]->kind == TokenKind::Word ? Lower(TokenText(text, *sig[k])) : std::string();
    };
    if (OneOf(word(0), {"exec", "execute"}))
        i = 1;
    if (word(i) != "sp_helpindex")
        return std::nullopt;
    ++i;
    if (word(i) == "@objname" && i + 1 < sig.size() && TokenText(text, *sig[i + 1]) == "=")
        i += 2;
    std::string name;
    for (; i < sig.size(); ++i) {
        const Token& t = *sig[i];
        if (t.kind == TokenKind::String || t.kind == TokenKind::NString)
            name += StringContent(text, t);
        else if (t.kind == TokenKind::Word || t.kind == TokenKind::QuotedName)
            name += TokenText(text, t);
        else if (TokenText(text, t) == ".")
            name += '.';
        else
            break;
    }
    if (name.empty())
        throw ProviderError(kErrorCommand, "Procedure or function 'sp_helpindex' expects parameter '@objname', "
                                           "which was not supplied.");
    return LastNamePart(name);
}

// "dbo." in front of a name: the owner adds nothing in a single-schema file.
bool IsOwner(std::string_view text, const Token& t, const Token* next, const std::string& previous,
             const std::vector<const Token*>& sig, size_t s)
{
    return next && TokenText(text, *next) == "." && previous != "." && EqualsNoCase(NameOf(text, t), "dbo") &&
           s + 1 < sig.size() && (sig[s + 1]->kind == TokenKind::Word || sig[s + 1]->kind == TokenKind::QuotedName);
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

// "(max)" follows: sig[s] is "(", then "max" and ")".
bool IsMaxArgument(std::string_view text, const std::vector<const Token*>& sig, size_t s)
{
    return s + 2 < sig.size() && TokenText(text, *sig[s]) == "(" && EqualsNoCase(TokenText(text, *sig[s + 1]), "max") &&
           TokenText(text, *sig[s + 2]) == ")";
}

// Moves the token index k onto the significant token sig[last], dropping what lies between,
// and s past it.
void SkipTo(const std::vector<Token>& tokens, const std::vector<const Token*>& sig, size_t& k, size_t& s,
            size_t last)
{
    k = static_cast<size_t>(sig[last] - tokens.data());
    s = last + 1;
}

}  // namespace

TSqlText RewriteTSql(std::string_view text)
{
    const std::vector<Token> tokens = TokenizeSql(text);
    CheckClosed(text, tokens);

    std::vector<const Token*> sig;
    for (const Token& t : tokens)
        if (t.Significant())
            sig.push_back(&t);

    TSqlText result;
    if (!sig.empty())
        result.lastToken = TokenText(text, *sig.back());
    result.helpIndexTable = HelpIndexCall(text, sig);
    if (result.helpIndexTable)
        return result;

    std::string& out = result.sql;
    out.reserve(text.size() + 16);
    int depth = 0;
    bool statementStart = true;
    bool splitting = true;
    bool inTrigger = false;
    bool sawLeftJoin = false;
    bool createTable = false;  // in "create table", whose column list may end with ","
    std::string previous;  // the last significant token, lower case
    size_t s = 0;          // index in sig of the token after the current one
    for (size_t k = 0; k < tokens.size(); ++k) {
        const Token& t = tokens[k];
        const std::string_view raw = TokenText(text, t);
        if (t.kind == TokenKind::Blank) {
            out += raw;
            continue;
        }
        if (t.kind == TokenKind::Comment) {
            out += ' ';
            continue;
        }
        ++s;
        const Token* next = s < sig.size() ? sig[s] : nullptr;
        const std::string_view nextText = next ? TokenText(text, *next) : std::string_view();
        const std::string lower = t.kind == TokenKind::Word ? Lower(raw) : std::string();

        if (t.kind == TokenKind::Word && depth == 0 && splitting && !inTrigger && StartsStatement(lower) &&
            !previous.empty() && previous != ";" && !ContinuesWith(previous)) {
            out += ';';
            statementStart = true;
        }
        if (statementStart) {
            statementStart = false;
            createTable = false;
            // A common table expression may be followed by its statement word after ")".
            splitting = lower != "with";
        }
        if (lower == "trigger")
            inTrigger = true;
        if (lower == "table" && previous == "create")
            createTable = true;

        switch (t.kind) {
        case TokenKind::NString:
            out += raw.substr(1);
            break;
        case TokenKind::QuotedName:
            if (IsOwner(text, t, next, previous, sig, s)) {
                SkipTo(tokens, sig, k, s, s);
                continue;
            }
            if (raw.front() == '[') {
                out += '"';
                for (char c : NameOf(text, t)) {
                    if (c == '"')
                        out += '"';
                    out += c;
                }
                out += '"';
            } else {
                out += raw;
            }
            break;
        case TokenKind::Binary: {
            const std::string_view digits = raw.substr(2);
            out += "X'";
            if (digits.size() % 2)
                out += '0';
            out += digits;
            out += '\'';
            break;
        }
        case TokenKind::Word:
            if (lower == "isnull" && nextText == "(")
                out += "ifnull";
            else if ((lower == "left" || lower == "right") && nextText == "(")
                out += "\"" + lower + "\"";
            else if (IsOwner(text, t, next, previous, sig, s)) {
                SkipTo(tokens, sig, k, s, s);
                continue;
            } else if (const char* size = MaxSize(lower); size && IsMaxArgument(text, sig, s)) {
                out += raw;
                out += size;
                SkipTo(tokens, sig, k, s, s + 2);
            } else
                out += raw;
            break;
        case TokenKind::Punct:
            if (raw == "(")
                ++depth;
            else if (raw == ")")
                depth = std::max(0, depth - 1);
            else if (raw == ";" && depth == 0) {
                statementStart = true;
            } else if (raw == "," && nextText == ")" && depth == 1 && createTable) {
                previous = raw;  // SQL Server takes a comma after the last column; SQLite does not
                continue;
            }
            out += raw;
            break;
        default:
            out += raw;
            break;
        }
        previous = t.kind == TokenKind::Word ? lower : std::string(raw);
        sawLeftJoin = sawLeftJoin || lower == "left";
    }
    if (sawLeftJoin)
        out = MoveInnerJoinsAhead(out);
    return result;
}

}  // namespace ado::provider
