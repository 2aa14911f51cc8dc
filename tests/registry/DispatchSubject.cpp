#include "DispatchSubject.h"

#include "Dispatch.h"

#include <stdexcept>

using automation::Guard;

QString DispatchSubject::Format(const QString& text, qint64 count, double ratio, bool flag)
{
    return Guard([&] {
        return QStringLiteral("%1|%2|%3|%4").arg(text).arg(count).arg(ratio).arg(flag ? "yes" : "no");
    });
}

qint64 DispatchSubject::Twice(qint64 value)
{
    return Guard([&] { return 2 * value; });
}

void DispatchSubject::Tick()
{
    Guard([&] { ++m_count; });
}

QString DispatchSubject::Pick(int value)
{
    return Guard([&] { return QStringLiteral("int %1").arg(value); });
}

QString DispatchSubject::Pick(const QString& value)
{
    return Guard([&] { return QStringLiteral("text %1").arg(value); });
}

QString DispatchSubject::Greet(const QString& name)
{
    return Guard([&] { return QStringLiteral("hello %1").arg(name); });
}

QVariant DispatchSubject::Echo(const QVariant& value)
{
    return Guard([&] { return value; });
}

QString DispatchSubject::StateName(enuState state)
{
    return Guard([&] { return QString::number(int(state)); });
}

automation::ObjectPtr DispatchSubject::MakeChild(const QString& name)
{
    return Guard([&] {
        auto child = std::make_shared<QObject>();
        child->setObjectName(name);
        return automation::ObjectPtr(child);
    });
}

QString DispatchSubject::NameOf(const automation::ObjectPtr& object)
{
    return Guard([&] { return object ? object->objectName() : QStringLiteral("<none>"); });
}

QString DispatchSubject::NameOfRaw(QObject* object)
{
    return Guard([&] { return object ? object->objectName() : QStringLiteral("<none>"); });
}

QString DispatchSubject::Raise(int number, const QString& description)
{
    return Guard([&]() -> QString {
        throw automation::AutomationError(number, description, QStringLiteral("DispatchSubject"),
                                          QStringLiteral("subject.hlp"), 77);
    });
}

QString DispatchSubject::CatchDirect()
{
    return Guard([&] {
        try {
            Raise(9, QStringLiteral("inner"));
        } catch (const automation::AutomationError& e) {
            return QStringLiteral("caught %1 %2").arg(e.Number()).arg(e.Description());
        }
        return QStringLiteral("nothing thrown");
    });
}

int DispatchSubject::FailAfterNestedInvoke()
{
    return Guard([&]() -> int {
        try {
            automation::Invoke(this, "Raise", {9, QStringLiteral("inner")});
        } catch (const automation::AutomationError& e) {
            throw automation::AutomationError(5, QStringLiteral("outer after %1").arg(e.Number()));
        }
        return 0;
    });
}

qint64 DispatchSubject::NestedTwice(qint64 value)
{
    return Guard([&] { return automation::Invoke(this, "Twice", {value}).toLongLong() + 1; });
}

void DispatchSubject::Unguarded()
{
    throw std::runtime_error("unguarded failure");
}

void DispatchSubject::Reset()
{
    Guard([&] { m_count = 0; });
}
