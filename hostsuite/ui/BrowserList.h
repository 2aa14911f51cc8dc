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
// tab-separated text. Each time rows come, a column too narrow for its heading or its cells is
// widened (up to a limit); the user's wider columns stay.
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
    // The positions in the row records of the selected rows, in the order shown.
    QList<int> SelectedRecords() const;
    // Makes the first row whose value of that name equals the text (letter case ignored) the
    // current and only selected one, scrolled into view; false when no row has it.
    bool SelectRow(const QString& name, const QString& value);
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

    void WidenColumns();

    std::vector<Column> m_columns;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
