#include "ScriptReader.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

using ado::provider::EqualsNoCase;
using ado::provider::Token;
using ado::provider::TokenKind;
using ado::provider::TokenText;

namespace {

constexpr std::size_t kWindow = 1 << 16;  // its tokens stay in the processor's cache

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return EqualsNoCase(word, w); });
}

// Words that start a statement when they begin a line outside any nesting.
bool StartsStatementOnItsLine(std::string_view word)
{
    return IsOneOf(word, {"insert", "delete", "update", "drop", "create", "alter", "truncate", "if", "while", "begin",
                          "commit", "rollback", "save", "declare", "exec", "execute", "print", "use"});
}

// Words that start the statement an IF, ELSE or WHILE runs.
bool StartsBody(std::string_view word)
{
    return StartsStatementOnItsLine(word) ||
           IsOneOf(word, {"select", "set", "return", "break", "continue", "raiserror", "throw", "goto", "waitfor",
                          "merge", "with", "grant", "revoke", "deny"});
}

// The words the nesting of a statement turns on.
enum class Keyword { Other, Case, End, If, While, Else, Begin };

Keyword KeywordOf(std::string_view word)
{
    // Column and table names are most words: they rarely pass the length and first-letter test.
    if (word.size() < 2 || word.size() > 5 || std::strchr("cCeEiIwWbB", word.front()) == nullptr)
        return Keyword::Other;
    static constexpr std::pair<std::string_view, Keyword> kWords[] = {
        {"case", Keyword::Case}, {"end", Keyword::End},   {"if", Keyword::If},
        {"while", Keyword::While}, {"else", Keyword::Else}, {"begin", Keyword::Begin}};
    for (const auto& [text, keyword] : kWords)
        if (EqualsNoCase(word, text))
            return keyword;
    return Keyword::Other;
}

// Where a statement stands in its nesting, fed one significant token after another.
class Nesting {
public:
    explicit Nesting(std::string_view script) : m_script(script) {}

    // A "begin" is a block unless a transaction word follows it; told before the token is fed.
    void Resolve(const Token& t)
    {
        if (m_beginPending && !(t.kind == TokenKind::Word && IsOneOf(TokenText(m_script, t), {"tran", "transaction",
                                                                                                "distributed"})))
            ++m_blocks;
        m_beginPending = false;
    }

    // Outside parentheses, blocks and CASE, and not waiting for the statement of an IF.
    bool AtTop() const { return m_parens == 0 && m_blocks == 0 && m_cases == 0 && !m_awaitingBody; }
    // A ";" ended the statement at its top.
    bool Terminated() const { return m_terminated; }

    void Feed(const Token& t)
    {
        const std::string_view text = TokenText(m_script, t);
        const bool outside = m_parens == 0 && m_cases == 0;
        if (t.kind == TokenKind::Punct) {
            if (text == "(")
                ++m_parens;
            else if (text == ")" && m_parens > 0)
                --m_parens;
            else if (text == ";" && outside && m_blocks == 0)
                m_terminated = true;
        } else if (t.kind == TokenKind::Word) {
            const Keyword keyword = KeywordOf(text);
            if (keyword == Keyword::Case) {
                ++m_cases;
            } else if (keyword == Keyword::End) {
                if (m_cases > 0)
                    --m_cases;
                else if (m_blocks > 0)
                    --m_blocks;
            } else if (outside && m_blocks == 0) {
                if (m_awaitingBody && StartsBody(text))
                    m_awaitingBody = false;
                // Not the IF of "DROP TABLE IF EXISTS".
                const bool controlIf = keyword == Keyword::If && !AfterObjectWord();
                if (controlIf || keyword == Keyword::While || keyword == Keyword::Else) {
                    m_awaitingBody = true;
                    m_terminated = false;
                }
            }
            if (keyword == Keyword::Begin && m_parens == 0)
                m_beginPending = true;
        }
        m_previous = t;
    }

private:
    bool AfterObjectWord() const
    {
        return m_previous.kind == TokenKind::Word &&
               IsOneOf(TokenText(m_script, m_previous), {"table", "index", "view", "trigger", "procedure", "proc",
                                                         "function", "schema", "database", "type"});
    }

    std::string_view m_script;
    int m_parens = 0;
    int m_blocks = 0;
    int m_cases = 0;
    bool m_awaitingBody = false;
    bool m_beginPending = false;
    bool m_terminated = false;
    Token m_previous{TokenKind::Blank, 0, 0};
};

bool IsSemicolon(std::string_view script, const Token& t)
{
    return t.kind == TokenKind::Punct && TokenText(script, t) == ";";
}

}  // namespace

bool ScriptReader::Refill()
{
    m_tokens.clear();
    m_next = 0;
    if (m_windowEnd >= m_script.size())
        return false;
    const std::size_t start = m_windowEnd;
    // A window ends at a line end, where no token but a literal or a comment can go on; when
    // one does, the window stops before it, or grows until it holds the whole token.
    for (std::size_t size = kWindow;; size *= 2) {
        std::size_t end = m_script.size();
        if (size < m_script.size() - start) {
            const std::size_t lineEnd = m_script.find('\n', start + size);
            if (lineEnd != std::string_view::npos)
                end = lineEnd + 1;
        }
        m_tokens = ado::provider::TokenizeSql(m_script.substr(start, end - start));
        for (Token& t : m_tokens) {
            t.begin += start;
            t.end += start;
        }
        if (end == m_script.size() || m_tokens.empty() || m_tokens.back().closed) {
            m_windowEnd = end;
            return true;
        }
        if (m_tokens.size() > 1) {
            m_windowEnd = m_tokens.back().begin;
            m_tokens.pop_back();
            return true;
        }
    }
}

std::optional<Token> ScriptReader::NextToken(bool& startsLine)
{
    for (;;) {
        if (m_next >= m_tokens.size() && !Refill())
            return std::nullopt;
        const Token& t = m_tokens[m_next++];
        if (t.Significant())
            return t;
        if (std::memchr(m_script.data() + t.begin, '\n', t.end - t.begin))
            startsLine = true;
    }
}

void ScriptReader::CountLines(std::size_t to)
{
    m_line += static_cast<long>(std::count(m_script.begin() + static_cast<std::ptrdiff_t>(m_lineCounted),
                                           m_script.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
    m_lineCounted = to;
}

std::optional<ScriptStatement> ScriptReader::Next()
{
    std::optional<Token> first = std::move(m_pending);
    m_pending.reset();
    bool startsLine = false;
    while (!first || IsSemicolon(m_script, *first)) {
        first = NextToken(startsLine);
        if (!first)
            return std::nullopt;
    }
    CountLines(first->begin);
    const long line = m_line;

    Nesting nesting(m_script);
    nesting.Feed(*first);
    std::size_t last = first->end;
    for (;;) {
        startsLine = false;
        std::optional<Token> t = NextToken(startsLine);
        if (!t)
            break;
        nesting.Resolve(*t);
        const std::string_view text = TokenText(m_script, *t);
        const bool elseGoesOn = t->kind == TokenKind::Word && EqualsNoCase(text, "else");
        if ((nesting.Terminated() && !elseGoesOn) ||
            (startsLine && nesting.AtTop() && t->kind == TokenKind::Word && StartsStatementOnItsLine(text))) {
            m_pending = t;
            break;
        }
        nesting.Feed(*t);
        if (!nesting.Terminated())
            last = t->end;
    }
    return ScriptStatement{m_script.substr(first->begin, last - first->begin), line};
}
