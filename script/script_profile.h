// SPDX-License-Identifier: GPL-3.0-or-later
// ostc.profile: the main window's current dive profile for scripts: logbook files of the
// test folder loaded and saved, logbook files of the documents folder (where a script's
// outputs go, loadDocument and saveDocument), and the profile's queries (times in minutes).
#pragma once

#include "script/script_window.h"

#include <QObject>
#include <QScriptValue>
#include <QScriptable>

class ScriptProfile : public QObject, protected QScriptable
{
    Q_OBJECT
public:
    ScriptProfile(const ScriptWindow& window, const QString& folder, QObject* parent = nullptr);

    Q_INVOKABLE QScriptValue load(const QString& fileName);
    Q_INVOKABLE QScriptValue save(const QString& fileName);
    // The same in the documents folder: an installed test folder is never written.
    Q_INVOKABLE QScriptValue loadDocument(const QString& fileName);
    Q_INVOKABLE QScriptValue saveDocument(const QString& fileName);
    Q_INVOKABLE QScriptValue points();
    Q_INVOKABLE QScriptValue lastDepth();
    Q_INVOKABLE QScriptValue diveTime();
    Q_INVOKABLE QScriptValue diveDepth();
    Q_INVOKABLE QScriptValue depth(float t);
    Q_INVOKABLE QScriptValue gasChange(float t);
    Q_INVOKABLE QScriptValue gasAt(float t);
    Q_INVOKABLE QScriptValue setpointChange(float t);

private:
    // The file's path inside the folder, or empty after raising the error.
    QString path(const QString& folder, const QString& fileName);
    QScriptValue loadFrom(const QString& folder, const QString& fileName);
    QScriptValue saveTo(const QString& folder, const QString& fileName);
    // The current profile, or null after raising "No active profile".
    DiveProfile* current();
    template <typename Query> QScriptValue ask(Query query);

    ScriptWindow window_;
    QString folder_;
};
