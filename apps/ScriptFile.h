#pragma once

#include <QFile>
#include <QString>

#include <string_view>

// A script file's text, mapped into memory rather than read, so that a data script of any size
// costs no copy of it.
class ScriptFile {
public:
    explicit ScriptFile(const QString& path) : m_file(path) {}

    // False, with error naming the file and the system's reason, when it cannot be read.
    bool Open(QString& error);
    std::string_view Text() const { return m_text; }
    QString Path() const { return m_file.fileName(); }

private:
    QFile m_file;  // unmaps on destruction
    std::string_view m_text;
};
