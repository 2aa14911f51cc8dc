#pragma once

#include <QString>

// Keeps passwords out of shell history and process lists: a SQL Server connection text with a
// login but no password gets it from TABRIX_PASSWORD or, when standard input is a terminal, from
// a prompt that does not echo. Other texts, and texts that carry a password, stay as they are.
// False (with the reason) when the prompt could not be read.
bool CompleteConnectionPassword(QString& connection, QString& error);
