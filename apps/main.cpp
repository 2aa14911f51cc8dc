#include "Commands.h"

#include <cstring>

namespace {

struct Command {
    const char* name;
    CommandFunction function;
    const char* usage;
};

constexpr Command kCommands[] = {
    {"demo-db", CmdDemoDb, "tabrix demo-db FILE [--large-table ROWS] [--large-dictionary TABLES]"},
    {"query", CmdQuery, "tabrix query [--db FILE | --connection TEXT] SQL"},
    {"convert", CmdConvert, "tabrix convert [TEMPLATE]"},
    {"export", CmdExport, "tabrix export TEMPLATE [--struct F] [--data F] [--log F] [--append] [--batch N] [--verify] [--report FILE.json]"},
    {"apply", CmdApply, "tabrix apply [--db FILE | --connection TEXT] SCRIPT... [--create] [--no-transaction]"},
    {"dictionary", CmdDictionary,
     "tabrix dictionary [--db FILE | --connection TEXT] [--language CHS|CHT|EN] [--format text|json|csv|markdown|html]\n"
     "                    [--out FILE] [TABLE | --all | --search TEXT | --find-code TEXT --find-name TEXT | --check]"},
    {"browse", CmdBrowse, "tabrix browse [--db FILE | --connection TEXT] [--account NAME] [--language CHS|CHT|EN] [--modeless]"},
};

void PrintCommands(std::FILE* stream)
{
    Print(stream, "usage: tabrix COMMAND [ARGUMENTS]\n\ncommands:\n");
    for (const Command& command : kCommands)
        Print(stream, QStringLiteral("  %1\n").arg(QLatin1String(command.usage)));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        PrintCommands(stderr);
        return 1;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "help") == 0) {
        PrintCommands(stdout);
        return 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0)
            continue;
        QStringList args;
        for (int i = 2; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        CommandLine line{argc, argv, args, command.usage};
        return command.function(line);
    }
    Print(stderr, QStringLiteral("tabrix: unknown command '%1'\n\n").arg(QString::fromLocal8Bit(argv[1])));
    PrintCommands(stderr);
    return 1;
}
