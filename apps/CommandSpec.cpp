#include "CommandSpec.h"

#ifndef TABRIX_VERSION
#define TABRIX_VERSION "unknown"
#endif

namespace {

QCommandLineOption Option(const QString& name, const QString& description, const QString& valueName = {})
{
    return QCommandLineOption(name, description, valueName);
}

// The options several commands share.
QCommandLineOption DbOption()
{
    return Option(QStringLiteral("db"), QStringLiteral("the account database: a SQLite file of the embedded provider"),
                  QStringLiteral("FILE"));
}

QCommandLineOption ConnectionOption()
{
    return Option(QStringLiteral("connection"),
                  QStringLiteral("the account database through a connection text (SQL Server through ODBC, or the "
                                 "embedded provider); a SQL Server text may leave out its password, which then comes "
                                 "from TABRIX_PASSWORD or, on a terminal, from a prompt that does not echo"),
                  QStringLiteral("TEXT"));
}

QCommandLineOption LanguageOption()
{
    return Option(QStringLiteral("language"), QStringLiteral("the host's language: CHS (default), CHT or EN"),
                  QStringLiteral("CHS|CHT|EN"));
}

const QString kUsageFailure = QStringLiteral("0 done; 1 usage error; 2 failure (the reason is printed)");

std::vector<CommandSpec> MakeCommands()
{
    std::vector<CommandSpec> commands;
    commands.push_back({
        "demo-db", CmdDemoDb, "tabrix demo-db FILE [--large-table ROWS] [--large-dictionary TABLES]",
        QStringLiteral("Writes the demo account database (its dictionary and sample tables) to FILE, replacing it "
                       "(through a link, its target; a device or FIFO gets the bytes in place, without the summary)."),
        {{QStringLiteral("FILE"), QStringLiteral("the database file to write")}},
        {Option(QStringLiteral("large-table"), QStringLiteral("also fill t_LargeTable with ROWS generated rows"),
                QStringLiteral("ROWS")),
         Option(QStringLiteral("large-dictionary"),
                QStringLiteral("write a generated dictionary of TABLES tables instead of the demo account"),
                QStringLiteral("TABLES"))},
        kUsageFailure,
    });
    commands.push_back({
        "query", CmdQuery, "tabrix query [--db FILE | --connection TEXT] [--write] SQL",
        QStringLiteral("Runs one SQL text and prints its rows tab-separated, with a header line; NULL for nulls. "
                       "Without --write the database is opened read-only and the text runs in a transaction that "
                       "is rolled back, so nothing it changes is kept. Put -- before an SQL text that starts with --."),
        {{QStringLiteral("SQL"), QStringLiteral("the SQL text, as one argument")}},
        {DbOption(), ConnectionOption(),
         Option(QStringLiteral("write"),
                QStringLiteral("open the database for writing and keep what the text changes (each statement is "
                               "committed as it runs)"))},
        kUsageFailure,
    });
    commands.push_back({
        "convert", CmdConvert, "tabrix convert [TEMPLATE] [--language CHS|CHT|EN]",
        QStringLiteral("Opens the converter's template dialog, with TEMPLATE loaded when given; without it, the "
                       "files of the last run, or on the first run the demo account's template and output files "
                       "in the user's data folder."),
        {{QStringLiteral("TEMPLATE"), QStringLiteral("the template file to load")}},
        {Option(QStringLiteral("language"),
                QStringLiteral("the dialog's language: CHS, CHT or EN (default: from the system's locale)"),
                QStringLiteral("CHS|CHT|EN"))},
        kUsageFailure,
    });
    commands.push_back({
        "export",
        CmdExport,
        "tabrix export TEMPLATE [--struct F] [--data F] [--log F] [--append] [--batch N] [--verify | --verify-on TEXT]\n"
        "                      [--report FILE.json]",
        QStringLiteral("Exports the databases of TEMPLATE to SQL scripts without a window. The template's own "
                       "structfile, datafile and logfile attributes win over the options. Ctrl+C stops cleanly; "
                       "a second Ctrl+C quits at once (status 130)."),
        {{QStringLiteral("TEMPLATE"), QStringLiteral("the XML template of the run")}},
        {Option(QStringLiteral("struct"), QStringLiteral("the structure script"), QStringLiteral("F")),
         Option(QStringLiteral("data"), QStringLiteral("the data script"), QStringLiteral("F")),
         Option(QStringLiteral("log"), QStringLiteral("the log file"), QStringLiteral("F")),
         Option(QStringLiteral("append"), QStringLiteral("append to the files instead of starting them empty")),
         Option(QStringLiteral("batch"),
                QStringLiteral("wrap every N inserts of a table in begin tran / commit tran (1 to 1,000,000,000)"),
                QStringLiteral("N")),
         Option(QStringLiteral("verify"),
                QStringLiteral("replay the scripts on a scratch SQLite copy and compare every table with its source")),
         Option(QStringLiteral("verify-on"),
                QStringLiteral("as --verify, but replay the scripts on a scratch database of the SQL Server TEXT "
                               "reaches (made with a name of its own and dropped at the end) and compare every "
                               "value, identity columns included, as the copy's column type holds it"),
                QStringLiteral("TEXT")),
         Option(QStringLiteral("report"), QStringLiteral("write a JSON report of the run to FILE.json"),
                QStringLiteral("FILE.json"))},
        QStringLiteral("0 nothing logged and every write reached its file; 1 usage error; 2 the run could not do its "
                       "job (template unreadable, an output file cannot be opened, writes failed); 3 tables or "
                       "databases failed (see the log); 4 with --verify or --verify-on, a copy differs from its source or could "
                       "not be verified; 130 interrupted"),
    });
    commands.push_back({
        "apply", CmdApply, "tabrix apply [--db FILE | --connection TEXT] SCRIPT... [--create] [--no-transaction]",
        QStringLiteral("Runs structure and data scripts as the converter writes them on a database, in one "
                       "transaction: a failing statement rolls everything back."),
        {{QStringLiteral("SCRIPT..."), QStringLiteral("the scripts, run in the order given")}},
        {DbOption(), ConnectionOption(),
         Option(QStringLiteral("create"), QStringLiteral("make a new SQLite file (an existing one is refused)")),
         Option(QStringLiteral("no-transaction"),
                QStringLiteral("run every statement on its own; a failure stops the run and earlier statements stay"))},
        QStringLiteral("0 applied; 1 usage error; 2 a script cannot be read or the database cannot be opened or "
                       "made (nothing applied); 3 a statement failed"),
    });
    commands.push_back({
        "dictionary", CmdDictionary,
        "tabrix dictionary [--db FILE | --connection TEXT] [--language CHS|CHT|EN] [--format text|json|csv|markdown|html]\n"
        "                    [--csv-raw] [--out FILE] [TABLE | --all | --search TEXT | --find-code TEXT --find-name TEXT | --check]",
        QStringLiteral("Prints the data dictionary as the browser shows it: the tree, or with TABLE that table's "
                       "index and field lists. Without --db or --connection it reads the demo account."),
        {{QStringLiteral("TABLE"), QStringLiteral("the table whose indexes and fields to print")}},
        {DbOption(), ConnectionOption(), LanguageOption(),
         Option(QStringLiteral("format"), QStringLiteral("the output's format (default text)"),
                QStringLiteral("text|json|csv|markdown|html")),
         Option(QStringLiteral("csv-raw"),
                QStringLiteral("with --format csv, write cells that start with = + - @, a tab or a carriage return as "
                               "they are (by default they get a leading ' so that a spreadsheet does not run them as "
                               "formulas)")),
         Option(QStringLiteral("out"),
                QStringLiteral("write to FILE through a temporary file that takes its name only once complete (a "
                               "link's target takes it, the link stays); a device or FIFO is written in place"),
                QStringLiteral("FILE")),
         Option(QStringLiteral("all"), QStringLiteral("every described table with its indexes and fields")),
         Option(QStringLiteral("search"),
                QStringLiteral("the columns whose name or description contains TEXT, letter case ignored"),
                QStringLiteral("TEXT")),
         Option(QStringLiteral("find-code"),
                QStringLiteral("the tables the find dialog walks for this code: those whose code contains TEXT "
                               "as typed (letter case ignored; quotes, %, _ and [ are plain characters)"),
                QStringLiteral("TEXT")),
         Option(QStringLiteral("find-name"),
                QStringLiteral("the tables the find dialog walks for this name: those whose description in the "
                               "language (else the simplified-Chinese one) contains TEXT, matched the same way"),
                QStringLiteral("TEXT")),
         Option(QStringLiteral("check"),
                QStringLiteral("the drift between the dictionary and the database's catalogue"))},
        QStringLiteral("0 done; 1 usage error, a find without a text, or drift found by --check; 2 failure of the "
                       "data layer or the output, or a find text with a quote; 3 --all wrote its document but some "
                       "tables could not be read (each named on standard error)"),
    });
    commands.push_back({
        "browse", CmdBrowse,
        "tabrix browse [--db FILE | --connection TEXT] [--account NAME] [--language CHS|CHT|EN] [--modeless]",
        QStringLiteral("Opens the dictionary browser as a host opens it after a login. Without --db or --connection "
                       "it shows the demo account, kept in the user's data folder."),
        {},
        {DbOption(), ConnectionOption(),
         Option(QStringLiteral("account"),
                QStringLiteral("the account name in the title (default: the file's base name or the database)"),
                QStringLiteral("NAME")),
         LanguageOption(), Option(QStringLiteral("modeless"), QStringLiteral("show the window modeless"))},
        kUsageFailure,
    });
    return commands;
}

QString OptionSynopsis(const QCommandLineOption& option)
{
    QString text = QStringLiteral("--") + option.names().constFirst();
    if (!option.valueName().isEmpty())
        text += u' ' + option.valueName();
    return text;
}

// The text broken into lines of at most 79 columns at blanks, each line after indent.
QString Wrapped(const QString& text, int indent)
{
    constexpr int kColumns = 79;
    QString wrapped, line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > kColumns) {
            wrapped += QString(indent, u' ') + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return wrapped + QString(indent, u' ') + line + u'\n';
}

// Roff treats a leading dot or quote and backslashes specially.
QString Roff(QString text)
{
    text.replace(u'\\', QStringLiteral("\\e"));
    text.replace(u'-', QStringLiteral("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

}  // namespace

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> commands = MakeCommands();
    return commands;
}

void CommandSpec::Configure(QCommandLineParser& parser) const
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this help")));
}

QString CommandSpec::HelpText() const
{
    QString text = QStringLiteral("usage: %1\n\n").arg(QLatin1String(usage)) + Wrapped(summary, 0);
    if (!positionals.isEmpty()) {
        text += QStringLiteral("\narguments:\n");
        for (const Positional& positional : positionals)
            text += QStringLiteral("  %1\n").arg(positional.name) + Wrapped(positional.description, 6);
    }
    text += QStringLiteral("\noptions:\n");
    for (const QCommandLineOption& option : options)
        text += QStringLiteral("  %1\n").arg(OptionSynopsis(option)) + Wrapped(option.description(), 6);
    text += QStringLiteral("  -h, --help\n      show this help\n\n") + Wrapped(QStringLiteral("exit status: ") + exitStatus, 0);
    return text;
}

QString ProgramHelpText()
{
    QString text = QStringLiteral("usage: tabrix COMMAND [ARGUMENTS]\n       tabrix COMMAND --help\n"
                                  "       tabrix --help | --version\n\ncommands:\n");
    for (const CommandSpec& command : Commands())
        text += QStringLiteral("  %1\n").arg(QLatin1String(command.usage));
    text += QStringLiteral("\nexit status: 0 ok; 1 usage error; 2 failure; 3 logged failures (export); "
                           "see tabrix COMMAND --help\n");
    return text;
}

QString ProgramVersionText()
{
    return QStringLiteral("tabrix " TABRIX_VERSION "\n");
}

QString ManualPage()
{
    QString page = QStringLiteral(".TH TABRIX 1 \"\" \"tabrix " TABRIX_VERSION "\" \"User Commands\"\n"
                                  ".SH NAME\ntabrix \\- data dictionary browser and database converter\n"
                                  ".SH SYNOPSIS\n");
    for (const CommandSpec& command : Commands())
        page += QStringLiteral(".nf\n%1\n.fi\n").arg(Roff(QString::fromLatin1(command.usage)));
    page += QStringLiteral(".nf\ntabrix COMMAND \\-\\-help\ntabrix \\-\\-help | \\-\\-version\n.fi\n.SH COMMANDS\n");
    for (const CommandSpec& command : Commands()) {
        page += QStringLiteral(".SS %1\n%2\n").arg(QLatin1String(command.name), Roff(command.summary));
        for (const CommandSpec::Positional& positional : command.positionals)
            page += QStringLiteral(".TP\n.I %1\n%2\n").arg(Roff(positional.name), Roff(positional.description));
        for (const QCommandLineOption& option : command.options) {
            const QString value = option.valueName().isEmpty() ? QString() : u' ' + Roff(option.valueName());
            page += QStringLiteral(".TP\n.B \\-\\-%1%2\n%3\n")
                        .arg(Roff(option.names().constFirst()), value, Roff(option.description()));
        }
        page += QStringLiteral(".PP\nExit status: %1\n").arg(Roff(command.exitStatus));
    }
    page += QStringLiteral(".SH ENVIRONMENT\n.TP\n.B TABRIX_PASSWORD\n"
                           "The password of a SQL Server connection text that leaves it out.\n"
                           ".TP\n.B TABRIX_PLUGIN_PATH\nColon-separated folders searched for plugins.\n"
                           ".SH EXIT STATUS\n0 ok; 1 usage error; 2 failure; 3 logged failures (export); "
                           "4 a copy that differs (export \\-\\-verify); see each command.\n");
    return page;
}
