#pragma once

#include "OdbcConnectionText.h"
#include "OdbcHandle.h"
#include "Provider.h"

#include <memory>
#include <optional>
#include <vector>

namespace ado::odbc {

// An open ODBC data source. Drivers that read one result at a time per connection (SQL Server
// through TDS) get a further connection when a statement runs while another's rows are still
// being read, as SQL Server's OLE DB provider does; the rows of both stay readable.
//
// Text goes through the wide (UTF-16) functions when the driver has a Unicode interface. A
// driver without one (the SQLite3 driver) would get the driver manager's conversion to the
// process's locale, which loses every character beyond ASCII in the C locale; such drivers
// take UTF-8 through the narrow functions instead.
class OdbcSession final : public provider::Session {
public:
    // Connects; throws OdbcError with the driver's records when the data source refuses.
    // wide chooses the text interface; nothing lets the driver's behaviour decide.
    OdbcSession(std::shared_ptr<OdbcHandle> environment, OdbcTarget target, bool readOnly,
                std::optional<bool> wide = std::nullopt);

    std::unique_ptr<provider::Cursor> Execute(std::string_view sql) override;
    // Automatic commit off on every connection of the session, including those opened later,
    // until CommitTrans commits or RollbackTrans rolls back each and turns automatic commit on
    // again. Throws OdbcError when the driver refuses.
    void BeginTrans() override;
    void CommitTrans() override;
    void RollbackTrans() override;
    // True when text travels through the wide functions.
    bool Wide() const { return m_wide; }

private:
    struct Link {
        OdbcHandle connection;
        bool busy = false;  // a cursor is reading a result on it
    };

    std::unique_ptr<Link> Connect() const;
    static void SetAutocommit(const Link& link, bool on);
    // Commits or rolls back (SQL_COMMIT, SQL_ROLLBACK) on every connection.
    void EndTransaction(SQLSMALLINT completion);
    static bool KeepsUnicode(SQLHDBC connection);
    Link& IdleLink();

    std::shared_ptr<OdbcHandle> m_environment;
    OdbcTarget m_target;
    bool m_readOnly;
    std::optional<bool> m_chosenWide;
    bool m_oneResultPerConnection = false;
    bool m_sizesHold = false;  // values never exceed their column's declared size
    bool m_wide = true;
    bool m_inTransaction = false;
    std::vector<std::unique_ptr<Link>> m_links;  // the first is the session's own connection
};

}  // namespace ado::odbc
