#include "TdsChannel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <utility>

namespace tds {

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::uint8_t kEndOfMessage = 0x01;

}  // namespace

TdsChannel::TdsChannel(int socket) : m_socket(socket) {}

TdsChannel::~TdsChannel()
{
    close(m_socket);
}

bool TdsChannel::ReadExactly(std::uint8_t* into, std::size_t size)
{
    while (size > 0) {
        const ssize_t got = recv(m_socket, into, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

std::optional<TdsChannel::Message> TdsChannel::Read()
{
    if (m_pending)
        return std::exchange(m_pending, std::nullopt);
    Message message;
    while (true) {
        std::uint8_t header[kHeaderSize];
        if (!ReadExactly(header, kHeaderSize))
            return std::nullopt;
        const std::size_t length = static_cast<std::size_t>(header[2] << 8 | header[3]);
        if (length < kHeaderSize)
            return std::nullopt;  // not TDS; drop the client
        message.type = header[0];
        const std::size_t at = message.payload.size();
        message.payload.resize(at + length - kHeaderSize);
        if (!ReadExactly(message.payload.data() + at, length - kHeaderSize))
            return std::nullopt;
        if (header[1] & kEndOfMessage)
            return message;
    }
}

bool TdsChannel::AttentionArrived()
{
    if (!m_pending) {
        pollfd p{m_socket, POLLIN, 0};
        if (poll(&p, 1, 0) <= 0 || !(p.revents & (POLLIN | POLLHUP)))
            return false;
        m_pending = Read();
        if (!m_pending)
            throw ClientGone();
    }
    if (m_pending->type != kAttention)
        return false;
    m_pending.reset();
    return true;
}

void TdsChannel::SendPacket(const std::uint8_t* data, std::size_t size, bool last)
{
    const std::size_t length = size + kHeaderSize;
    std::vector<std::uint8_t> packet{kReply, static_cast<std::uint8_t>(last ? kEndOfMessage : 0),
                                     static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length),
                                     0, 0, m_packetId++, 0};
    packet.insert(packet.end(), data, data + size);
    std::size_t sent = 0;
    while (sent < packet.size()) {
        const ssize_t n = send(m_socket, packet.data() + sent, packet.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw ClientGone();
        sent += static_cast<std::size_t>(n);
    }
}

void TdsChannel::Flush()
{
    const std::size_t body = m_packetSize - kHeaderSize;
    std::vector<std::uint8_t>& data = m_reply.Data();
    // Keep at least one byte back: the last packet must carry the end-of-message bit.
    std::size_t start = 0;
    while (data.size() - start > body) {
        SendPacket(data.data() + start, body, false);
        start += body;
    }
    data.erase(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(start));
}

void TdsChannel::EndReply()
{
    Flush();
    std::vector<std::uint8_t>& data = m_reply.Data();
    SendPacket(data.data(), data.size(), true);
    data.clear();
}

}  // namespace tds
