// tabrix convert [TEMPLATE]: the converter's template dialog, opened as a host at a desktop
// opens it: the component is created by its ProgID and Show is called by name.
#include "Commands.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "DesktopIdentity.h"
#include "Dispatch.h"
#include "TemplateDialogHost.h"
#include "TypeMapScope.h"

#include <QApplication>

int CmdConvert(CommandLine& line)
{
    const QStringList arguments = line.options.positionalArguments();
    if (arguments.size() > 1)
        return UsageError(line, QStringLiteral("too many arguments"));
    const QString path = arguments.value(0);

    QApplication application(line.argc, line.argv);
    SetDesktopIdentity(QStringLiteral("tabrix-convert"));
    InstallMessageBox();

    try {
        automation::ObjectPtr converter;
        {
            // The dialog's own converter is made when the dialog loads: both are made where the
            // shipped type map is, as tabrix export makes its converter.
            const TypeMapScope typeMap;
            converter = automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
            converter_ui::TemplateDialog();
        }
        automation::Invoke(converter.get(), "Show", {path});
    } catch (...) {
        const automation::ErrorInfo info = automation::InfoFromCurrentException();
        Print(stderr, QStringLiteral("tabrix: %1 (error %2)\n").arg(info.description).arg(info.number));
        return 2;
    }
    return 0;
}
