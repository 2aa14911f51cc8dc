#include "RunProgress.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// Speeds settle after a moment; before it a rate would jump about.
constexpr double kShortestRateSeconds = 0.2;

// m:ss, or h:mm:ss from an hour on.
QString Duration(double seconds)
{
    const qint64 whole = static_cast<qint64>(std::max(0.0, std::floor(seconds + 0.5)));
    const qint64 h = whole / 3600, m = whole / 60 % 60, s = whole % 60;
    const QString ss = QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(ss);
    return QStringLiteral("%1:%2").arg(m).arg(ss);
}

}  // namespace

RunProgress::RunProgress(QObject* converter, Clock clock, QObject* parent)
    : QObject(parent), m_clock(clock ? std::move(clock) : Clock([] { return std::chrono::steady_clock::now(); }))
{
    m_runStart = m_tableStart = m_finishedAt = m_clock();
    if (!converter)
        return;
    connect(converter, SIGNAL(TableStarted(QString, QString, QString, int, qint64)), this,
            SLOT(OnTableStarted(QString, QString, QString, int, qint64)));
    connect(converter, SIGNAL(RowsWritten(qint64, qint64)), this, SLOT(OnRowsWritten(qint64, qint64)));
    connect(converter, SIGNAL(TableFinished(QVariantMap)), this, SLOT(OnTableFinished(QVariantMap)));
}

void RunProgress::Start(int tables)
{
    m_runStart = m_tableStart = m_clock();
    m_tables = tables;
    m_table = 0;
    m_name.clear();
    m_part = -1;
    m_rows = 0;
    m_estimate = -1;
    m_runRows = 0;
    m_cancelled = 0;
    m_finished = false;
    m_paused = false;
    emit Changed();
}

void RunProgress::SetPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused) {
        m_pausedAt = m_clock();
    } else {
        // The pause is no time of the run's or the table's.
        const auto held = m_clock() - m_pausedAt;
        m_runStart += held;
        m_tableStart += held;
    }
    emit Changed();
}

void RunProgress::Skip(int tables)
{
    // Shown with the next table that starts.
    m_table += tables;
    m_name.clear();
    m_part = -1;
    m_rows = 0;
    m_estimate = -1;
}

void RunProgress::Finish()
{
    m_finishedAt = m_paused ? m_pausedAt : m_clock();
    m_finished = true;
    m_paused = false;
    emit Changed();
}

void RunProgress::OnTableStarted(const QString& strServer, const QString& strDatabase, const QString& strTable,
                                 int iType, qint64 estimatedRows)
{
    const QString name = strServer + QLatin1Char('/') + strDatabase + QLatin1Char('/') + strTable;
    // The data export that follows a table's structure export belongs to the same table.
    if (!(iType == 0 && m_part == 1 && name == m_name))
        ++m_table;
    m_name = name;
    m_part = iType;
    m_rows = 0;
    m_estimate = iType == 0 ? estimatedRows : -1;
    m_tableStart = m_paused ? m_pausedAt : m_clock();
    emit Changed();
}

void RunProgress::OnRowsWritten(qint64 rows, qint64)
{
    m_rows = rows;
    emit Changed();
}

void RunProgress::OnTableFinished(const QVariantMap& facts)
{
    if (facts.value(QStringLiteral("part")).toString() != QLatin1String("data"))
        return;
    m_rows = facts.value(QStringLiteral("rows")).toLongLong();
    m_runRows += m_rows;
    m_cancelled += facts.value(QStringLiteral("cancelled")).toBool();
    emit Changed();
}

double RunProgress::SecondsSince(std::chrono::steady_clock::time_point start) const
{
    const auto end = m_finished ? m_finishedAt : m_paused ? m_pausedAt : m_clock();
    return std::chrono::duration<double>(end - start).count();
}

QString RunProgress::Count(Wording wording, qint64 n) const
{
    return wording == English ? QLocale(QLocale::English).toString(n) : m_locale.toString(n);
}

int RunProgress::Permille() const
{
    if (m_finished)
        return m_tables > 0 ? static_cast<int>(1000LL * std::max(0, m_tables - m_cancelled) / m_tables) : 1000;
    if (m_part != 0 || m_estimate < 0 || m_rows > m_estimate)
        return -1;
    if (m_estimate == 0)
        return 1000;
    return static_cast<int>(m_rows * 1000 / m_estimate);
}

int RunProgress::Percent() const
{
    const int permille = Permille();
    return permille < 0 ? -1 : permille / 10;
}

QString RunProgress::TableText(Wording wording) const
{
    if (m_table == 0)
        return {};
    if (wording == Localised)
        return tr("表 %1/%2  %3").arg(m_table).arg(m_tables).arg(m_name);
    return QStringLiteral("table %1 of %2 %3").arg(m_table).arg(m_tables).arg(m_name);
}

QString RunProgress::FiguresText(Wording wording) const
{
    const bool localised = wording == Localised;
    const auto count = [&](qint64 n) { return Count(wording, n); };
    const QString elapsed = Duration(SecondsSince(m_runStart));
    if (m_finished) {
        QString sum = localised ? tr("%1 张表  %2 行  用时 %3").arg(m_tables).arg(count(m_runRows), elapsed)
                                : QStringLiteral("%1 tables, %2 rows, %3").arg(m_tables).arg(count(m_runRows), elapsed);
        if (m_cancelled > 0)
            sum += localised ? tr("  %1 张表已取消").arg(m_cancelled) : QStringLiteral(", %1 cancelled").arg(m_cancelled);
        return sum;
    }
    if (m_table == 0)
        return {};

    const QString spent = localised ? tr("已用 %1").arg(elapsed) : QStringLiteral("%1 elapsed").arg(elapsed);
    const QString separator = localised ? tr("  ", "between the figures") : QStringLiteral(", ");
    QStringList parts;
    if (m_paused)
        parts << (localised ? tr("已暂停") : QStringLiteral("paused"));
    if (m_part == 1)
        return (parts << (localised ? tr("表结构") : QStringLiteral("structure")) << spent).join(separator);
    const int percent = Percent();
    if (percent >= 0)
        parts << (localised ? tr("%1/%2 行").arg(count(m_rows), count(m_estimate))
                            : QStringLiteral("%1 of %2 rows (%3%)").arg(count(m_rows), count(m_estimate)).arg(percent));
    else
        parts << (localised ? tr("%1 行").arg(count(m_rows)) : QStringLiteral("%1 rows").arg(count(m_rows)));
    const double tableSeconds = SecondsSince(m_tableStart);
    const bool rateKnown = tableSeconds >= kShortestRateSeconds && m_rows > 0;
    const double rate = rateKnown ? static_cast<double>(m_rows) / tableSeconds : 0;
    if (rateKnown)
        parts << (localised ? tr("%1 行/秒") : QStringLiteral("%1 rows/s")).arg(count(std::llround(rate)));
    parts << spent;
    if (rateKnown && percent >= 0)
        parts << (localised ? tr("剩余 %1") : QStringLiteral("%1 left"))
                     .arg(Duration(static_cast<double>(m_estimate - m_rows) / rate));
    return parts.join(separator);
}

QString RunProgress::Text(Wording wording) const
{
    const QString table = TableText(wording);
    const QString figures = FiguresText(wording);
    if (table.isEmpty() || m_finished)
        return figures;
    return table + (wording == Localised ? QStringLiteral("  ") : QStringLiteral(": ")) + figures;
}
