// The dictionary's HTML page in a real browser: headless Chromium loads the page that the
// dictionary command wrote and dumps the document it rendered, script run; a search given in
// the page's address leaves only the matching rows visible.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <set>

namespace {

struct Rendered {
    bool ok = false;
    QString dom;
    QString error;
};

// Chromium as a test runs it: no sandbox (tests run as root), no network of its own, a fresh profile.
QStringList ChromiumArguments(const QTemporaryDir& profile)
{
    return {QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"),
            QStringLiteral("--no-first-run"),
            QStringLiteral("--disable-background-networking"),
            QStringLiteral("--disable-component-update"),
            QStringLiteral("--disable-sync"),
            QStringLiteral("--user-data-dir=") + profile.path()};
}

// extra: more arguments, such as a virtual time budget that lets the page run past its load.
Rendered Render(const QString& chromium, const QString& address, const QStringList& extra = {})
{
    QTemporaryDir profile;
    QProcess process;
    process.start(chromium, ChromiumArguments(profile) + extra << QStringLiteral("--dump-dom") << address);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {false, QString(), QString::fromUtf8(process.readAllStandardError()) + process.errorString()};
    return {true, QString::fromUtf8(process.readAllStandardOutput()), QString()};
}

struct Row {
    QString section;  // the id of the section the row is in
    QStringList cells;  // as shown, marks taken out
    int marks = 0;
};

// The rows the page's script made, section by section.
std::vector<Row> Rows(const QString& dom)
{
    static const QRegularExpression section(QStringLiteral("<section [^>]*id=\"([^\"]*)\"[^>]*>(.*?)</section>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
    std::vector<Row> rows;
    for (auto sectionMatch = section.globalMatch(dom); sectionMatch.hasNext();) {
        const QRegularExpressionMatch inSection = sectionMatch.next();
        for (auto rowMatch = row.globalMatch(inSection.captured(2)); rowMatch.hasNext();) {
            Row parsed{inSection.captured(1), {}, 0};
            for (auto cellMatch = cell.globalMatch(rowMatch.next().captured(1)); cellMatch.hasNext();) {
                QString text = cellMatch.next().captured(1);
                parsed.marks += static_cast<int>(text.count(QStringLiteral("<mark>")));
                parsed.cells << text.remove(QStringLiteral("<mark>")).remove(QStringLiteral("</mark>"));
            }
            if (!parsed.cells.isEmpty())
                rows.push_back(parsed);
        }
    }
    return rows;
}

// The whole demo dictionary as the dictionary command writes it in the language.
QString WritePage(const QTemporaryDir& folder, const QString& language)
{
    const QString page = folder.filePath(QStringLiteral("dictionary.html"));
    QProcess tabrix;
    tabrix.start(QStringLiteral(TABRIX_PROGRAM), {QStringLiteral("dictionary"), QStringLiteral("--language"), language,
                                                  QStringLiteral("--all"), QStringLiteral("--format"), QStringLiteral("html"),
                                                  QStringLiteral("--out"), page});
    if (!tabrix.waitForFinished(60000) || tabrix.exitCode() != 0)
        ADD_FAILURE() << tabrix.readAllStandardError().toStdString();
    return page;
}

QString Chromium()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium-headless-shell"));
}

TEST(DictionaryPageTest, ChromiumRendersThePageAndTheSearchInItsAddress)
{
    const QString chromium = Chromium();
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium-headless-shell is not installed (scripts/setup.sh --tests installs it)";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString page = WritePage(folder, QStringLiteral("EN"));

    QUrl url = QUrl::fromLocalFile(page);
    const Rendered whole = Render(chromium, url.toString());
    ASSERT_TRUE(whole.ok) << whole.error.toStdString();
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<html lang=\"en\">")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<nav id=\"tree\">")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("placeholder=\"Find tables or fields\"")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<th>Field Name</th>")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<a href=\"#gi1.30\">Accounts(t_Account)</a>")));
    // The first tables are made at once, whole.
    const std::vector<Row> all = Rows(whole.dom);
    ASSERT_GT(all.size(), 20u);
    EXPECT_EQ(all.front().section, QStringLiteral("gi1.30"));
    EXPECT_FALSE(whole.dom.contains(QStringLiteral("hidden=\"\"")));

    url.setFragment(QStringLiteral("search=FNumber"));
    const Rendered searched = Render(chromium, url.toString());
    ASSERT_TRUE(searched.ok) << searched.error.toStdString();
    const std::vector<Row> rows = Rows(searched.dom);
    ASSERT_GT(rows.size(), 10u);
    for (const Row& row : rows) {
        EXPECT_TRUE(row.cells.join(u'\t').contains(QStringLiteral("fnumber"), Qt::CaseInsensitive))
            << row.cells.join(u'|').toStdString();
        EXPECT_GE(row.marks, 1) << row.cells.join(u'|').toStdString();
    }
    // Tables without a match are hidden whole, their tree entries too; those with one stay.
    EXPECT_TRUE(searched.dom.contains(QRegularExpression(
        QStringLiteral("<section class=\"table searchable built\" id=\"gi1.30\" data-name=\"t_Account Accounts\\(t_Account\\)\"[^>]*>"))));
    EXPECT_TRUE(searched.dom.contains(
        QRegularExpression(QStringLiteral("<section class=\"table searchable\" id=\"gi1.37\"[^>]* hidden=\"\">"))));
    EXPECT_TRUE(searched.dom.contains(QStringLiteral("<li id=\"nav-gi1.37\" hidden=\"\">")));
    // A subsystem none of whose tables has a match leaves the tree; one with a match stays.
    EXPECT_TRUE(searched.dom.contains(QStringLiteral("<li hidden=\"\"><span class=\"node\">Receivables</span>")));
    EXPECT_TRUE(searched.dom.contains(QStringLiteral("<li><span class=\"node\">General Ledger</span>")));

    // A search that is no valid escape filters by its text as typed ("%", which no row holds)
    // instead of stopping the script before it filters.
    const Rendered bad = Render(chromium, QUrl::fromLocalFile(page).toString() + QStringLiteral("#search=%"));
    ASSERT_TRUE(bad.ok) << bad.error.toStdString();
    EXPECT_TRUE(bad.dom.contains(QStringLiteral("<p id=\"nothing\" class=\"shown\">"))) << bad.dom.right(400).toStdString();
    EXPECT_TRUE(Rows(bad.dom).empty());

    if (!qEnvironmentVariableIsEmpty("TABRIX_SCREENSHOTS")) {
        QTemporaryDir profile;
        QProcess shot;
        const QString file = QDir(QStringLiteral(TABRIX_SCREENSHOT_DIR)).filePath(QStringLiteral("dictionary_html.png"));
        url.setFragment(QStringLiteral("search=FNumber"));
        shot.start(chromium, ChromiumArguments(profile) << QStringLiteral("--hide-scrollbars")
                                                         << QStringLiteral("--window-size=1280,820")
                                                         << QStringLiteral("--screenshot=") + file << url.toString());
        ASSERT_TRUE(shot.waitForFinished(120000));
        EXPECT_TRUE(QFileInfo::exists(file));
    }
}

