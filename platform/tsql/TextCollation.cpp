#include "TextCollation.h"

#include "PinyinOrder.h"
#include "Utf8Text.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

namespace ado::provider {

namespace {

enum Group : std::uint32_t { kControl = 0, kPunctuation = 1, kDigit = 2, kLetter = 3, kOther = 4 };

constexpr std::uint32_t Weight(Group group, std::uint32_t rank)
{
    return (static_cast<std::uint32_t>(group) << 24) | rank;
}

// Where non-ASCII characters of a group start, after the ASCII ones.
constexpr std::uint32_t kBeyondAscii = 0x100;
// Chinese characters in pinyin order come after every other letter.
constexpr std::uint32_t kPinyinLetters = kBeyondAscii + 0x110000;

constexpr std::string_view kPunctuationOrder = " '-!\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";

bool Ignorable(char32_t c)
{
    return c == '\'' || c == '-';
}

// Full-width forms (U+FF01 to U+FF5E, the ideographic space) weigh as their ASCII characters.
char32_t Narrow(char32_t c)
{
    if (c >= 0xFF01 && c <= 0xFF5E)
        return c - 0xFEE0;
    return c == 0x3000 ? U' ' : c;
}

// Letters that sort as two: æ as "ae", œ as "oe", ß as "ss" (case folded already).
std::optional<std::pair<char, char>> Expansion(char32_t folded)
{
    switch (folded) {
    case 0xE6:
        return std::pair{'a', 'e'};
    case 0x153:
        return std::pair{'o', 'e'};
    case 0xDF:
        return std::pair{'s', 's'};
    default:
        return std::nullopt;
    }
}

std::array<std::uint32_t, 128> MakeAsciiWeights()
{
    std::array<std::uint32_t, 128> weights{};
    for (std::uint32_t c = 0; c < 128; ++c) {
        if (c >= '0' && c <= '9')
            weights[c] = Weight(kDigit, c - '0');
        else if (c >= 'a' && c <= 'z')
            weights[c] = Weight(kLetter, c - 'a');
        else if (c >= 'A' && c <= 'Z')
            weights[c] = Weight(kLetter, c - 'A');
        else if (const size_t at = kPunctuationOrder.find(static_cast<char>(c)); at != std::string_view::npos)
            weights[c] = Weight(kPunctuation, static_cast<std::uint32_t>(at));
        else
            weights[c] = Weight(kControl, c);
    }
    return weights;
}

const std::array<std::uint32_t, 128> kAsciiWeights = MakeAsciiWeights();

// Latin letters with accents decompose to a plain letter that decides their place.
bool LatinRange(char32_t c)
{
    return (c >= 0xC0 && c <= 0x24F) || (c >= 0x1E00 && c <= 0x1EFF);
}

std::string_view TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The weight of a character beyond ASCII, case folded and narrowed already.
CollationKey KeyOfFolded(char32_t folded, const CollationRules& rules)
{
    if (rules.pinyin)
        if (const std::optional<std::uint32_t> rank = PinyinRank(folded))
            return {Weight(kLetter, kPinyinLetters + *rank), 0};
    if (QChar::isLetter(folded)) {
        if (LatinRange(folded) && QChar::decompositionTag(folded) == QChar::Canonical) {
            const QString parts = QChar::decomposition(folded);
            if (!parts.isEmpty() && parts[0].unicode() < 128 && parts[0].isLetter())
                return {kAsciiWeights[parts[0].unicode()], folded};
        }
        return {Weight(kLetter, kBeyondAscii + folded), 0};
    }
    if (QChar::isDigit(folded))
        return {Weight(kDigit, static_cast<std::uint32_t>(QChar::digitValue(folded))), folded};
    if (QChar::category(folded) == QChar::Other_Control)
        return {Weight(kControl, folded), 0};
    if (QChar::isPunct(folded) || QChar::isSymbol(folded) || QChar::isSpace(folded))
        return {Weight(kPunctuation, kBeyondAscii + folded), 0};
    return {Weight(kOther, folded), 0};
}

// One weighed step of a text: a character, or one of the two letters an expansion gives.
struct Unit {
    CollationKey key;
    bool upper = false;
};

// A text's units in order; ignorable characters give none.
class Units {
public:
    Units(std::string_view text, size_t from, const CollationRules& rules) : m_text(text), m_rules(rules), m_at(from) {}

    // The next character when it is ASCII that weighs on its own (the common case, compared
    // without decoding), else -1.
    int PlainAscii() const
    {
        if (m_pending || m_at >= m_text.size())
            return -1;
        const auto c = static_cast<unsigned char>(m_text[m_at]);
        return c < 128 && !Ignorable(c) ? c : -1;
    }
    void Skip() { ++m_at; }

