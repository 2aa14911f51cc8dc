#pragma once

#include "Field.h"
#include "Value.h"

#include <optional>
#include <string>
#include <string_view>

// A column's SQL Server type and the form a value takes in it: a value becomes the text of what
// the type holds (char(n) padded with blanks to n, decimal(p,s) with s fraction digits, datetime
// rounded to 1/300 s, real as a float, bit as 0 or 1, binary(n) padded with zero bytes), so that
// a source value and the value a server gives back compare as texts. A value the type cannot hold
// (out of range or precision, text that is no number or date, a rounding that would change the
// day, bytes in a column that is not binary) has no form.
class ServerForm {
public:
    // "int", "decimal(18,4)", "varchar(max)", "datetime2(3)", ... as a column is declared; a
    // type the server does not know is held as nvarchar(max) holds text.
    static ServerForm Parse(std::string_view typeText);
    // The type of a column as an ODBC data source describes it (the precision and scale of a
    // date or time column tell datetime, smalldatetime, date, time(n) and datetime2(n) apart).
    static ServerForm ForColumn(const ado::FieldInfo& column);

    // The value's form, quoted when it is text ('a  '), 0x... for bytes, NULL for a null;
    // nothing when the type cannot hold the value.
    std::optional<std::string> Of(const ado::Value& value) const;

    const std::string& TypeName() const { return m_typeText; }

    enum class Kind { Integer, Bit, Decimal, Float, Real, DateTime, SmallDateTime, Date, Time, DateTime2,
                      Text, UnicodeText, Binary, Guid };

private:
    std::optional<std::string> NumberForm(const ado::Value& value) const;
    std::optional<std::string> DateForm(const ado::Value& value) const;
    std::optional<std::string> TextForm(const ado::Value& value) const;

    Kind m_kind = Kind::UnicodeText;
    std::string m_typeText;
    long long m_least = 0, m_most = 0;  // integers and money
    int m_precision = 18, m_scale = 0;  // decimal digits; fraction digits of times
    long m_length = -1;                 // characters or bytes; -1 unbounded
    bool m_fixed = false;               // char, nchar, binary: padded to their length
};
