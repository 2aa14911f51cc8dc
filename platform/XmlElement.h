#pragma once

#include <QMetaType>
#include <QString>

#include <pugixml.hpp>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// XML documents and element references over pugixml. An element reference holds its document
// by shared ownership, so a walk that is still running keeps its document even when the owner
// has loaded another one meanwhile.
namespace xml {

using DocumentPtr = std::shared_ptr<pugi::xml_document>;

// Why a document could not be loaded: the parser's description and, for a syntax error, the
// byte offset at which it stopped. For a file, the offset counts the bytes of the file as it is
// stored, also when it was converted to UTF-8 from another encoding.
struct ParseError {
    QString description;
    std::ptrdiff_t offset = -1;  // -1 when the failure is not a syntax error (file not found, I/O, encoding)

    // One text for a user: the description, with the offset for syntax errors.
    QString Reason() const;
};

class XmlElement {
public:
    XmlElement() = default;
    XmlElement(DocumentPtr document, pugi::xml_node node);

    bool IsNull() const { return !m_node; }
    explicit operator bool() const { return !IsNull(); }

    std::string Name() const;
    // The parent element; a null reference for the document element and for a null reference.
    XmlElement Parent() const;
    // Element children in document order; comments, processing instructions and text are skipped.
    std::vector<XmlElement> Children() const;
    // The attribute's text; the empty text when it is absent (or the reference is null).
    std::string Attribute(std::string_view name) const;
    bool HasAttribute(std::string_view name) const;
    // Adds the attribute when missing. Throws AutomationError on a null reference.
    void SetAttribute(std::string_view name, std::string_view value);
    // The concatenated text of every text node below the element.
    std::string Text() const;
    // The first element an XPath query relative to this element selects, or a null reference.
    // Throws AutomationError for a query that does not compile.
    XmlElement SelectSingleNode(std::string_view query) const;

    const DocumentPtr& Document() const { return m_document; }
    pugi::xml_node Node() const { return m_node; }

    bool operator==(const XmlElement& other) const { return m_node == other.m_node; }

private:
    DocumentPtr m_document;
    pugi::xml_node m_node;
};

// A loaded (or failed) document. Loading never throws: check Ok() and Error().
class XmlDocument {
public:
    // Reads a regular file only; a file in another encoding than UTF-8 (its XML declaration's,
    // or UTF-16 with a byte-order mark) is converted first (see XmlFileText).
    static XmlDocument LoadFile(const QString& path);
    static XmlDocument LoadText(std::string_view text);

    bool Ok() const { return m_ok; }
    const ParseError& Error() const { return m_error; }
    // The document element, or a null reference after a failed load.
    XmlElement DocumentElement() const;
    const DocumentPtr& Document() const { return m_document; }

private:
    XmlDocument() = default;
    void Take(const pugi::xml_parse_result& result, const QString& path);

    DocumentPtr m_document = std::make_shared<pugi::xml_document>();
    bool m_ok = false;
    ParseError m_error;
};

}  // namespace xml

Q_DECLARE_METATYPE(xml::XmlElement)
