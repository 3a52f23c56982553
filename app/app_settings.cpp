// SPDX-License-Identifier: GPL-3.0-or-later
// The application settings object: see app_settings.h.
#include "app/app_settings.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace
{
std::unique_ptr<QSettings>& holder()
{
    static std::unique_ptr<QSettings> settings;
    return settings;
}
QString& pathOverride()
{
    static QString path;
    return path;
}
} // namespace

QString appSettingsPath()
{
    return pathOverride().isEmpty() ? QDir::homePath() + "/Bathyra Defaults.ini" : pathOverride();
}

void setAppSettingsPath(const QString& path)
{
    closeAppSettings();
    pathOverride() = path;
}

QSettings& appSettings()
{
    auto& s = holder();
    if (!s)
        s = std::make_unique<QSettings>(appSettingsPath(), QSettings::IniFormat);
    return *s;
}

void closeAppSettings()
{
    auto& s = holder();
    if (s) {
        s->sync();
        s.reset();
    }
}