// What the page shows of the tables on and off screen: the tables that belong to no subsystem
// under a caption (their tree key is no name), numbers right-aligned, a line instead of an empty
// index list; a table far down the page that the address names is made at once, those between
// stay unmade, and a search finds them all the same and marks what it found.
TEST(DictionaryPageTest, TablesAreMadeWhenNeededAndTheSearchMarksItsHits)
{
    const QString chromium = Chromium();
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium-headless-shell is not installed (scripts/setup.sh --tests installs it)";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QUrl url = QUrl::fromLocalFile(WritePage(folder, QStringLiteral("EN")));
    const auto section = [](const QString& dom, const QString& id) {
        const QRegularExpression found(
            QStringLiteral("<section [^>]*id=\"%1\"[^>]*>(.*?)</section>").arg(QRegularExpression::escape(id)),
            QRegularExpression::DotMatchesEverythingOption);
        return found.match(dom).captured(1);
    };

    url.setFragment(QStringLiteral("gi99.990"));
    const Rendered whole = Render(chromium, url.toString(),
                                  {QStringLiteral("--window-size=1400,900"), QStringLiteral("--virtual-time-budget=5000")});
    ASSERT_TRUE(whole.ok) << whole.error.toStdString();
    QString shown = whole.dom;
    shown.remove(QRegularExpression(QStringLiteral("<(script|style)[^>]*>.*?</\\1>"),
                                    QRegularExpression::DotMatchesEverythingOption))
        .remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    EXPECT_FALSE(shown.contains(QStringLiteral("gi99")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<h2 class=\"subsystem\">Tables without a subsystem</h2>")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<span class=\"node\">Tables without a subsystem</span>")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<button id=\"toggle\"")));
    EXPECT_TRUE(section(whole.dom, QStringLiteral("gi99.990")).contains(QStringLiteral("<table class=\"fields\">")));
    EXPECT_FALSE(section(whole.dom, QStringLiteral("gi7.210")).contains(QStringLiteral("<table")));

    const QString accounts = section(whole.dom, QStringLiteral("gi1.30"));
    EXPECT_TRUE(accounts.contains(QStringLiteral("<th class=\"number\">Length</th>"))) << accounts.toStdString();
    EXPECT_TRUE(accounts.contains(QStringLiteral("<th>Field Name</th>")));
    int numbers = 0;
    const QRegularExpression numberCell(QStringLiteral("<td class=\"number\">([^<]*)</td>"));
    for (auto cell = numberCell.globalMatch(accounts); cell.hasNext(); ++numbers)
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?[0-9]+$")).match(cell.next().captured(1)).hasMatch());
    EXPECT_GT(numbers, 10);

    // A table without indexes, found by its name: every list, the heading's match marked.
    url.setFragment(QStringLiteral("search=ReportCache"));
    const Rendered cache = Render(chromium, url.toString());
    ASSERT_TRUE(cache.ok) << cache.error.toStdString();
    const QString noIndexes = section(cache.dom, QStringLiteral("gi12.363"));
    EXPECT_TRUE(noIndexes.contains(QStringLiteral("<h3>(t_<mark>ReportCache</mark>)</h3>"))) << noIndexes.toStdString();
    EXPECT_TRUE(noIndexes.contains(QStringLiteral("<p class=\"empty\">No indexes</p>")));
    EXPECT_FALSE(noIndexes.contains(QStringLiteral("class=\"indexes\"")));
    EXPECT_TRUE(noIndexes.contains(QStringLiteral("<table class=\"fields\">")));

    url.setFragment(QStringLiteral("search=fsource"));
    const Rendered searched = Render(chromium, url.toString());
    ASSERT_TRUE(searched.ok) << searched.error.toStdString();
    const std::vector<Row> rows = Rows(searched.dom);
    ASSERT_FALSE(rows.empty());
    std::set<QString> found;
    for (const Row& row : rows) {
        EXPECT_GE(row.marks, 1) << row.cells.join(u'|').toStdString();
        found.insert(row.section);
    }
    EXPECT_EQ(rows.back().section, QStringLiteral("gi99.990"));
    EXPECT_TRUE(section(searched.dom, QStringLiteral("gi99.990")).contains(QStringLiteral("<td><mark>FSource</mark></td>")));
    // Only the tables with a hit are shown, and each of them is made.
    const QRegularExpression hidden(QStringLiteral("<section [^>]*searchable[^>]*hidden=\"\""));
    EXPECT_EQ(searched.dom.count(QStringLiteral("<section ")) - searched.dom.count(hidden), static_cast<qsizetype>(found.size()));
}

}  // namespace
