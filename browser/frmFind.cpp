#include "frmFind.h"

#include "AutomationError.h"
#include "MessageSeam.h"
#include "VexaConvert.h"
#include "WindowLook.h"
#include "FindFilter.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

// A message box with the information icon and an OK button.
constexpr int kInformationOk = 64;

// Places a control by its layout in twips.
template <class Widget>
Widget* Place(Widget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(look::Pixels(left), look::Pixels(top), look::Pixels(width), look::Pixels(height));
    return widget;
}

QComboBox* NewTextBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

}  // namespace

frmFind::frmFind(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("查找"));
    setFont(look::WindowFont());
    setWindowIcon(look::WindowIcon());
    setFixedSize(look::Pixels(5460), look::Pixels(990));
    setModal(true);

    lblNumber = Place(new QLabel(QStringLiteral("表代码(&D):"), this), 120, 195, 1410, 180);
    cboNumber = Place(NewTextBox(this), 1590, 120, 2535, 300);
    lblName = Place(new QLabel(QStringLiteral("表名称(&N):"), this), 120, 555, 1410, 180);
    cboName = Place(NewTextBox(this), 1575, 510, 2535, 300);
    cmdFind = Place(new QPushButton(QStringLiteral("查找(&F)"), this), 4170, 120, 1140, 300);
    cmdCancel = Place(new QPushButton(QStringLiteral("取消(&C)"), this), 4170, 510, 1140, 300);
    lblNumber->setObjectName(QStringLiteral("lblNumber"));
    cboNumber->setObjectName(QStringLiteral("cboNumber"));
    lblName->setObjectName(QStringLiteral("lblName"));
    cboName->setObjectName(QStringLiteral("cboName"));
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    lblNumber->setBuddy(cboNumber);
    lblName->setBuddy(cboName);
    // Enter presses Find, except on a focused Cancel, which then takes Enter as desktop dialogs do.
    cmdFind->setDefault(true);
    cmdFind->setAutoDefault(false);
    cmdCancel->setAutoDefault(true);
    setTabOrder(cboNumber, cmdFind);
    setTabOrder(cmdFind, cboName);
    setTabOrder(cboName, cmdCancel);

    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);
}

frmFind::~frmFind() = default;

void frmFind::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
        cboNumber->setFocus();
    }
    QDialog::showEvent(event);
}

void frmFind::Form_Load()
{
    // The lookup never fails; each text stands on its own all the same.
    setWindowTitle(modPublic::LocalText(QStringLiteral("查找")));
    cmdCancel->setText(modPublic::LocalText(QStringLiteral("取消(&C)")));
    cmdFind->setText(modPublic::LocalText(QStringLiteral("查找(&F)")));
    lblNumber->setText(modPublic::LocalText(QStringLiteral("表代码(&D):")));
    lblName->setText(modPublic::LocalText(QStringLiteral("表名称(&N):")));
}

void frmFind::ShowMessage(const QString& text) const
{
    ui::ShowMessage(text, kInformationOk, modPublic::LocalText(QStringLiteral("Corvane提示")));
}

void frmFind::cmdFind_Click()
{
    QString sMsg;
    std::unique_ptr<clsGetData> data;
    try {
        const QString name = modPublic::TrimBlanks(cboName->currentText());
        const QString code = modPublic::TrimBlanks(cboNumber->currentText());
        if (name.isEmpty() && code.isEmpty()) {
            ShowMessage(modPublic::LocalText(QStringLiteral("请至少输入一个查找项目！")));
            return;
        }
        sMsg = modPublic::LocalText(QStringLiteral("没有查询到满足条件项目!"));
        const QString doneText = modPublic::LocalText(QStringLiteral("查找已经完成."));

        if (!m_rsHits) {
            const std::optional<QString> filter = findfilter::Filter(code, name, modPublic::GetLanguage());
            if (!filter) {
                ShowMessage(findfilter::BadInputText());
                return;
            }
            data = std::make_unique<clsGetData>();
            m_rsHits = data->GetMDetail(*filter, &sMsg);
            data.reset();
            if (!m_rsHits) {
                ShowMessage(findfilter::FailureText(sMsg));
                return;
            }
            // A walk without a single hit says so, not that the walk is done.
            if (m_rsHits->Eof()) {
                m_rsHits.reset();
                ShowMessage(sMsg);
                return;
            }
        }

        if (m_rsHits->Eof()) {
            m_rsHits.reset();
            ShowMessage(doneText);
            return;
        }
        const ado::Field& field = m_rsHits->Fields("FTableID");
        const qint32 FTableID = vexa::ToLong(field, 0);
        // Joining a null to text gives the text alone.
        const ado::Value& id = field.GetValue();
        const QString strKey = QStringLiteral("gi") + (ado::IsNull(id) ? QString() : QString::fromStdString(ado::ToText(id)));
        automation::ClearCurrentError();
        emit Locate(strKey, FTableID);
        if (automation::CurrentError().number != 0)
            throw automation::AutomationError(automation::CurrentError());
        m_rsHits->MoveNext();
    } catch (...) {
        data.reset();
        m_rsHits.reset();
        automation::ClearCurrentError();
        ShowMessage(findfilter::FailureText(sMsg));
    }
}

void frmFind::cmdCancel_Click()
{
    m_rsHits.reset();
    cboNumber->setFocus();
    hide();
}

void frmFind::reject()
{
    cmdCancel_Click();
}

void frmFind::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}
