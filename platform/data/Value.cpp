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

std::string DateText(const DateTime& t)
{
    char buffer[40];
    if (t.subMillisecond)
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d%04d", t.year, t.month, t.day,
                      t.hour, t.minute, t.second, t.millisecond, t.subMillisecond);
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
