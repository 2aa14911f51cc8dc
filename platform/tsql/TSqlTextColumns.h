#pragma once

#include "TSqlStatements.h"

#include <vector>

namespace ado::provider {

// A text column made by CREATE TABLE or ALTER TABLE ... ADD is declared in the text collation
// (unless it names one), so that its keys, unique indexes, comparisons and order are the
// collation's, as a SQL Server column takes the database's: 'FNumber' and 'fnumber  ' are one key.
void CollateTextColumns(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements);

}  // namespace ado::provider
