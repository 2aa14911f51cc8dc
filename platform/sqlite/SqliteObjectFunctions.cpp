#include "SqliteObjectFunctions.h"

#include "SqlTokenizer.h"
#include "SqliteErrors.h"
#include "SqliteFunctionArgs.h"
#include "SqliteIdentity.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace ado::provider {

namespace {

SqliteSchema& SchemaOf(sqlite3_context* context)
{
    return *static_cast<SqliteSchema*>(sqlite3_user_data(context));
}

// What an object id names: a table or view, or one of a table's constraints.
struct Object {
    const TableSchema* table;
    std::optional<ConstraintClause::Kind> key;  // a primary key, unique, foreign key or check
    bool isDefault = false;

    bool IsTable() const { return !key && !isDefault; }
    bool Is(ConstraintClause::Kind kind) const { return key == kind; }
    bool Has(ConstraintClause::Kind kind) const
    {
        return std::any_of(table->constraints.begin(), table->constraints.end(),
                           [&](const ConstraintSchema& c) { return c.kind == kind; });
    }
};

std::optional<Object> ObjectOf(const TableSchema& table, std::int64_t id)
{
    const std::int64_t part = ObjectId::Part(id);
    if (part == 0)
        return Object{&table, std::nullopt};
    if (part == ObjectId::kPrimaryKey)
        return table.PrimaryKey() ? std::optional(Object{&table, ConstraintClause::Kind::PrimaryKey}) : std::nullopt;
    if (part < ObjectId::kFirstConstraint) {
        const auto column = static_cast<size_t>(part - 1);
        return column < table.columns.size() && table.columns[column].defaultText
                   ? std::optional(Object{&table, std::nullopt, true})
                   : std::nullopt;
    }
    for (const ConstraintSchema& c : table.constraints)
        if (c.id == id)
            return Object{&table, c.kind};
    return std::nullopt;
}

// The properties answered, each for tables (and views) or for constraints; NULL for the others,
// as SQL Server gives for a property that does not apply to the object.
struct Property {
    std::string_view name;
    bool ofTables;
    bool ofConstraints;
    bool (*value)(const Object&);
};

constexpr Property kProperties[] = {
    {"IsTable", true, true, [](const Object& o) { return o.IsTable() && !o.table->view; }},
    {"IsUserTable", true, true, [](const Object& o) { return o.IsTable() && !o.table->view; }},
    {"IsView", true, true, [](const Object& o) { return o.IsTable() && o.table->view; }},
    {"IsMSShipped", true, true, [](const Object&) { return false; }},
    {"IsConstraint", true, true, [](const Object& o) { return !o.IsTable(); }},
    {"IsPrimaryKey", true, true, [](const Object& o) { return o.Is(ConstraintClause::Kind::PrimaryKey); }},
    {"IsUniqueCnst", true, true, [](const Object& o) { return o.Is(ConstraintClause::Kind::Unique); }},
    {"IsForeignKey", true, true, [](const Object& o) { return o.Is(ConstraintClause::Kind::ForeignKey); }},
    {"IsCheckCnst", true, true, [](const Object& o) { return o.Is(ConstraintClause::Kind::Check); }},
    {"IsDefaultCnst", true, true, [](const Object& o) { return o.isDefault; }},
    {"TableHasIdentity", true, false,
     [](const Object& o) {
         return std::any_of(o.table->columns.begin(), o.table->columns.end(),
                            [](const ColumnSchema& c) { return c.identity; });
     }},
    {"TableHasPrimaryKey", true, false, [](const Object& o) { return o.table->PrimaryKey() != nullptr; }},
    {"TableHasClustIndex", true, false,
     [](const Object& o) {
         return std::any_of(o.table->indexes.begin(), o.table->indexes.end(),
                            [](const IndexSchema& i) { return i.clustered; });
     }},
    {"TableHasNonclustIndex", true, false,
     [](const Object& o) {
         return std::any_of(o.table->indexes.begin(), o.table->indexes.end(),
                            [](const IndexSchema& i) { return !i.clustered; });
     }},
    {"TableHasIndex", true, false, [](const Object& o) { return !o.table->indexes.empty(); }},
    {"TableHasUniqueCnst", true, false, [](const Object& o) { return o.Has(ConstraintClause::Kind::Unique); }},
    {"TableHasForeignKey", true, false, [](const Object& o) { return o.Has(ConstraintClause::Kind::ForeignKey); }},
    {"TableHasCheckCnst", true, false, [](const Object& o) { return o.Has(ConstraintClause::Kind::Check); }},
    {"TableHasDefaultCnst", true, false,
     [](const Object& o) {
         return std::any_of(o.table->columns.begin(), o.table->columns.end(),
                            [](const ColumnSchema& c) { return c.defaultText.has_value(); });
     }},
};

std::optional<std::int64_t> IntegerArg(sqlite3_value* value)
{
    if (sqlite3_value_numeric_type(value) == SQLITE_INTEGER)
        return sqlite3_value_int64(value);
    return std::nullopt;
}

void ObjectPropertyFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    Guarded(context, [&] {
        sqlite3_result_null(context);
        const std::optional<std::int64_t> id = IntegerArg(argv[0]);
        const std::string_view name = TextArg(argv[1]);
        const auto property = std::find_if(std::begin(kProperties), std::end(kProperties),
                                           [&](const Property& p) { return EqualsNoCase(p.name, name); });
        if (!id || property == std::end(kProperties))
            return;
        const auto table = SchemaOf(context).Find(*id, SqliteSchema::Detail::Indexes);
        const std::optional<Object> object = table ? ObjectOf(*table, *id) : std::nullopt;
        if (!object || !(object->IsTable() ? property->ofTables : property->ofConstraints))
            return;
        sqlite3_result_int(context, property->value(*object));
    });
}

