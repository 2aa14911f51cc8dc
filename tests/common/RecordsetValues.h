#pragma once

#include "Recordset.h"

#include <vector>

// Every remaining row of a record set, each value as the data layer reads it.
inline std::vector<std::vector<ado::Value>> ValuesOf(ado::Recordset& recordset)
{
    std::vector<std::vector<ado::Value>> rows;
    for (; !recordset.Eof(); recordset.MoveNext()) {
        std::vector<ado::Value> row;
        for (long i = 0; i < recordset.FieldCount(); ++i)
            row.push_back(recordset.Fields(i).GetValue());
        rows.push_back(std::move(row));
    }
    return rows;
}
