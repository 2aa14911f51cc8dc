#pragma once

#include "XmlElement.h"

#include <QString>

#include <string>
#include <vector>

// The output files an export of a template will write (structfile, datafile and logfile of every
// server element that has tables, as filled from the options or the dialog's boxes), checked
// before the walk so that a file that cannot be written stops the run before anything is exported.
class ExportOutputs {
public:
    // A file that could not be prepared, with the system's reason.
    struct Refusal {
        QString path;  // as the template spells it
        QString reason;
        bool emptying = false;  // it opened, but could not be emptied
    };

    explicit ExportOutputs(const std::vector<xml::XmlElement>& servers);

    // Opens every file for appending, creating it when missing, and empties it unless append is
    // set. When any file cannot be opened: false, refused names every such file, and the files
    // made are taken away again; no file is emptied then.
    bool Prepare(bool append, std::vector<Refusal>& refused);
    // True when the run writes no script: no server element names a structure or data file (a
    // log file alone gets nothing to hold).
    bool NoScript() const { return !m_scripts; }
    // Refusals as one line for a terminal: "cannot open output file '...' for appending: ...".
    static QString Describe(const std::vector<Refusal>& refused);
    // Takes away the files Prepare made that the run left empty: the engine makes no file it
    // has nothing to write to.
    void RemoveUnused() const;

private:
    struct File {
        std::string path;  // as the template (or option) spells it
        bool created = false;
    };
    std::vector<File> m_files;
    bool m_scripts = false;
};
