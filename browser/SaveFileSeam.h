#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The browser's save dialog (the dictionary export) goes through this seam: by default a save
// dialog with a caption and name filters; tests install a handler that answers instead.
namespace ui {

// Returns the chosen file name, or the empty text when the dialog was cancelled.
using SaveFileHandler = std::function<QString(const QString& caption, const QStringList& filters)>;

// Returns the previous handler; an empty one restores the real dialog.
SaveFileHandler SetSaveFileHandler(SaveFileHandler handler);
QString AskSaveFileName(QWidget* parent, const QString& caption, const QStringList& filters);

}  // namespace ui
