#include "SqliteCatalogue.h"

#include "SqlTokenizer.h"
#include "SqliteFunctionArgs.h"
#include "SqliteObjectFunctions.h"
#include "SqliteTSqlFunctions.h"
#include "TextCollation.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <exception>
#include <optional>
#include <variant>
#include <vector>

namespace ado::provider {

namespace {

using Cell = std::variant<std::monostate, std::int64_t, std::string>;
using Row = std::vector<Cell>;

// Names compare in the text collation, where trailing blanks do not count.
std::string TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

Cell Optional(const std::optional<int>& value)
{
    return value ? Cell(std::int64_t{*value}) : Cell();
}

// ---- The rows of each catalogue table, for one database table --------------------------

// SQL Server's status bits of syscolumns and sysindexes.
constexpr int kColumnNullable = 0x08;
constexpr int kColumnIdentity = 0x80;
constexpr int kIndexUnique = 0x2;
constexpr int kIndexClustered = 0x10;
constexpr int kIndexPrimaryKey = 0x800;
constexpr int kIndexUniqueConstraint = 0x1000;

enum ObjectColumn { oName, oId, oXtype, oUid, oInfo, oStatus, oParent, oCrdate, oType, oUserstat, oSysstat,
                    oCategory, oCount };
constexpr const char* kObjectsSchema =
    "CREATE TABLE x(name nvarchar(128) COLLATE database_default, id int, xtype char(2) COLLATE database_default, uid smallint, "
    "info smallint, status int, parent_obj int, crdate datetime, type char(2) COLLATE database_default, userstat smallint, "
    "sysstat smallint, category int)";

Row ObjectRow(std::string name, std::int64_t id, const char* xtype, const char* type, std::int64_t parent,
              int info, int sysstat)
{
    Row row(oCount, std::int64_t{0});
    row[oName] = std::move(name);
    row[oId] = id;
    row[oXtype] = std::string(xtype);
    row[oUid] = std::int64_t{1};
    row[oInfo] = std::int64_t{info};
    row[oParent] = parent;
    row[oCrdate] = std::string("1900-01-01 00:00:00.000");
    row[oType] = std::string(type);
    row[oSysstat] = std::int64_t{sysstat};
    return row;
}

void ObjectRows(const TableSchema& table, std::vector<Row>& rows)
{
    rows.push_back(ObjectRow(table.name, table.id, table.view ? "V" : "U", table.view ? "V" : "U", 0, 0,
                             table.view ? 2 : 3));
    if (const IndexSchema* pk = table.PrimaryKey())
        rows.push_back(ObjectRow(pk->name, table.id + ObjectId::kPrimaryKey, "PK", "K", table.id, 0, 9));
    for (const ColumnSchema& c : table.columns)
        if (c.defaultText)
            rows.push_back(ObjectRow(c.defaultName, table.id + c.colid, "D", "D", table.id, c.colid, 14));
    for (const ConstraintSchema& c : table.constraints) {
        switch (c.kind) {
        case ConstraintClause::Kind::Unique:
            rows.push_back(ObjectRow(c.name, c.id, "UQ", "K", table.id, 0, 9));
            break;
        case ConstraintClause::Kind::ForeignKey:
            rows.push_back(ObjectRow(c.name, c.id, "F", "F", table.id, 0, 0));
            break;
        case ConstraintClause::Kind::Check:
            rows.push_back(ObjectRow(c.name, c.id, "C", "C", table.id, c.colid, 0));
            break;
        case ConstraintClause::Kind::PrimaryKey:
            break;
        }
    }
}

enum ColumnColumn { cName, cId, cXtype, cTypestat, cXusertype, cLength, cXprec, cXscale, cColid, cCdefault,
                    cDomain, cNumber, cColorder, cStatus, cPrec, cScale, cIscomputed, cIsoutparam, cIsnullable,
                    cCount };
constexpr const char* kColumnsSchema =
    "CREATE TABLE x(name nvarchar(128) COLLATE database_default, id int, xtype tinyint, typestat tinyint, xusertype smallint, "
    "length smallint, xprec tinyint, xscale tinyint, colid smallint, cdefault int, domain int, number smallint, "
    "colorder smallint, status tinyint, prec smallint, scale int, iscomputed int, isoutparam int, isnullable int)";

void ColumnRows(const TableSchema& table, std::vector<Row>& rows)
{
    for (const ColumnSchema& c : table.columns) {
        Row row(cCount, std::int64_t{0});
        const SqlServerColumnType& t = c.type.sql;
        row[cName] = c.name;
        row[cId] = table.id;
        row[cXtype] = std::int64_t{t.xtype};
        row[cXusertype] = std::int64_t{t.xusertype};
        row[cLength] = std::int64_t{t.length};
        row[cXprec] = std::int64_t{t.xprec};
        row[cXscale] = std::int64_t{t.xscale};
        row[cColid] = std::int64_t{c.colid};
        row[cColorder] = std::int64_t{c.colid};
        row[cCdefault] = c.defaultText ? table.id + c.colid : std::int64_t{0};
        row[cStatus] = std::int64_t{(c.nullable ? kColumnNullable : 0) | (c.identity ? kColumnIdentity : 0)};
        row[cPrec] = Optional(t.prec);
        row[cScale] = Optional(t.scale);
        row[cIscomputed] = std::int64_t{c.computed};
        row[cIsnullable] = std::int64_t{c.nullable};
        rows.push_back(std::move(row));
    }
}

enum CommentColumn { mId, mNumber, mColid, mStatus, mTexttype, mLanguage, mEncrypted, mCompressed, mText, mCount };
constexpr const char* kCommentsSchema =
    "CREATE TABLE x(id int, number smallint, colid smallint, status smallint, texttype smallint, "
    "language smallint, encrypted bit, compressed bit, text nvarchar(4000))";

Row CommentRow(std::int64_t id, int number, const std::string& text)
{
    Row row(mCount, std::int64_t{0});
    row[mId] = id;
    row[mNumber] = std::int64_t{number};
    row[mColid] = std::int64_t{1};
    row[mTexttype] = std::int64_t{2};
    row[mText] = text;
    return row;
}

// The texts of defaults and checks under their constraints' ids, and of computed columns under
// the table's id, numbered by the column.
void CommentRows(const TableSchema& table, std::vector<Row>& rows)
{
    for (const ColumnSchema& c : table.columns)
        if (c.defaultText)
            rows.push_back(CommentRow(table.id + c.colid, 0, *c.defaultText));
    for (const ColumnSchema& c : table.columns)
        if (c.computedText)
            rows.push_back(CommentRow(table.id, c.colid, *c.computedText));
    for (const ConstraintSchema& c : table.constraints)
        if (c.kind == ConstraintClause::Kind::Check && !c.text.empty())
            rows.push_back(CommentRow(c.id, 0, c.text));
}

enum IndexColumn { iId, iStatus, iIndid, iKeycnt, iGroupid, iDpages, iReserved, iUsed, iRowcnt, iRows,
                   iFillFactor, iName, iCount };
constexpr const char* kIndexesSchema =
    "CREATE TABLE x(id int, status int, indid smallint, keycnt smallint, groupid smallint, dpages int, "
    "reserved int, used int, rowcnt bigint, rows int, OrigFillFactor tinyint, name nvarchar(128) COLLATE database_default)";

Row IndexRow(const TableSchema& table, int indid, std::string name, int status, size_t keys)
{
    Row row(iCount, std::int64_t{0});
    row[iId] = table.id;
    row[iStatus] = std::int64_t{status};
    row[iIndid] = std::int64_t{indid};
    row[iKeycnt] = static_cast<std::int64_t>(keys);
    row[iGroupid] = std::int64_t{1};
    // Page counts are not kept; every index counts as holding one page, so "used > 0" holds.
    row[iDpages] = row[iReserved] = row[iUsed] = std::int64_t{1};
    row[iName] = std::move(name);
    return row;
}

void IndexRows(const TableSchema& table, std::vector<Row>& rows)
{
    if (table.view)
        return;
    if (table.indexes.empty() || !table.indexes.front().clustered)
        rows.push_back(IndexRow(table, 0, table.name, 0, 0));  // the heap
    for (const IndexSchema& index : table.indexes) {
        const int status = (index.unique ? kIndexUnique : 0) | (index.clustered ? kIndexClustered : 0) |
                           (index.primaryKey ? kIndexPrimaryKey : 0) |
                           (index.uniqueConstraint ? kIndexUniqueConstraint : 0);
        rows.push_back(IndexRow(table, index.indid, index.name, status, index.keys.size()));
    }
}

constexpr const char* kIndexKeysSchema = "CREATE TABLE x(id int, indid smallint, colid smallint, keyno smallint)";

void IndexKeyRows(const TableSchema& table, std::vector<Row>& rows)
{
    for (const IndexSchema& index : table.indexes)
        for (size_t k = 0; k < index.keys.size(); ++k)
            rows.push_back(Row{table.id, std::int64_t{index.indid}, std::int64_t{index.keys[k].colid},
                               static_cast<std::int64_t>(k + 1)});
}

constexpr const char* kTypesSchema =
    "CREATE TABLE x(name nvarchar(128) COLLATE database_default, xtype tinyint, status tinyint, xusertype smallint, "
    "length smallint, xprec tinyint, xscale tinyint, tdefault int, domain int, uid smallint, variable bit, "
    "allownulls bit, prec smallint, scale tinyint)";

enum TypeColumn { tName, tXtype, tStatus, tXusertype };

std::vector<Row> MakeTypeRows()
{
    std::vector<Row> rows;
    for (const SystemType& t : SystemTypes()) {
        const bool character = t.xprec == 0 && t.length == 8000;
        const bool unicode = t.name == "nvarchar" || t.name == "nchar";
        const bool numeric = t.xprec != 0;
        rows.push_back(Row{std::string(t.name), std::int64_t{t.xtype}, std::int64_t{0}, std::int64_t{t.xusertype},
                           std::int64_t{t.length}, std::int64_t{t.xprec}, std::int64_t{t.xscale}, std::int64_t{0},
                           std::int64_t{0}, std::int64_t{4}, std::int64_t{t.variable},
                           std::int64_t{1},
                           character ? Cell(std::int64_t{unicode ? 4000 : 8000})
                                     : (numeric ? Cell(std::int64_t{t.xprec}) : Cell()),
                           numeric ? Cell(std::int64_t{t.xscale}) : Cell()});
    }
    return rows;
}

// The fixed rows, made once: a join reads systypes once per column it types.
const std::vector<Row>& TypeRows()
{
    static const std::vector<Row> rows = MakeTypeRows();
    return rows;
}

// ---- The virtual table module ------------------------------------------------------------

struct CatalogueTable {
    const char* name;
    const char* schema;
    int idColumn;       // equality on it reads one table (of fixed rows: the rows it names)
    int nameColumn;     // equality on it filters; alone it reads one table when nameFindsTable
    int subColumn;      // equality on it filters within a table (colid, indid)
    bool nameFindsTable;
    SqliteSchema::Detail detail;  // what of a table its rows need
    void (*rowsOf)(const TableSchema&, std::vector<Row>&);
    const std::vector<Row>& (*fixedRows)();
};

constexpr CatalogueTable kTables[] = {
    {"sysobjects", kObjectsSchema, oId, oName, -1, true, SqliteSchema::Detail::Columns, ObjectRows, nullptr},
    {"syscolumns", kColumnsSchema, cId, cName, cColid, false, SqliteSchema::Detail::Columns, ColumnRows, nullptr},
    {"syscomments", kCommentsSchema, mId, -1, -1, false, SqliteSchema::Detail::Columns, CommentRows, nullptr},
    {"sysindexes", kIndexesSchema, iId, iName, iIndid, false, SqliteSchema::Detail::Indexes, IndexRows, nullptr},
    {"sysindexkeys", kIndexKeysSchema, 0, -1, 1, false, SqliteSchema::Detail::Indexes, IndexKeyRows, nullptr},
    {"systypes", kTypesSchema, tXusertype, tName, -1, false, SqliteSchema::Detail::Columns, nullptr, TypeRows},
};

struct ModuleAux {
    const CatalogueTable* table;
    SqliteSchema* schema;
};

struct CatalogueVtab : sqlite3_vtab {
    ModuleAux aux;
};

struct CatalogueCursor : sqlite3_vtab_cursor {
    std::vector<Row> rows;
    size_t at = 0;
};

constexpr int kById = 1, kByName = 2, kBySub = 4;

int Connect(sqlite3* db, void* aux, int, const char* const*, sqlite3_vtab** out, char**)
{
    const auto* moduleAux = static_cast<const ModuleAux*>(aux);
    const int rc = sqlite3_declare_vtab(db, moduleAux->table->schema);
    if (rc != SQLITE_OK)
        return rc;
    auto* vtab = new CatalogueVtab{};
    vtab->aux = *moduleAux;
    *out = vtab;
    return SQLITE_OK;
}

int Disconnect(sqlite3_vtab* vtab)
{
    delete static_cast<CatalogueVtab*>(vtab);
    return SQLITE_OK;
}

int BestIndex(sqlite3_vtab* vtab, sqlite3_index_info* info)
{
    const CatalogueTable& table = *static_cast<CatalogueVtab*>(vtab)->aux.table;
    int use[3] = {-1, -1, -1};
    const int columns[3] = {table.idColumn, table.nameColumn, table.subColumn};
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (!c.usable || c.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        for (int k = 0; k < 3; ++k)
            if (c.iColumn == columns[k] && columns[k] >= 0 && use[k] < 0)
                use[k] = i;
    }
    int argv = 0;
    for (int k = 0; k < 3; ++k) {
        if (use[k] < 0)
            continue;
        // SQLite checks every constraint again, so the filter may let through more than it must.
        info->aConstraintUsage[use[k]].argvIndex = ++argv;
        info->idxNum |= 1 << k;
    }
    const bool narrowed = use[1] >= 0 || use[2] >= 0;
    if (table.fixedRows) {
        info->estimatedCost = use[0] >= 0 ? 1 : 30;
        info->estimatedRows = use[0] >= 0 ? 1 : 30;
    } else if (use[0] >= 0) {
        info->estimatedCost = narrowed ? 2 : 20;
        info->estimatedRows = narrowed ? 1 : 10;
    } else if (use[1] >= 0 && table.nameFindsTable) {
        info->estimatedCost = 5;
        info->estimatedRows = 1;
    } else {
        info->estimatedCost = 1e7;
        info->estimatedRows = 100000;
    }
    return SQLITE_OK;
}

int Open(sqlite3_vtab*, sqlite3_vtab_cursor** out)
{
    *out = new CatalogueCursor{};
    return SQLITE_OK;
}

int Close(sqlite3_vtab_cursor* cursor)
{
    delete static_cast<CatalogueCursor*>(cursor);
    return SQLITE_OK;
}

// An id as the constraint gives it: an integer, or a real with no fraction.
std::optional<std::int64_t> IdValue(sqlite3_value* value)
{
    switch (sqlite3_value_numeric_type(value)) {
    case SQLITE_INTEGER:
        return sqlite3_value_int64(value);
    case SQLITE_FLOAT: {
        const double d = sqlite3_value_double(value);
        if (d == static_cast<double>(static_cast<std::int64_t>(d)))
            return static_cast<std::int64_t>(d);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

bool Matches(const Cell& cell, std::int64_t value)
{
    const auto* i = std::get_if<std::int64_t>(&cell);
    return i && *i == value;
}

int Filter(sqlite3_vtab_cursor* base, int idxNum, const char*, int argc, sqlite3_value** argv)
{
    auto* cursor = static_cast<CatalogueCursor*>(base);
    auto* vtab = static_cast<CatalogueVtab*>(base->pVtab);
    const CatalogueTable& table = *vtab->aux.table;
    SqliteSchema& schema = *vtab->aux.schema;
    cursor->rows.clear();
    cursor->at = 0;
    std::optional<std::int64_t> id;
    std::optional<std::string> name;
    std::optional<std::int64_t> sub;
    int arg = 0;
    for (int k = 0; k < 3; ++k) {
        if (!(idxNum & (1 << k)) || arg >= argc)
            continue;
        sqlite3_value* value = argv[arg++];
        if (sqlite3_value_type(value) == SQLITE_NULL)
            return SQLITE_OK;  // "= NULL" holds for no row
        if (k == 1)
            name = TrimTrailingBlanks(reinterpret_cast<const char*>(sqlite3_value_text(value)));
        else if (k == 0)
            id = IdValue(value);
        else
            sub = IdValue(value);
    }
    try {
        if (table.fixedRows) {
            for (const Row& row : table.fixedRows())
                if (!id || Matches(row[static_cast<size_t>(table.idColumn)], *id))
                    cursor->rows.push_back(row);
        } else if (id) {
            if (const auto found = schema.Find(*id, table.detail))
                table.rowsOf(*found, cursor->rows);
        } else if (const auto named = name && table.nameFindsTable ? schema.Find(*name, table.detail) : nullptr) {
            table.rowsOf(*named, cursor->rows);
        } else {
            for (const auto& each : schema.All(table.detail))
                table.rowsOf(*each, cursor->rows);
        }
    } catch (const std::exception& e) {
        sqlite3_free(vtab->zErrMsg);
        vtab->zErrMsg = sqlite3_mprintf("%s", e.what());
        return SQLITE_ERROR;
    }
    std::erase_if(cursor->rows, [&](const Row& row) {
        if (id && !Matches(row[static_cast<size_t>(table.idColumn)], *id))
            return true;
        if (sub && !Matches(row[static_cast<size_t>(table.subColumn)], *sub))
            return true;
        if (name) {
            const auto* text = std::get_if<std::string>(&row[static_cast<size_t>(table.nameColumn)]);
            return !text || !EqualText(*text, *name);
        }
        return false;
    });
    return SQLITE_OK;
}

int Next(sqlite3_vtab_cursor* base)
{
    ++static_cast<CatalogueCursor*>(base)->at;
    return SQLITE_OK;
}

int Eof(sqlite3_vtab_cursor* base)
{
    const auto* cursor = static_cast<CatalogueCursor*>(base);
    return cursor->at >= cursor->rows.size();
}

int Column(sqlite3_vtab_cursor* base, sqlite3_context* context, int column)
{
    const auto* cursor = static_cast<CatalogueCursor*>(base);
    const Cell& cell = cursor->rows[cursor->at][static_cast<size_t>(column)];
    if (const auto* i = std::get_if<std::int64_t>(&cell))
        sqlite3_result_int64(context, *i);
    else if (const auto* s = std::get_if<std::string>(&cell))
        sqlite3_result_text(context, s->data(), static_cast<int>(s->size()), SQLITE_TRANSIENT);
    else
        sqlite3_result_null(context);
    return SQLITE_OK;
}

int Rowid(sqlite3_vtab_cursor* base, sqlite3_int64* rowid)
{
    *rowid = static_cast<sqlite3_int64>(static_cast<CatalogueCursor*>(base)->at) + 1;
    return SQLITE_OK;
}

sqlite3_module MakeModule()
{
    sqlite3_module m{};
    m.iVersion = 0;
    m.xCreate = nullptr;  // eponymous only: the table exists by its module name alone
    m.xConnect = Connect;
    m.xBestIndex = BestIndex;
    m.xDisconnect = Disconnect;
    m.xDestroy = Disconnect;
    m.xOpen = Open;
    m.xClose = Close;
    m.xFilter = Filter;
    m.xNext = Next;
    m.xEof = Eof;
    m.xColumn = Column;
    m.xRowid = Rowid;
    return m;
}

const sqlite3_module kModule = MakeModule();

// ---- Functions -------------------------------------------------------------------------

struct FunctionAux {
    SqliteSchema* schema;
    std::string databaseName;
};

SqliteSchema& SchemaOf(sqlite3_context* context)
{
    return *static_cast<FunctionAux*>(sqlite3_user_data(context))->schema;
}

// The id of the constraint of some table that goes by a name, or nothing.
std::optional<std::int64_t> ConstraintId(SqliteSchema& schema, std::string_view name)
{
    for (const auto& table : schema.All()) {
        if (const IndexSchema* pk = table->PrimaryKey(); pk && EqualText(pk->name, name))
            return table->id + ObjectId::kPrimaryKey;
        for (const ColumnSchema& c : table->columns)
            if (c.defaultText && EqualText(c.defaultName, name))
                return table->id + c.colid;
        for (const ConstraintSchema& c : table->constraints)
            if (EqualText(c.name, name))
                return c.id;
    }
    return std::nullopt;
}

// object_id('T'): the id of a table or view by name, without regard to case, else of a
// constraint (which names only a miss reads); NULL when missing.
void ObjectIdFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    Guarded(context, [&] {
        sqlite3_result_null(context);
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
            return;
        const std::string name = TrimTrailingBlanks(LastNamePart(TextArg(argv[0])));
        if (const auto table = SchemaOf(context).Find(name))
            sqlite3_result_int64(context, table->id);
        else if (const auto constraint = ConstraintId(SchemaOf(context), name))
            sqlite3_result_int64(context, *constraint);
    });
}

// columnproperty(id, 'column', 'IsIdentity' | 'IsComputed' | 'AllowsNull'); NULL for an
// unknown table, column or property.
void ColumnPropertyFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    Guarded(context, [&] {
        const std::optional<std::int64_t> id = IdValue(argv[0]);
        sqlite3_result_null(context);
        if (!id || ObjectId::Part(*id) != 0 || sqlite3_value_type(argv[1]) == SQLITE_NULL)
            return;
        const auto table = SchemaOf(context).Find(*id);
        const ColumnSchema* column = table ? table->Column(TextArg(argv[1])) : nullptr;
        if (!column)
            return;
        const std::string_view property = TextArg(argv[2]);
        if (EqualsNoCase(property, "IsIdentity"))
            sqlite3_result_int(context, column->identity);
        else if (EqualsNoCase(property, "IsComputed"))
            sqlite3_result_int(context, column->computed);
        else if (EqualsNoCase(property, "AllowsNull"))
            sqlite3_result_int(context, column->nullable);
    });
}

void GetDateFunction(sqlite3_context* context, int, sqlite3_value**)
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(millis));
    sqlite3_result_text(context, text, -1, SQLITE_TRANSIENT);
}

// newid(): a random (version 4) uniqueidentifier in SQL Server's upper-case text form.
void NewIdFunction(sqlite3_context* context, int, sqlite3_value**)
{
    unsigned char bytes[16];
    sqlite3_randomness(sizeof bytes, bytes);
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);
    char text[37];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", bytes[0],
                  bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8], bytes[9], bytes[10],
                  bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    sqlite3_result_text(context, text, 36, SQLITE_TRANSIENT);
}

