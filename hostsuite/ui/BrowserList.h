#pragma once

#include <QString>
#include <QTreeWidget>

#include <functional>
#include <vector>

class VexaList;

// One of the browser's two lists. Its columns come from column records (heading FCaption, value
// name FName, FAlign 0 left / 1 right / 2 centre, FVisible), its rows from row records whose
// values are read by the columns' names. Columns are resizable; a click on a heading sorts by
// that column (numbers as numbers), a second click reverses; Ctrl+C copies the selected rows as
// tab-separated text.
class BrowserList : public QTreeWidget {
    Q_OBJECT

public:
    explicit BrowserList(QWidget* parent = nullptr);

    // Replaces the columns and empties the list (nothing leaves no columns).
    void SetColumns(const VexaList* columns);
    // Replaces the rows (nothing empties the list).
    void SetRows(const VexaList* rows);

    // The selected rows in the order shown, cells of the visible columns joined by tabs.
    QString SelectedText() const;
    // The headings, then every row in the order shown, as SelectedText joins them.
    QString AllText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Column {
        QString name;
        Qt::Alignment alignment;
    };

    void SortBy(int column);
    // The cells of the visible columns in their order on screen.
    QStringList VisibleCells(const std::function<QString(int column)>& cell) const;

    std::vector<Column> m_columns;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // Columns are fitted to the first rows they show; after that the user's widths stay.
    bool m_fitted = false;
};
