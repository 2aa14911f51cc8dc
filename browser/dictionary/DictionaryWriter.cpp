#include "DictionaryWriter.h"

#include "CsvWriter.h"
#include "HtmlWriter.h"
#include "JsonWriter.h"
#include "MarkdownWriter.h"
#include "TextWriter.h"

std::unique_ptr<DictionaryWriter> DictionaryWriter::ForFormat(const QString& format, bool rawCsv)
{
    if (format == QLatin1String("text"))
        return std::make_unique<TextWriter>();
    if (format == QLatin1String("json"))
        return std::make_unique<JsonWriter>();
    if (format == QLatin1String("csv"))
        return std::make_unique<CsvWriter>(rawCsv);
    if (format == QLatin1String("markdown"))
        return std::make_unique<MarkdownWriter>();
    if (format == QLatin1String("html"))
        return std::make_unique<HtmlWriter>();
    return nullptr;
}

QStringList DictionaryWriter::Formats()
{
    return {QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("csv"), QStringLiteral("markdown"),
            QStringLiteral("html")};
}
