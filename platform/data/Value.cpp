#include "Value.h"

#include "AutomationError.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <charconv>
#include <cstdio>

namespace ado {

namespace {

std::string DoubleText(double d)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
    return std::string(buffer, result.ptr);
}

// Writes value as exactly width digits at out; false when it does not fit in them.
bool PutDigits(char* out, int value, int width)
{
    if (value < 0)
        return false;
    for (int i = width - 1; i >= 0; --i, value /= 10)
        out[i] = static_cast<char>('0' + value % 10);
    return value == 0;
}

std::string DateText(const DateTime& t)
{
    // Composed in place: a query's output formats one per row and date column.
    char text[] = "0000-00-00 00:00:00.0000000";
    if (PutDigits(text, t.year, 4) && PutDigits(text + 5, t.month, 2) && PutDigits(text + 8, t.day, 2) &&
        PutDigits(text + 11, t.hour, 2) && PutDigits(text + 14, t.minute, 2) && PutDigits(text + 17, t.second, 2) &&
        PutDigits(text + 20, t.millisecond, 3) && PutDigits(text + 23, t.tick, 4))
        return std::string(text, t.tick ? 27 : t.millisecond ? 23 : 19);
    char buffer[48];
    if (t.tick)
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d%04d", t.year, t.month, t.day,
                      t.hour, t.minute, t.second, t.millisecond, t.tick);
    else if (t.millisecond)
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day,
                      t.hour, t.minute, t.second, t.millisecond);
    else
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                      t.minute, t.second);
    return buffer;
}

std::string HexText(const Bytes& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 15]);
    }
    return text;
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

std::string ToText(const Value& value)
{
    return std::visit(
        Overloaded{
            [](const Null&) -> std::string {
                throw automation::AutomationError(94, QStringLiteral("Invalid use of Null"));
            },
            [](bool b) -> std::string { return b ? "True" : "False"; },
            [](std::int64_t i) { return std::to_string(i); },
            [](double d) { return DoubleText(d); },
            [](const Decimal& d) { return d.digits; },
            [](const std::string& s) { return s; },
            [](const Bytes& b) { return HexText(b); },
            [](const DateTime& t) { return DateText(t); },
        },
        value);
}

QVariant ToVariant(const Value& value)
{
    return std::visit(
        Overloaded{
            [](const Null&) { return QVariant(); },
            [](bool b) { return QVariant(b); },
            [](std::int64_t i) { return QVariant(static_cast<qlonglong>(i)); },
            [](double d) { return QVariant(d); },
            [](const Decimal& d) { return QVariant(QString::fromStdString(d.digits)); },
            [](const std::string& s) { return QVariant(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))); },
            [](const Bytes& b) {
                return QVariant(QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size())));
            },
            [](const DateTime& t) {
                return QVariant(QDateTime(QDate(t.year, t.month, t.day),
                                          QTime(t.hour, t.minute, t.second, t.millisecond)));
            },
        },
        value);
}

}  // namespace ado
