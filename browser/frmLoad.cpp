#include "frmLoad.h"

#include "AutomationError.h"
#include "Dispatch.h"
#include "VexaList.h"
#include "WindowLook.h"
#include "clsGetData.h"
#include "frmFieldSearch.h"
#include "frmFind.h"
#include "DictionaryExport.h"
#include "MessageSeam.h"
#include "SaveFileSeam.h"
#include "SelectText.h"
#include "TreeNodeText.h"
#include "UserSettings.h"
#include "modPublic.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <tuple>


namespace {

constexpr long kTypeMismatch = 13;
constexpr int kKeyF = 70;
// Message boxes with an OK button and the information, warning or error icon.
constexpr int kInformationOk = 64;
constexpr int kExclamationOk = 48;
constexpr int kCriticalOk = 16;
// The share of the available screen the window opens at when that is larger than its layout.
constexpr int kScreenShareNumerator = 2;
constexpr int kScreenShareDenominator = 3;

// Where the window's layout is kept for the user.
constexpr const char* kSettingsGroup = "frmLoad";


// The width the tree needs to show every caption whole: text, icon and indentation at each level.
int WidestCaption(const QTreeWidget& tree)
{
    int widest = 0;
    const int icon = tree.iconSize().isValid() ? tree.iconSize().width() : tree.style()->pixelMetric(QStyle::PM_SmallIconSize);
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* parent = (*it)->parent(); parent; parent = parent->parent())
            ++depth;
        const int width = tree.fontMetrics().horizontalAdvance((*it)->text(0)) + icon + tree.indentation() * (depth + 1);
        widest = std::max(widest, width);
    }
    // Room for the item's margins and the vertical scroll bar.
    return widest + 2 * tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8 +
           tree.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

// The heading over a table's lists, the same whether the table was picked or found.
QString TableCaption(const QString& nodeText)
{
    return QStringLiteral("[ ") + nodeText + modPublic::LocalText(QStringLiteral(" ]的内容"));
}

QString NodeText(QObject* node, const char* name)
{
    return automation::GetProperty(node, name).toString();
}

// A failed event handler hands its error back to the raiser, as an event's error does.
template <class F>
void RaiseBack(F&& body)
{
    try {
        body();
    } catch (...) {
        automation::SetCurrentError(automation::InfoFromCurrentException());
    }
}

// The hourglass while a table is fetched; back to the default on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

frmLoad::frmLoad(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmLoad"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Norv字段描述查询工具"));
    setWindowIcon(look::WindowIcon());
    setFont(look::WindowFont());

    m_browser = automation::CreateObject(QStringLiteral("NorvBrowsers.NorvBrowser"));
    auto* control = qobject_cast<QWidget*>(m_browser.get());
    if (!control)
        throw automation::AutomationError(kTypeMismatch, QStringLiteral("NorvBrowsers.NorvBrowser is no control"));
    control->setObjectName(QStringLiteral("Browser"));
    // The control fills the client area, also when the window is resized.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    connect(m_browser.get(), SIGNAL(CommandClick(QObject*)), this, SLOT(Browser_CommandClick(QObject*)));
    connect(m_browser.get(), SIGNAL(NodeClick(QObject*)), this, SLOT(Browser_NodeClick(QObject*)));

    // At least the layout's size, more where the screen has room.
    QSize size(look::Pixels(7875), look::Pixels(6240));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.expandedTo(available.size() * kScreenShareNumerator / kScreenShareDenominator);
        resize(size);
        QRect frame = frameGeometry();
        frame.moveCenter(available.center());
        move(frame.topLeft());
    } else {
        resize(size);
    }
    const UserSettings settings{QLatin1String(kSettingsGroup)};
    if (settings->contains(QStringLiteral("geometry")))
        restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
    qApp->installEventFilter(this);
}

frmLoad::~frmLoad()
{
    qApp->removeEventFilter(this);
    // The control is our child as a widget and ours to release as a component.
    if (auto* control = qobject_cast<QWidget*>(m_browser.get()))
        control->setParent(nullptr);
}

