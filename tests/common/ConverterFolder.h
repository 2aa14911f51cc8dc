#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <stdexcept>

// A temporary folder holding a copy of the converter's type map, and the current directory
// (where the converter looks for the map) for as long as the object lives.
class ConverterFolder {
public:
    explicit ConverterFolder(const QString& typeMap) : m_previous(QDir::currentPath())
    {
        if (!m_dir.isValid())
            throw std::runtime_error("Cannot make a temporary folder: " + m_dir.errorString().toStdString());
        if (!QFile::copy(typeMap, FilePath(QStringLiteral("type_ref.xml"))))
            throw std::runtime_error("Cannot copy the type map " + typeMap.toStdString());
        if (!QDir::setCurrent(m_dir.path()))
            throw std::runtime_error("Cannot change to " + m_dir.path().toStdString());
    }
    ~ConverterFolder() { QDir::setCurrent(m_previous); }
    ConverterFolder(const ConverterFolder&) = delete;
    ConverterFolder& operator=(const ConverterFolder&) = delete;

    QString FilePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
