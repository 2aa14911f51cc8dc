#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ado::provider {

// A part of a SQL Server batch that SQLite cannot run as one text: statements run as they
// stand, or an IF whose condition chooses between two lists of parts.
struct BatchPart {
    std::string sql;        // the statements, when there is no condition
    std::string condition;  // IF's condition (SQL Server's text)
    std::vector<BatchPart> then, otherwise;
};

// Splits a batch at its control of flow: "IF cond statement", "IF cond BEGIN ... END", each
// with an optional ELSE, nested as deep as the batch nests them. "DROP INDEX table.index" is
// made "DROP INDEX index" (SQLite's index names are the database's). Nothing when the batch
// holds neither, so that an ordinary batch runs as the one text it is.
std::optional<std::vector<BatchPart>> SplitBatch(std::string_view sql);

}  // namespace ado::provider
