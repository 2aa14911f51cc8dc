#include "Connection.h"

#include "AutomationError.h"

#include <QString>

namespace ado {

Connection::~Connection() = default;

void Connection::Open(const std::string& connectionText, ConnectModeEnum mode)
{
    Close();
    const provider::OpenMode openMode = mode == adModeRead     ? provider::OpenMode::ReadOnly
                                        : mode == adModeCreate ? provider::OpenMode::Create
                                                               : provider::OpenMode::ReadWrite;
    provider::OpenedSession opened = provider::OpenProvider(connectionText, openMode);
    m_session = std::move(opened.session);
    m_embedded = opened.embedded;
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

RecordsetPtr Connection::Execute(std::string_view sql, CursorTypeEnum cursorType)
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
