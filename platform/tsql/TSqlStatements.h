#pragma once

#include "TSqlTokens.h"

#include <string>
#include <vector>

namespace ado::provider {

// One statement of a batch: its tokens first..last (without a closing ";") and its first word.
struct TSqlStatement {
    size_t first = 0;
    size_t last = 0;
    std::string word;
};

// The statements of a batch. SQL Server needs no ";" between them; where one starts without
// it (a statement word such as insert, delete, declare or set at the outer level, or select
// after a statement that cannot continue with one), a ";" is inserted before it. The body of a
// trigger and a statement that starts with "with" are not split.
std::vector<TSqlStatement> SplitStatements(TSqlTokens& tokens);

}  // namespace ado::provider
