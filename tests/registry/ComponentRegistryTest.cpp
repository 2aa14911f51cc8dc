#include "ComponentRegistry.h"
#include "Dispatch.h"

#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace automation;

namespace {

const QString kPluginDir = QStringLiteral(REGISTRY_PLUGIN_DIR);
const QString kShadowDir = QStringLiteral(REGISTRY_SHADOW_DIR);

QString PluginFile(const QString& folder, const char* name)
{
    return folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".so");
}

bool IsLoaded(const QString& file) { return QPluginLoader(file).isLoaded(); }

// Each test sees a search path of its own making: a folder with a file that only looks like a
// plugin, the test plugins, then the second folder whose plugin shadows the calculator.
class ComponentRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_junk.isValid());
        QFile junk(m_junk.filePath(QStringLiteral("libjunk.so")));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a shared library\n");
        junk.close();
        UsePath({m_junk.path(), kPluginDir, kShadowDir});
    }

    void TearDown() override
    {
        unsetenv("TABRIX_PLUGIN_PATH");
        ComponentRegistry::Instance().Rescan();
    }

    static void UsePath(const QStringList& folders)
    {
        setenv("TABRIX_PLUGIN_PATH", folders.join(u':').toLocal8Bit().constData(), 1);
        ComponentRegistry::Instance().Rescan();
    }

    static AutomationError CreateFailure(const QString& progId)
    {
        try {
            ComponentRegistry::Instance().Create(progId);
        } catch (const AutomationError& e) {
            return e;
        }
        ADD_FAILURE() << "creating " << progId.toStdString() << " did not fail";
        return AutomationError(0, {});
    }

    QTemporaryDir m_junk;
};

}  // namespace

// The library under test is the build tree's own, so the build's plugin folder comes after the
// variable's; an installed library's own folder is proven by the relocated install's test.
TEST_F(ComponentRegistryTest, SearchPathIsTheVariableThenTheBuildFolder)
{
    setenv("TABRIX_PLUGIN_PATH", "/opt/a::/opt/b/:/opt/a", 1);
    const QStringList path = ComponentRegistry::Instance().SearchPath();
    const QStringList expected{QStringLiteral("/opt/a"), QStringLiteral("/opt/b"),
                               QDir::cleanPath(QStringLiteral(TABRIX_TEST_BUILD_PLUGIN_DIR))};
    EXPECT_EQ(path, expected);
}

TEST_F(ComponentRegistryTest, FindsByMetadataLoadsOnFirstCreationAndFirstFolderWins)
{
    ComponentRegistry& registry = ComponentRegistry::Instance();
    EXPECT_TRUE(registry.IsRegistered(QStringLiteral("TabrixTest.Calculator")));
    EXPECT_TRUE(registry.IsRegistered(QStringLiteral("tabrixtest.nofactory")));
    EXPECT_FALSE(registry.IsRegistered(QStringLiteral("TabrixTest.Missing")));
    // Reading metadata loaded nothing, not even a plugin that is never created.
    EXPECT_FALSE(IsLoaded(PluginFile(kPluginDir, "NoProgIdsPlugin")));
    EXPECT_FALSE(IsLoaded(PluginFile(kShadowDir, "ShadowPlugin")));

    ObjectPtr calculator = registry.Create(QStringLiteral("TabrixTest.Calculator"));
    ASSERT_TRUE(calculator);
    EXPECT_STREQ(calculator->metaObject()->className(), "Calculator");
    EXPECT_TRUE(IsLoaded(PluginFile(kPluginDir, "CalculatorPlugin")));
    EXPECT_FALSE(IsLoaded(PluginFile(kShadowDir, "ShadowPlugin")));

    // With the shadow folder first, its plugin serves the ProgID, loaded only when created.
    UsePath({kShadowDir, kPluginDir});
    EXPECT_TRUE(registry.IsRegistered(QStringLiteral("TABRIXTEST.CALCULATOR")));
    EXPECT_FALSE(IsLoaded(PluginFile(kShadowDir, "ShadowPlugin")));
    ObjectPtr shadow = registry.Create(QStringLiteral("TabrixTest.Calculator"));
    ASSERT_TRUE(shadow);
    EXPECT_EQ(shadow->objectName(), QStringLiteral("shadow calculator"));
    EXPECT_TRUE(IsLoaded(PluginFile(kShadowDir, "ShadowPlugin")));
}

