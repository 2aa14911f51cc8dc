#include "JsonWriter.h"

namespace {

void AppendString(QString& out, const QString& text)
{
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair goes as it is; a broken one as its escape, which JSON keeps and UTF-8
        // could not.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'"':
            out += QStringLiteral("\\\"");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.isSurrogate())
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
}

void AppendValue(QString& out, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        out += QStringLiteral("null");
        break;
    case QMetaType::Bool:
        out += value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        break;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        out += value.toString();
        break;
    default:
        AppendString(out, value.toString());
    }
}

void AppendRecord(QString& out, const VexaRecord& record)
{
    out += u'{';
    for (int i = 0; i < record.Count(); ++i) {
        if (i > 0)
            out += u',';
        AppendString(out, record.Name(i));
        out += u':';
        AppendValue(out, record.Value(i));
    }
    out += u'}';
}

void AppendRows(QString& out, const VexaList* rows)
{
    out += u'[';
    if (rows) {
        bool first = true;
        for (const VexaRecordPtr& row : *rows) {
            out += first ? QStringLiteral("\n    ") : QStringLiteral(",\n    ");
            first = false;
            AppendRecord(out, *row);
        }
    }
    out += u']';
}

void AppendTable(QString& out, const DictionaryTable& table)
{
    out += QStringLiteral("{\"table\":");
    AppendString(out, table.name);
    out += QStringLiteral(",\"caption\":");
    AppendString(out, table.node ? table.node->GetValue(QStringLiteral("FText")).toString() : table.name);
    if (!table.message.isEmpty()) {
        out += QStringLiteral(",\"message\":");
        AppendString(out, table.message);
    }
    out += QStringLiteral(",\n  \"indexes\":");
    AppendRows(out, table.indexes.get());
    out += QStringLiteral(",\n  \"fields\":");
    AppendRows(out, table.fields.get());
    out += u'}';
}

}  // namespace

QByteArray JsonWriter::Tree(const DictionaryDocument& document) const
{
    QString out = QStringLiteral("[");
    bool first = true;
    for (const VexaRecordPtr& record : *document.tree) {
        out += first ? QStringLiteral("\n") : QStringLiteral(",\n");
        first = false;
        AppendRecord(out, *record);
    }
    out += QStringLiteral("\n]\n");
    return out.toUtf8();
}

QByteArray JsonWriter::Tables(const DictionaryDocument& document) const
{
    QString out;
    if (document.singleTable) {
        for (const DictionaryGroup& group : document.groups)
            for (const DictionaryTable& table : group.tables)
                AppendTable(out, table);
        out += u'\n';
        return out.toUtf8();
    }
    out += QStringLiteral("{\"account\":");
    AppendString(out, document.account);
    out += QStringLiteral(",\"language\":");
    AppendString(out, document.language);
    out += QStringLiteral(",\"subsystems\":[");
    bool firstGroup = true;
    for (const DictionaryGroup& group : document.groups) {
        out += firstGroup ? QStringLiteral("\n") : QStringLiteral(",\n");
        firstGroup = false;
        out += QStringLiteral("{\"FKey\":");
        AppendString(out, group.key);
        out += QStringLiteral(",\"FText\":");
        AppendValue(out, group.node ? group.node->GetValue(QStringLiteral("FText")) : QVariant());
        out += QStringLiteral(",\"tables\":[");
        bool firstTable = true;
        for (const DictionaryTable& table : group.tables) {
            out += firstTable ? QStringLiteral("\n ") : QStringLiteral(",\n ");
            firstTable = false;
            AppendTable(out, table);
        }
        out += QStringLiteral("]}");
    }
    out += QStringLiteral("\n]}\n");
    return out.toUtf8();
}

QByteArray JsonWriter::Rows(const DictionaryRows& rows) const
{
    QString out = QStringLiteral("{\"rows\":[");
    bool first = true;
    for (const QVariantList& row : rows.rows) {
        out += first ? QStringLiteral("\n") : QStringLiteral(",\n");
        first = false;
        out += u'{';
        for (qsizetype i = 0; i < rows.names.size() && i < row.size(); ++i) {
            if (i > 0)
                out += u',';
            AppendString(out, rows.names[i]);
            out += u':';
            AppendValue(out, row[i]);
        }
        out += u'}';
    }
    out += QStringLiteral("\n]");
    if (!rows.summary.isEmpty()) {
        out += QStringLiteral(",\"summary\":");
        AppendString(out, rows.summary);
    }
    out += QStringLiteral("}\n");
    return out.toUtf8();
}
