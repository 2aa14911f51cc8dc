#pragma once

#include <QString>

// How the window reads a tree node: its tag's number, and the table name and table ID that a
// table node's text and key carry. The batch outputs read the tree records the same way, so
// they ask the data layer exactly what the window asks when the node is picked.
namespace nodetext {

// The number a text begins with (blanks before it skipped), 0 when it begins with none.
double LeadingNumber(const QString& text);
// The text as a 32-bit integer, rounded half to even; error 13 when it is no number, 6 when it
// is too large.
qint32 ToLong(const QString& text);
// The table name in a table node's text "description(name)": what is inside the parentheses
// that close the text (those of the name itself matched), else what follows the last "(" less
// the last character. Error 5 when nothing follows.
QString TableName(const QString& nodeText);
// The table ID in a table node's key: what follows its first ".", as ToLong reads it.
qint32 TableId(const QString& nodeKey);

}  // namespace nodetext
