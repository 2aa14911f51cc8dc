#include "ScriptRunner.h"

#include "AutomationError.h"
#include "ScriptReader.h"
#include "SingleRowInsert.h"
#include "SqlIdentifier.h"
#include "SqlTokenizer.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

using ado::provider::EqualsNoCase;
using ado::provider::Token;
using ado::provider::TokenKind;
using ado::provider::TokenText;

namespace {

// The significant tokens of a short statement.
std::vector<Token> Significant(std::string_view text)
{
    std::vector<Token> tokens;
    for (const Token& t : ado::provider::TokenizeSql(text))
        if (t.Significant())
            tokens.push_back(t);
    return tokens;
}

bool IsWord(std::string_view text, const Token& t, std::string_view word)
{
    return t.kind == TokenKind::Word && EqualsNoCase(TokenText(text, t), word);
}

bool StartsWithLetter(std::string_view text, std::string_view letters)
{
    return !text.empty() && letters.find(static_cast<char>(text.front() | 0x20)) != std::string_view::npos;
}

// Whether text begins with word, followed by a blank or nothing.
bool StartsWithWord(std::string_view text, std::string_view word)
{
    return text.size() >= word.size() && EqualsNoCase(text.substr(0, word.size()), word) &&
           (text.size() == word.size() || std::isspace(static_cast<unsigned char>(text[word.size()])));
}

enum class TransactionWord { None, Begin, Commit, Rollback };

// "begin tran[saction] [name]", "commit [tran[saction]|work] [name]", "rollback ..." alike.
TransactionWord TransactionStatement(std::string_view text)
{
    if (!StartsWithLetter(text, "bcr"))
        return TransactionWord::None;
    const std::vector<Token> t = Significant(text);
    if (t.empty() || t.size() > 3 || (t.size() == 3 && t[2].kind != TokenKind::Word && t[2].kind != TokenKind::QuotedName))
        return TransactionWord::None;
    const bool tranWord = t.size() >= 2 && (IsWord(text, t[1], "tran") || IsWord(text, t[1], "transaction"));
    if (IsWord(text, t[0], "begin") && tranWord)
        return TransactionWord::Begin;
    const bool tail = t.size() == 1 || tranWord || (t.size() == 2 && IsWord(text, t[1], "work"));
    if (IsWord(text, t[0], "commit") && tail)
        return TransactionWord::Commit;
    if (IsWord(text, t[0], "rollback") && tail)
        return TransactionWord::Rollback;
    return TransactionWord::None;
}

// The table of "drop table NAME" as the statement writes it; nothing for any other statement.
std::optional<std::string> DroppedTable(std::string_view text)
{
    if (!StartsWithLetter(text, "d"))
        return std::nullopt;
    const std::vector<Token> t = Significant(text);
    if (t.size() < 3 || !IsWord(text, t[0], "drop") || !IsWord(text, t[1], "table"))
        return std::nullopt;
    for (size_t i = 2; i < t.size(); ++i) {
        const bool name = t[i].kind == TokenKind::Word || t[i].kind == TokenKind::QuotedName;
        const bool dot = t[i].kind == TokenKind::Punct && TokenText(text, t[i]) == ".";
        if ((i % 2 == 0) != name || (i % 2 == 1 && !dot))
            return std::nullopt;
    }
    if (t.size() % 2 == 0)
        return std::nullopt;  // ends on a dot
    return std::string(text.substr(t[2].begin, t.back().end - t[2].begin));
}

}  // namespace

ScriptRunner::ScriptRunner(ado::Connection& connection, bool oneTransaction)
    : m_connection(connection), m_oneTransaction(oneTransaction), m_joining(oneTransaction && !connection.IsEmbedded())
{
    if (m_oneTransaction) {
        m_connection.BeginTrans();
        m_runOpen = true;
    }
}

ScriptRunner::~ScriptRunner()
{
    if (m_runOpen || m_depth > 0)
        RollbackQuietly();
}

