#include "TSqlDateTime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace ado::provider {

namespace {

constexpr std::int64_t kDaysFrom1970To1900 = 25567;
constexpr std::array<const char*, 12> kMonthNames = {"january", "february", "march",     "april",   "may",      "june",
                                                     "july",    "august",   "september", "october", "november", "december"};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kDaysFrom1970To1900;
}

struct Civil {
    int year, month, day;
};

Civil CivilFromDays(std::int64_t days)
{
    const std::int64_t z = days - kDaysFrom1970To1900 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return Civil{static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

bool Leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Leap(y) ? 29 : kDays[m - 1];
}

bool ValidDate(int y, int m, int d)
{
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

// A cursor over the text of a date.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool End() const { return m_at >= m_text.size(); }
    char Peek(size_t ahead = 0) const { return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : '\0'; }
    void Skip(size_t n = 1) { m_at += n; }
    size_t Blanks()
    {
        const size_t start = m_at;
        while (!End() && (Peek() == ' ' || Peek() == ','))
            ++m_at;
        return m_at - start;
    }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++m_at;
        return true;
    }
    size_t DigitRun() const
    {
        size_t n = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek(n))))
            ++n;
        return n;
    }
    int Number(size_t width)
    {
        int value = 0;
        for (size_t k = 0; k < width; ++k)
            value = value * 10 + (m_text[m_at++] - '0');
        return value;
    }
    std::string Letters()
    {
        std::string word;
        while (std::isalpha(static_cast<unsigned char>(Peek())))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(m_text[m_at++])));
        return word;
    }

private:
    std::string_view m_text;
    size_t m_at = 0;
};

int MonthNamed(const std::string& word)
{
    if (word.size() < 3)
        return 0;
    for (size_t m = 0; m < kMonthNames.size(); ++m) {
        const std::string_view name = kMonthNames[m];
        if (name.substr(0, word.size()) == word)
            return static_cast<int>(m) + 1;
    }
    return 0;
}

int FullYear(int year, size_t digits)
{
    // Two-digit years follow SQL Server's default cutoff of 2049.
    return digits <= 2 ? (year < 50 ? 2000 + year : 1900 + year) : year;
}

// "hh:mi[:ss[.fff]][ AM|PM]", or "hhAM"; false when the text holds no time there.
bool ReadTime(Reader& r, std::int64_t& ms)
{
    const size_t hourDigits = r.DigitRun();
    if (hourDigits < 1 || hourDigits > 2)
        return false;
    int hour = r.Number(hourDigits);
    int minute = 0;
    int second = 0;
    double fraction = 0;
    if (r.Take(':')) {
        if (r.DigitRun() != 2)
            return false;
        minute = r.Number(2);
        if (r.Take(':')) {
            if (r.DigitRun() != 2)
                return false;
            second = r.Number(2);
            if (r.Take('.') || r.Take(':')) {
                double scale = 0.1;
                for (size_t n = r.DigitRun(); n > 0; --n, scale /= 10)
                    fraction += r.Number(1) * scale;
            }
        }
    } else if (!std::isalpha(static_cast<unsigned char>(r.Peek())) && r.Peek() != ' ') {
        return false;
    }
    r.Blanks();
    const std::string half = r.Letters();
    if (half == "am" || half == "pm") {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (half == "pm" ? 12 : 0);
    } else if (!half.empty()) {
        return false;
    }
    if (hour > 23 || minute > 59 || second > 59)
        return false;
    ms = ((hour * 60 + minute) * 60 + second) * 1000LL + std::llround(fraction * 1000);
    return true;
}

bool DayFirst(int style)
{
    switch (style % 100) {
    case 3:
    case 4:
    case 5:
        return true;
    default:
        return false;
    }
}

