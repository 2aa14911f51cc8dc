#include "JoinOrder.h"

#include "SqlTokenizer.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <vector>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// One FROM item: the first table, or a join with its keywords, table and ON condition.
struct Segment {
    size_t begin = 0;          // byte offsets in the text
    size_t end = 0;
    bool left = false;         // a LEFT JOIN
    std::string alias;         // lower case
    std::set<std::string> refs;  // qualifiers the ON condition names
    size_t table = 0;          // the table's first significant token, and its alias's
    size_t aliasToken = 0;
    size_t on = 0;             // the ON keyword's token, 0 without one
    size_t last = 0;           // the item's last significant token
};

// One of the terms that AND joins in an ON condition.
struct Term {
    size_t first, last;  // significant tokens
};

class FromClauseReader {
public:
    FromClauseReader(std::string_view text, const std::vector<Token>& tokens) : m_text(text)
    {
        int depth = 0;
        for (const Token& t : tokens) {
            if (!t.Significant())
                continue;
            const std::string_view raw = TokenText(text, t);
            if (raw == ")")
                --depth;
            m_sig.push_back(&t);
            m_depth.push_back(depth);
            m_words.push_back(t.kind == TokenKind::Word ? Lower(raw) : std::string(raw));
            if (raw == "(")
                ++depth;
        }
    }

    size_t Count() const { return m_sig.size(); }
    const std::string& Word(size_t i) const { return m_words[i]; }
    const Token& Sig(size_t i) const { return *m_sig[i]; }
    int Depth(size_t i) const { return m_depth[i]; }
    // The text from token first to token last.
    std::string_view Span(size_t first, size_t last) const
    {
        return m_text.substr(m_sig[first]->begin, m_sig[last]->end - m_sig[first]->begin);
    }
    // The name a word or quoted name stands for, in lower case.
    std::string Name(size_t i) const { return Lower(NameOf(m_text, *m_sig[i])); }

    // The items of the FROM clause whose keyword is sig[from], or nothing when the clause
    // holds anything this reader does not follow.
    std::optional<std::vector<Segment>> Read(size_t from) const
    {
        const int d = m_depth[from];
        if (!SelectListWithoutStar(from, d))
            return std::nullopt;
        std::vector<Segment> segments;
        size_t p = from + 1;
        Segment first;
        first.begin = m_sig[p < Count() ? p : from]->begin;
        if (!ReadTable(p, d, first))
            return std::nullopt;
        segments.push_back(first);
        while (!AtEnd(p, d)) {
            Segment join;
            join.begin = m_sig[p]->begin;
            if (m_words[p] == "left") {
                join.left = true;
                ++p;
                if (p < Count() && m_words[p] == "outer")
                    ++p;
            } else if (m_words[p] == "inner") {
                ++p;
            }
            if (p >= Count() || m_words[p] != "join")
                return std::nullopt;
            ++p;
            if (!ReadTable(p, d, join))
                return std::nullopt;
            segments.push_back(join);
        }
        return segments;
    }

private:
    bool AtEnd(size_t p, int d) const
    {
        if (p >= Count() || m_depth[p] < d)
            return true;
        return m_depth[p] == d &&
               (OneOf(m_words[p], {"where", "group", "order", "having", "limit", "union", "except", "intersect",
                                   "window", ";"}));
    }

    bool JoinStart(size_t p, int d) const
    {
        return m_depth[p] == d &&
               OneOf(m_words[p], {"left", "inner", "join", "cross", "natural", "right", "full", ","});
    }

    // "*" at the select list's own level would change its columns with the order of tables.
    bool SelectListWithoutStar(size_t from, int d) const
    {
        for (size_t i = from; i-- > 0;) {
            if (m_depth[i] < d)
                return false;
            if (m_depth[i] != d)
                continue;
            if (m_words[i] == "*")
                return false;
            if (m_words[i] == "select")
                return true;
        }
        return false;
    }

