#pragma once

#include "SqliteHandles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ado::provider {

// A data script inserts row after row with statements that differ only in their values:
// "INSERT [INTO] table [(columns)] VALUES (v, ...)", every v a literal (a number with an
// optional sign, a text, N'text', 0x bytes or NULL). Compiling each of them costs more than
// running it, so the statement compiled for the first insert of a shape is kept with its values
// made parameters, and every later insert of that shape binds its own values to it.
//
// Values are bound as SQLite reads them as literals: texts and bytes as they are, whole numbers
// that fit 64 bits as integers (a decimal literal that stands for one beyond 2^53 too, as the
// rewriter writes it), every other number as its text through SQLite's own conversion to REAL
// (CAST), the sign applied as the literal's minus is.
class SqliteInsertCache {
public:
    struct Literal {
        enum class Kind { Null, Integer, Real, Text, Bytes };
        Kind kind = Kind::Null;
        bool negative = false;     // a Real preceded by "-"
        std::int64_t integer = 0;  // Integer, the sign applied
        std::string_view text;     // Real: the digits; Text: the content when it holds no quote
        std::string owned;         // Text with quotes (made single), Bytes (decoded)
    };

    // An insert of literal values as the statement's text gives it; it refers to that text.
    struct Insert {
        std::string shape;  // the text up to the value list and how each value is bound
        std::vector<Literal> values;
        std::string_view lastToken;
    };

    // Reads sql as an insert of literal values; nothing when it is any other statement, or more
    // than one.
    static std::optional<Insert> Read(std::string_view sql);

    // The provider's text for inserts of this shape: rewritten (the provider's form of the
    // insert's own text) with its value list made parameters; nothing when rewritten does not
    // end in a value list of as many values.
    static std::optional<std::string> Parameterised(std::string_view rewritten, const Insert& insert);

    // Binds the insert's values to a statement made from Parameterised.
    static void Bind(sqlite3_stmt* statement, const Insert& insert);

    // The kept statement of a shape, or null.
    sqlite3_stmt* Find(const std::string& shape) const;
    sqlite3_stmt* Keep(const std::string& shape, StatementPtr statement);
    // Drops every kept statement: tables or the identity triggers they were compiled with
    // may have changed.
    void Clear() { m_statements.clear(); }

private:
    std::unordered_map<std::string, StatementPtr> m_statements;
};

}  // namespace ado::provider
