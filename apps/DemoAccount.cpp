#include "DemoAccount.h"

#include "DemoDatabase.h"
#include "TypeMapScope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <pugixml.hpp>

#include <stdexcept>

namespace demo_account {

QString Folder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        throw std::runtime_error("no data folder for the demo account");
    return folder;
}

QString Database()
{
    const QString path = QDir(Folder()).filePath(QStringLiteral("demo_account.db"));
    if (!QFileInfo(path).isFile())
        demo::WriteDemoDatabase(path);
    return path;
}

QString Template()
{
    const QString path = QDir(Folder()).filePath(QStringLiteral("demo_template.xml"));
    // Written once: the user may have made it their own since.
    if (QFileInfo(path).isFile())
        return path;
    const QString shipped = TypeMapScope::ShippedFile(QStringLiteral("demo_template.xml"));
    pugi::xml_document document;
    if (shipped.isEmpty() || !document.load_file(QFile::encodeName(shipped).constData()))
        throw std::runtime_error("the shipped demo template is missing or unreadable");
    const std::string source = "Provider=SQLite;Data Source=" + Database().toStdString();
    for (pugi::xml_node server : document.document_element().children("server"))
        server.attribute("constr").set_value(source.c_str());
    if (!document.save_file(QFile::encodeName(path).constData(), "  ", pugi::format_default, pugi::encoding_utf8))
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

}  // namespace demo_account
