// tabrix browse: the dictionary browser, opened as a host opens it after the user has logged in
// to an account: the host's login context is stored for this process, then the tool is created
// by its ProgID and ShowTool is called by name.
#include "Commands.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "DemoDatabase.h"
#include "DesktopIdentity.h"
#include "Dispatch.h"
#include "NorvBrowser.h"
#include "ResLoader.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace {

// The demo account in the user's data folder, written on first use.
QString DemoDatabase()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw std::runtime_error("no data folder for the demo database");
    const QString path = QDir(folder).filePath(QStringLiteral("demo_account.db"));
    if (!QFileInfo(path).isFile())
        demo::WriteDemoDatabase(path);
    return path;
}

// Qt's own texts (message box buttons) and the browser control's words in the host's language.
void LoadTranslations(QApplication& application, const QString& language)
{
    NorvBrowser::InstallTranslation(language);
    const QString locale = language == QLatin1String("CHT") ? QStringLiteral("zh_TW")
                           : language == QLatin1String("EN") ? QStringLiteral("en")
                                                             : QStringLiteral("zh_CN");
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

}  // namespace

int CmdBrowse(CommandLine& line)
{
    DatabaseOptions database = DatabaseOptionsOf(line);
    const std::optional<QString> account = OptionValue(line, QStringLiteral("account"));
    std::optional<QString> language;
    if (!LanguageOf(line, language))
        return UsageError(line, QStringLiteral("--language takes CHS, CHT or EN"));
    const bool modeless = line.options.isSet(QStringLiteral("modeless"));
    if (!line.options.positionalArguments().isEmpty())
        return UsageError(line, QStringLiteral("unknown argument '%1'").arg(line.options.positionalArguments().constFirst()));
    if (const int status = CheckDatabaseOptions(line, database))
        return status;
    QApplication application(line.argc, line.argv);
    QApplication::setApplicationName(QStringLiteral("tabrix"));
    SetDesktopIdentity(QStringLiteral("tabrix-browse"));
    if (!database.file && !database.connection) {
        try {
            database.file = DemoDatabase();
        } catch (const std::exception& error) {
            Print(stderr, QStringLiteral("tabrix: %1\n").arg(QString::fromUtf8(error.what())));
            return 2;
        }
    }

    SetHostLogin(database, language, account);

    const QString hostLanguage = language.value_or(QStringLiteral("CHS"));
    LoadTranslations(application, hostLanguage);
    if (hostLanguage != QLatin1String("CHS") && ResLoader::FindResourceFile(QStringLiteral("NorvDesign"), hostLanguage).isEmpty())
        Print(stderr, QStringLiteral("tabrix: no %1 translations found; texts stay in simplified Chinese\n").arg(hostLanguage));
    InstallMessageBox();

    try {
        const automation::ObjectPtr tool = automation::CreateObject(QStringLiteral("Tabrix.clsTableDescTool"));
        if (modeless) {
            automation::Invoke(tool.get(), "ShowTool", {false});
            QApplication::exec();
        } else {
            automation::Invoke(tool.get(), "ShowTool");
        }
    } catch (...) {
        const automation::ErrorInfo info = automation::InfoFromCurrentException();
        Print(stderr, QStringLiteral("tabrix: %1 (error %2)\n").arg(info.description).arg(info.number));
        return 2;
    }
    return 0;
}
