#pragma once

#include "DictionaryDocument.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The field search: type part of a field name or description, see the described tables'
// fields that hold it (subsystem, table, field, description, type), pick one to locate its
// table in the main window with the field selected. The fields are read once each time the dialog opens, in one
// statement on a connection held only for that read; typing filters them.
class frmFieldSearch : public QDialog {
    Q_OBJECT

public:
    explicit frmFieldSearch(QWidget* owner = nullptr);
    ~frmFieldSearch() override;

    // Shows the hits for a text at once (typing waits a moment before it searches).
    void Search(const QString& text);

signals:
    // The picked field: its table's ID and its name.
    void LocateField(qint32 FTableID, const QString& fieldName);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void ReadFields();
    void lstHits_Pick(QTreeWidgetItem* item);

    QLabel* lblSearch;
    QLineEdit* txtSearch;
    QTreeWidget* lstHits;
    QLabel* lblCount;
    QTimer* m_typing;
    bool m_loaded = false;
    DictionaryDocument m_document;
};
