#include "TSqlLike.h"

#include "TextCollation.h"
#include "Utf8Text.h"

#include <vector>

namespace ado::provider {

namespace {

struct Range {
    CollationKey low;
    CollationKey high;
};

struct Element {
    enum Kind { AnyRun, AnyOne, One, Set } kind;
    CollationKey key;           // One
    std::vector<Range> ranges;  // Set
    bool negated = false;       // Set
};

bool InSet(const Element& set, const CollationKey& key)
{
    bool found = false;
    for (const Range& r : set.ranges)
        if (r.low == r.high ? key == r.low : (r.low.primary <= key.primary && key.primary <= r.high.primary))
            found = true;
    return found != set.negated;
}

bool Matches(const Element& e, const CollationKey& key)
{
    switch (e.kind) {
    case Element::AnyOne:
        return true;
    case Element::One:
        return e.key == key;
    case Element::Set:
        return InSet(e, key);
    default:
        return false;
    }
}

std::vector<Element> ParsePattern(std::u32string_view p, std::optional<char32_t> escape)
{
    std::vector<Element> elements;
    for (size_t i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (escape && c == *escape && i + 1 < p.size()) {
            elements.push_back(Element{Element::One, KeyOf(p[++i]), {}});
        } else if (c == '%') {
            if (elements.empty() || elements.back().kind != Element::AnyRun)
                elements.push_back(Element{Element::AnyRun, {}, {}});
        } else if (c == '_') {
            elements.push_back(Element{Element::AnyOne, {}, {}});
        } else if (c == '[' && p.find(']', i + 1) != std::u32string_view::npos) {
            Element set{Element::Set, {}, {}};
            size_t k = i + 1;
            if (p[k] == '^' && p[k + 1] != ']') {
                set.negated = true;
                ++k;
            }
            const size_t close = p.find(']', k + (p[k] == ']' ? 1 : 0));
            if (close == std::u32string_view::npos) {
                elements.push_back(Element{Element::One, KeyOf(c), {}});
                continue;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && p[k + 1] == '-') {
                    set.ranges.push_back(Range{KeyOf(p[k]), KeyOf(p[k + 2])});
                    k += 2;
                } else {
                    set.ranges.push_back(Range{KeyOf(p[k]), KeyOf(p[k])});
                }
            }
            elements.push_back(std::move(set));
            i = close;
        } else {
            elements.push_back(Element{Element::One, KeyOf(c), {}});
        }
    }
    return elements;
}

// Greedy matching that goes back to the last "%" on a mismatch: enough, as every other
// element takes exactly one character.
bool MatchKeys(const std::vector<CollationKey>& value, const std::vector<Element>& pattern)
{
    size_t p = 0;
    size_t v = 0;
    size_t starP = std::string_view::npos;
    size_t starV = 0;
    while (v < value.size()) {
        if (p < pattern.size() && pattern[p].kind == Element::AnyRun) {
            starP = p++;
            starV = v;
        } else if (p < pattern.size() && Matches(pattern[p], value[v])) {
            ++p;
            ++v;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            v = ++starV;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p].kind == Element::AnyRun)
        ++p;
    return p == pattern.size();
}

}  // namespace

bool MatchLike(std::string_view value, std::string_view pattern, std::optional<char32_t> escape)
{
    const std::vector<Element> elements = ParsePattern(DecodeUtf8(pattern), escape);
    std::vector<CollationKey> keys;
    for (char32_t c : DecodeUtf8(value))
        keys.push_back(KeyOf(c));
    if (MatchKeys(keys, elements))
        return true;
    const CollationKey blank = KeyOf(' ');
    size_t end = keys.size();
    while (end > 0 && keys[end - 1] == blank)
        --end;
    if (end == keys.size())
        return false;
    keys.resize(end);
    return MatchKeys(keys, elements);
}

}  // namespace ado::provider
