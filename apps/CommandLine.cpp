#include "Commands.h"

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

void Print(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

void Print(std::FILE* stream, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    Print(stream, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
