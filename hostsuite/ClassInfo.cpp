#include "ClassInfo.h"

#include "Connection.h"
#include "Dispatch.h"

ado::RecordsetPtr ClassInfo::GetData(const QString& connectionText, const QString& sql)
{
    return automation::Guard([&] {
        // The record set keeps the provider's session alive after the connection object goes.
        ado::Connection connection;
        connection.Open(connectionText.toStdString(), ado::adModeRead);
        return connection.Execute(sql.toStdString());
    });
}
