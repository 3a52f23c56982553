// SPDX-License-Identifier: GPL-3.0-or-later
// The objects a script reaches besides the host: the program's own objects behind a
// guard (main window, plot window, plan), the settings functions, and the ostc.cf and
// ostc.gas helpers. Each method converts its arguments, calls the code that does the
// work and raises the script error kind; none of them plans anything itself.
//
// Entry points: exposeGuarded, exposeSettings, ScriptCf, ScriptGas, ScriptPlan.
#pragma once

#include "planner/decoplan.h"

#include <QObject>
#include <QScriptValue>
#include <QScriptable>
#include <functional>

// What a script sees of an exception thrown by the program that carries no text of its own.
constexpr const char* exceptionCaughtText = "Exception catched";

class ConfigImage;
class DiveProfile;
class QScriptEngine;
class QSettings;

// A script object for one of the program's objects whose public slots and invokables
// are called through a guard: a message text thrown by the program becomes a script
// error instead of unwinding through the script engine (which would end the program).
// Without a display (headless) a dialog that a call opens is closed again at once and
// the call raises an error, instead of waiting for an answer that never comes.
// Properties and signals stay reachable; child objects and deleteLater do not.
QScriptValue exposeGuarded(QScriptEngine* engine, QObject* object, bool headless);

// The settings object with its functions get(key), set(key, value) and list([group]).
QScriptValue exposeSettings(QScriptEngine* engine, QSettings* settings);

// ostc.cf: the custom functions of the configuration image, in the units a diver reads.
class ScriptCf : public QObject, protected QScriptable
{
    Q_OBJECT
public:
    ScriptCf(ConfigImage& image, std::function<void()> showParameters, QObject* parent = nullptr);

    Q_INVOKABLE QScriptValue set(int i, const QScriptValue& value);
    Q_INVOKABLE QScriptValue get(int i);
    Q_INVOKABLE QScriptValue name(int i);
    Q_INVOKABLE QScriptValue reset(int i);
    Q_INVOKABLE QScriptValue min(int i);
    Q_INVOKABLE QScriptValue max(int i);

    // Raw stored value <-> script value by the CF's type. fromScript gives an error text
    // (a value that is no number or colour, or one outside the 16 bits of a CF).
    static QScriptValue toScript(int i, quint16 raw);
    static QString fromScript(int i, const QScriptValue& value, quint16* raw,
                              bool* outOfRange = nullptr);

private:
    bool valid(int i);

    ConfigImage& image_;
    std::function<void()> showParameters_;
};

// ostc.gas: the litres per gas of the last gas-volume run.
class ScriptGas : public QObject, protected QScriptable
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QScriptValue volume(int i);
};

// ostc.plan: a plan over the main window's current profile, read again at each create
// because a new dive replaces the profile.
class ScriptPlan : public Decoplan
{
    Q_OBJECT
public:
    ScriptPlan(std::function<DiveProfile*()> profile, QObject* parent = nullptr);
    Q_INVOKABLE void create(bool ccr);

private:
    std::function<DiveProfile*()> profile_;
};
