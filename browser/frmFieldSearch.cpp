#include "frmFieldSearch.h"

#include "AutomationError.h"
#include "DictionaryReader.h"
#include "FieldSearch.h"
#include "HeldConnection.h"
#include "MessageSeam.h"
#include "WindowLook.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A message box with the error icon and an OK button.
constexpr int kCriticalOk = 16;
constexpr int kTypingPauseMs = 150;
constexpr int kTableIdRole = Qt::UserRole;
constexpr int kFieldNameRole = Qt::UserRole + 1;

}  // namespace

frmFieldSearch::frmFieldSearch(QWidget* owner) : QDialog(owner), m_typing(new QTimer(this))
{
    setObjectName(QStringLiteral("frmFieldSearch"));
    setWindowTitle(QStringLiteral("字段查找"));
    setFont(look::WindowFont());
    setWindowIcon(look::WindowIcon());
    setModal(true);
    resize(look::Pixels(9000), look::Pixels(5400));

    lblSearch = new QLabel(QStringLiteral("字段名称或描述(&S):"), this);
    txtSearch = new QLineEdit(this);
    lstHits = new QTreeWidget(this);
    lblCount = new QLabel(this);
    lblSearch->setObjectName(QStringLiteral("lblSearch"));
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    lstHits->setObjectName(QStringLiteral("lstHits"));
    lblCount->setObjectName(QStringLiteral("lblCount"));
    lblSearch->setBuddy(txtSearch);
    txtSearch->setClearButtonEnabled(true);
    lstHits->setRootIsDecorated(false);
    lstHits->setUniformRowHeights(true);
    lstHits->setAlternatingRowColors(true);
    lstHits->setAllColumnsShowFocus(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSearch);
    layout->addWidget(txtSearch);
    layout->addWidget(lstHits, 1);
    layout->addWidget(lblCount);

    m_typing->setSingleShot(true);
    m_typing->setInterval(kTypingPauseMs);
    connect(m_typing, &QTimer::timeout, this, [this] { Search(txtSearch->text()); });
    connect(txtSearch, &QLineEdit::textEdited, m_typing, qOverload<>(&QTimer::start));
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] {
        if (QTreeWidgetItem* first = lstHits->topLevelItem(0); first && lstHits->topLevelItemCount() == 1)
            lstHits_Pick(first);
        else
            lstHits->setFocus();
    });
    connect(lstHits, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { lstHits_Pick(item); });
}

frmFieldSearch::~frmFieldSearch() = default;

void frmFieldSearch::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    ReadFields();
    Search(txtSearch->text());
    txtSearch->setFocus();
    txtSearch->selectAll();
    QDialog::showEvent(event);
}

void frmFieldSearch::Form_Load()
{
    setWindowTitle(modPublic::LocalText(QStringLiteral("字段查找")));
    lblSearch->setText(modPublic::LocalText(QStringLiteral("字段名称或描述(&S):")));
}

void frmFieldSearch::ReadFields()
{
    m_document = DictionaryDocument();
    QString message;
    try {
        clsGetData data;
        data.HoldConnection(std::make_shared<HeldConnection>(modPublic::GetPropsString()));
        DictionaryReader reader(data);
        if (reader.ReadTree(m_document, message) && reader.ReadAllFields(m_document, message))
            return;
    } catch (...) {
        message = automation::InfoFromCurrentException().description;
        automation::ClearCurrentError();
    }
    m_document.groups.clear();
    ui::ShowMessage(message, kCriticalOk, modPublic::LocalText(QStringLiteral("Corvane提示")));
}

void frmFieldSearch::Search(const QString& text)
{
    m_typing->stop();
    const QString wanted = modPublic::TrimBlanks(text);
    std::vector<FieldSearch::Hit> hits;
    if (!wanted.isEmpty() && m_document.fieldLayout)
        hits = FieldSearch::Find(m_document, wanted);
    const DictionaryRows rows = FieldSearch::Rows(m_document, hits);
    lstHits->clear();
    lstHits->setHeaderLabels(rows.captions);
    QList<QTreeWidgetItem*> items;
    for (size_t i = 0; i < hits.size(); ++i) {
        QStringList cells;
        for (const QVariant& value : rows.rows[i])
            cells << value.toString();
        auto* item = new QTreeWidgetItem(cells);
        item->setData(0, kTableIdRole, hits[i].table->id);
        item->setData(0, kFieldNameRole, hits[i].field->GetValue(QStringLiteral("FFieldName")));
        items.append(item);
    }
    lstHits->addTopLevelItems(items);
    for (int column = 0; column < lstHits->columnCount(); ++column)
        lstHits->resizeColumnToContents(column);
    lblCount->setText(wanted.isEmpty() ? QString()
                                       : modPublic::LocalText(QStringLiteral("找到 %1 个字段")).arg(hits.size()));
}

void frmFieldSearch::lstHits_Pick(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const qint32 FTableID = item->data(0, kTableIdRole).toInt();
    hide();
    emit LocateField(FTableID, item->data(0, kFieldNameRole).toString());
}
