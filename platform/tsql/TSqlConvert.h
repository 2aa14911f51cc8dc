#pragma once

#include "TSqlDataType.h"
#include "TSqlValue.h"

#include <optional>

namespace ado::provider {

// What CONVERT and CAST do to a value, as SQL Server does it: texts are cut to their length
// (char and nchar are padded with blanks), numbers are checked for their range, dates are read
// from text (by style) and written by style. source names the value's own type when it is
// known (a datetime column, a decimal(18,2) column): a date then takes the style's text, a
// decimal its scale. defaultLength is the length of a character type given without one (30
// in CONVERT and CAST, 1 in a declaration). Throws TSqlError with SQL Server's message.
TSqlValue ConvertValue(const TSqlValue& value, const TSqlDataType& type, std::optional<int> style = std::nullopt,
                       const TSqlDataType& source = {}, int defaultLength = 30);

// A float as SQL Server writes it into text: at most six significant digits ("1.23457e+006").
std::string FloatText(double value);

}  // namespace ado::provider
