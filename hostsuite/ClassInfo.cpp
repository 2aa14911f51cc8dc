#include "ClassInfo.h"

#include "Connection.h"
#include "Dispatch.h"

ado::RecordsetPtr ClassInfo::GetData(const QString& connectionText, const QString& sql)
{
    return automation::Guard([&] {
        ado::Connection connection;
        connection.Open(connectionText.toStdString(), ado::adModeRead);
        connection.BeginTrans();
        ado::RecordsetPtr rs;
        try {
            // Read whole, so that the rows outlive the connection and nothing stays open.
            rs = connection.Execute(sql.toStdString(), ado::adOpenStatic);
        } catch (...) {
            // The statement's failure is the one to report. Closing the connection ends the
            // transaction without committing it should the rollback fail as well.
            try {
                connection.RollbackTrans();
            } catch (...) {
            }
            throw;
        }
        connection.RollbackTrans();
        return rs;
    });
}
