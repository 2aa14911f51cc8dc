// A test plugin that cannot be loaded: it needs a variable that no library defines, so the
// dynamic loader refuses it while its metadata still reads fine.
#include "ComponentFactory.h"

#include <QObject>

extern "C" int tabrix_test_missing_symbol;

class UnloadablePlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "UnloadablePlugin.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString&) override
    {
        auto* object = new QObject;
        object->setProperty("missing", tabrix_test_missing_symbol);
        return object;
    }
};

#include "UnloadablePlugin.moc"
