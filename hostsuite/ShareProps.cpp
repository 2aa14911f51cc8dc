#include "ShareProps.h"

#include "Dispatch.h"

#include <QCoreApplication>
#include <QHash>

#include <mutex>
#include <utility>

namespace {

struct Store {
    std::mutex mutex;
    QHash<std::pair<qint64, QString>, QVariant> values;  // (process ID, lower-case name)
};

Store& TheStore()
{
    static Store store;
    return store;
}

}  // namespace

QVariant ShareProps::GetProperty(qint32 processId, const QString& name) const
{
    return automation::Guard([&] {
        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        return store.values.value({processId, name.toLower()});
    });
}

void ShareProps::SetProperty(qint64 processId, const QString& name, const QVariant& value)
{
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    if (value.isValid())
        store.values.insert({processId, name.toLower()}, value);
    else
        store.values.remove({processId, name.toLower()});
}

qint32 ShareProps::CurrentProcessId()
{
    return static_cast<qint32>(QCoreApplication::applicationPid());
}
