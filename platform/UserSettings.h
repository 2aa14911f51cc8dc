#pragma once

#include "OutputTarget.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// The user's settings of the program (window layouts, last files) in one group of the settings
// file that QSettings keeps for "tabrix". QSettings saves by renaming a temporary file over
// its file, through links: when that file is a device or FIFO (a link to /dev/null, say), the
// settings are kept in a temporary file instead, starting empty, and their bytes are written
// into it in place when this object goes (OutputTarget).
class UserSettings {
public:
    explicit UserSettings(const QString& group);
    ~UserSettings();
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    QSettings* operator->() const { return m_settings.get(); }

private:
    std::unique_ptr<QSettings> m_settings;
    std::optional<OutputTarget> m_inPlace;
    std::unique_ptr<QTemporaryDir> m_scratch;
};