void frmLoad::Form_Load()
{
    QObject* browser = m_browser.get();
    setWindowTitle(modPublic::LocalText(QStringLiteral("Norv字段描述查询工具")));

    for (const char* key : {"Cut", "Copy", "Paste", "New", "Delete", "Modify", "NewGroup"})
        automation::Invoke(browser, "SetButtonState", {QString::fromLatin1(key), false});
    automation::SetProperty(browser, "ButtonsSet", true);

    m_clsData = std::make_unique<clsGetData>();
    connect(m_clsData.get(), &clsGetData::CatalogueChosen, this, &frmLoad::m_clsData_CatalogueChosen);

    automation::SetProperty(browser, "AppKey", QStringLiteral("NorvBillsTools"));
    automation::SetProperty(browser, "ContentCaption", modPublic::LocalText(QStringLiteral("Norv单据描述表")));
    automation::SetProperty(browser, "StatusText",
                            modPublic::LocalText(QStringLiteral("账套名称:[")) + modPublic::GetAcctName() + QStringLiteral("]"));

    QObject* data = m_clsData.get();
    // An empty tree alone would not say why: a database without the dictionary's tables, say.
    m_loadFailure.clear();
    const automation::ObjectPtr tree =
        ListResult(automation::Invoke(data, "GetTreeData", {QString(), QVariant::fromValue(&m_loadFailure)}));
    const QString listError = modPublic::LocalText(QStringLiteral("读取列表错误:"));
    if (tree)
        m_loadFailure.clear();
    else if (!m_loadFailure.startsWith(listError))
        m_loadFailure.prepend(listError);
    automation::SetProperty(browser, "TreeData", QVariant::fromValue(tree));
    automation::SetProperty(browser, "IndexColumns",
                            QVariant::fromValue(ListResult(automation::Invoke(data, "GetInfo", {qint32(0)}))));
    automation::SetProperty(browser, "FieldColumns",
                            QVariant::fromValue(ListResult(automation::Invoke(data, "GetInfo", {qint32(1)}))));
    AddOwnCommands();
    automation::Invoke(browser, "SetCommandToolTip",
                       {QStringLiteral("Find"), modPublic::LocalText(QStringLiteral("查找表 (Ctrl+F, 下一个: F3)"))});
    automation::Invoke(browser, "SetCommandToolTip",
                       {QStringLiteral("FieldSearch"), modPublic::LocalText(QStringLiteral("字段查找 (Ctrl+L)"))});
    RestoreLayout();
}

void frmLoad::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_loadFailure.isEmpty())
        return;
    const QString failure = std::exchange(m_loadFailure, QString());
    QTimer::singleShot(0, this, [failure] {
        ui::ShowMessage(failure, kCriticalOk, modPublic::LocalText(QStringLiteral("Corvane提示")));
    });
}

void frmLoad::RestoreLayout()
{
    const UserSettings settings{QLatin1String(kSettingsGroup)};
    for (QSplitter* splitter : findChildren<QSplitter*>()) {
        const QString key = QStringLiteral("splitter/") + splitter->objectName();
        if (settings->contains(key)) {
            splitter->restoreState(settings->value(key).toByteArray());
            continue;
        }
        // The tree pane: as wide as its longest caption, at most half the window.
        const auto* tree = qobject_cast<const QTreeWidget*>(splitter->widget(0));
        if (splitter->orientation() != Qt::Horizontal || splitter->count() != 2 || !tree)
            continue;
        const int total = std::max(width(), splitter->width());
        const int treeWidth = std::min(WidestCaption(*tree), total / 2);
        splitter->setSizes({treeWidth, std::max(1, total - treeWidth - splitter->handleWidth())});
    }
    for (QTreeView* view : findChildren<QTreeView*>()) {
        const QString key = QStringLiteral("columns/") + view->objectName();
        if (view->isHeaderHidden() || !settings->contains(key))
            continue;
        QHeaderView* header = view->header();
        header->restoreState(settings->value(key).toByteArray());
        // Widths kept from a session in another language may be too narrow for these headings.
        for (int column = 0; column < header->count(); ++column)
            if (!header->isSectionHidden(column) && header->sectionSize(column) < header->sectionSizeHint(column))
                header->resizeSection(column, header->sectionSizeHint(column));
    }
}