// Byte offsets of the UTF-8 characters of a text.
std::vector<size_t> CharacterStarts(std::string_view text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    return starts;
}

void SideFunction(sqlite3_context* context, sqlite3_value** argv, bool left)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const std::int64_t n = sqlite3_value_int64(argv[1]);
    if (n < 0) {
        sqlite3_result_error(context,
                             left ? "Invalid length parameter passed to the left function."
                                  : "Invalid length parameter passed to the right function.",
                             -1);
        return;
    }
    const std::string_view text = TextArg(argv[0]);
    const std::vector<size_t> starts = CharacterStarts(text);
    const size_t count = static_cast<size_t>(n);
    std::string_view part = text;
    if (count < starts.size())
        part = left ? text.substr(0, starts[count]) : text.substr(starts[starts.size() - count]);
    sqlite3_result_text(context, part.data(), static_cast<int>(part.size()), SQLITE_TRANSIENT);
}

void LeftFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    SideFunction(context, argv, true);
}

void RightFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    SideFunction(context, argv, false);
}

// len(): characters without the trailing blanks, as SQL Server counts them.
void LenFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    std::string_view text = TextArg(argv[0]);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    sqlite3_result_int64(context, static_cast<std::int64_t>(CharacterStarts(text).size()));
}

void DbNameFunction(sqlite3_context* context, int, sqlite3_value**)
{
    const std::string& name = static_cast<FunctionAux*>(sqlite3_user_data(context))->databaseName;
    sqlite3_result_text(context, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
}

}  // namespace

