#include "TSqlBatch.h"

#include "SqlTokenizer.h"

#include <algorithm>
#include <initializer_list>

namespace ado::provider {

namespace {

bool IsWord(std::string_view text, const Token& t, std::initializer_list<std::string_view> words)
{
    return t.kind == TokenKind::Word &&
           std::any_of(words.begin(), words.end(), [&](std::string_view w) { return EqualsNoCase(TokenText(text, t), w); });
}

bool IsPunct(std::string_view text, const Token& t, std::string_view punct)
{
    return t.kind == TokenKind::Punct && TokenText(text, t) == punct;
}

bool IsName(const Token& t) { return t.kind == TokenKind::Word || t.kind == TokenKind::QuotedName; }

class Splitter {
public:
    explicit Splitter(std::string_view text) : m_text(text)
    {
        for (const Token& t : TokenizeSql(text))
            if (t.Significant())
                m_sig.push_back(t);
    }

    // Whether the batch needs splitting at all; an unclosed token leaves the error to the
    // ordinary path, which reports it in the server's words.
    bool Needed() const
    {
        if (!m_sig.empty() && !m_sig.back().closed)
            return false;
        for (size_t i = 0; i < m_sig.size(); ++i)
            if (IsControlIf(i) || DroppedIndexName(i))
                return true;
        return false;
    }

    std::vector<BatchPart> Parts() { return PartsUntil(m_sig.size()); }

private:
    // IF that begins a statement, not the one of "DROP TABLE IF EXISTS".
    bool IsControlIf(size_t i) const
    {
        return IsWord(m_text, m_sig[i], {"if"}) &&
               !(i > 0 && IsWord(m_text, m_sig[i - 1], {"table", "index", "view", "trigger", "procedure", "proc",
                                                        "function", "schema", "database", "type"}));
    }

    // For "DROP INDEX a.b[.c]" at i: the index of the last name's token, else 0.
    size_t DroppedIndexName(size_t i) const
    {
        if (!IsWord(m_text, m_sig[i], {"drop"}) || i + 1 >= m_sig.size() || !IsWord(m_text, m_sig[i + 1], {"index"}))
            return 0;
        size_t k = i + 2;
        if (k >= m_sig.size() || !IsName(m_sig[k]))
            return 0;
        size_t last = 0;
        while (k + 2 < m_sig.size() && IsPunct(m_text, m_sig[k + 1], ".") && IsName(m_sig[k + 2])) {
            k += 2;
            last = k;
        }
        return last;
    }

    // Words that begin the statement an IF runs.
    bool StartsStatement(size_t i) const
    {
        return IsWord(m_text, m_sig[i], {"select", "insert", "update", "delete", "create", "drop", "alter", "exec",
                                         "execute", "set", "declare", "truncate", "print", "if", "begin"});
    }

    std::vector<BatchPart> PartsUntil(size_t end)
    {
        std::vector<BatchPart> parts;
        std::string plain;
        size_t runStart = m_at;
        // The statements since runStart, as the batch writes them.
        const auto takeRun = [&] {
            if (runStart < m_at)
                plain += ' ' + Slice(runStart, m_at);
        };
        const auto flush = [&] {
            takeRun();
            if (plain.find_first_not_of(" ;") != std::string::npos)
                parts.push_back(BatchPart{std::move(plain), {}, {}, {}});
            plain.clear();
        };
        while (m_at < end) {
            if (IsControlIf(m_at)) {
                flush();
                parts.push_back(IfPart(end));
                runStart = m_at;
            } else if (const size_t last = DroppedIndexName(m_at)) {
                takeRun();
                plain += " DROP INDEX ";
                plain += TokenText(m_text, m_sig[last]);
                runStart = m_at = last + 1;
            } else {
                ++m_at;
            }
        }
        flush();
        return parts;
    }

    BatchPart IfPart(size_t end)
    {
        BatchPart part;
        const size_t conditionStart = ++m_at;
        int depth = 0;
        for (; m_at < end; ++m_at) {
            if (IsPunct(m_text, m_sig[m_at], "("))
                ++depth;
            else if (IsPunct(m_text, m_sig[m_at], ")"))
                --depth;
            else if (depth == 0 && m_at > conditionStart && StartsStatement(m_at))
                break;
        }
        part.condition = Slice(conditionStart, m_at);
        part.then = Body(end);
        if (m_at < end && IsWord(m_text, m_sig[m_at], {"else"})) {
            ++m_at;
            part.otherwise = Body(end);
        }
        return part;
    }

    // A BEGIN ... END block, or one statement: up to the next statement word outside parentheses.
    std::vector<BatchPart> Body(size_t end)
    {
        if (m_at < end && IsWord(m_text, m_sig[m_at], {"begin"}) &&
            !(m_at + 1 < end && IsWord(m_text, m_sig[m_at + 1], {"tran", "transaction"}))) {
            size_t close = ++m_at;
            for (int open = 1; close < end; ++close) {
                if (IsWord(m_text, m_sig[close], {"begin", "case"}))
                    ++open;
                else if (IsWord(m_text, m_sig[close], {"end"}) && --open == 0)
                    break;
            }
            std::vector<BatchPart> inner = PartsUntil(close);
            m_at = std::min(close + 1, end);
            return inner;
        }
        if (m_at < end && IsControlIf(m_at))
            return {IfPart(end)};
        size_t stop = m_at + 1;
        for (int depth = 0; stop < end; ++stop) {
            if (IsPunct(m_text, m_sig[stop], "("))
                ++depth;
            else if (IsPunct(m_text, m_sig[stop], ")"))
                --depth;
            else if (depth == 0 && (StartsStatement(stop) || IsWord(m_text, m_sig[stop], {"else"}) ||
                                    IsPunct(m_text, m_sig[stop], ";")))
                break;
        }
        return PartsUntil(std::min(stop, end));
    }

    std::string Slice(size_t from, size_t to) const
    {
        if (from >= to)
            return {};
        return std::string(m_text.substr(m_sig[from].begin, m_sig[to - 1].end - m_sig[from].begin));
    }

    std::string_view m_text;
    std::vector<Token> m_sig;
    size_t m_at = 0;
};

}  // namespace

std::optional<std::vector<BatchPart>> SplitBatch(std::string_view sql)
{
    Splitter splitter(sql);
    if (!splitter.Needed())
        return std::nullopt;
    return splitter.Parts();
}

}  // namespace ado::provider
