#include "XmlFileText.h"
#include "FileDescriptor.h"

#include <QFile>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace xml {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {}
    ~Converter()
    {
        if (Ok())
            ::iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of input; false at bytes that are no character of the source encoding, with
    // failedAt the offset of the first of them.
    bool Run(std::string_view input, std::string& output, size_t& failedAt) const
    {
        output.assign(input.size() * 2 + 16, '\0');
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        size_t produced = 0;
        for (bool flushing = false;;) {
            char* out = output.data() + produced;
            size_t outLeft = output.size() - produced;
            const size_t result = flushing ? ::iconv(m_cd, nullptr, nullptr, &out, &outLeft)
                                           : ::iconv(m_cd, &in, &inLeft, &out, &outLeft);
            produced = output.size() - outLeft;
            if (result != static_cast<size_t>(-1)) {
                if (flushing)
                    break;
                flushing = true;
                continue;
            }
            if (errno != E2BIG) {
                failedAt = input.size() - inLeft;
                return false;
            }
            output.resize(output.size() * 2);
        }
        output.resize(produced);
        return true;
    }

    // How many bytes of input give the first outputSize bytes of its conversion: iconv stops
    // before the first character that does not fit.
    size_t InputOf(std::string_view input, size_t outputSize) const
    {
        std::string output(outputSize, '\0');
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char* out = output.data();
        ::iconv(m_cd, &in, &inLeft, &out, &outputSize);
        return input.size() - inLeft;
    }

private:
    iconv_t m_cd;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The value of encoding="..." in an XML declaration at the start of bytes; empty without one.
std::string DeclaredEncoding(std::string_view bytes)
{
    if (bytes.size() < 6 || bytes.substr(0, 5) != "<?xml" || !std::isspace(static_cast<unsigned char>(bytes[5])))
        return {};
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    for (size_t at = declaration.find("encoding"); at != std::string_view::npos;
         at = declaration.find("encoding", at + 1)) {
        size_t i = at + 8;
        while (i < declaration.size() && std::isspace(static_cast<unsigned char>(declaration[i])))
            ++i;
        if (i >= declaration.size() || declaration[i] != '=')
            continue;
        ++i;
        while (i < declaration.size() && std::isspace(static_cast<unsigned char>(declaration[i])))
            ++i;
        if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
            continue;
        const size_t end = declaration.find(declaration[i], i + 1);
        if (end == std::string_view::npos)
            return {};
        return std::string(declaration.substr(i + 1, end - i - 1));
    }
    return {};
}

bool StartsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not a file");
}

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

