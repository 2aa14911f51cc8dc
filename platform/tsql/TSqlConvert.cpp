#include "TSqlConvert.h"

#include "MessageExcerpt.h"
#include "TSqlDateTime.h"
#include "Utf8Text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace ado::provider {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The name SQL Server's messages give a text value's type.
std::string TextTypeName(const TSqlDataType& source)
{
    return source.IsText() && source.name != "uniqueidentifier" ? source.name : std::string("varchar");
}

std::optional<std::int64_t> ParseInteger(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return 0;  // SQL Server reads an empty text as 0
    if (text.front() == '+')
        text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A decimal number written plainly or with an exponent; no hexadecimal, infinity or NaN.
std::optional<double> ParseNumber(std::string_view text)
{
    text = TrimBlanks(text);
    if (text.empty())
        return 0.0;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string Fixed(double value, int scale)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", scale, value);
    return text;
}

std::string Shortest(double value)
{
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// The limits of the integer types.
void IntegerRange(const std::string& name, std::int64_t& low, std::int64_t& high)
{
    if (name == "tinyint")
        low = 0, high = 255;
    else if (name == "smallint")
        low = -32768, high = 32767;
    else if (name == "int")
        low = std::numeric_limits<std::int32_t>::min(), high = std::numeric_limits<std::int32_t>::max();
    else
        low = std::numeric_limits<std::int64_t>::min(), high = std::numeric_limits<std::int64_t>::max();
}

std::string OverflowMessage(const std::string& target)
{
    return "Arithmetic overflow error converting expression to data type " + target + ".";
}

TSqlValue ToInteger(const TSqlValue& value, const TSqlDataType& type, const TSqlDataType& source)
{
    std::int64_t low = 0, high = 0;
    IntegerRange(type.name, low, high);
    const std::string target = type.name == "integer" ? "bigint" : type.name;
    const bool bit = type.name == "bit";
    const auto checked = [&](std::int64_t v) -> TSqlValue {
        if (bit)
            return std::int64_t{v != 0};
        if (v < low || v > high)
            throw TSqlError(OverflowMessage(target));
        return v;
    };
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return checked(*i);
    if (const auto* d = std::get_if<double>(&value)) {
        const double t = std::trunc(*d);
        if (t < -9.2e18 || t > 9.2e18)
            throw TSqlError(OverflowMessage(target));
        return checked(static_cast<std::int64_t>(t));
    }
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (source.IsDate()) {
            const auto date = TSqlDateTime::Parse(*s);
            if (date)
                return checked(date->days + (date->ms >= TSqlDateTime::kMsPerDay / 2 ? 1 : 0));
        }
        if (bit) {
            const std::string_view t = TrimBlanks(*s);
            if (t.size() == 4 && (t == "true" || t == "TRUE" || t == "True"))
                return std::int64_t{1};
            if (t.size() == 5 && (t == "false" || t == "FALSE" || t == "False"))
                return std::int64_t{0};
        }
        const auto parsed = ParseInteger(*s);
        if (!parsed) {
            if (bit && ParseNumber(*s))
                return std::int64_t{*ParseNumber(*s) != 0};
            throw TSqlError("Conversion failed when converting the " + TextTypeName(source) + " value '" + Excerpt(*s) +
                            "' to data type " + target + ".");
        }
        if (!bit && (*parsed < low || *parsed > high))
            throw TSqlError("The conversion of the " + TextTypeName(source) + " value '" + Excerpt(*s) + "' overflowed an " +
                            target + " column. Use a larger integer column.");
        return checked(*parsed);
    }
    const std::string& bytes = std::get<TSqlBytes>(value).bytes;
    std::uint64_t v = 0;
    const size_t width = type.name == "tinyint" ? 1 : type.name == "smallint" ? 2 : type.name == "int" ? 4 : 8;
    const size_t from = bytes.size() > width ? bytes.size() - width : 0;
    for (size_t k = from; k < bytes.size(); ++k)
        v = (v << 8) | static_cast<unsigned char>(bytes[k]);
    if (width < 8 && (bytes.size() - from) == width && (v >> (width * 8 - 1)) & 1 && type.name != "tinyint")
        v |= ~std::uint64_t{0} << (width * 8);  // the sign of a full-width value
    return checked(static_cast<std::int64_t>(v));
}

// A number, or a text that reads as one; textError() and bytesError for other texts and bytes
// (the message is made only when it is thrown: conversions run for every row).
template <class TextError>
double NumberOf(const TSqlValue& value, TextError&& textError, const char* bytesError)
{
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* s = std::get_if<std::string>(&value)) {
        if (const auto parsed = ParseNumber(*s))
            return *parsed;
        throw TSqlError(textError());
    }
    throw TSqlError(bytesError);
}

