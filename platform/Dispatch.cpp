#include "Dispatch.h"

#include "ComponentRegistry.h"

#include <QMetaMethod>
#include <QMetaProperty>

#include <array>
#include <optional>
#include <vector>

namespace automation {

namespace {

constexpr long kTypeMismatch = 13;
constexpr long kObjectNotSet = 91;
constexpr long kNotSupported = 438;
constexpr long kWrongArguments = 450;
constexpr long kAutomationError = 440;
// QMetaMethod::invoke takes at most ten arguments.
constexpr int kMaxArguments = 10;

[[noreturn]] void Fail(long number, const QString& text, const char* member, const QObject* object)
{
    throw AutomationError(number, QStringLiteral("%1: '%2'").arg(text, QString::fromUtf8(member)),
                          QString::fromLatin1(object->metaObject()->className()));
}

[[noreturn]] void NotSupported(const char* member, const QObject* object)
{
    Fail(kNotSupported, QStringLiteral("Object doesn't support this property or method"), member, object);
}

void RequireObject(const QObject* object, const char* member)
{
    if (!object)
        throw AutomationError(kObjectNotSet, QStringLiteral("Object variable or With block variable not set: '%1'")
                                                 .arg(QString::fromUtf8(member)));
}

// Converts one argument to the exact type a parameter or property has. An invalid QVariant (a
// missing optional argument) gives the type's default value.
std::optional<QVariant> ConvertTo(const QVariant& value, QMetaType target)
{
    if (!target.isValid())
        return std::nullopt;
    if (target == QMetaType::fromType<QVariant>())
        return value;
    if (!value.isValid())
        return QVariant(target);
    if (value.metaType() == target)
        return value;
    // An object created by ProgID reaches a parameter that takes a plain QObject pointer.
    if (value.metaType() == QMetaType::fromType<ObjectPtr>() && (target.flags() & QMetaType::PointerToQObject)) {
        QObject* object = value.value<ObjectPtr>().get();
        if (object && target.metaObject() && !object->metaObject()->inherits(target.metaObject()))
            return std::nullopt;
        return QVariant(target, &object);
    }
    QVariant converted = value;
    if (!converted.convert(target))
        return std::nullopt;
    return converted;
}

// A method that fits the call, with its arguments converted to its parameter types.
struct Candidate {
    QMetaMethod method;
    std::vector<QVariant> arguments;
    int exactMatches = 0;
};

std::optional<Candidate> Fit(const QMetaMethod& method, const QVariantList& args)
{
    Candidate candidate{method, {}, 0};
    candidate.arguments.reserve(args.size());
    for (int i = 0; i < args.size(); ++i) {
        const QMetaType type = method.parameterMetaType(i);
        std::optional<QVariant> converted = ConvertTo(args[i], type);
        if (!converted)
            return std::nullopt;
        if (args[i].metaType() == type)
            ++candidate.exactMatches;
        candidate.arguments.push_back(std::move(*converted));
    }
    return candidate;
}

bool IsCallable(const QMetaMethod& method)
{
    return method.access() == QMetaMethod::Public && method.methodType() != QMetaMethod::Constructor;
}

// Methods of that name, exact spelling first; late-bound hosts do not mind the case of names.
std::vector<QMetaMethod> MethodsNamed(const QMetaObject* meta, const QByteArray& name)
{
    std::vector<QMetaMethod> exact;
    std::vector<QMetaMethod> anyCase;
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (!IsCallable(method))
            continue;
        if (method.name() == name)
            exact.push_back(method);
        else if (method.name().compare(name, Qt::CaseInsensitive) == 0)
            anyCase.push_back(method);
    }
    return exact.empty() ? anyCase : exact;
}

QMetaProperty PropertyNamed(const QMetaObject* meta, const char* name)
{
    if (const int index = meta->indexOfProperty(name); index >= 0)
        return meta->property(index);
    for (int i = 0; i < meta->propertyCount(); ++i) {
        if (qstricmp(meta->property(i).name(), name) == 0)
            return meta->property(i);
    }
    return {};
}

// What passes between Invoke and the Guard of the member it calls, per thread.
struct DispatchState {
    bool pending = false;
    std::optional<ErrorInfo> failure;
};

DispatchState& State()
{
    thread_local DispatchState state;
    return state;
}

// Marks the next Guard as called by name for the span of one meta call, and puts back the state
// of an enclosing Invoke afterwards (a guarded body may itself call by name).
class PendingCall {
public:
    PendingCall() : m_outer(std::exchange(State(), DispatchState{true, std::nullopt})) {}
    ~PendingCall() { State() = std::move(m_outer); }
    PendingCall(const PendingCall&) = delete;
    PendingCall& operator=(const PendingCall&) = delete;

