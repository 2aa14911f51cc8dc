#pragma once

#include "ExportOutputs.h"
#include "XmlElement.h"
#include "clsConverter.h"
#include "clsUtility.h"

#include <QDialog>
#include <QSet>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class RunProgress;

// The converter's dialog: the template file and the three output files, and two buttons that
// start, pause, resume and stop an export. Its state is the captions of cmdOK and cmdCancel
// together with its converter's StopFlag and the running flag:
//   Idle      "开始" "退出" eStop  not running
//   Running   "暂停" "停止" ePlay  running
//   Paused    "开始" "停止" ePause running
//   Stopping  "开始" "退出" eStop  running
// The export walk runs inside the click of cmdOK; the data export yields to the event loop, so
// the other handlers run on top of the walk and steer it through StopFlag. A walk starts only
// when every file it will write opens, and lbInfo tells how it ended: done, stopped, how many
// tables failed (the first one's log line below, the log a click away) and writes lost.
class frmTemplate : public QDialog {
    Q_OBJECT

public:
    // Creates the window loaded (load handler run).
    explicit frmTemplate(QWidget* parent = nullptr);
    ~frmTemplate() override;

    // Loads the dialog again if it was unloaded, puts strPath into txtTemplate and shows the
    // dialog modally without owner; returns when it is unloaded. AutomationError 400 when the
    // dialog is already shown.
    void ShowModal(const QString& strPath);

    // The files offered when the host gives no template and the user has run none yet
    // (template, structure, data and log file): asked for only then.
    void SetFirstRunFiles(std::function<QStringList()> files);

    // The dialog's own converter: every StopFlag change and every ExportDB goes to it.
    clsConverter* Converter() const { return m_converter.get(); }
    bool IsRunning() const { return m_running; }
    bool IsLoaded() const { return m_loaded; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public slots:
    void reject() override;

private:
    // A control's designed place, and whether a wider window widens it or moves it right.
    struct Placement {
        QWidget* widget;
        QRect designed;
        bool widens;
    };

    static QString Start();
    static QString Pause();
    static QString Exit();
    static QString Stop();
    void Load();
    void Unload();
    // The user's last files (when the host gives no template) and the dialog's last size and
    // place, kept per user; saved when the dialog unloads.
    void RestoreUserState(bool files);
    void SaveUserState() const;
    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdFile_Click(int Index);
    bool ValidateTemplate();
    // Before a new walk: the files it will write, opened (and made) to be sure they can be;
    // none when there is no script to write or a file cannot be opened, which is said.
    std::optional<ExportOutputs> PrepareOutputs();
    void RunExport(const ExportOutputs& outputs);
    void OnTableFinished(const QVariantMap& facts);
    void ShowOutcome(bool stopped);
    void OpenLog();
    void ReportFailedWrites();
    void ShowProgress();
    void WidenFor(const QLabel* label, const QString& line);
    void SetStopFlag(clsConverter::enuState state);
    QLineEdit* FileBox(int Index) const;

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* txtTemplate;
    QLabel* Label2;
    QLineEdit* txtStruct;
    QLabel* Label3;
    QLineEdit* txtData;
    QLabel* Label4;
    QLineEdit* txtLog;
    QButtonGroup* cmdFile;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* lbInfo;
    // Below the designed window: the run's progress against the table's estimated rows (a busy
    // bar when they are not known), and the table of the run, rows, speed and times.
    QProgressBar* pbProgress;
    QLabel* lbProgress;

    std::vector<Placement> m_placements;
    std::function<QStringList()> m_firstRunFiles;
    std::unique_ptr<clsConverter> m_converter;
    std::unique_ptr<RunProgress> m_progress;
    xml::XmlElement m_templateRoot;
    clsUtility m_utility;
    // The walk's failed tables (S/D/T), the log line of the first of them and the log file of
    // its server; the log file of the server being exported and the last line logged.
    QSet<QString> m_failedTables;
    QString m_firstFailure, m_failureLog;
    QString m_exportingLog, m_lastLogLine;
    bool m_running = false;
    bool m_loaded = false;
    // Closing was asked for while a walk was on the stack: it happens once the walk has unwound.
    bool m_closePending = false;
};