void frmLoad::SaveLayout() const
{
    const UserSettings settings{QLatin1String(kSettingsGroup)};
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
    for (const QSplitter* splitter : findChildren<QSplitter*>())
        settings->setValue(QStringLiteral("splitter/") + splitter->objectName(), splitter->saveState());
    for (const QTreeView* view : findChildren<QTreeView*>())
        if (!view->isHeaderHidden())
            settings->setValue(QStringLiteral("columns/") + view->objectName(), view->header()->saveState());
}

bool frmLoad::ShowCutOffText(QObject* watched, QEvent* event) const
{
    auto* viewport = qobject_cast<QWidget*>(watched);
    auto* view = viewport ? qobject_cast<QAbstractItemView*>(viewport->parentWidget()) : nullptr;
    if (!view || view->viewport() != viewport || view->window() != this)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = view->indexAt(help->pos());
    if (!index.isValid() || index.data(Qt::ToolTipRole).isValid())
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect cell = view->visualRect(index);
    const bool hasIcon = index.data(Qt::DecorationRole).isValid();
    const int needed = view->fontMetrics().horizontalAdvance(text) + (hasIcon ? view->iconSize().width() + 4 : 0) + 8;
    const int shown = std::min(cell.right(), viewport->width()) - cell.left();
    if (text.isEmpty() || needed <= shown) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(), text, viewport, cell);
    return true;
}

void frmLoad::AddOwnCommands()
{
    QObject* browser = m_browser.get();
    const std::tuple<const char*, const char*, const char*> commands[] = {
        {"Toolbar", "FieldSearch", "字段查找"},
        {"FieldList", "CopySelect", "复制为SELECT"},
        {"FieldList", "CopyFieldList", "复制字段列表"},
        {"Tree", "ExportDictionary", "导出数据字典…"},
    };
    for (const auto& [place, key, text] : commands)
        automation::Invoke(browser, "AddHostCommand",
                           {QString::fromLatin1(place), QString::fromLatin1(key), modPublic::LocalText(QString::fromUtf8(text))});
}

automation::ObjectPtr frmLoad::ListResult(const QVariant& result) const
{
    const automation::ObjectPtr object = result.value<automation::ObjectPtr>();
    if (object && !VexaList::From(object))
        throw automation::AutomationError(kTypeMismatch, QStringLiteral("Type mismatch"));
    return object;
}

frmFind* frmLoad::FindDialog()
{
    if (!m_frmFind) {
        m_frmFind = new frmFind(this);
        connect(m_frmFind, &frmFind::Locate, this, &frmLoad::m_frmFind_Locate);
    }
    return m_frmFind;
}

void frmLoad::OpenFind()
{
    frmFind* dialog = FindDialog();
    PlaceOverTree(dialog);
    dialog->exec();
}

void frmLoad::OpenFieldSearch()
{
    FieldSearchDialog()->exec();
}

void frmLoad::PlaceOverTree(QWidget* dialog) const
{
    const QWidget* tree = automation::Invoke(m_browser.get(), "TreeControl").value<QWidget*>();
    if (!tree || !tree->isVisible())
        return;
    const QRect area(tree->mapToGlobal(QPoint(0, 0)), tree->size());
    QRect frame = dialog->frameGeometry();
    frame.moveBottomLeft(area.bottomLeft() - QPoint(-look::Pixels(120), look::Pixels(120)));
    dialog->move(frame.topLeft());
}

frmFieldSearch* frmLoad::FieldSearchDialog()
{
    if (!m_frmFieldSearch) {
        m_frmFieldSearch = new frmFieldSearch(this);
        connect(m_frmFieldSearch, &frmFieldSearch::LocateField, this, &frmLoad::m_frmFieldSearch_LocateField);
    }
    return m_frmFieldSearch;
}

