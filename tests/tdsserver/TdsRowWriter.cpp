#include "TdsRowWriter.h"

#include "AutomationError.h"
#include "TdsTokens.h"
#include "TextCodec.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tds {

namespace {

enum Token : std::uint8_t { kColMetadata = 0x81, kRow = 0xD1 };
enum TypeCode : std::uint8_t {
    kImage = 0x22, kText = 0x23, kGuid = 0x24, kNText = 0x63, kNumericN = 0x6C, kIntN = 0x26, kBitN = 0x68, kDecimalN = 0x6A, kFloatN = 0x6D, kMoneyN = 0x6E, kDateTimeN = 0x6F,
    kDateN = 0x28, kTimeN = 0x29, kDateTime2N = 0x2A,
    kBigVarBinary = 0xA5, kBigVarChar = 0xA7, kBigBinary = 0xAD, kBigChar = 0xAF, kNVarChar = 0xE7, kNChar = 0xEF,
};
constexpr std::uint16_t kUserTypeTimestamp = 80;
constexpr std::uint16_t kFlagNullable = 0x0001;
constexpr std::uint16_t kFlagUpdatableUnknown = 0x0008;
constexpr std::uint16_t kMaxLength = 0xFFFF;
constexpr std::uint64_t kPlpNull = ~std::uint64_t{0};

[[noreturn]] void Fail(const std::string& message)
{
    throw automation::AutomationError(0, QString::fromStdString(message));
}

// The value as number text: decimal digits, or the text a double or an integer writes.
std::string NumberText(const ado::Value& v)
{
    if (const auto* d = std::get_if<ado::Decimal>(&v))
        return d->digits;
    if (const auto* b = std::get_if<bool>(&v))
        return *b ? "1" : "0";
    if (const auto* d = std::get_if<double>(&v)) {
        char buffer[400];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, *d, std::chars_format::fixed).ptr);
    }
    return ado::ToText(v);
}

// The digits of |value| * 10^scale, rounded half away from zero, and the sign.
std::pair<bool, std::string> Scaled(const std::string& text, int scale)
{
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    const bool negative = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+'))
        t.remove_prefix(1);
    std::string whole, fraction;
    bool point = false;
    for (const char c : t) {
        if (c == '.' && !point)
            point = true;
        else if (c >= '0' && c <= '9')
            (point ? fraction : whole).push_back(c);
        else
            Fail("Error converting data type nvarchar to numeric.");
    }
    if (whole.empty() && fraction.empty())
        Fail("Error converting data type nvarchar to numeric.");
    const bool roundUp = static_cast<int>(fraction.size()) > scale && fraction[static_cast<std::size_t>(scale)] >= '5';
    fraction.resize(static_cast<std::size_t>(scale), '0');
    std::string digits = whole + fraction;
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    return {negative, digits};
}

// Little-endian bytes of a decimal digit string; false when it needs more than `size` bytes.
bool DigitsToBytes(const std::string& digits, std::uint8_t* out, std::size_t size)
{
    std::memset(out, 0, size);
    for (const char c : digits) {
        unsigned carry = static_cast<unsigned>(c - '0');
        for (std::size_t i = 0; i < size; ++i) {
            const unsigned v = out[i] * 10u + carry;
            out[i] = static_cast<std::uint8_t>(v);
            carry = v >> 8;
        }
        if (carry)
            return false;
    }
    return true;
}

std::int64_t ScaledInteger(const ado::Value& v, int scale)
{
    const auto [negative, digits] = Scaled(NumberText(v), scale);
    std::uint8_t bytes[8];
    std::uint64_t u = 0;
    const bool fits = DigitsToBytes(digits, bytes, sizeof bytes);
    for (int i = 7; i >= 0; --i)
        u = u << 8 | bytes[i];
    constexpr std::uint64_t kLargest = std::uint64_t{1} << 63;  // the magnitude of the least value
    if (!fits || u > kLargest - (negative ? 0 : 1))
        Fail("Arithmetic overflow error converting numeric to data type money.");
    return negative ? static_cast<std::int64_t>(0 - u) : static_cast<std::int64_t>(u);
}

