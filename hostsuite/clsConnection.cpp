#include "clsConnection.h"

#include <memory>

ado::ConnectionPtr clsConnection::OpenConnection(const std::string& strConnection, ado::ConnectionPtr& objCon)
{
    objCon.reset();
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(strConnection);
    objCon = connection;
    return connection;
}

void clsConnection::CloseConnection(ado::ConnectionPtr& objCon)
{
    if (objCon)
        objCon->Close();
}
