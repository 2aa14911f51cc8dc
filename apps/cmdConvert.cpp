// tabrix convert [TEMPLATE]: the converter's template dialog, opened as a host at a desktop
// opens it: the component is created by its ProgID and Show is called by name.
#include "Commands.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "Dispatch.h"
#include "MessageSeam.h"

#include <QApplication>
#include <QMessageBox>

#include <vector>

namespace {

// A real message box for the components' messages: buttons and result numbers as message
// boxes have always counted them (64 information icon and OK; 1 OK, 2 Cancel, ... 7 No).
int MessageBox(const QString& prompt, int buttons, const QString& title)
{
    using B = QMessageBox::StandardButton;
    struct Choice {
        B button;
        int result;
    };
    static const std::vector<Choice> kChoices[] = {
        {{B::Ok, 1}},
        {{B::Ok, 1}, {B::Cancel, 2}},
        {{B::Abort, 3}, {B::Retry, 4}, {B::Ignore, 5}},
        {{B::Yes, 6}, {B::No, 7}, {B::Cancel, 2}},
        {{B::Yes, 6}, {B::No, 7}},
        {{B::Retry, 4}, {B::Cancel, 2}},
    };
    const int set = buttons & 7;
    const std::vector<Choice>& choices = kChoices[set < 6 ? set : 0];

    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (buttons & 0x70) {
    case 16: box.setIcon(QMessageBox::Critical); break;
    case 32: box.setIcon(QMessageBox::Question); break;
    case 48: box.setIcon(QMessageBox::Warning); break;
    case 64: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    for (const Choice& choice : choices)
        box.addButton(choice.button);
    const auto pressed = static_cast<B>(box.exec());
    for (const Choice& choice : choices)
        if (choice.button == pressed)
            return choice.result;
    // Closed without a button: the box's cancel answer, or its only button.
    return choices.size() == 1 ? choices.front().result : 2;
}

}  // namespace

int CmdConvert(CommandLine& line)
{
    if (line.args.size() > 1)
        return UsageError(line, QStringLiteral("too many arguments"));
    const QString path = line.args.value(0);
    if (path.startsWith(QLatin1String("--")))
        return UsageError(line, QStringLiteral("unknown option '%1'").arg(path));

    QApplication application(line.argc, line.argv);
    // A handler the process already has stays.
    if (ui::MessageHandler previous = ui::SetMessageHandler(MessageBox))
        ui::SetMessageHandler(std::move(previous));

    try {
        const automation::ObjectPtr converter = automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
        automation::Invoke(converter.get(), "Show", {path});
    } catch (...) {
        const automation::ErrorInfo info = automation::InfoFromCurrentException();
        Print(stderr, QStringLiteral("tabrix: %1 (error %2)\n").arg(info.description).arg(info.number));
        return 2;
    }
    return 0;
}
