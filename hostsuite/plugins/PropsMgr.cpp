// The host suite's shared-property service.
#include "ComponentFactory.h"
#include "ShareProps.h"

class PropsMgrPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "PropsMgr.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        return progId == QLatin1String("PropsMgr.ShareProps") ? new ShareProps : nullptr;
    }
};

#include "PropsMgr.moc"
