#include "UserSettings.h"

#include <QFile>

UserSettings::UserSettings(const QString& group)
    : m_settings(std::make_unique<QSettings>(QStringLiteral("tabrix"), QStringLiteral("tabrix")))
{
    const OutputTarget target(m_settings->fileName());
    if (target.InPlace()) {
        m_scratch = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<QSettings>(m_scratch->filePath(QStringLiteral("tabrix.conf")), QSettings::IniFormat);
        m_inPlace = target;
    }
    m_settings->beginGroup(group);
}

UserSettings::~UserSettings()
{
    if (!m_inPlace)
        return;
    m_settings->sync();
    const QString file = m_settings->fileName();
    m_settings.reset();
    // Settings are a convenience: one that cannot be saved is not worth a message.
    QString reason;
    if (QFile::exists(file))
        m_inPlace->Commit(file, reason);
}