void frmLoad::CopySelect()
{
    const VexaListPtr rows =
        VexaList::From(automation::GetProperty(m_browser.get(), "FieldRows").value<automation::ObjectPtr>());
    if (m_tableName.isEmpty() || !rows || rows->Count() == 0)
        return;
    // Several selected rows are the fields wanted; one is only where the cursor stands.
    QList<int> selected;
    for (const QVariant& row : automation::Invoke(m_browser.get(), "SelectedFieldRows").toList())
        selected << row.toInt();
    QApplication::clipboard()->setText(SelectText(m_tableName, *rows, selected.size() > 1 ? selected : QList<int>()));
    ShowCopied();
}

void frmLoad::ShowCopied() const
{
    automation::Invoke(m_browser.get(), "ShowNotice", {modPublic::LocalText(QStringLiteral("已复制到剪贴板"))});
}

void frmLoad::ExportDictionaryTo()
{
    const ui::SaveFileChoice choice = ui::AskSaveFileName(
        this, modPublic::LocalText(QStringLiteral("导出数据字典")),
        {QStringLiteral("HTML (*.html)"), QStringLiteral("JSON (*.json)"), QStringLiteral("CSV (*.csv)"),
         QStringLiteral("Markdown (*.md)"), modPublic::LocalText(QStringLiteral("文本文件")) + QStringLiteral(" (*.txt)")});
    if (choice.path.isEmpty())
        return;
    // A name without an extension takes the one of the filter picked beside it, which also
    // chooses the format.
    QString path = choice.path;
    static const QRegularExpression filterSuffix(QStringLiteral("\\(\\*(\\.\\w+)\\)$"));
    if (const QRegularExpressionMatch suffix = filterSuffix.match(choice.filter);
        suffix.hasMatch() && QFileInfo(path).suffix().isEmpty())
        path += suffix.captured(1);
    QString message;
    QStringList failures;
    bool written = false;
    {
        const WaitCursor hourglass;
        written = ExportDictionary(FormatOfFileName(path), path, message, failures);
    }
    const QString title = modPublic::LocalText(QStringLiteral("Corvane提示"));
    if (!written) {
        ui::ShowMessage(message, kCriticalOk, title);
        return;
    }
    if (failures.isEmpty()) {
        ui::ShowMessage(modPublic::LocalText(QStringLiteral("数据字典已导出到:")) + u'\n' + QDir::toNativeSeparators(path),
                        kInformationOk, title);
        return;
    }
    // The file is written, but the tables that could not be read have empty lists in it.
    constexpr qsizetype kShown = 10;
    message = modPublic::LocalText(QStringLiteral("数据字典已导出, 以下表读取失败:"));
    for (const QString& failure : failures.first(std::min(kShown, failures.size())))
        message += u'\n' + failure;
    if (failures.size() > kShown)
        message += QStringLiteral("\n… (%1)").arg(failures.size());
    ui::ShowMessage(message, kExclamationOk, title);
}