    bool Next(Unit& unit)
    {
        if (m_pending) {
            unit = *std::exchange(m_pending, std::nullopt);
            return true;
        }
        while (m_at < m_text.size()) {
            const char32_t c = Narrow(NextCodePoint(m_text, m_at));
            if (Ignorable(c)) {
                m_sawIgnorable = true;
                continue;
            }
            if (c < 128) {
                unit = {{kAsciiWeights[c], 0}, c >= 'A' && c <= 'Z'};
                return true;
            }
            if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
                unit = {KeyOf(c, m_rules), false};
                return true;
            }
            const char32_t folded = QChar::toCaseFolded(c);
            if (const auto parts = Expansion(folded)) {
                const bool upper = folded != c;
                unit = {{kAsciiWeights[static_cast<unsigned char>(parts->first)], 0}, upper};
                m_pending = Unit{{kAsciiWeights[static_cast<unsigned char>(parts->second)], 0}, upper};
                return true;
            }
            unit = {KeyOfFolded(folded, m_rules), folded != c};
            return true;
        }
        return false;
    }

    bool SawIgnorable() const { return m_sawIgnorable; }

private:
    std::string_view m_text;
    const CollationRules& m_rules;
    size_t m_at = 0;
    std::optional<Unit> m_pending;
    bool m_sawIgnorable = false;
};

// An ignorable character and how many characters precede it: what tells apart texts that are
// equal but for them ("coop" before "co-op").
using Ignored = std::pair<size_t, char32_t>;

std::vector<Ignored> IgnoredIn(std::string_view text)
{
    std::vector<Ignored> ignored;
    size_t count = 0;
    for (size_t at = 0; at < text.size(); ++count)
        if (const char32_t c = Narrow(NextCodePoint(text, at)); Ignorable(c))
            ignored.emplace_back(count, c);
    return ignored;
}

}  // namespace

CollationKey KeyOf(char32_t c, const CollationRules& rules)
{
    c = Narrow(c);
    if (c < 128)
        return {kAsciiWeights[c], 0};
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {Weight(kOther, c & 0xFFFFFF), 0};  // a byte that was no UTF-8
    return KeyOfFolded(QChar::toCaseFolded(c), rules);
}

std::optional<CollationRules> CollationNamed(std::string_view name)
{
    std::string upper;
    for (char c : name)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    CollationRules rules;
    if (upper.find("_BIN") != std::string::npos) {
        rules.binary = true;
        return rules;
    }
    bool cased = false;
    size_t start = 0;
    while (start <= upper.size()) {
        const size_t end = std::min(upper.find('_', start), upper.size());
        const std::string_view part = std::string_view(upper).substr(start, end - start);
        if (part == "CS" || part == "CI") {
            rules.caseSensitive = part == "CS";
            cased = true;
        } else if (part == "AI" || part == "AS") {
            rules.accentSensitive = part == "AS";
        }
        start = end + 1;
    }
    if (!cased)
        return std::nullopt;
    rules.pinyin = upper.starts_with("CHINESE_PRC_") && upper.find("STROKE") == std::string::npos;
    return rules;
}

int CompareText(std::string_view a, std::string_view b, const CollationRules& rules)
{
    a = TrimTrailingBlanks(a);
    b = TrimTrailingBlanks(b);
    if (rules.binary) {
        const int order = a.compare(b);  // UTF-8 bytes sort as their code points
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    // The first difference of accents and of letter case: they count only when nothing else differs.
    int accents = 0;
    int cases = 0;
    const auto note = [](int& first, auto p, auto q) {
        if (first == 0 && p != q)
            first = p < q ? -1 : 1;
    };
    // Most texts are decided in a prefix of ASCII characters that weigh on their own.
    size_t k = 0;
    for (const size_t end = std::min(a.size(), b.size()); k < end; ++k) {
        const auto p = static_cast<unsigned char>(a[k]);
        const auto q = static_cast<unsigned char>(b[k]);
        if (p >= 128 || q >= 128 || Ignorable(p) || Ignorable(q))
            break;
        if (p != q) {
            if (kAsciiWeights[p] != kAsciiWeights[q])
                return kAsciiWeights[p] < kAsciiWeights[q] ? -1 : 1;
            note(cases, p >= 'A' && p <= 'Z', q >= 'A' && q <= 'Z');
        }
    }
    Units x(a, k, rules);
    Units y(b, k, rules);
    for (;;) {
        const int p = x.PlainAscii();
        const int q = y.PlainAscii();
        if (p >= 0 && q >= 0) {
            if (p != q && kAsciiWeights[p] != kAsciiWeights[q])
                return kAsciiWeights[p] < kAsciiWeights[q] ? -1 : 1;
            // Lower case sorts before upper case.
            note(cases, p >= 'A' && p <= 'Z', q >= 'A' && q <= 'Z');
            x.Skip();
            y.Skip();
            continue;
        }
        Unit u;
        Unit v;
        const bool more = x.Next(u);
        if (more != y.Next(v))
            return more ? 1 : -1;
        if (!more)
            break;
        if (u.key.primary != v.key.primary)
            return u.key.primary < v.key.primary ? -1 : 1;
        note(accents, u.key.secondary, v.key.secondary);
        note(cases, u.upper, v.upper);
    }
    if (rules.accentSensitive && accents != 0)
        return accents;
    if (rules.caseSensitive && cases != 0)
        return cases;
    if (!x.SawIgnorable() && !y.SawIgnorable())
        return 0;
    const std::vector<Ignored> p = IgnoredIn(a);
    const std::vector<Ignored> q = IgnoredIn(b);
    return p == q ? 0 : p < q ? -1 : 1;
}

}  // namespace ado::provider
