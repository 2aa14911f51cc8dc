#include "TableFacts.h"

#include <QVariantList>

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QVariantMap TableFacts::ToMap() const
{
    QVariantList forms;
    for (const OtherForm& form : otherForms)
        forms.push_back(QVariantMap{{QStringLiteral("column"), FromUtf8(form.column)},
                                    {QStringLiteral("values"), form.values},
                                    {QStringLiteral("firstRow"), form.firstRow}});
    return {
        {QStringLiteral("server"), FromUtf8(server)},
        {QStringLiteral("database"), FromUtf8(database)},
        {QStringLiteral("table"), FromUtf8(table)},
        {QStringLiteral("part"), iType == 1 ? QStringLiteral("structure") : QStringLiteral("data")},
        {QStringLiteral("ok"), error.empty()},
        {QStringLiteral("error"), FromUtf8(error)},
        {QStringLiteral("cancelled"), cancelled},
        {QStringLiteral("estimatedRows"), estimatedRows},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("bytes"), bytes},
        {QStringLiteral("seconds"), seconds},
        {QStringLiteral("otherForms"), forms},
    };
}
