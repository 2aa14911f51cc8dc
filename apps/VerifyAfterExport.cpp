#include "VerifyAfterExport.h"

#include "AutomationError.h"
#include "Commands.h"
#include "Dispatch.h"
#include "ExportVerifier.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool VerifyAfterExport(const std::vector<xml::XmlElement>& servers, QObject* converter,
                       const std::optional<QString>& serverText)
{
    ExportVerifier verifier(servers, [converter](const xml::XmlElement& table, const QString& text) {
        const xml::XmlElement database = table.Parent();
        const QString line = FromUtf8(database.Parent().Attribute("name") + "    " + database.Attribute("name") + "    " +
                                      table.Attribute("name") + "   ") +
                             text;
        Print(stderr, line + QLatin1Char('\n'));
        try {
            automation::Invoke(converter, "WriteToFile", {QVariant::fromValue(table), line, QVariant::fromValue<short>(2)});
        } catch (const automation::AutomationError& e) {
            Print(stderr, QStringLiteral("tabrix: the log line could not be written: %1\n").arg(e.Description()));
        }
    });
    if (serverText)
        verifier.ReplayOn(serverText->toStdString());
    const bool ok = verifier.Run();
    QString summary = QStringLiteral("tabrix export --verify: %1 tables replayed on a scratch copy%2 and equal to their source")
                          .arg(verifier.Verified())
                          .arg(serverText ? QStringLiteral(" on the server") : QString());
    if (verifier.OtherForms() > 0)
        summary += QStringLiteral(" (%1 values compared in the other form the script gives them)").arg(verifier.OtherForms());
    if (verifier.Failed() > 0)
        summary += QStringLiteral("; %1 differ or could not be verified").arg(verifier.Failed());
    Print(stdout, summary + QLatin1Char('\n'));
    return ok;
}
