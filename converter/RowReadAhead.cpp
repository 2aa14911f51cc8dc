#include "RowReadAhead.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace {

// A value packs as its alternative's number, then its bytes: numbers and dates as they lie in
// memory, texts, decimals and bytes as their length and contents.
template <class T, size_t I = 0>
constexpr size_t Alternative()
{
    if constexpr (std::is_same_v<std::variant_alternative_t<I, ado::Value>, T>)
        return I;
    else
        return Alternative<T, I + 1>();
}

template <class T>
void PutRaw(std::string& out, const T& value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void PutText(std::string& out, const void* data, size_t size)
{
    PutRaw(out, size);
    out.append(static_cast<const char*>(data), size);
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

void Pack(std::string& out, const ado::Value& value)
{
    out.push_back(static_cast<char>(value.index()));
    std::visit(Overloaded{
                   [](const ado::Null&) {},
                   [&](bool b) { out.push_back(b ? 1 : 0); },
                   [&](std::int64_t i) { PutRaw(out, i); },
                   [&](double d) { PutRaw(out, d); },
                   [&](const ado::Decimal& d) { PutText(out, d.digits.data(), d.digits.size()); },
                   [&](const std::string& s) { PutText(out, s.data(), s.size()); },
                   [&](const ado::Bytes& b) { PutText(out, b.data(), b.size()); },
                   [&](const ado::DateTime& t) { PutRaw(out, t); },
               },
               value);
}

template <class T>
T GetRaw(const char*& p)
{
    T value;
    std::memcpy(&value, p, sizeof value);
    p += sizeof value;
    return value;
}

std::string_view GetText(const char*& p)
{
    const auto size = GetRaw<size_t>(p);
    const std::string_view text(p, size);
    p += size;
    return text;
}

// Into a string that usually has the room already, as the next row's value of a column mostly has.
void CopyInto(std::string& target, std::string_view text)
{
    target.resize(text.size());
    if (!text.empty())
        std::memcpy(target.data(), text.data(), text.size());
}

void Unpack(const char*& p, ado::Value& value)
{
    switch (static_cast<size_t>(*p++)) {
    case Alternative<ado::Null>():
        value.emplace<ado::Null>();
        return;
    case Alternative<bool>():
        value = *p++ != 0;
        return;
    case Alternative<std::int64_t>():
        value = GetRaw<std::int64_t>(p);
        return;
    case Alternative<double>():
        value = GetRaw<double>(p);
        return;
    case Alternative<ado::Decimal>():
        if (auto* decimal = std::get_if<ado::Decimal>(&value))
            CopyInto(decimal->digits, GetText(p));
        else
            value.emplace<ado::Decimal>(ado::Decimal{std::string(GetText(p))});
        return;
    case Alternative<std::string>():
        if (auto* text = std::get_if<std::string>(&value))
            CopyInto(*text, GetText(p));
        else
            value.emplace<std::string>(GetText(p));
        return;
    case Alternative<ado::Bytes>(): {
        const std::string_view bytes = GetText(p);
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        if (auto* target = std::get_if<ado::Bytes>(&value))
            target->assign(data, data + bytes.size());
        else
            value.emplace<ado::Bytes>(data, data + bytes.size());
        return;
    }
    default:
        value = GetRaw<ado::DateTime>(p);
        return;
    }
}

}  // namespace

RowReadAhead::RowReadAhead(ado::Recordset& rows)
    : m_rows(rows), m_fields(static_cast<size_t>(rows.FieldCount())), m_row(m_fields), m_thread([this] { Run(); })
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
            if (m_rows.Eof()) {
                batch.last = true;
                return;
            }
            const ado::Value* values = m_rows.CurrentRow();
            for (size_t i = 0; i < m_fields; ++i)
                Pack(batch.bytes, values[i]);
            ++batch.count;
            m_rows.MoveNext();
        }
    } catch (...) {
        batch.failure = std::current_exception();
        batch.last = true;
    }
}

const ado::Value* RowReadAhead::Next()
{
    for (;;) {
        if (m_held) {
            if (m_next < m_held->count) {
                const char* p = m_held->bytes.data() + m_offset;
                for (ado::Value& value : m_row)
                    Unpack(p, value);
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
