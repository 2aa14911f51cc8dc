#include "TableDigest.h"

#include "InsertStatement.h"
#include "SqlIdentifier.h"
#include "SqlTokenizer.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <cstring>
#include <map>
#include <utility>

namespace {

// The column list at the start of a row text, up to its ")" (a name in brackets may hold one).
std::string ColumnsOf(const std::string& rowText)
{
    for (const ado::provider::Token& t : ado::provider::TokenizeSql(rowText))
        if (t.kind == ado::provider::TokenKind::Punct && ado::provider::TokenText(rowText, t) == ")")
            return rowText.substr(0, t.begin);
    return {};
}

}  // namespace

long TableDigest::ForEachRow(const Source& rows, const std::function<void(const std::string&)>& row)
{
    ado::ConnectionPtr connection = rows.connection;
    const ado::RecordsetPtr set = connection->Execute(rows.sql, ado::adOpenForwardOnly);
    InsertStatement insert(*set, rows.objectName, connection, true);
    std::string text;
    for (; !set->Eof(); set->MoveNext()) {
        text.clear();
        insert.AppendRow(text, *set);
        row(text);
    }
    long otherForms = 0;
    for (const TableFacts::OtherForm& form : insert.OtherForms())
        otherForms += static_cast<long>(form.values);
    return otherForms;
}

std::pair<std::uint64_t, std::uint64_t> TableDigest::HashOf(const std::string& text)
{
    const QByteArray digest = QCryptographicHash::hash(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())),
                                                       QCryptographicHash::Md5);
    std::uint64_t a = 0, b = 0;
    std::memcpy(&a, digest.constData(), sizeof a);
    std::memcpy(&b, digest.constData() + sizeof a, sizeof b);
    return {a, b};
}

TableDigest TableDigest::Of(const Source& rows)
{
    TableDigest digest;
    digest.m_otherForms = ForEachRow(rows, [&](const std::string& text) {
        if (digest.m_rows++ == 0)
            digest.m_columns = ColumnsOf(text);
        const auto [a, b] = HashOf(text);
        digest.m_sumA += a;
        digest.m_sumB += b;
    });
    return digest;
}

std::optional<TableDigest::Row> TableDigest::FirstMissing(const Source& rows, const Source& other)
{
    std::map<std::pair<std::uint64_t, std::uint64_t>, long> held;
    ForEachRow(other, [&](const std::string& text) { ++held[HashOf(text)]; });
    std::optional<Row> missing;
    long number = 0;
    ForEachRow(rows, [&](const std::string& text) {
        ++number;
        if (missing)
            return;
        const auto found = held.find(HashOf(text));
        if (found == held.end() || found->second == 0)
            missing = Row{number, text};
        else
            --found->second;
    });
    return missing;
}
