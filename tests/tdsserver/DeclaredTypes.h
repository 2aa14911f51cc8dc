#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace tds {

// What SQLite knows of one result column beyond the provider's ADO description.
struct DeclaredColumn {
    std::string type;   // the declared type, "ntext"; empty for an expression
    std::string table;  // the table it comes from; empty for an expression
};

// The record set the provider gives says "long text" for both text and varchar(max), which the
// server sends differently. This looks the statement up once more on a read-only handle of its
// own: SQLite prepares it without running it and tells each column's declared type and table.
// Statements it cannot prepare alone (catalogue views, several statements) give nothing, and
// their columns go by the ADO description.
class DeclaredTypes {
public:
    explicit DeclaredTypes(const std::filesystem::path& file);
    ~DeclaredTypes();
    DeclaredTypes(const DeclaredTypes&) = delete;
    DeclaredTypes& operator=(const DeclaredTypes&) = delete;

    // One entry per column, or an empty list when the statement's columns cannot be told.
    std::vector<DeclaredColumn> Of(std::string_view sql, std::size_t columnCount) const;

private:
    sqlite3* m_db = nullptr;
};

}  // namespace tds
