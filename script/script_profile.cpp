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

// query's answer for the current profile, 0 when there is none (the error is raised).
template <typename Query> QScriptValue ScriptProfile::ask(Query query)
{
    DiveProfile* p = current();
    return p ? QScriptValue(query(*p)) : QScriptValue(0);
}

QScriptValue ScriptProfile::points()
{
    return ask([](DiveProfile& p) { return p.points(); });
}

QScriptValue ScriptProfile::lastDepth()
{
    return ask([](DiveProfile& p) { return p.lastDepth(); });
}

QScriptValue ScriptProfile::diveTime()
{
    return ask([](DiveProfile& p) { return p.diveTime(); });
}

QScriptValue ScriptProfile::diveDepth()
{
    return ask([](DiveProfile& p) { return p.diveDepth(); });
}

QScriptValue ScriptProfile::depth(float t)
{
    return ask([t](DiveProfile& p) { return p.depth(seconds(t)); });
}

QScriptValue ScriptProfile::gasChange(float t)
{
    return ask([t](DiveProfile& p) { return p.gasChange(seconds(t)); });
}

QScriptValue ScriptProfile::gasAt(float t)
{
    return ask([t](DiveProfile& p) { return p.gasAt(t); });
}

QScriptValue ScriptProfile::setpointChange(float t)
{
    return ask([t](DiveProfile& p) { return p.setpointChange(seconds(t)); });
}
