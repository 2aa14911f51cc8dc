#include "ServerTableDigest.h"

#include "AutomationError.h"
#include "TableDigest.h"

#include <map>

ServerTableDigest::Columns ServerTableDigest::ColumnsOf(ado::Connection& copy, const std::string& table)
{
    const ado::RecordsetPtr none = copy.Execute("select * from " + table + " where 1 = 0");
    Columns columns;
    for (long i = 0; i < none->FieldCount(); ++i) {
        const ado::Field& field = none->Fields(i);
        if (!(field.Attributes() & ado::adFldRowVersion))  // the server fills it in
            columns.emplace_back(field.Name(), ServerForm::ForColumn(field.Info()));
    }
    return columns;
}

long ServerTableDigest::ForEachRow(const Source& rows, const Columns& columns,
                                   const std::function<void(const std::string&)>& row)
{
    const ado::RecordsetPtr set = rows.connection->Execute(rows.sql, ado::adOpenForwardOnly);
    std::vector<long> at;
    for (const auto& [name, form] : columns) {
        at.push_back(set->FieldIndex(name));
        if (at.back() < 0)
            throw automation::AutomationError(
                3265, QStringLiteral("the column %1 of the copy is not in the source").arg(QString::fromStdString(name)));
    }
    long withoutForm = 0;
    std::string text;
    for (; !set->Eof(); set->MoveNext()) {
        text.clear();
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c > 0)
                text += ", ";
            text += columns[c].first + "=";
            const ado::Value& value = set->Fields(at[c]).GetValue();
            if (const std::optional<std::string> form = columns[c].second.Of(value)) {
                text += *form;
            } else {
                ++withoutForm;
                text += "(" + ado::ToText(value) + ": no form in " + columns[c].second.TypeName() + ")";
            }
        }
        row(text);
    }
    return withoutForm;
}

ServerTableDigest ServerTableDigest::Of(const Source& rows, const Columns& columns)
{
    ServerTableDigest digest;
    digest.m_withoutForm = ForEachRow(rows, columns, [&](const std::string& text) {
        ++digest.m_rows;
        const auto [a, b] = TableDigest::HashOf(text);
        digest.m_sumA += a;
        digest.m_sumB += b;
    });
    return digest;
}

std::optional<ServerTableDigest::Row> ServerTableDigest::FirstMissing(const Source& rows, const Source& other,
                                                                      const Columns& columns)
{
    std::map<std::pair<std::uint64_t, std::uint64_t>, long> held;
    ForEachRow(other, columns, [&](const std::string& text) { ++held[TableDigest::HashOf(text)]; });
    std::optional<Row> missing;
    long number = 0;
    ForEachRow(rows, columns, [&](const std::string& text) {
        ++number;
        if (missing)
            return;
        const auto found = held.find(TableDigest::HashOf(text));
        if (found == held.end() || found->second == 0)
            missing = Row{number, text};
        else
            --found->second;
    });
    return missing;
}
