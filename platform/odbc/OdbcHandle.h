#pragma once

#include "OdbcError.h"

#include <sql.h>

#include <string_view>
#include <vector>

namespace ado::odbc {

// One ODBC handle (environment, connection or statement), freed when it goes. A connection
// marked connected is disconnected first.
class OdbcHandle {
public:
    OdbcHandle() = default;
    // Allocates a handle of the type under parent (nullptr for an environment);
    // throws OdbcError when the driver manager refuses.
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(OdbcHandle&& other) noexcept;
    OdbcHandle& operator=(OdbcHandle&& other) noexcept;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE Get() const { return m_handle; }
    SQLSMALLINT Type() const { return m_type; }
    void MarkConnected() { m_connected = true; }
    // Whether diagnostics are read through the wide (UTF-16) functions, as for a driver with a
    // Unicode interface, or the narrow ones in UTF-8.
    void SetWide(bool wide) { m_wide = wide; }
    bool Wide() const { return m_wide; }

    // Every diagnostic record the last call on this handle left.
    std::vector<Diagnostic> Diagnostics() const;
    // Throws OdbcError with the handle's records when rc is a failure (SQL_ERROR,
    // SQL_INVALID_HANDLE); context names the call for the rare failure without records.
    void Check(SQLRETURN rc, std::string_view context) const;

private:
    void Release() noexcept;

    SQLHANDLE m_handle = nullptr;
    SQLSMALLINT m_type = 0;
    bool m_connected = false;
    bool m_wide = true;
};

}  // namespace ado::odbc