void ScriptRunner::Run(std::string_view script)
{
    if (script.substr(0, 3) == "\xEF\xBB\xBF")
        script.remove_prefix(3);  // a byte-order mark is no part of the first statement
    ScriptReader reader(script);
    while (const std::optional<ScriptStatement> statement = reader.Next()) {
        const std::string_view text = statement->text;
        if (m_joining && Joinable(text)) {
            if (m_pending.size() >= kBatchStatements || m_pendingBytes + text.size() > kBatchBytes)
                SendPending();
            m_pending.push_back({text, statement->line});
            m_pendingBytes += text.size() + 2;
            ++m_statements;
        } else {
            // Inside the run's transaction the script's own transaction lines only count: the
            // statements around them may still go together.
            if (!(m_oneTransaction && TransactionStatement(text) != TransactionWord::None)) {
                SendPending();
                m_takesJoinedRows.clear();  // the statement may make a trigger or drop a table
            }
            RunStatement(text, statement->line);
        }
        if (m_progress && (m_statements & 255) == 0)
            m_progress(reader.Position());
    }
    SendPending();
    if (m_depth > 0)
        throw ScriptFailure(m_outerBeginLine,
                            QStringLiteral("The script ends inside the transaction begun on this line; its statements "
                                           "are not applied."));
}

void ScriptRunner::Commit()
{
    if (!m_runOpen)
        return;
    m_connection.CommitTrans();
    m_runOpen = false;
}

void ScriptRunner::RunStatement(std::string_view text, long line)
{
    // A transaction line keeps the lines the reader did not split from it (a SET does not start
    // a statement on its line): the server runs them as statements of their own, and so does this.
    if (const size_t lineEnd = text.find('\n'); lineEnd != std::string_view::npos && StartsWithLetter(text, "bcr")) {
        std::string_view first = text.substr(0, lineEnd);
        while (!first.empty() && std::isspace(static_cast<unsigned char>(first.back())))
            first.remove_suffix(1);
        if (TransactionStatement(first) != TransactionWord::None) {
            RunStatement(first, line);
            std::string_view rest = text.substr(lineEnd + 1);
            long restLine = line + 1;
            while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front()))) {
                restLine += rest.front() == '\n';
                rest.remove_prefix(1);
            }
            RunStatement(rest, restLine);
            return;
        }
    }
    ++m_statements;
    if (RunTransactionStatement(text, line))
        return;
    if (m_skipUpdates && StartsWithWord(text, "update"))
        return;
    ExecuteStatement(text, line);
}

void ScriptRunner::ExecuteStatement(std::string_view text, long line)
{
    try {
        m_connection.Execute(text);
    } catch (const automation::AutomationError& e) {
        if (TableMissing(text)) {
            ++m_missingDrops;
            return;
        }
        throw ScriptFailure(line, e.Description());
    } catch (const std::exception& e) {
        throw ScriptFailure(line, QString::fromUtf8(e.what()));
    }
}

bool ScriptRunner::Joinable(std::string_view text) const
{
    if (!(StartsWithWord(text, "insert") || StartsWithWord(text, "update") || StartsWithWord(text, "delete")))
        return false;
    // A SET that a line of the statement carries stays set when its batch is rolled back to the
    // savepoint, and would meet the replay in another state: such statements go alone.
    constexpr std::string_view kSetting = "identity_insert";
    const auto at = std::search(text.begin(), text.end(), kSetting.begin(), kSetting.end(),
                                [](char a, char b) { return (a | 0x20) == b; });
    return at == text.end();
}

bool ScriptRunner::ServerTransactionOpen()
{
    try {
        const ado::RecordsetPtr count = m_connection.Execute("select @@trancount");
        return !count->Eof() && ado::ToText(count->Fields(0L).GetValue()) != "0";
    } catch (const automation::AutomationError&) {
        return false;
    }
}

