#pragma once

#include "TSqlDataType.h"

#include <optional>
#include <string>
#include <string_view>

namespace ado::provider {

// What the rewriter may ask of the database it rewrites for: the declared type of a column, and
// how a table's name is stored.
class TSqlCatalogue {
public:
    virtual ~TSqlCatalogue() = default;
    // Nothing when the table or its column is not known.
    virtual std::optional<TSqlDataType> ColumnType(std::string_view table, std::string_view column) const = 0;
    // The stored name of the table or view that name gives in another letter case, when the two
    // differ; nothing when they do not or there is no such table.
    virtual std::optional<std::string> StoredName(std::string_view) const { return std::nullopt; }
};

}  // namespace ado::provider
