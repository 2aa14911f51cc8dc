#pragma once

#include "XmlElement.h"

#include <QString>

#include <functional>
#include <vector>

// Proves an export lossless: replays the structure and data scripts of every server element on
// a scratch SQLite file, then compares each table of the template with its copy: the row count
// and a digest of the rows (TableDigest), the source read as the export read it (with the
// table's expr), the copy whole. A table that differs is reported with the first row the copy
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

    // Verifies every table; false when any differs or could not be verified.
    bool Run();

    int Verified() const { return m_verified; }
    int Failed() const { return m_failed; }
    // Values that the scripts hold in another form than their column's type, compared in that form.
    long OtherForms() const { return m_otherForms; }

private:
    struct Scripts;
    void VerifyScripts(const Scripts& scripts);
    void Fail(const xml::XmlElement& table, const QString& text);

    std::vector<xml::XmlElement> m_servers;
    Report m_report;
    int m_verified = 0;
    int m_failed = 0;
    long m_otherForms = 0;
};
