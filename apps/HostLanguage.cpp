#include "HostLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace host_language {

QString FromSystem()
{
    const QLocale system = QLocale::system();
    if (system.language() != QLocale::Chinese)
        return QStringLiteral("EN");
    const QLocale::Territory territory = system.territory();
    return territory == QLocale::Taiwan || territory == QLocale::HongKong ? QStringLiteral("CHT") : QStringLiteral("CHS");
}

bool InstallQtTranslations(QApplication& application, const QString& language)
{
    // English is what Qt's texts are written in.
    if (language == QLatin1String("EN"))
        return true;
    const QString locale = language == QLatin1String("CHT") ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace host_language
