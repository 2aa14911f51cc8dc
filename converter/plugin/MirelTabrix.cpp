// The converter component: creates clsConverter for its ProgID.
#include "ComponentFactory.h"
#include "TemplateDialogHost.h"
#include "clsConverter.h"

class MirelTabrixPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "MirelTabrix.json")
    Q_INTERFACES(IComponentFactory)

public:
    MirelTabrixPlugin() { converter_ui::InstallTemplateDialog(); }

    QObject* CreateInstance(const QString& progId) override
    {
        if (progId.compare(QLatin1String("MirelTabrix.clsConverter"), Qt::CaseInsensitive) == 0)
            return new clsConverter;
        return nullptr;
    }
};

#include "MirelTabrix.moc"