bool frmLoad::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && ShowCutOffText(watched, event))
        return true;
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == kKeyF && (key->modifiers() & Qt::ControlModifier)) {
            OpenFind();
            return true;
        }
        if (key->key() == Qt::Key_F3 && !(key->modifiers() & Qt::ControlModifier)) {
            if (m_frmFind && m_frmFind->WalkUnderWay())
                m_frmFind->FindNext();
            else
                OpenFind();
            return true;
        }
        if (key->key() == Qt::Key_L && key->modifiers() == Qt::ControlModifier) {
            OpenFieldSearch();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmLoad::Browser_CommandClick(QObject* Command)
{
    RaiseBack([&] {
        const QString key = automation::GetProperty(Command, "Key").toString();
        if (key == QLatin1String("Find"))
            OpenFind();
        else if (key == QLatin1String("Close"))
            close();
        else if (key == QLatin1String("FieldSearch"))
            OpenFieldSearch();
        else if (key == QLatin1String("CopySelect"))
            CopySelect();
        else if (key == QLatin1String("CopyFieldList")) {
            QApplication::clipboard()->setText(automation::Invoke(m_browser.get(), "FieldListText").toString());
            ShowCopied();
        }
        else if (key == QLatin1String("ExportDictionary"))
            ExportDictionaryTo();
    });
}

void frmLoad::m_clsData_CatalogueChosen(bool bCatalogueViews)
{
    automation::SetProperty(m_browser.get(), "StatusText",
                            modPublic::LocalText(QStringLiteral("账套名称:[")) + modPublic::GetAcctName() +
                                QStringLiteral("]  ") +
                                modPublic::LocalText(bCatalogueViews ? QStringLiteral("读取目录视图")
                                                                     : QStringLiteral("读取兼容性视图")));
}

void frmLoad::Browser_NodeClick(QObject* Node)
{
    RaiseBack([&] { SelectTable(Node); });
}

void frmLoad::SelectTable(QObject* Node)
{
    QObject* browser = m_browser.get();
    if (nodetext::LeadingNumber(NodeText(Node, "Tag")) == 0) {
        m_tableName.clear();
        automation::SetProperty(browser, "IndexRows", QVariant::fromValue(automation::ObjectPtr()));
        automation::SetProperty(browser, "FieldRows", QVariant::fromValue(automation::ObjectPtr()));
        // Empty lists under a table's heading would say that table has none.
        automation::SetProperty(browser, "ContentCaption", modPublic::LocalText(QStringLiteral("Norv单据描述表")));
        return;
    }
    // From here on a failure ends the step quietly; lists already replaced keep their rows.
    try {
        const WaitCursor hourglass;
        const QString text = NodeText(Node, "Text");
        const QString strTableName = nodetext::TableName(text);
        const qint32 tableId = nodetext::TableId(NodeText(Node, "Key"));

        QObject* data = m_clsData.get();
        automation::SetProperty(browser, "IndexRows",
                                QVariant::fromValue(ListResult(automation::Invoke(data, "GetDataByInterID",
                                                                                  {tableId, strTableName, qint32(0)}))));
        automation::SetProperty(browser, "FieldRows",
                                QVariant::fromValue(ListResult(automation::Invoke(data, "GetDataByInterID",
                                                                                  {tableId, strTableName, qint32(1)}))));
        automation::SetProperty(browser, "ContentCaption", TableCaption(text));
        m_tableName = strTableName;
    } catch (...) {
        automation::ClearCurrentError();
    }
}

void frmLoad::m_frmFind_Locate(const QString&, qint32 FTableID)
{
    RaiseBack([&] { LocateTable(FTableID); });
}

void frmLoad::LocateTable(qint32 FTableID)
{
    QObject* browser = m_browser.get();
    QObject* tree = automation::Invoke(browser, "TreeControl").value<QObject*>();
    QObject* nodes = automation::GetProperty(tree, "Nodes").value<QObject*>();
    const int count = automation::Invoke(nodes, "Count").toInt();
    // Every node is visited: a table listed twice is selected at its last place.
    for (int index = 1; index <= count; ++index) {
        QObject* node = automation::Invoke(nodes, "Item", {index}).value<QObject*>();
        if (NodeText(node, "Tag") != QLatin1String("1"))
            continue;
        const QString key = NodeText(node, "Key");
        if (nodetext::LeadingNumber(key.mid(key.indexOf(QLatin1Char('.')) + 1)) != FTableID)
            continue;
        SelectTable(node);
        automation::SetProperty(node, "Selected", true);
        automation::SetProperty(browser, "ContentCaption", TableCaption(NodeText(node, "Text")));
    }
}

void frmLoad::m_frmFieldSearch_LocateField(qint32 FTableID, const QString& fieldName)
{
    RaiseBack([&] {
        LocateTable(FTableID);
        automation::Invoke(m_browser.get(), "SelectField", {fieldName});
    });
}

void frmLoad::closeEvent(QCloseEvent* event)
{
    SaveLayout();
    try {
        m_clsData.reset();
    } catch (...) {
        automation::ClearCurrentError();
    }
    event->accept();
    emit Unloaded();
}
