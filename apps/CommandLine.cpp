#include "Commands.h"

#include "ConnectionPassword.h"
#include "ConnectionText.h"
#include "ShareProps.h"

#include <QFileInfo>

int UsageError(const CommandLine& line, const QString& message)
{
    Print(stderr, QStringLiteral("tabrix: %1\nusage: %2\n").arg(message, QLatin1String(line.usage)));
    return 1;
}

bool MatchOption(const QStringList& args, qsizetype& i, QLatin1StringView name, std::optional<QString>& value)
{
    const QString& arg = args[i];
    if (arg == name) {
        value = i + 1 < args.size() ? std::optional<QString>(args[++i]) : std::nullopt;
        return true;
    }
    if (arg.startsWith(name) && arg.at(name.size()) == QLatin1Char('=')) {
        value = arg.mid(name.size() + 1);
        return true;
    }
    return false;
}

bool MatchDatabaseOption(const QStringList& args, qsizetype& i, DatabaseOptions& options, QString& error)
{
    std::optional<QString> value;
    if (MatchOption(args, i, QLatin1StringView("--db"), value)) {
        if (!value)
            error = QStringLiteral("--db needs a file name");
        options.file = value;
        return true;
    }
    if (MatchOption(args, i, QLatin1StringView("--connection"), value)) {
        if (!value)
            error = QStringLiteral("--connection needs a connection text");
        options.connection = value;
        return true;
    }
    return false;
}

int CheckDatabaseOptions(const CommandLine& line, DatabaseOptions& options)
{
    if (options.file && options.connection)
        return UsageError(line, QStringLiteral("give either --db or --connection"));
    if (options.file && options.file->contains(u';'))
        return UsageError(line, QStringLiteral("a file name with ';' cannot go into a connection text; use --connection"));
    if (options.file && !QFileInfo(*options.file).isFile()) {
        Print(stderr, QStringLiteral("tabrix: no database file '%1'\n").arg(*options.file));
        return 2;
    }
    QString error;
    if (options.connection && !CompleteConnectionPassword(*options.connection, error)) {
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(error));
        return 2;
    }
    return 0;
}

void SetHostLogin(const DatabaseOptions& options, const std::optional<QString>& language,
                  const std::optional<QString>& accountName)
{
    QString propsString;
    QString derivedName;
    if (options.file) {
        propsString = QStringLiteral("Provider=SQLite;Data Source=%1;Language=%2")
                          .arg(QFileInfo(*options.file).absoluteFilePath(), language.value_or(QStringLiteral("CHS")));
        derivedName = QFileInfo(*options.file).completeBaseName();
    } else if (options.connection) {
        propsString = *options.connection;
        if (language)
            propsString += (propsString.endsWith(u';') ? QString() : QStringLiteral(";")) + QStringLiteral("Language=") + *language;
        const ado::ConnectionText text(options.connection->toStdString());
        derivedName = QString::fromStdString(text.GetOr("Initial Catalog", text.GetOr("Data Source")));
    }
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), propsString);
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), accountName.value_or(derivedName));
}

bool MatchLanguageOption(const QStringList& args, qsizetype& i, std::optional<QString>& language, QString& error)
{
    std::optional<QString> value;
    if (!MatchOption(args, i, QLatin1StringView("--language"), value))
        return false;
    const QString code = value ? value->toUpper() : QString();
    if (code == QLatin1String("CHS") || code == QLatin1String("CHT") || code == QLatin1String("EN"))
        language = code;
    else
        error = QStringLiteral("--language takes CHS, CHT or EN");
    return true;
}

void Print(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    Print(stream, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
