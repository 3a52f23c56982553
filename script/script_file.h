// SPDX-License-Identifier: GPL-3.0-or-later
// Files a script may touch. ScriptFile is a text file in the user's documents folder;
// insideFolder() is the folder check shared with the profile access of scripts: a name
// relative to a folder is resolved to its canonical path, through every symbolic link
// on the way, and must stay inside that folder.
//
// Entry points: scriptpath::documentsFolder, scriptpath::insideFolder, ScriptFile.
#pragma once

#include <QObject>
#include <QScriptValue>
#include <QScriptable>

namespace scriptpath
{

// The user's documents folder, created when missing.
QString documentsFolder();

// The resolved path of name inside root, or an empty string when name is empty,
// absolute, climbs out with "..", names root itself, or reaches outside through a
// symbolic link (a dangling link is refused too: writing through it would create its
// target wherever it points). cleaned receives the cleaned form of name.
QString insideFolder(const QString& root, const QString& name, QString* cleaned = nullptr);

} // namespace scriptpath

class ScriptFile : public QObject, protected QScriptable
{
    Q_OBJECT
public:
    // relative: a cleaned name already checked with insideFolder(root, ...).
    ScriptFile(const QString& root, const QString& relative, QObject* parent = nullptr);

    Q_INVOKABLE QString name() const { return root_ + '/' + relative_; }
    Q_INVOKABLE QScriptValue write(const QScriptValue& contents);
    Q_INVOKABLE QScriptValue read();

private:
    QString root_;
    QString relative_;
};
