// The host suite's browser control.
#include "ComponentFactory.h"
#include "NorvBrowser.h"

class NorvBrowsersPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "NorvBrowsers.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        return progId == QLatin1String("NorvBrowsers.NorvBrowser") ? new NorvBrowser : nullptr;
    }
};

#include "NorvBrowsers.moc"
