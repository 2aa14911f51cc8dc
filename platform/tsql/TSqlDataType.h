#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ado::provider {

// A SQL Server data type as T-SQL names it: "varchar(10)", "nvarchar(max)", "decimal(18,2)", "int".
struct TSqlDataType {
    enum class Kind { Unknown, Text, Number, Date, Binary };

    std::string name;       // lower case; empty when the type is not known
    int length = -1;        // characters or bytes; -1 when none was given
    bool max = false;       // "(max)"
    int precision = -1;     // decimal and numeric; -1 when none was given
    int scale = -1;
    bool collated = false;  // a column that compares in the text collation by its own declaration

    // Reads "name[(n[,m])|(max)]"; the name is kept even when it is no type SQL Server knows.
    static TSqlDataType Parse(std::string_view text);

    bool Known() const { return Classify() != Kind::Unknown; }
    Kind Classify() const;
    bool IsText() const { return Classify() == Kind::Text; }
    bool IsDate() const { return Classify() == Kind::Date; }
    bool IsNumber() const { return Classify() == Kind::Number; }
    // nchar, nvarchar, ntext, sysname.
    bool Unicode() const;
    bool IsInteger() const;
    // The type as T-SQL writes it, sizes included.
    std::string Text() const;
};

}  // namespace ado::provider
