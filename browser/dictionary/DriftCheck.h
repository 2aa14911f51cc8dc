#pragma once

#include "DictionaryDocument.h"

class HeldConnection;
class clsGetData;

// Drift between the dictionary and the database's catalogue: described tables that do not
// exist, tables that exist but are not described (the dictionary's own three tables aside),
// described fields that are not columns of their table, and columns without a description row.
// Names compare as the server's default collation compares them: letter case and trailing
// blanks ignored.
class DriftCheck {
public:
    enum class Kind { MissingTable, UndescribedTable, MissingField, UndescribedColumn };
    struct Item {
        Kind kind;
        QString table;
        QString field;
    };

    // document holds the field rows of every described table (DictionaryReader::ReadAll); the
    // tables and views are read from the catalogue data reads the fields from, on the connection
    // it holds. Throws AutomationError with the server's description when a query fails.
    static std::vector<Item> Find(const DictionaryDocument& document, const clsGetData& data, HeldConnection& connection);
    // The items as rows named drift, table, field, with the summary line.
    static DictionaryRows Rows(const DictionaryDocument& document, const std::vector<Item>& items);
};