std::int64_t Integer(const ado::Value& v)
{
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return *i;
    if (const auto* b = std::get_if<bool>(&v))
        return *b;
    if (const auto* d = std::get_if<double>(&v))
        return static_cast<std::int64_t>(std::trunc(*d));
    const std::string text = NumberText(v);
    std::int64_t out = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc() || end != text.data() + text.size())
        Fail("Conversion failed when converting the nvarchar value '" + text + "' to data type int.");
    return out;
}

double Real(const ado::Value& v)
{
    if (const auto* d = std::get_if<double>(&v))
        return *d;
    if (const auto* i = std::get_if<std::int64_t>(&v))
        return static_cast<double>(*i);
    const std::string text = NumberText(v);
    double out = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    if (ec != std::errc() || end != text.data() + text.size())
        Fail("Error converting data type nvarchar to float.");
    return out;
}

// Days from 1970-01-01 of a civil date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void WriteDateTime(TdsWriter& out, const TdsColumn& c, const ado::Value& v)
{
    const auto* t = std::get_if<ado::DateTime>(&v);
    if (!t)
        Fail("Conversion failed when converting date and/or time from character string.");
    std::int64_t days = DaysFromCivil(t->year, static_cast<unsigned>(t->month), static_cast<unsigned>(t->day)) -
                        DaysFromCivil(1900, 1, 1);
    const std::int64_t seconds = t->hour * 3600 + t->minute * 60 + t->second;
    out.U8(static_cast<std::uint8_t>(c.size));
    if (c.size == 4) {
        std::int64_t minutes = seconds / 60 + (seconds % 60 >= 30 || (seconds % 60 == 29 && t->millisecond >= 500));
        if (minutes >= 1440) {
            minutes -= 1440;
            ++days;
        }
        out.U16(static_cast<std::uint16_t>(days));
        out.U16(static_cast<std::uint16_t>(minutes));
        return;
    }
    // Ticks of 1/300 second.
    std::int64_t ticks = seconds * 300 + (t->millisecond * 3 + 5) / 10;
    if (ticks >= 86400 * 300) {
        ticks -= 86400 * 300;
        ++days;
    }
    out.U32(static_cast<std::uint32_t>(static_cast<std::int32_t>(days)));
    out.U32(static_cast<std::uint32_t>(ticks));
}

// Bytes of a time of the given scale: 3 up to scale 2, 4 up to 4, else 5.
int TimeLength(int scale) { return scale <= 2 ? 3 : scale <= 4 ? 4 : 5; }

// date, time and datetime2: the time of day in units of 10^-scale second, then the days since
// 0001-01-01 in three bytes, each part only where the type has it.
void WriteDateAndTime(TdsWriter& out, const TdsColumn& c, const ado::Value& v)
{
    const auto* t = std::get_if<ado::DateTime>(&v);
    if (!t)
        Fail("Conversion failed when converting date and/or time from character string.");
    const bool hasTime = c.wire != WireType::Date;
    const bool hasDate = c.wire != WireType::Time;
    const int timeLength = hasTime ? TimeLength(c.scale) : 0;
    out.U8(static_cast<std::uint8_t>(timeLength + (hasDate ? 3 : 0)));
    if (hasTime) {
        std::uint64_t units = static_cast<std::uint64_t>(t->hour * 3600 + t->minute * 60 + t->second) * 1000 +
                              static_cast<std::uint64_t>(t->millisecond);
        for (int s = 3; s < c.scale; ++s)
            units *= 10;
        for (int s = c.scale; s < 3; ++s)
            units /= 10;
        for (int b = 0; b < timeLength; ++b)
            out.U8(static_cast<std::uint8_t>(units >> (8 * b)));
    }
    if (hasDate) {
        const std::int64_t days = DaysFromCivil(t->year, static_cast<unsigned>(t->month), static_cast<unsigned>(t->day)) -
                                  DaysFromCivil(1, 1, 1);
        for (int b = 0; b < 3; ++b)
            out.U8(static_cast<std::uint8_t>(static_cast<std::uint64_t>(days) >> (8 * b)));
    }
}

