#pragma once

#include "OutputFiles.h"
#include "ServerCatalogue.h"
#include "StructureCatalogue.h"
#include "TableFacts.h"
#include "XmlElement.h"
#include "clsConnection.h"

#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The converter: exports the tables a template lists to a structure script, a data script and a
// log. Hosts create it by ProgID "MirelTabrix.clsConverter" and call its members by name.
class clsConverter : public QObject {
    Q_OBJECT
    Q_PROPERTY(enuState StopFlag READ StopFlag WRITE SetStopFlag)
    // Writes whose text was lost (unwritable path, full disk), in total and by file as the
    // template names it (path -> count), since the converter was made or last cleared.
    Q_PROPERTY(qint64 FailedWrites READ FailedWrites)
    Q_PROPERTY(QVariantMap FailedWriteFiles READ FailedWriteFiles)

public:
    enum enuState : int { eStop = 0, ePause = 1, ePlay = 2 };
    Q_ENUM(enuState)

    // Loads the type map "type_ref.xml" from the current directory. A missing or broken map does
    // not stop the creation; every structure export then logs why the map is missing.
    explicit clsConverter(QObject* parent = nullptr);
    ~clsConverter() override;

    // Shows the template dialog modally with strPath in its template box. Raises an automation
    // error when no dialog is available in this process.
    Q_INVOKABLE void Show(const QString& strPath);
    // Exports every table element of a database element, over one connection of its own.
    Q_INVOKABLE void ExportDB(const xml::XmlElement& objNode, QObject* lbInfo = nullptr);
    // The structure script of one table element: drop, create, primary key, further indexes.
    Q_INVOKABLE void ExportTableStruct(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode,
                                       QObject* lbInfo = nullptr);
    // The data script of one table element: delete, then one insert (and update) per row.
    Q_INVOKABLE void ExportTable(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode,
                                 QObject* lbInfo = nullptr);
    // Appends strContent (and CR LF) to the file that the table element's server element names
    // for iType: 0 datafile, 1 structfile, anything else logfile. Never fails: a text that cannot
    // be written is lost and counted in FailedWrites.
    Q_INVOKABLE void WriteToFile(const xml::XmlElement& objNode, const QString& strContent, short iType = 0);
    // Starts the counts of FailedWrites and FailedWriteFiles again from zero.
    Q_INVOKABLE void ClearFailedWrites();
    // For a host that quits in the middle of a run: every open file gets its complete
    // statements, the statement being composed is dropped, and a transaction the data script
    // has open gets its commit. The data export under way then tells its rows as they now
    // stand in the file (RowsWritten). The run must not go on afterwards.
    Q_INVOKABLE void FlushWholeStatements();

    enuState StopFlag() const { return m_stopFlag; }
    void SetStopFlag(enuState vNewValue) { m_stopFlag = vNewValue; }
    qint64 FailedWrites() const;
    QVariantMap FailedWriteFiles() const;

    // Why the type map could not be loaded; empty when it was.
    const QString& TypeMapError() const { return m_typeMapError; }

signals:
    // Every log line, also when the server element names no log file, so a host can tell
    // whether any table failed or was cancelled.
    void LogLine(const QString& strLine);
    // A table's structure (iType 1) or data (iType 0) export begins. estimatedRows: the rows
    // the data export will write as far as RowEstimate can tell cheaply, else -1; it is only
    // asked while a host listens to this signal.
    void TableStarted(const QString& strServer, const QString& strDatabase, const QString& strTable, int iType,
                      qint64 estimatedRows);
    // During a data export, a few times a second and whenever the user interface is let run:
    // the rows and bytes of the table written so far.
    void RowsWritten(qint64 rows, qint64 bytes);
    // A table's structure or data export has ended, however it ended (TableFacts::ToMap).
    void TableFinished(const QVariantMap& facts);
    // Which catalogue the structure exports read on a server's connection (ServerCatalogue.h),
    // once per connection, when it was asked of the server rather than known from the provider.
    void CatalogueChosen(const QString& strServer, const QString& strDatabase, const QString& strCatalogue);

private:
    class RunScope;

    // statementComplete false: the text is the first part of a statement (see OutputFile).
    void Write(const xml::XmlElement& objNode, std::string_view strContent, int iType, bool statementComplete = true);
    // The open script file of the table's server element for iType (0 data, 1 structure).
    OutputFile* ScriptFile(const xml::XmlElement& objNode, int iType);
    void LogFailure(const xml::XmlElement& objNode, const QString& description);
    void ExportTableStructBody(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode, QObject* lbInfo,
                               TableFacts& facts);
    void ExportTableBody(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode, QObject* lbInfo,
                         TableFacts& facts);
    // Runs one table's export (body) with its facts: started with the table's names, logged
    // and completed however the body ends, then told to the hosts.
    template <class Body>
    void RunTable(const xml::XmlElement& objNode, int iType, Body&& body);
    void StartTable(const TableFacts& facts);
    // The catalogue facts of a table's structure, through the connection's catalogue; a legacy
    // read that fails for want of a legacy view turns the connection to the catalogue views.
    StructureCatalogue::Facts ReadStructure(ado::ConnectionPtr& connection, const xml::XmlElement& objNode,
                                            const std::string& objectName, const ado::Recordset& fields);
    // The connection's catalogue, decided at its first structure export.
    catalogue::Kind& CatalogueOf(const ado::ConnectionPtr& connection, const xml::XmlElement& objNode);

    xml::XmlElement m_typeMap;
    QString m_typeMapError;
    enuState m_stopFlag = eStop;
    // While an export runs, its files stay open and buffered.
    OutputFiles m_files;
    int m_runDepth = 0;
    // The connection whose catalogue was decided last, and that decision.
    std::weak_ptr<ado::Connection> m_catalogueConnection;
    catalogue::Kind m_catalogue = catalogue::Kind::Legacy;
    // The data export under way: its facts, and its file's lost rows when it began.
    struct RunningData {
        const TableFacts* facts = nullptr;
        const OutputFile* file = nullptr;
        long long lostRowsBefore = 0;
    } m_runningData;
};
