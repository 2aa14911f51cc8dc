#pragma once

#include "Connection.h"
#include "ServerForm.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The rows of one table as the column types of its copy on a server hold them, reduced to a
// digest that does not depend on their order: how many rows, and the sums of a 128-bit hash of
// each row's text. A row's text names every column of the copy, identity columns included,
// with the value in its form (ServerForm: "FQty=1.5000, FName='x   '"), so the source read
// through its own provider and the copy read from the server compare value for value. A source
// value the copy's type cannot hold shows as such and never equals a copy's row.
class ServerTableDigest {
public:
    // The copy's columns, by name, with the form their type gives.
    using Columns = std::vector<std::pair<std::string, ServerForm>>;
    // The columns of a table of the copy, asked of the server.
    static Columns ColumnsOf(ado::Connection& copy, const std::string& table);

    struct Source {
        ado::ConnectionPtr connection;
        std::string sql;
    };
    struct Row {
        long number = 0;  // in the order the select gives the rows, from 1
        std::string text;
    };

    static ServerTableDigest Of(const Source& rows, const Columns& columns);
    // The first row of `rows` that `other` does not hold (as often); nothing when there is none.
    static std::optional<Row> FirstMissing(const Source& rows, const Source& other, const Columns& columns);

    long Rows() const { return m_rows; }
    // Values that the copy's column types cannot hold.
    long WithoutForm() const { return m_withoutForm; }
    bool SameRows(const ServerTableDigest& other) const
    {
        return m_rows == other.m_rows && m_sumA == other.m_sumA && m_sumB == other.m_sumB;
    }

private:
    // Calls row with the text of every row, in order; returns the values without a form.
    static long ForEachRow(const Source& rows, const Columns& columns, const std::function<void(const std::string&)>& row);

    long m_rows = 0;
    std::uint64_t m_sumA = 0, m_sumB = 0;
    long m_withoutForm = 0;
};
