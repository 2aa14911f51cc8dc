#pragma once

#include <string_view>

// A column's default as the catalogue gives its text is data: it goes into a create statement
// only when the server will read it as the default and nothing more.
namespace DefaultExpression {

// True when text is one balanced expression with nothing after it: a literal, a signed number,
// a function call or a parenthesised group, every string, name and parenthesis closed, no
// comment, no ";" and no line break (a tool would split a script at a line that is only GO).
bool IsWhole(std::string_view text);

}  // namespace DefaultExpression
