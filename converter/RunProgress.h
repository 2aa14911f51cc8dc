#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <chrono>
#include <functional>

// The progress of an export run as its hosts show it (the dialog's bar and status line, the
// terminal line of tabrix export), kept from the converter's events: which table of the run
// is being exported, its rows written against its estimate, the speed, the time spent and
// the time its data still needs.
class RunProgress : public QObject {
    Q_OBJECT

public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // Localised: the simplified-Chinese texts through the translations installed, numbers in
    // the locale of SetLocale (a window's). English: the terminal's fixed wording.
    enum Wording { Localised, English };

    // Listens to converter's TableStarted, RowsWritten and TableFinished (by name, so any
    // object with those signals will do); none for a host that shows no progress, whose
    // converter then need not estimate rows. clock is for tests; the default is the steady clock.
    explicit RunProgress(QObject* converter, Clock clock = {}, QObject* parent = nullptr);

    // A run of this many table elements begins now; everything counted before is forgotten.
    void Start(int tables);
    // Table elements that will not be exported (their database could not be opened).
    void Skip(int tables);
    // The run holds (its clock and its speed stand still) or goes on again.
    void SetPaused(bool paused);
    bool Paused() const { return m_paused; }
    // The locale of the Localised wording's numbers; simplified Chinese unless told.
    void SetLocale(const QLocale& locale) { m_locale = locale; }

    // The run is over: the bar shows the share of the run's tables not cancelled (all of it
    // for a run that was not stopped), and the text sums the run up.
    void Finish();

    // The table being exported, counted from 1 (0 before the first), and the run's tables.
    int Table() const { return m_table; }
    int Tables() const { return m_tables; }
    bool Finished() const { return m_finished; }
    // Rows of the current table's data written so far, and its estimate (-1: not known).
    qint64 Rows() const { return m_rows; }
    qint64 EstimatedRows() const { return m_estimate; }
    // The share of the current table's rows written, 0 to 100; -1 when it cannot be told (a
    // structure, a table without an estimate or one that has outgrown it): a busy bar.
    int Percent() const;
    // The share in thousandths, for a bar; -1 as for Percent.
    int Permille() const;

    // "表 3/10  srv/db/t" or "table 3 of 10 srv/db/t"; empty before the first table.
    QString TableText(Wording wording) const;
    // Rows against the estimate, speed, time spent on the run and time the table still needs,
    // as far as they are known, after "已暂停" while paused; or the sum of the run once it is
    // finished.
    QString FiguresText(Wording wording) const;
    // Both, on one line.
    QString Text(Wording wording) const;

signals:
    void Changed();

private slots:
    void OnTableStarted(const QString& strServer, const QString& strDatabase, const QString& strTable, int iType,
                        qint64 estimatedRows);
    void OnRowsWritten(qint64 rows, qint64 bytes);
    void OnTableFinished(const QVariantMap& facts);

private:
    double SecondsSince(std::chrono::steady_clock::time_point start) const;
    QString Count(Wording wording, qint64 n) const;

    Clock m_clock;
    QLocale m_locale{QLocale::Chinese, QLocale::China};
    std::chrono::steady_clock::time_point m_runStart, m_tableStart, m_finishedAt, m_pausedAt;
    bool m_paused = false;
    int m_tables = 0;
    int m_table = 0;
    QString m_name;          // S/D/T of the current table
    int m_part = -1;         // iType of the current part: 0 data, 1 structure
    qint64 m_rows = 0;
    qint64 m_estimate = -1;
    qint64 m_runRows = 0;    // rows of the finished data exports
    int m_cancelled = 0;     // data exports cancelled
    bool m_finished = false;
};
