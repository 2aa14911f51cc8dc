#include "TextCodec.h"

#include <QString>

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace tds {

namespace {

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvPtr = std::unique_ptr<void, IconvCloser>;

IconvPtr OpenConverter()
{
    const iconv_t handle = iconv_open("CP936", "UTF-8");
    if (handle == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert UTF-8 to CP936");
    return IconvPtr(handle);
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text)
{
    const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return std::u16string(reinterpret_cast<const char16_t*>(q.utf16()), static_cast<std::size_t>(q.size()));
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    const QByteArray bytes =
        QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())).toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::u16string Utf16FromBytes(const unsigned char* data, std::size_t size)
{
    std::u16string out(size / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return out;
}

std::string Utf8ToServerCodePage(std::string_view text)
{
    // One converter per thread: iconv handles keep shift state and are not shared.
    thread_local IconvPtr converter = OpenConverter();
    iconv(static_cast<iconv_t>(converter.get()), nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char buffer[256];
    auto* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(static_cast<iconv_t>(converter.get()), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // A character without a CP936 form (or broken UTF-8): skip its bytes, write "?".
        out.push_back('?');
        do {
            ++in;
            --inLeft;
        } while (inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
    }
    return out;
}

}  // namespace tds
