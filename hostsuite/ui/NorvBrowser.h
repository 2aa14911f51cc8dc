#pragma once

#include "ComponentRegistry.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QWidget>

class BrowserList;
class BrowserNode;
class BrowserTree;
class QAction;
class QLabel;
class QTimer;
class QSplitter;
class QToolBar;

// A command of the browser's toolbar as hosts see it when CommandClick reports it.
class BrowserCommand : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Key READ Key CONSTANT)

public:
    BrowserCommand(const QString& key, QObject* parent) : QObject(parent), m_key(key) {}
    QString Key() const { return m_key; }

private:
    QString m_key;
};

// The host suite's browser control: a toolbar, a tree of nodes on the left and, on the right,
// a content caption over an index list and a field list, with a status line below. Hosts fill
// it with Vexa lists of records: the tree from tree records, the lists' columns from column
// records and their rows from row records; setting nothing empties the tree or list.
//
// Toolbar commands and their keys: "New", "Modify", "Delete", "NewGroup", "Cut", "Copy",
// "Paste", "Find", "Close". SetButtonState switches one off; once ButtonsSet is True, the
// commands switched off are no longer shown.
class NorvBrowser : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool ButtonsSet READ ButtonsSet WRITE SetButtonsSet)
    Q_PROPERTY(QString AppKey READ AppKey WRITE SetAppKey)
    Q_PROPERTY(QString ContentCaption READ ContentCaption WRITE SetContentCaption)
    Q_PROPERTY(QString StatusText READ StatusText WRITE SetStatusText)
    Q_PROPERTY(automation::ObjectPtr TreeData READ TreeData WRITE SetTreeData)
    Q_PROPERTY(automation::ObjectPtr IndexColumns READ IndexColumns WRITE SetIndexColumns)
    Q_PROPERTY(automation::ObjectPtr FieldColumns READ FieldColumns WRITE SetFieldColumns)
    Q_PROPERTY(automation::ObjectPtr IndexRows READ IndexRows WRITE SetIndexRows)
    Q_PROPERTY(automation::ObjectPtr FieldRows READ FieldRows WRITE SetFieldRows)

public:
    explicit NorvBrowser(QWidget* parent = nullptr);
    ~NorvBrowser() override;

    // Installs the control's own words for the host's language (CHS, CHT; other languages keep
    // English) in the application, in place of any installed before. Controls made afterwards
    // show them.
    static void InstallTranslation(const QString& hostLanguage);

    // Switches the command of that key on or off; an unknown key is ignored.
    Q_INVOKABLE void SetButtonState(const QString& key, bool state);
    // The tree, whose Nodes property lists the nodes in the order they were built.
    Q_INVOKABLE QObject* TreeControl() const;
    // Adds a host's own command, raised through CommandClick with its key like the control's:
    // place "Toolbar" puts it on the toolbar before Close, "Tree" and "FieldList" in the context
    // menu of the tree or of the field list. An unknown place is ignored.
    Q_INVOKABLE void AddHostCommand(const QString& place, const QString& key, const QString& text);
    // The field list as shown: headings and every row of the visible columns, in the order on
    // screen, cells joined by tabs and rows by line breaks.
    Q_INVOKABLE QString FieldListText() const;
    // The positions in FieldRows of the field list's selected rows, in the order shown.
    Q_INVOKABLE QVariantList SelectedFieldRows() const;
    // Makes the field list's row of that field name (FFieldName) the selected one; false when
    // the list has no such row.
    Q_INVOKABLE bool SelectField(const QString& fieldName);
    // A short notice beside the status text (a copy done, a file written), gone after a while.
    Q_INVOKABLE void ShowNotice(const QString& text);
    // The tooltip of the command of that key (to show its shortcut); an unknown key is ignored.
    Q_INVOKABLE void SetCommandToolTip(const QString& key, const QString& toolTip);

    bool ButtonsSet() const { return m_buttonsSet; }
    void SetButtonsSet(bool buttonsSet);
    QString AppKey() const { return m_appKey; }
    void SetAppKey(const QString& appKey) { m_appKey = appKey; }
    QString ContentCaption() const;
    void SetContentCaption(const QString& caption);
    QString StatusText() const;
    void SetStatusText(const QString& text);

    // Lists that are not Vexa lists count as nothing.
    automation::ObjectPtr TreeData() const { return m_treeData; }
    void SetTreeData(const automation::ObjectPtr& list);
    automation::ObjectPtr IndexColumns() const { return m_indexColumns; }
    void SetIndexColumns(const automation::ObjectPtr& list);
    automation::ObjectPtr FieldColumns() const { return m_fieldColumns; }
    void SetFieldColumns(const automation::ObjectPtr& list);
    automation::ObjectPtr IndexRows() const { return m_indexRows; }
    void SetIndexRows(const automation::ObjectPtr& list);
    automation::ObjectPtr FieldRows() const { return m_fieldRows; }
    void SetFieldRows(const automation::ObjectPtr& list);

    // The command of a key, or nullptr.
    QAction* Command(const QString& key) const { return m_actions.value(key); }

signals:
    // command: a BrowserCommand; its Key names the command.
    void CommandClick(QObject* command);
    // node: a BrowserNode of the tree.
    void NodeClick(QObject* node);

private:
    void AddCommand(const QString& key, const QString& text, int standardIcon);

    QToolBar* m_toolBar;
    BrowserTree* m_tree;
    QLabel* m_caption;
    BrowserList* m_indexList;
    BrowserList* m_fieldList;
    QLabel* m_status;
    QLabel* m_notice;
    QTimer* m_noticeTimer;
    QSplitter* m_splitter;
    QHash<QString, QAction*> m_actions;
    bool m_buttonsSet = false;
    QString m_appKey;
    automation::ObjectPtr m_treeData;
    automation::ObjectPtr m_indexColumns;
    automation::ObjectPtr m_fieldColumns;
    automation::ObjectPtr m_indexRows;
    automation::ObjectPtr m_fieldRows;
};
