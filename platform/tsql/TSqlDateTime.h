#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ado::provider {

// A date and time as SQL Server's datetime counts it: days from 1900-01-01 and milliseconds
// from midnight. Text forms follow SQL Server's conversions; the stored form, which the
// embedded provider writes and reads, is "yyyy-mm-dd hh:mi:ss.mmm".
struct TSqlDateTime {
    std::int64_t days = 0;
    std::int64_t ms = 0;  // 0 .. 86,399,999

    static constexpr std::int64_t kMsPerDay = 86400000;

    // Text as SQL Server reads it into a datetime: "yyyymmdd", "yyyy-mm-dd", "yyyy/mm/dd",
    // "mm/dd/yyyy" (day first for the styles 3, 4, 5, 103, 104, 105), "Jan 5 2024",
    // "5 Jan 2024", each with an optional time "hh:mi[:ss[.fff]][AM|PM]" (after a blank or "T"),
    // or a time alone on 1900-01-01. Nothing when the text is no date.
    static std::optional<TSqlDateTime> Parse(std::string_view text, int style = 0);
    // A number of days (the fraction is the time of day), as SQL Server turns a number into a
    // date; nothing outside the years 1 to 9999.
    static std::optional<TSqlDateTime> FromDays(double days);
    static TSqlDateTime FromCivil(int year, int month, int day, std::int64_t ms = 0);

    int Year() const;
    int Month() const;
    int Day() const;

    // "yyyy-mm-dd hh:mi:ss.mmm".
    std::string StorageText() const;
    // CONVERT's text for a style (0, 100, 1, 101, 2, 102, 3, 103, 4, 104, 5, 105, 8, 108, 10,
    // 110, 11, 111, 12, 112, 20, 120, 21, 121, 23, 126); nothing for any other style.
    std::optional<std::string> StyleText(int style) const;
};

// The date parts of DATEADD, DATEDIFF and DATEPART with their SQL Server names and abbreviations.
enum class DatePart { Year, Quarter, Month, DayOfYear, Day, Week, Weekday, Hour, Minute, Second, Millisecond };

std::optional<DatePart> DatePartNamed(std::string_view name);
// Nothing when the result falls outside the years 1 to 9999.
std::optional<TSqlDateTime> DateAdd(DatePart part, std::int64_t number, const TSqlDateTime& date);
// The number of part boundaries crossed from start to end (weeks start on Sunday).
std::int64_t DateDiff(DatePart part, const TSqlDateTime& start, const TSqlDateTime& end);
// The part of a date, with Sunday as day 1 of the week and week 1 holding January 1.
std::int64_t DatePartOf(DatePart part, const TSqlDateTime& date);

}  // namespace ado::provider
