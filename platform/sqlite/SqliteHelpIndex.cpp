#include "SqliteCursor.h"
#include "SqliteErrors.h"
#include "SqliteSession.h"
#include "SqlTokenizer.h"
#include "TextCollation.h"

#include <algorithm>

namespace ado::provider {

namespace {

std::string Description(const IndexSchema& index)
{
    std::string text = index.clustered ? "clustered" : "nonclustered";
    if (index.unique)
        text += ", unique";
    if (index.primaryKey)
        text += ", primary key";
    if (index.uniqueConstraint)
        text += ", unique key";
    return text + " located on PRIMARY";
}

std::string Keys(const TableSchema& table, const IndexSchema& index)
{
    std::string text;
    for (const IndexKey& key : index.keys) {
        if (!text.empty())
            text += ", ";
        text += table.columns[static_cast<size_t>(key.colid - 1)].name;
        if (key.descending)
            text += "(-)";
    }
    return text;
}


FieldInfo Column(const char* name, DataTypeEnum type, long size)
{
    FieldInfo field;
    field.name = name;
    field.type = type;
    field.definedSize = size;
    field.precision = 255;
    return field;
}

}  // namespace

// sp_helpindex: one row per index, ordered by name, as SQL Server's procedure reports them;
// no result set at all for a table without indexes.
std::unique_ptr<Cursor> SqliteSession::HelpIndex(const std::string& tableName)
{
    // Object names compare in the text collation: trailing blanks do not count.
    std::string_view name = tableName;
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    const auto table = m_schema->Find(name, SqliteSchema::Detail::Indexes);
    if (!table)
        throw ProviderError(kErrorCommand, "The object '" + tableName + "' does not exist in database '" +
                                               m_databaseName + "' or is invalid for this operation.");
    if (table->indexes.empty())
        return std::make_unique<RowsCursor>();

    std::vector<const IndexSchema*> indexes;
    for (const IndexSchema& index : table->indexes)
        indexes.push_back(&index);
    std::stable_sort(indexes.begin(), indexes.end(),
                     [](const IndexSchema* a, const IndexSchema* b) { return CompareText(a->name, b->name) < 0; });
    std::vector<std::vector<Value>> rows;
    for (const IndexSchema* index : indexes)
        rows.push_back({index->name, Description(*index), Keys(*table, *index)});
    return std::make_unique<RowsCursor>(
        std::vector<FieldInfo>{Column("index_name", adVarWChar, 128), Column("index_description", adVarChar, 210),
                               Column("index_keys", adVarWChar, 2126)},
        std::move(rows));
}

}  // namespace ado::provider
