#pragma once

#include <QString>
#include <QStringView>

// A stored text made safe to show: every control character (C0, DEL, C1) is written as an
// escape a reader can see (\n, \r, \t, \x1b, \u009b) instead of acting on a terminal or
// splitting a line, and a broken surrogate as U+FFFD, so the text's UTF-8 is always valid.
// Characters in kept stay as they are (a format that quotes them keeps them whole).
QString VisibleText(const QString& text, QStringView kept = {});
