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

QString AskSaveFileName(QWidget* parent, const QString& caption, const QStringList& filters)
{
    if (Handler()) {
        // A copy: the handler may replace itself while it runs.
        const SaveFileHandler handler = Handler();
        return handler(caption, filters);
    }
    return QFileDialog::getSaveFileName(parent, caption, QString(), filters.join(QStringLiteral(";;")));
}

}  // namespace ui
