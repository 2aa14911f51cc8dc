#include "SqliteTypes.h"

#include "SqliteProvider.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <vector>

namespace ado::provider {

namespace {

constexpr long kLongText = 2147483647;
constexpr long kLongUnicode = 1073741823;
constexpr unsigned char kNoPrecision = 255;

constexpr std::array kSystemTypes{
    SystemType{"image", 34, 34, 16, 0, 0, false},
    SystemType{"text", 35, 35, 16, 0, 0, false},
    SystemType{"uniqueidentifier", 36, 36, 16, 0, 0, false},
    SystemType{"date", 40, 40, 3, 10, 0, false},
    SystemType{"time", 41, 41, 5, 16, 7, false},
    SystemType{"datetime2", 42, 42, 8, 27, 7, false},
    SystemType{"datetimeoffset", 43, 43, 10, 34, 7, false},
    SystemType{"tinyint", 48, 48, 1, 3, 0, false},
    SystemType{"smallint", 52, 52, 2, 5, 0, false},
    SystemType{"int", 56, 56, 4, 10, 0, false},
    SystemType{"smalldatetime", 58, 58, 4, 16, 0, false},
    SystemType{"real", 59, 59, 4, 24, 0, false},
    SystemType{"money", 60, 60, 8, 19, 4, false},
    SystemType{"datetime", 61, 61, 8, 23, 3, false},
    SystemType{"float", 62, 62, 8, 53, 0, false},
    SystemType{"sql_variant", 98, 98, 8016, 0, 0, false},
    SystemType{"ntext", 99, 99, 16, 0, 0, false},
    SystemType{"bit", 104, 104, 1, 1, 0, false},
    SystemType{"decimal", 106, 106, 17, 38, 38, false},
    SystemType{"numeric", 108, 108, 17, 38, 38, false},
    SystemType{"smallmoney", 122, 122, 4, 10, 4, false},
    SystemType{"bigint", 127, 127, 8, 19, 0, false},
    SystemType{"varbinary", 165, 165, 8000, 0, 0, true},
    SystemType{"varchar", 167, 167, 8000, 0, 0, true},
    SystemType{"binary", 173, 173, 8000, 0, 0, false},
    SystemType{"char", 175, 175, 8000, 0, 0, false},
    SystemType{"timestamp", 189, 80, 8, 0, 0, false},
    SystemType{"nvarchar", 231, 231, 8000, 0, 0, true},
    SystemType{"sysname", 231, 256, 256, 0, 0, true},
    SystemType{"nchar", 239, 239, 8000, 0, 0, false},
    SystemType{"xml", 241, 241, -1, 0, 0, false},
};

// SQL Server's other names of its types: the ISO synonyms and the older names.
constexpr std::pair<std::string_view, std::string_view> kSynonyms[] = {
    {"integer", "int"},
    {"dec", "decimal"},
    {"double precision", "float"},
    {"double", "float"},
    {"character", "char"},
    {"char varying", "varchar"},
    {"character varying", "varchar"},
    {"national char", "nchar"},
    {"national character", "nchar"},
    {"national char varying", "nvarchar"},
    {"national character varying", "nvarchar"},
    {"national text", "ntext"},
    {"binary varying", "varbinary"},
    {"rowversion", "timestamp"},
    {"blob", "image"},
};

std::string_view Canonical(std::string_view name)
{
    for (const auto& [synonym, type] : kSynonyms)
        if (synonym == name)
            return type;
    return name;
}

const SystemType& Find(std::string_view name)
{
    return *std::find_if(kSystemTypes.begin(), kSystemTypes.end(),
                         [&](const SystemType& t) { return t.name == name; });
}

// The words and the size arguments of a declaration: "int IDENTITY(1,1)" gives the words
// "int" and "identity" (the arguments after IDENTITY are its seed and step, not a size).
struct Declaration {
    std::string base;                 // lower case; "double precision" keeps both words
    std::vector<std::string> args;    // lower case, blanks dropped
    bool identity = false;
};

Declaration Split(std::string_view text)
{
    Declaration d;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
    };
    auto readArgs = [&](std::vector<std::string>* into) {
        ++i;  // "("
        std::string current;
        while (i < text.size() && text[i] != ')') {
            const char c = text[i++];
            if (c == ',') {
                if (into)
                    into->push_back(current);
                current.clear();
            } else if (!std::isspace(static_cast<unsigned char>(c))) {
                current.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
            }
        }
        if (i < text.size())
            ++i;  // ")"
        if (into)
            into->push_back(current);
    };
    bool baseDone = false;
    while (true) {
        skipBlanks();
        if (i >= text.size())
            break;
        if (text[i] == '(') {
            readArgs(baseDone || d.base.empty() ? nullptr : &d.args);
            baseDone = true;
            continue;
        }
        std::string word;
        while (i < text.size() && text[i] != '(' && !std::isspace(static_cast<unsigned char>(text[i])))
            word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++]))));
        if (word == "identity") {
            d.identity = true;
            skipBlanks();
            if (i < text.size() && text[i] == '(')
                readArgs(nullptr);
            baseDone = true;
        } else if (!baseDone) {
            if (!d.base.empty())
                d.base.push_back(' ');
            d.base += word;
        }
    }
    return d;
}

