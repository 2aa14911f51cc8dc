#pragma once

#include <sqlite3.h>

#include <exception>
#include <string_view>

namespace ado::provider {

// The text of an SQL function's argument (empty for NULL), as SQLite holds it: valid until the
// argument is read in another form.
inline std::string_view TextArg(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

// Runs the body of a catalogue function: an exception becomes the statement's error, never
// unwinds through SQLite.
template <class F>
void Guarded(sqlite3_context* context, F&& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        sqlite3_result_error(context, e.what(), -1);
    }
}

}  // namespace ado::provider
