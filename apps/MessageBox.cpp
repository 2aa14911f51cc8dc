#include "Commands.h"

#include "MessageSeam.h"

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

void InstallMessageBox()
{
    // A handler the process already has stays.
    if (ui::MessageHandler previous = ui::SetMessageHandler(MessageBox))
        ui::SetMessageHandler(std::move(previous));
}
