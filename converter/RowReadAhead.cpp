#include "RowReadAhead.h"

#include <utility>

RowReadAhead::RowReadAhead(ado::Recordset& rows)
    : m_rows(rows),
      m_unpacker(rows.Unpacker()),
      m_first(rows.CurrentRow()),
      m_row(static_cast<size_t>(rows.FieldCount())),
      m_thread([this] { Run(); })
{
}

RowReadAhead::~RowReadAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
        m_paused = true;  // ends the batch being filled at its next row
    }
    m_wakeReader.notify_one();
    m_thread.join();
}

void RowReadAhead::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wakeReader.wait(lock, [&] { return m_quit || (!m_paused && m_filled < m_taken + kBatches); });
        if (m_quit)
            return;
        Batch& batch = m_batches[m_filled % kBatches];
        m_reading = true;
        lock.unlock();
        Fill(batch);
        lock.lock();
        m_reading = false;
        const bool last = batch.last;
        ++m_filled;
        m_wakeCaller.notify_one();
        if (last)
            return;
    }
}

void RowReadAhead::Fill(Batch& batch)
{
    batch.bytes.clear();
    batch.count = 0;
    batch.last = false;
    batch.failure = nullptr;
    try {
        // A pause ends the batch early: the caller waits for the reader to leave the record set.
        while (batch.count < kRows && !m_paused.load(std::memory_order_relaxed)) {
            if (!m_rows.ReadNextPacked(batch.bytes)) {
                batch.last = true;
                return;
            }
            ++batch.count;
        }
    } catch (...) {
        batch.failure = std::current_exception();
        batch.last = true;
    }
}

const ado::Value* RowReadAhead::Next()
{
    // The record set's current row is read where it is; the reader packs the rows after it.
    if (m_first)
        return std::exchange(m_first, nullptr);
    for (;;) {
        if (m_held) {
            if (m_next < m_held->count) {
                const char* p = m_held->bytes.data() + m_offset;
                m_unpacker->Unpack(p, m_row.data());
                m_offset = static_cast<size_t>(p - m_held->bytes.data());
                ++m_next;
                return m_row.data();
            }
            if (m_held->last) {
                if (m_held->failure)
                    std::rethrow_exception(std::exchange(m_held->failure, nullptr));
                return nullptr;
            }
            {
                const std::lock_guard lock(m_mutex);
                ++m_taken;
                m_held = nullptr;
            }
            m_wakeReader.notify_one();
        }
        std::unique_lock lock(m_mutex);
        m_wakeCaller.wait(lock, [&] { return m_filled > m_taken; });
        m_held = &m_batches[m_taken % kBatches];
        m_next = 0;
        m_offset = 0;
    }
}

RowReadAhead::Pause::Pause(RowReadAhead& ahead) : m_ahead(ahead)
{
    std::unique_lock lock(ahead.m_mutex);
    ahead.m_paused = true;
    ahead.m_wakeCaller.wait(lock, [&] { return !ahead.m_reading; });
}

RowReadAhead::Pause::~Pause()
{
    {
        const std::lock_guard lock(m_ahead.m_mutex);
        m_ahead.m_paused = false;
    }
    m_ahead.m_wakeReader.notify_one();
}