// The date part of the text; r stops after it.
bool ReadDate(Reader& r, int style, int& y, int& m, int& d)
{
    const size_t run = r.DigitRun();
    if (run == 8) {
        y = r.Number(4), m = r.Number(2), d = r.Number(2);
        return true;
    }
    if (run == 6 && (r.Peek(6) == '\0' || r.Peek(6) == ' ')) {
        y = FullYear(r.Number(2), 2), m = r.Number(2), d = r.Number(2);
        return true;
    }
    if (run == 4) {
        y = r.Number(4);
        const char separator = r.Peek();
        if (separator != '-' && separator != '/' && separator != '.')
            return false;
        r.Skip();
        const size_t mDigits = r.DigitRun();
        if (mDigits < 1 || mDigits > 2)
            return false;
        m = r.Number(mDigits);
        if (!r.Take(separator))
            return false;
        const size_t dDigits = r.DigitRun();
        if (dDigits < 1 || dDigits > 2)
            return false;
        d = r.Number(dDigits);
        return true;
    }
    if (run == 1 || run == 2) {
        const int first = r.Number(run);
        const char separator = r.Peek();
        if (separator == '-' || separator == '/' || separator == '.') {
            r.Skip();
            const size_t secondDigits = r.DigitRun();
            if (secondDigits < 1 || secondDigits > 2)
                return false;
            const int second = r.Number(secondDigits);
            if (!r.Take(separator))
                return false;
            const size_t yDigits = r.DigitRun();
            if (yDigits != 2 && yDigits != 4)
                return false;
            y = FullYear(r.Number(yDigits), yDigits);
            m = DayFirst(style) ? second : first;
            d = DayFirst(style) ? first : second;
            return true;
        }
        // "5 Jan 2024"
        r.Blanks();
        m = MonthNamed(r.Letters());
        r.Blanks();
        const size_t yDigits = r.DigitRun();
        if (m == 0 || (yDigits != 2 && yDigits != 4))
            return false;
        d = first;
        y = FullYear(r.Number(yDigits), yDigits);
        return true;
    }
    if (run == 0) {
        // "Jan 5 2024", "January 5, 2024"
        m = MonthNamed(r.Letters());
        r.Blanks();
        const size_t dDigits = r.DigitRun();
        if (m == 0 || dDigits < 1 || dDigits > 2)
            return false;
        d = r.Number(dDigits);
        r.Blanks();
        const size_t yDigits = r.DigitRun();
        if (yDigits != 2 && yDigits != 4)
            return false;
        y = FullYear(r.Number(yDigits), yDigits);
        return true;
    }
    return false;
}

std::string Format(const char* format, auto... values)
{
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

std::optional<TSqlDateTime> TSqlDateTime::Parse(std::string_view text, int style)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty())
        return FromCivil(1900, 1, 1);  // SQL Server reads an empty text as its first day
    {
        Reader r(text);
        std::int64_t ms = 0;
        if (r.DigitRun() <= 2 && (r.Peek(r.DigitRun()) == ':') && ReadTime(r, ms) && r.End())
            return TSqlDateTime{0, ms};
    }
    Reader r(text);
    int y = 0, m = 0, d = 0;
    if (!ReadDate(r, style, y, m, d) || !ValidDate(y, m, d))
        return std::nullopt;
    std::int64_t ms = 0;
    if (!r.End()) {
        if (!r.Take('T') && r.Blanks() == 0)
            return std::nullopt;
        if (!ReadTime(r, ms))
            return std::nullopt;
        r.Blanks();
        if (!r.End())
            return std::nullopt;
    }
    return FromCivil(y, m, d, ms);
}

std::optional<TSqlDateTime> TSqlDateTime::FromDays(double days)
{
    if (!std::isfinite(days) || days < static_cast<double>(DaysFromCivil(1, 1, 1)) ||
        days >= static_cast<double>(DaysFromCivil(10000, 1, 1)))
        return std::nullopt;
    const double whole = std::floor(days);
    TSqlDateTime t{static_cast<std::int64_t>(whole), std::llround((days - whole) * kMsPerDay)};
    if (t.ms >= kMsPerDay) {
        ++t.days;
        t.ms -= kMsPerDay;
    }
    return t;
}

TSqlDateTime TSqlDateTime::FromCivil(int year, int month, int day, std::int64_t ms)
{
    return TSqlDateTime{DaysFromCivil(year, month, day), ms};
}

int TSqlDateTime::Year() const
{
    return CivilFromDays(days).year;
}

int TSqlDateTime::Month() const
{
    return CivilFromDays(days).month;
}

int TSqlDateTime::Day() const
{
    return CivilFromDays(days).day;
}

std::string TSqlDateTime::StorageText() const
{
    const Civil c = CivilFromDays(days);
    const auto s = ms / 1000;
    return Format("%04d-%02d-%02d %02d:%02d:%02d.%03d", c.year, c.month, c.day, static_cast<int>(s / 3600),
                  static_cast<int>(s / 60 % 60), static_cast<int>(s % 60), static_cast<int>(ms % 1000));
}