    // A table name with its alias, then an optional ON condition.
    bool ReadTable(size_t& p, int d, Segment& segment) const
    {
        if (p >= Count() || m_words[p] == "(")
            return false;
        segment.table = p;
        while (!AtEnd(p, d) && !JoinStart(p, d) && m_words[p] != "on") {
            if (m_words[p] == "using" || m_words[p] == "(")
                return false;
            if (m_sig[p]->kind == TokenKind::Word || m_sig[p]->kind == TokenKind::QuotedName) {
                segment.alias = Lower(NameOf(m_text, *m_sig[p]));
                segment.aliasToken = p;
            }
            segment.end = m_sig[p]->end;
            segment.last = p;
            ++p;
        }
        if (segment.alias.empty())
            return false;
        if (!AtEnd(p, d) && m_words[p] == "on") {
            segment.on = p;
            ++p;
            while (!AtEnd(p, d) && !JoinStart(p, d)) {
                if (!NoteReference(p, segment))
                    return false;
                segment.end = m_sig[p]->end;
                segment.last = p;
                ++p;
            }
        }
        return true;
    }

    // Records the qualifier of a column reference; false for a name without one.
    bool NoteReference(size_t p, Segment& segment) const
    {
        const Token& t = *m_sig[p];
        if (t.kind != TokenKind::Word && t.kind != TokenKind::QuotedName)
            return true;
        const bool afterDot = p > 0 && m_words[p - 1] == ".";
        const bool beforeDot = p + 1 < Count() && m_words[p + 1] == ".";
        const bool call = p + 1 < Count() && m_words[p + 1] == "(";
        if (beforeDot) {
            segment.refs.insert(Lower(NameOf(m_text, t)));
            return true;
        }
        if (afterDot || call || (p > 0 && m_words[p - 1] == "collate"))
            return true;
        return t.kind == TokenKind::Word &&
               OneOf(m_words[p], {"and", "or", "not", "null", "is", "like", "in", "between", "escape", "collate",
                                  "nocase", "binary", "case", "when", "then", "else", "end", "glob", "exists", "cast",
                                  "as"});
    }

    std::string_view m_text;
    std::vector<const Token*> m_sig;
    std::vector<int> m_depth;
    std::vector<std::string> m_words;  // lower-case words, other tokens as they stand
};

// A replacement of the text's bytes [begin, end); edits come in text order and do not overlap.
struct Edit {
    size_t begin, end;
    std::string text;
};

// The text with the edits that edit(reader, items, edits) adds for each FROM clause the reader
// follows, clause by clause in text order.
template <class EditClause>
std::string EditFromClauses(std::string_view sql, EditClause&& edit)
{
    const std::vector<Token> tokens = TokenizeSql(sql);
    const FromClauseReader reader(sql, tokens);
    std::vector<Edit> edits;
    for (size_t i = 0; i < reader.Count(); ++i)
        if (reader.Word(i) == "from")
            if (const std::optional<std::vector<Segment>> segments = reader.Read(i))
                edit(reader, *segments, edits);
    std::string result(sql);
    for (auto e = edits.rbegin(); e != edits.rend(); ++e)
        result.replace(e->begin, e->end - e->begin, e->text);
    return result;
}

}  // namespace

std::string MoveInnerJoinsAhead(std::string_view sql)
{
    return EditFromClauses(sql, [&](const FromClauseReader&, const std::vector<Segment>& segments,
                                    std::vector<Edit>& edits) {
        if (segments.size() < 3)
            return;
        std::vector<Segment> order = segments;
        bool moved = false;
        for (bool changed = true; changed;) {
            changed = false;
            for (size_t j = 2; j < order.size(); ++j) {
                if (!order[j].left && order[j - 1].left && !order[j].refs.count(order[j - 1].alias)) {
                    std::swap(order[j], order[j - 1]);
                    changed = moved = true;
                }
            }
        }
        if (!moved)
            return;
        // The joins keep the blanks between them where they stood, so the text keeps its length
        // and what follows the clause its place.
        std::string text;
        for (size_t j = 1; j < order.size(); ++j) {
            if (j > 1)
                text += sql.substr(segments[j - 1].end, segments[j].begin - segments[j - 1].end);
            text += sql.substr(order[j].begin, order[j].end - order[j].begin);
        }
        edits.push_back(Edit{segments[1].begin, segments.back().end, std::move(text)});
    });
}

