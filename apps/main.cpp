#include "CommandSpec.h"

namespace {

int RunCommand(const CommandSpec& command, int& argc, char** argv)
{
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    command.Configure(parser);
    CommandLine line{argc, argv, parser, command.usage};
    if (!parser.parse(QStringList{QStringLiteral("tabrix")} + args)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString name = unknown.constFirst();
            return UsageError(line, QStringLiteral("unknown option '%1%2'")
                                        .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        return UsageError(line, parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        Print(stdout, command.HelpText());
        return 0;
    }
    return command.function(line);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        Print(stderr, ProgramHelpText());
        return 1;
    }
    const QString first = QString::fromLocal8Bit(argv[1]);
    for (const CommandSpec& command : Commands()) {
        if (first == QLatin1String(command.name))
            return RunCommand(command, argc, argv);
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show the commands"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("show the version"));
    // Prints the manual page; the build writes tabrix.1 with it.
    QCommandLineOption manual(QStringLiteral("man"), QStringLiteral("print the manual page"));
    manual.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({help, version, manual});
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(args)) {
        Print(stderr, QStringLiteral("tabrix: %1\n\n%2").arg(parser.errorText(), ProgramHelpText()));
        return 1;
    }
    if (parser.isSet(help) || first == QLatin1String("help")) {
        Print(stdout, ProgramHelpText());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, ProgramVersionText());
        return 0;
    }
    if (parser.isSet(manual)) {
        Print(stdout, ManualPage());
        return 0;
    }
    Print(stderr, QStringLiteral("tabrix: unknown command '%1'\n\n%2").arg(first, ProgramHelpText()));
    return 1;
}
