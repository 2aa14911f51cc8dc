#include "AutomationError.h"
#include "ServerErrorNumber.h"
#include "TdsChannel.h"
#include "TdsLogin.h"
#include "TdsRowWriter.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

using namespace tds;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes ReadAll(int socket, std::size_t size)
{
    Bytes out(size);
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = recv(socket, out.data() + got, size - got, 0);
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    return out;
}

void SendPacket(int socket, std::uint8_t type, bool last, const Bytes& body)
{
    const std::size_t length = body.size() + 8;
    Bytes packet{type, static_cast<std::uint8_t>(last), static_cast<std::uint8_t>(length >> 8),
                 static_cast<std::uint8_t>(length), 0, 0, 1, 0};
    packet.insert(packet.end(), body.begin(), body.end());
    ASSERT_EQ(send(socket, packet.data(), packet.size(), 0), static_cast<ssize_t>(packet.size()));
}

// The bytes of one value in a row of a single column.
Bytes Encoded(TdsColumn column, const ado::Value& value)
{
    TdsWriter out;
    WriteRow(out, {column}, {value});
    return Bytes(out.Data().begin() + 1, out.Data().end());  // without the ROW token
}

TdsColumn Column(WireType wire, int size, int precision = 0, int scale = 0)
{
    TdsColumn c;
    c.wire = wire;
    c.size = size;
    c.precision = precision;
    c.scale = scale;
    return c;
}

}  // namespace

TEST(TdsWire, RepliesAreSplitIntoPacketsAndMessagesJoined)
{
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    TdsChannel channel(pair[0]);
    channel.SetPacketSize(512);
    channel.Reply().Bytes(std::string(1000, 'r'));
    channel.EndReply();
    const Bytes wire = ReadAll(pair[1], 1000 + 2 * 8);
    ASSERT_EQ(wire.size(), 1016u);
    // 504 bytes of body in a full packet, then the remaining 496 with the end-of-message bit.
    EXPECT_EQ(wire[0], kReply);
    EXPECT_EQ(wire[1], 0);
    EXPECT_EQ(wire[2] << 8 | wire[3], 512);
    EXPECT_EQ(wire[512 + 1], 1);
    EXPECT_EQ(wire[512 + 2] << 8 | wire[512 + 3], 504);
    EXPECT_EQ(wire[512 + 6], wire[6] + 1);  // packet ids count up

    SendPacket(pair[1], kSqlBatch, false, {1, 2});
    SendPacket(pair[1], kSqlBatch, true, {3});
    const auto message = channel.Read();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->type, kSqlBatch);
    EXPECT_EQ(message->payload, (Bytes{1, 2, 3}));

    EXPECT_FALSE(channel.AttentionArrived());
    SendPacket(pair[1], kAttention, true, {});
    EXPECT_TRUE(channel.AttentionArrived());
    EXPECT_FALSE(channel.AttentionArrived());  // taken once
    close(pair[1]);
    EXPECT_FALSE(channel.Read());
}

