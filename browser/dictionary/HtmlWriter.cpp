#include "HtmlWriter.h"

#include "HtmlPageParts.h"
#include "VisibleText.h"
#include "modPublic.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <set>
#include <vector>

namespace {

QString Value(const VexaRecord& record, const char* name)
{
    return record.GetValue(QString::fromLatin1(name)).toString();
}

// A stored text in the page: control characters visible (a NUL or ESC has no place in a page),
// markup characters escaped.
QString Html(const QString& text)
{
    return VisibleText(text).toHtmlEscaped();
}

QString Local(const char* text)
{
    return modPublic::LocalText(QString::fromUtf8(text));
}

QString LanguageTag(const QString& language)
{
    if (language == QLatin1String("CHT"))
        return QStringLiteral("zh-TW");
    if (language == QLatin1String("EN"))
        return QStringLiteral("en");
    return QStringLiteral("zh-CN");
}

// The header; a page with the tree has the button that shows or hides it.
QString PageStart(const QString& language, const QString& title, const QString& account, bool withTree)
{
    const QString toggle =
        withTree ? QStringLiteral("<button id=\"toggle\" type=\"button\" aria-controls=\"tree\" aria-expanded=\"true\" "
                                  "title=\"%1\" aria-label=\"%1\">&#9776;</button>")
                       .arg(Html(Local("显示或隐藏目录")))
                 : QString();
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%2</title><style>%3</style></head>\n<body>\n<header>%6<h1>%2</h1>"
                          "<span class=\"account\">%4</span>"
                          "<input id=\"search\" type=\"search\" autocomplete=\"off\" placeholder=\"%5\"></header>\n")
        .arg(LanguageTag(language), Html(title), QString::fromUtf8(htmlpage::kStyle), Html(account),
             Html(Local("查找表或字段")), toggle);
}

// The lists' rows go into the page as data that the script makes tables of when they come into
// view: a page of thousands of tables opens as fast as a short one. Every "<" is escaped, so no
// text ends the script element.
QString PageEnd(const QJsonObject& lists)
{
    const QString data =
        QString::fromUtf8(QJsonDocument(lists).toJson(QJsonDocument::Compact)).replace(u'<', QStringLiteral("\\u003c"));
    return QStringLiteral("<p id=\"nothing\">%1</p>\n</main></div>\n<script type=\"application/json\" id=\"lists\">%2</script>\n"
                          "<script>%3</script>\n</body></html>\n")
        .arg(Html(Local("没有查询到满足条件项目!")), data, QString::fromUtf8(htmlpage::kScript));
}

// The positions of the named columns.
QJsonArray Positions(const QStringList& names, const QStringList& wanted)
{
    QJsonArray positions;
    for (const QString& name : wanted)
        if (const qsizetype at = names.indexOf(name); at >= 0)
            positions.append(static_cast<int>(at));
    return positions;
}

bool IsNumber(QStringView text)
{
    qsizetype at = !text.isEmpty() && (text.front() == u'-' || text.front() == u'+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (text[at] >= u'0' && text[at] <= u'9')
            digits = true;
        else if (text[at] == u'.' && !point && digits)
            point = true;
        else
            return false;
    }
    return digits && text.back() != u'.';
}

// One kind of list as the page's script shows it: its captions, the columns the search looks in,
// the columns that hold numbers (right-aligned) and the line shown for a table without rows of
// it (none: the headings alone). Its rows are added table by table.
class ListKind {
public:
    ListKind(QStringList captions, QJsonArray searched, QString empty)
        : m_captions(std::move(captions)), m_empty(std::move(empty)), m_searched(std::move(searched)),
          m_numbers(static_cast<size_t>(m_captions.size()), 0)
    {
    }

    // The rows' texts as the page holds them.
    QJsonArray Rows(const std::vector<QStringList>& rows)
    {
        QJsonArray texts;
        for (const QStringList& cells : rows) {
            QJsonArray row;
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const QString shown = VisibleText(cells[i]);
                Count(i, shown);
                row.append(shown);
            }
            texts.append(row);
        }
        return texts;
    }

    QJsonObject Layout(const char* kind) const
    {
        QJsonArray numbers;
        for (size_t i = 0; i < m_numbers.size(); ++i)
            if (m_numbers[i] > 0)
                numbers.append(static_cast<int>(i));
        return {{QStringLiteral("kind"), QString::fromLatin1(kind)},
                {QStringLiteral("captions"), QJsonArray::fromStringList(VisibleCaptions())},
                {QStringLiteral("search"), m_searched},
                {QStringLiteral("numbers"), numbers},
                {QStringLiteral("empty"), m_empty}};
    }

