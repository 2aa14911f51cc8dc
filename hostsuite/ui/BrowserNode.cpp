#include "BrowserNode.h"

#include "BrowserTree.h"

#include <QTreeWidgetItem>

BrowserNode::BrowserNode(QTreeWidgetItem* item, BrowserTree* tree) : m_item(item), m_tree(tree) {}

QString BrowserNode::Key() const
{
    return m_item->data(0, BrowserTree::KeyRole).toString();
}

QString BrowserNode::Text() const
{
    return m_item->text(0);
}

QString BrowserNode::Tag() const
{
    return m_item->data(0, BrowserTree::TagRole).toString();
}

bool BrowserNode::Selected() const
{
    return m_item->isSelected();
}

void BrowserNode::SetSelected(bool selected)
{
    if (selected)
        m_tree->SelectQuietly(m_item);
    else
        m_item->setSelected(false);
}