std::optional<long> Number(const std::string& text)
{
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// SQL Server's storage bytes of a decimal by its precision.
int DecimalBytes(long precision)
{
    if (precision <= 9)
        return 5;
    if (precision <= 19)
        return 9;
    if (precision <= 28)
        return 13;
    return 17;
}

DeclaredType Make(std::string_view sqlName, DataTypeEnum type, long size, unsigned char precision,
                  int length, std::optional<int> prec, std::optional<int> scale)
{
    DeclaredType t;
    t.field.type = type;
    t.field.definedSize = size;
    t.field.precision = precision;
    const SystemType& system = Find(sqlName);
    t.sql = SqlServerColumnType{system.name, system.xtype, system.xusertype, length,
                                system.xprec, system.xscale, prec, scale};
    return t;
}

DeclaredType Fixed(std::string_view sqlName, DataTypeEnum type, long size, unsigned char precision,
                   std::optional<int> scale)
{
    const SystemType& system = Find(sqlName);
    return Make(sqlName, type, size, precision, system.length,
                system.xprec ? std::optional<int>(system.xprec) : std::nullopt, scale);
}

// char(n), varchar(n), binary(n) and their relatives; n defaults to 1 as in SQL Server.
DeclaredType Sized(std::string_view sqlName, DataTypeEnum type, const Declaration& d, long maxSize,
                   bool unicode, bool variable)
{
    // SQLite takes no "(max)"; the statement rewriter writes it as the largest size, which
    // reads back here as (max) again.
    const long longest = unicode ? 4000 : 8000;
    const long declared = d.args.empty() ? 1 : Number(d.args.front()).value_or(1);
    const bool isMax = variable && (!d.args.empty() && (d.args.front() == "max" || declared > longest));
    const long n = isMax ? maxSize : declared;
    DeclaredType t = Make(sqlName, type, n, kNoPrecision, 0, std::nullopt, std::nullopt);
    if (isMax) {
        t.sql.length = -1;
        t.sql.prec = -1;
    } else {
        t.sql.length = static_cast<int>(unicode ? n * 2 : n);
        t.sql.prec = static_cast<int>(n);
    }
    return t;
}

DeclaredType Decimal(std::string_view sqlName, const Declaration& d)
{
    const long p = d.args.empty() ? 18 : std::clamp(Number(d.args[0]).value_or(18), 1L, 38L);
    const long s = d.args.size() < 2 ? 0 : std::clamp(Number(d.args[1]).value_or(0), 0L, p);
    DeclaredType t = Make(sqlName, adNumeric, p, static_cast<unsigned char>(p), DecimalBytes(p),
                          static_cast<int>(p), static_cast<int>(s));
    t.field.numericScale = static_cast<unsigned char>(s);
    t.sql.xprec = static_cast<int>(p);
    t.sql.xscale = static_cast<int>(s);
    return t;
}

// datetime2(n), time(n) and datetimeoffset(n): n fractional digits of a second, 7 when not given.
// SQL Server stores fewer bytes for fewer digits, and counts the digits and the point in the
// precision. A datetime2 reports its type's full precision (27) to ADO, so that a datetime2(3) is
// never taken for a datetime.
DeclaredType FractionalSeconds(std::string_view sqlName, DataTypeEnum type, const Declaration& d)
{
    struct Form {
        std::string_view name;
        int smallestLength;  // bytes at 0 to 2 digits; one more at 3 and 4, two more at 5 to 7
        int wholePrecision;  // characters without the fraction
    };
    static constexpr Form kForms[] = {{"time", 3, 8}, {"datetime2", 6, 19}, {"datetimeoffset", 8, 26}};
    const Form& form = *std::find_if(std::begin(kForms), std::end(kForms),
                                     [&](const Form& f) { return f.name == sqlName; });
    const int n = static_cast<int>(d.args.empty() ? 7 : std::clamp(Number(d.args[0]).value_or(7), 0L, 7L));
    DeclaredType t = Fixed(sqlName, type, 16, type == adDBTime ? 16 : 27, n);
    t.field.numericScale = static_cast<unsigned char>(n);
    t.sql.length = form.smallestLength + (n > 2) + (n > 4);
    t.sql.xprec = form.wholePrecision + (n > 0 ? n + 1 : 0);
    t.sql.xscale = n;
    t.sql.prec = t.sql.xprec;
    return t;
}

DeclaredType Unknown()
{
    DeclaredType t = Make("nvarchar", adVarWChar, kLongUnicode, kNoPrecision, -1, -1, std::nullopt);
    return t;
}

// A type ADO has no number of its own for: its values reach ADO as long Unicode text, while the
// catalogue names the type.
DeclaredType AsText(DeclaredType described)
{
    described.field = Unknown().field;
    return described;
}

}  // namespace

