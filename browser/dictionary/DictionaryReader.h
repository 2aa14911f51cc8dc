#pragma once

#include "DictionaryDocument.h"
#include "clsGetData.h"

// Reads the dictionary through the data layer, asking what the window asks: the tree with an
// empty filter, the two layouts, and for each table node the index rows and then the field rows
// of the name and ID that the window takes from the node. Give the data object a held
// connection for a run over many tables.
class DictionaryReader {
public:
    explicit DictionaryReader(clsGetData& data) : m_data(data) {}

    // The account line, the layouts and the tree. False with the data layer's message when the
    // tree cannot be read.
    bool ReadTree(DictionaryDocument& document, QString& message);
    // One table by its name: its node is the first table node naming it (none: the name itself
    // is its caption and 0 its ID). False with the server's message when a query fails.
    bool ReadTable(DictionaryDocument& document, const QString& table, QString& message);
    // Every table node, grouped under its subsystem in tree order; tables whose parent is not in
    // the tree follow, grouped by parent key. A query that fails leaves its table's rows empty,
    // as the window shows them, with the server's message beside them. Without indexes only the
    // field rows are read.
    void ReadAll(DictionaryDocument& document, bool withIndexes = true);
    // Every table node grouped as ReadAll groups them, with the field rows only, all read by one
    // statement (clsGetData::GetAllFieldRows) rather than one query per table: what the field
    // search needs; with keep, only the rows it keeps. False with the server's message when
    // that statement fails.
    bool ReadAllFields(DictionaryDocument& document, QString& message, const clsGetData::FieldRowFilter& keep = {});

private:
    void ReadRows(DictionaryTable& table, bool withIndexes);
    // ReadAll with one statement for all field rows and one for all index rows, for a server
    // whose catalogue views are slow to plan query by query; false, having read nothing into the
    // document, when either statement fails (the tables are then read one by one, each with its
    // own message).
    bool ReadAllAtOnce(DictionaryDocument& document, bool withIndexes);
    // Groups the table nodes; fill gives each table its rows.
    template <class Fill>
    void Group(DictionaryDocument& document, Fill&& fill);

    clsGetData& m_data;
};
