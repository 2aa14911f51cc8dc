#pragma once

#include <QList>
#include <QString>

class VexaList;

// "Copy as SELECT": a query over the table with the field list's descriptions (the window's
// language) as column aliases: select FNumber as [代码], FName as [名称] from t_Account.
// A "]" inside an alias is doubled; a field with an empty description gets no alias. Names
// that cannot stand as regular identifiers are bracketed the same way. With positions given, only
// the rows at those positions, in the rows' order.
QString SelectText(const QString& table, const VexaList& fieldRows, const QList<int>& only = {});

// The name as it stands when it is a regular identifier and no reserved word, else bracketed.
QString SqlName(const QString& name);
