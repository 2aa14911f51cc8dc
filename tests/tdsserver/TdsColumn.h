#pragma once

#include "DeclaredTypes.h"
#include "Field.h"

#include <string>
#include <vector>

namespace tds {

// How one result column travels on the wire.
enum class WireType {
    Int,           // INTN, size 1/2/4/8
    Bit,           // BITN
    Float,         // FLTN, size 4/8
    Money,         // MONEYN, size 4/8
    Decimal,       // DECIMALN with precision and scale
    DateTime,      // DATETIMN, size 4 (smalldatetime) or 8
    Date,          // DATEN
    Time,          // TIMEN with scale
    DateTime2,     // DATETIME2N with scale
    Char,          // BIGCHAR, code-page text padded to size
    VarChar,       // BIGVARCHR
    NChar,         // NCHAR, size in bytes, padded
    NVarChar,      // NVARCHAR, size in bytes
    Binary,        // BIGBINARY, padded with zero bytes
    VarBinary,     // BIGVARBIN
    VarCharMax,    // BIGVARCHR as partly length-prefixed chunks
    NVarCharMax,   // NVARCHAR the same way
    VarBinaryMax,  // BIGVARBIN the same way
    Guid,          // GUIDTYPE
    Text,          // the legacy long types, with a text pointer before each value
    NText,
    Image,
};

struct TdsColumn {
    std::string name;
    WireType wire = WireType::NVarCharMax;
    int size = 0;  // bytes of a fixed type, or the declared maximum of a sized one
    int precision = 0;
    int scale = 0;
    bool nullable = true;
    bool rowVersion = false;  // sent with user type 80 so the client names it "timestamp"
    bool numeric = false;     // a decimal declared "numeric"
    std::string table;        // the table of a legacy long column
};

// The wire form of a column the provider described. `declared` (may be null) tells the
// legacy long types and numeric apart, which the ADO description does not.
TdsColumn ColumnFor(const ado::FieldInfo& field, const DeclaredColumn* declared);

// A column the provider could not describe (an expression: SQLite gives it no declared type).
bool IsUndescribed(const ado::FieldInfo& field);
// The wire form such a column needs to carry all of `values` (the whole result's column).
TdsColumn ColumnForValues(const ado::FieldInfo& field, const std::vector<const ado::Value*>& values);

}  // namespace tds
