#pragma once

#include "ConnectionText.h"
#include "Provider.h"

#include <memory>

namespace ado::provider {

enum class SqliteOpenMode { ReadOnly, ReadWrite, Create };

// Opens the SQLite file named by the text's "Data Source"; only SqliteOpenMode::Create makes a
// file that does not exist. The session speaks SQL Server's dialect and catalogue (sysobjects,
// syscolumns, ..., sp_helpindex) and reports errors in SQL Server's words.
std::shared_ptr<Session> OpenSqlite(const ConnectionText& text, SqliteOpenMode mode);

// Maps a SQLite declared column type to its ADO description (type number, defined size,
// precision, scale); the name and nullable bit are the caller's.
FieldInfo FieldInfoFromDeclaredType(std::string_view declaredType);

}  // namespace ado::provider
