#pragma once

#include "Recordset.h"

#include <QStringList>

#include <vector>

// The index report of a table (the rows SQL Server's sp_helpindex gives: index_name,
// index_description, index_keys; no result set for a table without indexes) made from the
// catalogue views, for a server that lacks the procedure.
class IndexReport {
public:
    // The catalogue-view statement for the tables, each named as the browser passes it: one row
    // per key column of each index, with its table's place in tableNames (table_ordinal), in
    // table, index and key order.
    static QString Query(const QStringList& tableNames);
    // Each table's report, in the order of tableNames, from the rows of Query: one row per index,
    // ordered by index name, its description worded as SQL Server's (clustered or nonclustered,
    // ignore duplicate keys, unique, hypothetical, primary key, unique key, located on the file
    // group) and its key columns joined by ", ", a descending one marked "(-)". A closed record
    // set for a table without indexes.
    static std::vector<ado::RecordsetPtr> FromRows(ado::Recordset& rows, const QStringList& tableNames);
};
