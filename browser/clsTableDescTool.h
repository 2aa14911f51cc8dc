#pragma once

#include <QObject>
#include <QPointer>

class frmLoad;

// The dictionary browser's public class (ProgID "Tabrix.clsTableDescTool"): opens the main
// window. Releasing the object closes the modeless window it opened last.
class clsTableDescTool : public QObject {
    Q_OBJECT

public:
    explicit clsTableDescTool(QObject* parent = nullptr);
    ~clsTableDescTool() override;

    // Loads and shows a new main window. Modal (the default): returns when the window has
    // closed. Modeless: returns at once; the window stays until the user closes it or this
    // object is released. A failing load sequence is raised to the caller and nothing is shown.
    Q_INVOKABLE void ShowTool(bool bShowModal = true);

    // The window kept for a modeless run, if still open.
    frmLoad* Window() const;

private:
    QPointer<frmLoad> m_frmLoad;
};
