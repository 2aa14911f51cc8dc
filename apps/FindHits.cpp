#include "FindHits.h"

#include "FindFilter.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <map>

namespace {

QString Text(const ado::Recordset& rs, const char* column)
{
    const ado::Value& value = rs.Fields(column).GetValue();
    return ado::IsNull(value) ? QString() : QString::fromStdString(ado::ToText(value));
}

const char* DescriptionColumn(const QString& language)
{
    if (language == QLatin1String("CHT"))
        return "FDescription_CHT";
    if (language == QLatin1String("EN"))
        return "FDescription_EN";
    return "FDescription";
}

// The description in the language, or the simplified-Chinese one where it has none, as the tree
// shows the table.
QString Description(const ado::Recordset& rs, const char* column)
{
    return ado::IsNull(rs.Fields(column).GetValue()) ? Text(rs, "FDescription") : Text(rs, column);
}

}  // namespace

int FindHits::Read(clsGetData& data, const DictionaryDocument& document, const QString& code, const QString& name,
                   DictionaryRows& hits, QString& message)
{
    const QString trimmedCode = modPublic::TrimBlanks(code);
    const QString trimmedName = modPublic::TrimBlanks(name);
    if (trimmedCode.isEmpty() && trimmedName.isEmpty()) {
        message = modPublic::LocalText(QStringLiteral("请至少输入一个查找项目！"));
        return 1;
    }
    const std::optional<QString> filter = findfilter::Filter(trimmedCode, trimmedName, document.language);
    if (!filter) {
        message = findfilter::BadInputText();
        return 2;
    }
    QString sMsg = modPublic::LocalText(QStringLiteral("没有查询到满足条件项目!"));
    const ado::RecordsetPtr rs = data.GetMDetail(*filter, &sMsg);
    if (!rs) {
        message = findfilter::FailureText(sMsg);
        return 2;
    }
    std::map<QString, QString> subsystems;
    for (const VexaRecordPtr& record : *document.tree)
        subsystems.emplace(record->GetValue(QStringLiteral("FKey")).toString(),
                           record->GetValue(QStringLiteral("FText")).toString());
    const char* description = DescriptionColumn(document.language);
    hits.title = document.title;
    hits.account = document.account;
    hits.names = {QStringLiteral("subsystem"), QStringLiteral("FTableID"), QStringLiteral("FTableName"),
                  QString::fromLatin1(description)};
    hits.captions = {modPublic::LocalText(QStringLiteral("子系统")), modPublic::LocalText(QStringLiteral("表号")),
                     modPublic::LocalText(QStringLiteral("表代码")), modPublic::LocalText(QStringLiteral("表名称"))};
    for (; !rs->Eof(); rs->MoveNext()) {
        const auto subsystem = subsystems.find(QStringLiteral("gi") + Text(*rs, "FSubSystemID"));
        // The ID stays a number, as the record set holds it.
        bool number = false;
        const QString id = Text(*rs, "FTableID");
        const qint64 value = id.toLongLong(&number);
        hits.rows.push_back({subsystem == subsystems.end() ? QString() : subsystem->second,
                             number ? QVariant(value) : QVariant(id), Text(*rs, "FTableName"), Description(*rs, description)});
    }
    if (hits.rows.empty())
        message = sMsg;
    return 0;
}
