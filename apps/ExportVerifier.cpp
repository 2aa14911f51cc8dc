#include "ExportVerifier.h"

#include "AutomationError.h"
#include "Connection.h"
#include "ScriptFile.h"
#include "ScratchDatabase.h"
#include "ScriptRunner.h"
#include "ServerTableDigest.h"
#include "SqlIdentifier.h"
#include "TableDigest.h"
#include "mdlCommon.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cctype>
#include <map>
#include <memory>
#include <optional>

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A row as a message shows it: its insert's second half, cut short when it is long.
QString Shown(const std::string& rowText)
{
    constexpr qsizetype kMost = 300;
    const QString text = FromUtf8(rowText);
    return QLatin1Char('(') + (text.size() > kMost ? text.left(kMost) + QStringLiteral("...") : text);
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

// The tables whose statements one pair of script files holds.
struct ExportVerifier::Scripts {
    std::string structFile, dataFile;  // as the first server element names them
    std::vector<xml::XmlElement> tables;
};

ExportVerifier::ExportVerifier(std::vector<xml::XmlElement> servers, Report report)
    : m_servers(std::move(servers)), m_report(std::move(report))
{
}

void ExportVerifier::Fail(const xml::XmlElement& table, const QString& text)
{
    ++m_failed;
    m_report(table, text);
}

bool ExportVerifier::Run()
{
    // Server elements that write into the same files make one replay.
    std::map<std::pair<QString, QString>, Scripts> byFiles;
    std::vector<std::pair<QString, QString>> order;
    for (const xml::XmlElement& server : m_servers) {
        const std::string structFile = server.Attribute("structfile");
        const std::string dataFile = server.Attribute("datafile");
        std::vector<xml::XmlElement> tables;
        for (const xml::XmlElement& database : server.Children())
            for (const xml::XmlElement& table : database.Children())
                tables.push_back(table);
        if (structFile.empty() || dataFile.empty()) {
            for (const xml::XmlElement& table : tables)
                Fail(table, QStringLiteral("verify: not verified: the server element names no %1 file")
                                .arg(structFile.empty() ? QStringLiteral("structure") : QStringLiteral("data")));
            continue;
        }
        const std::pair key{QFileInfo(FromUtf8(structFile)).absoluteFilePath(),
                            QFileInfo(FromUtf8(dataFile)).absoluteFilePath()};
        auto [group, made] = byFiles.try_emplace(key, Scripts{structFile, dataFile, {}});
        if (made)
            order.push_back(key);
        group->second.tables.insert(group->second.tables.end(), tables.begin(), tables.end());
    }
    for (const auto& key : order)
        VerifyScripts(byFiles.at(key));
    return m_failed == 0;
}

void ExportVerifier::VerifyScripts(const Scripts& scripts)
{
    const auto failAll = [&](const QString& why) {
        for (const xml::XmlElement& table : scripts.tables)
            Fail(table, QStringLiteral("verify: not verified: ") + why);
    };

    ScriptFile structure(FromUtf8(scripts.structFile)), data(FromUtf8(scripts.dataFile));
    QString error;
    if (!structure.Open(error) || !data.Open(error))
        return failAll(error);

    QTemporaryDir scratch;
    if (!scratch.isValid())
        return failAll(QStringLiteral("no scratch folder: %1").arg(scratch.errorString()));
    // Declared before the copy's connection, so that the connection is closed before the
    // database goes.
    std::optional<ScratchDatabase> serverCopy;
    if (m_server) {
        try {
            serverCopy.emplace(*m_server);
        } catch (const automation::AutomationError& e) {
            return failAll(QStringLiteral("no scratch database on the server: %1").arg(e.Description()));
        }
    }
    auto copy = std::make_shared<ado::Connection>();
    try {
        if (serverCopy)
            copy->Open(serverCopy->ConnectionText(), ado::adModeReadWrite);
        else
            copy->Open("Provider=SQLite;Data Source=" + scratch.filePath(QStringLiteral("copy.db")).toStdString(),
                       ado::adModeCreate);
        ScriptRunner runner(*copy, true);
        runner.SkipUpdates();
        const ScriptFile* current = &structure;
        try {
            runner.Run(structure.Text());
            current = &data;
            runner.Run(data.Text());
            runner.Commit();
        } catch (const ScriptFailure& e) {
            return failAll(QStringLiteral("the scripts do not replay: %1:%2: %3").arg(current->Path()).arg(e.Line()).arg(e.Message()));
        }
    } catch (const automation::AutomationError& e) {
        return failAll(QStringLiteral("the scripts do not replay: %1").arg(e.Description()));
    }

    // A table written twice into these scripts replays as the last one's rows.
    std::map<std::string, int> listed;
    for (const xml::XmlElement& table : scripts.tables)
        ++listed[Lower(sqlname::QuoteQualified(table.Attribute("name")))];

    std::optional<xml::XmlElement> openDatabase;
    ado::ConnectionPtr source;
    QString sourceError;
    for (const xml::XmlElement& table : scripts.tables) {
        const std::string T = sqlname::QuoteQualified(table.Attribute("name"));
        if (listed[Lower(T)] > 1) {
            Fail(table, QStringLiteral("verify: not verified: the table is written more than once into %1, whose "
                                       "replay keeps the last one's rows")
                            .arg(FromUtf8(scripts.dataFile)));
            continue;
        }
        const xml::XmlElement database = table.Parent();
        if (!openDatabase || !(*openDatabase == database)) {
            openDatabase = database;
            source = std::make_shared<ado::Connection>();
            sourceError.clear();
            try {
                source->Open(mdlCommon::ConnectionTextOf(database), ado::adModeRead);
            } catch (const automation::AutomationError& e) {
                sourceError = e.Description();
            }
        }
        if (!sourceError.isEmpty()) {
            Fail(table, QStringLiteral("verify: not verified: the source cannot be opened: ") + sourceError);
            continue;
        }

        // A server's values, and those of a copy on a server, compare as their column types hold
        // them: the copy's types on a server; the source's own when a server's table replays on
        // a SQLite file, whose values read back in forms of their own (1 for a decimal's
        // 1.000000, 'x' for an nchar(4)'s 'x   ').
        if (serverCopy || !source->IsEmbedded()) {
            try {
                if (SameAsTyped(table, T, source, copy, ServerTableDigest::ColumnsOf(serverCopy ? *copy : *source, T)))
                    ++m_verified;
            } catch (const automation::AutomationError& e) {
                Fail(table, QStringLiteral("verify: not verified: ") + e.Description());
            }
            continue;
        }
        const std::string objectName = sqlname::InLiteral(T);
        TableDigest::Source original{source, "select * from " + T + " " + table.Attribute("expr"), objectName};
        try {
            const TableDigest expected = TableDigest::Of(original);
            const std::string columns = expected.Columns().empty() ? "*" : expected.Columns();
            const TableDigest::Source replayed{copy, "select " + columns + " from " + T, objectName};
            const TableDigest actual = TableDigest::Of(replayed);
            if (actual.SameRows(expected) && (expected.Rows() == 0 || actual.Columns() == expected.Columns())) {
                ++m_verified;
                m_otherForms += expected.OtherForms();
                continue;
            }
            QString text = QStringLiteral("verify: the copy differs: %1 rows in the source, %2 in the copy")
                               .arg(expected.Rows())
                               .arg(actual.Rows());
            if (expected.Rows() > 0 && actual.Rows() > 0 && actual.Columns() != expected.Columns()) {
                text += QStringLiteral("; the source's rows carry (%1), the copy's (%2)")
                            .arg(FromUtf8(expected.Columns()), FromUtf8(actual.Columns()));
            } else {
                if (const auto row = TableDigest::FirstMissing(original, replayed))
                    text += QStringLiteral("; row %1 of the source is not in the copy: %2").arg(row->number).arg(Shown(row->text));
                if (const auto row = TableDigest::FirstMissing(replayed, original))
                    text += QStringLiteral("; row %1 of the copy is not in the source: %2").arg(row->number).arg(Shown(row->text));
            }
            Fail(table, text);
        } catch (const automation::AutomationError& e) {
            Fail(table, QStringLiteral("verify: not verified: ") + e.Description());
        }
    }
}

bool ExportVerifier::SameAsTyped(const xml::XmlElement& table, const std::string& T, const ado::ConnectionPtr& source,
                                 const ado::ConnectionPtr& copy, const ServerTableDigest::Columns& columns)
{
    const ServerTableDigest::Source original{source, "select * from " + T + " " + table.Attribute("expr")};
    const ServerTableDigest::Source replayed{copy, "select * from " + T};
    const ServerTableDigest expected = ServerTableDigest::Of(original, columns);
    const ServerTableDigest actual = ServerTableDigest::Of(replayed, columns);
    if (actual.SameRows(expected))
        return true;
    QString text = QStringLiteral("verify: the copy differs: %1 rows in the source, %2 in the copy")
                       .arg(expected.Rows())
                       .arg(actual.Rows());
    if (expected.WithoutForm() > 0)
        text += QStringLiteral("; %1 values of the source have no form in their column's type")
                    .arg(expected.WithoutForm());
    if (const auto row = ServerTableDigest::FirstMissing(original, replayed, columns))
        text += QStringLiteral("; row %1 of the source is not in the copy: %2").arg(row->number).arg(Shown(row->text));
    if (const auto row = ServerTableDigest::FirstMissing(replayed, original, columns))
        text += QStringLiteral("; row %1 of the copy is not in the source: %2").arg(row->number).arg(Shown(row->text));
    Fail(table, text);
    return false;
}
