#pragma once

#include "Field.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ado::provider {

// A column's type as SQL Server's catalogue describes it (syscolumns, systypes).
struct SqlServerColumnType {
    std::string_view name;     // systypes name: "int", "nvarchar", ...
    int xtype = 0;
    int xusertype = 0;
    int length = 0;            // bytes; -1 for the (max) types
    int xprec = 0;
    int xscale = 0;
    std::optional<int> prec;   // as syscolumns reports them; none where SQL Server has NULL
    std::optional<int> scale;
};

// What one declared SQLite column type stands for.
struct DeclaredType {
    FieldInfo field;           // ADO type, defined size, precision, scale (name and attributes left empty)
    SqlServerColumnType sql;
    bool identity = false;     // the declaration carries the word IDENTITY
    bool notNullByDefault = false;  // timestamp and sysname: NOT NULL unless declared NULL
};

DeclaredType ParseDeclaredType(std::string_view declaredType);

// One row of systypes.
struct SystemType {
    std::string_view name;
    int xtype;
    int xusertype;
    int length;
    int xprec;
    int xscale;
    bool variable;
};

// Every SQL Server type the declared types map to, plus sysname.
std::span<const SystemType> SystemTypes();

}  // namespace ado::provider
