#include "DictionaryOptions.h"

#include "DictionaryWriter.h"

int DictionaryOptions::Read(const CommandLine& line)
{
    for (qsizetype i = 0; i < line.args.size(); ++i) {
        const QString& arg = line.args[i];
        QString error;
        std::optional<QString> value;
        const auto take = [&](const char* name, std::optional<QString>& into) {
            if (!MatchOption(line.args, i, QLatin1StringView(name), value))
                return false;
            if (!value)
                error = QStringLiteral("%1 needs a value").arg(QLatin1String(name));
            into = value;
            return true;
        };
        std::optional<QString> format;
        if (MatchDatabaseOption(line.args, i, database, error) || MatchLanguageOption(line.args, i, language, error) ||
            take("--out", out) || take("--search", search) || take("--find-code", findCode) ||
            take("--find-name", findName) || take("--format", format)) {
            if (!error.isEmpty())
                return UsageError(line, error);
            if (format)
                this->format = *format;
        } else if (arg == QLatin1String("--all")) {
            all = true;
        } else if (arg == QLatin1String("--check")) {
            check = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return UsageError(line, QStringLiteral("unknown option '%1'").arg(arg));
        } else if (table) {
            return UsageError(line, QStringLiteral("give one table"));
        } else {
            table = arg;
        }
    }
    if (!DictionaryWriter::Formats().contains(format))
        return UsageError(line, QStringLiteral("--format takes %1").arg(DictionaryWriter::Formats().join(u'|')));
    const int modes = (table ? 1 : 0) + (all ? 1 : 0) + (search ? 1 : 0) + ((findCode || findName) ? 1 : 0) + (check ? 1 : 0);
    if (modes > 1)
        return UsageError(line, QStringLiteral("give one of TABLE, --all, --search, --find-code/--find-name, --check"));
    if (search && search->isEmpty())
        return UsageError(line, QStringLiteral("--search needs a text"));
    if (out && out->isEmpty())
        return UsageError(line, QStringLiteral("--out needs a file name"));
    return CheckDatabaseOptions(line, database);
}
