#include "AutomationError.h"

namespace automation {

AutomationError::AutomationError(long number, QString description, QString source,
                                 QString helpFile, long helpContext)
    : AutomationError(ErrorInfo{number, std::move(description), std::move(source),
                                std::move(helpFile), helpContext})
{
}

AutomationError::AutomationError(ErrorInfo info)
    : m_info(std::move(info)), m_what(m_info.description.toStdString())
{
}

ErrorInfo& CurrentError()
{
    thread_local ErrorInfo current;
    return current;
}

void ClearCurrentError() { CurrentError() = ErrorInfo{}; }

void SetCurrentError(const ErrorInfo& info) { CurrentError() = info; }

ErrorInfo InfoFromCurrentException()
{
    try {
        throw;
    } catch (const AutomationError& e) {
        return e.Info();
    } catch (const std::exception& e) {
        return ErrorInfo{440, QString::fromUtf8(e.what()), {}, {}, 0};
    } catch (...) {
        return ErrorInfo{440, QStringLiteral("Automation error"), {}, {}, 0};
    }
}

}  // namespace automation
