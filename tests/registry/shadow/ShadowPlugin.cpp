// A test plugin in a second folder that serves a ProgID the calculator plugin serves too (in
// other letter case): whichever folder comes first on the search path wins.
#include "ComponentFactory.h"

#include <QObject>

class ShadowPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "ShadowPlugin.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString&) override
    {
        auto* object = new QObject;
        object->setObjectName(QStringLiteral("shadow calculator"));
        return object;
    }
};

#include "ShadowPlugin.moc"