std::optional<std::string> TSqlDateTime::StyleText(int style) const
{
    const Civil c = CivilFromDays(days);
    const int hour = static_cast<int>(ms / 3600000);
    const int minute = static_cast<int>(ms / 60000 % 60);
    const int second = static_cast<int>(ms / 1000 % 60);
    const int milli = static_cast<int>(ms % 1000);
    const bool century = style >= 100;
    const int y = century ? c.year : c.year % 100;
    const char* const yFormat = century ? "%04d" : "%02d";
    const auto ymd = [&](const char* separator) {
        return Format(yFormat, y) + separator + Format("%02d%s%02d", c.month, separator, c.day);
    };
    const auto dmy = [&](const char* separator) {
        return Format("%02d%s%02d%s", c.day, separator, c.month, separator) + Format(yFormat, y);
    };
    const auto mdy = [&](const char* separator) {
        return Format("%02d%s%02d%s", c.month, separator, c.day, separator) + Format(yFormat, y);
    };
    const std::string time = Format("%02d:%02d:%02d", hour, minute, second);
    const std::string iso = Format("%04d-%02d-%02d", c.year, c.month, c.day);
    switch (style) {
    case 0:
    case 100: {
        std::string month(kMonthNames[static_cast<size_t>(c.month - 1)], 3);
        month[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(month[0])));
        const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
        return month + Format(" %2d %04d %2d:%02d%s", c.day, c.year, hour12, minute, hour < 12 ? "AM" : "PM");
    }
    case 1:
    case 101:
        return mdy("/");
    case 2:
    case 102:
        return ymd(".");
    case 3:
    case 103:
        return dmy("/");
    case 4:
    case 104:
        return dmy(".");
    case 5:
    case 105:
        return dmy("-");
    case 8:
    case 108:
        return time;
    case 10:
    case 110:
        return mdy("-");
    case 11:
    case 111:
        return ymd("/");
    case 12:
    case 112:
        return ymd("");
    case 20:
    case 120:
        return iso + " " + time;
    case 21:
    case 121:
        return iso + " " + time + Format(".%03d", milli);
    case 23:
        return iso;
    case 126:
        return iso + "T" + time + (milli ? Format(".%03d", milli) : std::string());
    default:
        return std::nullopt;
    }
}

std::optional<DatePart> DatePartNamed(std::string_view name)
{
    struct Name {
        std::string_view text;
        DatePart part;
    };
    static constexpr Name kNames[] = {
        {"year", DatePart::Year},         {"yy", DatePart::Year},          {"yyyy", DatePart::Year},
        {"quarter", DatePart::Quarter},   {"qq", DatePart::Quarter},       {"q", DatePart::Quarter},
        {"month", DatePart::Month},       {"mm", DatePart::Month},         {"m", DatePart::Month},
        {"dayofyear", DatePart::DayOfYear}, {"dy", DatePart::DayOfYear},   {"y", DatePart::DayOfYear},
        {"day", DatePart::Day},           {"dd", DatePart::Day},           {"d", DatePart::Day},
        {"week", DatePart::Week},         {"wk", DatePart::Week},          {"ww", DatePart::Week},
        {"weekday", DatePart::Weekday},   {"dw", DatePart::Weekday},       {"w", DatePart::Weekday},
        {"hour", DatePart::Hour},         {"hh", DatePart::Hour},          {"minute", DatePart::Minute},
        {"mi", DatePart::Minute},         {"n", DatePart::Minute},         {"second", DatePart::Second},
        {"ss", DatePart::Second},         {"s", DatePart::Second},         {"millisecond", DatePart::Millisecond},
        {"ms", DatePart::Millisecond},
    };
    std::string lower;
    for (char c : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Name& n : kNames)
        if (n.text == lower)
            return n.part;
    return std::nullopt;
}

namespace {

std::int64_t TotalMs(const TSqlDateTime& t)
{
    return t.days * TSqlDateTime::kMsPerDay + t.ms;
}

TSqlDateTime FromTotalMs(std::int64_t total)
{
    const std::int64_t days = FloorDiv(total, TSqlDateTime::kMsPerDay);
    return TSqlDateTime{days, total - days * TSqlDateTime::kMsPerDay};
}

std::int64_t MonthIndex(const TSqlDateTime& t)
{
    const Civil c = CivilFromDays(t.days);
    return c.year * 12LL + c.month - 1;
}

std::int64_t WeekIndex(std::int64_t days)
{
    return FloorDiv(days + 1, 7);  // 1899-12-31, a Sunday, is day -1
}

std::int64_t Weekday(std::int64_t days)
{
    return ((days + 1) % 7 + 7) % 7 + 1;
}

}  // namespace

