// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a file whole or not at all. The bytes go to a temporary file beside the target;
// every write and the final flush are checked, and the temporary file replaces the old
// one only when all of it is on the disk. On any failure the old file stays byte for
// byte and the error names the file and the system's reason.
//
// Entry points: SafeFile::save (bytes made in memory), SafeFile::saveSettings (an INI
// store written by QSettings, keeping the keys of the old file that it does not set).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QSettings;

namespace SafeFile
{

// Writes bytes to path; throws "Cannot write '%1': %2" (file, reason) as a QString.
void save(const QString& path, const QByteArray& bytes);

// Fills an INI store that starts as a copy of the file at path (when there is one) and
// saves what it then holds to path as above. `fill` may throw; nothing is written then.
void saveSettings(const QString& path, const std::function<void(QSettings&)>& fill);

// "Cannot write '%1': %2"
QString errorText(const QString& path, const QString& reason);

} // namespace SafeFile
