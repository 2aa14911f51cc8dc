#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One output file of an export run, kept open and buffered. A write is appended to the buffer
// followed by CR LF, which gives the file the same bytes as one clsUtility::AppendToFile per
// write. Like those appends, a failure to open or write loses the text and nothing else; the
// writes whose text did not reach the file are counted.
//
// A statement may take more than one write (an insert's column list, then its values): a write
// marked incomplete is held back by the automatic flushes until a complete write follows, so a
// file that the run leaves early (a failure of the disk, a quit) ends at a whole statement.
class OutputFile {
public:
    explicit OutputFile(std::string path) : m_path(std::move(path)) {}
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Compose a write in place: append to Text(), then call EndWrite(). statementComplete false
    // marks the write as the first part of a statement that the next writes finish.
    // endsRow marks the write that completes a row's insert, so that rows whose text is lost
    // are counted (LostRows).
    std::string& Text() { return m_buffer; }
    void EndWrite(bool statementComplete = true, bool endsRow = false);
    void Write(std::string_view text, bool statementComplete = true)
    {
        m_buffer.append(text);
        EndWrite(statementComplete);
    }
    // Hands the whole buffer to the file, an unfinished statement too; the file stays open.
    void Flush();
    // Hands the buffer to the file through its last complete statement and drops the rest, then
    // writes the closing text: for a host that quits in the middle of a run. Nothing more should
    // be written after it.
    void FlushWholeStatements();
    // A statement that must follow what is written so far for the file to be whole (the commit
    // of an open transaction); empty for none. Written by FlushWholeStatements only.
    void SetClosing(std::string_view statement) { m_closing.assign(statement); }
    // Flushes and closes the file; a failing close counts as one failed write.
    void Close();

    // Where the file ends now, so that a table that fails can take back what it wrote.
    struct Mark {
        long long handedOut = 0;  // bytes handed to the file before the mark
        size_t buffered = 0;      // bytes still in the buffer at the mark
        size_t writes = 0;
    };
    Mark TakeMark() const { return {m_handedOut, m_buffer.size(), m_writeEnds.size()}; }
    // Ends the file at the mark again: the buffer is cut back, or, when part of what followed
    // the mark has reached the file already, the file is truncated. False when the file cannot
    // be truncated (no regular file): then what reached it stays.
    bool RollBack(const Mark& mark);

    // The path as the template first named it.
    const std::string& Path() const { return m_path; }
    // Writes whose text did not, or not entirely, reach the file.
    long long FailedWrites() const { return m_failedWrites; }
    // Rows whose insert did not, or not entirely, reach the file.
    long long LostRows() const { return m_lostRows; }
    // The system's reason for the last failed write; empty when none failed.
    const std::string& WriteError() const { return m_writeError; }
    void ClearFailedWrites() { m_failedWrites = 0; }

private:
    // Writes the first length bytes of the buffer (the first writes ended writes of it) and
    // takes them out of the buffer.
    void WriteOut(size_t length, size_t writes);

    std::string m_path;
    int m_fd = -1;
    long long m_openedAt = 0;    // the file's size when this run opened it
    long long m_handedOut = 0;   // bytes given to write() since, written or lost
    std::string m_buffer;
    std::vector<size_t> m_writeEnds;  // where each ended write of the buffer ends
    std::vector<size_t> m_rowEnds;    // where each write that ends a row ends
    size_t m_completeLength = 0;      // the buffer through the last complete statement
    size_t m_completeWrites = 0;      // the writes in that part
    long long m_failedWrites = 0;
    long long m_lostRows = 0;
    std::string m_writeError;
    std::string m_closing;
};

// The files of a run by path. Different spellings of one file share one OutputFile, so the
// order of the writes is kept when a template names a file twice. The count of failed writes
// of every file outlives the run that made them, until ClearFailedWrites.
class OutputFiles {
public:
    OutputFile& Get(const std::string& path);
    void FlushAll();
    void FlushWholeStatements();
    // Flushes and closes every file.
    void CloseAll();

    // Failed writes by file (as the template named it): files of earlier runs, files open now,
    // and appends counted with CountFailedWrite. Files without failures are not listed.
    std::map<std::string, long long> FailedWrites() const;
    // One lost write to path made outside a run.
    void CountFailedWrite(const std::string& path) { ++m_closedFailures[path]; }
    void ClearFailedWrites();

private:
    std::map<std::string, std::unique_ptr<OutputFile>> m_byFile;  // by absolute, normalised path
    std::map<std::string, OutputFile*> m_bySpelling;               // as the template writes it
    std::map<std::string, long long> m_closedFailures;
};
