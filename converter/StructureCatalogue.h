#pragma once

#include "Connection.h"

#include <optional>
#include <string>
#include <vector>

// What a table's structure script takes from the server's catalogue besides the column metadata
// of an empty result: each column's identity, nullability, default text and computed expression, the columns of the
// key (the clustered index) and of the further indexes. Read from SQL Server's legacy catalogue
// with the statements the converter has always sent, or from the catalogue views of a server
// without it (ServerCatalogue.h), with the same meaning.
class StructureCatalogue {
public:
    struct Column {
        bool identity = false;
        bool nullable = false;
        std::string defaultText;  // empty without a default
        // A computed column's expression as the catalogue keeps it (empty when it keeps none);
        // nothing for another column.
        std::optional<std::string> computedText;
    };
    // One row per index column, in the server's order.
    struct IndexColumn {
        std::string column;
        std::string index;
    };
    struct Facts {
        std::vector<Column> columns;  // one per field of the empty result, in its order
        std::vector<IndexColumn> key;
        std::vector<IndexColumn> indexes;
    };

    // objectName: the table as it stands inside object_id('...'); fields: the empty result of
    // "select * from" the table. The legacy read takes nullability from the fields' attributes;
    // the views carry it themselves, as some engines mark every result column nullable.
    static Facts Legacy(ado::ConnectionPtr& connection, const std::string& objectName, const ado::Recordset& fields);
    // tableName: the table's own name (no schema), for the index names of engines that add it.
    static Facts Views(ado::ConnectionPtr& connection, const std::string& objectName, const std::string& tableName,
                       const ado::Recordset& fields);
};
