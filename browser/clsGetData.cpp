#include "clsGetData.h"

#include "AutomationError.h"
#include "Dispatch.h"
#include "IndexReport.h"
#include "MessageSeam.h"
#include "Provider.h"
#include "VexaList.h"
#include "VexaRecord.h"
#include "modPublic.h"

namespace {

constexpr long kObjectNotSet = 91;
// A message box with the information icon and an OK button.
constexpr int kInformationOk = 64;

VexaRecordPtr NewRecord()
{
    return automation::ComponentRegistry::Instance().CreateAs<VexaRecord>(QStringLiteral("Vexa.Record"));
}

VexaListPtr NewList()
{
    return automation::ComponentRegistry::Instance().CreateAs<VexaList>(QStringLiteral("Vexa.List"));
}

QString Text(const ado::Value& value)
{
    return QString::fromStdString(ado::ToText(value));
}

QString Text(const ado::Recordset& rs, const char* column)
{
    return Text(rs.Fields(column).GetValue());
}

// A value joined to text: a null adds nothing, as when a null is concatenated to a text.
QString JoinedText(const ado::Recordset& rs, const char* column)
{
    const ado::Value& value = rs.Fields(column).GetValue();
    return ado::IsNull(value) ? QString() : Text(value);
}

// For a batch read: the current error's description into the message, and nothing read.
std::nullopt_t FailedWithMessage(QString* sMsg)
{
    const automation::ErrorInfo info = automation::InfoFromCurrentException();
    if (sMsg)
        *sMsg = info.description;
    automation::ClearCurrentError();
    return std::nullopt;
}

// A name placed between quotes in a SQL text: each quote inside it doubled, so the name stays
// one literal whatever it holds.
QString InLiteral(const QString& name)
{
    QString quoted = name;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

// A dictionary text in the language's column; when that holds no value, the simplified-Chinese
// column's, and when that holds none either, empty text.
QString LanguageText(const ado::Recordset& rs, const char* languageColumn, const char* defaultColumn)
{
    const ado::Value& value = rs.Fields(languageColumn).GetValue();
    if (!ado::IsNull(value))
        return Text(value);
    const ado::Value& fallback = rs.Fields(defaultColumn).GetValue();
    return ado::IsNull(fallback) ? QString() : Text(fallback);
}

const char* SubsystemNameColumn(const QString& language)
{
    if (language == QLatin1String("CHT"))
        return "FName_CHT";
    if (language == QLatin1String("EN"))
        return "FName_EN";
    return "FName";
}

const char* TableDescriptionColumn(const QString& language)
{
    if (language == QLatin1String("CHT"))
        return "FDescription_CHT";
    if (language == QLatin1String("EN"))
        return "FDescription_EN";
    return "FDescription";
}

void SetTreeValues(VexaRecord& record, qint16 type, const QString& relative, const QString& key, const QString& text,
                   qint16 imgNormal, qint16 imgClick, const QString& tag)
{
    record.SetValue(QStringLiteral("FType"), QVariant::fromValue(type));
    record.SetValue(QStringLiteral("FRelative"), relative);
    record.SetValue(QStringLiteral("FKey"), key);
    record.SetValue(QStringLiteral("FText"), text);
    record.SetValue(QStringLiteral("FimgNormal"), QVariant::fromValue(imgNormal));
    record.SetValue(QStringLiteral("FimgClick"), QVariant::fromValue(imgClick));
    record.SetValue(QStringLiteral("FTag"), tag);
}

}  // namespace

clsGetData::clsGetData(QObject* parent) : QObject(parent)
{
    InitIndexColumns();
    InitFieldColumns();
}

void clsGetData::InitIndexColumns()
{
    const std::pair<const char*, const char*> entries[] = {
        {"索引名称", "Index_Name"},
        {"索引描述", "Index_Description"},
        {"包含的字段", "index_keys"},
    };
    for (const auto& [caption, name] : entries)
        m_indexColumns.push_back(ColumnDef{QString::fromLatin1(name), modPublic::LocalText(QString::fromUtf8(caption))});
}

void clsGetData::InitFieldColumns()
{
    const std::pair<const char*, const char*> entries[] = {
        {"顺序号", "FTableID"},     {"字段名称", "FFieldName"}, {"字段描述", "FDescription"},
        {"字段备注", "FFieldNote"}, {"字段类型", "FFieldType"}, {"字段长度", "Length"},
        {"字段精度", "Prec"},       {"小数位数", "Scale"},      {"允许为空", "FIsNull"},
    };
    for (const auto& [caption, name] : entries)
        m_fieldColumns.push_back(ColumnDef{QString::fromLatin1(name), modPublic::LocalText(QString::fromUtf8(caption))});
}

ado::RecordsetPtr clsGetData::RunQuery(const QString& sql, QString* sMsg) const
{
    try {
        if (m_held)
            return m_held->GetData(sql);
        const auto server = automation::ComponentRegistry::Instance().CreateAs<ClassInfo>(QStringLiteral("NorvMClass.ClassInfo"));
        return server->GetData(modPublic::GetPropsString(), sql);
    } catch (...) {
        const automation::ErrorInfo info = automation::InfoFromCurrentException();
        if (sMsg)
            *sMsg = info.description;
        automation::ClearCurrentError();
        return nullptr;
    }
}

ado::RecordsetPtr clsGetData::QuerySubsystems(const QString&, QString* sMsg) const
{
    return RunQuery(QStringLiteral("SELECT * FROM t_Subsystem ORDER BY FSubSysID"), sMsg);
}

ado::RecordsetPtr clsGetData::GetMDetail(const QString& strFilter, QString* strMsg)
{
    return automation::Guard([&] {
        QString sql = QStringLiteral("select * from t_tabledescription ");
        if (!strFilter.isEmpty())
            sql += QStringLiteral("Where ") + strFilter;
        sql += QStringLiteral(" order by FSubSystemID, FTableID");
        return RunQuery(sql, strMsg);
    });
}

automation::ObjectPtr clsGetData::GetTreeData(const QString& strFilter, QString* sMsg)
{
    return automation::Guard([&]() -> automation::ObjectPtr {
        try {
            const VexaListPtr list = NewList();
            const VexaRecordPtr root = NewRecord();
            SetTreeValues(*root, 0, QString(), QStringLiteral("gc0"), modPublic::LocalText(QStringLiteral("Norv系统模块列表")),
                          1, 2, QStringLiteral("0"));
            list->Add(root);

            const ado::RecordsetPtr subsystems = QuerySubsystems(strFilter, sMsg);
            if (!subsystems)
                return nullptr;
            for (; !subsystems->Eof(); subsystems->MoveNext()) {
                const QString language = modPublic::GetLanguage();
                const VexaRecordPtr record = NewRecord();
                SetTreeValues(*record, 1, QStringLiteral("gc0"), QStringLiteral("gi") + Text(*subsystems, "FSubSysID"),
                              LanguageText(*subsystems, SubsystemNameColumn(language), "FName"), 1, 2,
                              QStringLiteral("0"));
                list->Add(record);
            }

            // The caller's message stays untouched on success; a failure's text goes into ours.
            QString queryMsg = sMsg ? *sMsg : QString();
            const ado::RecordsetPtr tables = GetMDetail(strFilter, &queryMsg);
            if (!tables)
                throw automation::AutomationError(
                    kObjectNotSet, QStringLiteral("No record set came back from the table-description query: ") + queryMsg);
            for (; !tables->Eof(); tables->MoveNext()) {
                const QString language = modPublic::GetLanguage();
                const VexaRecordPtr record = NewRecord();
                record->SetValue(QStringLiteral("FType"), QVariant::fromValue<qint16>(1));
                record->SetValue(QStringLiteral("FRelative"), QStringLiteral("gi") + JoinedText(*tables, "FSubSystemID"));
                record->SetValue(QStringLiteral("FKey"), record->GetValue(QStringLiteral("FRelative")).toString() +
                                                             u'.' + JoinedText(*tables, "FTableID"));
                record->SetValue(QStringLiteral("FText"),
                                 modPublic::TrimBlanks(LanguageText(*tables, TableDescriptionColumn(language), "FDescription")) +
                                     u'(' + modPublic::TrimBlanks(Text(*tables, "FTableName")) + u')');
                record->SetValue(QStringLiteral("FimgNormal"), QVariant::fromValue<qint16>(13));
                record->SetValue(QStringLiteral("FimgClick"), QVariant::fromValue<qint16>(13));
                record->SetValue(QStringLiteral("FTag"), QStringLiteral("1"));
                list->Add(record);
            }
            return list;
        } catch (...) {
            const automation::ErrorInfo info = automation::InfoFromCurrentException();
            if (sMsg)
                *sMsg = modPublic::LocalText(QStringLiteral("读取列表错误:")) + info.description;
            automation::ClearCurrentError();
            return nullptr;
        }
    });
}

automation::ObjectPtr clsGetData::GetInfo(qint32 nType, bool)
{
    return automation::Guard([&]() -> automation::ObjectPtr {
        try {
            const VexaListPtr list = NewList();
            const std::vector<ColumnDef>* layout = nType == 0 ? &m_indexColumns : nType == 1 ? &m_fieldColumns : nullptr;
            if (layout) {
                for (const ColumnDef& column : *layout) {
                    const VexaRecordPtr record = NewRecord();
                    record->SetValue(QStringLiteral("FCaption"), column.Caption);
                    record->SetValue(QStringLiteral("FName"), column.Name);
                    record->SetValue(QStringLiteral("FAlign"), QVariant::fromValue(column.Align));
                    record->SetValue(QStringLiteral("FVisible"), column.Visible);
                    record->SetValue(QStringLiteral("FDecCtl"), QVariant::fromValue(column.DecCtl));
                    list->Add(record);
                }
            }
            return list;
        } catch (...) {
            const automation::ErrorInfo info = automation::InfoFromCurrentException();
            ui::ShowMessage(info.description, kInformationOk, modPublic::LocalText(QStringLiteral("Corvane提示")));
            automation::ClearCurrentError();
            return nullptr;
        }
    });
}

automation::ObjectPtr clsGetData::GetDataByInterID(qint32 FinterID, const QString& strTableName, qint32 nType,
                                                   QString* sMsg)
{
    return automation::Guard([&] { return BuildRows(FinterID, strTableName, nType, sMsg); });
}

catalogue::Kind clsGetData::Catalogue() const
{
    const QString connectionText = m_held ? QString() : modPublic::GetPropsString();
    if (m_catalogue && m_catalogueFor == connectionText)
        return *m_catalogue;
    m_catalogueFor = connectionText;
    // The embedded provider answers the legacy catalogue itself.
    if (m_held ? m_held->IsEmbedded() : ado::provider::NamesEmbedded(connectionText.toStdString())) {
        m_catalogue = catalogue::Kind::Legacy;
        return *m_catalogue;
    }
    QString ignored;
    const ado::RecordsetPtr version = RunQuery(QString::fromLatin1(catalogue::kVersionQuery), &ignored);
    // A server without @@version is no server that needs the catalogue views for that.
    ChooseCatalogue(version && !version->Eof() && version->FieldCount() > 0
                        ? catalogue::FromVersion(Text(version->Fields(0L).GetValue()).toStdString())
                        : catalogue::Kind::Legacy);
    return *m_catalogue;
}

void clsGetData::ChooseCatalogue(catalogue::Kind kind) const
{
    m_catalogue = kind;
    emit const_cast<clsGetData*>(this)->CatalogueChosen(kind == catalogue::Kind::Views);
}

ado::RecordsetPtr clsGetData::FromCatalogue(const QString& legacySql,
                                            const std::function<ado::RecordsetPtr(QString*)>& views, QString* sMsg) const
{
    if (Catalogue() == catalogue::Kind::Legacy) {
        QString message;
        ado::RecordsetPtr rs = RunQuery(legacySql, &message);
        if (rs || !catalogue::SaysLegacyMissing(message.toStdString())) {
            if (!rs && sMsg)
                *sMsg = message;
            return rs;
        }
        ChooseCatalogue(catalogue::Kind::Views);
    }
    return views(sMsg);
}

ado::RecordsetPtr clsGetData::GetTablesAndViews(QString* sMsg) const
{
    return FromCatalogue(QStringLiteral("select name, xtype from sysobjects where xtype in ('U','V') order by name"),
                         [this](QString* message) {
                             return RunQuery(QStringLiteral("select TABLE_NAME as name, case TABLE_TYPE when 'BASE TABLE' "
                                                            "then 'U' else 'V' end as xtype from INFORMATION_SCHEMA.TABLES "
                                                            "order by TABLE_NAME"),
                                             message);
                         },
                         sMsg);
}

QString clsGetData::ViewColumns(const QString& where)
{
    // Lengths and precisions as syscolumns gives them: a character or binary column's precision
    // is its length in characters, -1 for (max).
    return QStringLiteral(
               "(select c.object_id as id, n.TABLE_NAME as tablename, n.COLUMN_NAME as name, c.user_type_id as xusertype, "
               "c.max_length as length, (case when c.max_length = -1 then -1 "
               "when b.name in ('char','varchar','binary','varbinary') then c.max_length "
               "when b.name in ('nchar','nvarchar') then c.max_length / 2 else c.precision end) as prec, "
               "c.scale as scale, c.is_nullable as isnullable from sys.columns c join INFORMATION_SCHEMA.COLUMNS n on ") +
           where + QStringLiteral(" and n.ORDINAL_POSITION = c.column_id join sys.types b on b.user_type_id = c.system_type_id)");
}

ado::RecordsetPtr clsGetData::QueryIndexes(qint32, const QString& strTableName, QString* sMsg) const
{
    return FromCatalogue(QStringLiteral("sp_helpindex '") + InLiteral(strTableName) + u'\'',
                         [&](QString* message) -> ado::RecordsetPtr {
                             const QStringList names{strTableName};
                             const ado::RecordsetPtr rows = RunQuery(IndexReport::Query(names), message);
                             return rows ? IndexReport::FromRows(*rows, names).front() : nullptr;
                         },
                         sMsg);
}

QString clsGetData::FieldSelectList() const
{
    const QString language = modPublic::GetLanguage();
    QString descriptionColumn = QStringLiteral("FDescription");
    QString noteColumn = QStringLiteral("FFieldNote");
    if (language == QLatin1String("CHT")) {
        descriptionColumn = QStringLiteral("FDescription_CHT");
        noteColumn = QStringLiteral("FFieldNote_CHT");
    } else if (language == QLatin1String("EN")) {
        descriptionColumn = QStringLiteral("FDescription_EN");
        noteColumn = QStringLiteral("FFieldNote_EN");
    }
    const QString yes = modPublic::LocalText(QStringLiteral("是"));
    const QString no = modPublic::LocalText(QStringLiteral("否"));
    // A text the language's column does not hold is the simplified-Chinese one, as in the tree.
    const auto text = [](const QString& column, const char* fallback) {
        return column == QLatin1String(fallback)
                   ? QStringLiteral("isnull(t1.") + column + QStringLiteral(",'')")
                   : QStringLiteral("isnull(t1.") + column + QStringLiteral(",isnull(t1.") + QLatin1String(fallback) +
                         QStringLiteral(",''))");
    };
    return QStringLiteral("isnull(t1.FTableID,0) as FTableID,t2.Name as FFieldName,") +
           text(descriptionColumn, "FDescription") + QStringLiteral("as FDescription ,") +
           text(noteColumn, "FFieldNote") + QStringLiteral(" as FFieldNote,t4.name as FFieldType,t2.length,isnull(t2.prec,0) as Prec,"
                          "isnull(t2.scale,0) as Scale, ") +
           QStringLiteral(" (case t2.isnullable when 0 then '") + no + QStringLiteral("' else '") + yes +
           QStringLiteral("' end )as FIsNull");
}

ado::RecordsetPtr clsGetData::QueryFields(qint32 FinterID, const QString& strTableName, QString* sMsg,
                                          const QString& orderColumn) const
{
    const QString sql =
        QStringLiteral("select ") + FieldSelectList() +
        QStringLiteral(" from syscolumns t2 left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and t1.FTableID=") +
        QString::number(FinterID) + u')' +
        QStringLiteral(" join sysobjects  t3 on(t3.ID=t2.ID) join systypes t4 on(t2.xusertype=t4.xusertype) "
                       "where  t3.Name='") +
        InLiteral(strTableName) + QStringLiteral("' order by ") + orderColumn;
    return FromCatalogue(sql,
                         [&](QString* message) {
                             const QString name = InLiteral(strTableName);
                             return RunQuery(
                                 QStringLiteral("select ") + FieldSelectList() + QStringLiteral(" from ") +
                                     ViewColumns(QStringLiteral("n.TABLE_NAME = '") + name +
                                                 QStringLiteral("' and n.TABLE_SCHEMA = object_schema_name(c.object_id) "
                                                                "and c.object_id = object_id('") +
                                                 name + QStringLiteral("')")) +
                                     QStringLiteral(" t2 left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and "
                                                    "t1.FTableID=") +
                                     QString::number(FinterID) +
                                     QStringLiteral(") join sys.types t4 on(t2.xusertype=t4.user_type_id) order by ") +
                                     orderColumn,
                                 message);
                         },
                         sMsg);
}

std::optional<clsGetData::FieldRowsByTable> clsGetData::GetAllFieldRows(QString* sMsg, const FieldRowFilter& keep) const
{
    // The field query's select list and joins, with the described table in place of one name
    // and one ID: the window asks for the trimmed FTableName and the row's FTableID.
    const QString head = QStringLiteral("select t5.FTableID as FDescribedTableID,t5.FTableName as FDescribedTableName,") +
                         FieldSelectList();
    const QString sql =
        head +
        QStringLiteral(" from t_tabledescription t5 join sysobjects  t3 on(t3.Name=ltrim(t5.FTableName)) "
                       "join syscolumns t2 on(t3.ID=t2.ID) "
                       "left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and t1.FTableID=t5.FTableID) "
                       "join systypes t4 on(t2.xusertype=t4.xusertype) "
                       "order by t5.FTableID, t5.FTableName, FFieldName");
    const ado::RecordsetPtr rs = FromCatalogue(
        sql,
        [&](QString* message) {
            return RunQuery(
                head + QStringLiteral(" from t_tabledescription t5 join ") +
                    ViewColumns(QStringLiteral("c.object_id = object_id(quotename(n.TABLE_SCHEMA) + '.' + "
                                               "quotename(n.TABLE_NAME))")) +
                    // Babelfish compares texts without padding the shorter with blanks, as SQL
                    // Server does: a name described with trailing blanks is trimmed of them.
                    QStringLiteral(" t2 on(t2.tablename=rtrim(ltrim(t5.FTableName))) "
                                   "left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and t1.FTableID=t5.FTableID) "
                                   "join sys.types t4 on(t2.xusertype=t4.user_type_id) "
                                   "order by t5.FTableID, t5.FTableName, FFieldName"),
                message);
        },
        sMsg);
    if (!rs)
        return std::nullopt;
    try {
        FieldRowsByTable result;
        const ado::Field& id = rs->Fields("FDescribedTableID");
        const ado::Field& name = rs->Fields("FDescribedTableName");
        const ado::Field& fieldName = rs->Fields("FFieldName");
        const ado::Field& description = rs->Fields("FDescription");
        const std::vector<const ado::Field*> fields = LayoutFields(*rs, true);
        VexaList* list = nullptr;
        std::pair<qint32, QString> current;
        qint32 counter = 0;
        for (; !rs->Eof(); rs->MoveNext()) {
            std::pair<qint32, QString> key{Text(id.GetValue()).toInt(), modPublic::TrimBlanks(Text(name.GetValue()))};
            if (!list || key != current) {
                current = key;
                VexaListPtr& rows = result[key];
                // A table described twice under one ID and name has its rows once.
                list = rows ? nullptr : (rows = NewList()).get();
                counter = 0;
            }
            const qint32 row = counter++;
            if (list && (!keep || keep(modPublic::TrimBlanks(Text(fieldName.GetValue())),
                                       modPublic::TrimBlanks(Text(description.GetValue())))))
                list->Add(NewRow(fields, m_fieldColumns, row));
        }
        return result;
    } catch (...) {
        return FailedWithMessage(sMsg);
    }
}

std::vector<const ado::Field*> clsGetData::LayoutFields(const ado::Recordset& rs, bool fieldList) const
{
    const std::vector<ColumnDef>& layout = fieldList ? m_fieldColumns : m_indexColumns;
    std::vector<const ado::Field*> fields;
    for (size_t i = 0; i < layout.size(); ++i)
        fields.push_back(fieldList && i == 0 ? nullptr : &rs.Fields(layout[i].Name.toStdString()));
    return fields;
}

VexaRecordPtr clsGetData::NewRow(const std::vector<const ado::Field*>& fields, const std::vector<ColumnDef>& layout,
                                 qint32 counter) const
{
    const VexaRecordPtr record = NewRecord();
    for (size_t i = 0; i < layout.size(); ++i) {
        if (fields[i])
            record->SetValue(layout[i].Name, modPublic::TrimBlanks(Text(fields[i]->GetValue())));
        else
            record->SetValue(layout[i].Name, QVariant::fromValue<qint32>(counter + 1));
    }
    return record;
}

bool clsGetData::ReadsCatalogueViews() const
{
    return Catalogue() == catalogue::Kind::Views;
}

std::optional<std::vector<automation::ObjectPtr>> clsGetData::GetAllIndexRows(const QStringList& tableNames,
                                                                            QString* sMsg) const
{
    const ado::RecordsetPtr rows = RunQuery(IndexReport::Query(tableNames), sMsg);
    if (!rows)
        return std::nullopt;
    try {
        std::vector<automation::ObjectPtr> lists;
        for (const ado::RecordsetPtr& report : IndexReport::FromRows(*rows, tableNames))
            lists.push_back(ListOf(report, false));
        return lists;
    } catch (...) {
        return FailedWithMessage(sMsg);
    }
}

automation::ObjectPtr clsGetData::BuildRows(qint32 FinterID, const QString& strTableName, qint32 nType,
                                            QString* sMsg) const
{
    ado::RecordsetPtr rs;
    if (nType == 0)
        rs = QueryIndexes(FinterID, strTableName, sMsg);
    else if (nType == 1)
        rs = QueryFields(FinterID, strTableName, sMsg, QStringLiteral("FFieldName"));
    if (!rs)
        return nullptr;
    try {
        return ListOf(rs, nType != 0);
    } catch (...) {
        automation::ClearCurrentError();
        return nullptr;
    }
}

automation::ObjectPtr clsGetData::ListOf(const ado::RecordsetPtr& rs, bool fieldList) const
{
    rs->Detach();
    if (rs->State() == ado::adStateClosed)
        return nullptr;
    const std::vector<ColumnDef>& layout = fieldList ? m_fieldColumns : m_indexColumns;
    const VexaListPtr list = NewList();
    // The layout's columns in the record set, looked up once (a column is bound to the row).
    std::vector<const ado::Field*> fields;
    qint32 counter = 0;
    while (!rs->Eof()) {
        if (fields.empty())
            fields = LayoutFields(*rs, fieldList);
        const VexaRecordPtr record = NewRow(fields, layout, counter);
        rs->MoveNext();
        ++counter;
        list->Add(record);
    }
    return list;
}
