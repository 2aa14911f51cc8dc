#pragma once

#include "XmlElement.h"

#include <QString>

#include <string>
#include <vector>

// The output files an export of a template will write (structfile, datafile and logfile of every
// server element that has tables, as filled from the options), checked before the walk so that
// a file that cannot be written stops the run before anything is exported.
class ExportOutputs {
public:
    explicit ExportOutputs(const std::vector<xml::XmlElement>& servers);

    // Opens every file for appending, creating it when missing, and empties it unless append is
    // set. On the first file that cannot be opened: false, error names it with the system's
    // reason, and the files made so far are taken away again; no file is emptied then.
    bool Prepare(bool append, QString& error);
    // Takes away the files Prepare made that the run left empty: the engine makes no file it
    // has nothing to write to.
    void RemoveUnused() const;

private:
    struct File {
        std::string path;  // as the template (or option) spells it
        bool created = false;
    };
    std::vector<File> m_files;
};
