#include "VisibleText.h"

namespace {

bool IsControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

QString VisibleText(const QString& text, QStringView kept)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            shown += text[i];
            shown += text[++i];
        } else if (QChar::isSurrogate(c)) {
            shown += QChar::ReplacementCharacter;
        } else if (!IsControl(c) || kept.contains(QChar(c))) {
            shown += QChar(c);
        } else if (c == u'\n') {
            shown += QStringLiteral("\\n");
        } else if (c == u'\r') {
            shown += QStringLiteral("\\r");
        } else if (c == u'\t') {
            shown += QStringLiteral("\\t");
        } else {
            shown += c < 0x80 ? QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'))
                              : QStringLiteral("\\u%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}