void WriteGuid(TdsWriter& out, const ado::Value& v)
{
    std::uint8_t bytes[16];
    if (const auto* b = std::get_if<ado::Bytes>(&v); b && b->size() == 16) {
        std::memcpy(bytes, b->data(), 16);
    } else {
        std::string hex;
        bool stray = false;
        for (const char c : ado::ToText(v)) {
            if (std::isxdigit(static_cast<unsigned char>(c)))
                hex.push_back(c);
            else if (c != '-' && c != '{' && c != '}')
                stray = true;
        }
        if (stray || hex.size() != 32)
            Fail("Conversion failed when converting from a character string to uniqueidentifier.");
        std::uint8_t plain[16];
        for (int i = 0; i < 16; ++i)
            plain[i] = static_cast<std::uint8_t>(std::stoi(hex.substr(static_cast<std::size_t>(i) * 2, 2), nullptr, 16));
        // The first three groups travel least significant byte first.
        constexpr int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
        for (int i = 0; i < 16; ++i)
            bytes[i] = plain[order[i]];
    }
    out.U8(16);
    out.Bytes(bytes, 16);
}

std::string CharBytes(const TdsColumn& c, const ado::Value& v)
{
    if (const auto* b = std::get_if<ado::Bytes>(&v))
        return std::string(b->begin(), b->end());
    const std::string text = ado::ToText(v);
    switch (c.wire) {
    case WireType::Char:
    case WireType::VarChar:
    case WireType::VarCharMax:
    case WireType::Text:
        return Utf8ToServerCodePage(text);
    default: {
        const std::u16string wide = Utf8ToUtf16(text);
        std::string bytes;
        for (const char16_t ch : wide) {
            bytes.push_back(static_cast<char>(ch & 0xFF));
            bytes.push_back(static_cast<char>(ch >> 8));
        }
        return bytes;
    }
    }
}

std::string BinaryBytes(const ado::Value& v)
{
    if (const auto* b = std::get_if<ado::Bytes>(&v))
        return std::string(b->begin(), b->end());
    return ado::ToText(v);
}