void RegisterCatalogue(sqlite3* db, SqliteSchema& schema, const std::string& databaseName)
{
    // The catalogue's names are declared in the text collation, so it comes first.
    RegisterTSqlFunctions(db);
    for (const CatalogueTable& table : kTables)
        sqlite3_create_module_v2(db, table.name, &kModule, new ModuleAux{&table, &schema},
                                 [](void* aux) { delete static_cast<ModuleAux*>(aux); });

    auto* aux = new FunctionAux{&schema, databaseName};
    // The catalogue does not change while a statement runs, so SQLite may work these out once.
    constexpr int kStable = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "object_id", 1, kStable, aux, ObjectIdFunction, nullptr, nullptr,
                               [](void* p) { delete static_cast<FunctionAux*>(p); });
    sqlite3_create_function_v2(db, "columnproperty", 3, kStable, aux, ColumnPropertyFunction, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "db_name", 0, kStable, aux, DbNameFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "getdate", 0, SQLITE_UTF8, nullptr, GetDateFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "newid", 0, SQLITE_UTF8, nullptr, NewIdFunction, nullptr, nullptr, nullptr);
    RegisterObjectFunctions(db, schema);
    sqlite3_create_function_v2(db, "left", 2, kStable, nullptr, LeftFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "right", 2, kStable, nullptr, RightFunction, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(db, "len", 1, kStable, nullptr, LenFunction, nullptr, nullptr, nullptr);
}

}  // namespace ado::provider
