// The foundation library's records and lists.
#include "ComponentFactory.h"
#include "VexaList.h"
#include "VexaRecord.h"

class VexaPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "Vexa.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        if (progId == QLatin1String("Vexa.Record"))
            return new VexaRecord;
        if (progId == QLatin1String("Vexa.List"))
            return new VexaList;
        return nullptr;
    }
};

#include "Vexa.moc"
