#include "TypeMapScope.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kTypeMap = QStringLiteral("type_ref.xml");

}  // namespace

QString TypeMapScope::ShippedMapFolder()
{
    if (QFileInfo::exists(kTypeMap))
        return {};
    const QString map = ShippedFile(kTypeMap);
    return map.isEmpty() ? QString() : QFileInfo(map).absolutePath();
}

QString TypeMapScope::ShippedFile(const QString& name)
{
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const QString& folder : {programDir, programDir + QStringLiteral("/" TABRIX_DATADIR_FROM_PROGRAM)})
        if (QFileInfo::exists(folder + QLatin1Char('/') + name))
            return QDir(folder).absoluteFilePath(name);
    return {};
}

TypeMapScope::TypeMapScope()
{
    const QString folder = ShippedMapFolder();
    const QString here = QDir::currentPath();
    if (!folder.isEmpty() && QDir::setCurrent(folder))
        m_previous = here;
}

TypeMapScope::~TypeMapScope()
{
    if (!m_previous.isEmpty())
        QDir::setCurrent(m_previous);
}
