#include "SqliteTSqlFunctions.h"

#include "MessageExcerpt.h"
#include "SqliteFunctionArgs.h"
#include "TSqlConvert.h"
#include "TSqlDateTime.h"
#include "TSqlLike.h"
#include "TextCollation.h"
#include "Utf8Text.h"

#include <QChar>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace ado::provider {

namespace {

bool IsNull(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_NULL;
}

TSqlValue ValueOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    case SQLITE_TEXT:
        return std::string(TextArg(value));
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_value_blob(value));
        return TSqlBytes{std::string(data ? data : "", static_cast<size_t>(sqlite3_value_bytes(value)))};
    }
    default:
        return std::monostate{};
    }
}

void SetResult(sqlite3_context* context, const TSqlValue& value)
{
    if (const auto* i = std::get_if<std::int64_t>(&value))
        sqlite3_result_int64(context, *i);
    else if (const auto* d = std::get_if<double>(&value))
        sqlite3_result_double(context, *d);
    else if (const auto* s = std::get_if<std::string>(&value))
        sqlite3_result_text64(context, s->data(), s->size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    else if (const auto* b = std::get_if<TSqlBytes>(&value))
        sqlite3_result_blob64(context, b->bytes.data(), b->bytes.size(), SQLITE_TRANSIENT);
    else
        sqlite3_result_null(context);
}

void SetText(sqlite3_context* context, const std::string& text)
{
    sqlite3_result_text64(context, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

// Runs a function body; a TSqlError becomes the statement's error in its own words.
template <class F>
void TSqlGuarded(sqlite3_context* context, F&& body)
{
    try {
        body();
    } catch (const TSqlError& e) {
        sqlite3_result_error(context, e.what(), -1);
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(context);
    }
}

// A whole number from an argument; a fraction is cut off as SQL Server's conversion to int does.
std::int64_t IntegerOf(sqlite3_value* value)
{
    if (sqlite3_value_numeric_type(value) == SQLITE_FLOAT) {
        const double d = std::trunc(sqlite3_value_double(value));
        if (!(d > -9.2e18 && d < 9.2e18))
            throw TSqlError("Arithmetic overflow error converting expression to data type int.");
        return static_cast<std::int64_t>(d);
    }
    return sqlite3_value_int64(value);
}

std::vector<CollationKey> KeysOf(const std::u32string& text)
{
    std::vector<CollationKey> keys;
    keys.reserve(text.size());
    for (char32_t c : text)
        keys.push_back(KeyOf(c));
    return keys;
}

// Where `find` occurs in `in` at or after `from`, comparing as the collation does; npos if nowhere.
size_t FindKeys(const std::vector<CollationKey>& in, const std::vector<CollationKey>& find, size_t from)
{
    if (find.empty() || find.size() > in.size())
        return std::u32string::npos;
    for (size_t i = from; i + find.size() <= in.size(); ++i)
        if (std::equal(find.begin(), find.end(), in.begin() + static_cast<std::ptrdiff_t>(i)))
            return i;
    return std::u32string::npos;
}

void LikeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (IsNull(argv[0]) || IsNull(argv[1]) || (argc == 3 && IsNull(argv[2]))) {
        sqlite3_result_null(context);
        return;
    }
    std::optional<char32_t> escape;
    if (argc == 3) {
        const std::u32string e = DecodeUtf8(TextArg(argv[2]));
        if (e.size() != 1) {
            const std::string message =
                "The invalid escape character \"" + Excerpt(TextArg(argv[2])) + "\" was specified in a LIKE predicate.";
            sqlite3_result_error(context, message.c_str(), -1);
            return;
        }
        escape = e[0];
    }
    sqlite3_result_int(context, MatchLike(TextArg(argv[1]), TextArg(argv[0]), escape));
}

void CharIndexFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    if (IsNull(argv[0]) || IsNull(argv[1]) || (argc == 3 && IsNull(argv[2]))) {
        sqlite3_result_null(context);
        return;
    }
    const std::vector<CollationKey> find = KeysOf(DecodeUtf8(TextArg(argv[0])));
    const std::vector<CollationKey> in = KeysOf(DecodeUtf8(TextArg(argv[1])));
    const std::int64_t start = argc == 3 ? IntegerOf(argv[2]) : 1;
    const size_t at = FindKeys(in, find, static_cast<size_t>(std::max<std::int64_t>(start, 1) - 1));
    sqlite3_result_int64(context, at == std::u32string::npos ? 0 : static_cast<std::int64_t>(at) + 1);
}

void ReplaceFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (IsNull(argv[0]) || IsNull(argv[1]) || IsNull(argv[2])) {
        sqlite3_result_null(context);
        return;
    }
    const std::u32string text = DecodeUtf8(TextArg(argv[0]));
    const std::vector<CollationKey> keys = KeysOf(text);
    const std::vector<CollationKey> find = KeysOf(DecodeUtf8(TextArg(argv[1])));
    const std::string_view with = TextArg(argv[2]);
    std::string out;
    size_t done = 0;
    for (size_t at = FindKeys(keys, find, 0); at != std::u32string::npos; at = FindKeys(keys, find, done)) {
        out += EncodeUtf8(std::u32string_view(text).substr(done, at - done));
        out += with;
        done = at + find.size();
    }
    out += EncodeUtf8(std::u32string_view(text).substr(done));
    SetText(context, out);
}

