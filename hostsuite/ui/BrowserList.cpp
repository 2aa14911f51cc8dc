#include "BrowserList.h"

#include "VexaList.h"
#include "VexaRecord.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace {

constexpr int kMaxFittedWidth = 480;
// Where an item keeps the position of its row record.
constexpr int kRecordRole = Qt::UserRole;

// Sorts numbers by value when both cells hold one, texts otherwise.
class ListItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        bool leftNumber = false;
        bool rightNumber = false;
        const double left = text(column).toDouble(&leftNumber);
        const double right = other.text(column).toDouble(&rightNumber);
        if (leftNumber && rightNumber)
            return left < right;
        return QString::localeAwareCompare(text(column), other.text(column)) < 0;
    }
};

Qt::Alignment AlignmentOf(int align)
{
    switch (align) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

BrowserList::BrowserList(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setColumnCount(0);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    connect(header(), &QHeaderView::sectionClicked, this, &BrowserList::SortBy);
}

void BrowserList::SetColumns(const VexaList* columns)
{
    clear();
    m_columns.clear();
    m_sortColumn = -1;
    header()->setSortIndicatorShown(false);
    QStringList captions;
    std::vector<bool> visible;
    if (columns) {
        for (const VexaRecordPtr& record : *columns) {
            m_columns.push_back({record->GetValue(QStringLiteral("FName")).toString(),
                                 AlignmentOf(record->GetValue(QStringLiteral("FAlign")).toInt())});
            captions << record->GetValue(QStringLiteral("FCaption")).toString();
            const QVariant shown = record->GetValue(QStringLiteral("FVisible"));
            visible.push_back(!shown.isValid() || shown.toBool());
        }
    }
    setColumnCount(static_cast<int>(m_columns.size()));
    setHeaderLabels(captions);
    for (int column = 0; column < columnCount(); ++column) {
        setColumnHidden(column, !visible[static_cast<size_t>(column)]);
        headerItem()->setTextAlignment(column, m_columns[static_cast<size_t>(column)].alignment);
        resizeColumnToContents(column);
    }
}

void BrowserList::SetRows(const VexaList* rows)
{
    setUpdatesEnabled(false);
    clear();
    if (rows && !m_columns.empty()) {
        QList<QTreeWidgetItem*> items;
        items.reserve(rows->Count());
        for (const VexaRecordPtr& record : *rows) {
            auto* item = new ListItem;
            item->setData(0, kRecordRole, static_cast<int>(items.size()));
            for (size_t column = 0; column < m_columns.size(); ++column) {
                const int index = static_cast<int>(column);
                item->setText(index, record->GetValue(m_columns[column].name).toString());
                item->setTextAlignment(index, m_columns[column].alignment);
            }
            items.append(item);
        }
        addTopLevelItems(items);
        if (m_sortColumn >= 0)
            sortItems(m_sortColumn, m_sortOrder);
        WidenColumns();
    }
    setUpdatesEnabled(true);
}

void BrowserList::WidenColumns()
{
    for (int column = 0; column < columnCount(); ++column) {
        const int wanted = std::min(std::max(sizeHintForColumn(column), header()->sectionSizeHint(column)), kMaxFittedWidth);
        if (columnWidth(column) < wanted)
            setColumnWidth(column, wanted);
    }
}

QList<int> BrowserList::SelectedRecords() const
{
    QList<int> records;
    for (int row = 0; row < topLevelItemCount(); ++row)
        if (const QTreeWidgetItem* item = topLevelItem(row); item->isSelected())
            records << item->data(0, kRecordRole).toInt();
    return records;
}

bool BrowserList::SelectRow(const QString& name, const QString& value)
{
    const auto column = std::find_if(m_columns.begin(), m_columns.end(), [&](const Column& c) { return c.name == name; });
    if (column == m_columns.end())
        return false;
    const int index = static_cast<int>(column - m_columns.begin());
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->text(index).compare(value, Qt::CaseInsensitive) == 0) {
            clearSelection();
            setCurrentItem(item);
            item->setSelected(true);
            scrollToItem(item);
            return true;
        }
    }
    return false;
}

void BrowserList::SortBy(int column)
{
    m_sortOrder = (column == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(column, m_sortOrder);
    sortItems(column, m_sortOrder);
}

QStringList BrowserList::VisibleCells(const std::function<QString(int column)>& cell) const
{
    QStringList cells;
    const QHeaderView* heading = header();
    for (int visual = 0; visual < heading->count(); ++visual) {
        const int column = heading->logicalIndex(visual);
        if (!heading->isSectionHidden(column))
            cells << cell(column);
    }
    return cells;
}

QString BrowserList::SelectedText() const
{
    QStringList lines;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        if (item->isSelected())
            lines << VisibleCells([item](int column) { return item->text(column); }).join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QString BrowserList::AllText() const
{
    const QTreeWidgetItem* heading = headerItem();
    QStringList lines{VisibleCells([heading](int column) { return heading->text(column); }).join(QLatin1Char('\t'))};
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = topLevelItem(row);
        lines << VisibleCells([item](int column) { return item->text(column); }).join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void BrowserList::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedText());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
