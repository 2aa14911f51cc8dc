#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

namespace ado::provider {

struct TSqlBytes {
    std::string bytes;
};

// A value as the T-SQL functions of the embedded provider see it: null, integer, float, text
// (UTF-8) or bytes.
using TSqlValue = std::variant<std::monostate, std::int64_t, double, std::string, TSqlBytes>;

// A failure of a T-SQL function or conversion, in SQL Server's words.
class TSqlError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace ado::provider
