#pragma once

#include "Field.h"
#include "clsUtility.h"

#include <string>
#include <string_view>

// How one value becomes a literal of an insert statement. No value can end the statement or
// change what the script does: a value is written bare only when it is a numeric literal, every
// text is quoted with its quotes doubled (a NUL inside it as char(0) joined with "+"), dates
// that are no real dates keep their text, and bytes are 0x literals. A value that cannot be
// written in its column's own form takes another one, and the caller is told so it can report it.
class ValueLiteral {
public:
    explicit ValueLiteral(const ado::Field& field);

    // Appends the literal; false when the value was written in another form than the column's
    // type gives (quoted in a numeric or bit column, a date column's text, bytes in a column
    // that is not binary).
    bool Append(std::string& out, const ado::Value& value) const;

    // Optional minus, digits, optional fraction, optional exponent, within the server's range.
    static bool IsNumericLiteral(std::string_view text);
    // A quoted literal ('...' or N'...') of text.
    static void AppendText(std::string& out, std::string_view text, bool unicode);

private:
    bool AppendNumber(std::string& out, const ado::Value& value) const;
    bool AppendBoolean(std::string& out, const ado::Value& value) const;
    bool AppendDate(std::string& out, const ado::Value& value) const;
    bool AppendOther(std::string& out, const ado::Value& value) const;

    clsUtility::enuFieldKind m_kind;
    bool m_binary;
};