// The server fills in a row version on every write; SQLite has none, so rows without one get
// a number that only ever grows, as a version would.
std::string MadeUpRowVersion()
{
    static std::atomic<std::uint64_t> next{2001};
    const std::uint64_t n = next++;
    std::string bytes(8, '\0');
    for (int i = 0; i < 8; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>(n >> (8 * (7 - i)));
    return bytes;
}

void WriteSized(TdsWriter& out, const TdsColumn& c, std::string bytes)
{
    const bool fixed = c.wire == WireType::Char || c.wire == WireType::NChar || c.wire == WireType::Binary;
    if (bytes.size() > static_cast<std::size_t>(c.size))
        Fail("String or binary data would be truncated.");
    if (fixed) {
        if (c.wire == WireType::NChar) {
            while (bytes.size() + 1 < static_cast<std::size_t>(c.size))
                bytes.append(" ", 2);  // a UTF-16 blank
        } else {
            bytes.resize(static_cast<std::size_t>(c.size), c.wire == WireType::Binary ? '\0' : ' ');
        }
    }
    out.U16(static_cast<std::uint16_t>(bytes.size()));
    out.Bytes(bytes);
}

void WritePlp(TdsWriter& out, const std::string& bytes)
{
    out.U64(bytes.size());
    if (!bytes.empty()) {
        out.U32(static_cast<std::uint32_t>(bytes.size()));
        out.Bytes(bytes);
    }
    out.U32(0);  // the last chunk
}

bool IsPlp(WireType wire)
{
    return wire == WireType::VarCharMax || wire == WireType::NVarCharMax || wire == WireType::VarBinaryMax;
}

// A legacy long value: a text pointer and a timestamp (made up: nothing here reads them back),
// then the bytes with a four-byte length.
void WriteLegacyLong(TdsWriter& out, const std::string& bytes)
{
    constexpr std::uint8_t kTextPointer[16] = {};
    constexpr std::uint8_t kTimestamp[8] = {};
    out.U8(sizeof kTextPointer);
    out.Bytes(kTextPointer, sizeof kTextPointer);
    out.Bytes(kTimestamp, sizeof kTimestamp);
    out.U32(static_cast<std::uint32_t>(bytes.size()));
    out.Bytes(bytes);
}

void WriteNull(TdsWriter& out, const TdsColumn& c)
{
    if (IsPlp(c.wire))
        out.U64(kPlpNull);
    else if (c.wire == WireType::Char || c.wire == WireType::VarChar || c.wire == WireType::NChar ||
             c.wire == WireType::NVarChar || c.wire == WireType::Binary || c.wire == WireType::VarBinary)
        out.U16(0xFFFF);
    else
        out.U8(0);
}

void WriteValue(TdsWriter& out, const TdsColumn& c, const ado::Value& v)
{
    if (c.rowVersion && ado::IsNull(v))
        return WriteSized(out, c, MadeUpRowVersion());
    if (ado::IsNull(v))
        return WriteNull(out, c);
    switch (c.wire) {
    case WireType::Int: {
        const std::int64_t i = Integer(v);
        out.U8(static_cast<std::uint8_t>(c.size));
        for (int b = 0; b < c.size; ++b)
            out.U8(static_cast<std::uint8_t>(static_cast<std::uint64_t>(i) >> (8 * b)));
        return;
    }
    case WireType::Bit:
        out.U8(1);
        out.U8(Integer(v) != 0);
        return;
    case WireType::Float: {
        out.U8(static_cast<std::uint8_t>(c.size));
        if (c.size == 4) {
            const float f = static_cast<float>(Real(v));
            std::uint32_t bits;
            std::memcpy(&bits, &f, 4);
            out.U32(bits);
        } else {
            const double d = Real(v);
            std::uint64_t bits;
            std::memcpy(&bits, &d, 8);
            out.U64(bits);
        }
        return;
    }
    case WireType::Money: {
        const std::int64_t scaled = ScaledInteger(v, 4);
        out.U8(static_cast<std::uint8_t>(c.size));
        if (c.size == 4) {
            out.U32(static_cast<std::uint32_t>(static_cast<std::int32_t>(scaled)));
        } else {
            out.U32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(scaled) >> 32));
            out.U32(static_cast<std::uint32_t>(scaled));
        }
        return;
    }
    case WireType::Decimal: {
        const auto [negative, digits] = Scaled(NumberText(v), c.scale);
        std::uint8_t bytes[16];
        const std::size_t size = static_cast<std::size_t>(c.size - 1);
        const std::size_t significant = digits.size() - std::min(digits.find_first_not_of('0'), digits.size());
        if (significant > static_cast<std::size_t>(c.precision) || !DigitsToBytes(digits, bytes, size))
            Fail("Arithmetic overflow error converting nvarchar to data type numeric.");
        out.U8(static_cast<std::uint8_t>(c.size));
        out.U8(negative ? 0 : 1);
        out.Bytes(bytes, size);
        return;
    }
    case WireType::DateTime:
        return WriteDateTime(out, c, v);
    case WireType::Date:
    case WireType::Time:
    case WireType::DateTime2:
        return WriteDateAndTime(out, c, v);
    case WireType::Guid:
        return WriteGuid(out, v);
    case WireType::Binary:
    case WireType::VarBinary:
        return WriteSized(out, c, BinaryBytes(v));
    case WireType::VarBinaryMax:
        return WritePlp(out, BinaryBytes(v));
    case WireType::Image:
        return WriteLegacyLong(out, BinaryBytes(v));
    case WireType::Text:
    case WireType::NText:
        return WriteLegacyLong(out, CharBytes(c, v));
    case WireType::VarCharMax:
    case WireType::NVarCharMax:
        return WritePlp(out, CharBytes(c, v));
    default:
        return WriteSized(out, c, CharBytes(c, v));
    }
}

