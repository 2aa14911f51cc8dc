#include "OdbcError.h"

#include <algorithm>

namespace ado::odbc {

namespace {

constexpr long kNoTable = -2147217865;            // 0x80040E37
constexpr long kErrorsInCommand = -2147217900;    // 0x80040E14
constexpr long kIntegrityViolation = -2147217873; // 0x80040E2F
constexpr long kGeneralFailure = -2147467259;     // 0x80004005

// SQL Server adds "Statement(s) could not be prepared." after the error that matters.
constexpr long kCouldNotPrepare = 8180;

const Diagnostic& Primary(const std::vector<Diagnostic>& records)
{
    const auto it = std::find_if(records.begin(), records.end(), [](const Diagnostic& d) {
        return d.nativeError != kCouldNotPrepare && !d.message.empty();
    });
    return it != records.end() ? *it : records.front();
}

automation::ErrorInfo InfoFor(const std::vector<Diagnostic>& records)
{
    const Diagnostic& primary = Primary(records);
    return automation::ErrorInfo{ErrorNumberForState(primary.sqlState), QString::fromStdString(primary.message),
                                 ErrorSource(), {}, 0};
}

}  // namespace

QString ErrorSource() { return QStringLiteral("Tabrix ODBC Provider"); }

OdbcError::OdbcError(std::vector<Diagnostic> records)
    : AutomationError(InfoFor(records)), m_records(std::move(records))
{
}

std::string WithoutDriverPrefixes(std::string_view message)
{
    // Drivers and the driver manager put their names in brackets before the text; server
    // messages never start with a bracket.
    while (!message.empty() && message.front() == '[') {
        const size_t close = message.find(']');
        if (close == std::string_view::npos)
            break;
        message.remove_prefix(close + 1);
    }
    while (!message.empty() && (message.front() == ' ' || message.front() == ':'))
        message.remove_prefix(1);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.remove_suffix(1);
    return std::string(message);
}

long ErrorNumberForState(std::string_view sqlState)
{
    if (sqlState == "42S02")
        return kNoTable;
    if (sqlState.starts_with("42") || sqlState.starts_with("37"))
        return kErrorsInCommand;
    if (sqlState.starts_with("23"))
        return kIntegrityViolation;
    return kGeneralFailure;
}

}  // namespace ado::odbc