TSqlValue ToDecimal(const TSqlValue& value, const TSqlDataType& type, const TSqlDataType& source)
{
    int precision = type.precision >= 0 ? type.precision : 18;
    int scale = type.scale >= 0 ? type.scale : 0;
    if (type.name == "money")
        precision = 19, scale = 4;
    else if (type.name == "smallmoney")
        precision = 10, scale = 4;
    const double number = NumberOf(
        value,
        [&] {
            return type.name == "money" || type.name == "smallmoney"
                       ? std::string("Cannot convert a char value to money. The char value has incorrect syntax.")
                       : "Error converting data type " + TextTypeName(source) + " to numeric.";
        },
        "Error converting data type varbinary to numeric.");
    const double unit = std::pow(10.0, scale);
    const double rounded = std::round(number * unit) / unit;
    if (std::fabs(rounded) >= std::pow(10.0, precision - scale))
        throw TSqlError(OverflowMessage(type.name == "money" || type.name == "smallmoney" ? type.name : "numeric"));
    if (scale == 0 && std::fabs(rounded) < 9.2e18)
        return static_cast<std::int64_t>(rounded);
    return rounded;
}

TSqlValue ToFloat(const TSqlValue& value, const TSqlDataType& type, const TSqlDataType& source)
{
    const double number =
        NumberOf(value, [&] { return "Error converting data type " + TextTypeName(source) + " to float."; },
                 "Error converting data type varbinary to float.");
    return type.name == "real" ? static_cast<double>(static_cast<float>(number)) : number;
}

TSqlDateTime ToDateTime(const TSqlValue& value, std::optional<int> style)
{
    const double* d = std::get_if<double>(&value);
    const std::int64_t* i = std::get_if<std::int64_t>(&value);
    if (i || d) {
        if (const auto date = TSqlDateTime::FromDays(i ? static_cast<double>(*i) : *d))
            return *date;
        throw TSqlError("Arithmetic overflow error converting expression to data type datetime.");
    }
    if (const auto* s = std::get_if<std::string>(&value))
        if (const auto date = TSqlDateTime::Parse(*s, style.value_or(0)))
            return *date;
    throw TSqlError("Conversion failed when converting date and/or time from character string.");
}

TSqlValue ToDate(const TSqlValue& value, const TSqlDataType& type, std::optional<int> style)
{
    TSqlDateTime date = ToDateTime(value, style);
    if (type.name == "date")
        return date.StorageText().substr(0, 10);
    if (type.name == "time")
        return date.StorageText().substr(11);
    if (type.name == "smalldatetime")
        date.ms = (date.ms + 30000) / 60000 * 60000;  // to the nearest minute
    if (date.ms >= TSqlDateTime::kMsPerDay) {
        ++date.days;
        date.ms -= TSqlDateTime::kMsPerDay;
    }
    return date.StorageText();
}

// Characters beyond `length` are cut; char and nchar are padded with blanks to it.
// The characters a character type holds; none for the long and (max) types.
std::optional<size_t> TextLength(const TSqlDataType& type, int defaultLength)
{
    if (type.max || type.name == "text" || type.name == "ntext")
        return std::nullopt;
    constexpr int kSysnameLength = 128;
    return static_cast<size_t>(type.length >= 0 ? type.length : type.name == "sysname" ? kSysnameLength : defaultLength);
}

std::string FitLength(std::string text, const TSqlDataType& type, int defaultLength)
{
    const std::optional<size_t> fits = TextLength(type, defaultLength);
    if (!fits)
        return text;
    const size_t length = *fits;
    std::u32string characters = DecodeUtf8(text);
    if (characters.size() > length)
        characters.resize(length);
    else if (type.name == "char" || type.name == "nchar")
        characters.resize(length, U' ');
    else
        return text;
    return EncodeUtf8(characters);
}

// A date's text when converted to a character type: by style, or as the date's own type writes it.
std::string DateText(const TSqlDateTime& date, std::optional<int> style, const TSqlDataType& source)
{
    if (!style) {
        if (source.name == "date")
            return date.StorageText().substr(0, 10);
        if (source.name == "time")
            return date.StorageText().substr(11) + "0000";
        if (source.name == "datetime2")
            return date.StorageText() + "0000";
    }
    const int s = style.value_or(0);
    const auto text = date.StyleText(s);
    if (!text)
        throw TSqlError(std::to_string(s) + " is not a valid style number when converting from datetime to a "
                                            "character string.");
    return *text;
}

