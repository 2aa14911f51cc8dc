#pragma once

#include "Connection.h"

#include <QString>

#include <memory>

// One read-only connection to the account database, held for a batch run of the data layer's
// queries (a whole-dictionary export, a field search, a drift check). Each SQL text runs as the
// data server runs it, in a transaction that is rolled back once the rows are read whole, so a
// batch changes nothing either; only the opening of the database is shared by its queries.
class HeldConnection {
public:
    // Opens the database of the connection text read-only; throws AutomationError with the
    // provider's description when it cannot.
    explicit HeldConnection(const QString& connectionText);

    // The statement's rows, read whole; a closed record set when it gave no result set. Failures
    // raise the provider's error with its description unchanged.
    ado::RecordsetPtr GetData(const QString& sql);
    // True for a SQLite file of the embedded provider.
    bool IsEmbedded() const { return m_connection.IsEmbedded(); }

private:
    ado::Connection m_connection;
};

using HeldConnectionPtr = std::shared_ptr<HeldConnection>;
