// Every output format read back and held against the records it was written from: the whole
// demo dictionary in each language, the tree, a field search's rows; and the field search's
// one-statement read against the window's own per-table queries.
#include "DictionaryReader.h"
#include "DictionaryWriter.h"
#include "FieldSearch.h"
#include "HeldConnection.h"
#include "ShareProps.h"
#include "TestDemoDb.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Rows = std::vector<QStringList>;

void LogIn(const QString& language)
{
    modPublic::ReleaseModuleState();
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), DemoConnectionText(language));
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), QStringLiteral("Demo"));
}

QStringList Cells(const VexaRecord& record, const QStringList& names)
{
    QStringList cells;
    for (const QString& name : names)
        cells << record.GetValue(name).toString();
    return cells;
}

// What each format must hold, in order: every index row, then every field row, of each table.
Rows ExpectedRows(const DictionaryDocument& document)
{
    Rows rows;
    for (const DictionaryGroup& group : document.groups)
        for (const DictionaryTable& table : group.tables)
            for (const auto& [layout, list] : {std::pair(document.indexLayout, table.indexes), std::pair(document.fieldLayout, table.fields)})
                if (list)
                    for (const VexaRecordPtr& row : *list)
                        rows.push_back(Cells(*row, DictionaryDocument::Names(layout.get())));
    return rows;
}

// Text: each row is a line of its cells in aligned columns, at least two blanks apart.
Rows TextRows(const QString& text, const Rows& expected)
{
    Rows found;
    const QStringList lines = text.split(u'\n');
    qsizetype at = 0;
    for (const QStringList& row : expected) {
        QStringList parts;
        for (const QString& cell : row)
            parts << QRegularExpression::escape(cell);
        const QRegularExpression line(u'^' + parts.join(QStringLiteral(" {2,}")) + u'$');
        while (at < lines.size() && !line.match(lines[at]).hasMatch())
            ++at;
        if (at == lines.size())
            break;
        found.push_back(row);
        ++at;
    }
    return found;
}

Rows JsonRows(const QString& text, const DictionaryDocument& document)
{
    Rows found;
    const QJsonObject all = QJsonDocument::fromJson(text.toUtf8()).object();
    for (const QJsonValue& group : all[QStringLiteral("subsystems")].toArray()) {
        for (const QJsonValue& table : group[QStringLiteral("tables")].toArray()) {
            for (const auto& [list, layout] : {std::pair(QStringLiteral("indexes"), document.indexLayout),
                                               std::pair(QStringLiteral("fields"), document.fieldLayout)}) {
                for (const QJsonValue& row : table[list].toArray()) {
                    QStringList cells;
                    for (const QString& name : DictionaryDocument::Names(layout.get()))
                        cells << row[name].toVariant().toString();
                    found.push_back(cells);
                }
            }
        }
    }
    return found;
}

// RFC 4180 records (the decoder has taken the byte-order mark away).
std::vector<QStringList> CsvRecords(const QString& text)
{
    std::vector<QStringList> records;
    QStringList record;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                cell += u'"', ++i;
            else if (c == u'"')
                quoted = false;
            else
                cell += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << cell, cell.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << cell, cell.clear();
            records.push_back(record), record.clear();
            ++i;
        } else {
            cell += c;
        }
    }
    return records;
}

Rows CsvRows(const QString& text, const DictionaryDocument& document)
{
    const std::vector<QStringList> records = CsvRecords(text);
    const QStringList header = records.front();
    Rows found;
    for (size_t r = 1; r < records.size(); ++r) {
        const QStringList& record = records[r];
        const QString list = record[header.indexOf(QStringLiteral("list"))];
        const VexaListPtr layout = list == QLatin1String("indexes") ? document.indexLayout
                                   : list == QLatin1String("fields") ? document.fieldLayout
                                                                     : nullptr;
        if (!layout)
            continue;
        QStringList cells;
        for (const QString& name : DictionaryDocument::Names(layout.get()))
            cells << record[header.indexOf(name)];
        found.push_back(cells);
    }
    return found;
}

