#pragma once

#include "ConnectionText.h"
#include "Provider.h"

#include <memory>

namespace ado::provider {

// Opens the SQLite file named by the text's "Data Source". The session speaks SQL Server's
// dialect and catalogue (sysobjects, syscolumns, ..., sp_helpindex) and reports errors in
// SQL Server's words.
std::shared_ptr<Session> OpenSqlite(const ConnectionText& text, bool readOnly);

// Maps a SQLite declared column type to its ADO description (type number, defined size,
// precision, scale); the name and nullable bit are the caller's.
FieldInfo FieldInfoFromDeclaredType(std::string_view declaredType);

}  // namespace ado::provider
