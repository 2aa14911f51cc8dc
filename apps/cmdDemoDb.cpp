#include "Commands.h"

#include "AutomationError.h"
#include "Connection.h"
#include "DemoDatabase.h"
#include "OutputTarget.h"

#include <QFileInfo>

#include <string>

namespace {

qint64 Count(ado::Connection& db, const char* sql)
{
    const ado::RecordsetPtr rows = db.Execute(sql);
    return QString::fromStdString(ado::ToText(rows->Fields(0L).GetValue())).toLongLong();
}

// The dictionary summary: counts, then each subsystem with the number of its tables.
void PrintSummary(const QString& file)
{
    ado::Connection db;
    db.Open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(file).toStdString(), ado::adModeRead);
    Print(stdout, QStringLiteral("Subsystems: %1\nDescribed tables: %2\nField descriptions: %3\n")
                      .arg(Count(db, "select count(*) from t_Subsystem"))
                      .arg(Count(db, "select count(*) from t_tabledescription"))
                      .arg(Count(db, "select count(*) from t_FieldDescription")));
    const ado::RecordsetPtr rows = db.Execute(
        "select s.FSubSysID, s.FName, (select count(*) from t_tabledescription t where t.FSubSystemID = s.FSubSysID) "
        "as FTables from t_Subsystem s order by s.FSubSysID");
    for (; !rows->Eof(); rows->MoveNext()) {
        const ado::Value& name = rows->Fields("FName").GetValue();
        Print(stdout, QStringLiteral("%1  %2: %3\n")
                          .arg(QString::fromStdString(ado::ToText(rows->Fields("FSubSysID").GetValue())), 4)
                          .arg(ado::IsNull(name) ? QString() : QString::fromStdString(ado::ToText(name)))
                          .arg(QString::fromStdString(ado::ToText(rows->Fields("FTables").GetValue()))));
    }
    const qint64 orphans = Count(db, "select count(*) from t_tabledescription where FSubSystemID not in "
                                     "(select FSubSysID from t_Subsystem)");
    if (orphans)
        Print(stdout, QStringLiteral("  (no subsystem): %1\n").arg(orphans));
}

}  // namespace

int CmdDemoDb(CommandLine& line)
{
    std::optional<qint64> largeTable;
    std::optional<int> largeDictionary;
    bool ok = false;
    if (const std::optional<QString> value = OptionValue(line, QStringLiteral("large-table"))) {
        const qint64 rows = value->toLongLong(&ok);
        if (!ok || rows < 0)
            return UsageError(line, QStringLiteral("--large-table needs a number of rows"));
        largeTable = rows;
    }
    if (const std::optional<QString> value = OptionValue(line, QStringLiteral("large-dictionary"))) {
        const int tables = value->toInt(&ok);
        if (!ok || tables < 0)
            return UsageError(line, QStringLiteral("--large-dictionary needs a number of tables"));
        largeDictionary = tables;
    }
    const QStringList files = line.options.positionalArguments();
    if (files.isEmpty())
        return UsageError(line, QStringLiteral("no file given"));
    if (files.size() > 1)
        return UsageError(line, QStringLiteral("give one file"));
    const std::optional<QString> file = files.constFirst();
    // A device or FIFO gets the database's bytes; it cannot be read back or added to.
    const bool inPlace = OutputTarget(*file).InPlace();
    if (inPlace && largeTable)
        return UsageError(line, QStringLiteral("--large-table adds to a database file; %1 is a device, FIFO or socket").arg(*file));

    try {
        if (largeDictionary) {
            demo::WriteLargeDictionary(*file, *largeDictionary);
            Print(stdout, QStringLiteral("Wrote a dictionary database of %1 tables: %2\n").arg(*largeDictionary).arg(*file));
        } else {
            demo::WriteDemoDatabase(*file);
            Print(stdout, QStringLiteral("Wrote the demo account database: %1\n").arg(*file));
        }
        if (largeTable) {
            demo::AddLargeTable(*file, *largeTable);
            Print(stdout, QStringLiteral("Added table %1 of %2 rows\n").arg(demo::kLargeTableName).arg(*largeTable));
        }
        if (!inPlace)
            PrintSummary(*file);
        return 0;
    } catch (const automation::AutomationError& error) {
        Print(stderr, QStringLiteral("tabrix demo-db: %1\n").arg(error.Description()));
    } catch (const std::exception& error) {
        Print(stderr, QStringLiteral("tabrix demo-db: %1\n").arg(QString::fromUtf8(error.what())));
    }
    return 2;
}
