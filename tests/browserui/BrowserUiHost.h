#pragma once

// What the window tests share: the host's login context on the demo account, and a message box
// stand-in that records what it was asked to show and answers OK.
#include "AutomationError.h"
#include "MessageSeam.h"
#include "ShareProps.h"
#include "TestDemoDb.h"
#include "modPublic.h"

#include <QList>
#include <QString>

struct ShownMessage {
    QString prompt;
    int buttons = 0;
    QString title;
};

// Stores the login context for this process as the host does, in the given language, and lets
// the component read its language afresh.
inline void LogInToDemoAccount(const QString& language = QStringLiteral("CHS"))
{
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), DemoConnectionText(language));
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), QStringLiteral("Demo"));
    modPublic::ReleaseModuleState();
    automation::ClearCurrentError();
}

// Records every message box from now until it goes out of scope.
class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(ui::SetMessageHandler([this](const QString& prompt, int buttons, const QString& title) {
              messages.append({prompt, buttons, title});
              return 1;
          }))
    {
    }
    ~MessageRecorder() { ui::SetMessageHandler(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // The prompts shown since the last call, and forgets them.
    QStringList TakePrompts()
    {
        QStringList prompts;
        for (const ShownMessage& message : std::as_const(messages))
            prompts << message.prompt;
        messages.clear();
        return prompts;
    }

    QList<ShownMessage> messages;

private:
    ui::MessageHandler m_previous;
};
