#include "XmlElement.h"

#include "AutomationError.h"
#include "XmlFileText.h"

#include <algorithm>

namespace xml {

namespace {

// The parser only reports where it stopped for errors inside the text; file errors have no
// meaningful offset.
bool IsSyntaxError(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_ok:
    case pugi::status_file_not_found:
    case pugi::status_io_error:
    case pugi::status_out_of_memory:
    case pugi::status_internal_error:
        return false;
    default:
        return true;
    }
}

}  // namespace

QString ParseError::Reason() const
{
    if (offset < 0)
        return description;
    return QStringLiteral("%1 (offset %2)").arg(description).arg(offset);
}

XmlElement::XmlElement(DocumentPtr document, pugi::xml_node node)
    : m_document(std::move(document)), m_node(node)
{
    if (m_node.type() != pugi::node_element)
        m_node = pugi::xml_node();
}

std::string XmlElement::Name() const { return m_node.name(); }

XmlElement XmlElement::Parent() const
{
    const pugi::xml_node parent = m_node.parent();
    if (parent.type() != pugi::node_element)
        return {};
    return XmlElement(m_document, parent);
}

std::vector<XmlElement> XmlElement::Children() const
{
    std::vector<XmlElement> children;
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            children.emplace_back(m_document, child);
    return children;
}

std::string XmlElement::Attribute(std::string_view name) const
{
    const std::string key(name);
    return m_node.attribute(key.c_str()).value();
}

bool XmlElement::HasAttribute(std::string_view name) const
{
    const std::string key(name);
    return static_cast<bool>(m_node.attribute(key.c_str()));
}

void XmlElement::SetAttribute(std::string_view name, std::string_view value)
{
    if (!m_node)
        throw automation::AutomationError(91, QStringLiteral("Object variable or With block variable not set"));
    const std::string key(name);
    pugi::xml_attribute attribute = m_node.attribute(key.c_str());
    if (!attribute)
        attribute = m_node.append_attribute(key.c_str());
    attribute.set_value(std::string(value).c_str());
}

std::string XmlElement::Text() const
{
    // Depth-first, so the pieces come in document order.
    struct Collector : pugi::xml_tree_walker {
        std::string text;
        bool for_each(pugi::xml_node& node) override
        {
            if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
                text.append(node.value());
            return true;
        }
    } collector;
    pugi::xml_node node = m_node;
    if (node)
        node.traverse(collector);
    return std::move(collector.text);
}

XmlElement XmlElement::SelectSingleNode(std::string_view query) const
{
    if (!m_node)
        throw automation::AutomationError(91, QStringLiteral("Object variable or With block variable not set"));
    const std::string text(query);
    try {
        const pugi::xpath_node found = m_node.select_node(text.c_str());
        return XmlElement(m_document, found.node());
    } catch (const pugi::xpath_exception& e) {
        throw automation::AutomationError(
            1, QStringLiteral("Invalid XPath query '%1': %2").arg(QString::fromStdString(text), e.what()));
    }
}

XmlDocument XmlDocument::LoadFile(const QString& path)
{
    XmlDocument document;
    const XmlFileText file = XmlFileText::Read(path);
    if (!file.Ok()) {
        document.m_error = ParseError{file.Error(), -1};
        return document;
    }
    const std::string& text = file.Text();
    const pugi::xml_parse_result result = document.m_document->load_buffer(
        text.data(), text.size(), pugi::parse_default, file.Converted() ? pugi::encoding_utf8 : pugi::encoding_auto);
    document.Take(result, path);
    // The parser may place an error at the end of the text one byte past it.
    if (!document.m_ok && document.m_error.offset >= 0)
        document.m_error.offset =
            file.FileOffset(std::min(document.m_error.offset, static_cast<std::ptrdiff_t>(text.size())));
    return document;
}

XmlDocument XmlDocument::LoadText(std::string_view text)
{
    XmlDocument document;
    document.Take(document.m_document->load_buffer(text.data(), text.size()), {});
    return document;
}

void XmlDocument::Take(const pugi::xml_parse_result& result, const QString& path)
{
    m_ok = static_cast<bool>(result) && m_document->document_element();
    if (m_ok)
        return;
    if (result) {
        m_error = ParseError{QStringLiteral("No document element"), -1};
    } else if (IsSyntaxError(result.status)) {
        m_error = ParseError{QString::fromUtf8(result.description()), result.offset};
    } else {
        QString description = QString::fromUtf8(result.description());
        if (!path.isEmpty())
            description += QStringLiteral(": ") + path;
        m_error = ParseError{description, -1};
    }
    // A failed document has no document element, whatever the parser kept of it.
    m_document->reset();
}

XmlElement XmlDocument::DocumentElement() const
{
    return XmlElement(m_document, m_document->document_element());
}

}  // namespace xml