std::optional<TSqlDateTime> DateAdd(DatePart part, std::int64_t number, const TSqlDateTime& date)
{
    // Beyond 4,000,000 days no date stays within the years 1 to 9999.
    constexpr std::int64_t kDays = 4000000;
    const std::int64_t perDay = part == DatePart::Hour     ? 24
                                : part == DatePart::Minute ? 24 * 60
                                : part == DatePart::Second ? 24 * 60 * 60
                                : part == DatePart::Millisecond ? TSqlDateTime::kMsPerDay
                                                                : 1;
    if (number > kDays * perDay || number < -kDays * perDay)
        return std::nullopt;
    TSqlDateTime result = date;
    const auto addMonths = [&](std::int64_t months) -> std::optional<TSqlDateTime> {
        const Civil c = CivilFromDays(date.days);
        const std::int64_t index = c.year * 12LL + c.month - 1 + months;
        const std::int64_t y = FloorDiv(index, 12);
        if (y < 1 || y > 9999)
            return std::nullopt;
        const int m = static_cast<int>(index - y * 12 + 1);
        const int d = std::min(c.day, DaysInMonth(static_cast<int>(y), m));
        return TSqlDateTime::FromCivil(static_cast<int>(y), m, d, date.ms);
    };
    switch (part) {
    case DatePart::Year:
        if (number > 10000 || number < -10000)
            return std::nullopt;
        return addMonths(number * 12);
    case DatePart::Quarter:
        if (number > 40000 || number < -40000)
            return std::nullopt;
        return addMonths(number * 3);
    case DatePart::Month:
        if (number > 120000 || number < -120000)
            return std::nullopt;
        return addMonths(number);
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        result.days += number;
        break;
    case DatePart::Week:
        result.days += number * 7;
        break;
    case DatePart::Hour:
        result = FromTotalMs(TotalMs(date) + number * 3600000);
        break;
    case DatePart::Minute:
        result = FromTotalMs(TotalMs(date) + number * 60000);
        break;
    case DatePart::Second:
        result = FromTotalMs(TotalMs(date) + number * 1000);
        break;
    case DatePart::Millisecond:
        result = FromTotalMs(TotalMs(date) + number);
        break;
    }
    const int year = result.Year();
    if (year < 1 || year > 9999)
        return std::nullopt;
    return result;
}

std::int64_t DateDiff(DatePart part, const TSqlDateTime& start, const TSqlDateTime& end)
{
    switch (part) {
    case DatePart::Year:
        return end.Year() - start.Year();
    case DatePart::Quarter:
        return MonthIndex(end) / 3 - MonthIndex(start) / 3;
    case DatePart::Month:
        return MonthIndex(end) - MonthIndex(start);
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        return end.days - start.days;
    case DatePart::Week:
        return WeekIndex(end.days) - WeekIndex(start.days);
    case DatePart::Hour:
        return FloorDiv(TotalMs(end), 3600000) - FloorDiv(TotalMs(start), 3600000);
    case DatePart::Minute:
        return FloorDiv(TotalMs(end), 60000) - FloorDiv(TotalMs(start), 60000);
    case DatePart::Second:
        return FloorDiv(TotalMs(end), 1000) - FloorDiv(TotalMs(start), 1000);
    case DatePart::Millisecond:
        return TotalMs(end) - TotalMs(start);
    }
    return 0;
}

std::int64_t DatePartOf(DatePart part, const TSqlDateTime& date)
{
    const Civil c = CivilFromDays(date.days);
    const std::int64_t dayOfYear = date.days - DaysFromCivil(c.year, 1, 1) + 1;
    switch (part) {
    case DatePart::Year:
        return c.year;
    case DatePart::Quarter:
        return (c.month - 1) / 3 + 1;
    case DatePart::Month:
        return c.month;
    case DatePart::DayOfYear:
        return dayOfYear;
    case DatePart::Day:
        return c.day;
    case DatePart::Week:
        return (dayOfYear - 1 + Weekday(DaysFromCivil(c.year, 1, 1)) - 1) / 7 + 1;
    case DatePart::Weekday:
        return Weekday(date.days);
    case DatePart::Hour:
        return date.ms / 3600000;
    case DatePart::Minute:
        return date.ms / 60000 % 60;
    case DatePart::Second:
        return date.ms / 1000 % 60;
    case DatePart::Millisecond:
        return date.ms % 1000;
    }
    return 0;
}

}  // namespace ado::provider
