#pragma once

#include "DemoDatabase.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

// The demo account database of this test process: written on first use into a temporary folder
// that goes away when the process ends. Tests that change data should work on a copy.
inline const QString& DemoDatabasePath()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tabrix-demo-XXXXXX"));
    static const QString path = [] {
        if (!folder.isValid())
            throw std::runtime_error("Cannot make a temporary folder for the demo database: " +
                                     folder.errorString().toStdString());
        const QString file = folder.filePath(QStringLiteral("account.db"));
        demo::WriteDemoDatabase(file);
        return file;
    }();
    return path;
}

// The connection text of the demo account database for the embedded provider.
inline QString DemoConnectionText(const QString& language = QStringLiteral("CHS"))
{
    return QStringLiteral("Provider=SQLite;Data Source=%1;Language=%2").arg(DemoDatabasePath(), language);
}
