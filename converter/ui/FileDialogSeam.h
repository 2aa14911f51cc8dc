#pragma once

#include <QString>

#include <functional>

class QWidget;

// The converter dialog's file dialog goes through this seam: by default a plain open or save
// dialog (no filter, title, default extension or initial folder); tests install a handler that
// answers instead.
namespace ui {

enum class FileDialogKind { Open, Save };

// Returns the chosen file name, or the empty text when the dialog was cancelled.
using FileDialogHandler = std::function<QString(FileDialogKind kind)>;

// Returns the previous handler; an empty one restores the real dialog.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
QString ShowFileDialog(FileDialogKind kind, QWidget* parent);

}  // namespace ui
