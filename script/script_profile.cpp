// SPDX-License-Identifier: GPL-3.0-or-later
// The profile object of scripts: see script_profile.h.
#include "script/script_profile.h"

#include "planner/dive_parameters.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"
#include "script/script_file.h"

#include <QDir>
#include <QFileInfo>
#include <QScriptContext>
#include <QScriptEngine>

namespace
{
int seconds(float minutes)
{
    return static_cast<int>(minutes * 60 + 0.5);
}
} // namespace

ScriptProfile::ScriptProfile(const ScriptWindow& window, const QString& folder, QObject* parent)
    : QObject(parent), window_(window), folder_(folder)
{
}

QString ScriptProfile::path(const QString& folder, const QString& fileName)
{
    const QString path = scriptpath::insideFolder(folder, fileName);
    if (path.isEmpty())
        context()->throwError(
            QScriptContext::URIError,
            QStringLiteral("Invalide file name %1").arg(QDir::cleanPath(folder + '/' + fileName)));
    return path;
}

DiveProfile* ScriptProfile::current()
{
    DiveProfile* profile = window_.profile ? window_.profile() : nullptr;
    if (!profile)
        context()->throwError(QScriptContext::ReferenceError, QStringLiteral("No active profile"));
    return profile;
}

QScriptValue ScriptProfile::load(const QString& fileName)
{
    return loadFrom(folder_, fileName);
}

QScriptValue ScriptProfile::save(const QString& fileName)
{
    return saveTo(folder_, fileName);
}

QScriptValue ScriptProfile::loadDocument(const QString& fileName)
{
    return loadFrom(scriptpath::documentsFolder(), fileName);
}

QScriptValue ScriptProfile::saveDocument(const QString& fileName)
{
    // As ostc.File does, the folders of the name are made when missing.
    const QString documents = scriptpath::documentsFolder();
    const QString file = scriptpath::insideFolder(documents, fileName);
    if (!file.isEmpty())
        QDir().mkpath(QFileInfo(file).absolutePath());
    return saveTo(documents, fileName);
}

QScriptValue ScriptProfile::loadFrom(const QString& folder, const QString& fileName)
{
    const QString file = path(folder, fileName);
    if (file.isEmpty())
        return engine()->undefinedValue();
    auto profile = std::make_unique<DiveProfile>();
    try {
        logbook::load(*profile, file, &planner::currentImage(), window_.console);
    } catch (const QString& text) {
        return context()->throwError(QStringLiteral("%1 '%2'").arg(text, file));
    }
    window_.setProfile(std::move(profile));
    // The reader may have put the file's gases and setpoints into the image.
    if (window_.showParameters)
        window_.showParameters();
    return engine()->undefinedValue();
}

QScriptValue ScriptProfile::saveTo(const QString& folder, const QString& fileName)
{
    const QString file = path(folder, fileName);
    if (file.isEmpty())
        return engine()->undefinedValue();
    DiveProfile* profile = current();
    if (!profile)
        return engine()->undefinedValue();
    try {
        logbook::save(*profile, file, &planner::currentImage(), window_.console);
    } catch (const QString& text) {
        return context()->throwError(QStringLiteral("%1 '%2'").arg(text, file));
    }
    return engine()->undefinedValue();
}

QScriptValue ScriptProfile::points()
{
    const DiveProfile* p = current();
    return p ? QScriptValue(p->points()) : QScriptValue(0);
}

QScriptValue ScriptProfile::lastDepth()
{
    const DiveProfile* p = current();
    return p ? QScriptValue(p->lastDepth()) : QScriptValue(0);
}

QScriptValue ScriptProfile::diveTime()
{
    const DiveProfile* p = current();
    return p ? QScriptValue(p->diveTime()) : QScriptValue(0);
}

QScriptValue ScriptProfile::diveDepth()
{
    const DiveProfile* p = current();
    return p ? QScriptValue(p->diveDepth()) : QScriptValue(0);
}

QScriptValue ScriptProfile::depth(float t)
{
    const DiveProfile* p = current();
    return p ? QScriptValue(p->depth(seconds(t))) : QScriptValue(0);
}

QScriptValue ScriptProfile::gasChange(float t)
{
    DiveProfile* p = current();
    return p ? QScriptValue(p->gasChange(seconds(t))) : QScriptValue(0);
}

QScriptValue ScriptProfile::gasAt(float t)
{
    const DiveProfile* p = current();
    return p ? QScriptValue(p->gasAt(t)) : QScriptValue(0);
}

QScriptValue ScriptProfile::setpointChange(float t)
{
    DiveProfile* p = current();
    return p ? QScriptValue(p->setpointChange(seconds(t))) : QScriptValue(0);
}
