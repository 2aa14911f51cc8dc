#include "BatchRunner.h"

#include "AutomationError.h"
#include "ServerErrorNumber.h"
#include "TdsColumn.h"
#include "TdsRowWriter.h"
#include "TdsTokens.h"
#include "TextCodec.h"

#include <algorithm>
#include <cctype>

namespace tds {

namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && (std::isspace(static_cast<unsigned char>(s.back())) || s.back() == ';'))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@' || c == '#';
}

// The first word of a text and the rest after it.
std::pair<std::string, std::string_view> FirstWord(std::string_view s)
{
    std::size_t end = 0;
    while (end < s.size() && IsWordChar(s[end]))
        ++end;
    return {Lower(s.substr(0, end)), Trim(s.substr(end))};
}

// Transaction manager request types.
enum TransactionRequest : std::uint16_t { kBeginTransaction = 5, kCommitTransaction = 7, kRollbackTransaction = 8 };

std::vector<ado::Value> CurrentRow(const ado::Recordset& rs)
{
    std::vector<ado::Value> row;
    row.reserve(static_cast<std::size_t>(rs.FieldCount()));
    for (long i = 0; i < rs.FieldCount(); ++i)
        row.push_back(rs.Fields(i).GetValue());
    return row;
}

}  // namespace

BatchRunner::BatchRunner(std::filesystem::path folder, TdsChannel& channel)
    : m_folder(std::move(folder)), m_channel(channel)
{
}

void BatchRunner::Use(const std::string& name)
{
    const bool plain = !name.empty() && name.size() <= 128 &&
                       std::all_of(name.begin(), name.end(), [](char c) { return IsWordChar(c) && c != '@' && c != '#'; });
    if (!plain)
        throw automation::AutomationError(
            0, QString::fromStdString("Database '" + name +
                                      "' does not exist. Make sure that the name is entered correctly."));
    // Tried on its own first, so a database that cannot be opened leaves the current one in use.
    const std::filesystem::path file = m_folder / (name + ".db");
    ado::Connection next;
    next.Open("Provider=SQLite;Data Source=" + file.string(), ado::adModeCreate);  // a new name makes a database
    m_connection.Close();
    m_connection.Open(next.ConnectionString());
    m_declared = std::make_unique<DeclaredTypes>(file);
    m_database = name;
}

void BatchRunner::Run(std::string_view sql)
{
    try {
        Statement(Trim(sql));
    } catch (const ClientGone&) {
        throw;
    } catch (const automation::AutomationError& e) {
        SendError(e.Description().toStdString());
    } catch (const std::exception& e) {
        SendError(e.what());
    }
    m_channel.EndReply();
}

