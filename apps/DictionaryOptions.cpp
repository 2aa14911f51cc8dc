#include "DictionaryOptions.h"

#include "DictionaryWriter.h"

int DictionaryOptions::Read(const CommandLine& line)
{
    database = DatabaseOptionsOf(line);
    if (!LanguageOf(line, language))
        return UsageError(line, QStringLiteral("--language takes CHS, CHT or EN"));
    out = OptionValue(line, QStringLiteral("out"));
    search = OptionValue(line, QStringLiteral("search"));
    findCode = OptionValue(line, QStringLiteral("find-code"));
    findName = OptionValue(line, QStringLiteral("find-name"));
    format = OptionValue(line, QStringLiteral("format")).value_or(format);
    all = line.options.isSet(QStringLiteral("all"));
    check = line.options.isSet(QStringLiteral("check"));
    csvRaw = line.options.isSet(QStringLiteral("csv-raw"));
    const QStringList tables = line.options.positionalArguments();
    if (tables.size() > 1)
        return UsageError(line, QStringLiteral("give one table"));
    if (!tables.isEmpty())
        table = tables.constFirst();
    if (!DictionaryWriter::Formats().contains(format))
        return UsageError(line, QStringLiteral("--format takes %1").arg(DictionaryWriter::Formats().join(u'|')));
    if (csvRaw && format != QLatin1String("csv"))
        return UsageError(line, QStringLiteral("--csv-raw goes with --format csv"));
    const int modes = (table ? 1 : 0) + (all ? 1 : 0) + (search ? 1 : 0) + ((findCode || findName) ? 1 : 0) + (check ? 1 : 0);
    if (modes > 1)
        return UsageError(line, QStringLiteral("give one of TABLE, --all, --search, --find-code/--find-name, --check"));
    if (search && search->isEmpty())
        return UsageError(line, QStringLiteral("--search needs a text"));
    if (out && out->isEmpty())
        return UsageError(line, QStringLiteral("--out needs a file name"));
    return CheckDatabaseOptions(line, database);
}
