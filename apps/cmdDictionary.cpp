#include "Commands.h"

#include "DemoDatabase.h"
#include "VexaList.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QTemporaryDir>

#include <map>
#include <vector>

namespace {

// Columns a character takes on a terminal: East Asian wide and full-width forms take two.
int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                          (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

QString Value(const VexaRecord& record, const char* name)
{
    return record.GetValue(QString::fromLatin1(name)).toString();
}

// The tree as the browser control would show it: each node under the node its FRelative names.
// Nodes whose parent is missing follow, under a line naming the missing parent.
void PrintTree(const VexaList& tree)
{
    std::map<QString, std::vector<const VexaRecord*>> children;
    std::map<QString, bool> keys;
    for (const VexaRecordPtr& record : tree) {
        children[Value(*record, "FRelative")].push_back(record.get());
        keys[Value(*record, "FKey")] = true;
    }
    const auto print = [&](const auto& self, const QString& parent, int depth) -> void {
        for (const VexaRecord* node : children[parent]) {
            Print(stdout, QString(depth * 2, u' ') + Value(*node, "FText") + QStringLiteral("  [") + Value(*node, "FKey") +
                              QStringLiteral("]\n"));
            self(self, Value(*node, "FKey"), depth + 1);
        }
    };
    print(print, QString(), 0);
    for (const auto& [parent, nodes] : children) {
        if (parent.isEmpty() || keys.count(parent))
            continue;
        Print(stdout, QStringLiteral("(no node %1)\n").arg(parent));
        print(print, parent, 1);
    }
}

// One list: the layout's captions as headings, then the rows, in aligned columns.
void PrintRows(const VexaList& layout, const VexaList* rows)
{
    std::vector<QStringList> lines(1);
    QStringList names;
    for (const VexaRecordPtr& column : layout) {
        lines[0] << Value(*column, "FCaption");
        names << Value(*column, "FName");
    }
    if (rows) {
        for (const VexaRecordPtr& row : *rows) {
            QStringList cells;
            for (const QString& name : names)
                cells << row->GetValue(name).toString();
            lines.push_back(cells);
        }
    }
    std::vector<int> widths(static_cast<size_t>(names.size()), 0);
    for (const QStringList& cells : lines)
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[static_cast<size_t>(i)] = std::max(widths[static_cast<size_t>(i)], DisplayWidth(cells[i]));
    for (const QStringList& cells : lines) {
        QString text;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            text += cells[i];
            if (i + 1 < cells.size())
                text += QString(widths[static_cast<size_t>(i)] - DisplayWidth(cells[i]) + 2, u' ');
        }
        Print(stdout, text + u'\n');
    }
}

// The table's indexes and fields, looked up by its name in the tree as the window picks it.
int PrintTable(clsGetData& data, const VexaList& tree, const QString& table)
{
    qint32 tableId = 0;
    QString caption = table;
    for (const VexaRecordPtr& record : tree) {
        const QString text = Value(*record, "FText");
        if (Value(*record, "FTag") != QLatin1String("1") || text.mid(text.indexOf(u'(') + 1).chopped(1) != table)
            continue;
        const QString key = Value(*record, "FKey");
        tableId = key.mid(key.indexOf(u'.') + 1).toInt();
        caption = text;
        break;
    }
    Print(stdout, caption + u'\n');
    for (const qint32 type : {0, 1}) {
        QString message;
        const VexaListPtr layout = VexaList::From(data.GetInfo(type));
        const VexaListPtr rows = VexaList::From(data.GetDataByInterID(tableId, table, type, &message));
        if (!rows && !message.isEmpty()) {
            Print(stderr, QStringLiteral("tabrix dictionary: %1\n").arg(message));
            return 2;
        }
        if (!layout)
            return 2;
        Print(stdout, "\n");
        PrintRows(*layout, rows.get());
    }
    return 0;
}

}  // namespace

int CmdDictionary(CommandLine& line)
{
    DatabaseOptions database;
    std::optional<QString> language, table;
    for (qsizetype i = 0; i < line.args.size(); ++i) {
        const QString& arg = line.args[i];
        QString error;
        if (MatchDatabaseOption(line.args, i, database, error) || MatchLanguageOption(line.args, i, language, error)) {
            if (!error.isEmpty())
                return UsageError(line, error);
        } else if (arg.startsWith(QLatin1String("--"))) {
            return UsageError(line, QStringLiteral("unknown option '%1'").arg(arg));
        } else if (table) {
            return UsageError(line, QStringLiteral("give one table"));
        } else {
            table = arg;
        }
    }
    if (const int status = CheckDatabaseOptions(line, database))
        return status;

    // Without a database, the demo account, written for this run only.
    QTemporaryDir demoFolder;
    std::optional<QString> account;
    if (!database.file && !database.connection) {
        if (!demoFolder.isValid()) {
            Print(stderr, QStringLiteral("tabrix: cannot make a temporary folder: %1\n").arg(demoFolder.errorString()));
            return 2;
        }
        database.file = demoFolder.filePath(QStringLiteral("account.db"));
        try {
            demo::WriteDemoDatabase(*database.file);
        } catch (const std::exception& error) {
            Print(stderr, QStringLiteral("tabrix: %1\n").arg(QString::fromUtf8(error.what())));
            return 2;
        }
        account = QStringLiteral("演示账套");
    }

    SetHostLogin(database, language, account);

    clsGetData data;
    QString message;
    const VexaListPtr tree = VexaList::From(data.GetTreeData(QString(), &message));
    if (!tree) {
        Print(stderr, QStringLiteral("tabrix dictionary: %1\n").arg(message));
        return 2;
    }
    Print(stdout, modPublic::LocalText(QStringLiteral("账套名称:[")) + modPublic::GetAcctName() + QStringLiteral("]\n"));
    if (table)
        return PrintTable(data, *tree, *table);
    PrintTree(*tree);
    return 0;
}