TEST_F(ComponentRegistryTest, CreatedObjectIsCalledByNameAndOwnedByTheCaller)
{
    ObjectPtr calculator = CreateObject(QStringLiteral("tabrixtest.calculator"));
    ASSERT_TRUE(calculator);
    EXPECT_EQ(Invoke(calculator.get(), "Add", {2, 40}).toLongLong(), 42);
    SetProperty(calculator.get(), "Caption", QStringLiteral("计算器"));
    EXPECT_EQ(GetProperty(calculator.get(), "Caption").toString(), QStringLiteral("计算器"));
    EXPECT_DOUBLE_EQ(Invoke(calculator.get(), "Divide", {1, 4}).toDouble(), 0.25);
    try {
        Invoke(calculator.get(), "Divide", {1, 0});
        ADD_FAILURE() << "division by zero did not fail";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), 11);
        EXPECT_EQ(e.Description(), QStringLiteral("Division by zero"));
        EXPECT_EQ(e.Source(), QStringLiteral("Calculator"));
    }

    QPointer<QObject> watch = calculator.get();
    calculator.reset();
    EXPECT_TRUE(watch.isNull());
}

TEST_F(ComponentRegistryTest, CreateAsChecksTheType)
{
    ComponentRegistry& registry = ComponentRegistry::Instance();
    EXPECT_TRUE(registry.CreateAs<QObject>(QStringLiteral("TabrixTest.Calculator")));
    try {
        registry.CreateAs<QTimer>(QStringLiteral("TabrixTest.Calculator"));
        ADD_FAILURE() << "a calculator passed for a timer";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.Number(), 13);
        EXPECT_TRUE(e.Description().contains(QStringLiteral("TabrixTest.Calculator")));
        EXPECT_TRUE(e.Description().contains(QStringLiteral("QTimer")));
    }
}

TEST_F(ComponentRegistryTest, UnknownProgIdNamesItAndTheSkippedPlugins)
{
    const AutomationError error = CreateFailure(QStringLiteral("TabrixTest.Missing"));
    EXPECT_EQ(error.Number(), 429);
    EXPECT_TRUE(error.Description().startsWith(
        QStringLiteral("Cannot create object 'TabrixTest.Missing': no component registers this ProgID")))
        << error.Description().toStdString();
    EXPECT_TRUE(error.Description().contains(PluginFile(kPluginDir, "NoProgIdsPlugin") +
                                             QStringLiteral(": its metadata lists no ProgIDs")))
        << error.Description().toStdString();
}

TEST_F(ComponentRegistryTest, ScanReportsBrokenMetadataAndShadowedProgIds)
{
    const QStringList problems = ComponentRegistry::Instance().ScanProblems();
    const QString junk = QDir::cleanPath(m_junk.filePath(QStringLiteral("libjunk.so")));
    EXPECT_TRUE(problems.contains(junk + QStringLiteral(": not a component plugin (it carries no plugin metadata)")))
        << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.contains(PluginFile(kPluginDir, "NoProgIdsPlugin") + QStringLiteral(": its metadata lists no ProgIDs")))
        << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.contains(PluginFile(kShadowDir, "ShadowPlugin") +
                                  QStringLiteral(": ProgID 'tabrixtest.calculator' is already served by ") +
                                  PluginFile(kPluginDir, "CalculatorPlugin")))
        << problems.join(u'\n').toStdString();
}

TEST_F(ComponentRegistryTest, BrokenPluginsGiveErrorsNamingProgIdAndCause)
{
    struct Case {
        const char* progId;
        QString cause;
    };
    const Case cases[] = {
        {"TabrixTest.Nothing", QStringLiteral("its component's factory returned no object")},
        {"TabrixTest.Faulty", QStringLiteral("the calculator's licence is missing")},
        {"TabrixTest.NoFactory", QStringLiteral("its plugin %1 does not implement the component factory interface")
                                     .arg(PluginFile(kPluginDir, "NoFactoryPlugin"))},
        {"TabrixTest.Unloadable", QStringLiteral("its plugin %1 cannot be loaded: ")
                                      .arg(PluginFile(kPluginDir, "UnloadablePlugin"))},
    };
    for (const Case& c : cases) {
        const AutomationError error = CreateFailure(QString::fromLatin1(c.progId));
        EXPECT_EQ(error.Number(), 429) << c.progId;
        const QString prefix = QStringLiteral("Cannot create object '%1': ").arg(QString::fromLatin1(c.progId));
        EXPECT_TRUE(error.Description().startsWith(prefix + c.cause)) << error.Description().toStdString();
    }
    EXPECT_TRUE(CreateFailure(QStringLiteral("TabrixTest.Unloadable")).Description().contains(
        QStringLiteral("tabrix_test_missing_symbol")));
}
