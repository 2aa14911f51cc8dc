#pragma once

#include "XmlElement.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// tabrix export --verify, once the run is over: verifies the scripts of every server element
// (ExportVerifier) and tells each table that differs, or could not be verified, on the terminal
// and in its server's log (through the converter's WriteToFile, in the log's usual form), then a
// summary. With a SQL Server connection text the scripts are replayed on a scratch database of
// that server instead of a scratch SQLite file. False when any table differs or could not be
// verified.
bool VerifyAfterExport(const std::vector<xml::XmlElement>& servers, QObject* converter,
                       const std::optional<QString>& serverText = std::nullopt);