private:
    // A column holds numbers when it has one and every other cell is a number or empty.
    void Count(qsizetype column, const QString& text)
    {
        if (column >= static_cast<qsizetype>(m_numbers.size()) || text.isEmpty())
            return;
        int& numbers = m_numbers[static_cast<size_t>(column)];
        if (numbers >= 0)
            numbers = IsNumber(text) ? numbers + 1 : -1;
    }

    QStringList VisibleCaptions() const
    {
        QStringList shown;
        for (const QString& caption : m_captions)
            shown << VisibleText(caption);
        return shown;
    }

    QStringList m_captions;
    QString m_empty;
    QJsonArray m_searched;
    std::vector<int> m_numbers;  // per column: number cells seen, -1 once another text is
};

// Element ids of the table sections by tree key; a key met again gets a counter.
class SectionIds {
public:
    QString Next(const QString& key)
    {
        const int seen = m_seen[key]++;
        return seen == 0 ? key : QStringLiteral("%1~%2").arg(key).arg(seen);
    }

private:
    std::map<QString, int> m_seen;
};

// The tree as nested lists, and the bar that widens or narrows it; table nodes link to their
// sections when the page has them.
QString Navigation(const VexaList& tree, const std::set<QString>& sections)
{
    const auto children = DictionaryDocument::Children(tree);
    std::set<QString> keys;
    for (const VexaRecordPtr& record : tree)
        keys.insert(Value(*record, "FKey"));
    SectionIds ids;
    QString html = QStringLiteral("<nav id=\"tree\">");
    const auto list = [&](const auto& self, const QString& parent) -> void {
        const auto found = children.find(parent);
        if (found == children.end())
            return;
        html += QStringLiteral("<ul>");
        for (const VexaRecord* node : found->second) {
            const QString key = Value(*node, "FKey");
            const QString text = Html(Value(*node, "FText"));
            if (Value(*node, "FTag") == QLatin1String("1")) {
                const QString id = ids.Next(key);
                html += sections.count(id)
                            ? QStringLiteral("<li id=\"nav-%1\"><a href=\"#%1\">%2</a></li>").arg(Html(id), text)
                            : QStringLiteral("<li>%1</li>").arg(text);
                continue;
            }
            html += QStringLiteral("<li><span class=\"node\">%1</span>").arg(text);
            self(self, key);
            html += QStringLiteral("</li>");
        }
        html += QStringLiteral("</ul>");
    };
    list(list, QString());
    for (const auto& [parent, nodes] : children) {
        if (parent.isEmpty() || keys.count(parent))
            continue;
        html += QStringLiteral("<ul><li><span class=\"node\">%1</span>").arg(Html(DictionaryDocument::UngroupedCaption()));
        list(list, parent);
        html += QStringLiteral("</li></ul>");
    }
    return html + QStringLiteral("</nav><div id=\"splitter\" role=\"separator\" aria-orientation=\"vertical\" "
                                 "aria-controls=\"tree\" tabindex=\"0\" title=\"%1\"></div>\n")
                      .arg(Html(Local("拖动以调整目录宽度")));
}

// A table's section before the script fills it: its heading, and a height guessed from its
// lines so that the scroll bar and the tree's links land near where they will be.
QString Section(const QString& id, const QString& name, const QString& caption, int lines)
{
    return QStringLiteral("<section class=\"table searchable\" id=\"%1\" data-name=\"%2\" style=\"--lines:%3\"><h3>%4</h3>")
        .arg(Html(id), Html(name), QString::number(lines), Html(caption));
}

}  // namespace

QByteArray HtmlWriter::Tree(const DictionaryDocument& document) const
{
    return (PageStart(document.language, document.title, document.account, true) + QStringLiteral("<div class=\"layout\">") +
            Navigation(*document.tree, {}) + QStringLiteral("<main>") +
            PageEnd({{QStringLiteral("lists"), QJsonArray()}, {QStringLiteral("tables"), QJsonArray()}}))
        .toUtf8();
}

