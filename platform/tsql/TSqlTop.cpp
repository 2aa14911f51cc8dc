#include "TSqlTop.h"

namespace ado::provider {

void RewriteTop(TSqlTokens& tokens, const TSqlQueryBlocks& blocks)
{
    const auto& all = blocks.Blocks();
    // Inner blocks first: a percentage counts the rows of its block as already rewritten.
    for (auto b = all.rbegin(); b != all.rend(); ++b) {
        if (b->topFirst == TSqlQueryBlock::npos || b->topLast <= b->topFirst)
            continue;
        const bool percent = tokens.Is(b->topLast, "percent");
        const size_t valueFirst = b->topFirst + 1;
        const size_t valueLast = percent ? b->topLast - 1 : b->topLast;
        if (valueLast < valueFirst)
            continue;
        const std::string value = "(" +
                                  (tokens.Is(valueFirst, "(") && valueLast > valueFirst + 1
                                       ? tokens.Emit(valueFirst + 1, valueLast - 1)
                                       : tokens.Emit(valueFirst, valueLast)) +
                                  ")";
        tokens.Drop(b->topFirst, b->topLast);
        const std::string limit =
            percent ? " limit (select cast(p as integer) + (p > cast(p as integer)) from (select count(*) * " + value +
                          " / 100.0 as p from (" + tokens.Emit(b->first, b->last) + ")))"
                    : " limit " + value;
        if (b->compound) {
            tokens.InsertBefore(b->first, "select * from (");
            tokens.InsertAfter(b->last, limit + ")");
        } else {
            tokens.InsertAfter(b->last, limit);
        }
    }
}

}  // namespace ado::provider
