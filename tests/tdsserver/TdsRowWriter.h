#pragma once

#include "TdsColumn.h"
#include "TdsWriter.h"

#include <vector>

namespace tds {

void WriteColumnMetadata(TdsWriter& out, const std::vector<TdsColumn>& columns);

// One ROW token. A value the column cannot hold throws AutomationError with the server's
// conversion message; the row is then not written.
void WriteRow(TdsWriter& out, const std::vector<TdsColumn>& columns, const std::vector<ado::Value>& row);

}  // namespace tds
