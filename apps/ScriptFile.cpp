#include "ScriptFile.h"

#include <QFileInfo>

bool ScriptFile::Open(QString& error)
{
    const QFileInfo info(m_file.fileName());
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("cannot read script '%1': not a regular file").arg(m_file.fileName());
        return false;
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read script '%1': %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    if (m_file.size() == 0)
        return true;
    const uchar* data = m_file.map(0, m_file.size());
    if (!data) {
        error = QStringLiteral("cannot read script '%1': %2").arg(m_file.fileName(), m_file.errorString());
        return false;
    }
    m_text = std::string_view(reinterpret_cast<const char*>(data), static_cast<size_t>(m_file.size()));
    return true;
}
