#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <vector>

// The report of a tabrix export run for a machine to read (--report FILE.json): one entry per
// table element exported, in the order of the run, with its server, database and table, how
// its structure and data exports ended ("ok", the logged text, or null when the server
// element names no such file), its rows, estimate, bytes and seconds, whether it was
// cancelled, and the values written in another form than their column's type; the databases
// that could not be opened; totals; and the program's exit status. Kept from the converter's
// events; written at once as OutputTarget writes a file, so a reader never sees half a report
// in a regular file.
class RunReport : public QObject {
    Q_OBJECT

public:
    // Listens to the converter's TableStarted, RowsWritten and TableFinished.
    RunReport(QObject* converter, QString path);

    const QString& Path() const { return m_path; }
    // Whether a file can be made at the path; otherwise error says why.
    bool CheckWritable(QString& error) const;
    void DatabaseFailed(const QString& server, const QString& database, const QString& description);

    // interrupted: the program quits in the middle of a table, which the report names with the
    // rows it had reported so far. failedWrites: FailedWriteFiles of the converter.
    QJsonObject ToJson(int exitStatus, bool interrupted, const QVariantMap& failedWrites) const;
    // False with error when the file could not be written; an existing report is then left as it was.
    bool Write(int exitStatus, bool interrupted, const QVariantMap& failedWrites, QString& error) const;

private slots:
    void OnTableStarted(const QString& strServer, const QString& strDatabase, const QString& strTable, int iType,
                        qint64 estimatedRows);
    void OnRowsWritten(qint64 rows, qint64 bytes);
    void OnTableFinished(const QVariantMap& facts);

private:
    enum class Part { None, Started, Done };
    struct Table {
        QString server, database, table;
        Part structurePart = Part::None, dataPart = Part::None;
        QJsonValue structure, data;  // null: not exported; "ok"; or the logged text
        qint64 estimatedRows = -1, rows = 0, bytes = 0;
        double seconds = 0;
        bool cancelled = false;
        QVariantList otherForms;
    };
    // The entry that a part of a table starting or ending now belongs to: the table's own
    // when it is the last one and that part has not been seen in it, else a new one.
    Table& EntryFor(const QString& server, const QString& database, const QString& table, bool data);

    QString m_path;
    QElapsedTimer m_clock;
    std::vector<Table> m_tables;
    std::vector<QJsonObject> m_failedDatabases;
    // Of the data export under way, as last reported.
    qint64 m_runningRows = 0, m_runningBytes = 0;
};
