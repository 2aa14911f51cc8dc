#pragma once

#include "Commands.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <vector>

// What the tabrix program tells about each of its commands: the usage line, a summary, every
// option with its description, the positional arguments and the exit statuses. The parser of a
// command, its --help text and the manual page are all made from these descriptions.
struct CommandSpec {
    struct Positional {
        QString name;
        QString description;
    };

    const char* name;
    CommandFunction function;
    const char* usage;
    QString summary;
    QList<Positional> positionals;
    QList<QCommandLineOption> options;
    QString exitStatus;

    // The parser of the command's arguments, with --help beside its own options.
    void Configure(QCommandLineParser& parser) const;
    // The --help text: usage line, summary, arguments, options and exit statuses.
    QString HelpText() const;
};

// Every command, in the order the help lists them.
const std::vector<CommandSpec>& Commands();

// The program's own texts.
QString ProgramHelpText();
QString ProgramVersionText();
// The manual page tabrix.1 in roff, from the same descriptions as the help.
QString ManualPage();
