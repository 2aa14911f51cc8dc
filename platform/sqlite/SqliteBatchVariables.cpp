#include "SqliteBatchVariables.h"

#include "SqlTokenizer.h"
#include "SqliteErrors.h"
#include "TSqlConvert.h"

namespace ado::provider {

namespace {

// A declared character type without a length holds one character.
constexpr int kDeclaredDefaultLength = 1;

TSqlValue ColumnValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement, column)));
    }
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return TSqlBytes{std::string(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(statement, column)))};
    }
    default:
        return std::monostate{};
    }
}

}  // namespace

void SqliteBatchVariables::Declare(const std::vector<TSqlVariable>& declared)
{
    for (const TSqlVariable& v : declared)
        if (!Find(v.name))
            m_variables.push_back(Variable{v.name, v.type, std::monostate{}});
}

std::vector<TSqlVariable> SqliteBatchVariables::Declared() const
{
    std::vector<TSqlVariable> declared;
    for (const Variable& v : m_variables)
        declared.push_back(TSqlVariable{v.name, v.type});
    return declared;
}

SqliteBatchVariables::Variable* SqliteBatchVariables::Find(std::string_view name)
{
    for (Variable& v : m_variables)
        if (EqualsNoCase(v.name, name))
            return &v;
    return nullptr;
}

const SqliteBatchVariables::Variable* SqliteBatchVariables::Find(std::string_view name) const
{
    return const_cast<SqliteBatchVariables*>(this)->Find(name);
}

void SqliteBatchVariables::Bind(sqlite3_stmt* statement) const
{
    const int count = sqlite3_bind_parameter_count(statement);
    for (int k = 1; k <= count; ++k) {
        const char* name = sqlite3_bind_parameter_name(statement, k);
        if (!name || name[0] != '@')
            continue;
        const Variable* v = Find(name);
        if (!v)
            throw ProviderError(kErrorCommand, "Must declare the scalar variable \"" + std::string(name) + "\".");
        if (const auto* i = std::get_if<std::int64_t>(&v->value))
            sqlite3_bind_int64(statement, k, *i);
        else if (const auto* d = std::get_if<double>(&v->value))
            sqlite3_bind_double(statement, k, *d);
        else if (const auto* s = std::get_if<std::string>(&v->value))
            sqlite3_bind_text64(statement, k, s->data(), s->size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        else if (const auto* b = std::get_if<TSqlBytes>(&v->value))
            sqlite3_bind_blob64(statement, k, b->bytes.data(), b->bytes.size(), SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(statement, k);
    }
}

void SqliteBatchVariables::Assign(sqlite3_stmt* statement, sqlite3* db, std::string_view lastToken)
{
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            Variable* v = Find(sqlite3_column_name(statement, c));
            if (!v)
                continue;
            try {
                v->value = ConvertValue(ColumnValue(statement, c), v->type, std::nullopt, {}, kDeclaredDefaultLength);
            } catch (const TSqlError& e) {
                throw ProviderError(kErrorCommand, e.what());
            }
        }
    }
    if (rc != SQLITE_DONE)
        throw TranslateSqliteError(db, rc, lastToken);
}

std::string SqliteBatchVariables::Text(std::string_view name) const
{
    const Variable* v = Find(name);
    if (!v || std::holds_alternative<std::monostate>(v->value))
        return {};
    const TSqlValue text = ConvertValue(v->value, TSqlDataType::Parse("nvarchar(max)"));
    return std::get<std::string>(text);
}

}  // namespace ado::provider