    std::optional<ErrorInfo> TakeFailure() { return std::exchange(State().failure, std::nullopt); }

private:
    DispatchState m_outer;
};

}  // namespace

namespace detail {

bool TakeDispatchPending() { return std::exchange(State().pending, false); }

void RecordDispatchFailure(const ErrorInfo& info)
{
    if (!State().failure)
        State().failure = info;
}

}  // namespace detail

QVariant Invoke(QObject* object, const char* member, const QVariantList& args)
{
    RequireObject(object, member);
    const std::vector<QMetaMethod> named = MethodsNamed(object->metaObject(), QByteArray(member));
    if (named.empty())
        NotSupported(member, object);

    std::optional<Candidate> best;
    bool countFits = false;
    for (const QMetaMethod& method : named) {
        if (method.parameterCount() != args.size())
            continue;
        countFits = true;
        std::optional<Candidate> candidate = Fit(method, args);
        if (candidate && (!best || candidate->exactMatches > best->exactMatches))
            best = std::move(candidate);
    }
    if (!countFits || args.size() > kMaxArguments)
        Fail(kWrongArguments, QStringLiteral("Wrong number of arguments or invalid property assignment"), member, object);
    if (!best)
        Fail(kTypeMismatch, QStringLiteral("Type mismatch"), member, object);

    const QMetaMethod& method = best->method;
    const QList<QByteArray> typeNames = method.parameterTypes();
    std::array<QGenericArgument, kMaxArguments> generic{};
    for (size_t i = 0; i < best->arguments.size(); ++i) {
        QVariant& argument = best->arguments[i];
        // A QVariant parameter takes the QVariant itself; any other type takes the value inside.
        void* data = method.parameterMetaType(int(i)) == QMetaType::fromType<QVariant>()
                         ? static_cast<void*>(&argument)
                         : argument.data();
        generic[i] = QGenericArgument(typeNames[qsizetype(i)].constData(), data);
    }

    const QMetaType returnType = method.returnMetaType();
    const bool returnsVoid = returnType.id() == QMetaType::Void;
    const bool returnsVariant = returnType == QMetaType::fromType<QVariant>();
    if (!returnsVoid && !returnType.isValid())
        NotSupported(member, object);
    QVariant result = returnsVoid || returnsVariant ? QVariant() : QVariant(returnType);
    QGenericReturnArgument returnArgument;
    if (!returnsVoid)
        returnArgument = QGenericReturnArgument(method.typeName(), returnsVariant ? static_cast<void*>(&result) : result.data());

    bool called = false;
    std::optional<ErrorInfo> failure;
    {
        PendingCall pending;
        try {
            called = method.invoke(object, Qt::DirectConnection, returnArgument,
                                   generic[0], generic[1], generic[2], generic[3], generic[4],
                                   generic[5], generic[6], generic[7], generic[8], generic[9]);
        } catch (...) {
            // A member without Guard let an exception through moc's code; still report it as
            // an automation error rather than letting it escape the host's call.
            detail::RecordDispatchFailure(InfoFromCurrentException());
        }
        failure = pending.TakeFailure();
    }
    if (failure)
        throw AutomationError(std::move(*failure));
    if (!called)
        Fail(kAutomationError, QStringLiteral("Automation error: the call failed"), member, object);
    return result;
}

QVariant GetProperty(QObject* object, const char* name)
{
    RequireObject(object, name);
    const QMetaProperty property = PropertyNamed(object->metaObject(), name);
    if (!property.isValid() || !property.isReadable())
        NotSupported(name, object);
    return property.read(object);
}

void SetProperty(QObject* object, const char* name, const QVariant& value)
{
    RequireObject(object, name);
    // QObject::setProperty would quietly add a dynamic property under an unknown name.
    const QMetaProperty property = PropertyNamed(object->metaObject(), name);
    if (!property.isValid())
        NotSupported(name, object);
    if (!property.isWritable())
        Fail(kWrongArguments, QStringLiteral("Wrong number of arguments or invalid property assignment"), name, object);
    const std::optional<QVariant> converted = ConvertTo(value, property.metaType());
    if (!converted)
        Fail(kTypeMismatch, QStringLiteral("Type mismatch"), name, object);
    if (!property.write(object, *converted))
        Fail(kTypeMismatch, QStringLiteral("Type mismatch"), name, object);
}

}  // namespace automation
