#pragma once

#include <string>
#include <string_view>

// Names as the scripts write them. A regular identifier (a letter or "_" first, then letters,
// digits, "_", "@", "$" or "#", and not a reserved keyword) is written as it stands, so ordinary
// scripts keep their bytes; any other name is written in brackets with "]" doubled, so no name
// can end a statement or change what it does.
namespace sqlname {

bool IsRegularIdentifier(std::string_view name);

// One name as the catalogue gives it (a column, an index): as it stands when regular, else
// bracketed.
std::string Quote(std::string_view name);

// A possibly qualified name as a template or a row gives it ("dbo.t_Item", "[odd t]",
// "[dbo].[order]"): every dot-separated part is written as Quote writes it; parts the text
// already brackets keep their brackets, parts in double quotes get brackets. A text that is no
// well-formed name is taken as one name.
std::string QuoteQualified(std::string_view name);

// Text placed inside a quoted literal: every "'" doubled.
std::string InLiteral(std::string_view text);

}  // namespace sqlname
