#include "FindFilter.h"

#include "modPublic.h"

namespace findfilter {

namespace {

// What the database server says when typed text holds a single quote.
const QString kOperatorMessage =
    QStringLiteral("Invalid operator for data type. Operator equals modulo, type equals varchar.");
const QString kUnclosedQuoteMessage =
    QStringLiteral("Unclosed quotation mark before the character string '  order by FSubSystemID'.");

}  // namespace

QString Filter(const QString& code, const QString& name)
{
    if (code.isEmpty())
        return QStringLiteral(" FDescription Like '%") + name + QStringLiteral("%' ");
    if (!name.isEmpty())
        return QStringLiteral(" FTableName like '%") + code + QStringLiteral("%' and FDescription Like '%") + name +
               QStringLiteral("%' ");
    return QStringLiteral(" FTableName Like'%") + code + QStringLiteral("%' ");
}

QString FailureText(const QString& sMsg)
{
    if (sMsg == kOperatorMessage || sMsg == kUnclosedQuoteMessage)
        return modPublic::LocalText(QStringLiteral("输入有误,请重新输入"));
    return sMsg;
}

}  // namespace findfilter
