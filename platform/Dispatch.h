#pragma once

#include "AutomationError.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>

#include <type_traits>

// Late-bound calls by name, as automation hosts make them: methods (Q_INVOKABLE or slots),
// property reads and writes. A failure inside the call arrives as an AutomationError thrown
// here; no exception ever crosses moc-generated code.
namespace automation {

QVariant Invoke(QObject* object, const char* member, const QVariantList& args = {});
QVariant GetProperty(QObject* object, const char* name);
void SetProperty(QObject* object, const char* name, const QVariant& value);

namespace detail {
bool TakeDispatchPending();
void RecordDispatchFailure(const ErrorInfo& info);
}  // namespace detail

// Wraps the body of a member that hosts call by name. Called directly from C++, the body's
// exceptions propagate as usual; called through Invoke, the failure is recorded for Invoke
// to throw on the caller's side, so that it does not unwind through moc's code.
template <class F>
auto Guard(F&& body) -> decltype(body())
{
    using R = decltype(body());
    if (!detail::TakeDispatchPending())
        return body();
    try {
        return body();
    } catch (...) {
        detail::RecordDispatchFailure(InfoFromCurrentException());
    }
    if constexpr (!std::is_void_v<R>)
        return R{};
}

}  // namespace automation
