#include "clsTableDescTool.h"

#include "Dispatch.h"
#include "frmLoad.h"

#include <QEventLoop>

clsTableDescTool::clsTableDescTool(QObject* parent) : QObject(parent) {}

frmLoad* clsTableDescTool::Window() const
{
    return m_frmLoad;
}

clsTableDescTool::~clsTableDescTool()
{
    try {
        if (m_frmLoad)
            m_frmLoad->close();
    } catch (...) {
        automation::ClearCurrentError();
    }
    m_frmLoad.clear();
}

void clsTableDescTool::ShowTool(bool bShowModal)
{
    automation::Guard([&] {
        // A window kept from an earlier modeless call stays open on its own.
        m_frmLoad = new frmLoad;
        try {
            m_frmLoad->Form_Load();
        } catch (...) {
            delete m_frmLoad;
            throw;
        }
        if (!bShowModal) {
            m_frmLoad->show();
            return;
        }
        QEventLoop modalRun;
        QObject::connect(m_frmLoad, &frmLoad::Unloaded, &modalRun, &QEventLoop::quit);
        m_frmLoad->setWindowModality(Qt::ApplicationModal);
        m_frmLoad->show();
        modalRun.exec();
        delete m_frmLoad;
    });
}
