#pragma once

#include <QString>

#include <cstddef>
#include <string>

namespace xml {

// The bytes of an XML file, made ready for the parser. Only a regular file is read (a folder,
// a FIFO or a device is refused at once, without opening it for reading). A file in another
// encoding than UTF-8 (named by its XML declaration, or UTF-16/32 known by a byte-order mark or
// by the "<" that starts it) is converted to UTF-8 with iconv; a file in UTF-8 or without a
// declaration is handed on as it is.
class XmlFileText {
public:
    static XmlFileText Read(const QString& path);

    // False when the file could not be read or converted; Error() says why, naming the file.
    bool Ok() const { return m_error.isEmpty(); }
    const QString& Error() const { return m_error; }
    // The text for the parser: UTF-8 when Converted(), else the file's bytes.
    const std::string& Text() const { return m_text; }
    bool Converted() const { return !m_encoding.empty(); }
    // The byte offset in the file of the character that starts at offset in Text() (the
    // same number when nothing was converted).
    std::ptrdiff_t FileOffset(std::ptrdiff_t offset) const;

private:
    void Convert(const QString& path, const std::string& encoding, size_t bomLength);

    QString m_error;
    std::string m_bytes;     // the file as stored
    std::string m_text;
    std::string m_encoding;  // the iconv name of the file's encoding; empty when not converted
    size_t m_bomLength = 0;
};

}  // namespace xml
