#pragma once

#include <QString>

// The find dialog's search, shared by the dialog and the dictionary command: the filter on
// t_tabledescription that it builds from the typed code and name, and what it tells the user
// when the search brings no record set back.
namespace findfilter {

// The filter for the code and name as typed (already trimmed, at least one not empty). The
// texts go in as they stand: LIKE's pattern characters keep their meaning, and a quote makes
// the database refuse the statement.
QString Filter(const QString& code, const QString& name);

// For a search that brought no record set back: the localised "输入有误,请重新输入" when the
// message text is what the database server says of a typed quote, else the message text.
QString FailureText(const QString& sMsg);

}  // namespace findfilter
