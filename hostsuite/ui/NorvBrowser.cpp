#include "NorvBrowser.h"

#include "BrowserList.h"
#include "BrowserNode.h"
#include "BrowserTree.h"
#include "VexaList.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int kNoIcon = -1;
constexpr int kNoticeMs = 5000;

}  // namespace

void NorvBrowser::InstallTranslation(const QString& hostLanguage)
{
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const QString locale = hostLanguage.compare(QLatin1String("CHS"), Qt::CaseInsensitive) == 0   ? QStringLiteral("zh_CN")
                           : hostLanguage.compare(QLatin1String("CHT"), Qt::CaseInsensitive) == 0 ? QStringLiteral("zh_TW")
                                                                                                 : QString();
    if (locale.isEmpty())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/tabrix/translations/NorvBrowsers_") + locale) &&
        QCoreApplication::installTranslator(translator.get()))
        installed = translator.release();
}

NorvBrowser::NorvBrowser(QWidget* parent)
    : QWidget(parent),
      m_toolBar(new QToolBar(this)),
      m_tree(new BrowserTree),
      m_caption(new QLabel),
      m_indexList(new BrowserList),
      m_fieldList(new BrowserList),
      m_status(new QLabel),
      m_notice(new QLabel),
      m_noticeTimer(new QTimer(this)),
      m_splitter(new QSplitter(Qt::Horizontal))
{
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    AddCommand(QStringLiteral("New"), tr("New"), QStyle::SP_FileIcon);
    AddCommand(QStringLiteral("Modify"), tr("Modify"), QStyle::SP_FileDialogDetailedView);
    AddCommand(QStringLiteral("Delete"), tr("Delete"), QStyle::SP_TrashIcon);
    AddCommand(QStringLiteral("NewGroup"), tr("New Group"), QStyle::SP_FileDialogNewFolder);
    m_toolBar->addSeparator();
    AddCommand(QStringLiteral("Cut"), tr("Cut"), kNoIcon);
    AddCommand(QStringLiteral("Copy"), tr("Copy"), kNoIcon);
    AddCommand(QStringLiteral("Paste"), tr("Paste"), kNoIcon);
    m_toolBar->addSeparator();
    AddCommand(QStringLiteral("Find"), tr("Find"), QStyle::SP_FileDialogContentsView);
    AddCommand(QStringLiteral("Close"), tr("Close"), QStyle::SP_DialogCloseButton);

    m_caption->setObjectName(QStringLiteral("contentCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setContentsMargins(4, 2, 4, 2);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    m_indexList->setObjectName(QStringLiteral("indexList"));
    m_fieldList->setObjectName(QStringLiteral("fieldList"));
    m_status->setObjectName(QStringLiteral("statusText"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setContentsMargins(4, 1, 4, 1);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setTextFormat(Qt::PlainText);
    m_notice->setFrameShape(QFrame::StyledPanel);
    m_notice->setFrameShadow(QFrame::Sunken);
    m_notice->setContentsMargins(4, 1, 4, 1);
    m_notice->hide();
    m_noticeTimer->setSingleShot(true);
    m_noticeTimer->setInterval(kNoticeMs);
    connect(m_noticeTimer, &QTimer::timeout, m_notice, &QLabel::hide);

    auto* lists = new QSplitter(Qt::Vertical);
    lists->setObjectName(QStringLiteral("listSplitter"));
    lists->addWidget(m_indexList);
    lists->addWidget(m_fieldList);
    lists->setStretchFactor(0, 1);
    lists->setStretchFactor(1, 3);
    lists->setChildrenCollapsible(false);

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    contentLayout->addWidget(m_caption);
    contentLayout->addWidget(lists, 1);

    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(content);
    m_splitter->setStretchFactor(0, 2);
    m_splitter->setStretchFactor(1, 5);
    m_splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_splitter, 1);
    auto* statusRow = new QHBoxLayout;
    statusRow->setSpacing(0);
    statusRow->addWidget(m_status, 1);
    statusRow->addWidget(m_notice);
    layout->addLayout(statusRow);

    setTabOrder(m_tree, m_indexList);
    setTabOrder(m_indexList, m_fieldList);
    setFocusProxy(m_tree);

    connect(m_tree, &BrowserTree::NodePicked, this, [this](BrowserNode* node) { emit NodeClick(node); });
}

NorvBrowser::~NorvBrowser() = default;

void NorvBrowser::AddCommand(const QString& key, const QString& text, int standardIcon)
{
    const QIcon icon = standardIcon == kNoIcon ? QIcon() : style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardIcon));
    QAction* action = m_toolBar->addAction(icon, text);
    action->setObjectName(key);
    auto* command = new BrowserCommand(key, action);
    connect(action, &QAction::triggered, this, [this, command] { emit CommandClick(command); });
    m_actions.insert(key, action);
}

void NorvBrowser::AddHostCommand(const QString& place, const QString& key, const QString& text)
{
    QWidget* owner = place == QLatin1String("Toolbar")     ? static_cast<QWidget*>(m_toolBar)
                     : place == QLatin1String("Tree")      ? static_cast<QWidget*>(m_tree)
                     : place == QLatin1String("FieldList") ? static_cast<QWidget*>(m_fieldList)
                                                           : nullptr;
    if (!owner)
        return;
    auto* action = new QAction(text, owner);
    action->setObjectName(key);
    if (owner == m_toolBar) {
        // Beside the control's own Find, ahead of Close.
        action->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        m_toolBar->insertAction(m_actions.value(QStringLiteral("Close")), action);
    } else {
        owner->addAction(action);
        owner->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    auto* command = new BrowserCommand(key, action);
    connect(action, &QAction::triggered, this, [this, command] { emit CommandClick(command); });
    m_actions.insert(key, action);
}

QString NorvBrowser::FieldListText() const
{
    return m_fieldList->AllText();
}

QVariantList NorvBrowser::SelectedFieldRows() const
{
    QVariantList rows;
    for (const int row : m_fieldList->SelectedRecords())
        rows << row;
    return rows;
}

bool NorvBrowser::SelectField(const QString& fieldName)
{
    return m_fieldList->SelectRow(QStringLiteral("FFieldName"), fieldName);
}

void NorvBrowser::ShowNotice(const QString& text)
{
    m_notice->setText(text);
    m_notice->show();
    m_noticeTimer->start();
}

void NorvBrowser::SetCommandToolTip(const QString& key, const QString& toolTip)
{
    if (QAction* action = m_actions.value(key))
        action->setToolTip(toolTip);
}

void NorvBrowser::SetButtonState(const QString& key, bool state)
{
    if (QAction* action = m_actions.value(key)) {
        action->setEnabled(state);
        if (m_buttonsSet)
            action->setVisible(state);
    }
}

QObject* NorvBrowser::TreeControl() const
{
    return m_tree;
}

void NorvBrowser::SetButtonsSet(bool buttonsSet)
{
    m_buttonsSet = buttonsSet;
    for (QAction* action : std::as_const(m_actions))
        action->setVisible(!buttonsSet || action->isEnabled());
}

QString NorvBrowser::ContentCaption() const
{
    return m_caption->text();
}

void NorvBrowser::SetContentCaption(const QString& caption)
{
    m_caption->setText(caption);
}

QString NorvBrowser::StatusText() const
{
    return m_status->text();
}

void NorvBrowser::SetStatusText(const QString& text)
{
    m_status->setText(text);
}

void NorvBrowser::SetTreeData(const automation::ObjectPtr& list)
{
    m_treeData = list;
    m_tree->Build(VexaList::From(list).get());
}

void NorvBrowser::SetIndexColumns(const automation::ObjectPtr& list)
{
    m_indexColumns = list;
    m_indexRows.reset();
    m_indexList->SetColumns(VexaList::From(list).get());
}

void NorvBrowser::SetFieldColumns(const automation::ObjectPtr& list)
{
    m_fieldColumns = list;
    m_fieldRows.reset();
    m_fieldList->SetColumns(VexaList::From(list).get());
}

void NorvBrowser::SetIndexRows(const automation::ObjectPtr& list)
{
    m_indexRows = list;
    m_indexList->SetRows(VexaList::From(list).get());
}

void NorvBrowser::SetFieldRows(const automation::ObjectPtr& list)
{
    m_fieldRows = list;
    m_fieldList->SetRows(VexaList::From(list).get());
}
