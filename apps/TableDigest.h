#pragma once

#include "Connection.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The rows of one table as the data script writes them, reduced to a digest that does not
// depend on their order: how many rows, and the sums of a 128-bit hash of each row's text.
//
// A row's text is the second half of its insert statement, made by the converter's own
// InsertStatement ("a,b) values(1,N'x')"): the columns an insert carries (identity columns
// included, no computed or row-version column) with their values in the form the script gives
// them. Two rows are therefore equal when the script would write them alike: a bit 2 and a bit
// 1, or a date with a blank and one with a "T", are one value, as they are on SQL Server; a
// value the script had to write in another form than its column's type compares in that form.
class TableDigest {
public:
    // Where the rows come from: a select of the table on a connection; objectName is the table
    // as it stands inside object_id('...'), for the catalogue questions of InsertStatement.
    struct Source {
        ado::ConnectionPtr connection;
        std::string sql;
        std::string objectName;
    };

    struct Row {
        long number = 0;  // in the order the select gives the rows, from 1
        std::string text;
    };

    static TableDigest Of(const Source& rows);
    // The 128-bit hash of a row's text that digests add up.
    static std::pair<std::uint64_t, std::uint64_t> HashOf(const std::string& text);
    // The first row of `rows` that `other` does not hold (as often); nothing when there is none.
    static std::optional<Row> FirstMissing(const Source& rows, const Source& other);

    long Rows() const { return m_rows; }
    // The column list the rows carry ("a,b" as an insert names them); empty without rows.
    const std::string& Columns() const { return m_columns; }
    // Values written in another form than their column's type.
    long OtherForms() const { return m_otherForms; }
    bool SameRows(const TableDigest& other) const
    {
        return m_rows == other.m_rows && m_sumA == other.m_sumA && m_sumB == other.m_sumB;
    }

private:
    // Calls row with the text of every row, in order; returns the values in another form.
    static long ForEachRow(const Source& rows, const std::function<void(const std::string&)>& row);

    long m_rows = 0;
    std::uint64_t m_sumA = 0, m_sumB = 0;
    std::string m_columns;
    long m_otherForms = 0;
};
