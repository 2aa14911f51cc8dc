#include "OdbcSession.h"

#include "OdbcCursor.h"
#include "OdbcUnicode.h"

#include <sqlext.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string_view>

namespace ado::odbc {

OdbcSession::OdbcSession(std::shared_ptr<OdbcHandle> environment, OdbcTarget target, bool readOnly,
                         std::optional<bool> wide)
    : m_environment(std::move(environment)), m_target(std::move(target)), m_readOnly(readOnly), m_chosenWide(wide)
{
    m_links.push_back(Connect());
    m_wide = wide ? *wide : KeepsUnicode(m_links.front()->connection.Get());
    m_links.front()->connection.SetWide(m_wide);
    SQLUSMALLINT activities = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(m_links.front()->connection.Get(), SQL_MAX_CONCURRENT_ACTIVITIES, &activities,
                                 sizeof activities, nullptr)))
        m_oneResultPerConnection = activities == 1;
    // SQLite keeps a value of any length in any column; servers keep values within the sizes
    // they declare, which lets a cursor read them into buffers of those sizes.
    char dbms[64] = {};
    SQLSMALLINT length = 0;
    if (SQL_SUCCEEDED(SQLGetInfo(m_links.front()->connection.Get(), SQL_DBMS_NAME, dbms, sizeof dbms, &length)))
        m_sizesHold = std::string_view(dbms).find("SQLite") == std::string_view::npos;
}

std::unique_ptr<OdbcSession::Link> OdbcSession::Connect() const
{
    auto link = std::make_unique<Link>();
    link->connection = OdbcHandle(SQL_HANDLE_DBC, m_environment->Get());
    const SQLHANDLE dbc = link->connection.Get();
    // Both are hints a driver may decline; the connection goes ahead either way.
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(m_target.loginTimeout)), 0);
    if (m_readOnly)
        SQLSetConnectAttr(dbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);

    // Unless the wide interface was chosen, the narrow call hands the UTF-8 text over unchanged,
    // whichever interface the driver has (FreeTDS reads it in the client character set the text
    // names).
    SQLSMALLINT outLength = 0;
    SQLRETURN rc = SQL_SUCCESS;
    link->connection.SetWide(m_chosenWide.value_or(false));
    if (m_chosenWide.value_or(false)) {
        std::u16string text = Utf8ToUtf16(m_target.connectionString);
        rc = SQLDriverConnectW(dbc, nullptr, reinterpret_cast<SQLWCHAR*>(text.data()),
                               static_cast<SQLSMALLINT>(text.size()), nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT);
        std::fill(text.begin(), text.end(), u'\0');  // the password leaves memory with the request
    } else {
        std::string text = m_target.connectionString;
        rc = SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                              static_cast<SQLSMALLINT>(text.size()), nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT);
        std::fill(text.begin(), text.end(), '\0');
    }
    link->connection.Check(rc, "SQLDriverConnect");
    link->connection.MarkConnected();
    link->connection.SetWide(m_wide);
    if (m_inTransaction)
        SetAutocommit(*link, false);
    return link;
}

void OdbcSession::SetAutocommit(const Link& link, bool on)
{
    const SQLULEN value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    link.connection.Check(
        SQLSetConnectAttr(link.connection.Get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(value), 0),
        "SQLSetConnectAttr(SQL_ATTR_AUTOCOMMIT)");
}

void OdbcSession::BeginTrans()
{
    m_inTransaction = true;
    for (const auto& link : m_links)
        SetAutocommit(*link, false);
}

void OdbcSession::CommitTrans()
{
    EndTransaction(SQL_COMMIT);
}

void OdbcSession::RollbackTrans()
{
    EndTransaction(SQL_ROLLBACK);
}

void OdbcSession::EndTransaction(SQLSMALLINT completion)
{
    // Every connection is ended even when one fails; the first failure is reported.
    m_inTransaction = false;
    std::exception_ptr failure;
    for (const auto& link : m_links) {
        try {
            link->connection.Check(SQLEndTran(SQL_HANDLE_DBC, link->connection.Get(), completion), "SQLEndTran");
            SetAutocommit(*link, true);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

bool OdbcSession::KeepsUnicode(SQLHDBC connection)
{
    // A text beyond ASCII sent through the driver's own translation comes back unchanged only
    // when nothing narrowed it on the way. A driver that cannot translate is taken as Unicode.
    std::u16string probe = u"\u4E2D\u00E9";
    SQLWCHAR out[16] = {};
    SQLINTEGER outLength = 0;
    const SQLRETURN rc = SQLNativeSqlW(connection, reinterpret_cast<SQLWCHAR*>(probe.data()),
                                       static_cast<SQLINTEGER>(probe.size()), out,
                                       static_cast<SQLINTEGER>(std::size(out)), &outLength);
    if (!SQL_SUCCEEDED(rc))
        return true;
    return outLength == static_cast<SQLINTEGER>(probe.size()) &&
           std::equal(probe.begin(), probe.end(), reinterpret_cast<const char16_t*>(out));
}

OdbcSession::Link& OdbcSession::IdleLink()
{
    const auto idle = std::find_if(m_links.begin(), m_links.end(), [](const auto& link) { return !link->busy; });
    if (idle != m_links.end())
        return **idle;
    m_links.push_back(Connect());
    return *m_links.back();
}

std::unique_ptr<provider::Cursor> OdbcSession::Execute(std::string_view sql)
{
    Link& link = IdleLink();
    OdbcHandle statement(SQL_HANDLE_STMT, link.connection.Get());
    statement.SetWide(m_wide);
    SQLRETURN rc = SQL_SUCCESS;
    if (m_wide) {
        std::u16string text = Utf8ToUtf16(sql);
        rc = SQLExecDirectW(statement.Get(), reinterpret_cast<SQLWCHAR*>(text.data()),
                            static_cast<SQLINTEGER>(text.size()));
    } else {
        // The driver only reads the text: no copy of a statement of any size.
        rc = SQLExecDirect(statement.Get(), reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.data())),
                           static_cast<SQLINTEGER>(sql.size()));
    }
    statement.Check(rc, "SQLExecDirect");
    auto cursor = std::make_unique<OdbcCursor>(shared_from_this(), std::move(statement),
                                               m_oneResultPerConnection ? &link.busy : nullptr, m_sizesHold);
    if (m_oneResultPerConnection && cursor->HasResultSet())
        link.busy = true;
    return cursor;
}

}  // namespace ado::odbc
