#include "DictionaryExport.h"

#include "AutomationError.h"
#include "DictionaryReader.h"
#include "DictionaryWriter.h"
#include "HeldConnection.h"
#include "OutputTarget.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QFileInfo>

bool ExportDictionary(const QString& format, const QString& path, QString& message, QStringList& failures)
{
    const std::unique_ptr<DictionaryWriter> writer = DictionaryWriter::ForFormat(format);
    if (!writer) {
        message = QStringLiteral("unknown format '%1'").arg(format);
        return false;
    }
    clsGetData data;
    try {
        data.HoldConnection(std::make_shared<HeldConnection>(modPublic::GetPropsString()));
    } catch (...) {
        message = automation::InfoFromCurrentException().description;
        automation::ClearCurrentError();
        return false;
    }
    DictionaryReader reader(data);
    DictionaryDocument document;
    if (!reader.ReadTree(document, message))
        return false;
    reader.ReadAll(document);
    failures = document.Failures();
    QString reason;
    if (OutputTarget(path).Write(writer->Tables(document), reason))
        return true;
    message = QStringLiteral("cannot write '%1': %2").arg(path, reason);
    return false;
}

QString FormatOfFileName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return QStringLiteral("html");
    if (suffix == QLatin1String("json") || suffix == QLatin1String("csv"))
        return suffix;
    if (suffix == QLatin1String("md") || suffix == QLatin1String("markdown"))
        return QStringLiteral("markdown");
    return QStringLiteral("text");
}
