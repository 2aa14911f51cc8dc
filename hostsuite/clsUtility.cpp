#include "clsUtility.h"

#include "AutomationError.h"
#include "FileDescriptor.h"
#include "MessageSeam.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace {

constexpr long kFileAccessError = 75;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

// Two digits of n (its last two) at p; returns where the next character goes.
char* TwoDigits(char* p, int n)
{
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    const int pair = n % 100;
    if (pair < 0) {
        // As the digits of the negative numbers a broken value may hold have always come out.
        p[0] = static_cast<char>('0' + n / 10 % 10);
        p[1] = static_cast<char>('0' + n % 10);
    } else {
        std::memcpy(p, kPairs + 2 * pair, 2);
    }
    return p + 2;
}

// YYYY-MM-DDTHH:MM:SS.mmm (and the digits past the millisecond that are not zero), composed in
// place and appended at once: dates fill whole columns of large tables.
void AppendDate(std::string& out, const ado::DateTime& t)
{
    char text[27];
    const int y = t.year < 0 ? 0 : t.year % 10000;
    char* p = TwoDigits(TwoDigits(text, y / 100), y % 100);
    *p++ = '-';
    p = TwoDigits(p, t.month);
    *p++ = '-';
    p = TwoDigits(p, t.day);
    *p++ = 'T';
    p = TwoDigits(p, t.hour);
    *p++ = ':';
    p = TwoDigits(p, t.minute);
    *p++ = ':';
    p = TwoDigits(p, t.second);
    *p++ = '.';
    *p++ = static_cast<char>('0' + t.millisecond / 100 % 10);
    p = TwoDigits(p, t.millisecond % 100);
    for (int tick = t.tick, unit = 1000; tick > 0; tick %= unit, unit /= 10)
        *p++ = static_cast<char>('0' + tick / unit);
    out.append(text, static_cast<size_t>(p - text));
}

void AppendHex(std::string& out, const ado::Bytes& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const size_t start = out.size();
    out.resize(start + 2 + bytes.size() * 2);
    char* p = out.data() + start;
    *p++ = '0';
    *p++ = 'x';
    for (unsigned char b : bytes) {
        *p++ = kDigits[b >> 4];
        *p++ = kDigits[b & 15];
    }
}

template <class Number>
void AppendNumber(std::string& out, Number n)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    out.append(buffer, static_cast<size_t>(result.ptr - buffer));
}

[[noreturn]] void ThrowFileError(const std::string& path, int error)
{
    throw automation::AutomationError(
        kFileAccessError,
        QStringLiteral("Path/File access error: %1: %2").arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(error))),
        QStringLiteral("clsUtility"));
}

}  // namespace

ado::RecordsetPtr clsUtility::OpenRecordset(const std::string& strSql, ado::ConnectionPtr& objCon)
{
    if (!objCon)
        throw automation::AutomationError(91, QStringLiteral("Object variable or With block variable not set"),
                                          QStringLiteral("clsUtility"));
    return objCon->Execute(strSql, ado::adOpenStatic);
}

std::string clsUtility::GetAttrText(std::string_view strName, const xml::XmlElement& objElement) const
{
    return objElement.Attribute(strName);
}

xml::XmlElement clsUtility::RootElement(const xml::XmlDocument& objDocument) const
{
    return objDocument.DocumentElement();
}

int clsUtility::ShowMessage(const QString& strPrompt, int iButtons, const QString& strTitle)
{
    return ui::ShowMessage(strPrompt, iButtons, strTitle);
}

void clsUtility::AppendToFile(const std::string& strPath, std::string_view strText)
{
    FileDescriptor file(::open(strPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
    if (file.Get() < 0)
        ThrowFileError(strPath, errno);
    static const char kLineEnd[] = "\r\n";
    iovec pieces[2] = {{const_cast<char*>(strText.data()), strText.size()}, {const_cast<char*>(kLineEnd), 2}};
    size_t remaining = strText.size() + 2;
    int first = 0;
    while (remaining > 0) {
        const ssize_t written = ::writev(file.Get(), pieces + first, 2 - first);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowFileError(strPath, errno);
        }
        remaining -= static_cast<size_t>(written);
        // Skip what went out; a short write resumes inside the piece where it stopped.
        size_t done = static_cast<size_t>(written);
        while (first < 2 && done >= pieces[first].iov_len) {
            done -= pieces[first].iov_len;
            ++first;
        }
        if (first < 2) {
            pieces[first].iov_base = static_cast<char*>(pieces[first].iov_base) + done;
            pieces[first].iov_len -= done;
        }
    }
    if (file.Close() != 0)
        ThrowFileError(strPath, errno);
}

clsUtility::enuFieldKind clsUtility::FieldKind(const ado::Field& objField) { return FieldKind(objField.Type()); }

clsUtility::enuFieldKind clsUtility::FieldKind(ado::DataTypeEnum type)
{
    switch (type) {
    case ado::adSmallInt:
    case ado::adInteger:
    case ado::adTinyInt:
    case ado::adUnsignedTinyInt:
    case ado::adBigInt:
        return eWholeNumber;
    case ado::adSingle:
    case ado::adDouble:
    case ado::adCurrency:
    case ado::adDecimal:
    case ado::adNumeric:
    case ado::adVarNumeric:
    case ado::adBinary:
    case ado::adVarBinary:
    case ado::adLongVarBinary:
        return eOtherBare;
    case ado::adBoolean:
        return eBoolean;
    case ado::adDate:
    case ado::adDBDate:
    case ado::adDBTime:
    case ado::adDBTimeStamp:
        return eDate;
    case ado::adWChar:
    case ado::adVarWChar:
    case ado::adLongVarWChar:
        return eUnicodeText;
    default:
        return eText;
    }
}

std::string clsUtility::ValueText(const ado::Recordset& objRecordset, bool bNumeric) const
{
    if (objRecordset.State() != ado::adStateOpen || objRecordset.Eof() || objRecordset.FieldCount() == 0)
        return bNumeric ? "0" : "";
    return ValueText(objRecordset.Fields(0L).GetValue(), bNumeric);
}

std::string clsUtility::ValueText(const ado::Value& value, bool bNumeric) const
{
    std::string text;
    AppendValueText(text, value, bNumeric);
    return text;
}

void clsUtility::AppendValueText(std::string& out, const ado::Value& value, bool bNumeric)
{
    std::visit(Overloaded{
                   [&](const ado::Null&) {
                       if (bNumeric)
                           out.push_back('0');
                   },
                   [&](bool b) { out.push_back(b ? '1' : '0'); },
                   [&](std::int64_t i) { AppendNumber(out, i); },
                   [&](double d) { AppendNumber(out, d); },
                   [&](const ado::Decimal& d) { out.append(d.digits); },
                   [&](const std::string& s) { out.append(s); },
                   [&](const ado::Bytes& b) { AppendHex(out, b); },
                   [&](const ado::DateTime& t) { AppendDate(out, t); },
               },
               value);
}
