#include "IndexReport.h"

#include "Provider.h"
#include "ServerCatalogue.h"
#include "SqlTokenizer.h"

#include <algorithm>
#include <vector>

namespace {

// Rows made here rather than read from a server.
class ReportCursor final : public ado::provider::Cursor {
public:
    ReportCursor(std::vector<ado::FieldInfo> fields, std::vector<std::vector<ado::Value>> rows)
        : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

    bool HasResultSet() const override { return !m_fields.empty(); }
    const std::vector<ado::FieldInfo>& Fields() const override { return m_fields; }
    bool Fetch(std::vector<ado::Value>& row) override
    {
        if (m_next >= m_rows.size())
            return false;
        row = m_rows[m_next++];
        return true;
    }

private:
    std::vector<ado::FieldInfo> m_fields;
    std::vector<std::vector<ado::Value>> m_rows;
    size_t m_next = 0;
};

ado::FieldInfo Column(const char* name, long size)
{
    ado::FieldInfo field;
    field.name = name;
    field.type = ado::adVarWChar;
    field.definedSize = size;
    return field;
}

QString Text(const ado::Recordset& rs, const char* column)
{
    const ado::Value& value = rs.Fields(column).GetValue();
    return ado::IsNull(value) ? QString() : QString::fromStdString(ado::ToText(value));
}

bool Flag(const ado::Recordset& rs, const char* column) { return Text(rs, column).toLongLong() != 0; }

QString InLiteral(const QString& text)
{
    QString quoted = text;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

struct Index {
    QString name;
    QString description;
    QString keys;
};

}  // namespace

QString IndexReport::Query(const QString& tableName)
{
    const QString name = InLiteral(tableName);
    // Names come from INFORMATION_SCHEMA, which keeps their letter case on every engine. A
    // server that keeps every table as a heap (Babelfish) has its primary key where SQL Server,
    // which clusters a primary key unless told otherwise, has its clustered index; an index
    // without a file group of its own is on its table's.
    return QStringLiteral(
               "select i.index_id, i.name, cast(i.ignore_dup_key as int) as ignore_dup_key, "
               "cast(i.is_unique as int) as is_unique, cast(i.is_hypothetical as int) as is_hypothetical, "
               "cast(i.is_primary_key as int) as is_primary_key, "
               "cast(i.is_unique_constraint as int) as is_unique_constraint, (case when i.type = 1 or (i.is_primary_key = 1 and not exists "
               "(select 1 from sys.indexes k where k.object_id = i.object_id and k.type = 1)) then 1 else 0 end) "
               "as is_clustered, ds.name as data_space, cast(ic.is_descending_key as int) as is_descending_key, n.COLUMN_NAME as column_name "
               "from sys.indexes i join sys.index_columns ic on ic.object_id = i.object_id and ic.index_id = i.index_id "
               "and ic.key_ordinal > 0 join INFORMATION_SCHEMA.COLUMNS n on n.TABLE_NAME = '") +
           name +
           QStringLiteral(
               "' and n.TABLE_SCHEMA = object_schema_name(i.object_id) and n.ORDINAL_POSITION = ic.column_id "
               "left join sys.data_spaces ds on ds.data_space_id = (case when i.data_space_id <> 0 then i.data_space_id "
               "else (select h.data_space_id from sys.indexes h where h.object_id = i.object_id and h.index_id < 2 "
               "and h.data_space_id <> 0) end) where i.object_id = object_id('") +
           name + QStringLiteral("') and i.index_id > 0 order by i.index_id, ic.key_ordinal");
}

ado::RecordsetPtr IndexReport::FromRows(ado::Recordset& rows, const QString& tableName)
{
    const std::string table = ado::provider::LastNamePart(tableName.toStdString());
    std::vector<Index> indexes;
    QString current;
    for (; !rows.Eof(); rows.MoveNext()) {
        const QString id = Text(rows, "index_id");
        if (indexes.empty() || id != current) {
            current = id;
            QString description = Flag(rows, "is_clustered") ? QStringLiteral("clustered") : QStringLiteral("nonclustered");
            for (const auto& [flag, words] : {std::pair{"ignore_dup_key", "ignore duplicate keys"},
                                              std::pair{"is_unique", "unique"},
                                              std::pair{"is_hypothetical", "hypothetical"},
                                              std::pair{"is_primary_key", "primary key"},
                                              std::pair{"is_unique_constraint", "unique key"}})
                if (Flag(rows, flag))
                    description += QStringLiteral(", ") + QLatin1String(words);
            const QString dataSpace = Text(rows, "data_space");
            if (!dataSpace.isEmpty())
                description += QStringLiteral(" located on ") + dataSpace;
            const std::string name = catalogue::IndexName(Text(rows, "name").toStdString(), table);
            indexes.push_back({QString::fromStdString(name), description, {}});
        }
        QString& keys = indexes.back().keys;
        if (!keys.isEmpty())
            keys += QStringLiteral(", ");
        keys += Text(rows, "column_name");
        if (Flag(rows, "is_descending_key"))
            keys += QStringLiteral("(-)");
    }
    std::vector<ado::FieldInfo> fields;
    std::vector<std::vector<ado::Value>> report;
    if (!indexes.empty()) {
        std::stable_sort(indexes.begin(), indexes.end(), [](const Index& a, const Index& b) {
            return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
        });
        fields = {Column("index_name", 128), Column("index_description", 210), Column("index_keys", 2126)};
        for (const Index& index : indexes)
            report.push_back({index.name.toStdString(), index.description.toStdString(), index.keys.toStdString()});
    }
    auto rs = std::make_shared<ado::Recordset>(std::make_unique<ReportCursor>(std::move(fields), std::move(report)),
                                               ado::adOpenStatic);
    rs->Detach();
    return rs;
}
