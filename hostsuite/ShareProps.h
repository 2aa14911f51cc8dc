#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// The host suite's shared-property service: values the host program stores for its own process
// after the user logs in ("PropsString", the account connection text; "AcctName", the account's
// name), read by the components it loads. The store lives in this library, so it is shared by
// the host and every component in the process.
class ShareProps : public QObject {
    Q_OBJECT

public:
    explicit ShareProps(QObject* parent = nullptr) : QObject(parent) {}

    // The value stored for that process under that name (names without regard to case), or an
    // empty value when none is stored.
    Q_INVOKABLE QVariant GetProperty(qint32 processId, const QString& name) const;

    // The host's side: stores a value for a process; an empty (invalid) value removes it.
    static void SetProperty(qint64 processId, const QString& name, const QVariant& value);
    // The current process's ID, as the host and the components ask with it.
    static qint32 CurrentProcessId();
};
