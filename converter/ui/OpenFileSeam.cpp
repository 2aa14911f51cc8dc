#include "OpenFileSeam.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace ui {

namespace {
OpenFileHandler& Handler()
{
    static OpenFileHandler handler;
    return handler;
}
}  // namespace

OpenFileHandler SetOpenFileHandler(OpenFileHandler handler) { return std::exchange(Handler(), std::move(handler)); }

bool OpenFile(const QString& path)
{
    if (Handler()) {
        const OpenFileHandler handler = Handler();
        return handler(path);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace ui