// The identity column of the table a name gives, or null.
const ColumnSchema* IdentityColumn(const TableSchema* table)
{
    if (!table)
        return nullptr;
    const auto found = std::find_if(table->columns.begin(), table->columns.end(),
                                    [](const ColumnSchema& c) { return c.identity; });
    return found == table->columns.end() ? nullptr : &*found;
}

enum class IdentPart { Seed, Increment, Current };

template <IdentPart part>
void IdentFunction(sqlite3_context* context, int, sqlite3_value** argv)
{
    Guarded(context, [&] {
        sqlite3_result_null(context);
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
            return;
        const auto table = SchemaOf(context).Find(LastNamePart(TextArg(argv[0])));
        const ColumnSchema* identity = IdentityColumn(table.get());
        if (!identity)
            return;
        const auto [seed, increment] = SeedAndIncrement(identity->declaredType);
        if (part != IdentPart::Current) {
            sqlite3_result_int64(context, part == IdentPart::Seed ? seed : increment);
            return;
        }
        // The last value given is the one furthest along the increment; the seed while there is none.
        const auto quoted = [](const std::string& name) {
            std::string out = "\"";
            for (const char c : name)
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            return out + '"';
        };
        const std::string sql = std::string("SELECT ") + (increment > 0 ? "max(" : "min(") + quoted(identity->name) +
                                ") FROM " + quoted(table->name);
        sqlite3* db = sqlite3_context_db_handle(context);
        const StatementPtr statement = PrepareStatement(db, sql.c_str());
        const int rc = sqlite3_step(statement.get());
        if (rc == SQLITE_ROW && sqlite3_column_type(statement.get(), 0) != SQLITE_NULL)
            sqlite3_result_int64(context, sqlite3_column_int64(statement.get(), 0));
        else if (rc == SQLITE_ROW)
            sqlite3_result_int64(context, seed);
        else
            throw TranslateSqliteError(db, rc, {});
    });
}

}  // namespace

void RegisterObjectFunctions(sqlite3* db, SqliteSchema& schema)
{
    // The catalogue does not change while a statement runs, so SQLite may work these out once.
    constexpr int kStable = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(db, "objectproperty", 2, kStable, &schema, ObjectPropertyFunction, nullptr, nullptr,
                               nullptr);
    sqlite3_create_function_v2(db, "ident_seed", 1, kStable, &schema, IdentFunction<IdentPart::Seed>, nullptr,
                               nullptr, nullptr);
    sqlite3_create_function_v2(db, "ident_incr", 1, kStable, &schema, IdentFunction<IdentPart::Increment>, nullptr,
                               nullptr, nullptr);
    // The current value changes with every insert.
    sqlite3_create_function_v2(db, "ident_current", 1, SQLITE_UTF8, &schema, IdentFunction<IdentPart::Current>,
                               nullptr, nullptr, nullptr);
}

}  // namespace ado::provider
