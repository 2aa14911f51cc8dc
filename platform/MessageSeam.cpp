#include "MessageSeam.h"

#include <cstdio>
#include <utility>

namespace ui {

namespace {
MessageHandler& Handler()
{
    static MessageHandler handler;
    return handler;
}
}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

int ShowMessage(const QString& prompt, int buttons, const QString& title)
{
    if (Handler())
        return Handler()(prompt, buttons, title);
    std::fprintf(stderr, "%s%s%s\n", qPrintable(title), title.isEmpty() ? "" : ": ", qPrintable(prompt));
    return 1;
}

}  // namespace ui
