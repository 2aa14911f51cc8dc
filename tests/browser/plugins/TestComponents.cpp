// Components for tests, served under the real ProgIDs from a folder put first on the plugin path.
//
// The resource loader logs every creation, property read and write in a log shared by all its
// instances (read through any instance's Log), and answers a key with "<language>key".
// TABRIX_TEST_LOADER chooses its behaviour at each creation: "missing" gives no object,
// "failing" gives one whose LoadString fails.
//
// "Vexa.List" is the real list, unless TABRIX_TEST_VEXA_LIST is "missing": then none is created.
#include "AutomationError.h"
#include "ComponentFactory.h"
#include "Dispatch.h"
#include "VexaList.h"

#include <QObject>
#include <QStringList>

namespace {

QStringList& TheLog()
{
    static QStringList log;
    return log;
}

}  // namespace

class TestResLoader : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ResFileBaseName READ ResFileBaseName WRITE SetResFileBaseName)
    Q_PROPERTY(QString LanguageID READ LanguageID WRITE SetLanguageID)

public:
    explicit TestResLoader(bool failing) : m_failing(failing) { TheLog() << QStringLiteral("create"); }

    QString ResFileBaseName() const
    {
        TheLog() << QStringLiteral("read ResFileBaseName");
        return m_baseName;
    }
    void SetResFileBaseName(const QString& value)
    {
        TheLog() << QStringLiteral("write ResFileBaseName=") + value;
        m_baseName = value;
    }
    QString LanguageID() const
    {
        TheLog() << QStringLiteral("read LanguageID");
        return m_language;
    }
    void SetLanguageID(const QString& value)
    {
        TheLog() << QStringLiteral("write LanguageID=") + value;
        m_language = value;
    }

    Q_INVOKABLE QString LoadString(const QString& key)
    {
        return automation::Guard([&] {
            TheLog() << QStringLiteral("load ") + key;
            if (m_failing)
                throw automation::AutomationError(7, QStringLiteral("Out of memory"), QStringLiteral("TestResLoader"));
            return u'<' + m_language + u'>' + key;
        });
    }

    Q_INVOKABLE QStringList Log() const { return TheLog(); }
    Q_INVOKABLE void ClearLog() { TheLog().clear(); }

private:
    bool m_failing;
    QString m_baseName;
    QString m_language;
};

class TestComponentsPlugin : public QObject, public IComponentFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IComponentFactory_iid FILE "TestComponents.json")
    Q_INTERFACES(IComponentFactory)

public:
    QObject* CreateInstance(const QString& progId) override
    {
        if (progId == QLatin1String("Vexa.List"))
            return qgetenv("TABRIX_TEST_VEXA_LIST") == "missing" ? nullptr : new VexaList;
        if (progId != QLatin1String("NorvResLoader.Loader"))
            return nullptr;
        const QByteArray mode = qgetenv("TABRIX_TEST_LOADER");
        if (mode == "missing")
            return nullptr;
        return new TestResLoader(mode == "failing");
    }
};

#include "TestComponents.moc"
