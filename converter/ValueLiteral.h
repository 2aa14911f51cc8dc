#pragma once

#include "DateLiteral.h"
#include "Field.h"
#include "clsUtility.h"

#include <string>
#include <string_view>

// How one value becomes a literal of an insert statement. No value can end the statement or
// change what the script does: a value is written bare only when it is a numeric literal, every
// text is quoted with its quotes doubled (a NUL inside it as char(0) joined with "+"), dates
// that are no real dates keep their text, and bytes are 0x literals; a line break that a server
// or its tools would take as more than a line break (after a backslash, around a line that is
// only GO) is written as char(13) and char(10). A value that cannot be written in its column's
// own form, or that its column's type cannot hold as it is (out of range, too long, digits or
// parts the type would drop), takes another form or stays as it is for the server to refuse,
// and the caller is told so it can report it.
class ValueLiteral {
public:
    explicit ValueLiteral(const ado::Field& field);

    // Appends the literal; false when the value was written in another form than the column's
    // type gives (quoted in a numeric or bit column, a date column's text, bytes in a column
    // that is not binary, a number in a binary column) or is one the type cannot hold as it is.
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
    bool AppendBinary(std::string& out, const ado::Value& value) const;
    // Whether the column's type holds a number written as this literal without a change:
    // in its range, and without digits it would drop.
    bool Holds(std::string_view literal) const;
    bool HoldsText(std::string_view text) const;

    clsUtility::enuFieldKind m_kind;
    ado::DataTypeEnum m_type;
    bool m_binary;
    long m_size;    // a sized character or binary column's size, else 0
    int m_scale;    // decimal places an exact number keeps
    int m_integerDigits;  // digits an exact number keeps before its point; 0: not an exact number
    DateLiteral m_date;
};