QByteArray HtmlWriter::Tables(const DictionaryDocument& document) const
{
    const QStringList indexNames = DictionaryDocument::Names(document.indexLayout.get());
    const QStringList fieldNames = DictionaryDocument::Names(document.fieldLayout.get());
    ListKind indexes(DictionaryDocument::Captions(document.indexLayout.get()),
                     Positions(indexNames, {QStringLiteral("Index_Name"), QStringLiteral("index_keys")}), Local("没有索引"));
    ListKind fields(DictionaryDocument::Captions(document.fieldLayout.get()),
                    Positions(fieldNames, {QStringLiteral("FFieldName"), QStringLiteral("FDescription")}), QString());
    QString main;
    QJsonArray tables;
    std::set<QString> sections;
    SectionIds ids;
    for (const DictionaryGroup& group : document.groups) {
        if (!document.singleTable)
            main += QStringLiteral("<div class=\"group\"><h2 class=\"subsystem\">%1</h2>\n")
                        .arg(Html(group.node ? Value(*group.node, "FText") : DictionaryDocument::UngroupedCaption()));
        for (const DictionaryTable& table : group.tables) {
            QJsonArray lists;
            int lines = 0;
            for (const auto& [kind, layout, rows] : {std::tuple(&indexes, document.indexLayout.get(), table.indexes.get()),
                                                     std::tuple(&fields, document.fieldLayout.get(), table.fields.get())}) {
                // A list that a failed query left unread is not shown (the message says why); a
                // table without indexes has none either.
                if (!rows && !table.message.isEmpty()) {
                    lists.append(QJsonValue::Null);
                    continue;
                }
                const std::vector<QStringList> cells = DictionaryDocument::Cells(*layout, rows);
                lines += 1 + static_cast<int>(cells.size());
                lists.append(kind->Rows(cells));
            }
            tables.append(lists);
            const QString caption = table.node ? Value(*table.node, "FText") : table.name;
            const QString id = ids.Next(table.node ? Value(*table.node, "FKey") : table.name);
            sections.insert(id);
            main += Section(id, table.name + u' ' + caption, caption, lines) + u'\n';
            if (!table.message.isEmpty())
                main += QStringLiteral("<p class=\"message\">%1</p>\n").arg(Html(table.message));
            main += QStringLiteral("</section>\n");
        }
        if (!document.singleTable)
            main += QStringLiteral("</div>\n");
    }
    const QJsonObject data{{QStringLiteral("lists"), QJsonArray{indexes.Layout("indexes"), fields.Layout("fields")}},
                           {QStringLiteral("tables"), tables}};
    return (PageStart(document.language, document.title, document.account, true) + QStringLiteral("<div class=\"layout\">") +
            Navigation(*document.tree, sections) + QStringLiteral("<main>\n") + main + PageEnd(data))
        .toUtf8();
}

QByteArray HtmlWriter::Rows(const DictionaryRows& rows) const
{
    const std::vector<QStringList> cells = rows.Cells();
    QJsonArray every;
    for (qsizetype i = 0; i < rows.captions.size(); ++i)
        every.append(static_cast<int>(i));
    ListKind kind(rows.captions, every, QString());
    QJsonArray lists;
    lists.append(kind.Rows(cells));
    QJsonArray tables;
    tables.append(lists);
    QString main = QStringLiteral("<section class=\"table searchable\" id=\"rows\" data-name=\"\" style=\"--lines:%1\"></section>\n")
                       .arg(QString::number(1 + cells.size()));
    if (!rows.summary.isEmpty())
        main += QStringLiteral("<p class=\"summary\">%1</p>\n").arg(Html(rows.summary));
    const QJsonObject data{{QStringLiteral("lists"), QJsonArray{kind.Layout("rows")}}, {QStringLiteral("tables"), tables}};
    return (PageStart(modPublic::GetLanguage(), rows.title, rows.account, false) + QStringLiteral("<div class=\"layout\"><main>\n") +
            main + PageEnd(data))
        .toUtf8();
}
