#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

#include <memory>

// The host suite's resource loader: texts of a resource file in a language. The resource files
// are Qt translations named <ResFileBaseName>_<LanguageID>.qm in a "translations" folder beside
// the component plugins; their context is the base name and their keys the simplified-Chinese
// source texts, which are themselves the texts of the default language (CHS or none).
class ResLoader : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ResFileBaseName READ ResFileBaseName WRITE SetResFileBaseName)
    Q_PROPERTY(QString LanguageID READ LanguageID WRITE SetLanguageID)

public:
    explicit ResLoader(QObject* parent = nullptr);
    ~ResLoader() override;

    QString ResFileBaseName() const { return m_baseName; }
    void SetResFileBaseName(const QString& baseName) { m_baseName = baseName; }
    QString LanguageID() const { return m_language; }
    void SetLanguageID(const QString& language) { m_language = language; }

    // The text for the key in the selected language; the key itself when the language is the
    // default one, has no resource file, or the file does not know the key.
    Q_INVOKABLE QString LoadString(const QString& key);

    // Where a resource file of that base name and language is found, or empty text.
    static QString FindResourceFile(const QString& baseName, const QString& language);

private:
    const QTranslator* Translator();

    QString m_baseName;
    QString m_language;
    // The translator loaded for (m_loadedBase, m_loadedLanguage); reloaded when either changes.
    std::unique_ptr<QTranslator> m_translator;
    QString m_loadedBase;
    QString m_loadedLanguage;
    bool m_loaded = false;
};
