#pragma once

#include "ClassInfo.h"
#include "ComponentRegistry.h"
#include "HeldConnection.h"
#include "Recordset.h"
#include "ServerCatalogue.h"
#include "VexaList.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// The browser's data access: the dictionary tree, the table-description query, the column
// layouts of the index and field lists and the rows of both lists for one table. Every request
// runs its own query through a new data server; results are new lists the caller owns. Query
// failures come back as nothing plus the server's message in the message parameter.
//
// List results are Vexa.List objects as an ObjectPtr, nothing being a null ObjectPtr. Message
// parameters are texts by reference: a caller by name passes QVariant::fromValue<QString*>(&text)
// or leaves an optional one out.
class clsGetData : public QObject {
    Q_OBJECT

public:
    explicit clsGetData(QObject* parent = nullptr);

    // The tree: root, then every subsystem, then every described table that strFilter (a
    // condition on t_tabledescription without "Where"; empty for all) lets through.
    Q_INVOKABLE automation::ObjectPtr GetTreeData(const QString& strFilter, QString* sMsg = nullptr);
    // The table-description rows that strFilter lets through, ordered by subsystem.
    Q_INVOKABLE ado::RecordsetPtr GetMDetail(const QString& strFilter, QString* strMsg);
    // The column layout of the index list (nType 0) or the field list (nType 1).
    Q_INVOKABLE automation::ObjectPtr GetInfo(qint32 nType = 0, bool bFillAll = false);
    // The index rows (nType 0) or field rows (nType 1) of one table.
    Q_INVOKABLE automation::ObjectPtr GetDataByInterID(qint32 FinterID, const QString& strTableName, qint32 nType,
                                                       QString* sMsg = nullptr);

    // For a batch run: from now on every query of this instance runs on the held connection
    // instead of on a new data server of its own, with the same SQL texts and the same rollback.
    // Not reachable by name, so the window's instance keeps one data server per query.
    void HoldConnection(HeldConnectionPtr connection)
    {
        m_held = std::move(connection);
        m_catalogue.reset();
    }

    // Field rows by described table: its FTableID and its FTableName trimmed of blanks.
    using FieldRowsByTable = std::map<std::pair<qint32, QString>, VexaListPtr>;
    // For a batch that needs the field rows of every described table at once (the field search):
    // the field query's select list and joins in one statement over the tables of
    // t_tabledescription, each table's rows made as GetDataByInterID makes them. Described
    // tables that do not exist have no entry. Nothing, with sMsg set, when the query fails.
    // With keep, only the rows it keeps (given the trimmed FFieldName and FDescription) are made;
    // they keep the row numbers they have among all the table's rows.
    using FieldRowFilter = std::function<bool(const QString& fieldName, const QString& description)>;
    std::optional<FieldRowsByTable> GetAllFieldRows(QString* sMsg, const FieldRowFilter& keep = {}) const;

    // True when this connection's field and index rows come from the catalogue views, decided
    // now if not yet (ServerCatalogue.h).
    bool ReadsCatalogueViews() const;
    // For a batch over many tables on the catalogue views, which a server plans slowly query by
    // query: the index rows of every table in tableNames (named as for GetDataByInterID), in
    // that order, made as GetDataByInterID makes them, from one statement. Nothing, with sMsg
    // set, when it fails.
    std::optional<std::vector<automation::ObjectPtr>> GetAllIndexRows(const QStringList& tableNames,
                                                                      QString* sMsg) const;

    // The tables and views of the database (name, and xtype 'U' for a table or 'V' for a view),
    // from the catalogue the field rows are read from, names in the letter case they were
    // created with. Nothing, with sMsg set, when the query fails.
    ado::RecordsetPtr GetTablesAndViews(QString* sMsg) const;

signals:
    // Which catalogue the field and index rows are read from (ServerCatalogue.h): the catalogue
    // views, or the legacy ones. Said once per connection, when it was asked of the server.
    void CatalogueChosen(bool bCatalogueViews);

private:
    struct ColumnDef {
        QString Name;
        QString Caption;
        qint16 Align = 0;
        bool Visible = true;
        qint32 DecCtl = 0;
    };

    ado::RecordsetPtr RunQuery(const QString& sql, QString* sMsg) const;
    ado::RecordsetPtr QuerySubsystems(const QString& strFilter, QString* sMsg) const;
    void InitIndexColumns();
    void InitFieldColumns();
    // The catalogue of the account's server, decided at the first catalogue read of a
    // connection text (or of the held connection).
    catalogue::Kind Catalogue() const;
    void ChooseCatalogue(catalogue::Kind kind) const;
    // The legacy statement's rows, or, on a server without the legacy catalogue (also one whose
    // error on the legacy statement says so), what views gives.
    ado::RecordsetPtr FromCatalogue(const QString& legacySql, const std::function<ado::RecordsetPtr(QString*)>& views,
                                    QString* sMsg) const;
    // The columns as the legacy query reads them from syscolumns (id, name, xusertype, length,
    // prec, scale, isnullable), from the catalogue views, with their names' letter case: a
    // derived table for the same joins. where: a condition on sys.columns c and
    // INFORMATION_SCHEMA.COLUMNS n.
    static QString ViewColumns(const QString& where);
    ado::RecordsetPtr QueryIndexes(qint32 FinterID, const QString& strTableName, QString* sMsg) const;
    // The field query's select list, without "select": the description and note columns of the
    // language and its words for yes and no.
    QString FieldSelectList() const;
    ado::RecordsetPtr QueryFields(qint32 FinterID, const QString& strTableName, QString* sMsg,
                                  const QString& orderColumn) const;
    automation::ObjectPtr BuildRows(qint32 FinterID, const QString& strTableName, qint32 nType, QString* sMsg) const;
    // The field (or index) list of a record set's rows; nothing for a closed one.
    automation::ObjectPtr ListOf(const ado::RecordsetPtr& rs, bool fieldList) const;
    // The record set's columns of the field (or index) layout; the sequence column has none.
    std::vector<const ado::Field*> LayoutFields(const ado::Recordset& rs, bool fieldList) const;
    // A row record: each layout value from its column, trimmed, the sequence number from counter.
    VexaRecordPtr NewRow(const std::vector<const ado::Field*>& fields, const std::vector<ColumnDef>& layout,
                         qint32 counter) const;

    std::vector<ColumnDef> m_indexColumns;
    std::vector<ColumnDef> m_fieldColumns;
    HeldConnectionPtr m_held;
    mutable std::optional<catalogue::Kind> m_catalogue;
    mutable QString m_catalogueFor;  // the connection text it was decided for
};
