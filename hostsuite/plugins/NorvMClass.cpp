// The host suite's data server.
#include "ClassInfo.h"
#include "ComponentFactory.h"

class NorvMClassPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "NorvMClass.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        return progId == QLatin1String("NorvMClass.ClassInfo") ? new ClassInfo : nullptr;
    }
};

#include "NorvMClass.moc"