TSqlValue ToText(const TSqlValue& value, const TSqlDataType& type, std::optional<int> style,
                 const TSqlDataType& source, int defaultLength)
{
    std::string text;
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        text = source.name == "money" || source.name == "smallmoney" ? Fixed(static_cast<double>(*i), 2)
                                                                     : std::to_string(*i);
    } else if (const auto* d = std::get_if<double>(&value)) {
        if (source.name == "money" || source.name == "smallmoney")
            text = Fixed(*d, 2);
        else if (source.scale > 0)
            text = Fixed(*d, source.scale);
        else if (source.name == "float" || source.name == "real")
            text = FloatText(*d);
        else
            text = Shortest(*d);
    } else if (const auto* s = std::get_if<std::string>(&value)) {
        text = *s;
        // A date is written by style; a text of unknown origin is taken for a date only when a
        // style asks for one and it reads as one.
        if (source.IsDate() || (style && source.name.empty())) {
            if (const auto date = TSqlDateTime::Parse(*s))
                text = DateText(*date, style, source);
        }
    } else {
        text = std::get<TSqlBytes>(value).bytes;
    }
    // A number is never cut: one too long for the type is "*" in a char or varchar, an error
    // otherwise.
    const bool number = std::holds_alternative<std::int64_t>(value) || std::holds_alternative<double>(value);
    const std::optional<size_t> length = TextLength(type, defaultLength);
    if (number && length && text.size() > *length) {
        if (std::holds_alternative<std::int64_t>(value) && !type.Unicode())
            return FitLength("*", type, defaultLength);
        throw TSqlError(std::string("Arithmetic overflow error converting ") +
                        (std::holds_alternative<std::int64_t>(value) ? "expression" : "numeric") + " to data type " +
                        type.name + ".");
    }
    return FitLength(std::move(text), type, defaultLength);
}

TSqlValue ToBinary(const TSqlValue& value, const TSqlDataType& type, int defaultLength)
{
    std::string bytes;
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        const int width = *i >= std::numeric_limits<std::int32_t>::min() && *i <= std::numeric_limits<std::int32_t>::max()
                              ? 4
                              : 8;
        for (int k = width - 1; k >= 0; --k)
            bytes.push_back(static_cast<char>((static_cast<std::uint64_t>(*i) >> (8 * k)) & 0xFF));
    } else if (const auto* s = std::get_if<std::string>(&value)) {
        bytes = *s;
    } else if (const auto* b = std::get_if<TSqlBytes>(&value)) {
        bytes = b->bytes;
    } else {
        throw TSqlError("Explicit conversion from data type float to " + type.name + " is not allowed.");
    }
    if (!type.max && type.name != "image" && type.name != "blob") {
        const size_t length = static_cast<size_t>(type.length >= 0 ? type.length : defaultLength);
        if (bytes.size() > length)
            bytes.resize(length);
        else if (type.name == "binary")
            bytes.resize(length, '\0');
    }
    return TSqlBytes{std::move(bytes)};
}

}  // namespace

std::string FloatText(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", value);
    std::string out = text;
    // SQL Server writes the exponent with three digits.
    const size_t e = out.find('e');
    if (e != std::string::npos && e + 2 < out.size() && out.size() - (e + 2) == 2)
        out.insert(e + 2, "0");
    return out;
}

TSqlValue ConvertValue(const TSqlValue& value, const TSqlDataType& type, std::optional<int> style,
                       const TSqlDataType& source, int defaultLength)
{
    const auto kind = type.Classify();
    if (kind == TSqlDataType::Kind::Text || kind == TSqlDataType::Kind::Binary) {
        const int limit = type.Unicode() ? 4000 : 8000;
        if (type.length > limit)
            throw TSqlError("The size (" + std::to_string(type.length) + ") given to the type '" + type.name +
                            "' exceeds the maximum allowed for any data type (" + std::to_string(limit) + ").");
    }
    if (std::holds_alternative<std::monostate>(value))
        return value;
    switch (kind) {
    case TSqlDataType::Kind::Text:
        return ToText(value, type, style, source, defaultLength);
    case TSqlDataType::Kind::Number:
        if (type.IsInteger())
            return ToInteger(value, type, source);
        if (type.name == "float" || type.name == "real" || type.name == "double")
            return ToFloat(value, type, source);
        return ToDecimal(value, type, source);
    case TSqlDataType::Kind::Date:
        return ToDate(value, type, style);
    case TSqlDataType::Kind::Binary:
        return ToBinary(value, type, defaultLength);
    default:
        throw TSqlError("Type " + type.name + " is not a defined system type.");
    }
}

}  // namespace ado::provider
