// The platform's XML elements: element children only, parents, attributes, parse errors,
// and documents kept alive by the elements that point into them.
#include "XmlElement.h"

#include "AutomationError.h"

#include <gtest/gtest.h>

namespace {

TEST(XmlElement, ChildrenAreElementsOnly)
{
    const xml::XmlDocument document =
        xml::XmlDocument::LoadText("<r><!-- c --><a x='1'/><?pi?>text<b><c/></b><![CDATA[d]]></r>");
    ASSERT_TRUE(document.Ok());
    const std::vector<xml::XmlElement> children = document.DocumentElement().Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0].Name(), "a");
    EXPECT_EQ(children[1].Name(), "b");
    EXPECT_EQ(children[1].Children().at(0).Parent(), children[1]);
    EXPECT_TRUE(document.DocumentElement().Parent().IsNull());
}

TEST(XmlElement, AttributesReadAsEmptyWhenAbsent)
{
    xml::XmlDocument document = xml::XmlDocument::LoadText("<r a='&lt;1&gt;' e=''/>");
    xml::XmlElement root = document.DocumentElement();
    EXPECT_EQ(root.Attribute("a"), "<1>");
    EXPECT_EQ(root.Attribute("missing"), "");
    EXPECT_FALSE(root.HasAttribute("missing"));
    EXPECT_TRUE(root.HasAttribute("e"));
    root.SetAttribute("missing", "v");
    root.SetAttribute("a", "w");
    EXPECT_EQ(root.Attribute("missing"), "v");
    EXPECT_EQ(root.Attribute("a"), "w");
    EXPECT_EQ(xml::XmlElement().Attribute("a"), "");
}

TEST(XmlElement, SelectSingleNodeAndText)
{
    const xml::XmlDocument document = xml::XmlDocument::LoadText("<t><f3>int</f3><f131>dec<!--x-->imal</f131></t>");
    EXPECT_EQ(document.DocumentElement().SelectSingleNode("f131").Text(), "decimal");
    EXPECT_TRUE(document.DocumentElement().SelectSingleNode("f7").IsNull());
    EXPECT_THROW(document.DocumentElement().SelectSingleNode("f[["), automation::AutomationError);
}

TEST(XmlElement, ElementKeepsItsDocumentAlive)
{
    xml::XmlElement kept;
    {
        const xml::XmlDocument document = xml::XmlDocument::LoadText("<r><s name='x'/></r>");
        kept = document.DocumentElement().Children().at(0);
    }
    EXPECT_EQ(kept.Attribute("name"), "x");
    EXPECT_EQ(kept.Parent().Name(), "r");
}

TEST(XmlDocument, ParseErrorsCarryDescriptionAndOffset)
{
    const xml::XmlDocument broken = xml::XmlDocument::LoadText("<a><b></a>");
    EXPECT_FALSE(broken.Ok());
    EXPECT_TRUE(broken.DocumentElement().IsNull());
    EXPECT_GT(broken.Error().offset, 0);
    EXPECT_EQ(broken.Error().Reason(),
              broken.Error().description + QStringLiteral(" (offset %1)").arg(broken.Error().offset));

    const xml::XmlDocument missing = xml::XmlDocument::LoadFile(QStringLiteral("/no/such/template.xml"));
    EXPECT_FALSE(missing.Ok());
    EXPECT_EQ(missing.Error().Reason(), QStringLiteral("File was not found: /no/such/template.xml"));

    EXPECT_FALSE(xml::XmlDocument::LoadText("").Ok());
}

}  // namespace