void CaseFunction(sqlite3_context* context, sqlite3_value** argv, bool upper)
{
    if (IsNull(argv[0])) {
        sqlite3_result_null(context);
        return;
    }
    std::u32string text = DecodeUtf8(TextArg(argv[0]));
    for (char32_t& c : text)
        c = upper ? QChar::toUpper(c) : QChar::toLower(c);
    SetText(context, EncodeUtf8(text));
}

void UpperFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    CaseFunction(context, argv, true);
}

void LowerFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    CaseFunction(context, argv, false);
}

// SUBSTRING(text, start, length): characters start .. start + length - 1, counting from 1; a
// start before 1 still counts the positions before the text.
void SubstringFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (IsNull(argv[0]) || IsNull(argv[1]) || IsNull(argv[2])) {
        sqlite3_result_null(context);
        return;
    }
    const std::int64_t start = IntegerOf(argv[1]);
    const std::int64_t length = IntegerOf(argv[2]);
    if (length < 0) {
        sqlite3_result_error(context, "Invalid length parameter passed to the substring function.", -1);
        return;
    }
    // One past the last position; start and length may be any 64-bit values (length is not
    // negative here), so the sum saturates instead of overflowing.
    const std::int64_t end = start > std::numeric_limits<std::int64_t>::max() - length ? std::numeric_limits<std::int64_t>::max()
                                                                                      : start + length;
    // Offsets from 0 into a value of `size` units, clipped to it before anything is subtracted.
    const auto span = [&](std::int64_t size) {
        const std::int64_t from = std::clamp<std::int64_t>(start, 1, size + 1) - 1;
        return std::pair{from, std::max(from, std::clamp<std::int64_t>(end, 1, size + 1) - 1)};
    };
    if (sqlite3_value_type(argv[0]) == SQLITE_BLOB) {
        const auto* data = static_cast<const char*>(sqlite3_value_blob(argv[0]));
        const auto [from, to] = span(sqlite3_value_bytes(argv[0]));
        sqlite3_result_blob64(context, data ? data + from : "", static_cast<sqlite3_uint64>(to - from), SQLITE_TRANSIENT);
        return;
    }
    const std::u32string text = DecodeUtf8(TextArg(argv[0]));
    const auto [from, to] = span(static_cast<std::int64_t>(text.size()));
    SetText(context, EncodeUtf8(std::u32string_view(text).substr(static_cast<size_t>(from), static_cast<size_t>(to - from))));
}

// DATALENGTH(value[, unicode]): bytes as SQL Server stores the value: two per UTF-16 unit for a
// Unicode text, one per ASCII character and two per other character in a double-byte code page.
void DataLengthFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL:
        sqlite3_result_null(context);
        return;
    case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_value_int64(argv[0]);
        sqlite3_result_int(context, v >= std::numeric_limits<std::int32_t>::min() &&
                                            v <= std::numeric_limits<std::int32_t>::max()
                                        ? 4
                                        : 8);
        return;
    }
    case SQLITE_FLOAT:
        sqlite3_result_int(context, 8);
        return;
    case SQLITE_BLOB:
        sqlite3_result_int64(context, sqlite3_value_bytes(argv[0]));
        return;
    default:
        break;
    }
    const bool unicode = argc == 2 && sqlite3_value_int(argv[1]) != 0;
    std::int64_t bytes = 0;
    for (char32_t c : DecodeUtf8(TextArg(argv[0]))) {
        if (unicode)
            bytes += c >= 0x10000 && !(c >= 0xDC80 && c <= 0xDCFF) ? 4 : 2;
        else
            bytes += c < 0x80 || (c >= 0xDC80 && c <= 0xDCFF) ? 1 : 2;
    }
    sqlite3_result_int64(context, bytes);
}

