#include "HtmlWriter.h"

#include "HtmlPageParts.h"
#include "VisibleText.h"
#include "modPublic.h"

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

QString LanguageTag(const QString& language)
{
    if (language == QLatin1String("CHT"))
        return QStringLiteral("zh-TW");
    if (language == QLatin1String("EN"))
        return QStringLiteral("en");
    return QStringLiteral("zh-CN");
}

QString PageStart(const QString& language, const QString& title, const QString& account)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%2</title><style>%3</style></head>\n<body>\n<header><h1>%2</h1>"
                          "<span class=\"account\">%4</span>"
                          "<input id=\"search\" type=\"search\" autocomplete=\"off\" placeholder=\"%5\"></header>\n")
        .arg(LanguageTag(language), Html(title), QString::fromUtf8(htmlpage::kStyle), Html(account),
             Html(modPublic::LocalText(QStringLiteral("查找表或字段"))));
}

QString PageEnd()
{
    return QStringLiteral("<p id=\"nothing\">%1</p>\n</main></div>\n<script>%2</script>\n</body></html>\n")
        .arg(Html(modPublic::LocalText(QStringLiteral("没有查询到满足条件项目!"))), QString::fromUtf8(htmlpage::kScript));
}

// The positions of the named columns, as the script's data-search list.
QString SearchedColumns(const QStringList& names, const QStringList& searched)
{
    QStringList positions;
    for (const QString& name : searched)
        if (const qsizetype at = names.indexOf(name); at >= 0)
            positions << QString::number(at);
    return positions.join(u',');
}

QString Table(const QString& kind, const QStringList& captions, const QString& searched,
              const std::vector<QStringList>& rows)
{
    QString html = QStringLiteral("<table class=\"%1\" data-search=\"%2\"><thead><tr>").arg(kind, searched);
    for (const QString& caption : captions)
        html += QStringLiteral("<th>") + Html(caption) + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead><tbody>");
    for (const QStringList& cells : rows) {
        html += QStringLiteral("\n<tr>");
        for (const QString& cell : cells)
            html += QStringLiteral("<td>") + Html(cell) + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody></table>\n");
}

QString List(const QString& kind, const VexaList& layout, const VexaList* rows, const QStringList& searched)
{
    return Table(kind, DictionaryDocument::Captions(&layout), SearchedColumns(DictionaryDocument::Names(&layout), searched),
                 DictionaryDocument::Cells(layout, rows));
}

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

// The tree as nested lists; table nodes link to their sections when the page has them.
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
        html += QStringLiteral("<ul><li><span class=\"node\">%1</span>").arg(Html(parent));
        list(list, parent);
        html += QStringLiteral("</li></ul>");
    }
    return html + QStringLiteral("</nav>\n");
}

}  // namespace

QByteArray HtmlWriter::Tree(const DictionaryDocument& document) const
{
    return (PageStart(document.language, document.title, document.account) + QStringLiteral("<div class=\"layout\">") +
            Navigation(*document.tree, {}) + QStringLiteral("<main>") + PageEnd())
        .toUtf8();
}

QByteArray HtmlWriter::Tables(const DictionaryDocument& document) const
{
    const QStringList indexSearched = {QStringLiteral("Index_Name"), QStringLiteral("index_keys")};
    const QStringList fieldSearched = {QStringLiteral("FFieldName"), QStringLiteral("FDescription")};
    QString main;
    std::set<QString> sections;
    SectionIds ids;
    for (const DictionaryGroup& group : document.groups) {
        if (!document.singleTable)
            main += QStringLiteral("<div class=\"group\"><h2 class=\"subsystem\">%1</h2>\n")
                        .arg(Html(group.node ? Value(*group.node, "FText") : group.key));
        for (const DictionaryTable& table : group.tables) {
            const QString caption = table.node ? Value(*table.node, "FText") : table.name;
            const QString id = ids.Next(table.node ? Value(*table.node, "FKey") : table.name);
            sections.insert(id);
            main += QStringLiteral("<section class=\"table searchable\" id=\"%1\" data-name=\"%2\"><h3>%3</h3>\n")
                        .arg(Html(id), Html(table.name + u' ' + caption), Html(caption));
            if (!table.message.isEmpty())
                main += QStringLiteral("<p class=\"message\">%1</p>\n").arg(Html(table.message));
            main += List(QStringLiteral("indexes"), *document.indexLayout, table.indexes.get(), indexSearched);
            main += List(QStringLiteral("fields"), *document.fieldLayout, table.fields.get(), fieldSearched);
            main += QStringLiteral("</section>\n");
        }
        if (!document.singleTable)
            main += QStringLiteral("</div>\n");
    }
    return (PageStart(document.language, document.title, document.account) + QStringLiteral("<div class=\"layout\">") +
            Navigation(*document.tree, sections) + QStringLiteral("<main>\n") + main + PageEnd())
        .toUtf8();
}

QByteArray HtmlWriter::Rows(const DictionaryRows& rows) const
{
    QStringList all;
    for (qsizetype i = 0; i < rows.captions.size(); ++i)
        all << QString::number(i);
    QString main = QStringLiteral("<section class=\"table searchable\" id=\"rows\" data-name=\"\">") +
                   Table(QStringLiteral("rows"), rows.captions, all.join(u','), rows.Cells()) + QStringLiteral("</section>\n");
    if (!rows.summary.isEmpty())
        main += QStringLiteral("<p class=\"summary\">%1</p>\n").arg(Html(rows.summary));
    return (PageStart(modPublic::GetLanguage(), rows.title, rows.account) + QStringLiteral("<div class=\"layout\"><main>\n") +
            main + PageEnd())
        .toUtf8();
}
