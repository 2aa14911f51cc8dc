#pragma once

#include "Connection.h"

#include <QMetaType>

#include <string>

// The host suite's connection class of the converter: opens and closes database connections.
class clsConnection {
public:
    // Opens a connection on strConnection and leaves it in objCon (also returned). A failure
    // arrives as AutomationError with the provider's description; objCon is then left empty.
    ado::ConnectionPtr OpenConnection(const std::string& strConnection, ado::ConnectionPtr& objCon);
    // Closes the connection held by objCon; an empty variable is left alone.
    void CloseConnection(ado::ConnectionPtr& objCon);
};

Q_DECLARE_METATYPE(ado::ConnectionPtr)
