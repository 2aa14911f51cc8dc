// Any bytes as a template: loaded from a file as the converter and the export command load it
// (encoding named by the declaration or a byte-order mark converted first) and from memory, then
// walked as the converter walks it: server, database and table elements and their attributes,
// the type map's lookups, and every other element with all its attributes.
#include "FuzzCheck.h"
#include "XmlElement.h"

#include <QString>

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

// The input as a regular file, without touching the disk: a memory file named through /proc.
class MemoryFile {
public:
    MemoryFile() : m_fd(::memfd_create("template.xml", MFD_CLOEXEC))
    {
        FUZZ_CHECK(m_fd >= 0);
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    QString Hold(const std::uint8_t* data, std::size_t size) const
    {
        FUZZ_CHECK(::ftruncate(m_fd, 0) == 0);
        FUZZ_CHECK(size == 0 || ::pwrite(m_fd, data, size, 0) == static_cast<ssize_t>(size));
        return QStringLiteral("/proc/self/fd/%1").arg(m_fd);
    }

private:
    int m_fd;
};

void ReadAttributes(const xml::XmlElement& element, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        element.Attribute(name);
}

// The converter's walk: servers with their files and login, databases, tables.
void WalkTemplate(const xml::XmlElement& root)
{
    for (const char* entry : {"f3", "f131", "f202", "f205"})
        root.SelectSingleNode(entry).Text();
    for (xml::XmlElement server : root.Children()) {
        FUZZ_CHECK(server.Parent() == root);
        ReadAttributes(server, {"name", "user", "pwd", "constr", "structfile", "datafile", "logfile"});
        for (const xml::XmlElement& database : server.Children()) {
            ReadAttributes(database, {"name", "constr"});
            for (const xml::XmlElement& table : database.Children()) {
                FUZZ_CHECK(table.Parent().Parent() == server);
                ReadAttributes(table, {"name", "hint", "expr", "special"});
            }
        }
        // The export command fills in the output files its options name.
        if (server.Attribute("structfile").empty()) {
            server.SetAttribute("structfile", "struct.sql");
            FUZZ_CHECK(server.Attribute("structfile") == "struct.sql");
        }
    }
}

// Every element below the root with every attribute it has, without recursion: a template may
// nest as deep as its size allows.
void WalkEverything(const xml::XmlElement& root)
{
    std::vector<xml::XmlElement> pending{root};
    while (!pending.empty()) {
        const xml::XmlElement element = pending.back();
        pending.pop_back();
        element.Name();
        for (const pugi::xml_attribute& attribute : element.Node().attributes())
            element.Attribute(attribute.name());
        for (const xml::XmlElement& child : element.Children())
            pending.push_back(child);
    }
    root.Text();
}

// fileSize: for a document loaded from a file, whose error offsets count the file's bytes.
void Walk(const xml::XmlDocument& document, std::optional<std::size_t> fileSize)
{
    if (!document.Ok()) {
        FUZZ_CHECK(document.DocumentElement().IsNull());
        FUZZ_CHECK(!fileSize || document.Error().offset <= static_cast<std::ptrdiff_t>(*fileSize));
        document.Error().Reason();
        return;
    }
    const xml::XmlElement root = document.DocumentElement();
    FUZZ_CHECK(!root.IsNull() && root.Parent().IsNull());
    WalkEverything(root);
    WalkTemplate(root);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const MemoryFile file;
    Walk(xml::XmlDocument::LoadFile(file.Hold(data, size)), size);
    Walk(xml::XmlDocument::LoadText(std::string_view(reinterpret_cast<const char*>(data), size)), std::nullopt);
    return 0;
}
