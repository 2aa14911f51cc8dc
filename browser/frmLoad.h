#pragma once

#include "ComponentRegistry.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QObject;
class clsGetData;
class frmFieldSearch;
class frmFind;

// The dictionary browser's main window: the host's browser control filling the client area,
// loaded with the dictionary tree and the layouts of the index and field lists. Picking a table
// fetches its indexes and fields; the "Find" command or Ctrl+F opens the find dialog, whose hits
// select their table. Beyond that: a field search on the toolbar, copies of the field list as a
// SELECT text or as tab-separated text, and the whole dictionary's export from the tree's menu.
// The window deletes itself once closed.
class frmLoad : public QWidget {
    Q_OBJECT

public:
    explicit frmLoad(QWidget* parent = nullptr);
    ~frmLoad() override;

    // The load sequence. Failures propagate: the window is then not to be shown.
    void Form_Load();

    // The browser control.
    QObject* Browser() const { return m_browser.get(); }
    // The find dialog, created on first use and kept for the window's lifetime.
    frmFind* FindDialog();
    // Shows the find dialog modally; returns when it hides itself.
    void OpenFind();
    // The field search, created on first use and kept; its picks locate as the find dialog's hits do.
    frmFieldSearch* FieldSearchDialog();

signals:
    // The window has unloaded (its data object is released); it is deleted soon after.
    void Unloaded();

protected:
    // Key preview: Ctrl+F (Shift or Alt may be held too) anywhere in the window opens the find
    // dialog before the focused control sees the key; F3 goes on to the next hit of the find
    // dialog's walk (or opens it when no walk is under way); Ctrl+L opens the field search.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A dictionary that could not be read is said once the window shows.
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Failures of these handlers go back to whoever raised the event through the current error.
    void Browser_CommandClick(QObject* Command);
    void Browser_NodeClick(QObject* Node);
    void m_frmFind_Locate(const QString& strKey, qint32 FTableID);
    void m_frmFieldSearch_LocateField(qint32 FTableID, const QString& fieldName);
    // The status line names the catalogue the lists are read from, beside the account.
    void m_clsData_CatalogueChosen(bool bCatalogueViews);

private:
    void SelectTable(QObject* Node);
    void LocateTable(qint32 FTableID);
    // The window's commands beyond the control's own: the field search from the toolbar, the field
    // list's "Copy as SELECT" and "Copy field list", the tree's "Export dictionary...".
    void AddOwnCommands();
    void CopySelect();
    void OpenFieldSearch();
    // A notice in the window that the clipboard holds what was asked for.
    void ShowCopied() const;
    // Puts a dialog over the tree's lower part, clear of the lists it is about.
    void PlaceOverTree(QWidget* dialog) const;
    void ExportDictionaryTo();
    // The user's last size and position, splitters and column widths, kept per user; without
    // them the tree pane gets the width of its longest caption.
    void RestoreLayout();
    void SaveLayout() const;
    // A cut-off tree item or list cell shows its whole text as a tooltip.
    bool ShowCutOffText(QObject* watched, QEvent* event) const;
    // A data call's result: a Vexa list or nothing; anything else is a type mismatch.
    automation::ObjectPtr ListResult(const QVariant& result) const;

    automation::ObjectPtr m_browser;
    std::unique_ptr<clsGetData> m_clsData;
    QPointer<frmFind> m_frmFind;
    QPointer<frmFieldSearch> m_frmFieldSearch;
    // The table whose lists are shown, empty when none is.
    QString m_tableName;
    // Why the tree is empty, when its query failed; said once the window shows.
    QString m_loadFailure;
};
