#pragma once

#include "TdsWriter.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tds {

// The client went away in the middle of a reply.
struct ClientGone : std::runtime_error {
    ClientGone() : std::runtime_error("the client closed the connection") {}
};

// Message types of the packet header.
enum PacketType : std::uint8_t {
    kSqlBatch = 0x01,
    kRpc = 0x03,
    kReply = 0x04,
    kAttention = 0x06,
    kTransaction = 0x0E,
    kLogin7 = 0x10,
    kPrelogin = 0x12,
};

// One client's socket, speaking in TDS packets: whole messages in, replies out split into
// packets of the negotiated size. The reply is sent as it grows, so long results stream.
// Owns the socket. Send failures throw ClientGone.
class TdsChannel {
public:
    struct Message {
        std::uint8_t type = 0;
        std::vector<std::uint8_t> payload;
    };

    explicit TdsChannel(int socket);
    ~TdsChannel();
    TdsChannel(const TdsChannel&) = delete;
    TdsChannel& operator=(const TdsChannel&) = delete;

    // The next message, or nothing when the client closed the connection.
    std::optional<Message> Read();
    // True when the client has sent an ATTENTION while a reply is under way (the ATTENTION is
    // then taken: the reply must end with a DONE that carries the attention bit). Waits for nothing.
    bool AttentionArrived();

    void SetPacketSize(std::size_t size) { m_packetSize = size; }
    std::size_t PacketSize() const { return m_packetSize; }

    // The reply being built; Flush sends its full packets, EndReply the rest with the
    // end-of-message bit.
    TdsWriter& Reply() { return m_reply; }
    void Flush();
    void EndReply();

private:
    bool ReadExactly(std::uint8_t* into, std::size_t size);
    void SendPacket(const std::uint8_t* data, std::size_t size, bool last);

    int m_socket;
    std::size_t m_packetSize = 4096;
    std::uint8_t m_packetId = 1;
    TdsWriter m_reply;
    std::optional<Message> m_pending;  // a message that arrived while a reply was under way
};

}  // namespace tds
