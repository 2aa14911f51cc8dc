#pragma once

#include "Recordset.h"

#include <memory>
#include <string>
#include <string_view>

namespace ado {

// adModeCreate is ours, not one of ADO's numbers: read-write, and a SQLite file that does not
// exist yet is created. Every other mode refuses a missing SQLite file, so a mistyped Data Source
// is reported instead of becoming an empty database. ODBC treats it as adModeReadWrite.
enum ConnectModeEnum : int { adModeUnknown = 0, adModeRead = 1, adModeReadWrite = 3, adModeCreate = 0x10000000 };

// An open database. The provider is chosen by the connection text: "Provider=SQLite" (or no
// provider and a Data Source) opens a SQLite file; SQL Server texts ("Provider=SQLOLEDB...",
// "Driver=...", "DSN=...") go through ODBC. Keys a provider does not know are ignored.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Throws AutomationError with the provider's description when the database cannot be opened;
    // a SQLite file that does not exist (unless mode is adModeCreate) gives SQL Server's text
    // 'Cannot open database "<Data Source>" requested by the login. The login failed.'
    void Open(const std::string& connectionText, ConnectModeEnum mode = adModeUnknown);
    // Runs one statement. A statement without a result set gives a closed record set.
    RecordsetPtr Execute(std::string_view sql, CursorTypeEnum cursorType = adOpenForwardOnly);
    // Starts a transaction; CommitTrans ends it keeping every change made since, RollbackTrans
    // ends it undoing them. Each throws AutomationError with the provider's description when the
    // provider refuses.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    void Close();
    long State() const { return m_session ? adStateOpen : adStateClosed; }
    const std::string& ConnectionString() const { return m_connectionText; }
    // True while a SQLite file of the embedded provider is open.
    bool IsEmbedded() const { return m_embedded; }

private:
    // The open session; throws AutomationError 3704 when the connection is closed.
    provider::Session& OpenSession() const;

    std::shared_ptr<provider::Session> m_session;
    std::string m_connectionText;
    bool m_embedded = false;
};

using ConnectionPtr = std::shared_ptr<Connection>;

}  // namespace ado
