#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <string_view>

// What a command of the tabrix program receives.
struct CommandLine {
    int& argc;                          // the process's own, for the application object a command creates
    char** argv;
    const QCommandLineParser& options;  // the arguments after the command name, parsed
    const char* usage;                  // the command's usage line
};

using CommandFunction = int (*)(CommandLine& line);

// Prints the message and the usage line on standard error; returns the exit status of a usage error (1).
int UsageError(const CommandLine& line, const QString& message);
// The value of the option (named without its dashes), nothing when it is not given.
std::optional<QString> OptionValue(const CommandLine& line, const QString& name);

// The database a command reads: "--db FILE" (a database file of the embedded provider) or
// "--connection TEXT" (any connection text).
struct DatabaseOptions {
    std::optional<QString> file;
    std::optional<QString> connection;
};
DatabaseOptions DatabaseOptionsOf(const CommandLine& line);
// Once every argument is read: 0 when the choice is sound, else the exit status after saying why
// (1 for both options or a file name that cannot go into a connection text, 2 for a missing file
// or a password prompt that could not be read). A SQL Server text without its password gets it
// here (TABRIX_PASSWORD or a prompt).
int CheckDatabaseOptions(const CommandLine& line, DatabaseOptions& options);
// Plays the host's part for the components: the login context of this process (the connection
// text with the language, for a file a text of the embedded provider) and the account name,
// which is accountName when given, else the file's base name or the connection's database.
void SetHostLogin(const DatabaseOptions& options, const std::optional<QString>& language,
                  const std::optional<QString>& accountName);
// --language, its code (CHS, CHT or EN) in upper case; false for any other code.
bool LanguageOf(const CommandLine& line, std::optional<QString>& language);
// Shows the components' messages in real message boxes, unless the process already has a handler.
void InstallMessageBox();
// Writes UTF-8 text as it stands.
void Print(std::FILE* stream, std::string_view text);
void Print(std::FILE* stream, const QString& text);
inline void Print(std::FILE* stream, const char* text) { Print(stream, std::string_view(text)); }

int CmdDemoDb(CommandLine& line);
int CmdQuery(CommandLine& line);
int CmdExport(CommandLine& line);
int CmdApply(CommandLine& line);
int CmdConvert(CommandLine& line);
int CmdDictionary(CommandLine& line);
int CmdBrowse(CommandLine& line);
