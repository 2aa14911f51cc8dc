#pragma once

#include "Value.h"

#include <string>

namespace ado {

// ADO DataTypeEnum numbers.
enum DataTypeEnum : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarNumeric = 139,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// ADO FieldAttributeEnum bits used here.
enum FieldAttributeEnum : long {
    adFldUpdatable = 0x4,
    adFldFixed = 0x10,
    adFldIsNullable = 0x20,
    adFldMayBeNull = 0x40,
    adFldLong = 0x80,
    adFldRowVersion = 0x200,
};

// A column of a result as the provider describes it.
struct FieldInfo {
    std::string name;
    DataTypeEnum type = adVarWChar;
    long definedSize = 1073741823;
    unsigned char numericScale = 0;
    unsigned char precision = 0;
    long attributes = 0;
};

// One column of a record set, read at the record set's current row.
class Field {
public:
    Field(const FieldInfo* info, const Value* const* row, long index)
        : m_info(info), m_row(row), m_index(index) {}

    const std::string& Name() const { return m_info->name; }
    DataTypeEnum Type() const { return m_info->type; }
    long DefinedSize() const { return m_info->definedSize; }
    unsigned char NumericScale() const { return m_info->numericScale; }
    unsigned char Precision() const { return m_info->precision; }
    long Attributes() const { return m_info->attributes; }
    const FieldInfo& Info() const { return *m_info; }
    // The value at the current row. Throws AutomationError 3021 at the end of the set.
    const Value& GetValue() const;

private:
    const FieldInfo* m_info;
    const Value* const* m_row;  // the record set's pointer to its current row (null at the end)
    long m_index;
};

}  // namespace ado