XmlFileText XmlFileText::Read(const QString& path)
{
    XmlFileText file;
    const QByteArray native = QFile::encodeName(path);
    // Looked at before opening: opening a FIFO for reading would wait for a writer.
    struct stat info = {};
    if (::stat(native.constData(), &info) != 0) {
        file.m_error = errno == ENOENT || errno == ENOTDIR
                           ? QStringLiteral("File was not found: %1").arg(path)
                           : QStringLiteral("Cannot read %1: %2").arg(path, SystemReason(errno));
        return file;
    }
    const auto notRegular = [&](mode_t mode) {
        file.m_error = QStringLiteral("Not a regular file (%1): %2").arg(KindOf(mode), path);
    };
    if (!S_ISREG(info.st_mode)) {
        notRegular(info.st_mode);
        return file;
    }
    // Non-blocking and checked again: what the name stands for may have changed since.
    const FileDescriptor handle(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (handle.Get() < 0 || ::fstat(handle.Get(), &info) != 0) {
        file.m_error = QStringLiteral("Cannot read %1: %2").arg(path, SystemReason(errno));
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        notRegular(info.st_mode);
        return file;
    }
    char chunk[1 << 16];
    for (;;) {
        const ssize_t count = ::read(handle.Get(), chunk, sizeof chunk);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            file.m_error = QStringLiteral("Cannot read %1: %2").arg(path, SystemReason(errno));
            return file;
        }
        file.m_bytes.append(chunk, static_cast<size_t>(count));
    }

    const std::string_view bytes = file.m_bytes;
    // A byte-order mark says more than a declaration; UTF-32 goes first, its mark starts like UTF-16's.
    if (StartsWith(bytes, std::string_view("\xFF\xFE\0\0", 4)))
        file.Convert(path, "UTF-32LE", 4);
    else if (StartsWith(bytes, std::string_view("\0\0\xFE\xFF", 4)))
        file.Convert(path, "UTF-32BE", 4);
    else if (StartsWith(bytes, "\xFF\xFE"))
        file.Convert(path, "UTF-16LE", 2);
    else if (StartsWith(bytes, "\xFE\xFF"))
        file.Convert(path, "UTF-16BE", 2);
    // Without a mark, the "<" that starts the document tells UTF-32 and UTF-16 (the parser would
    // read them so too, but count its error offsets in bytes of its own conversion).
    else if (StartsWith(bytes, std::string_view("<\0\0\0", 4)))
        file.Convert(path, "UTF-32LE", 0);
    else if (StartsWith(bytes, std::string_view("\0\0\0<", 4)))
        file.Convert(path, "UTF-32BE", 0);
    else if (StartsWith(bytes, std::string_view("<\0", 2)))
        file.Convert(path, "UTF-16LE", 0);
    else if (StartsWith(bytes, std::string_view("\0<", 2)))
        file.Convert(path, "UTF-16BE", 0);
    else if (!StartsWith(bytes, "\xEF\xBB\xBF")) {
        const std::string declared = DeclaredEncoding(bytes);
        const std::string name = Lower(declared);
        // GBK reads every GB2312 file alike, and files that say gb2312 often hold GBK characters.
        if (name == "gb2312")
            file.Convert(path, "GBK", 0);
        else if (!declared.empty() && name != "utf-8" && name != "utf8")
            file.Convert(path, declared, 0);
    }
    if (!file.Converted())
        file.m_text = std::move(file.m_bytes);
    return file;
}

void XmlFileText::Convert(const QString& path, const std::string& encoding, size_t bomLength)
{
    // An XML encoding name is letters, digits, '.', '_' and '-'; anything else (iconv's "//"
    // suffixes among them) would change how iconv converts.
    const bool wellFormed =
        !encoding.empty() && std::isalpha(static_cast<unsigned char>(encoding[0])) &&
        std::all_of(encoding.begin(), encoding.end(), [](unsigned char c) { return std::isalnum(c) || c == '.' || c == '_' || c == '-'; });
    const Converter converter("UTF-8", wellFormed ? encoding.c_str() : "");
    if (!wellFormed || !converter.Ok()) {
        m_error = QStringLiteral("Unknown encoding '%1' in the XML declaration: %2").arg(QString::fromStdString(encoding), path);
        return;
    }
    size_t failedAt = 0;
    if (!converter.Run(std::string_view(m_bytes).substr(bomLength), m_text, failedAt)) {
        m_error = QStringLiteral("The file is not %1 text (byte offset %2): %3")
                      .arg(QString::fromStdString(encoding))
                      .arg(failedAt + bomLength)
                      .arg(path);
        return;
    }
    m_encoding = encoding;
    m_bomLength = bomLength;
}

std::ptrdiff_t XmlFileText::FileOffset(std::ptrdiff_t offset) const
{
    if (!Converted() || offset <= 0)
        return offset;
    // The file's bytes that the converted prefix came from; converting the prefix back could
    // take other bytes (UTF-7 writes a "<" of the file as "+ADw-").
    size_t end = std::min(static_cast<size_t>(offset), m_text.size());
    while (end > 0 && end < m_text.size() && (static_cast<unsigned char>(m_text[end]) & 0xC0) == 0x80)
        --end;
    const Converter forward("UTF-8", m_encoding.c_str());
    if (!forward.Ok())
        return offset;
    return static_cast<std::ptrdiff_t>(m_bomLength + forward.InputOf(std::string_view(m_bytes).substr(m_bomLength), end));
}

}  // namespace xml
