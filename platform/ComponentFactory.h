#pragma once

#include <QObject>
#include <QString>
#include <QtPlugin>

// The interface every component plugin implements. Its JSON metadata lists the ProgIDs it
// serves under the key "ProgIDs", e.g. { "ProgIDs": ["Vexa.Record", "Vexa.List"] }.
class IComponentFactory {
public:
    virtual ~IComponentFactory() = default;
    // Returns a new object for one of the plugin's ProgIDs (the caller owns it), or nullptr.
    virtual QObject* CreateInstance(const QString& progId) = 0;
};

#define IComponentFactory_iid "org.tabrix.IComponentFactory/1.0"
Q_DECLARE_INTERFACE(IComponentFactory, IComponentFactory_iid)
