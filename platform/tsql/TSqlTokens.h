#pragma once

#include "SqlTokenizer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ado::provider {

// The significant tokens of a SQL text (no blanks, no comments) with what the rewriter knows of
// each, and the edits it makes to them. Indexes are those of the significant tokens; text
// inserted before or after a token, a replacement of its text, or its removal are applied when
// the text is written out again.
class TSqlTokens {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    explicit TSqlTokens(std::string_view text);

    std::string_view Source() const { return m_text; }
    const std::vector<Token>& All() const { return m_all; }
    size_t Size() const { return m_sig.size(); }
    const Token& At(size_t i) const { return m_all[m_sig[i]]; }
    // Blank beyond the last token, which no significant token is.
    TokenKind Kind(size_t i) const { return i < Size() ? At(i).kind : TokenKind::Blank; }
    std::string_view Text(size_t i) const { return TokenText(m_text, At(i)); }
    // A word in lower case, any other token as it stands; empty beyond the last token.
    const std::string& Lower(size_t i) const;
    bool Is(size_t i, std::string_view lower) const { return i < Size() && Lower(i) == lower; }
    // A plain word that is not one of SQL's keywords, or a quoted name: what may name a column.
    bool IsName(size_t i) const;
    // Parenthesis level: "(" and ")" stand at the level outside them.
    int Depth(size_t i) const { return m_depth[i]; }
    // The matching parenthesis of "(" or ")", or npos.
    size_t Match(size_t i) const { return m_match[i]; }

    void InsertBefore(size_t i, std::string_view text) { m_edits[m_sig[i]].before += text; }
    void InsertAfter(size_t i, std::string_view text) { m_edits[m_sig[i]].after += text; }
    void Replace(size_t i, std::string text) { m_edits[m_sig[i]].replacement = std::move(text); }
    bool Replaced(size_t i) const { return m_edits[m_sig[i]].replacement.has_value() || m_edits[m_sig[i]].dropped; }
    // Drops the tokens first..last and the blanks and comments between them; what was inserted
    // before or after them stays.
    void Drop(size_t first, size_t last);
    // Drops the blanks and comments between token i and the one before it.
    void DropBlanksBefore(size_t i);

    // The rewritten text of the tokens first..last and what lies between them; what was inserted
    // before the first belongs to what comes before and is left out.
    std::string Emit(size_t first, size_t last) const;
    // The whole rewritten text; starts, when given, receives where each token's own text begins
    // (after what was inserted before it).
    std::string EmitAll(std::vector<size_t>* starts = nullptr) const;

private:
    struct Edit {
        std::string before;
        std::string after;
        std::optional<std::string> replacement;
        bool dropped = false;
    };

    void EmitToken(std::string& out, size_t k) const;

    std::string_view m_text;
    std::vector<Token> m_all;
    std::vector<size_t> m_sig;  // index in m_all of each significant token
    std::vector<std::string> m_lower;
    std::vector<int> m_depth;
    std::vector<size_t> m_match;
    std::vector<Edit> m_edits;  // by index in m_all
};

}  // namespace ado::provider
