#include "RunReport.h"

#include "OutputTarget.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// What the report says of a part that the program quit in the middle of.
const QString kInterrupted = QStringLiteral("interrupted");

}  // namespace

RunReport::RunReport(QObject* converter, QString path) : m_path(std::move(path))
{
    m_clock.start();
    connect(converter, SIGNAL(TableStarted(QString, QString, QString, int, qint64)), this,
            SLOT(OnTableStarted(QString, QString, QString, int, qint64)));
    connect(converter, SIGNAL(RowsWritten(qint64, qint64)), this, SLOT(OnRowsWritten(qint64, qint64)));
    connect(converter, SIGNAL(TableFinished(QVariantMap)), this, SLOT(OnTableFinished(QVariantMap)));
}

bool RunReport::CheckWritable(QString& error) const
{
    QString reason;
    if (OutputTarget(m_path).CheckWritable(reason))
        return true;
    error = QStringLiteral("cannot write the report '%1': %2").arg(m_path, reason);
    return false;
}

void RunReport::DatabaseFailed(const QString& server, const QString& database, const QString& description)
{
    m_failedDatabases.push_back(QJsonObject{{QStringLiteral("server"), server},
                                            {QStringLiteral("database"), database},
                                            {QStringLiteral("error"), description}});
}

RunReport::Table& RunReport::EntryFor(const QString& server, const QString& database, const QString& table, bool data)
{
    if (!m_tables.empty()) {
        Table& last = m_tables.back();
        const bool same = last.server == server && last.database == database && last.table == table;
        if (same && (data ? last.dataPart != Part::Done
                          : last.structurePart != Part::Done && last.dataPart == Part::None))
            return last;
    }
    Table entry;
    entry.server = server;
    entry.database = database;
    entry.table = table;
    m_tables.push_back(std::move(entry));
    return m_tables.back();
}

void RunReport::OnTableStarted(const QString& strServer, const QString& strDatabase, const QString& strTable,
                               int iType, qint64 estimatedRows)
{
    Table& entry = EntryFor(strServer, strDatabase, strTable, iType == 0);
    if (iType == 0) {
        entry.dataPart = Part::Started;
        entry.estimatedRows = estimatedRows;
        m_runningRows = m_runningBytes = 0;
    } else {
        entry.structurePart = Part::Started;
    }
}

void RunReport::OnRowsWritten(qint64 rows, qint64 bytes)
{
    m_runningRows = rows;
    m_runningBytes = bytes;
}

void RunReport::OnTableFinished(const QVariantMap& facts)
{
    const bool data = facts.value(QStringLiteral("part")).toString() == QLatin1String("data");
    Table& entry = EntryFor(facts.value(QStringLiteral("server")).toString(),
                            facts.value(QStringLiteral("database")).toString(),
                            facts.value(QStringLiteral("table")).toString(), data);
    const QJsonValue outcome = facts.value(QStringLiteral("ok")).toBool()
                                   ? QJsonValue(QStringLiteral("ok"))
                                   : QJsonValue(facts.value(QStringLiteral("error")).toString());
    if (!data) {
        entry.structurePart = Part::Done;
        entry.structure = outcome;
        return;
    }
    entry.dataPart = Part::Done;
    entry.data = outcome;
    entry.estimatedRows = facts.value(QStringLiteral("estimatedRows")).toLongLong();
    entry.rows = facts.value(QStringLiteral("rows")).toLongLong();
    entry.bytes = facts.value(QStringLiteral("bytes")).toLongLong();
    entry.seconds = facts.value(QStringLiteral("seconds")).toDouble();
    entry.cancelled = facts.value(QStringLiteral("cancelled")).toBool();
    entry.otherForms = facts.value(QStringLiteral("otherForms")).toList();
}

QJsonObject RunReport::ToJson(int exitStatus, bool interrupted, const QVariantMap& failedWrites) const
{
    QJsonArray tables;
    qint64 rows = 0, bytes = 0, otherFormValues = 0, writes = 0;
    int structureFailures = 0, dataFailures = 0, cancelled = 0;
    for (const Table& table : m_tables) {
        QJsonValue structure = table.structure, data = table.data;
        qint64 tableRows = table.rows, tableBytes = table.bytes;
        bool tableCancelled = table.cancelled;
        // The part the program quit in: what it had reported so far.
        if (table.structurePart == Part::Started)
            structure = kInterrupted;
        if (table.dataPart == Part::Started) {
            data = kInterrupted;
            tableRows = m_runningRows;
            tableBytes = m_runningBytes;
            tableCancelled = true;
        }
        QJsonArray forms;
        for (const QVariant& form : table.otherForms) {
            const QVariantMap map = form.toMap();
            otherFormValues += map.value(QStringLiteral("values")).toLongLong();
            forms.append(QJsonObject::fromVariantMap(map));
        }
        rows += tableRows;
        bytes += tableBytes;
        cancelled += tableCancelled;
        structureFailures += structure.isString() && structure != QJsonValue(QStringLiteral("ok"));
        dataFailures += data.isString() && data != QJsonValue(QStringLiteral("ok")) && !tableCancelled;
        tables.append(QJsonObject{
            {QStringLiteral("server"), table.server},
            {QStringLiteral("database"), table.database},
            {QStringLiteral("table"), table.table},
            {QStringLiteral("structure"), structure},
            {QStringLiteral("data"), data},
            {QStringLiteral("cancelled"), tableCancelled},
            {QStringLiteral("rows"), tableRows},
            {QStringLiteral("estimatedRows"),
             table.estimatedRows >= 0 ? QJsonValue(table.estimatedRows) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("bytes"), tableBytes},
            {QStringLiteral("seconds"), table.seconds},
            {QStringLiteral("otherForms"), forms},
        });
    }
    QJsonArray databases;
    for (const QJsonObject& database : m_failedDatabases)
        databases.append(database);
    QJsonObject files;
    for (auto file = failedWrites.cbegin(); file != failedWrites.cend(); ++file) {
        files.insert(file.key(), file.value().toLongLong());
        writes += file.value().toLongLong();
    }
    return {
        {QStringLiteral("exitStatus"), exitStatus},
        {QStringLiteral("interrupted"), interrupted},
        {QStringLiteral("tables"), tables},
        {QStringLiteral("failedDatabases"), databases},
        {QStringLiteral("failedWrites"), files},
        {QStringLiteral("totals"),
         QJsonObject{{QStringLiteral("tables"), static_cast<qint64>(m_tables.size())},
                     {QStringLiteral("rows"), rows},
                     {QStringLiteral("bytes"), bytes},
                     {QStringLiteral("seconds"), static_cast<double>(m_clock.elapsed()) / 1000},
                     {QStringLiteral("structureFailures"), structureFailures},
                     {QStringLiteral("dataFailures"), dataFailures},
                     {QStringLiteral("cancelled"), cancelled},
                     {QStringLiteral("otherFormValues"), otherFormValues},
                     {QStringLiteral("failedDatabases"), static_cast<qint64>(m_failedDatabases.size())},
                     {QStringLiteral("failedWrites"), writes}}},
    };
}

bool RunReport::Write(int exitStatus, bool interrupted, const QVariantMap& failedWrites, QString& error) const
{
    QString reason;
    if (OutputTarget(m_path).Write(QJsonDocument(ToJson(exitStatus, interrupted, failedWrites)).toJson(QJsonDocument::Indented),
                                   reason))
        return true;
    error = QStringLiteral("cannot write the report '%1': %2").arg(m_path, reason);
    return false;
}
