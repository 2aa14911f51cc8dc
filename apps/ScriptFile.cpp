#include "ScriptFile.h"

#include <QFileInfo>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The length of the valid UTF-8 at the start of text (shortest forms only, no surrogates, up
// to U+10FFFF): the whole text when it is all valid.
std::size_t ValidUtf8Length(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        // Runs of ASCII, the bulk of any script, eight bytes at a time.
        if (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // the second byte's range
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        if (i + length > n || p[i + 1] < low || p[i + 1] > high)
            return i;
        for (std::size_t k = 2; k < length; ++k)
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return i;
        i += length;
    }
    return n;
}

}  // namespace

bool ScriptFile::Open(QString& error)
{
    const QFileInfo info(m_file.fileName());
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("cannot read script '%1': not a regular file").arg(m_file.fileName());
        return false;
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read script '%1': %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    if (m_file.size() == 0)
        return true;
    const uchar* data = m_file.map(0, m_file.size());
    if (!data) {
        error = QStringLiteral("cannot read script '%1': %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    m_text = std::string_view(reinterpret_cast<const char*>(data), static_cast<size_t>(m_file.size()));
    ::madvise(const_cast<uchar*>(data), m_text.size(), MADV_SEQUENTIAL);

    // Checked a piece at a time, each piece's pages handed back once read.
    constexpr std::size_t kPiece = std::size_t{8} << 20;
    for (std::size_t at = 0; at < m_text.size();) {
        // A piece ends before a character's continuation bytes.
        std::size_t end = std::min(m_text.size(), at + kPiece);
        while (end < m_text.size() && (static_cast<unsigned char>(m_text[end]) & 0xC0) == 0x80 && end > at + kPiece - 4)
            --end;
        const std::size_t valid = ValidUtf8Length(m_text.substr(at, end - at));
        if (at + valid < end) {
            const std::size_t bad = at + valid;
            long line = 1;
            for (std::size_t from = 0; from < bad; from += kPiece) {
                const std::string_view part = m_text.substr(from, std::min(kPiece, bad - from));
                line += static_cast<long>(std::count(part.begin(), part.end(), '\n'));
                Release(from + part.size());
            }
            error = QStringLiteral("%1:%2: not UTF-8 text (the byte 0x%3); scripts are read as UTF-8")
                        .arg(m_file.fileName())
                        .arg(line)
                        .arg(static_cast<uint>(static_cast<unsigned char>(m_text[bad])), 2, 16, QLatin1Char('0'));
            m_released = 0;
            Release(m_text.size());
            return false;
        }
        at = end;
        Release(at);
    }
    m_released = 0;
    return true;
}

void ScriptFile::Release(std::size_t position)
{
    static const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t base = reinterpret_cast<std::uintptr_t>(m_text.data()) % page;  // 0: the map starts on a page
    const std::size_t end = (std::min(position, m_text.size()) + base) / page * page;
    const std::size_t begin = (m_released + base) / page * page;
    if (end <= begin)
        return;
    // Pages of a read-only file mapping: dropping them loses nothing, they are read again on use.
    ::madvise(const_cast<char*>(m_text.data()) - base + begin, end - begin, MADV_DONTNEED);
    m_released = end - base;
}
