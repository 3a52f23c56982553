// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a file whole or not at all: see safe_file.h.
#include "device/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace
{
// A short write (a full disk, a size limit) is tried once more for the rest, so that the
// system names its reason in the file's errorString().
bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return file.flush();
}
} // namespace

namespace SafeFile
{

QString errorText(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("SafeFile", "Cannot write '%1': %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

void save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // A folder without write permission for the temporary file fails here; writing
    // in place instead would lose the old file on the first failed write.
    file.setDirectWriteFallback(false);
    // Unbuffered: a buffered file writes a small content at the flush, where a short write
    // is taken as a failure without a reason ("Unknown error"); written directly, the rest
    // is tried again and the system names its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw errorText(path, file.errorString());
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw errorText(path, reason);
    }
    // commit() flushes, closes and renames; any of these failing leaves the old file.
    if (!file.commit())
        throw errorText(path, file.errorString());
}

void saveSettings(const QString& path, const std::function<void(QSettings&)>& fill)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        throw errorText(path, dir.errorString());
    const QString work = dir.filePath(QStringLiteral("work.ini"));
    // QSettings does not say why it could not write: a file of the same size in the
    // same folder, written by hand, has the system say it.
    const auto systemReason = [&dir](const char* fallback) {
        QFile probe(dir.filePath(QStringLiteral("probe")));
        const QByteArray blanks(QFileInfo(dir.filePath(QStringLiteral("work.ini"))).size() + 65536,
                                ' ');
        const bool written = probe.open(QIODevice::WriteOnly) && writeAll(probe, blanks);
        return written ? QCoreApplication::translate("SafeFile", fallback) : probe.errorString();
    };
    if (QFileInfo(path).isFile() && !QFile::copy(path, work))
        throw errorText(path,
                        systemReason(QT_TRANSLATE_NOOP("SafeFile", "cannot copy the old file")));
    QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSettings settings(work, QSettings::IniFormat);
        fill(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            throw errorText(
                path, systemReason(QT_TRANSLATE_NOOP("SafeFile", "cannot write the settings")));
    }
    // A store with no keys leaves no file: an empty one.
    QFile result(work);
    if (result.exists() && !result.open(QIODevice::ReadOnly))
        throw errorText(path, result.errorString());
    save(path, result.isOpen() ? result.readAll() : QByteArray());
}

} // namespace SafeFile