// CHAR(n): the character of byte n in the Windows code page 1252; NULL outside 0 to 255.
void CharFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    static constexpr char16_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                                           0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                                           0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    if (IsNull(argv[0])) {
        sqlite3_result_null(context);
        return;
    }
    const std::int64_t n = IntegerOf(argv[0]);
    if (n < 0 || n > 255) {
        sqlite3_result_null(context);
        return;
    }
    std::string text;
    AppendUtf8(text, n >= 0x80 && n < 0xA0 ? kHigh[n - 0x80] : static_cast<char32_t>(n));
    SetText(context, text);
}

// NCHAR(n): the UTF-16 character n; NULL outside 0 to 65535 and for a lone surrogate.
void NCharFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (IsNull(argv[0])) {
        sqlite3_result_null(context);
        return;
    }
    const std::int64_t n = IntegerOf(argv[0]);
    if (n < 0 || n > 0xFFFF || (n >= 0xD800 && n <= 0xDFFF)) {
        sqlite3_result_null(context);
        return;
    }
    std::string text;
    AppendUtf8(text, static_cast<char32_t>(n));
    SetText(context, text);
}

// convert('type', value[, style[, 'source type']]): CONVERT and CAST; the rewriter turns the
// type into text and adds the value's own type when it knows it.
void ConvertFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    const TSqlDataType type = TSqlDataType::Parse(TextArg(argv[0]));
    std::optional<int> style;
    if (argc >= 3 && !IsNull(argv[2]))
        style = static_cast<int>(IntegerOf(argv[2]));
    const TSqlDataType source = argc == 4 ? TSqlDataType::Parse(TextArg(argv[3])) : TSqlDataType{};
    SetResult(context, ConvertValue(ValueOf(argv[1]), type, style, source));
}

DatePart PartOf(sqlite3_value* value, const char* function)
{
    const auto part = DatePartNamed(TextArg(value));
    if (!part)
        throw TSqlError("'" + Excerpt(TextArg(value)) + "' is not a recognized " + function + " option.");
    return *part;
}

TSqlDateTime DateOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        if (const auto date = TSqlDateTime::FromDays(sqlite3_value_double(value)))
            return *date;
        throw TSqlError("Arithmetic overflow error converting expression to data type datetime.");
    case SQLITE_TEXT:
        if (const auto date = TSqlDateTime::Parse(TextArg(value)))
            return *date;
        [[fallthrough]];
    default:
        throw TSqlError("Conversion failed when converting date and/or time from character string.");
    }
}

void DateAddFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const DatePart part = PartOf(argv[0], "dateadd");
    if (IsNull(argv[1]) || IsNull(argv[2])) {
        sqlite3_result_null(context);
        return;
    }
    const auto result = DateAdd(part, IntegerOf(argv[1]), DateOf(argv[2]));
    if (!result)
        throw TSqlError("Adding a value to a 'datetime' column caused an overflow.");
    SetText(context, result->StorageText());
}

void DateDiffFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const DatePart part = PartOf(argv[0], "datediff");
    if (IsNull(argv[1]) || IsNull(argv[2])) {
        sqlite3_result_null(context);
        return;
    }
    const std::int64_t diff = DateDiff(part, DateOf(argv[1]), DateOf(argv[2]));
    if (diff < std::numeric_limits<std::int32_t>::min() || diff > std::numeric_limits<std::int32_t>::max())
        throw TSqlError("The datediff function resulted in an overflow. The number of dateparts separating two "
                        "date/time instances is too large. Try to use datediff with a less precise datepart.");
    sqlite3_result_int64(context, diff);
}

void DatePartValue(sqlite3_context* context, DatePart part, sqlite3_value* date)
{
    if (IsNull(date))
        sqlite3_result_null(context);
    else
        sqlite3_result_int64(context, DatePartOf(part, DateOf(date)));
}

void DatePartFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    DatePartValue(context, PartOf(argv[0], "datepart"), argv[1]);
}

void YearFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    DatePartValue(context, DatePart::Year, argv[0]);
}

void MonthFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    DatePartValue(context, DatePart::Month, argv[0]);
}

void DayFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    DatePartValue(context, DatePart::Day, argv[0]);
}

