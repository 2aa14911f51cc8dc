#pragma once

#include "Recordset.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Reads a forward-only record set's rows on a thread of its own while the caller writes the
// rows before them. The reader packs each row into one of a few batches of bytes, as the
// provider reads it (SQLite: each column as stored, decimals as their digits and dates read);
// the caller unpacks them into a row of its own. Between the two threads pass only those bytes,
// written and read in order: values handed over as they are (their strings' buffers going to
// and fro) cost more in the processors' caches than reading the rows did. Memory stays flat
// however long the table. The caller takes the rows in their order; a failure of the source
// comes to it after the rows read before it, where moving to the next row would have thrown it.
class RowReadAhead {
public:
    // Starts at the record set's current row. The record set is the reader's alone until
    // this is destroyed, except while a Pause lasts.
    explicit RowReadAhead(ado::Recordset& rows);
    ~RowReadAhead();
    RowReadAhead(const RowReadAhead&) = delete;
    RowReadAhead& operator=(const RowReadAhead&) = delete;

    // The next row's values in field order, valid until the next call; null after the last.
    // Throws the source's failure once, after the rows before it.
    const ado::Value* Next();

    // Keeps the reader off the record set and its connection while the caller runs code
    // that may use them (the user interface's events).
    class Pause {
    public:
        explicit Pause(RowReadAhead& ahead);
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        RowReadAhead& m_ahead;
    };

private:
    // The reader writes a batch while the caller reads another: each on cache lines of its own.
    struct alignas(64) Batch {
        std::string bytes;  // the rows' values, packed; its buffer is kept between uses
        size_t count = 0;
        bool last = false;           // the source ends after these rows
        std::exception_ptr failure;  // of moving past the last of them
    };
    static constexpr size_t kRows = 512;
    static constexpr size_t kBatches = 4;

    void Run();
    void Fill(Batch& batch);

    ado::Recordset& m_rows;
    const std::shared_ptr<const ado::provider::RowUnpacker> m_unpacker;
    const ado::Value* m_first;  // the record set's current row, until the caller has taken it
    Batch m_batches[kBatches];
    // Batches by number; batch n uses m_batches[n % kBatches]. Filled by the reader, taken by
    // the caller: taken <= filled <= taken + kBatches.
    size_t m_filled = 0;
    size_t m_taken = 0;
    bool m_reading = false;  // the reader is in the record set
    bool m_quit = false;
    alignas(64) std::atomic<bool> m_paused = false;  // also read by the reader between rows, without the lock
    // The caller's own: the batch it holds (m_taken), where its next row starts, the row given.
    alignas(64) Batch* m_held = nullptr;
    size_t m_next = 0;
    size_t m_offset = 0;
    std::vector<ado::Value> m_row;
    alignas(64) std::mutex m_mutex;
    std::condition_variable m_wakeReader;  // a batch free, a pause over, or quit
    std::condition_variable m_wakeCaller;  // a batch filled, or the reader out of the record set
    std::thread m_thread;
};
