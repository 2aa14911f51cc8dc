#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

// One output file of an export run, kept open and buffered. A write is appended to the buffer
// followed by CR LF, which gives the file the same bytes as one clsUtility::AppendToFile per
// write. Like those appends, a failure to open or write loses the text and nothing else.
class OutputFile {
public:
    explicit OutputFile(std::string path) : m_path(std::move(path)) {}
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Compose a write in place: append to Text(), then call EndWrite().
    std::string& Text() { return m_buffer; }
    void EndWrite();
    void Write(std::string_view text)
    {
        m_buffer.append(text);
        EndWrite();
    }
    // Hands the buffer to the file; the file stays open.
    void Flush();

private:
    std::string m_path;
    int m_fd = -1;
    std::string m_buffer;
};

// The files of a run by path. Different spellings of one file share one OutputFile, so the
// order of the writes is kept when a template names a file twice.
class OutputFiles {
public:
    OutputFile& Get(const std::string& path);
    void FlushAll();
    // Flushes and closes every file.
    void CloseAll();

private:
    std::map<std::string, std::unique_ptr<OutputFile>> m_byFile;  // by absolute, normalised path
    std::map<std::string, OutputFile*> m_bySpelling;               // as the template writes it
};
