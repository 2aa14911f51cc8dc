// The dictionary browser's public class.
#include "ComponentFactory.h"
#include "clsTableDescTool.h"

class TabrixPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "Tabrix.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        return progId == QLatin1String("Tabrix.clsTableDescTool") ? new clsTableDescTool : nullptr;
    }
};

#include "Tabrix.moc"
