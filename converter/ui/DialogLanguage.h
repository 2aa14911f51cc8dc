#pragma once

#include <QLocale>
#include <QString>

// The language of the converter's dialog, chosen by its host: "CHS" (the texts as written),
// "CHT" or "EN". The dialog takes its texts when it is made and loaded.
namespace converter_ui {

// Installs the dialog's translations for the language code (case ignored; anything else is
// CHS); false when they cannot be installed, and the texts stay in simplified Chinese.
bool SetLanguage(const QString& code);

// The locale of the language set (simplified Chinese until one is), for the numbers shown.
QLocale Locale();

}  // namespace converter_ui
