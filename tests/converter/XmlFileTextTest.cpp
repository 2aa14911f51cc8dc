// Template files as they come: in the encoding their declaration names (or UTF-16 with a
// byte-order mark), with parse offsets counted in the file's own bytes, and paths that are no
// regular file refused at once.
#include "XmlElement.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

namespace {

class XmlFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = m_folder.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static xml::XmlDocument Load(const std::string& path) { return xml::XmlDocument::LoadFile(QString::fromStdString(path)); }

    QTemporaryDir m_folder;
};

std::string Declared(const std::string& encoding, const std::string& hint)
{
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<t hint=\"" + hint + "\"/>";
}

// UTF-16 bytes of an ASCII text with one character outside the ASCII range in the middle.
std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST_F(XmlFile, ReadsDeclaredEncodingsAndUtf16AsUtf8)
{
    const struct {
        const char* name;
        std::string bytes;
        const char* hint;  // UTF-8
    } cases[] = {
        {"GBK", Declared("GBK", "\xD6\xD0\xCE\xC4"), "中文"},
        // Files that say gb2312 often hold GBK characters (堃 is one).
        {"gb2312", Declared("gb2312", "\xD6\xD0\xCE\xC4\x88\xD2"), "中文堃"},
        {"GB18030", Declared("GB18030", "\xD6\xD0\x95\x32\x82\x36"), "中𠀀"},
        {"Big5", Declared("Big5", "\xA4\xA4\xA4\xE5"), "中文"},
        {"UTF-16LE", Utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><t hint=\"中\U00020000\"/>", false), "中𠀀"},
        {"UTF-16BE", Utf16(u"<t hint=\"中\U00020000\"/>", true), "中𠀀"},
        {"UTF-8", Declared("UTF-8", "中文"), "中文"},
        {"no declaration", "<t hint=\"中文\"/>", "中文"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const xml::XmlDocument document = Load(Write("t.xml", c.bytes));
        ASSERT_TRUE(document.Ok()) << document.Error().Reason().toStdString();
        EXPECT_EQ(document.DocumentElement().Attribute("hint"), c.hint);
    }
}

TEST_F(XmlFile, EncodingFailuresNameTheEncodingAndOffsetsCountTheFilesBytes)
{
    const std::string unknown = Write("unknown.xml", Declared("x-nope", "a"));
    EXPECT_EQ(Load(unknown).Error().Reason().toStdString(),
              "Unknown encoding 'x-nope' in the XML declaration: " + unknown);
    // An iconv option is no encoding name: it would make iconv skip what it cannot read.
    const std::string option = Write("option.xml", Declared("GBK//IGNORE", "a"));
    EXPECT_EQ(Load(option).Error().Reason().toStdString(),
              "Unknown encoding 'GBK//IGNORE' in the XML declaration: " + option);

    const std::string invalid = Write("invalid.xml", Declared("GBK", "\xD6\xD0\x81\x20"));
    const size_t at = Declared("GBK", "\xD6\xD0").size() - 3;  // before the quote and "/>"
    EXPECT_EQ(Load(invalid).Error().Reason().toStdString(),
              "The file is not GBK text (byte offset " + std::to_string(at) + "): " + invalid);

    // The same broken document in UTF-8 and in GBK: two characters of three bytes each take two
    // in GBK, so the error stands two bytes earlier in the GBK file.
    const std::string head = "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<a>";
    const xml::XmlDocument utf8 = xml::XmlDocument::LoadText(head + "中文<b></a>");
    const xml::XmlDocument gbk = Load(Write("broken.xml", head + "\xD6\xD0\xCE\xC4<b></a>"));
    ASSERT_FALSE(gbk.Ok());
    EXPECT_EQ(gbk.Error().description, utf8.Error().description);
    EXPECT_EQ(gbk.Error().offset, utf8.Error().offset - 2);
}

TEST_F(XmlFile, PathsThatAreNoRegularFileAreRefusedAtOnce)
{
    const std::string folder = m_folder.path().toStdString();
    EXPECT_EQ(Load(folder).Error().Reason().toStdString(), "Not a regular file (a folder): " + folder);
    // Opened for reading, a FIFO would wait for a writer that never comes.
    const std::string fifo = folder + "/fifo.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Load(fifo).Error().Reason().toStdString(), "Not a regular file (a FIFO): " + fifo);
    EXPECT_EQ(Load(folder + "/missing.xml").Error().Reason().toStdString(), "File was not found: " + folder + "/missing.xml");
}

}  // namespace
