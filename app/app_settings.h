// SPDX-License-Identifier: GPL-3.0-or-later
// The application settings: one INI file, "Bathyra Defaults.ini" in the home directory,
// opened on first use and kept open until shut-down. Every part of the program reads
// and writes its keys through appSettings().
#pragma once

#include <QString>

class QSettings;

QString appSettingsPath();
// Another settings file instead of the one in the home directory (the command line's
// --settings); must be called before the settings are first used.
void setAppSettingsPath(const QString& path);
QSettings& appSettings();
// Writes the settings to disk and closes them; the next appSettings() opens them again.
void closeAppSettings();
