#include "SaveFileSeam.h"

#include <QFileDialog>

#include <utility>

namespace ui {

namespace {
SaveFileHandler& Handler()
{
    static SaveFileHandler handler;
    return handler;
}
}  // namespace

SaveFileHandler SetSaveFileHandler(SaveFileHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}

SaveFileChoice AskSaveFileName(QWidget* parent, const QString& caption, const QStringList& filters)
{
    if (Handler()) {
        // A copy: the handler may replace itself while it runs.
        const SaveFileHandler handler = Handler();
        return handler(caption, filters);
    }
    QString filter;
    QString path = QFileDialog::getSaveFileName(parent, caption, QString(), filters.join(QStringLiteral(";;")), &filter);
    return {std::move(path), std::move(filter)};
}

}  // namespace ui
