#include "TdsColumn.h"

#include "SqliteTypes.h"
#include "TextCodec.h"

#include <algorithm>
#include <limits>

namespace tds {

namespace {

constexpr long kMaxChar = 8000;
constexpr long kMaxUnicode = 4000;

TdsColumn Make(const ado::FieldInfo& field, WireType wire, int size)
{
    TdsColumn c;
    c.name = field.name;
    c.wire = wire;
    c.size = size;
    c.nullable = field.attributes & ado::adFldIsNullable;
    return c;
}

}  // namespace

TdsColumn ColumnFor(const ado::FieldInfo& field, const DeclaredColumn* declared)
{
    using namespace ado;
    const std::string_view sqlName =
        declared && !declared->type.empty() ? provider::ParseDeclaredType(declared->type).sql.name : "";
    if (sqlName == "text" || sqlName == "ntext" || sqlName == "image") {
        TdsColumn c = Make(field, sqlName == "text" ? WireType::Text : sqlName == "ntext" ? WireType::NText : WireType::Image, 0);
        c.table = declared->table;
        return c;
    }
    const int size = static_cast<int>(std::min<long>(field.definedSize, std::numeric_limits<int>::max()));
    switch (field.type) {
    case adTinyInt:
    case adUnsignedTinyInt:
        return Make(field, WireType::Int, 1);
    case adSmallInt:
        return Make(field, WireType::Int, 2);
    case adInteger:
        return Make(field, WireType::Int, 4);
    case adBigInt:
        return Make(field, WireType::Int, 8);
    case adBoolean:
        return Make(field, WireType::Bit, 1);
    case adSingle:
        return Make(field, WireType::Float, 4);
    case adDouble:
        return Make(field, WireType::Float, 8);
    case adCurrency:
        // smallmoney is the ten-digit one
        return Make(field, WireType::Money, field.precision == 10 ? 4 : 8);
    case adNumeric:
    case adDecimal: {
        TdsColumn c = Make(field, WireType::Decimal, 0);
        c.numeric = sqlName == "numeric";
        c.precision = std::clamp<int>(field.precision, 1, 38);
        c.scale = std::min<int>(field.numericScale, c.precision);
        c.size = c.precision <= 9 ? 5 : c.precision <= 19 ? 9 : c.precision <= 28 ? 13 : 17;
        return c;
    }
    case adDBTimeStamp:
    case adDate:
    case adDBDate:
    case adDBTime: {
        // The declared type picks the wire type; without one (smalldatetime has sixteen digits)
        // the value goes as datetime.
        if (sqlName == "date")
            return Make(field, WireType::Date, 3);
        if (sqlName == "time" || sqlName == "datetime2") {
            TdsColumn c = Make(field, sqlName == "time" ? WireType::Time : WireType::DateTime2, 0);
            c.scale = 7;
            return c;
        }
        return Make(field, WireType::DateTime, sqlName == "smalldatetime" || (sqlName.empty() && field.precision == 16) ? 4 : 8);
    }
    case adGUID:
        return Make(field, WireType::Guid, 16);
    case adChar:
        return Make(field, WireType::Char, std::clamp(size, 1, 8000));
    case adVarChar:
        return size > kMaxChar ? Make(field, WireType::VarCharMax, 0) : Make(field, WireType::VarChar, std::max(size, 1));
    case adWChar:
        return Make(field, WireType::NChar, std::clamp(size, 1, 4000) * 2);
    case adVarWChar:
        return size > kMaxUnicode ? Make(field, WireType::NVarCharMax, 0)
                                  : Make(field, WireType::NVarChar, std::max(size, 1) * 2);
    case adLongVarChar:
        return Make(field, WireType::VarCharMax, 0);
    case adLongVarWChar:
        return Make(field, WireType::NVarCharMax, 0);
    case adBinary: {
        TdsColumn c = Make(field, WireType::Binary, std::clamp(size, 1, 8000));
        c.rowVersion = field.attributes & adFldRowVersion;
        if (c.rowVersion)
            c.nullable = false;
        return c;
    }
    case adVarBinary:
        return size > kMaxChar ? Make(field, WireType::VarBinaryMax, 0)
                               : Make(field, WireType::VarBinary, std::max(size, 1));
    case adLongVarBinary:
        return Make(field, WireType::VarBinaryMax, 0);
    default:
        return Make(field, WireType::NVarCharMax, 0);
    }
}

bool IsUndescribed(const ado::FieldInfo& field)
{
    // The provider leaves such a column at the field defaults: nvarchar of the longest size
    // with no precision (a declared type always sets its precision, if only to 255).
    const ado::FieldInfo blank;
    return field.type == blank.type && field.definedSize == blank.definedSize && field.precision == 0;
}

TdsColumn ColumnForValues(const ado::FieldInfo& field, const std::vector<const ado::Value*>& values)
{
    bool integers = true, numbers = true, bytes = true;
    bool wide = false;
    std::size_t longest = 1;
    for (const ado::Value* v : values) {
        if (ado::IsNull(*v))
            continue;
        const auto* i = std::get_if<std::int64_t>(v);
        const bool isDouble = std::holds_alternative<double>(*v);
        integers = integers && i;
        wide = wide || (i && (*i < std::numeric_limits<std::int32_t>::min() || *i > std::numeric_limits<std::int32_t>::max()));
        numbers = numbers && (i || isDouble);
        bytes = bytes && std::holds_alternative<ado::Bytes>(*v);
        if (const auto* b = std::get_if<ado::Bytes>(v))
            longest = std::max(longest, b->size());
        else if (!i && !isDouble)
            longest = std::max(longest, Utf8ToUtf16(ado::ToText(*v)).size());
        else
            longest = std::max<std::size_t>(longest, 24);
    }
    // A column of nulls only is an int, as the server types "select null".
    if (integers)
        return Make(field, WireType::Int, wide ? 8 : 4);
    if (numbers)
        return Make(field, WireType::Float, 8);
    if (bytes)
        return longest > kMaxChar ? Make(field, WireType::VarBinaryMax, 0)
                                  : Make(field, WireType::VarBinary, static_cast<int>(longest));
    return longest > kMaxUnicode ? Make(field, WireType::NVarCharMax, 0)
                                 : Make(field, WireType::NVarChar, static_cast<int>(longest) * 2);
}

}  // namespace tds
