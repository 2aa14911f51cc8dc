#pragma once

#include <QObject>
#include <QString>

class BrowserTree;
class QTreeWidgetItem;

// One node of the browser's tree as hosts see it: the key, text and tag of its record and its
// selection. Nodes belong to their tree and live until the tree is rebuilt or destroyed.
class BrowserNode : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Key READ Key)
    Q_PROPERTY(QString Text READ Text)
    Q_PROPERTY(QString Tag READ Tag)
    Q_PROPERTY(bool Selected READ Selected WRITE SetSelected)

public:
    BrowserNode(QTreeWidgetItem* item, BrowserTree* tree);

    QString Key() const;
    QString Text() const;
    QString Tag() const;
    bool Selected() const;
    // Selecting makes the node the tree's current node and scrolls it into view; it does not
    // raise NodeClick, as a host's own selection never does.
    void SetSelected(bool selected);

    QTreeWidgetItem* Item() const { return m_item; }

private:
    QTreeWidgetItem* m_item;
    BrowserTree* m_tree;
};
