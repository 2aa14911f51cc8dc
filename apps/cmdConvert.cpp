// tabrix convert [TEMPLATE]: the converter's template dialog, opened as a host at a desktop
// opens it: the component is created by its ProgID and Show is called by name.
#include "Commands.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "DemoAccount.h"
#include "DesktopIdentity.h"
#include "DialogLanguage.h"
#include "Dispatch.h"
#include "HostLanguage.h"
#include "TemplateDialogHost.h"
#include "TypeMapScope.h"
#include "frmTemplate.h"

#include <QApplication>
#include <QDir>

namespace {

// The first run from the menu works on the user's demo account, its scripts beside it.
QStringList DemoAccountFiles()
{
    try {
        const QDir folder(demo_account::Folder());
        return {demo_account::Template(), folder.filePath(QStringLiteral("demo_struct.sql")),
                folder.filePath(QStringLiteral("demo_data.sql")), folder.filePath(QStringLiteral("demo_log.txt"))};
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(QString::fromUtf8(error.what())));
        return {};
    }
}

}  // namespace

int CmdConvert(CommandLine& line)
{
    const QStringList arguments = line.options.positionalArguments();
    if (arguments.size() > 1)
        return UsageError(line, QStringLiteral("too many arguments"));
    std::optional<QString> language;
    if (!LanguageOf(line, language))
        return UsageError(line, QStringLiteral("--language takes CHS, CHT or EN"));
    const QString path = arguments.value(0);

    QApplication application(line.argc, line.argv);
    QApplication::setApplicationName(QStringLiteral("tabrix"));
    SetDesktopIdentity(QStringLiteral("tabrix-convert"));
    const QString uiLanguage = language.value_or(host_language::FromSystem());
    if (!converter_ui::SetLanguage(uiLanguage))
        Print(stderr, QStringLiteral("tabrix: no %1 translations of the dialog; its texts stay in simplified Chinese\n")
                          .arg(uiLanguage));
    if (!host_language::InstallQtTranslations(application, uiLanguage))
        Print(stderr, QStringLiteral("tabrix: Qt's %1 translations are not installed (qt6-translations-l10n); file "
                                     "dialogs and buttons stay in English\n")
                          .arg(uiLanguage));
    InstallMessageBox();

    try {
        automation::ObjectPtr converter;
        {
            // The dialog's own converter is made when the dialog loads: both are made where the
            // shipped type map is, as tabrix export makes its converter.
            const TypeMapScope typeMap;
            converter = automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
            converter_ui::TemplateDialog().SetFirstRunFiles(DemoAccountFiles);
        }
        automation::Invoke(converter.get(), "Show", {path});
    } catch (...) {
        const automation::ErrorInfo info = automation::InfoFromCurrentException();
        Print(stderr, QStringLiteral("tabrix: %1 (error %2)\n").arg(info.description).arg(info.number));
        return 2;
    }
    return 0;
}
