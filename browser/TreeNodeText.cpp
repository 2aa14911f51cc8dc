#include "TreeNodeText.h"

#include "AutomationError.h"
#include "modPublic.h"

#include <cmath>

namespace nodetext {

namespace {
constexpr long kInvalidCall = 5;
constexpr long kOverflow = 6;
constexpr long kTypeMismatch = 13;
}  // namespace

double LeadingNumber(const QString& text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] == QLatin1Char(' '))
        ++end;
    const qsizetype start = end;
    if (end < text.size() && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    bool point = false;
    while (end < text.size() && (text[end].isDigit() || (text[end] == QLatin1Char('.') && !point))) {
        point = point || text[end] == QLatin1Char('.');
        ++end;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok ? value : 0;
}

qint32 ToLong(const QString& text)
{
    bool ok = false;
    const double value = modPublic::TrimBlanks(text).toDouble(&ok);
    if (!ok)
        throw automation::AutomationError(kTypeMismatch, QStringLiteral("Type mismatch"));
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        throw automation::AutomationError(kOverflow, QStringLiteral("Overflow"));
    return static_cast<qint32>(rounded);
}

QString TableName(const QString& nodeText)
{
    // The name is in the last parentheses: a description may hold any character, "(" too, and a
    // name's own parentheses are balanced inside them.
    qsizetype open = -1;
    if (nodeText.endsWith(QLatin1Char(')'))) {
        int depth = 0;
        for (qsizetype i = nodeText.size() - 1; i >= 0 && open < 0; --i) {
            if (nodeText[i] == QLatin1Char(')'))
                ++depth;
            else if (nodeText[i] == QLatin1Char('(') && --depth == 0)
                open = i;
        }
    }
    if (open < 0)
        open = nodeText.lastIndexOf(QLatin1Char('('));
    QString name = nodeText.mid(open + 1);
    if (name.isEmpty())
        throw automation::AutomationError(kInvalidCall, QStringLiteral("Invalid procedure call or argument"));
    name.chop(1);
    return name;
}

qint32 TableId(const QString& nodeKey)
{
    return ToLong(nodeKey.mid(nodeKey.indexOf(QLatin1Char('.')) + 1));
}

}  // namespace nodetext
