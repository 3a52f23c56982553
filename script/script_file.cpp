// SPDX-License-Identifier: GPL-3.0-or-later
// Script files and the folder check: see script_file.h.
#include "script/script_file.h"

#include "device/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScriptContext>
#include <QScriptEngine>
#include <QStandardPaths>

namespace scriptpath
{

QString documentsFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(dir);
    return dir;
}

QString insideFolder(const QString& root, const QString& name, QString* cleaned)
{
    const QString clean = QDir::cleanPath(name);
    if (cleaned)
        *cleaned = clean;
    if (clean.isEmpty() || clean == QLatin1String(".") || clean == QLatin1String("..") ||
        clean.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(clean))
        return QString();
    const QString top = QFileInfo(root).canonicalFilePath();
    if (top.isEmpty())
        return QString();
    const auto inside = [&top](const QString& path) {
        return path == top || path.startsWith(top + '/');
    };

    // Walk down from the folder: existing entries are followed to their canonical
    // place, the first missing one ends the walk (what follows are plain names).
    QString path = top;
    const QStringList parts = clean.split('/', Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size(); ++i) {
        const QString next = path + '/' + parts[i];
        const QFileInfo info(next);
        if (info.isSymLink()) {
            const QString target = info.canonicalFilePath();
            if (target.isEmpty() || !inside(target))
                return QString();
            path = target;
        } else if (info.exists()) {
            path = next;
        } else {
            return path + '/' + parts.mid(i).join('/');
        }
    }
    return path == top ? QString() : path;
}

} // namespace scriptpath

ScriptFile::ScriptFile(const QString& root, const QString& relative, QObject* parent)
    : QObject(parent), root_(root), relative_(relative)
{
}

// The check is made again at each access: a link may have been laid since.
QScriptValue ScriptFile::write(const QScriptValue& contents)
{
    const QString path = scriptpath::insideFolder(root_, relative_);
    if (path.isEmpty())
        return context()->throwError(QScriptContext::URIError,
                                     QStringLiteral("unable to write '%1'").arg(name()));
    // Whole or not at all: a full disk leaves the old file and says why.
    try {
        SafeFile::save(path, contents.toString().toUtf8());
    } catch (const QString& error) {
        return context()->throwError(QScriptContext::URIError,
                                     QStringLiteral("unable to write '%1': %2").arg(name(), error));
    }
    return engine()->undefinedValue();
}

QScriptValue ScriptFile::read()
{
    const QString path = scriptpath::insideFolder(root_, relative_);
    QFile file(path);
    // Only a regular file: a named pipe or a device would block the script for ever.
    if (path.isEmpty() || !QFileInfo(path).isFile() ||
        !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return context()->throwError(QScriptContext::URIError,
                                     QStringLiteral("unable to read '%1'").arg(name()));
    return QScriptValue(QString::fromUtf8(file.readAll()));
}
