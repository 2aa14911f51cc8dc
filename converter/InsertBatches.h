#pragma once

#include <string>

// The data script's transactions, when the server element's `batch` attribute asks for them:
// every N inserts of a table (each with its special update) stand between a "begin tran" line
// and a "commit tran" line, so that a replay commits once per batch rather than once per
// statement. Without the attribute nothing is added and the script keeps its bytes.
class InsertBatches {
public:
    static constexpr const char* kBegin = "begin tran";
    static constexpr const char* kCommit = "commit tran";

    // attribute: the server element's batch attribute, empty for none. Throws AutomationError
    // for anything but a whole number of inserts from 1 to kMostInserts.
    explicit InsertBatches(const std::string& attribute);

    static constexpr long kMostInserts = 1000000000;

    // Before a row's insert: true when a batch begins with it (write kBegin first).
    bool BeforeRow();
    // After a row's statements: true when they fill the batch (write kCommit).
    bool AfterRow();
    // At the end of the table, however it ends: true when a batch is still open (write kCommit).
    bool Close();

private:
    long m_size = 0;  // 0: no batches
    long m_rows = 0;  // rows of the open batch
    bool m_open = false;
};
