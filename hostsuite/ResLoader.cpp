#include "ResLoader.h"

#include "ComponentRegistry.h"
#include "Dispatch.h"

#include <QDir>
#include <QFileInfo>

ResLoader::ResLoader(QObject* parent) : QObject(parent) {}

ResLoader::~ResLoader() = default;

QString ResLoader::FindResourceFile(const QString& baseName, const QString& language)
{
    if (baseName.isEmpty() || language.isEmpty())
        return {};
    const QString fileName = QStringLiteral("%1_%2.qm").arg(baseName, language.toUpper());
    for (const QString& folder : automation::ComponentRegistry::Instance().SearchPath()) {
        const QFileInfo file(QDir(folder).filePath(QStringLiteral("translations/") + fileName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

const QTranslator* ResLoader::Translator()
{
    if (m_loaded && m_loadedBase == m_baseName && m_loadedLanguage == m_language)
        return m_translator.get();
    m_loaded = true;
    m_loadedBase = m_baseName;
    m_loadedLanguage = m_language;
    m_translator.reset();
    const QString language = m_language.toUpper();
    if (language == QLatin1String("CHS"))
        return nullptr;
    const QString file = FindResourceFile(m_baseName, language);
    if (file.isEmpty())
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file))
        m_translator = std::move(translator);
    return m_translator.get();
}

QString ResLoader::LoadString(const QString& key)
{
    return automation::Guard([&] {
        const QTranslator* translator = Translator();
        if (!translator)
            return key;
        const QString text = translator->translate(m_baseName.toUtf8().constData(), key.toUtf8().constData());
        return text.isEmpty() ? key : text;
    });
}
