#pragma once

#include "Recordset.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

// The find dialog: finds described tables by code (FTableName) and by name (FDescription) and
// walks through the hits, one per press of Find, reporting each through Locate. Closing it
// with the close box only hides it, so the typed text and the place in the hits stay for the
// next opening; Cancel (or Esc) ends the walk and hides it.
class frmFind : public QDialog {
    Q_OBJECT

public:
    explicit frmFind(QWidget* owner = nullptr);
    ~frmFind() override;

    // True while a walk is under way.
    bool WalkUnderWay() const { return m_rsHits != nullptr; }
    // The next hit of the walk under way, as a press of Find would report it (F3 in the window).
    void FindNext() { cmdFind_Click(); }

signals:
    // A hit: strKey is "gi" followed by the table ID, FTableID the table ID. A handler that fails
    // reports it through the current error, which ends the walk.
    void Locate(const QString& strKey, qint32 FTableID);

protected:
    void showEvent(QShowEvent* event) override;
    // The close box hides the dialog and keeps the walk.
    void closeEvent(QCloseEvent* event) override;
    // Esc acts as Cancel.
    void reject() override;

private:
    void Form_Load();
    void cmdFind_Click();
    void cmdCancel_Click();
    void ShowMessage(const QString& text) const;

    QLabel* lblNumber;
    QComboBox* cboNumber;
    QLabel* lblName;
    QComboBox* cboName;
    QPushButton* cmdFind;
    QPushButton* cmdCancel;
    bool m_loaded = false;
    // The hits of the walk under way, read in full by the data server: between presses the walk
    // holds no statement and no connection, so others can write to the account meanwhile.
    ado::RecordsetPtr m_rsHits;
};
