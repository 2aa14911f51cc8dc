#include "Connection.h"

#include "AutomationError.h"
#include "ConnectionText.h"
#include "OdbcConnectionText.h"
#include "OdbcProvider.h"
#include "SqliteProvider.h"

#include <QString>

#include <algorithm>
#include <cctype>

namespace ado {

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

}  // namespace

Connection::~Connection() = default;

void Connection::Open(const std::string& connectionText, ConnectModeEnum mode)
{
    Close();
    const ConnectionText text(connectionText);
    const std::string provider = Lower(text.GetOr("Provider"));
    const bool readOnly = mode == adModeRead;
    if (provider == "sqlite" || (provider.empty() && !text.Get("Driver") && !text.Get("DSN"))) {
        m_session = provider::OpenSqlite(text, readOnly ? provider::SqliteOpenMode::ReadOnly
                                                 : mode == adModeCreate ? provider::SqliteOpenMode::Create
                                                                        : provider::SqliteOpenMode::ReadWrite);
        m_embedded = true;
    } else if (odbc::IsOdbcText(text)) {
        m_session = provider::OpenOdbc(connectionText, readOnly);
    } else {
        throw automation::AutomationError(
            3706, QStringLiteral("Provider cannot be found. It may not be properly installed."),
            QStringLiteral("ADODB.Connection"));
    }
    m_connectionText = connectionText;
}

provider::Session& Connection::OpenSession() const
{
    if (!m_session)
        throw automation::AutomationError(3704,
                                          QStringLiteral("Operation is not allowed when the object is closed."),
                                          QStringLiteral("ADODB.Connection"));
    return *m_session;
}

RecordsetPtr Connection::Execute(const std::string& sql, CursorTypeEnum cursorType)
{
    return std::make_shared<Recordset>(OpenSession().Execute(sql), cursorType);
}

void Connection::BeginTrans()
{
    OpenSession().BeginTrans();
}

void Connection::CommitTrans()
{
    OpenSession().CommitTrans();
}

void Connection::RollbackTrans()
{
    OpenSession().RollbackTrans();
}

void Connection::Close()
{
    m_session.reset();
    m_connectionText.clear();
    m_embedded = false;
}

}  // namespace ado
