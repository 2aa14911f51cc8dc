#include "HeldConnection.h"

HeldConnection::HeldConnection(const QString& connectionText)
{
    m_connection.Open(connectionText.toStdString(), ado::adModeRead);
}

ado::RecordsetPtr HeldConnection::GetData(const QString& sql)
{
    m_connection.BeginTrans();
    ado::RecordsetPtr rs;
    try {
        rs = m_connection.Execute(sql.toStdString(), ado::adOpenStatic);
    } catch (...) {
        // The statement's failure is the one to report; a rollback that fails as well leaves
        // the transaction to the connection's close, which never commits it.
        try {
            m_connection.RollbackTrans();
        } catch (...) {
        }
        throw;
    }
    m_connection.RollbackTrans();
    return rs;
}
