#pragma once

#include "Recordset.h"

#include <QString>

#include <functional>

// The index report of a table (the rows SQL Server's sp_helpindex gives: index_name,
// index_description, index_keys; no result set for a table without indexes) made from the
// catalogue views, for a server that lacks the procedure.
class IndexReport {
public:
    // The catalogue-view statement for the table, named as the browser passes it: one row per
    // key column of each index, in index and key order.
    static QString Query(const QString& tableName);
    // The report from the rows of Query: one row per index, ordered by index name, its
    // description worded as SQL Server's (clustered or nonclustered, ignore duplicate keys,
    // unique, hypothetical, primary key, unique key, located on the file group) and its key
    // columns joined by ", ", a descending one marked "(-)". A closed record set when there are
    // no rows.
    static ado::RecordsetPtr FromRows(ado::Recordset& rows, const QString& tableName);
};
