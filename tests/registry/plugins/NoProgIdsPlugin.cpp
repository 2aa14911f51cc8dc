// A test plugin with a working factory but metadata that lists no ProgIDs: the scan skips it.
#include "ComponentFactory.h"

#include <QObject>

class NoProgIdsPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "NoProgIdsPlugin.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString&) override { return new QObject; }
};

#include "NoProgIdsPlugin.moc"
