#include "TSqlTokens.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace ado::provider {

namespace {

// Words that never name a column in the statements the rewriter reads.
bool IsKeyword(std::string_view lower)
{
    static constexpr std::string_view kKeywords[] = {
        "add", "all", "alter", "and", "any", "as", "asc", "begin", "between", "by", "case", "cast", "check",
        "collate", "constraint", "convert", "create", "cross", "declare", "default", "delete", "desc", "distinct",
        "drop", "else", "end", "escape", "except", "exec", "execute", "exists", "foreign", "from", "full", "group",
        "having", "in", "index", "inner", "insert", "intersect", "into", "is", "join", "key", "left", "like", "limit",
        "not", "null", "offset", "on", "or", "order", "outer", "over", "percent", "primary", "references", "right",
        "select", "set", "table", "then", "top", "union", "unique", "update", "using", "values", "view", "when",
        "where", "with"};
    return std::find(std::begin(kKeywords), std::end(kKeywords), lower) != std::end(kKeywords);
}

std::string LowerText(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

TSqlTokens::TSqlTokens(std::string_view text) : m_text(text), m_all(TokenizeSql(text)), m_edits(m_all.size())
{
    std::vector<size_t> open;
    int depth = 0;
    for (size_t k = 0; k < m_all.size(); ++k) {
        const Token& t = m_all[k];
        if (!t.Significant())
            continue;
        const size_t i = m_sig.size();
        m_sig.push_back(k);
        const std::string_view raw = TokenText(text, t);
        m_lower.push_back(t.kind == TokenKind::Word ? LowerText(raw) : std::string(raw));
        m_match.push_back(npos);
        if (t.kind == TokenKind::Punct && raw == ")") {
            depth = std::max(0, depth - 1);
            if (!open.empty()) {
                m_match[i] = open.back();
                m_match[open.back()] = i;
                open.pop_back();
            }
        }
        m_depth.push_back(depth);
        if (t.kind == TokenKind::Punct && raw == "(") {
            ++depth;
            open.push_back(i);
        }
    }
}

const std::string& TSqlTokens::Lower(size_t i) const
{
    static const std::string kNone;
    return i < m_lower.size() ? m_lower[i] : kNone;
}

bool TSqlTokens::IsName(size_t i) const
{
    if (i >= Size())
        return false;
    if (Kind(i) == TokenKind::QuotedName)
        return true;
    return Kind(i) == TokenKind::Word && Lower(i).front() != '@' && !IsKeyword(Lower(i));
}

void TSqlTokens::Drop(size_t first, size_t last)
{
    for (size_t k = m_sig[first]; k <= m_sig[last]; ++k)
        m_edits[k].dropped = true;
}

void TSqlTokens::DropBlanksBefore(size_t i)
{
    for (size_t k = i > 0 ? m_sig[i - 1] + 1 : 0; k < m_sig[i]; ++k)
        m_edits[k].dropped = true;
}

void TSqlTokens::EmitToken(std::string& out, size_t k) const
{
    const Edit& edit = m_edits[k];
    out += edit.before;
    if (!edit.dropped) {
        if (edit.replacement)
            out += *edit.replacement;
        else if (m_all[k].kind == TokenKind::Comment)
            out += ' ';
        else
            out += TokenText(m_text, m_all[k]);
    }
    out += edit.after;
}

std::string TSqlTokens::Emit(size_t first, size_t last) const
{
    std::string out;
    for (size_t k = m_sig[first]; k <= m_sig[last]; ++k)
        EmitToken(out, k);
    return out.substr(m_edits[m_sig[first]].before.size());
}

std::string TSqlTokens::EmitAll(std::vector<size_t>* starts) const
{
    std::string out;
    out.reserve(m_text.size() + 16);
    if (starts)
        starts->assign(m_sig.size(), 0);
    size_t next = 0;  // the next significant token
    for (size_t k = 0; k < m_all.size(); ++k) {
        if (starts && next < m_sig.size() && m_sig[next] == k)
            (*starts)[next++] = out.size() + m_edits[k].before.size();
        EmitToken(out, k);
    }
    return out;
}

}  // namespace ado::provider
