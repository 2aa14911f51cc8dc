#pragma once

#include <QString>

class QApplication;

// The user-interface language of a host command: CHS, CHT or EN.
namespace host_language {

// From the system's locale: zh_TW and zh_HK are CHT, any other Chinese CHS, the rest EN.
QString FromSystem();

// Installs Qt's own texts (file dialogs, message box buttons) for the language, from Qt's
// translations folder; false when they are not there and those texts stay in English.
bool InstallQtTranslations(QApplication& application, const QString& language);

}  // namespace host_language
