#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

namespace automation {

// Objects created by ProgID are shared: the last reference releases them, as with COM.
using ObjectPtr = std::shared_ptr<QObject>;

// Creates components by ProgID from the plugins found on the search path. Metadata is read
// without loading a plugin; a plugin is loaded the first time one of its ProgIDs is created.
// ProgIDs compare without regard to case, as COM's do. Use it from the UI thread.
class ComponentRegistry {
public:
    static ComponentRegistry& Instance();

    // Throws AutomationError (naming the ProgID and the cause) for an unknown ProgID or a
    // plugin that cannot be loaded or does not create the object.
    ObjectPtr Create(const QString& progId);
    // Creates and casts; throws when the object is not a T.
    template <class T>
    std::shared_ptr<T> CreateAs(const QString& progId)
    {
        ObjectPtr object = Create(progId);
        if (auto* typed = qobject_cast<T*>(object.get()))
            return std::shared_ptr<T>(object, typed);
        ThrowWrongType(progId, T::staticMetaObject.className());
    }

    bool IsRegistered(const QString& progId);
    // Folders searched, in order: TABRIX_PLUGIN_PATH (colon-separated), then the plugin folder
    // of the installation this library was loaded from, or the build's plugin folder when the
    // library is the build tree's own.
    QStringList SearchPath() const;
    // Forgets what was scanned so the next call scans again (after the environment changed).
    // Plugins already loaded stay loaded: objects they created may still be alive.
    void Rescan();
    // Plugin files the scan skipped, each with the reason (no metadata, no ProgIDs, ...).
    QStringList ScanProblems();

private:
    ComponentRegistry();
    [[noreturn]] void ThrowWrongType(const QString& progId, const char* className);
    struct Impl;
    std::unique_ptr<Impl> d;
};

inline ObjectPtr CreateObject(const QString& progId) { return ComponentRegistry::Instance().Create(progId); }

}  // namespace automation

Q_DECLARE_METATYPE(automation::ObjectPtr)