void BatchRunner::Transaction(const std::uint8_t* request, std::size_t size)
{
    try {
        const std::uint16_t type = size >= 2 ? static_cast<std::uint16_t>(request[0] | request[1] << 8) : 0;
        TdsWriter& out = m_channel.Reply();
        if (type == kBeginTransaction) {
            BeginTransaction(out);
        } else if (type == kRollbackTransaction || type == kCommitTransaction) {
            // A transaction name (a one-byte count of UTF-16 units) comes first, then the flags,
            // whose lowest bit asks for a new transaction at once.
            const bool commit = type == kCommitTransaction;
            const std::size_t flags = 3 + (size > 2 ? std::size_t{request[2]} * 2 : 0);
            if (!m_inTransaction)
                throw automation::AutomationError(
                    0, commit ? QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.")
                              : QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."));
            m_inTransaction = false;
            if (commit)
                m_connection.CommitTrans();
            else
                m_connection.RollbackTrans();
            WriteTransactionChange(out, commit ? kEnvCommitTransaction : kEnvRollbackTransaction, m_transaction);
            if (flags < size && (request[flags] & 1))
                BeginTransaction(out);
        } else {
            throw automation::AutomationError(
                0, QStringLiteral("This stand-in server takes only requests to begin, commit or roll back a transaction."));
        }
        WriteDone(out, kDoneFinal);
    } catch (const ClientGone&) {
        throw;
    } catch (const automation::AutomationError& e) {
        SendError(e.Description().toStdString());
    }
    m_channel.EndReply();
}

void BatchRunner::BeginTransaction(TdsWriter& out)
{
    if (m_inTransaction)
        throw automation::AutomationError(0, QStringLiteral("This stand-in server holds one transaction at a time."));
    m_connection.BeginTrans();
    m_inTransaction = true;
    WriteTransactionChange(out, kEnvBeginTransaction, ++m_transaction);
}

void BatchRunner::SendError(const std::string& message)
{
    TdsWriter& out = m_channel.Reply();
    WriteMessage(out, ServerErrorNumber(message), 1, 16, message);
    WriteDone(out, kDoneError);
}

void BatchRunner::Statement(std::string_view sql)
{
    const auto [word, rest] = FirstWord(sql);
    if (word == "set")  // session options: the provider has none to set
        return WriteDone(m_channel.Reply(), kDoneFinal);
    if (word == "use")
        return UseStatement(rest);
    const std::string text(sql);
    const ado::RecordsetPtr rs = m_connection.Execute(text);
    SendResult(*rs, text);
}

void BatchRunner::UseStatement(std::string_view rest)
{
    std::string name(rest);
    if (name.size() >= 2 && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    const std::string old = m_database;
    Use(name);
    TdsWriter& out = m_channel.Reply();
    WriteEnvChange(out, kEnvDatabase, Utf8ToUtf16(m_database), Utf8ToUtf16(old));
    WriteMessage(out, 5701, 1, 0, "Changed database context to '" + m_database + "'.");
    WriteDone(out, kDoneFinal);
}

void BatchRunner::SendResult(ado::Recordset& rs, const std::string& sql)
{
    TdsWriter& out = m_channel.Reply();
    if (rs.State() != ado::adStateOpen || rs.FieldCount() == 0)
        return WriteDone(out, kDoneFinal);

    const std::vector<DeclaredColumn> declared = m_declared->Of(sql, static_cast<std::size_t>(rs.FieldCount()));
    std::vector<TdsColumn> columns;
    bool undescribed = false;
    for (long i = 0; i < rs.FieldCount(); ++i) {
        columns.push_back(ColumnFor(rs.Fields(i).Info(), declared.empty() ? nullptr : &declared[static_cast<std::size_t>(i)]));
        undescribed = undescribed || IsUndescribed(rs.Fields(i).Info());
    }
    // A column without a declared type is typed by what it holds, so such a result is read
    // whole before its description goes out.
    std::vector<std::vector<ado::Value>> rows;
    if (undescribed) {
        for (; !rs.Eof(); rs.MoveNext())
            rows.push_back(CurrentRow(rs));
        for (long i = 0; i < rs.FieldCount(); ++i) {
            if (!IsUndescribed(rs.Fields(i).Info()))
                continue;
            std::vector<const ado::Value*> values;
            for (const auto& row : rows)
                values.push_back(&row[static_cast<std::size_t>(i)]);
            columns[static_cast<std::size_t>(i)] = ColumnForValues(rs.Fields(i).Info(), values);
        }
    }
    WriteColumnMetadata(out, columns);

    std::uint64_t count = 0;
    auto send = [&](const std::vector<ado::Value>& row) {
        WriteRow(out, columns, row);
        ++count;
        m_channel.Flush();
        return !m_channel.AttentionArrived();
    };
    bool cancelled = false;
    if (undescribed) {
        for (std::size_t i = 0; i < rows.size() && !cancelled; ++i)
            cancelled = !send(rows[i]);
    } else {
        for (; !rs.Eof() && !cancelled; ) {
            cancelled = !send(CurrentRow(rs));
            if (!cancelled)
                rs.MoveNext();
        }
    }
    if (cancelled)
        return WriteDone(out, kDoneAttention);
    WriteDone(out, kDoneCount, count);
}

}  // namespace tds
