#pragma once

#include "AutomationError.h"

#include <string>
#include <string_view>
#include <vector>

namespace ado::odbc {

// One diagnostic record of an ODBC call.
struct Diagnostic {
    std::string sqlState;  // five characters, "42S02"
    long nativeError = 0;  // the server's own message number
    std::string message;   // UTF-8, without the driver's "[vendor][component]" prefixes
};

// The error source of every failure this provider reports.
QString ErrorSource();

// A failed ODBC call. The description is the message of the record that tells what went
// wrong; every record stays available for callers that want more.
class OdbcError : public automation::AutomationError {
public:
    // records must not be empty.
    explicit OdbcError(std::vector<Diagnostic> records);

    const std::vector<Diagnostic>& Records() const { return m_records; }

private:
    std::vector<Diagnostic> m_records;
};

// "[FreeTDS][SQL Server]Invalid object name 'x'." gives "Invalid object name 'x'.".
std::string WithoutDriverPrefixes(std::string_view message);

// The automation error number for a SQLSTATE, as a SQL Server provider reports it: missing
// object, errors in the command, integrity violation, anything else a general failure.
long ErrorNumberForState(std::string_view sqlState);

}  // namespace ado::odbc
