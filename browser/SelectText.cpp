#include "SelectText.h"

#include "VexaList.h"

#include <QSet>

namespace {

QString Bracketed(const QString& text)
{
    QString inner = text;
    return u'[' + inner.replace(u']', QStringLiteral("]]")) + u']';
}

bool IsRegularIdentifier(const QString& name)
{
    if (name.isEmpty())
        return false;
    const QChar first = name.front();
    if (!first.isLetter() && first != u'_' && first != u'@' && first != u'#')
        return false;
    for (const QChar c : name)
        if (!c.isLetterOrNumber() && c != u'_' && c != u'@' && c != u'#' && c != u'$')
            return false;
    return true;
}

bool IsReservedWord(const QString& name)
{
    static const QSet<QString> words = {
        QStringLiteral("add"),      QStringLiteral("all"),     QStringLiteral("alter"),    QStringLiteral("and"),
        QStringLiteral("as"),       QStringLiteral("asc"),     QStringLiteral("begin"),    QStringLiteral("between"),
        QStringLiteral("by"),       QStringLiteral("case"),    QStringLiteral("check"),    QStringLiteral("column"),
        QStringLiteral("create"),   QStringLiteral("current"), QStringLiteral("default"),  QStringLiteral("delete"),
        QStringLiteral("desc"),     QStringLiteral("distinct"), QStringLiteral("drop"),    QStringLiteral("else"),
        QStringLiteral("end"),      QStringLiteral("exec"),    QStringLiteral("exists"),   QStringLiteral("file"),
        QStringLiteral("foreign"),  QStringLiteral("from"),    QStringLiteral("function"), QStringLiteral("group"),
        QStringLiteral("having"),   QStringLiteral("identity"), QStringLiteral("in"),      QStringLiteral("index"),
        QStringLiteral("insert"),   QStringLiteral("into"),    QStringLiteral("is"),       QStringLiteral("join"),
        QStringLiteral("key"),      QStringLiteral("left"),    QStringLiteral("like"),     QStringLiteral("not"),
        QStringLiteral("null"),     QStringLiteral("of"),      QStringLiteral("on"),       QStringLiteral("or"),
        QStringLiteral("order"),    QStringLiteral("percent"), QStringLiteral("plan"),     QStringLiteral("primary"),
        QStringLiteral("procedure"), QStringLiteral("public"), QStringLiteral("references"), QStringLiteral("right"),
        QStringLiteral("rule"),     QStringLiteral("select"),  QStringLiteral("set"),      QStringLiteral("table"),
        QStringLiteral("then"),     QStringLiteral("to"),      QStringLiteral("top"),      QStringLiteral("union"),
        QStringLiteral("unique"),   QStringLiteral("update"),  QStringLiteral("user"),     QStringLiteral("values"),
        QStringLiteral("view"),     QStringLiteral("when"),    QStringLiteral("where"),    QStringLiteral("with"),
    };
    return words.contains(name.toLower());
}

}  // namespace

QString SqlName(const QString& name)
{
    return IsRegularIdentifier(name) && !IsReservedWord(name) ? name : Bracketed(name);
}

QString SelectText(const QString& table, const VexaList& fieldRows, const QList<int>& only)
{
    QStringList columns;
    for (int index = 0; index < fieldRows.Count(); ++index) {
        if (!only.isEmpty() && !only.contains(index))
            continue;
        const VexaRecordPtr row = fieldRows.Record(index);
        const QString description = row->GetValue(QStringLiteral("FDescription")).toString();
        QString column = SqlName(row->GetValue(QStringLiteral("FFieldName")).toString());
        if (!description.isEmpty())
            column += QStringLiteral(" as ") + Bracketed(description);
        columns << column;
    }
    return QStringLiteral("select ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" from ") + SqlName(table);
}
