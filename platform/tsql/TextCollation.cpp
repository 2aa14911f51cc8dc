#include "TextCollation.h"

#include "Utf8Text.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace ado::provider {

namespace {

enum Group : std::uint32_t { kControl = 0, kPunctuation = 1, kDigit = 2, kLetter = 3, kOther = 4 };

constexpr std::uint32_t Weight(Group group, std::uint32_t rank)
{
    return (static_cast<std::uint32_t>(group) << 24) | rank;
}

// Where non-ASCII characters of a group start, after the ASCII ones.
constexpr std::uint32_t kBeyondAscii = 0x100;

constexpr std::string_view kPunctuationOrder = " '-!\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";

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

}  // namespace

CollationKey KeyOf(char32_t c)
{
    if (c < 128)
        return {kAsciiWeights[c], 0};
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {Weight(kOther, c & 0xFFFFFF), 0};  // a byte that was no UTF-8
    const char32_t folded = QChar::toCaseFolded(c);
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
    size_t i = 0;
    size_t j = 0;
    // The first difference of accents and of letter case: they count only when nothing else differs.
    int accents = 0;
    int cases = 0;
    const auto note = [](int& first, auto x, auto y) {
        if (first == 0 && x != y)
            first = x < y ? -1 : 1;
    };
    while (i < a.size() && j < b.size()) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[j]);
        if (x < 128 && y < 128) {
            if (x != y && kAsciiWeights[x] != kAsciiWeights[y])
                return kAsciiWeights[x] < kAsciiWeights[y] ? -1 : 1;
            // Lower case sorts before upper case.
            note(cases, x >= 'A' && x <= 'Z', y >= 'A' && y <= 'Z');
            ++i;
            ++j;
            continue;
        }
        const char32_t cx = NextCodePoint(a, i);
        const char32_t cy = NextCodePoint(b, j);
        const CollationKey kx = KeyOf(cx);
        const CollationKey ky = KeyOf(cy);
        if (kx.primary != ky.primary)
            return kx.primary < ky.primary ? -1 : 1;
        note(accents, kx.secondary, ky.secondary);
        note(cases, QChar::toCaseFolded(cx) != cx, QChar::toCaseFolded(cy) != cy);
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    if (rules.accentSensitive && accents != 0)
        return accents;
    return rules.caseSensitive ? cases : 0;
}

}  // namespace ado::provider
