#pragma once

#include <QByteArray>
#include <QString>

// A file the program writes whole (a document, a report, a database, settings), and how it is
// written without harm to what the name stands for:
// - a regular file, or none yet: a temporary file beside it takes its name once complete, so a
//   reader sees the old file or the new one and a failure leaves the old one;
// - a symbolic link: the link stays and the file it leads to is written as above, its temporary
//   file beside that file;
// - a device, FIFO or socket: written in place, never replaced by a regular file.
class OutputTarget {
public:
    explicit OutputTarget(QString path);

    // The name as given, for messages.
    const QString& Path() const { return m_path; }
    // The name that takes the bytes: the path through its links, or the path itself when it is
    // written in place.
    const QString& File() const { return m_file; }
    // Whether the name exists as something other than a regular file (or a folder).
    bool InPlace() const { return m_inPlace; }
    // The folder for a temporary file that Commit moves onto the target: beside File(), or the
    // system's temporary folder for a target written in place.
    QString TemporaryFolder() const;

    // Writes the bytes whole. False with the system's reason in error.
    bool Write(const QByteArray& bytes, QString& error) const;
    // Puts a finished temporary file in the target's place: renamed onto it, or for a target
    // written in place its bytes copied there. The temporary file is gone either way. False
    // with the reason.
    bool Commit(const QString& temporary, QString& error) const;
    // Whether Write could succeed, without writing anything. False with the reason.
    bool CheckWritable(QString& error) const;

private:
    bool WriteInPlace(const QByteArray& bytes, QString& error) const;
    bool CopyInPlace(const QByteArray& from, QString& error) const;

    QString m_path;
    QString m_file;
    bool m_inPlace = false;
};
