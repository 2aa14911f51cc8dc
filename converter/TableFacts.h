#pragma once

#include <QVariantMap>

#include <chrono>
#include <string>
#include <vector>

// What one structure or data export of a table did, as the converter tells its hosts after it
// (clsConverter::TableFinished): enough for a progress display and a run report.
struct TableFacts {
    // A column whose values were written in another form than its type gives.
    struct OtherForm {
        std::string column;
        long long values = 0;
        long long firstRow = 0;  // counted from 1
    };

    std::string server, database, table;
    int iType = 0;                  // as WriteToFile's: 0 data, 1 structure
    long long estimatedRows = -1;   // -1: not known
    long long rows = 0;             // rows whose insert statement was written
    long long bytes = 0;            // bytes of the table's statements in its script
    double seconds = 0;
    bool cancelled = false;
    std::string error;              // the logged description; empty when the export completed
    std::vector<OtherForm> otherForms;

    // Keys: server, database, table, part ("data" or "structure"), ok, error, cancelled,
    // estimatedRows, rows, bytes, seconds, otherForms (a list of maps: column, values, firstRow).
    QVariantMap ToMap() const;
};