void ScriptRunner::SendPending()
{
    if (m_pending.empty())
        return;
    const std::vector<Pending> pending = std::move(m_pending);
    m_pending.clear();
    m_pendingBytes = 0;
    std::size_t first = 0;
    // A savepoint needs the server's transaction to have begun: with a driver that begins it
    // at the first statement that changes data (implicit transactions), one statement goes
    // first on its own.
    if (pending.size() > 1 && !m_serverTransaction) {
        m_serverTransaction = ServerTransactionOpen();
        if (!*m_serverTransaction) {
            ExecuteStatement(pending[0].text, pending[0].line);
            first = 1;
            m_serverTransaction = ServerTransactionOpen();
            m_joining = *m_serverTransaction;
        }
    }
    if (!m_serverTransaction.value_or(false)) {
        SendBatch(pending, first, pending.size());
        return;
    }
    // Rows joined into one insert go alone: a single statement needs no savepoint, and a server
    // runs it faster than a batch of several.
    std::size_t from = first;  // the first statement not sent yet
    for (std::size_t i = first; i < pending.size();) {
        const std::vector<std::string_view> rows = JoiningRows(pending, i);
        if (rows.empty()) {
            ++i;
            continue;
        }
        SendBatch(pending, from, i);
        SendJoined(pending, i, rows);
        i += rows.size() + 1;
        from = i;
    }
    SendBatch(pending, from, pending.size());
}

void ScriptRunner::SendBatch(const std::vector<Pending>& pending, std::size_t from, std::size_t to)
{
    if (to - from < 2 || !m_serverTransaction.value_or(false)) {
        for (std::size_t i = from; i < to; ++i)
            ExecuteStatement(pending[i].text, pending[i].line);
        return;
    }
    m_batch.assign("save transaction tabrix_batch\n");
    for (std::size_t i = from; i < to; ++i) {
        m_batch.append(pending[i].text);
        m_batch.append(";\n");
    }
    try {
        m_connection.Execute(m_batch);
        ++m_batches;
        return;
    } catch (const automation::AutomationError& e) {
        // A statement's error leaves the others of its batch applied (SQL Server goes on after
        // most errors); undone here, they run again one by one. An error that ended the
        // transaction (it then also ends the batch) took the savepoint with it: nothing of the
        // run is left to replay on.
        try {
            m_connection.Execute("rollback transaction tabrix_batch");
        } catch (const automation::AutomationError&) {
            throw BatchLost(pending, from, to, e);
        }
    }
    for (std::size_t i = from; i < to; ++i)
        ExecuteStatement(pending[i].text, pending[i].line);
}

void ScriptRunner::SendJoined(const std::vector<Pending>& pending, std::size_t from,
                              const std::vector<std::string_view>& rows)
{
    const std::size_t to = from + rows.size() + 1;
    m_batch.assign(pending[from].text);
    for (const std::string_view row : rows) {
        m_batch.append(",\n");
        m_batch.append(row);
    }
    try {
        m_connection.Execute(m_batch);
        ++m_batches;
        return;
    } catch (const automation::AutomationError& e) {
        // One statement fails whole: nothing of it is left to undo, unless its error ended the
        // transaction too.
        if (!ServerTransactionOpen())
            throw BatchLost(pending, from, to, e);
    }
    for (std::size_t i = from; i < to; ++i)
        ExecuteStatement(pending[i].text, pending[i].line);
}

ScriptFailure ScriptRunner::BatchLost(const std::vector<Pending>& pending, std::size_t from, std::size_t to,
                                      const automation::AutomationError& e)
{
    return ScriptFailure(pending[from].line,
                         QStringLiteral("%1 (a statement of lines %2 to %3, sent together; the server ended the "
                                        "transaction)")
                             .arg(e.Description())
                             .arg(pending[from].line)
                             .arg(pending[to - 1].line),
                         true);
}