DeclaredType ParseDeclaredType(std::string_view declaredType)
{
    const Declaration d = Split(declaredType);
    const std::string_view b = Canonical(d.base);
    DeclaredType t;
    if (b == "int")
        t = Fixed("int", adInteger, 4, 10, 0);
    else if (b == "smallint")
        t = Fixed("smallint", adSmallInt, 2, 5, 0);
    else if (b == "tinyint")
        t = Fixed("tinyint", adUnsignedTinyInt, 1, 3, 0);
    else if (b == "bigint")
        t = Fixed("bigint", adBigInt, 8, 19, 0);
    else if (b == "bit")
        t = Fixed("bit", adBoolean, 2, kNoPrecision, 0);
    else if (b == "decimal" || b == "numeric")
        t = Decimal(b, d);
    else if (b == "money")
        t = Fixed("money", adCurrency, 8, 19, 4);
    else if (b == "smallmoney")
        t = Fixed("smallmoney", adCurrency, 8, 10, 4);
    else if (b == "float" && !d.args.empty() && Number(d.args[0]).value_or(53) <= 24)
        t = Fixed("real", adSingle, 4, 7, std::nullopt);  // float(1) to float(24) is real
    else if (b == "float")
        t = Fixed("float", adDouble, 8, 15, std::nullopt);
    else if (b == "real")
        t = Fixed("real", adSingle, 4, 7, std::nullopt);
    else if (b == "datetime")
        t = Fixed("datetime", adDBTimeStamp, 16, 23, 3);
    else if (b == "smalldatetime")
        t = Fixed("smalldatetime", adDBTimeStamp, 16, 16, 0);
    else if (b == "datetime2")
        t = FractionalSeconds("datetime2", adDBTimeStamp, d);
    else if (b == "date")
        t = Fixed("date", adDBDate, 16, 10, 0);
    else if (b == "time")
        t = FractionalSeconds("time", adDBTime, d);
    else if (b == "datetimeoffset")
        t = AsText(FractionalSeconds("datetimeoffset", adDBTimeStamp, d));
    else if (b == "char")
        t = Sized("char", adChar, d, 8000, false, false);
    else if (b == "nchar")
        t = Sized("nchar", adWChar, d, 4000, true, false);
    else if (b == "varchar")
        t = Sized("varchar", adVarChar, d, kLongText, false, true);
    else if (b == "nvarchar")
        t = Sized("nvarchar", adVarWChar, d, kLongUnicode, true, true);
    else if (b == "binary")
        t = Sized("binary", adBinary, d, 8000, false, false);
    else if (b == "varbinary")
        t = Sized("varbinary", adVarBinary, d, kLongText, false, true);
    else if (b == "text")
        t = Make("text", adLongVarChar, kLongText, kNoPrecision, 16, std::nullopt, std::nullopt);
    else if (b == "ntext")
        t = Make("ntext", adLongVarWChar, kLongUnicode, kNoPrecision, 16, std::nullopt, std::nullopt);
    else if (b == "sysname") {
        // nvarchar(128), and NOT NULL unless declared NULL.
        t = Sized("sysname", adVarWChar, Declaration{"sysname", {"128"}, false}, kLongUnicode, true, true);
        t.notNullByDefault = true;
    } else if (b == "xml")
        t = AsText(Make("xml", adVarWChar, kLongUnicode, kNoPrecision, -1, -1, std::nullopt));
    else if (b == "sql_variant")
        t = AsText(Make("sql_variant", adVarWChar, kLongUnicode, kNoPrecision, 8016, 0, std::nullopt));
    else if (b == "image")
        t = Make("image", adLongVarBinary, kLongText, kNoPrecision, 16, std::nullopt, std::nullopt);
    else if (b == "uniqueidentifier")
        t = Make("uniqueidentifier", adGUID, 16, kNoPrecision, 16, std::nullopt, std::nullopt);
    else if (b == "timestamp") {
        // SQL Server's timestamp is a row version: eight binary bytes the server fills in, NOT
        // NULL unless declared NULL.
        t = Make("timestamp", adBinary, 8, kNoPrecision, 8, std::nullopt, std::nullopt);
        t.field.attributes = adFldRowVersion | adFldFixed;
        t.notNullByDefault = true;
    } else
        t = Unknown();
    t.identity = d.identity;
    return t;
}

std::span<const SystemType> SystemTypes()
{
    return kSystemTypes;
}

FieldInfo FieldInfoFromDeclaredType(std::string_view declaredType)
{
    return ParseDeclaredType(declaredType).field;
}

}  // namespace ado::provider
