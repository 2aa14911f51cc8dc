// A test plugin that lists a ProgID but implements some other interface than the factory.
#include <QObject>
#include <QtPlugin>

class NoFactoryPlugin : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.tabrix.test.NotAFactory/1.0" FILE "NoFactoryPlugin.json")
};

#include "NoFactoryPlugin.moc"