namespace {

// [first, last] without the parentheses that enclose all of it.
void Unwrap(const FromClauseReader& reader, size_t& first, size_t& last)
{
    while (first < last && reader.Word(first) == "(" && reader.Word(last) == ")") {
        for (size_t i = first + 1; i < last; ++i)
            if (reader.Depth(i) <= reader.Depth(first))
                return;
        ++first;
        --last;
    }
}

// "alias.column = literal" or "literal = alias.column", in parentheses or not.
bool IsConstantTerm(const FromClauseReader& reader, size_t first, size_t last, const std::string& alias)
{
    Unwrap(reader, first, last);
    if (last != first + 4)
        return false;
    const auto literal = [&](size_t i) {
        const TokenKind kind = reader.Sig(i).kind;
        return kind == TokenKind::Number || kind == TokenKind::String || kind == TokenKind::NString;
    };
    const auto column = [&](size_t i) { return reader.Word(i + 1) == "." && reader.Name(i) == alias; };
    return (reader.Word(first + 3) == "=" && literal(first + 4) && column(first)) ||
           (reader.Word(first + 1) == "=" && literal(first) && column(first + 2));
}

// The LEFT JOIN item with its constant terms moved into a table of its own; nothing when there
// is none to move, no collated comparison would gain, or the condition is not a plain AND.
std::optional<std::string> Materialized(std::string_view sql, const FromClauseReader& reader, const Segment& segment)
{
    if (!segment.left || segment.on == 0 || segment.last <= segment.on)
        return std::nullopt;
    size_t first = segment.on + 1;
    size_t last = segment.last;
    Unwrap(reader, first, last);
    const int depth = reader.Depth(first);
    std::vector<Term> terms;
    size_t start = first;
    for (size_t i = first; i <= last; ++i) {
        const std::string& word = reader.Word(i);
        if (word == "select")
            return std::nullopt;  // a subquery: its own FROM may be edited
        if (reader.Depth(i) != depth)
            continue;
        if (OneOf(word, {"or", "between", "not", "case"}))
            return std::nullopt;
        if (word == "and") {
            if (i == start)
                return std::nullopt;
            terms.push_back(Term{start, i - 1});
            start = i + 1;
        }
    }
    if (start > last)
        return std::nullopt;
    terms.push_back(Term{start, last});

    std::string constants, rest;
    bool collated = false;
    for (const Term& term : terms) {
        const bool constant = IsConstantTerm(reader, term.first, term.last, segment.alias);
        for (size_t i = term.first; i <= term.last && !constant; ++i)
            collated = collated || reader.Word(i) == "collate";
        std::string& into = constant ? constants : rest;
        if (!into.empty())
            into += " and ";
        into += reader.Span(term.first, term.last);
    }
    if (constants.empty() || !collated)
        return std::nullopt;
    const std::string_view keywords = sql.substr(segment.begin, reader.Sig(segment.table).begin - segment.begin);
    return std::string(keywords) + "(select * from " + std::string(reader.Span(segment.table, segment.on - 1)) +
           " where " + constants + " limit -1) " + std::string(reader.Span(segment.aliasToken, segment.aliasToken)) +
           " on (" + rest + ")";
}

}  // namespace

std::string MaterializeLeftJoinFilters(std::string_view sql)
{
    return EditFromClauses(sql, [&](const FromClauseReader& reader, const std::vector<Segment>& segments,
                                    std::vector<Edit>& edits) {
        for (const Segment& segment : segments) {
            const bool overlaps = !edits.empty() && segment.begin < edits.back().end;
            if (std::optional<std::string> text = Materialized(sql, reader, segment); text && !overlaps)
                edits.push_back(Edit{segment.begin, segment.end, std::move(*text)});
        }
    });
}

}  // namespace ado::provider
