#pragma once

#include "Connection.h"
#include "ServerTableDigest.h"
#include "XmlElement.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Proves an export lossless: replays the structure and data scripts of every server element on
// a scratch SQLite file, then compares each table of the template with its copy: the row count
// and a digest of the rows, the source read as the export read it (with the table's expr), the
// copy whole. Rows of a SQLite source compare as the script writes them (TableDigest); rows of
// a server, whose values all have their column's type, as the source's column types hold them
// (ServerTableDigest). A table that differs is reported with the first row the copy
// lacks and the first row it holds beyond the source.
//
// The data script's special updates are not replayed: they recompute a column from tables of
// the target database that the copy does not have, and the insert before them already carries
// the source's value, which is what is compared.
class ExportVerifier {
public:
    // Told once per table that differs or could not be verified: the table element and why.
    using Report = std::function<void(const xml::XmlElement& table, const QString& text)>;

    ExportVerifier(std::vector<xml::XmlElement> servers, Report report);

    // Replays on a scratch database of the SQL Server this connection text reaches instead (made
    // with a name of its own, dropped at the end, also after a failure), and compares each
    // source row with the copy's row as the copy's column types hold it (ServerTableDigest),
    // identity columns included.
    void ReplayOn(std::string serverText) { m_server = std::move(serverText); }

    // Verifies every table; false when any differs or could not be verified.
    bool Run();

    int Verified() const { return m_verified; }
    int Failed() const { return m_failed; }
    // Values that the scripts hold in another form than their column's type, compared in that form.
    long OtherForms() const { return m_otherForms; }

private:
    struct Scripts;
    void VerifyScripts(const Scripts& scripts);
    // Compares one table with its copy value for value as the columns' types hold them; false
    // when it differs.
    bool SameAsTyped(const xml::XmlElement& table, const std::string& T, const ado::ConnectionPtr& source,
                     const ado::ConnectionPtr& copy, const ServerTableDigest::Columns& columns);
    void Fail(const xml::XmlElement& table, const QString& text);

    std::vector<xml::XmlElement> m_servers;
    std::optional<std::string> m_server;
    Report m_report;
    int m_verified = 0;
    int m_failed = 0;
    long m_otherForms = 0;
};
