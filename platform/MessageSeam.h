#pragma once

#include <QString>

#include <functional>

// Every message box of the components goes through this seam. A host with windows installs
// a handler that shows a real box; tests install one that records and answers.
namespace ui {

// prompt, buttons and title as a message box takes them; returns the button pressed.
using MessageHandler = std::function<int(const QString& prompt, int buttons, const QString& title)>;

// Returns the previous handler.
MessageHandler SetMessageHandler(MessageHandler handler);
// Without a handler the prompt goes to standard error and OK (1) is returned.
int ShowMessage(const QString& prompt, int buttons = 0, const QString& title = {});

}  // namespace ui
