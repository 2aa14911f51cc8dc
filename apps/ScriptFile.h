#pragma once

#include <QFile>
#include <QString>

#include <cstddef>
#include <string_view>

// A script file's text, mapped into memory rather than read, so that a data script of any size
// costs no copy of it. The pages a run has gone past are handed back (Release), so that what a
// run keeps of a script is the part it is reading, whatever the script's size.
class ScriptFile {
public:
    explicit ScriptFile(const QString& path) : m_file(path) {}

    // False, with error naming the file and the system's reason, when it cannot be read, and
    // naming the first line that is not UTF-8 when it is not: nothing of such a script may run.
    bool Open(QString& error);
    std::string_view Text() const { return m_text; }
    QString Path() const { return m_file.fileName(); }
    // The text before position will not be read again soon: its pages leave memory (they are
    // read from the file again if it is).
    void Release(std::size_t position);

private:
    QFile m_file;  // unmaps on destruction
    std::string_view m_text;
    std::size_t m_released = 0;
};
