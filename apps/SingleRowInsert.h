#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An "insert [into] NAME [(columns)] values (...)" statement of one row whose values are
// constants, cut where rows of the same head may be joined into one VALUES list.
//
// SQL Server types a VALUES list of several rows as UNION ALL types its branches: a column's
// values are converted to the type of highest precedence among them before they reach the table.
// So rows join only where that changes no value: a column's values must all be of one kind
// (exact numbers, floats, texts, Unicode texts or binaries; null goes with any), and its exact
// numbers must fit one decimal type (38 digits) without rounding.
class SingleRowInsert {
public:
    // The row of text; nothing when the statement is not such an insert.
    static std::optional<SingleRowInsert> Read(std::string_view text);

    // Up to and including "values": equal heads insert into the same columns of the same table.
    std::string_view Head() const { return m_head; }
    // The parenthesised values.
    std::string_view Row() const { return m_row; }
    // The table as the statement names it ("dbo.[t x]").
    std::string_view Table() const { return m_table; }
    // The columns the statement lists, unquoted; empty when it lists none.
    const std::vector<std::string>& Columns() const { return m_columns; }

    // What SQL Server makes of a column's values so far, as rows join.
    struct Kind {
        enum Class { Null, Exact, Float, Text, UnicodeText, Binary } kind = Null;
        int integerDigits = 0;  // Exact: the most digits before the point
        int scale = 0;          // Exact: the most digits after it
    };
    // Joins this row's kinds to kinds (one per column, from the rows before it); false, with
    // kinds untouched, when a value would change in the joined list.
    bool JoinTo(std::vector<Kind>& kinds) const;
    // The kinds of this row alone.
    const std::vector<Kind>& Kinds() const { return m_kinds; }

private:
    std::string_view m_head;
    std::string_view m_row;
    std::string_view m_table;
    std::vector<std::string> m_columns;
    std::vector<Kind> m_kinds;
};