// divisor(x): x itself, unless it is zero (the rewriter puts it around the right operand of "/"
// and "%").
void DivisorFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    const int type = sqlite3_value_numeric_type(argv[0]);
    if ((type == SQLITE_INTEGER && sqlite3_value_int64(argv[0]) == 0) || (type == SQLITE_FLOAT && sqlite3_value_double(argv[0]) == 0))
        throw TSqlError("Divide by zero error encountered.");
    sqlite3_result_value(context, argv[0]);
}

// integer_avg(x): AVG of whole numbers, a whole number cut toward zero; the sum must fit 64 bits.
struct IntegerAverage {
    std::int64_t sum = 0;
    std::int64_t count = 0;
};

void IntegerAvgStep(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (IsNull(argv[0]))
        return;
    auto* average = static_cast<IntegerAverage*>(sqlite3_aggregate_context(context, sizeof(IntegerAverage)));
    if (!average) {
        sqlite3_result_error_nomem(context);
        return;
    }
    const std::int64_t value = IntegerOf(argv[0]);
    if (__builtin_add_overflow(average->sum, value, &average->sum))
        throw TSqlError("Arithmetic overflow error converting expression to data type bigint.");
    ++average->count;
}

void IntegerAvgFinal(sqlite3_context* context)
{
    const auto* average = static_cast<IntegerAverage*>(sqlite3_aggregate_context(context, 0));
    if (!average || average->count == 0)
        sqlite3_result_null(context);
    else
        sqlite3_result_int64(context, average->sum / average->count);
}

// Every function answers a TSqlError with the statement's error in SQL Server's words.
template <void (*Body)(sqlite3_context*, int, sqlite3_value**)>
void Safe(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    TSqlGuarded(context, [&] { Body(context, argc, argv); });
}

int CompareCollated(void* rules, int aSize, const void* a, int bSize, const void* b)
{
    return CompareText(std::string_view(static_cast<const char*>(a), static_cast<size_t>(aSize)),
                       std::string_view(static_cast<const char*>(b), static_cast<size_t>(bSize)),
                       rules ? *static_cast<const CollationRules*>(rules) : CollationRules{});
}

// A collation a statement names ("COLLATE Chinese_PRC_CS_AS") is made when first asked for.
void MakeNamedCollation(void*, sqlite3* db, int, const char* name)
{
    if (const auto rules = CollationNamed(name))
        sqlite3_create_collation_v2(db, name, SQLITE_UTF8, new CollationRules(*rules), CompareCollated,
                                    [](void* p) { delete static_cast<CollationRules*>(p); });
}

}  // namespace

void RegisterTSqlFunctions(sqlite3* db)
{
    sqlite3_create_collation_v2(db, kTextCollation, SQLITE_UTF8, nullptr, CompareCollated, nullptr);
    sqlite3_collation_needed(db, nullptr, MakeNamedCollation);

    struct Function {
        const char* name;
        int arguments;
        void (*body)(sqlite3_context*, int, sqlite3_value**);
    };
    static constexpr Function kFunctions[] = {
        {"like", 2, Safe<LikeFunction>},           {"like", 3, Safe<LikeFunction>},
        {"charindex", 2, Safe<CharIndexFunction>}, {"charindex", 3, Safe<CharIndexFunction>},
        {"replace", 3, Safe<ReplaceFunction>},     {"upper", 1, Safe<UpperFunction>},
        {"lower", 1, Safe<LowerFunction>},         {"substring", 3, Safe<SubstringFunction>},
        {"datalength", 1, Safe<DataLengthFunction>}, {"datalength", 2, Safe<DataLengthFunction>},
        {"char", 1, Safe<CharFunction>},           {"nchar", 1, Safe<NCharFunction>},
        {"convert", 2, Safe<ConvertFunction>},     {"convert", 3, Safe<ConvertFunction>},
        {"convert", 4, Safe<ConvertFunction>},     {"dateadd", 3, Safe<DateAddFunction>},
        {"datediff", 3, Safe<DateDiffFunction>},   {"datepart", 2, Safe<DatePartFunction>},
        {"year", 1, Safe<YearFunction>},           {"month", 1, Safe<MonthFunction>},
        {"day", 1, Safe<DayFunction>},             {"divisor", 1, Safe<DivisorFunction>},
    };
    constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    for (const Function& f : kFunctions)
        sqlite3_create_function_v2(db, f.name, f.arguments, kFlags, nullptr, f.body, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "integer_avg", 1, kFlags, nullptr, nullptr, Safe<IntegerAvgStep>,
                               [](sqlite3_context* context) { TSqlGuarded(context, [&] { IntegerAvgFinal(context); }); }, nullptr);
}

}  // namespace ado::provider