void WriteTypeInfo(TdsWriter& out, const TdsColumn& c)
{
    auto sized = [&](std::uint8_t code, bool collated) {
        out.U8(code);
        out.U16(IsPlp(c.wire) ? kMaxLength : static_cast<std::uint16_t>(c.size));
        if (collated)
            out.Bytes(kCollation, sizeof kCollation);
    };
    switch (c.wire) {
    case WireType::Int: out.U8(kIntN); out.U8(static_cast<std::uint8_t>(c.size)); return;
    case WireType::Bit: out.U8(kBitN); out.U8(1); return;
    case WireType::Float: out.U8(kFloatN); out.U8(static_cast<std::uint8_t>(c.size)); return;
    case WireType::Money: out.U8(kMoneyN); out.U8(static_cast<std::uint8_t>(c.size)); return;
    case WireType::DateTime: out.U8(kDateTimeN); out.U8(static_cast<std::uint8_t>(c.size)); return;
    case WireType::Date: out.U8(kDateN); return;
    case WireType::Time: out.U8(kTimeN); out.U8(static_cast<std::uint8_t>(c.scale)); return;
    case WireType::DateTime2: out.U8(kDateTime2N); out.U8(static_cast<std::uint8_t>(c.scale)); return;
    case WireType::Guid: out.U8(kGuid); out.U8(16); return;
    case WireType::Decimal:
        out.U8(c.numeric ? kNumericN : kDecimalN);
        out.U8(static_cast<std::uint8_t>(c.size));
        out.U8(static_cast<std::uint8_t>(c.precision));
        out.U8(static_cast<std::uint8_t>(c.scale));
        return;
    case WireType::Char: return sized(kBigChar, true);
    case WireType::VarChar:
    case WireType::VarCharMax: return sized(kBigVarChar, true);
    case WireType::NChar: return sized(kNChar, true);
    case WireType::NVarChar:
    case WireType::NVarCharMax: return sized(kNVarChar, true);
    case WireType::Binary: return sized(kBigBinary, false);
    case WireType::VarBinary:
    case WireType::VarBinaryMax: return sized(kBigVarBinary, false);
    case WireType::Text:
    case WireType::NText:
    case WireType::Image: {
        out.U8(c.wire == WireType::Text ? kText : c.wire == WireType::NText ? kNText : kImage);
        out.U32(c.wire == WireType::NText ? 0x7FFFFFFE : 0x7FFFFFFF);
        if (c.wire != WireType::Image)
            out.Bytes(kCollation, sizeof kCollation);
        // The table the column comes from, as owner and name.
        out.U8(c.table.empty() ? 0 : 2);
        if (!c.table.empty()) {
            out.UsVarChar(u"dbo");
            out.UsVarChar(Utf8ToUtf16(c.table));
        }
        return;
    }
    }
}

}  // namespace

void WriteColumnMetadata(TdsWriter& out, const std::vector<TdsColumn>& columns)
{
    out.U8(kColMetadata);
    out.U16(static_cast<std::uint16_t>(columns.size()));
    for (const TdsColumn& c : columns) {
        out.U32(c.rowVersion ? kUserTypeTimestamp : 0);
        out.U16(static_cast<std::uint16_t>(kFlagUpdatableUnknown | (c.nullable ? kFlagNullable : 0)));
        WriteTypeInfo(out, c);
        out.BVarChar(Utf8ToUtf16(c.name));
    }
}

void WriteRow(TdsWriter& out, const std::vector<TdsColumn>& columns, const std::vector<ado::Value>& row)
{
    TdsWriter body;
    for (std::size_t i = 0; i < columns.size(); ++i)
        WriteValue(body, columns[i], row[i]);
    out.U8(kRow);
    out.Bytes(body.Data().data(), body.Data().size());
}

}  // namespace tds
