#pragma once

#include "ComponentRegistry.h"

#include <QObject>
#include <QVariant>

// An object that the dispatch tests call by name: guarded members of several parameter types,
// overloads, default arguments, object values, and members that fail.
class DispatchSubject : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(enuState StopFlag READ StopFlag WRITE SetStopFlag)

public:
    enum enuState { eStop = 0, ePause = 1, ePlay = 2 };
    Q_ENUM(enuState)

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption) { m_caption = caption; }
    int Count() const { return m_count; }
    enuState StopFlag() const { return m_state; }
    void SetStopFlag(enuState state) { m_state = state; }

    Q_INVOKABLE QString Format(const QString& text, qint64 count, double ratio, bool flag);
    Q_INVOKABLE qint64 Twice(qint64 value);
    Q_INVOKABLE void Tick();
    Q_INVOKABLE QString Pick(int value);
    Q_INVOKABLE QString Pick(const QString& value);
    Q_INVOKABLE QString Greet(const QString& name = QStringLiteral("world"));
    Q_INVOKABLE QVariant Echo(const QVariant& value);
    Q_INVOKABLE QString StateName(enuState state);

    Q_INVOKABLE automation::ObjectPtr MakeChild(const QString& name);
    Q_INVOKABLE QString NameOf(const automation::ObjectPtr& object);
    Q_INVOKABLE QString NameOfRaw(QObject* object);

    // Throws an AutomationError with these fields.
    Q_INVOKABLE QString Raise(int number, const QString& description);
    // Calls Raise directly and catches it; reports what it caught.
    Q_INVOKABLE QString CatchDirect();
    // Calls Raise by name from inside its own guarded body and then fails itself with 5.
    Q_INVOKABLE int FailAfterNestedInvoke();
    // Calls Twice by name from inside its guarded body.
    Q_INVOKABLE qint64 NestedTwice(qint64 value);
    // No Guard: the exception leaves the body unguarded.
    Q_INVOKABLE void Unguarded();

public slots:
    void Reset();

private:
    QString m_caption;
    int m_count = 0;
    enuState m_state = eStop;
};