// Markdown pipe tables: rows after each delimiter line, cells unescaped (backslashes, "&amp;").
Rows MarkdownRows(const QString& text)
{
    Rows found;
    bool inTable = false;
    for (const QString& line : text.split(u'\n')) {
        if (line.startsWith(QLatin1String("| ---"))) {
            inTable = true;
            continue;
        }
        if (!line.startsWith(u'|')) {
            inTable = false;
            continue;
        }
        if (!inTable)
            continue;
        QStringList cells;
        QString cell;
        for (qsizetype i = 1; i < line.size(); ++i) {
            if (line[i] == u'\\' && i + 1 < line.size())
                cell += line[++i];
            else if (line[i] == u'|')
                cells << cell.mid(1, cell.size() - 2), cell.clear();
            else
                cell += line[i];
        }
        cells.replaceInStrings(QStringLiteral("&amp;"), QStringLiteral("&"));
        found.push_back(cells);
    }
    return found;
}

// HTML: the rows the page's script makes its tables of, table by table and list by list.
Rows HtmlRows(const QString& text)
{
    static const QRegularExpression data(QStringLiteral("<script type=\"application/json\" id=\"lists\">(.*?)</script>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    Rows found;
    const QJsonObject page = QJsonDocument::fromJson(data.match(text).captured(1).toUtf8()).object();
    for (const QJsonValue& table : page[QStringLiteral("tables")].toArray()) {
        for (const QJsonValue& list : table.toArray()) {
            for (const QJsonValue& row : list.toArray()) {
                QStringList cells;
                for (const QJsonValue& cell : row.toArray())
                    cells << cell.toString();
                found.push_back(cells);
            }
        }
    }
    return found;
}

struct FormatCase {
    const char* format;
    std::function<Rows(const QString& text, const DictionaryDocument& document, const Rows& expected)> rows;
};

const FormatCase kFormats[] = {
    {"text", [](const QString& text, const DictionaryDocument&, const Rows& expected) { return TextRows(text, expected); }},
    {"json", [](const QString& text, const DictionaryDocument& document, const Rows&) { return JsonRows(text, document); }},
    {"csv", [](const QString& text, const DictionaryDocument& document, const Rows&) { return CsvRows(text, document); }},
    {"markdown", [](const QString& text, const DictionaryDocument&, const Rows&) { return MarkdownRows(text); }},
    {"html", [](const QString& text, const DictionaryDocument&, const Rows&) { return HtmlRows(text); }},
};

TEST(DictionaryFormatsTest, EveryFormatHoldsTheRecordsItWasWrittenFrom)
{
    for (const char* language : {"CHS", "CHT", "EN"}) {
        LogIn(QString::fromLatin1(language));
        clsGetData data;
        data.HoldConnection(std::make_shared<HeldConnection>(modPublic::GetPropsString()));
        DictionaryReader reader(data);
        DictionaryDocument document;
        QString message;
        ASSERT_TRUE(reader.ReadTree(document, message)) << message.toStdString();
        reader.ReadAll(document);
        const Rows expected = ExpectedRows(document);
        ASSERT_GT(expected.size(), 500u);

        // A field search's rows, and the tree's records through the formats that carry them whole.
        const DictionaryRows hits = FieldSearch::Rows(document, FieldSearch::Find(document, QStringLiteral("fnumber")));
        ASSERT_GT(hits.rows.size(), 10u);
        Rows hitCells;
        for (const QVariantList& row : hits.rows) {
            QStringList cells;
            for (const QVariant& value : row)
                cells << value.toString();
            hitCells.push_back(cells);
        }

        for (const FormatCase& format : kFormats) {
            SCOPED_TRACE(std::string(language) + " " + format.format);
            const auto writer = DictionaryWriter::ForFormat(QString::fromLatin1(format.format));
            ASSERT_TRUE(writer);
            const QString tables = QString::fromUtf8(writer->Tables(document));
            EXPECT_EQ(format.rows(tables, document, expected), expected);
            // Formats for people head the lists with the language's captions (those for tools use value names).
            const bool forPeople = QLatin1String(format.format) != QLatin1String("json") &&
                                   QLatin1String(format.format) != QLatin1String("csv");
            for (const QString& caption : DictionaryDocument::Captions(document.fieldLayout.get()))
                EXPECT_TRUE(!forPeople || tables.contains(caption)) << caption.toStdString();

            const QString rows = QString::fromUtf8(writer->Rows(hits));
            if (QLatin1String(format.format) == QLatin1String("json")) {
                const QJsonArray array = QJsonDocument::fromJson(rows.toUtf8()).object()[QStringLiteral("rows")].toArray();
                Rows found;
                for (const QJsonValue& row : array) {
                    QStringList cells;
                    for (const QString& name : hits.names)
                        cells << row[name].toVariant().toString();
                    found.push_back(cells);
                }
                EXPECT_EQ(found, hitCells);
            } else if (QLatin1String(format.format) == QLatin1String("csv")) {
                Rows found = CsvRecords(rows);
                EXPECT_EQ(found.front(), hits.names);
                found.erase(found.begin());
                EXPECT_EQ(found, hitCells);
            } else if (QLatin1String(format.format) == QLatin1String("text")) {
                EXPECT_EQ(TextRows(rows, hitCells), hitCells);
            } else {
                EXPECT_EQ(format.rows(rows, document, hitCells), hitCells);
            }
        }

        // The tree: JSON keeps each record's values with their types, CSV their texts.
        const QJsonArray tree = QJsonDocument::fromJson(DictionaryWriter::ForFormat(QStringLiteral("json"))->Tree(document)).array();
        const std::vector<QStringList> treeCsv = CsvRecords(QString::fromUtf8(DictionaryWriter::ForFormat(QStringLiteral("csv"))->Tree(document)));
        ASSERT_EQ(tree.size(), document.tree->Count());
        ASSERT_EQ(static_cast<int>(treeCsv.size()), document.tree->Count() + 1);
        for (int i = 0; i < document.tree->Count(); ++i) {
            const VexaRecord& record = *document.tree->Record(i);
            for (int v = 0; v < record.Count(); ++v) {
                const QVariant value = record.Value(v);
                const QJsonValue json = tree[i][record.Name(v)];
                EXPECT_EQ(json.isDouble(), value.typeId() != QMetaType::QString) << record.Name(v).toStdString();
                EXPECT_EQ(json.toVariant().toString(), value.toString());
                EXPECT_EQ(treeCsv[static_cast<size_t>(i) + 1][v], value.toString());
            }
        }
    }
}

// The field search reads every table's field rows in one statement; they are the rows the
// window's own field query gives each table. Read keeping only a search's hits, the hits are
// the same rows with the same row numbers.
TEST(DictionaryFormatsTest, FieldRowsReadAtOnceAreTheWindowsRows)
{
    for (const char* language : {"CHS", "EN"}) {
        SCOPED_TRACE(language);
        LogIn(QString::fromLatin1(language));
        clsGetData data;
        data.HoldConnection(std::make_shared<HeldConnection>(modPublic::GetPropsString()));
        DictionaryReader reader(data);
        DictionaryDocument perTable;
        DictionaryDocument atOnce;
        QString message;
        ASSERT_TRUE(reader.ReadTree(perTable, message));
        ASSERT_TRUE(reader.ReadTree(atOnce, message));
        reader.ReadAll(perTable, false);
        ASSERT_TRUE(reader.ReadAllFields(atOnce, message)) << message.toStdString();
        ASSERT_EQ(perTable.groups.size(), atOnce.groups.size());
        const QStringList names = DictionaryDocument::Names(perTable.fieldLayout.get());
        size_t compared = 0;
        for (size_t g = 0; g < perTable.groups.size(); ++g) {
            ASSERT_EQ(perTable.groups[g].tables.size(), atOnce.groups[g].tables.size());
            for (size_t t = 0; t < perTable.groups[g].tables.size(); ++t) {
                const DictionaryTable& one = perTable.groups[g].tables[t];
                const DictionaryTable& all = atOnce.groups[g].tables[t];
                SCOPED_TRACE(one.name.toStdString());
                ASSERT_EQ(one.fields != nullptr, all.fields != nullptr);
                if (!one.fields)
                    continue;
                ASSERT_EQ(one.fields->Count(), all.fields->Count());
                for (int r = 0; r < one.fields->Count(); ++r) {
                    EXPECT_EQ(Cells(*one.fields->Record(r), names), Cells(*all.fields->Record(r), names));
                    EXPECT_EQ(one.fields->Record(r)->GetValue(names[0]), all.fields->Record(r)->GetValue(names[0]));
                    ++compared;
                }
            }
        }
        EXPECT_GT(compared, 500u);

        const QString text = QStringLiteral("fnumber");
        DictionaryDocument kept;
        ASSERT_TRUE(reader.ReadTree(kept, message));
        ASSERT_TRUE(reader.ReadAllFields(kept, message, [&](const QString& name, const QString& description) {
            return FieldSearch::Matches(name, description, text);
        }));
        const std::vector<FieldSearch::Hit> expected = FieldSearch::Find(perTable, text);
        const std::vector<FieldSearch::Hit> hits = FieldSearch::Find(kept, text);
        ASSERT_EQ(hits.size(), expected.size());
        EXPECT_GT(hits.size(), 5u);
        for (size_t h = 0; h < hits.size(); ++h) {
            EXPECT_EQ(hits[h].table->name, expected[h].table->name);
            EXPECT_EQ(Cells(*hits[h].field, names), Cells(*expected[h].field, names));
            EXPECT_EQ(hits[h].field->GetValue(names[0]), expected[h].field->GetValue(names[0]));
        }
    }
}

// Stored texts that would act on a terminal, split a row, run in a spreadsheet or break a page,
// each through every format. Text, Markdown and HTML show control characters as escapes and a
// broken surrogate as U+FFFD; JSON keeps every character; CSV keeps tabs and line breaks in
// quotes, shows other control characters and puts ' before what a spreadsheet runs as a formula.
TEST(DictionaryFormatsTest, HostileTextsStayDataInEveryFormat)
{
    const QString wide(100000, QChar(0x957F));  // 长: two columns each
    const struct {
        QString stored;
        QString shown;  // text, Markdown and HTML
        QString csv;    // CSV, unless raw
        bool formula;   // raw CSV keeps the stored text instead
    } cases[] = {
        {QStringLiteral("\x1b[2J\x1b]0;title\x07"), QStringLiteral("\\x1b[2J\\x1b]0;title\\x07"),
         QStringLiteral("\\x1b[2J\\x1b]0;title\\x07"), false},
        {QString::fromUtf16(u"a\0b", 3), QStringLiteral("a\\x00b"), QStringLiteral("a\\x00b"), false},
        {QStringLiteral("one\r\ntwo\nthree"), QStringLiteral("one\\r\\ntwo\\nthree"), QStringLiteral("one\r\ntwo\nthree"), false},
        {QString::fromUtf16(u"\x009b" u"31m\x007f"), QStringLiteral("\\u009b31m\\x7f"), QStringLiteral("\\u009b31m\\x7f"), false},
        {QStringLiteral("R&D &amp; <b>|*"), QStringLiteral("R&D &amp; <b>|*"), QStringLiteral("R&D &amp; <b>|*"), false},
        {QStringLiteral("</script><!--"), QStringLiteral("</script><!--"), QStringLiteral("</script><!--"), false},
        {QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"), QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"),
         QStringLiteral("'=HYPERLINK(\"http://x\",\"y\")"), true},
        {QStringLiteral("+1+1"), QStringLiteral("+1+1"), QStringLiteral("'+1+1"), true},
        {QStringLiteral("-2+3"), QStringLiteral("-2+3"), QStringLiteral("'-2+3"), true},
        {QStringLiteral("@SUM(A1)"), QStringLiteral("@SUM(A1)"), QStringLiteral("'@SUM(A1)"), true},
        {QStringLiteral("\t=1"), QStringLiteral("\\t=1"), QStringLiteral("'\t=1"), true},
        {QStringLiteral("\r=1"), QStringLiteral("\\r=1"), QStringLiteral("'\r=1"), true},
        {QStringLiteral("-12.5"), QStringLiteral("-12.5"), QStringLiteral("-12.5"), false},
        {QString::fromUtf16(u"x\xD800y"), QString::fromUtf16(u"x\uFFFDy"), QString::fromUtf16(u"x\uFFFDy"), false},
        {wide, wide, wide, false},
    };
    DictionaryRows rows;
    rows.title = QStringLiteral("title");
    rows.account = QStringLiteral("account");
    rows.names = {QStringLiteral("FFieldName"), QStringLiteral("FDescription")};
    rows.captions = {QStringLiteral("Field"), QStringLiteral("Description")};
    for (size_t i = 0; i < std::size(cases); ++i)
        rows.rows.push_back({QStringLiteral("F%1").arg(i), cases[i].stored});

    const auto written = [&](const char* format, bool rawCsv = false) {
        const QByteArray bytes = DictionaryWriter::ForFormat(QLatin1String(format), rawCsv)->Rows(rows);
        // Valid UTF-8, and no control character but line ends (and, quoted in CSV, tabs).
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(bytes);
        EXPECT_FALSE(decoder.hasError()) << format;
        const bool csv = QLatin1String(format) == QLatin1String("csv");
        EXPECT_EQ(csv, bytes.startsWith("\xEF\xBB\xBF")) << format;
        for (const QChar c : text) {
            const int code = c.unicode();
            const bool kept = code == '\n' || (csv && (code == '\r' || code == '\t'));
            EXPECT_TRUE(kept || !(code < 0x20 || (code >= 0x7F && code <= 0x9F))) << format << ' ' << code;
        }
        return text;
    };

    // Text: one line per row, cells cut to 80 columns.
    const QStringList lines = written("text").split(u'\n');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(std::size(cases)) + 3) << "account, captions, rows, end";
    for (size_t i = 0; i < std::size(cases); ++i) {
        const QString& line = lines[static_cast<qsizetype>(i) + 2];
        const QString cell = line.mid(line.indexOf(u' ')).trimmed();
        SCOPED_TRACE(cases[i].shown.left(40).toStdString());
        EXPECT_TRUE(line.startsWith(QStringLiteral("F%1 ").arg(i)));
        if (cases[i].stored.size() > 80)
            EXPECT_EQ(cell, QString(39, QChar(0x957F)) + u'…');
        else
            EXPECT_EQ(cell, cases[i].shown.trimmed());
    }

    // JSON: every character, a broken surrogate as its escape.
    const QByteArray jsonBytes = DictionaryWriter::ForFormat(QStringLiteral("json"))->Rows(rows);
    QJsonParseError error{};
    const QJsonArray json = QJsonDocument::fromJson(jsonBytes, &error).object()[QStringLiteral("rows")].toArray();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(jsonBytes.contains("\"x\\ud800y\""));

    const std::vector<QStringList> csv = CsvRecords(written("csv"));
    const std::vector<QStringList> csvRaw = CsvRecords(written("csv", true));
    const Rows markdown = MarkdownRows(written("markdown"));
    const Rows html = HtmlRows(written("html"));
    ASSERT_EQ(json.size(), static_cast<qsizetype>(std::size(cases)));
    ASSERT_EQ(csv.size(), std::size(cases) + 1);
    ASSERT_EQ(csvRaw.size(), std::size(cases) + 1);
    ASSERT_EQ(markdown.size(), std::size(cases));
    ASSERT_EQ(html.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].shown.left(40).toStdString());
        if (!cases[i].stored.contains(QChar(0xD800))) {
            EXPECT_EQ(json[static_cast<qsizetype>(i)][QStringLiteral("FDescription")].toString(), cases[i].stored);
        }
        EXPECT_EQ(csv[i + 1].value(1), cases[i].csv);
        EXPECT_EQ(csvRaw[i + 1].value(1), cases[i].formula ? cases[i].stored : cases[i].csv);
        EXPECT_EQ(markdown[i].value(1), cases[i].shown);
        EXPECT_EQ(html[i].value(1), cases[i].shown);
    }
}

}  // namespace
