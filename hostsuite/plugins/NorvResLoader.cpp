// The host suite's resource loader.
#include "ComponentFactory.h"
#include "ResLoader.h"

class NorvResLoaderPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "NorvResLoader.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        return progId == QLatin1String("NorvResLoader.Loader") ? new ResLoader : nullptr;
    }
};

#include "NorvResLoader.moc"
