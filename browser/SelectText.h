#pragma once

#include <QString>

class VexaList;

// "Copy as SELECT": a query over the table with the field list's descriptions (the window's
// language) as column aliases: select FNumber as [代码], FName as [名称] from t_Account.
// A "]" inside an alias is doubled; a field with an empty description gets no alias. Names
// that cannot stand as regular identifiers are bracketed the same way.
QString SelectText(const QString& table, const VexaList& fieldRows);

// The name as it stands when it is a regular identifier and no reserved word, else bracketed.
QString SqlName(const QString& name);
