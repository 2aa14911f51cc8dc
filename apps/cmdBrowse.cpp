// tabrix browse: the dictionary browser, opened as a host opens it after the user has logged in
// to an account: the host's login context is stored for this process, then the tool is created
// by its ProgID and ShowTool is called by name.
#include "Commands.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "DemoAccount.h"
#include "DesktopIdentity.h"
#include "Dispatch.h"
#include "HostLanguage.h"
#include "NorvBrowser.h"
#include "ResLoader.h"

#include <QApplication>

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
            database.file = demo_account::Database();
        } catch (const std::exception& error) {
            Print(stderr, QStringLiteral("tabrix: %1\n").arg(QString::fromUtf8(error.what())));
            return 2;
        }
    }

    SetHostLogin(database, language, account);

    const QString hostLanguage = language.value_or(QStringLiteral("CHS"));
    // The browser control's words and Qt's own texts in the host's language.
    NorvBrowser::InstallTranslation(hostLanguage);
    host_language::InstallQtTranslations(application, hostLanguage);
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
