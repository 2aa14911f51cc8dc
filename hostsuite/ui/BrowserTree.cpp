#include "BrowserTree.h"

#include "AutomationError.h"
#include "BrowserNode.h"
#include "Dispatch.h"
#include "VexaList.h"
#include "VexaRecord.h"

#include <QHash>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>

namespace {

constexpr long kIndexOutOfBounds = 35600;

QIcon ImageIcon(const QStyle* style, int image)
{
    switch (image) {
    case 1:
        return style->standardIcon(QStyle::SP_DirClosedIcon);
    case 2:
        return style->standardIcon(QStyle::SP_DirOpenIcon);
    case 13:
        return style->standardIcon(QStyle::SP_FileIcon);
    default:
        return {};
    }
}

}  // namespace

BrowserNodes::BrowserNodes(BrowserTree* tree) : QObject(tree), m_tree(tree) {}

int BrowserNodes::Count() const
{
    return m_tree->NodeCount();
}

QObject* BrowserNodes::Item(int index) const
{
    return automation::Guard([&]() -> QObject* {
        if (index < 1 || index > m_tree->NodeCount())
            throw automation::AutomationError(kIndexOutOfBounds, QStringLiteral("Index out of bounds"),
                                              QStringLiteral("NorvBrowsers.NorvBrowser"));
        return m_tree->NodeAt(index - 1);
    });
}

BrowserTree::BrowserTree(QWidget* parent) : QTreeWidget(parent), m_nodesCollection(new BrowserNodes(this))
{
    setObjectName(QStringLiteral("tree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One column as wide as the pane: measuring every text of a large tree would cost a wait.
    header()->setStretchLastSection(true);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QTreeWidget::currentItemChanged, this, &BrowserTree::OnCurrentChanged);
    connect(this, &QTreeWidget::itemPressed, this, &BrowserTree::OnPressed);
    connect(this, &QTreeWidget::itemExpanded, this, &BrowserTree::ShowImage);
    connect(this, &QTreeWidget::itemCollapsed, this, &BrowserTree::ShowImage);
}

BrowserTree::~BrowserTree() = default;

void BrowserTree::Build(const VexaList* records)
{
    const QSignalBlocker blocker(this);
    setUpdatesEnabled(false);
    m_justPicked = nullptr;
    m_nodes.clear();
    m_items.clear();
    clear();

    if (records) {
        const QString keyName = QStringLiteral("FKey");
        const QString relativeName = QStringLiteral("FRelative");
        const QString textName = QStringLiteral("FText");
        const QString tagName = QStringLiteral("FTag");
        const QString normalName = QStringLiteral("FimgNormal");
        const QString clickName = QStringLiteral("FimgClick");

        QHash<QString, QTreeWidgetItem*> byKey;
        byKey.reserve(records->Count());
        m_items.reserve(static_cast<size_t>(records->Count()));
        QHash<QTreeWidgetItem*, QList<QTreeWidgetItem*>> children;
        QList<QTreeWidgetItem*> top;

        for (const VexaRecordPtr& record : *records) {
            auto* item = new QTreeWidgetItem;
            const QString key = record->GetValue(keyName).toString();
            const QString text = record->GetValue(textName).toString();
            item->setText(0, text);
            item->setToolTip(0, text);  // the pane may be too narrow for the whole text
            item->setData(0, KeyRole, key);
            item->setData(0, TagRole, record->GetValue(tagName).toString());
            item->setData(0, PositionRole, static_cast<int>(m_items.size()));
            item->setData(0, ImageNormalRole, record->GetValue(normalName).toInt());
            item->setData(0, ImageClickRole, record->GetValue(clickName).toInt());
            // A parent must come earlier in the list, so the tree can hold no cycle.
            QTreeWidgetItem* parentItem = byKey.value(record->GetValue(relativeName).toString());
            if (parentItem)
                children[parentItem].append(item);
            else
                top.append(item);
            if (!byKey.contains(key))
                byKey.insert(key, item);
            m_items.push_back(item);
        }
        m_nodes.resize(m_items.size());
        for (auto it = children.cbegin(); it != children.cend(); ++it)
            it.key()->addChildren(it.value());
        addTopLevelItems(top);
        for (QTreeWidgetItem* item : top)
            item->setExpanded(true);
        for (QTreeWidgetItem* item : m_items)
            ShowImage(item);
    }
    setUpdatesEnabled(true);
}

BrowserNode* BrowserTree::NodeAt(int position) const
{
    auto& node = m_nodes[static_cast<size_t>(position)];
    if (!node)
        node = std::make_unique<BrowserNode>(m_items[static_cast<size_t>(position)], const_cast<BrowserTree*>(this));
    return node.get();
}

BrowserNode* BrowserTree::NodeOf(QTreeWidgetItem* item) const
{
    return item ? NodeAt(item->data(0, PositionRole).toInt()) : nullptr;
}

void BrowserTree::SelectQuietly(QTreeWidgetItem* item)
{
    m_quiet = true;
    for (QTreeWidgetItem* parentItem = item->parent(); parentItem; parentItem = parentItem->parent())
        parentItem->setExpanded(true);
    setCurrentItem(item);
    item->setSelected(true);
    scrollToItem(item, QAbstractItemView::PositionAtCenter);
    m_quiet = false;
}

void BrowserTree::OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (previous)
        ShowImage(previous);
    if (!current)
        return;
    ShowImage(current);
    if (m_quiet)
        return;
    // A mouse press makes the item current and then reports the press: one pick, not two.
    m_justPicked = current;
    QTimer::singleShot(0, this, [this] { m_justPicked = nullptr; });
    emit NodePicked(NodeOf(current));
}

void BrowserTree::OnPressed(QTreeWidgetItem* item)
{
    if (item == m_justPicked) {
        m_justPicked = nullptr;
        return;
    }
    emit NodePicked(NodeOf(item));
}

void BrowserTree::ShowImage(QTreeWidgetItem* item) const
{
    const bool open = item->isExpanded() || item == currentItem();
    const int image = item->data(0, open ? ImageClickRole : ImageNormalRole).toInt();
    auto icon = m_icons.find(image);
    if (icon == m_icons.end())
        icon = m_icons.insert(image, ImageIcon(style(), image));
    item->setIcon(0, *icon);
}
