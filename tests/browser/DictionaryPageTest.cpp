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

#include <algorithm>

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

Rendered Render(const QString& chromium, const QString& address)
{
    QTemporaryDir profile;
    QProcess process;
    process.start(chromium, ChromiumArguments(profile) << QStringLiteral("--dump-dom") << address);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {false, QString(), QString::fromUtf8(process.readAllStandardError()) + process.errorString()};
    return {true, QString::fromUtf8(process.readAllStandardOutput()), QString()};
}

struct Row {
    bool hidden;
    QStringList cells;
};

std::vector<Row> Rows(const QString& dom)
{
    static const QRegularExpression row(QStringLiteral("<tr( hidden=\"\")?>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td>(.*?)</td>"));
    std::vector<Row> rows;
    for (auto rowMatch = row.globalMatch(dom); rowMatch.hasNext();) {
        const QRegularExpressionMatch found = rowMatch.next();
        Row parsed{found.capturedLength(1) > 0, {}};
        for (auto cellMatch = cell.globalMatch(found.captured(2)); cellMatch.hasNext();)
            parsed.cells << cellMatch.next().captured(1);
        if (!parsed.cells.isEmpty())
            rows.push_back(parsed);
    }
    return rows;
}

TEST(DictionaryPageTest, ChromiumRendersThePageAndTheSearchInItsAddress)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium-headless-shell"));
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium-headless-shell is not installed (scripts/setup.sh --tests installs it)";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString page = folder.filePath(QStringLiteral("dictionary.html"));
    QProcess tabrix;
    tabrix.start(QStringLiteral(TABRIX_PROGRAM), {QStringLiteral("dictionary"), QStringLiteral("--language"), QStringLiteral("EN"),
                                                  QStringLiteral("--all"), QStringLiteral("--format"), QStringLiteral("html"),
                                                  QStringLiteral("--out"), page});
    ASSERT_TRUE(tabrix.waitForFinished(60000));
    ASSERT_EQ(tabrix.exitCode(), 0) << tabrix.readAllStandardError().toStdString();

    QUrl url = QUrl::fromLocalFile(page);
    const Rendered whole = Render(chromium, url.toString());
    ASSERT_TRUE(whole.ok) << whole.error.toStdString();
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<html lang=\"en\">")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<nav id=\"tree\">")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("placeholder=\"Find tables or fields\"")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<th>Field Name</th>")));
    EXPECT_TRUE(whole.dom.contains(QStringLiteral("<a href=\"#gi1.30\">Accounts(t_Account)</a>")));
    const std::vector<Row> all = Rows(whole.dom);
    ASSERT_GT(all.size(), 500u);
    for (const Row& row : all)
        EXPECT_FALSE(row.hidden) << row.cells.join(u'|').toStdString();
    EXPECT_FALSE(whole.dom.contains(QStringLiteral("hidden=\"\"")));

    url.setFragment(QStringLiteral("search=FNumber"));
    const Rendered searched = Render(chromium, url.toString());
    ASSERT_TRUE(searched.ok) << searched.error.toStdString();
    const std::vector<Row> rows = Rows(searched.dom);
    ASSERT_EQ(rows.size(), all.size());
    size_t visible = 0;
    for (const Row& row : rows) {
        const bool matches = row.cells.join(u'\t').contains(QStringLiteral("fnumber"), Qt::CaseInsensitive);
        EXPECT_EQ(!row.hidden, matches) << row.cells.join(u'|').toStdString();
        visible += row.hidden ? 0 : 1;
    }
    EXPECT_GT(visible, 10u);
    EXPECT_LT(visible, rows.size() / 4);
    // Tables without a match are hidden whole, their tree entries too; those with one stay.
    EXPECT_TRUE(searched.dom.contains(QStringLiteral("<section class=\"table searchable\" id=\"gi1.30\" data-name=\"t_Account Accounts(t_Account)\">")));
    EXPECT_TRUE(searched.dom.contains(QRegularExpression(QStringLiteral("<section class=\"table searchable\" id=\"gi1.37\"[^>]* hidden=\"\">"))));
    EXPECT_TRUE(searched.dom.contains(QStringLiteral("<li id=\"nav-gi1.37\" hidden=\"\">")));

    // A search that is no valid escape filters by its text as typed ("%", which no row holds)
    // instead of stopping the script before it filters.
    const Rendered bad = Render(chromium, QUrl::fromLocalFile(page).toString() + QStringLiteral("#search=%"));
    ASSERT_TRUE(bad.ok) << bad.error.toStdString();
    EXPECT_TRUE(bad.dom.contains(QStringLiteral("<p id=\"nothing\" class=\"shown\">"))) << bad.dom.right(400).toStdString();
    const std::vector<Row> badRows = Rows(bad.dom);
    EXPECT_EQ(std::count_if(badRows.begin(), badRows.end(), [](const Row& row) { return !row.hidden; }), 0);

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

}  // namespace
