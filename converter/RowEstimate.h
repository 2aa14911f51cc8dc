#pragma once

#include "Connection.h"
#include "ServerCatalogue.h"

#include <string>

// How many rows a table's data export is going to write, asked only where the answer costs a
// small part of the export itself; -1 when it cannot be known that cheaply. A host shows a
// share of the work done only against a known total.
class RowEstimate {
public:
    // strTable as it stands in a query, strObjectName as it stands inside object_id('...'),
    // strExpr the table element's expr.
    //   - An expr that is not blank: unknown, since counting the rows it selects would read
    //     the table as the export does.
    //   - The embedded provider: SQLite counts a table's rows from its b-tree pages without
    //     reading a row; a view would run its whole query, so only tables are counted.
    //   - A server: the row counts its catalogue keeps for the heap or clustered index
    //     (sys.partitions, or, read through the legacy catalogue, sysindexes on servers without
    //     it); a count of 0 or below is taken as not kept, so an empty table shows as unknown
    //     rather than a stale zero as a total (Babelfish says -1 until its statistics are made).
    // A failing question is no failure of the export: the answer is unknown.
    static long long Of(ado::Connection& objCon, catalogue::Kind kind, const std::string& strTable,
                        const std::string& strObjectName, const std::string& strExpr);
};
