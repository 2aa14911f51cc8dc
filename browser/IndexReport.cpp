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

// One table's report: a row per index, ordered by index name; no result set without indexes.
ado::RecordsetPtr Report(std::vector<Index> indexes)
{
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

}  // namespace

QString IndexReport::Query(const QStringList& tableNames)
{
    // The tables as a list of literals, each resolved by object_id() as the name alone would be.
    QString tables;
    for (qsizetype i = 0; i < tableNames.size(); ++i)
        tables += QStringLiteral("%1(%2,N'%3')").arg(i ? QStringLiteral(",") : QString()).arg(i).arg(InLiteral(tableNames[i]));
    // Names come from INFORMATION_SCHEMA, which keeps their letter case on every engine. A
    // server that keeps every table as a heap (Babelfish) has its primary key where SQL Server,
    // which clusters a primary key unless told otherwise, has its clustered index; an index
    // without a file group of its own is on its table's (h: the table's heap or clustered index,
    // of which every table has one). The joins go from the columns to the tables: Babelfish plans
    // the other order as a scan of INFORMATION_SCHEMA for every key column.
    return QStringLiteral(
               "select t.ord as table_ordinal, i.index_id, i.name, cast(i.ignore_dup_key as int) as ignore_dup_key, "
               "cast(i.is_unique as int) as is_unique, cast(i.is_hypothetical as int) as is_hypothetical, "
               "cast(i.is_primary_key as int) as is_primary_key, "
               "cast(i.is_unique_constraint as int) as is_unique_constraint, "
               "(case when i.type = 1 or (i.is_primary_key = 1 and h.type <> 1) then 1 else 0 end) as is_clustered, "
               "ds.name as data_space, cast(ic.is_descending_key as int) as is_descending_key, n.COLUMN_NAME as column_name "
               "from (select object_id(quotename(TABLE_SCHEMA) + '.' + quotename(TABLE_NAME)) as object_id, "
               "ORDINAL_POSITION, COLUMN_NAME from INFORMATION_SCHEMA.COLUMNS) n "
               "join sys.index_columns ic on ic.object_id = n.object_id and ic.column_id = n.ORDINAL_POSITION "
               "and ic.key_ordinal > 0 "
               "join sys.indexes i on i.object_id = ic.object_id and i.index_id = ic.index_id "
               "join (values ") +
           tables +
           QStringLiteral(
               ") t(ord, name) on i.object_id = object_id(t.name) "
               "join sys.indexes h on h.object_id = i.object_id and h.index_id < 2 "
               "left join sys.data_spaces ds on ds.data_space_id = "
               "(case when i.data_space_id <> 0 then i.data_space_id else h.data_space_id end) "
               "where i.index_id > 0 order by t.ord, i.index_id, ic.key_ordinal");
}

std::vector<ado::RecordsetPtr> IndexReport::FromRows(ado::Recordset& rows, const QStringList& tableNames)
{
    std::vector<std::vector<Index>> indexes(static_cast<size_t>(tableNames.size()));
    QString current;
    for (; !rows.Eof(); rows.MoveNext()) {
        const qsizetype ordinal = Text(rows, "table_ordinal").toLongLong();
        if (ordinal < 0 || ordinal >= tableNames.size())
            continue;
        std::vector<Index>& table = indexes[static_cast<size_t>(ordinal)];
        const QString id = Text(rows, "index_id");
        if (table.empty() || id != current) {
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
            const std::string name = catalogue::IndexName(
                Text(rows, "name").toStdString(), ado::provider::LastNamePart(tableNames[ordinal].toStdString()));
            table.push_back({QString::fromStdString(name), description, {}});
        }
        QString& keys = table.back().keys;
        if (!keys.isEmpty())
            keys += QStringLiteral(", ");
        keys += Text(rows, "column_name");
        if (Flag(rows, "is_descending_key"))
            keys += QStringLiteral("(-)");
    }
    std::vector<ado::RecordsetPtr> reports;
    for (std::vector<Index>& table : indexes)
        reports.push_back(Report(std::move(table)));
    return reports;
}
