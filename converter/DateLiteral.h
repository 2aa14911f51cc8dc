#pragma once

#include "Field.h"
#include "Value.h"

#include <string>

// Dates and times as the script's column types hold them: a date column as date, a time column
// as time(n), a datetime2 column as datetime2(n), anything else of the date kind as datetime.
// A value is written as its type keeps it (datetime's 1/300 s, n fractional digits); a value
// the type cannot hold whole is written in another form and reported, never moved to another
// day: a rounding that would is cut instead, a time part a date cannot keep is left out.
class DateLiteral {
public:
    explicit DateLiteral(const ado::Field& field);

    // The column's type in a create statement when it is not the type map's entry with no size
    // ("datetime2(7)", "time(3)"); empty when the map's entry stands as it is.
    static std::string ScriptType(const ado::Field& field, const std::string& mapName);

    // Appends the quoted literal; false when the value was written in another form.
    bool Append(std::string& out, const ado::DateTime& value) const;

private:
    enum class Form { DateTime, DateTime2, Date, Time };
    static Form FormOf(const ado::Field& field);

    Form m_form;
    int m_scale;   // fractional digits of datetime2 and time
    bool m_small;  // a smalldatetime column, scripted as datetime but holding fewer days
};
