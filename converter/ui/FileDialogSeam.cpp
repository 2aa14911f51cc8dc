#include "FileDialogSeam.h"

#include <QFileDialog>

#include <utility>

namespace ui {

namespace {
FileDialogHandler& Handler()
{
    static FileDialogHandler handler;
    return handler;
}
}  // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) { return std::exchange(Handler(), std::move(handler)); }

QString ShowFileDialog(FileDialogKind kind, QWidget* parent)
{
    if (Handler()) {
        // A copy: the handler may replace itself while it runs.
        const FileDialogHandler handler = Handler();
        return handler(kind);
    }
    return kind == FileDialogKind::Open ? QFileDialog::getOpenFileName(parent) : QFileDialog::getSaveFileName(parent);
}

}  // namespace ui