std::vector<std::string_view> ScriptRunner::JoiningRows(const std::vector<Pending>& pending, std::size_t from)
{
    std::vector<std::string_view> rows;
    const std::optional<SingleRowInsert> first = SingleRowInsert::Read(pending[from].text);
    if (!first)
        return rows;
    std::vector<SingleRowInsert::Kind> kinds = first->Kinds();
    for (std::size_t at = from + 1; at < pending.size() && rows.size() + 1 < kMostRows; ++at) {
        const std::optional<SingleRowInsert> next = SingleRowInsert::Read(pending[at].text);
        if (!next || next->Head() != first->Head() || !next->JoinTo(kinds))
            break;
        // The table is asked once a second row would join it, before more rows are read for it.
        if (rows.empty() && !TakesJoinedRows(*first))
            break;
        rows.push_back(next->Row());
    }
    return rows;
}

bool ScriptRunner::TakesJoinedRows(const SingleRowInsert& insert)
{
    const std::string head(insert.Head());
    if (const auto known = m_takesJoinedRows.find(head); known != m_takesJoinedRows.end())
        return known->second;
    bool takes = false;
    try {
        const std::string table = "object_id(N'" + sqlname::InLiteral(insert.Table()) + "')";
        const ado::RecordsetPtr found = m_connection.Execute(
            "select (select count(*) from sys.triggers where parent_id = " + table +
            ") as triggers, (select name from sys.identity_columns where object_id = " + table + ") as identity_column");
        if (!found->Eof() && ado::ToText(found->Fields(0L).GetValue()) == "0") {
            const ado::Value identity = found->Fields(1L).GetValue();
            takes = ado::IsNull(identity) ||
                    std::any_of(insert.Columns().begin(), insert.Columns().end(), [&](const std::string& column) {
                        return EqualsNoCase(column, ado::ToText(identity));
                    });
        }
    } catch (const automation::AutomationError&) {
        takes = false;  // a server without these views: rows go as the script writes them
    }
    m_takesJoinedRows.emplace(head, takes);
    return takes;
}

bool ScriptRunner::RunTransactionStatement(std::string_view text, long line)
{
    const TransactionWord word = TransactionStatement(text);
    switch (word) {
    case TransactionWord::None:
        return false;
    case TransactionWord::Begin:
        if (m_depth == 0) {
            m_outerBeginLine = line;
            if (!m_oneTransaction)
                m_connection.BeginTrans();
        }
        ++m_depth;
        return true;
    case TransactionWord::Commit:
        if (m_depth == 0)
            throw ScriptFailure(line, QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN "
                                                     "TRANSACTION."));
        if (--m_depth == 0 && !m_oneTransaction) {
            try {
                m_connection.CommitTrans();
            } catch (const automation::AutomationError& e) {
                throw ScriptFailure(line, e.Description());
            }
        }
        return true;
    case TransactionWord::Rollback:
        if (m_oneTransaction)
            throw ScriptFailure(line, QStringLiteral("A ROLLBACK in the script would undo the whole run, which is one "
                                                     "transaction; nothing is applied."));
        if (m_depth == 0)
            throw ScriptFailure(line, QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN "
                                                     "TRANSACTION."));
        m_depth = 0;
        try {
            m_connection.RollbackTrans();
        } catch (const automation::AutomationError& e) {
            throw ScriptFailure(line, e.Description());
        }
        return true;
    }
    return false;
}

bool ScriptRunner::TableMissing(std::string_view text)
{
    const std::optional<std::string> table = DroppedTable(text);
    if (!table)
        return false;
    try {
        const ado::RecordsetPtr id = m_connection.Execute("select object_id('" + sqlname::InLiteral(*table) + "')");
        return !id->Eof() && ado::IsNull(id->Fields(0L).GetValue());
    } catch (const automation::AutomationError&) {
        return false;  // the drop's own failure is the one to report
    }
}

void ScriptRunner::RollbackQuietly()
{
    m_runOpen = false;
    m_depth = 0;
    try {
        m_connection.RollbackTrans();
    } catch (const automation::AutomationError&) {
        // Nothing was open any more (a provider may end a transaction on its own failure).
    }
}
