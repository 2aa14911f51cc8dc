#include "ComponentRegistry.h"

#include "AutomationError.h"
#include "ComponentFactory.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>

#include <dlfcn.h>

#include <map>
#include <mutex>

namespace automation {

namespace {

// The number COM hosts know as "ActiveX component can't create object".
constexpr long kCannotCreateObject = 429;
constexpr long kTypeMismatch = 13;

[[noreturn]] void ThrowCannotCreate(const QString& progId, const QString& cause)
{
    throw AutomationError(kCannotCreateObject,
                          QStringLiteral("Cannot create object '%1': %2").arg(progId, cause));
}

// The plugin folder of the installation this library belongs to, found from the file the library
// was loaded from (so it holds for any prefix and after the tree is moved); empty when the
// library is not installed, as in the build tree, which has no such folder beside its libraries.
QString InstalledPluginFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&InstalledPluginFolder), &info) == 0 || !info.dli_fname)
        return {};
    const QString libraryFolder = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalPath();
    const QString folder = QDir(libraryFolder).filePath(QStringLiteral(TABRIX_PLUGIN_DIR_FROM_LIBRARY));
    return QFileInfo(folder).isDir() ? folder : QString();
}

}  // namespace

struct ComponentRegistry::Impl {
    struct Registration {
        QString progId;  // as the plugin spells it
        QString file;
    };

    // Recursive: a plugin's root object or factory may itself create components while loading.
    std::recursive_mutex mutex;
    bool scanned = false;
    QHash<QString, Registration> byProgId;  // keyed by the lower-case ProgID
    QStringList skipped;                     // plugin files that serve nothing, with the reason
    QStringList duplicates;                  // ProgIDs a later plugin also lists
    std::map<QString, std::unique_ptr<QPluginLoader>> loaders;

    void EnsureScanned(const QStringList& folders);
    void ScanFile(const QString& path);
    QPluginLoader& LoaderFor(const QString& file);
};

void ComponentRegistry::Impl::EnsureScanned(const QStringList& folders)
{
    if (scanned)
        return;
    scanned = true;
    for (const QString& folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo& file : files) {
            if (QLibrary::isLibrary(file.fileName()))
                ScanFile(file.absoluteFilePath());
        }
    }
}

void ComponentRegistry::Impl::ScanFile(const QString& path)
{
    // metaData() reads the plugin's embedded JSON from the file; it does not load the library.
    const QJsonObject meta = QPluginLoader(path).metaData();
    if (meta.isEmpty()) {
        skipped << QStringLiteral("%1: not a component plugin (it carries no plugin metadata)").arg(path);
        return;
    }
    const QJsonValue progIds = meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("ProgIDs"));
    if (!progIds.isArray() || progIds.toArray().isEmpty()) {
        skipped << QStringLiteral("%1: its metadata lists no ProgIDs").arg(path);
        return;
    }
    for (const QJsonValue& value : progIds.toArray()) {
        const QString progId = value.toString().trimmed();
        if (progId.isEmpty()) {
            skipped << QStringLiteral("%1: its metadata lists a ProgID that is not a non-empty text").arg(path);
            continue;
        }
        const QString key = progId.toLower();
        if (const auto existing = byProgId.constFind(key); existing != byProgId.cend()) {
            duplicates << QStringLiteral("%1: ProgID '%2' is already served by %3")
                              .arg(path, progId, existing->file);
            continue;
        }
        byProgId.insert(key, Registration{progId, path});
    }
}

QPluginLoader& ComponentRegistry::Impl::LoaderFor(const QString& file)
{
    auto& loader = loaders[file];
    if (!loader)
        loader = std::make_unique<QPluginLoader>(file);
    return *loader;
}

ComponentRegistry::ComponentRegistry() : d(std::make_unique<Impl>()) {}

ComponentRegistry& ComponentRegistry::Instance()
{
    // Function-local static: initialisation is thread-safe; the registry lives until exit so
    // objects from plugins may outlive every caller.
    static ComponentRegistry* registry = new ComponentRegistry;
    return *registry;
}

QStringList ComponentRegistry::SearchPath() const
{
    QStringList folders = qEnvironmentVariable("TABRIX_PLUGIN_PATH").split(u':', Qt::SkipEmptyParts);
    // Worked out once: where this library was loaded from does not change while it runs, and
    // the search path is asked for at every creation and every translation lookup.
    static const QString installed = InstalledPluginFolder();
    folders << (installed.isEmpty() ? QStringLiteral(TABRIX_BUILD_PLUGIN_DIR) : installed);
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

void ComponentRegistry::Rescan()
{
    std::lock_guard lock(d->mutex);
    d->scanned = false;
    d->byProgId.clear();
    d->skipped.clear();
    d->duplicates.clear();
    d->loaders.clear();  // a QPluginLoader going away does not unload its library
}

bool ComponentRegistry::IsRegistered(const QString& progId)
{
    std::lock_guard lock(d->mutex);
    d->EnsureScanned(SearchPath());
    return d->byProgId.contains(progId.trimmed().toLower());
}

QStringList ComponentRegistry::ScanProblems()
{
    std::lock_guard lock(d->mutex);
    d->EnsureScanned(SearchPath());
    return d->skipped + d->duplicates;
}

ObjectPtr ComponentRegistry::Create(const QString& progId)
{
    IComponentFactory* factory = nullptr;
    QString registeredId;
    {
        std::lock_guard lock(d->mutex);
        d->EnsureScanned(SearchPath());
        const auto found = d->byProgId.constFind(progId.trimmed().toLower());
        if (found == d->byProgId.cend()) {
            QString cause = QStringLiteral("no component registers this ProgID");
            if (!d->skipped.isEmpty())
                cause += QStringLiteral(" (plugins skipped: %1)").arg(d->skipped.join(QStringLiteral("; ")));
            ThrowCannotCreate(progId, cause);
        }
        registeredId = found->progId;
        const QString file = found->file;
        QPluginLoader& loader = d->LoaderFor(file);
        if (!loader.isLoaded() && !loader.load())
            ThrowCannotCreate(progId, QStringLiteral("its plugin %1 cannot be loaded: %2").arg(file, loader.errorString()));
        QObject* root = loader.instance();
        if (!root)
            ThrowCannotCreate(progId, QStringLiteral("its plugin %1 gives no plugin object: %2").arg(file, loader.errorString()));
        factory = qobject_cast<IComponentFactory*>(root);
        if (!factory)
            ThrowCannotCreate(progId, QStringLiteral("its plugin %1 does not implement the component factory interface (%2)")
                                          .arg(file, QStringLiteral(IComponentFactory_iid)));
    }

    // Outside the lock: a component's constructor may create further components.
    QObject* object = nullptr;
    try {
        object = factory->CreateInstance(registeredId);
    } catch (...) {
        ErrorInfo info = InfoFromCurrentException();
        info.number = kCannotCreateObject;
        info.description = QStringLiteral("Cannot create object '%1': %2").arg(progId, info.description);
        throw AutomationError(std::move(info));
    }
    if (!object)
        ThrowCannotCreate(progId, QStringLiteral("its component's factory returned no object"));
    return ObjectPtr(object);
}

void ComponentRegistry::ThrowWrongType(const QString& progId, const char* className)
{
    throw AutomationError(kTypeMismatch, QStringLiteral("Type mismatch: object '%1' is not a %2")
                                             .arg(progId, QString::fromLatin1(className)));
}

}  // namespace automation
