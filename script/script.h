// SPDX-License-Identifier: GPL-3.0-or-later
// The script host: one QtScript engine with the program's objects (main window, plot
// window, settings, custom functions, plan, profile, files) and the test runner.
//
// A host lives for one run: a script file (run) or the suite of a test folder (runTests),
// framed by the support script utils.qs. An interactive host attaches the debugger
// window; a host without a person in front of it (tests, the command line, the offscreen
// platform) never does, since the debugger would stop evaluation for good: there an
// uncaught exception, a `debugger;` statement or a syntax error ends that script with its
// report. Reports go to the debug output and are kept for the caller (errors()).
//
// Entry points: Script (construction runs utils.qs), run, runTests, stop, testDir,
// defaultTestDir, errors, passedChecks, failedChecks.
#pragma once

#include "script/script_window.h"

#include <QObject>
#include <QPointer>
#include <QScriptValue>
#include <QScriptable>
#include <QStringList>
#include <memory>

class QScriptContext;
class QScriptEngine;
class QScriptEngineDebugger;
class ScriptReporter;

class Script : public QObject, protected QScriptable
{
    Q_OBJECT
public:
    // testDirectory: the suite's folder instead of testDir()'s usual choice; when it has
    // no utils.qs of its own, the usual folder's is used.
    Script(const ScriptWindow& window, bool interactive, const QString& testDirectory = QString(),
           QObject* parent = nullptr);
    ~Script() override;

    // The suite beside the executable, else the installed suite, else the documents folder.
    static QString defaultTestDir();

    // Reports of every script that ended by an uncaught error, in order.
    const QStringList& errors() const { return errors_; }
    // The support script's counters (0 without it).
    int passedChecks() const;
    int failedChecks() const;

    // Lets the window's events run during a long evaluation, so that its Stop can be used.
    void keepWindowResponsive();
    // Ends the running script (and the rest of a suite) at its next statement, with the
    // report "Script stopped: FILE" and a console line. Not a script function.
    void stop();
    bool stopped() const { return stopped_; }

    Q_INVOKABLE QString testDir() const;
    Q_INVOKABLE void run(const QString& c);
    Q_INVOKABLE void runTests();
    Q_INVOKABLE void openUrl(const QString& url);
    Q_INVOKABLE QScriptValue set(const QString& w, const QScriptValue& value);
    Q_INVOKABLE QScriptValue get(const QString& w);
    Q_INVOKABLE QString version() const;
    Q_INVOKABLE QScriptValue File(const QScriptValue& fileName);

private:
    void defineGlobals();
    // Evaluates a program and reports an uncaught error; false when there was one.
    bool evaluate(const QString& program, const QString& fileName);
    void report(const QString& text);
    // Calls test.<name>(args) of the support script when it has that function.
    void callTest(const char* name, const QScriptValueList& args = QScriptValueList());
    // Reports an uncaught error left by the last evaluation or call; false when there was one.
    bool checkUncaught(const QString& fileName, bool tellSupportScript = true);
    int testCounter(const char* name) const;
    static QScriptValue plotWindowGetter(QScriptContext* context, QScriptEngine* engine);

    ScriptWindow window_;
    QString testDirectory_;
    std::unique_ptr<QScriptEngine> engine_;
    std::unique_ptr<QScriptEngineDebugger> debugger_; // interactive hosts only
    ScriptReporter* reporter_ = nullptr;              // owned by the engine; headless only
    QStringList errors_;
    bool stopped_ = false;
    QPointer<QObject> plotObject_; // the plot window last handed to scripts
    QScriptValue plotValue_;       // and its script object
};
