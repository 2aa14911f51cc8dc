#include "InsertRowWorker.h"

InsertRowWorker::InsertRowWorker(InsertStatement& insert, Writer writer)
    : m_insert(insert), m_writer(std::move(writer)), m_thread([this] { Run(); })
{
}

InsertRowWorker::~InsertRowWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void InsertRowWorker::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_quit || m_rendered < m_submitted; });
        if (m_quit)
            return;
        Batch& batch = m_batches[m_rendered % kBatches];
        lock.unlock();
        batch.text.clear();
        batch.ends.clear();
        batch.failure = nullptr;
        try {
            for (size_t i = 0; i < batch.count; ++i) {
                m_insert.AppendRow(batch.text, batch.rows[i].data());
                batch.ends.push_back(batch.text.size());
            }
        } catch (...) {
            batch.failure = std::current_exception();
        }
        lock.lock();
        ++m_rendered;
        m_done.notify_one();
        // The table ends at the failing row: later rows are never rendered.
        if (batch.failure) {
            m_wake.wait(lock, [&] { return m_quit; });
            return;
        }
    }
}

void InsertRowWorker::Add(ado::Recordset& rows)
{
    Batch& batch = m_batches[m_submitted % kBatches];
    if (batch.count == batch.rows.size())
        batch.rows.emplace_back();
    rows.SwapRow(batch.rows[batch.count]);
    if (++batch.count == kRows)
        Submit();
}

void InsertRowWorker::Submit()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_submitted;
    }
    m_wake.notify_one();
    // Whatever is rendered goes out now; the next batch to fill waits for its slot.
    while (WriteNext(m_submitted - m_written >= kBatches)) {
    }
}

void InsertRowWorker::Drain()
{
    if (m_failed)
        return;
    if (m_batches[m_submitted % kBatches].count > 0)
        Submit();
    while (m_written < m_submitted)
        WriteNext(true);
}

bool InsertRowWorker::WriteNext(bool wait)
{
    if (m_written == m_submitted)
        return false;
    {
        std::unique_lock lock(m_mutex);
        if (wait)
            m_done.wait(lock, [&] { return m_rendered > m_written; });
        else if (m_rendered == m_written)
            return false;
    }
    Batch& batch = m_batches[m_written % kBatches];
    try {
        const std::string_view text = batch.text;
        size_t start = 0;
        for (const size_t end : batch.ends) {
            m_writer(text.substr(start, end - start), true);
            start = end;
        }
        if (batch.failure) {
            m_writer(text.substr(start), false);
            std::rethrow_exception(batch.failure);
        }
    } catch (...) {
        m_failed = true;
        throw;
    }
    batch.count = 0;
    ++m_written;
    return true;
}
