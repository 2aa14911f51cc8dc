#include "FindFilter.h"

#include "modPublic.h"

namespace findfilter {

namespace {

// What the database server says when a filter's text holds a single quote.
const QString kOperatorMessage =
    QStringLiteral("Invalid operator for data type. Operator equals modulo, type equals varchar.");
const QString kUnclosedQuoteMessage =
    QStringLiteral("Unclosed quotation mark before the character string '  order by FSubSystemID, FTableID'.");

bool Searchable(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isNull())
            return false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

// The text as the inside of a Unicode literal used as a LIKE pattern: quotes doubled, and the
// pattern characters each in a bracket of its own, which every T-SQL engine reads without an
// ESCAPE clause.
QString Pattern(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\'')
            out += QStringLiteral("''");
        else if (c == u'%' || c == u'_' || c == u'[')
            out += u'[' + QString(c) + u']';
        else
            out += c;
    }
    return out;
}

QString DescriptionColumn(const QString& language)
{
    if (language == QLatin1String("CHT"))
        return QStringLiteral("isnull(FDescription_CHT,FDescription)");
    if (language == QLatin1String("EN"))
        return QStringLiteral("isnull(FDescription_EN,FDescription)");
    return QStringLiteral("FDescription");
}

}  // namespace

std::optional<QString> Filter(const QString& code, const QString& name, const QString& language)
{
    if (!Searchable(code) || !Searchable(name))
        return std::nullopt;
    const QString description = DescriptionColumn(language);
    if (code.isEmpty())
        return u' ' + description + QStringLiteral(" Like N'%") + Pattern(name) + QStringLiteral("%' ");
    if (!name.isEmpty())
        return QStringLiteral(" FTableName like N'%") + Pattern(code) + QStringLiteral("%' and ") + description +
               QStringLiteral(" Like N'%") + Pattern(name) + QStringLiteral("%' ");
    return QStringLiteral(" FTableName Like N'%") + Pattern(code) + QStringLiteral("%' ");
}

QString FailureText(const QString& sMsg)
{
    if (sMsg == kOperatorMessage || sMsg == kUnclosedQuoteMessage)
        return BadInputText();
    return sMsg;
}

QString BadInputText()
{
    return modPublic::LocalText(QStringLiteral("输入有误,请重新输入"));
}

}  // namespace findfilter
