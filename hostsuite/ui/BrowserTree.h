#pragma once

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QTreeWidget>

#include <memory>
#include <vector>

class BrowserNode;
class BrowserTree;
class VexaList;

// The tree's Nodes collection: every node in the order the tree was built, 1-based as the
// common controls count them.
class BrowserNodes : public QObject {
    Q_OBJECT

public:
    explicit BrowserNodes(BrowserTree* tree);

    Q_INVOKABLE int Count() const;
    // The node at a 1-based position; error 35600 outside 1 to Count.
    Q_INVOKABLE QObject* Item(int index) const;

private:
    BrowserTree* m_tree;
};

// The browser's tree, built from tree records: FKey names a node, FRelative its parent (a
// record earlier in the list; a node whose parent is not among the earlier records stands at
// the top), FText its text, FTag its tag, FimgNormal and FimgClick its images (1 closed
// folder, 2 open folder, 13 table). A node shows its click image while expanded or current.
class BrowserTree : public QTreeWidget {
    Q_OBJECT
    Q_PROPERTY(QObject* Nodes READ Nodes CONSTANT)

public:
    enum Role { KeyRole = Qt::UserRole, TagRole, PositionRole, ImageNormalRole, ImageClickRole };

    explicit BrowserTree(QWidget* parent = nullptr);
    ~BrowserTree() override;

    // Replaces every node by the records of the list (nothing empties the tree).
    void Build(const VexaList* records);

    QObject* Nodes() const { return m_nodesCollection; }
    int NodeCount() const { return static_cast<int>(m_items.size()); }
    // The node at a 0-based position of the build order, made on first request.
    BrowserNode* NodeAt(int position) const;
    BrowserNode* NodeOf(QTreeWidgetItem* item) const;

    // Makes the item current without raising NodePicked.
    void SelectQuietly(QTreeWidgetItem* item);

signals:
    // The user picked a node, by mouse or keyboard.
    void NodePicked(BrowserNode* node);

private:
    void OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void OnPressed(QTreeWidgetItem* item);
    void ShowImage(QTreeWidgetItem* item) const;

    BrowserNodes* m_nodesCollection;
    std::vector<QTreeWidgetItem*> m_items;
    mutable std::vector<std::unique_ptr<BrowserNode>> m_nodes;
    mutable QHash<int, QIcon> m_icons;
    bool m_quiet = false;
    // The item a mouse press has just made current: its press must not report it twice.
    QTreeWidgetItem* m_justPicked = nullptr;
};
