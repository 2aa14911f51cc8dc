#pragma once

#include "TSqlDataType.h"

#include <optional>
#include <string_view>

namespace ado::provider {

// What the rewriter may ask of the database it rewrites for: the declared type of a column.
class TSqlCatalogue {
public:
    virtual ~TSqlCatalogue() = default;
    // Nothing when the table or its column is not known.
    virtual std::optional<TSqlDataType> ColumnType(std::string_view table, std::string_view column) const = 0;
};

}  // namespace ado::provider
