#include "DialogLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace converter_ui {

namespace {

std::unique_ptr<QTranslator> g_translator;
QLocale g_locale(QLocale::Chinese, QLocale::China);

}  // namespace

bool SetLanguage(const QString& code)
{
    if (g_translator) {
        QCoreApplication::removeTranslator(g_translator.get());
        g_translator.reset();
    }
    g_locale = QLocale(QLocale::Chinese, QLocale::China);
    const QString upper = code.toUpper();
    const QString suffix = upper == QLatin1String("CHT") ? QStringLiteral("zh_TW")
                           : upper == QLatin1String("EN") ? QStringLiteral("en")
                                                          : QString();
    if (suffix.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/tabrix/translations/MirelTabrix_") + suffix) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    g_translator = std::move(translator);
    g_locale = QLocale(suffix);
    return true;
}

QLocale Locale() { return g_locale; }

}  // namespace converter_ui
