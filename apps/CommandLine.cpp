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

std::optional<QString> OptionValue(const CommandLine& line, const QString& name)
{
    return line.options.isSet(name) ? std::optional<QString>(line.options.value(name)) : std::nullopt;
}

DatabaseOptions DatabaseOptionsOf(const CommandLine& line)
{
    return {OptionValue(line, QStringLiteral("db")), OptionValue(line, QStringLiteral("connection"))};
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

bool LanguageOf(const CommandLine& line, std::optional<QString>& language)
{
    const std::optional<QString> value = OptionValue(line, QStringLiteral("language"));
    if (!value)
        return true;
    const QString code = value->toUpper();
    if (code != QLatin1String("CHS") && code != QLatin1String("CHT") && code != QLatin1String("EN"))
        return false;
    language = code;
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
