#pragma once

#include "AutomationError.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>

#include <type_traits>

// Late-bound calls by name, as automation hosts make them: methods (Q_INVOKABLE or slots),
// property reads and writes. A failure inside the call arrives as an AutomationError thrown
// here; no exception ever crosses moc-generated code.
//
// Names are matched with their exact spelling first, then without regard to case. Errors:
// 438 unknown member, 450 wrong number of arguments (or a read-only property assigned), 13 an
// argument or value that does not convert, 91 a null object. Object values travel in QVariant
// as ObjectPtr; such a value also reaches a parameter that takes a QObject pointer.
//
// Property accessors (READ and WRITE functions) must not throw: QMetaProperty offers no way to
// carry a failure back, so a property that can fail is better made a method.
namespace automation {

// Calls the public method, slot or signal of that name taking args.size() arguments (at most
// ten); among overloads it takes the one the arguments convert to, preferring exact types.
// Each argument is converted to its parameter's type; an invalid QVariant passes the type's
// default value. Returns the result, or an invalid QVariant for a void member.
QVariant Invoke(QObject* object, const char* member, const QVariantList& args = {});
QVariant GetProperty(QObject* object, const char* name);
// Writes a declared property only: an unknown name is error 438, never a new dynamic property.
void SetProperty(QObject* object, const char* name, const QVariant& value);

namespace detail {
bool TakeDispatchPending();
void RecordDispatchFailure(const ErrorInfo& info);
}  // namespace detail

// Wraps the body of a member that hosts call by name. Called directly from C++, the body's
// exceptions propagate as usual; called through Invoke, the failure is recorded for Invoke
// to throw on the caller's side, so that it does not unwind through moc's code. Only the
// outermost Guard of a call by name takes the mark, so direct calls inside the body throw as
// usual. Guard the whole body of every member hosts call by name: in an unguarded member, the
// first guarded function it calls would take the mark instead.
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
