#include "VexaConvert.h"

#include "AutomationError.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <limits>
#include <type_traits>

namespace vexa {

namespace {

constexpr long kOverflow = 6;
constexpr long kTypeMismatch = 13;

[[noreturn]] void ThrowOverflow()
{
    throw automation::AutomationError(kOverflow, QStringLiteral("Overflow"), QStringLiteral("Vexa"));
}

[[noreturn]] void ThrowTypeMismatch()
{
    throw automation::AutomationError(kTypeMismatch, QStringLiteral("Type mismatch"), QStringLiteral("Vexa"));
}

qint32 FromDouble(double value)
{
    const double rounded = std::nearbyint(value);  // the default rounding mode: half to even
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        ThrowOverflow();
    return static_cast<qint32>(rounded);
}

qint32 FromText(const std::string& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString::fromStdString(text).trimmed(), &ok);
    if (!ok)
        ThrowTypeMismatch();
    return FromDouble(value);
}

}  // namespace

qint32 ToLong(const ado::Field& field, qint32 fallback)
{
    return std::visit(
        [&](const auto& value) -> qint32 {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, ado::Null>) {
                return fallback;
            } else if constexpr (std::is_same_v<T, bool>) {
                return value ? -1 : 0;
            } else if constexpr (std::is_same_v<T, std::int64_t>) {
                if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
                    ThrowOverflow();
                return static_cast<qint32>(value);
            } else if constexpr (std::is_same_v<T, double>) {
                return FromDouble(value);
            } else if constexpr (std::is_same_v<T, ado::Decimal>) {
                return FromText(value.digits);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return FromText(value);
            } else {
                ThrowTypeMismatch();
            }
        },
        field.GetValue());
}

}  // namespace vexa
