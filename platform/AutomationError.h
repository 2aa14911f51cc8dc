#pragma once

#include <QString>

#include <exception>
#include <string>

namespace automation {

// What an automation error carries, and what the per-thread current error holds.
struct ErrorInfo {
    long number = 0;
    QString description;
    QString source;
    QString helpFile;
    long helpContext = 0;
};

// A failure that travels to the caller as an automation error.
class AutomationError : public std::exception {
public:
    explicit AutomationError(long number, QString description, QString source = {},
                             QString helpFile = {}, long helpContext = 0);
    explicit AutomationError(ErrorInfo info);

    long Number() const { return m_info.number; }
    const QString& Description() const { return m_info.description; }
    const QString& Source() const { return m_info.source; }
    const QString& HelpFile() const { return m_info.helpFile; }
    long HelpContext() const { return m_info.helpContext; }
    const ErrorInfo& Info() const { return m_info; }

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    ErrorInfo m_info;
    std::string m_what;
};

// The calling thread's current error (the platform keeps one per thread). Number 0 means none.
ErrorInfo& CurrentError();
void ClearCurrentError();
// Records a caught failure as the current error, as an error handler of the caller would see it.
void SetCurrentError(const ErrorInfo& info);

// Turns any exception in flight into error information: AutomationError keeps its fields,
// other exceptions become number 440 (automation error) with their message.
ErrorInfo InfoFromCurrentException();

// Keeps the caller's pending error across code that may disturb it, and puts it back intact.
class SavedError {
public:
    SavedError() : m_saved(CurrentError()) {}
    ~SavedError() { CurrentError() = m_saved; }
    SavedError(const SavedError&) = delete;
    SavedError& operator=(const SavedError&) = delete;

private:
    ErrorInfo m_saved;
};

}  // namespace automation
