#include "DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

void SetDesktopIdentity(const QString& desktopEntry)
{
    QGuiApplication::setDesktopFileName(desktopEntry);
    const QString installedIcon = QCoreApplication::applicationDirPath() + QStringLiteral("/" TABRIX_ICON_FROM_PROGRAM);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tabrix"), QIcon(installedIcon)));
}
