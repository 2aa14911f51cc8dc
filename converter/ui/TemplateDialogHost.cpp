#include "TemplateDialogHost.h"

#include "AutomationError.h"
#include "frmTemplate.h"
#include "mdlCommon.h"

#include <QApplication>

namespace converter_ui {

namespace {

frmTemplate* g_dialog = nullptr;

// Widgets must go before the application object does.
void DeleteDialog()
{
    delete g_dialog;
    g_dialog = nullptr;
}

}  // namespace

frmTemplate& TemplateDialog()
{
    if (!g_dialog) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            throw automation::AutomationError(
                429, QStringLiteral("The template dialog needs a QApplication in this process."),
                QStringLiteral("MirelTabrix.clsConverter"));
        g_dialog = new frmTemplate;
        qAddPostRoutine(DeleteDialog);
    }
    return *g_dialog;
}

void InstallTemplateDialog()
{
    mdlCommon::SetShowHandler([](const QString& strPath) { TemplateDialog().ShowModal(strPath); });
}

}  // namespace converter_ui
