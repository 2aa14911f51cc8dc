#include "UserSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kName = QStringLiteral("tabrix");

// The settings file's name, learnt without reading the file (QSettings reads its file as it is
// made, and a FIFO would hold that read until a writer came): the name of another application's
// file in the same folder, which has none.
QString SettingsFileName()
{
    const QSettings neighbour(kName, kName + QStringLiteral("-name"));
    return QFileInfo(neighbour.fileName()).dir().filePath(kName + QStringLiteral(".conf"));
}

}  // namespace

UserSettings::UserSettings(const QString& group)
{
    const OutputTarget target(SettingsFileName());
    if (target.InPlace()) {
        m_scratch = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<QSettings>(m_scratch->filePath(kName + QStringLiteral(".conf")), QSettings::IniFormat);
        m_inPlace = target;
    } else {
        m_settings = std::make_unique<QSettings>(kName, kName);
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
