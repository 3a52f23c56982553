// The application settings object: see app_settings.h.
#include "app/app_settings.h"

#include <QDir>
#include <QSettings>
#include <memory>

namespace {
std::unique_ptr<QSettings>& holder()
{
    static std::unique_ptr<QSettings> settings;
    return settings;
}
} // namespace

QString appSettingsPath() { return QDir::homePath() + "/Bathyra Defaults.ini"; }

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
