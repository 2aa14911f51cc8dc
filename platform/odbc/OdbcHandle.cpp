#include "OdbcHandle.h"

#include "OdbcUnicode.h"

#include <sqlext.h>

#include <algorithm>
#include <utility>

namespace ado::odbc {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : m_type(type)
{
    const SQLRETURN rc = SQLAllocHandle(type, parent, &m_handle);
    if (SQL_SUCCEEDED(rc))
        return;
    m_handle = nullptr;
    std::vector<Diagnostic> records;
    if (parent != nullptr) {
        const SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
        OdbcHandle view;
        view.m_handle = parent;
        view.m_type = parentType;
        records = view.Diagnostics();
        view.m_handle = nullptr;  // borrowed, not ours to free
    }
    if (records.empty())
        records.push_back({"HY001", 0, "The ODBC driver manager could not allocate a handle."});
    throw OdbcError(std::move(records));
}

OdbcHandle::~OdbcHandle() { Release(); }

OdbcHandle::OdbcHandle(OdbcHandle&& other) noexcept
    : m_handle(std::exchange(other.m_handle, nullptr)),
      m_type(other.m_type),
      m_connected(std::exchange(other.m_connected, false)),
      m_wide(other.m_wide)
{
}

OdbcHandle& OdbcHandle::operator=(OdbcHandle&& other) noexcept
{
    if (this != &other) {
        Release();
        m_handle = std::exchange(other.m_handle, nullptr);
        m_type = other.m_type;
        m_connected = std::exchange(other.m_connected, false);
        m_wide = other.m_wide;
    }
    return *this;
}

void OdbcHandle::Release() noexcept
{
    if (m_handle == nullptr)
        return;
    if (m_connected)
        SQLDisconnect(m_handle);
    SQLFreeHandle(m_type, m_handle);
    m_handle = nullptr;
    m_connected = false;
}

std::vector<Diagnostic> OdbcHandle::Diagnostics() const
{
    std::vector<Diagnostic> records;
    if (m_handle == nullptr)
        return records;
    std::u16string wide(512, u'\0');
    std::string narrow(1024, '\0');
    for (SQLSMALLINT i = 1;; ++i) {
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        Diagnostic record;
        std::string text;
        if (m_wide) {
            SQLWCHAR state[6] = {};
            SQLRETURN rc = SQLGetDiagRecW(m_type, m_handle, i, state, &native, reinterpret_cast<SQLWCHAR*>(wide.data()),
                                          static_cast<SQLSMALLINT>(wide.size()), &length);
            if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(wide.size())) {
                wide.resize(static_cast<size_t>(length) + 1);
                rc = SQLGetDiagRecW(m_type, m_handle, i, state, &native, reinterpret_cast<SQLWCHAR*>(wide.data()),
                                    static_cast<SQLSMALLINT>(wide.size()), &length);
            }
            if (!SQL_SUCCEEDED(rc))
                break;
            Utf16ToUtf8(reinterpret_cast<const char16_t*>(state), 5, record.sqlState);
            Utf16ToUtf8(wide.data(), std::min<size_t>(static_cast<size_t>(std::max<SQLSMALLINT>(length, 0)), wide.size() - 1),
                        text);
        } else {
            SQLCHAR state[6] = {};
            SQLRETURN rc = SQLGetDiagRec(m_type, m_handle, i, state, &native, reinterpret_cast<SQLCHAR*>(narrow.data()),
                                         static_cast<SQLSMALLINT>(narrow.size()), &length);
            if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(narrow.size())) {
                narrow.resize(static_cast<size_t>(length) + 1);
                rc = SQLGetDiagRec(m_type, m_handle, i, state, &native, reinterpret_cast<SQLCHAR*>(narrow.data()),
                                   static_cast<SQLSMALLINT>(narrow.size()), &length);
            }
            if (!SQL_SUCCEEDED(rc))
                break;
            record.sqlState.assign(reinterpret_cast<const char*>(state), 5);
            text.assign(narrow.data(), std::min<size_t>(static_cast<size_t>(std::max<SQLSMALLINT>(length, 0)), narrow.size() - 1));
        }
        record.nativeError = native;
        record.message = WithoutDriverPrefixes(text);
        records.push_back(std::move(record));
    }
    return records;
}

void OdbcHandle::Check(SQLRETURN rc, std::string_view context) const
{
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
        return;
    std::vector<Diagnostic> records = Diagnostics();
    if (records.empty())
        records.push_back({"HY000", 0, std::string(context) + " failed without a diagnostic record."});
    throw OdbcError(std::move(records));
}

}  // namespace ado::odbc
