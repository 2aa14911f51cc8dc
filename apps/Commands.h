#pragma once

#include <QStringList>

#include <cstdio>
#include <optional>
#include <string_view>

// What a command of the tabrix program receives.
struct CommandLine {
    int& argc;            // the process's own, for the application object a command creates
    char** argv;
    QStringList args;     // the arguments after the command name
    const char* usage;    // the command's usage line
};

using CommandFunction = int (*)(CommandLine& line);

// Prints the message and the usage line on standard error; returns the exit status of a usage error (1).
int UsageError(const CommandLine& line, const QString& message);
// True when args[i] is the option name, given as "--name VALUE" or "--name=VALUE"; then value holds
// the value (nothing when it is missing) and i stands on the option's last argument.
bool MatchOption(const QStringList& args, qsizetype& i, QLatin1StringView name, std::optional<QString>& value);
// Writes UTF-8 text as it stands.
// Shows the components' messages in real message boxes, unless the process already has a handler.
void InstallMessageBox();
void Print(std::FILE* stream, std::string_view text);
void Print(std::FILE* stream, const QString& text);
inline void Print(std::FILE* stream, const char* text) { Print(stream, std::string_view(text)); }

int CmdDemoDb(CommandLine& line);
int CmdQuery(CommandLine& line);
int CmdExport(CommandLine& line);
int CmdConvert(CommandLine& line);
int CmdDictionary(CommandLine& line);
int CmdBrowse(CommandLine& line);
