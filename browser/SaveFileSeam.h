#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The browser's save dialog (the dictionary export) goes through this seam: by default a save
// dialog with a caption and name filters; tests install a handler that answers instead.
namespace ui {

// What the user chose: the file name (empty when the dialog was cancelled) and the name filter
// picked beside it (empty when unknown).
struct SaveFileChoice {
    SaveFileChoice(QString chosenPath = {}, QString chosenFilter = {})
        : path(std::move(chosenPath)), filter(std::move(chosenFilter))
    {
    }
    QString path;
    QString filter;
};

using SaveFileHandler = std::function<SaveFileChoice(const QString& caption, const QStringList& filters)>;

// Returns the previous handler; an empty one restores the real dialog.
SaveFileHandler SetSaveFileHandler(SaveFileHandler handler);
SaveFileChoice AskSaveFileName(QWidget* parent, const QString& caption, const QStringList& filters);

}  // namespace ui
