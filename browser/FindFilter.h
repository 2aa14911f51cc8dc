#pragma once

#include <QString>

#include <optional>

// The find dialog's search, shared by the dialog and the dictionary command: the filter on
// t_tabledescription that it builds from the typed code and name, and what it tells the user
// when the search brings no record set back.
namespace findfilter {

// The filter for the code and name as typed (already trimmed, at least one not empty). Each text
// is data: it goes in as one literal with its quotes doubled and LIKE's "%", "_" and "[" taken
// as themselves, so a table matches when its code or name contains the text. The name is looked
// for in the language's descriptions, falling back to the simplified-Chinese one where a table has
// none, as the tree shows it. Nothing when a text cannot be searched for (it holds a NUL or half a
// character).
std::optional<QString> Filter(const QString& code, const QString& name, const QString& language);

// For a search that brought no record set back: the localised "输入有误,请重新输入" when the
// message text is what the database server says of a typed quote, else the message text.
QString FailureText(const QString& sMsg);

// The localised "输入有误,请重新输入": what a text that cannot be searched for gets.
QString BadInputText();

}  // namespace findfilter