TEST(TdsWire, Login7FieldsAndThePasswordAreDecoded)
{
    Bytes p(94, 0);
    auto put16 = [&](std::size_t at, std::size_t v) {
        p[at] = static_cast<std::uint8_t>(v);
        p[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    auto field = [&](std::size_t entry, std::u16string_view text, bool password) {
        put16(entry, p.size());
        put16(entry + 2, text.size());
        for (const char16_t c : text)
            for (const std::uint8_t b : {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8)})
                p.push_back(password ? static_cast<std::uint8_t>((b << 4 | b >> 4) ^ 0xA5) : b);
    };
    p[4] = 0x04, p[7] = 0x74;  // TDS 7.4
    put16(8, 8192);
    field(40, u"sa", false);
    field(44, u"p\u00e9w", true);
    field(68, u"tabrix_test", false);
    const auto login = ParseLogin7(p);
    ASSERT_TRUE(login);
    EXPECT_EQ(login->tdsVersion, 0x74000004u);
    EXPECT_EQ(login->packetSize, 8192u);
    EXPECT_EQ(login->user, "sa");
    EXPECT_EQ(login->password, "p\xC3\xA9w");
    EXPECT_EQ(login->database, "tabrix_test");

    put16(68, 4000);  // the database now lies beyond the message
    EXPECT_FALSE(ParseLogin7(p));
    EXPECT_FALSE(ParseLogin7(Bytes(40, 0)));
}

TEST(TdsWire, ValuesTakeTheServersByteLayout)
{
    // decimal(38,2): length, sign (0 negative), magnitude little-endian; 1.005 rounds up.
    Bytes decimal(18, 0);
    decimal[0] = 17;
    decimal[2] = 101;
    EXPECT_EQ(Encoded(Column(WireType::Decimal, 17, 38, 2), ado::Decimal{"-1.005"}), decimal);
    // money: 12.34 as 123400 ten-thousandths, the high four bytes first.
    EXPECT_EQ(Encoded(Column(WireType::Money, 8), ado::Decimal{"12.34"}), (Bytes{8, 0, 0, 0, 0, 0x08, 0xE2, 0x01, 0}));
    // datetime: days since 1900-01-01 and 1/300 seconds; 1.003 s is 301 ticks.
    EXPECT_EQ(Encoded(Column(WireType::DateTime, 8), ado::DateTime{1900, 1, 2, 0, 0, 1, 3}),
              (Bytes{8, 1, 0, 0, 0, 45, 1, 0, 0}));
    // smalldatetime rounds 23:59:30 up to the next day.
    EXPECT_EQ(Encoded(Column(WireType::DateTime, 4), ado::DateTime{1900, 1, 1, 23, 59, 30, 0}), (Bytes{4, 1, 0, 0, 0}));
    // date: days since 0001-01-01 in three bytes; time(7): ten-millionths in five bytes;
    // datetime2(3): thousandths in four bytes, then the date.
    EXPECT_EQ(Encoded(Column(WireType::Date, 3), ado::DateTime{1, 1, 2}), (Bytes{3, 1, 0, 0}));
    EXPECT_EQ(Encoded(Column(WireType::Time, 0, 0, 7), ado::DateTime{1899, 12, 30, 0, 0, 1, 0}),
              (Bytes{5, 0x80, 0x96, 0x98, 0, 0}));
    EXPECT_EQ(Encoded(Column(WireType::DateTime2, 0, 0, 3), ado::DateTime{1, 1, 1, 0, 0, 0, 1}),
              (Bytes{7, 1, 0, 0, 0, 0, 0, 0}));
    // uniqueidentifier: the first three groups least significant byte first.
    EXPECT_EQ(Encoded(Column(WireType::Guid, 16), std::string("00010203-0405-0607-0809-0A0B0C0D0E0F")),
              (Bytes{16, 3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15}));
    // char(4) in code page 936, padded with blanks; nchar(2) padded in UTF-16.
    EXPECT_EQ(Encoded(Column(WireType::Char, 4), std::string("中")), (Bytes{4, 0, 0xD6, 0xD0, ' ', ' '}));
    EXPECT_EQ(Encoded(Column(WireType::NChar, 4), std::string("x")), (Bytes{4, 0, 'x', 0, ' ', 0}));
    // nvarchar(max): total length, one chunk, the closing empty chunk; null is all ones.
    EXPECT_EQ(Encoded(Column(WireType::NVarCharMax, 0), std::string("a")),
              (Bytes{2, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 'a', 0, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(Column(WireType::NVarCharMax, 0), ado::Null{}), Bytes(8, 0xFF));
    EXPECT_EQ(Encoded(Column(WireType::Int, 4), ado::Null{}), Bytes{0});
}

TEST(TdsWire, ValuesAColumnCannotHoldFailWithTheServersWords)
{
    struct Case {
        TdsColumn column;
        ado::Value value;
        int number;
    };
    for (const Case& c : {Case{Column(WireType::Int, 4), std::string("abc"), 245},
                          Case{Column(WireType::DateTime, 8), std::string("not a date"), 241},
                          Case{Column(WireType::Guid, 16), std::string("6F9619FF-XXXX"), 8169},
                          Case{Column(WireType::Decimal, 5, 3, 0), ado::Decimal{"1000"}, 8115},
                          Case{Column(WireType::Money, 8), ado::Decimal{"922337203685477.5808"}, 8115},
                          Case{Column(WireType::VarChar, 2), std::string("abc"), 8152}}) {
        SCOPED_TRACE(c.number);
        TdsWriter out;
        try {
            WriteRow(out, {c.column}, {c.value});
            ADD_FAILURE() << "no error";
        } catch (const automation::AutomationError& e) {
            EXPECT_EQ(ServerErrorNumber(e.Description().toStdString()), c.number) << e.what();
        }
        EXPECT_TRUE(out.Data().empty());  // nothing of the row went out
    }
    // The least money there is still fits.
    EXPECT_EQ(Encoded(Column(WireType::Money, 8), ado::Decimal{"-922337203685477.5808"}),
              (Bytes{8, 0, 0, 0, 0x80, 0, 0, 0, 0}));
}
