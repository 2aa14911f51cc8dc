#pragma once

#include "InsertStatement.h"
#include "Recordset.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// Renders a table's insert rows on a thread of its own while the caller reads the next rows
// from the source. The caller hands over each row's values (taken out of the record set, no
// copy); the rendered rows come back to the caller's writer in the order they were added, on
// the caller's thread, so the file, the counts and the progress stay the caller's alone. At
// most a few batches of rows are in flight: memory stays flat however long the table.
class InsertRowWorker {
public:
    // Called on the caller's thread for each row's values list in order; complete is false
    // for the start of a row whose rendering failed, after which the failure is thrown.
    using Writer = std::function<void(std::string_view text, bool complete)>;

    // insert is used by the worker alone until Drain returns.
    InsertRowWorker(InsertStatement& insert, Writer writer);
    ~InsertRowWorker();
    InsertRowWorker(const InsertRowWorker&) = delete;
    InsertRowWorker& operator=(const InsertRowWorker&) = delete;

    // Takes the current row of rows, which must move next before it is read again. May write
    // rows rendered by then.
    void Add(ado::Recordset& rows);
    // Writes every row added so far; throws the failure of a row's rendering once, after the
    // rows before it.
    void Drain();

private:
    struct Batch {
        std::vector<std::vector<ado::Value>> rows;  // kept between uses: their buffers are reused
        size_t count = 0;
        std::string text;
        std::vector<size_t> ends;  // where each rendered row ends in text
        std::exception_ptr failure;  // of the row after the last end
    };
    static constexpr size_t kRows = 256;
    static constexpr size_t kBatches = 4;

    void Run();
    void Submit();
    // Writes the oldest rendered batch, waiting for it when wait.
    bool WriteNext(bool wait);

    InsertStatement& m_insert;
    Writer m_writer;
    Batch m_batches[kBatches];
    // Batches by number; batch n uses m_batches[n % kBatches]. Filled by the caller, rendered by
    // the worker, written by the caller: written <= rendered <= submitted <= written + kBatches.
    size_t m_submitted = 0;
    size_t m_rendered = 0;
    size_t m_written = 0;
    bool m_failed = false;  // a rendering failed and was thrown: nothing more is written
    bool m_quit = false;
    std::mutex m_mutex;
    std::condition_variable m_wake;  // the worker: a batch submitted, or quit
    std::condition_variable m_done;  // the caller: a batch rendered
    std::thread m_thread;
};
