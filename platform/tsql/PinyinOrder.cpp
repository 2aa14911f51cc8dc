#include "PinyinOrder.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <vector>

namespace ado::provider {

namespace {

struct Block {
    char32_t first;
    char32_t last;
};
constexpr Block kBlocks[] = {{0x3400, 0x4DBF}, {0x4E00, 0x9FFF}};
constexpr size_t kBlockSize[] = {kBlocks[0].last - kBlocks[0].first + 1, kBlocks[1].last - kBlocks[1].first + 1};

// Where the character sits in the table: the blocks one after the other.
std::optional<size_t> SlotOf(char32_t c)
{
    size_t offset = 0;
    for (size_t b = 0; b < std::size(kBlocks); ++b) {
        if (c >= kBlocks[b].first && c <= kBlocks[b].last)
            return offset + (c - kBlocks[b].first);
        offset += kBlockSize[b];
    }
    return std::nullopt;
}

// Every character's rank, from ICU's sort keys: made once, on the first Chinese character met.
// Sixteen bits hold every rank, and keep the table small enough to stay in the cache of a sort.
std::vector<std::uint16_t> MakeRanks()
{
    const QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    struct Entry {
        QCollatorSortKey key;
        size_t slot;
    };
    std::vector<Entry> entries;
    entries.reserve(kBlockSize[0] + kBlockSize[1]);
    for (const Block& block : kBlocks)
        for (char32_t c = block.first; c <= block.last; ++c)
            entries.push_back({collator.sortKey(QString(QChar(static_cast<char16_t>(c)))), entries.size()});
    // Characters the collator finds equal keep their code point order, so every rank is unique.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key.compare(b.key) < 0; });
    static_assert(kBlockSize[0] + kBlockSize[1] <= 0x10000);
    std::vector<std::uint16_t> ranks(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        ranks[entries[i].slot] = static_cast<std::uint16_t>(i);
    return ranks;
}

}  // namespace

std::optional<std::uint32_t> PinyinRank(char32_t c)
{
    const std::optional<size_t> slot = SlotOf(c);
    if (!slot)
        return std::nullopt;
    static const std::vector<std::uint16_t> ranks = MakeRanks();
    return ranks[*slot];
}

}  // namespace ado::provider
