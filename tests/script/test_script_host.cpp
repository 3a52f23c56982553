// SPDX-License-Identifier: GPL-3.0-or-later
// Script files run through the host on the real main window: one table of snippets and how
// they end (results and exact error texts, files kept inside the documents folder also
// against symbolic links), a host without a window, the suite and a script from the Help menu.
#include "../app/modal_dialog.h"
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/bathyra_script.h"
#include "data_table.h"
#include "device/config_image.h"
#include "engine/engine.h"
#include "full_disk.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"
#include "profiles/dive_profile.h"
#include "script/script.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace
{
// The diver's state a suite must leave as it found it: the image, the replay flags, the
// engine and run clock, every named box and field, the current profile and the settings.
QStringList diverState(Bathyra_Interface* w)
{
    const auto hex = [](const void* p, int n) {
        return QByteArray(static_cast<const char*>(p), n).toHex();
    };
    QStringList state{hex(planner::currentImage().data(), ConfigImage::Size),
                      hex(&planner::replayFlags(), sizeof(ReplayFlags)),
                      hex(&planner::plannerEngine(), sizeof(engine::engine_state)),
                      QString::number(planner::runState().runTime)};
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (b->isCheckable() && !b->objectName().isEmpty())
            state << b->objectName() + "=" + QString::number(b->isChecked());
    for (QAbstractSpinBox* b : w->findChildren<QAbstractSpinBox*>())
        if (!b->objectName().isEmpty())
            state << b->objectName() + "=" + b->text();
    if (const DiveProfile* p = w->currentProfile())
        for (int i = 0; i < p->points(); ++i)
            state << QString("point %1:%2").arg(p->times()[i]).arg(p->depths()[i]);
    QSettings& settings = appSettings();
    for (const QString& key : settings.allKeys())
        if (!key.startsWith("Updates/"))
            state << key + "=" + settings.value(key).toString();
    return state;
}

// A plan of the diver's own, unlike the suite's set-ups: trimix and a deco gas, a repetitive
// dive, some plots, a CF the form does not show, a profile simulated and a setting.
void diversPlan(Bathyra_Interface* w)
{
    set(w, "O2_1=18 He_1=45 gas_2=1 O2_2=50 depth_2=21 gradientFactor=1 GF_low=35 dive_depth=55 "
           "dive_time=22 depthGraph=1 cnsGraph=1 replayBreakOnSwitch=1");
    w->applyParameters(true);
    planner::currentImage().setCf(20, 7);
    w->simulateSlot();
    w->interval->setValue(60);
    appSettings().setValue("Dive/verbose", false);
}
} // namespace

class TestScriptHost : public QObject
{
    Q_OBJECT

    Bathyra_Interface* w = nullptr;
    QTemporaryDir scripts, outside;

    QString write(const QString& text, const QString& name = "case.qs")
    {
        QFile file(scripts.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }
    ScriptRunResult runText(const QString& text) { return runScriptFile(w, write(text)); }

private slots:
    // Links out of the documents folder: to a folder, and to a file not there yet.
    void initTestCase()
    {
        QDir().mkpath(documents());
        for (const char* name : {"/outside", "/dangling", "/fifo"})
            QFile::remove(documents() + name); // left by an earlier run that failed
        QCOMPARE(mkfifo(qPrintable(documents() + "/fifo"), 0600), 0);
        QVERIFY(QFile::link(outside.path(), documents() + "/outside"));
        QVERIFY(QFile::link(outside.filePath("new.txt"), documents() + "/dangling"));
    }
    void cleanupTestCase()
    {
        QVERIFY(QDir(outside.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        QFile::remove(documents() + "/outside");
        QFile::remove(documents() + "/dangling");
        QFile::remove(documents() + "/fifo");
    }
    void init()
    {
        closeAppSettings();
        QFile::remove(appSettingsPath());
        w = startUp();
        w->setHeadless(true);
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
        closeAppSettings();
    }

    // A script and how it ends: every check passed, or with exactly this error report.
    void scriptFile_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("report"); // empty: ends normally with every check passed
        // clang-format off
        // Widgets.
        QTest::newRow("interval Reset") << "ostc.set('interval', 'Reset'); test.compare(ostc.get('interval'), -10, '');" << "";
        QTest::newRow("spin box range") << "ostc.set('dive_time', 3e9); ostc.set('dive_depth', -3e9); test.compare([ostc.get('dive_time') < 3e9, ostc.get('dive_depth') > -3e9], [true, true], '');" << "";
        QTest::newRow("radio and decimal") << "ostc.set('ccrMode', true); ostc.set('ppO2High', 1.4); test.compare([ostc.get('ccrMode'), ostc.get('ocrMode'), ostc.get('ppO2High')], [true, false, 1.4], '');" << "";
        QTest::newRow("check box number") << "ostc.set('gas_2', 1);" << "TypeError: QCheckBox::set argument should be a bool";
        QTest::newRow("spin box NaN") << "ostc.set('dive_time', NaN);" << "TypeError: QSpinBox::set argument should be a number";
        QTest::newRow("decimal text") << "ostc.set('ppO2High', 'high');" << "TypeError: QDoubleSpinBox::set argument should be a number";
        QTest::newRow("textEdit") << "['get', 'set'].forEach(function (f) { test.expectThrow(function () { ostc[f]('textEdit', 1); }, 'Unsupported widget type textEdit', f); });" << "";
        // Custom functions in the units a diver reads.
        QTest::newRow("CF kinds") << "var c = ostc.cf; test.compare([c.get(6), c.get(20), c.get(8), c.get(16), c.get(51), c.name(16)], [1160, 10, 20, 1.0, true, 'Deco Offset [m]'], '');" << "";
        QTest::newRow("CF index per call") << "['get', 'name', 'reset', 'min', 'max'].forEach(function (f) { test.expectThrow(function () { ostc.cf[f](96); }, 'Bas CF index', f); });" << "";
        QTest::newRow("CF on/off") << "ostc.cf.set(51, false); test.compare(ostc.cf.get(51), false, '');" << "";
        QTest::newRow("CF colour number") << "ostc.cf.set(34, 5);" << "TypeError: CF34: unknown colour '5'";
        QTest::newRow("CF out of 16 bits") << "ostc.cf.set(6, 70000);" << "RangeError: value 70000 out of range";
        QTest::newRow("CF signed out of 16 bits") << "ostc.cf.set(48, -40000);" << "RangeError: value -40000 out of range";
        // Gases, settings and files.
        QTest::newRow("settings group") << "var k = ostc.settings.list('Interface'); test.verify(k.indexOf('decoGB') >= 0 && k.join().indexOf('/') < 0, '');" << "";
        QTest::newRow("settings types") << "var s = ostc.settings; s.set('T/n', 5); s.set('T/b', true); s.set('T/s', 'x'); s.set('T/f', false);"
                                           "test.compare([s.get('T/n'), s.get('T/b'), s.get('T/s'), s.get('T/f'), s.get('T/none'), s.list(undefined).indexOf('T/s') >= 0], [5, true, 'x', false, undefined, true], '');" << "";
        QTest::newRow("settings of the program") << "test.compare(typeof ostc.settings.get('Interface/decoGB'), 'boolean', '');" << "";
        QTest::newRow("file the folder itself") << "['', '.', '..', 'a/..', '../x', '/tmp/x'].forEach(function (n) { test.expectThrow(function () { ostc.File(n); }, 'Invalid file name', n); });" << "";
        QTest::newRow("file in a new folder") << "var f = ostc.File('out/a.txt'); f.write('abc'); test.compare(f.read(), 'abc', '');" << "";
        QTest::newRow("file read missing") << "ostc.File('missing.txt').read();" << "URIError: unable to read '";
        QTest::newRow("file through a link outside") << "ostc.File('outside/x.txt');" << "URIError: Invalid file name";
        QTest::newRow("file on a dangling link") << "ostc.File('dangling').write('x');" << "URIError: ";
        QTest::newRow("file read a named pipe") << "ostc.File('fifo').read();" << "Documents/fifo'";
        QTest::newRow("file write a folder") << "ostc.File('out/a.txt').write('abc'); ostc.File('out').write('x');" << "URIError: unable to write '";
        // Profiles and plans.
        QTest::newRow("no profile") << "['points', 'lastDepth', 'diveTime', 'diveDepth', 'depth', 'gasAt', 'gasChange', 'setpointChange', 'save'].forEach("
                                       "function (f) { test.expectThrow(function () { ostc.profile[f](1); }, 'No active profile', f); });" << "";
        QTest::newRow("profile saved outside") << "mainWindow.simulateSlot(); ostc.profile.save('../../x.xml');" << "URIError: Invalide file name";
        QTest::newRow("profile saved on a folder") << "mainWindow.simulateSlot(); ostc.profile.save('samples');" << "samples'";
        QTest::newRow("profile of a run") << "mainWindow.simulateSlot(); var p = ostc.profile, d = ostc.get('dive_depth');"
                                             "test.compare([p.depth(0), p.gasAt(0), p.gasChange(0), p.setpointChange(0), p.lastDepth()], [d, 1, 1, 0, d], '');" << "";
        QTest::newRow("plan of the new profile") << "ostc.set('interval', 'Reset'); mainWindow.simulateSlot(); ostc.set('dive_depth', 20);"
                                                    "mainWindow.simulateSlot(); ostc.plan.create(false); test.compare(ostc.plan.diveDepth(), 20, '');" << "";
        QTest::newRow("planner equals the buttons") << "test.setup({O2_1: 21, gas_2: true, O2_2: 50, depth_2: 21, dive_depth: 45, dive_time: 30}); var p = ostc.planner.plan({withMessages: true});"
                                                       "ostc.set('interval', 'Reset'); mainWindow.simulateSlot(); mainWindow.ascentSlot();"
                                                       "test.compare([p.ok, p.messages.length > 10, p.tts > 0, p.stopTime > 0, p.firstStop > 0, p.records.filter(function (r) { return r.stop; }).length > 1], [true, true, true, true, true, true], '');"
                                                       "var last = /Desat = [0-9:]+/.exec(p.messages[p.messages.length - 1])[0]; test.verify(mainWindow.getMessages().indexOf(last) >= 0, last);" << "";
        QTest::newRow("planner leaves the window's dive") << "ostc.set('interval', 'Reset'); mainWindow.simulateSlot(); var t = ostc.plan; t.create(false); var before = t.tts();"
                                                            "var p = ostc.planner.plan({dive_depth: 60, dive_time: 40, O2_1: 21, He_1: 35}); t.create(false);"
                                                            "test.compare([t.tts(), ostc.get('dive_depth') != 60, p.tts > before], [before, true, true], '');" << "";
        QTest::newRow("planner option out of range") << "ostc.planner.plan({GF_low: 5});" << "RangeError: GF_low: 5 is outside 10 to 100";
        QTest::newRow("planner unknown option") << "ostc.planner.plan({bottom: 30});" << "RangeError: unknown planning input bottom";
        QTest::newRow("planner refused mix") << "var p = ostc.planner.plan({O2_1: 80, He_1: 30}); test.compare([p.ok, /BAD MIX/.test(p.error)], [false, true], '');" << "";
        QTest::newRow("planner gas volumes") << "var p = ostc.planner.plan({withGasVolumes: true, dive_depth: 30, dive_time: 30}); test.verify(p.gasLitres[0] > 1000 && p.gasVolumePlan.tts >= 0, p.gasLitres);" << "";
        QTest::newRow("planner solve") << "var a = ostc.planner.solve({dive_depth: 40, GF_low: 30, GF_high: 85, gradientFactor: true, tts: 20});"
                                          "var at = ostc.planner.plan({dive_depth: 40, GF_low: 30, GF_high: 85, gradientFactor: true, dive_time: a.bottomTime}), after = ostc.planner.plan({dive_depth: 40, GF_low: 30, GF_high: 85, gradientFactor: true, dive_time: a.bottomTime + 1});"
                                          "test.compare([a.found, a.text, at.tts <= 20, after.tts > 20], [true, 'longest bottom time: ' + a.bottomTime + ' min for TTS \u2264 20 min', true, true], '');" << "";
        QTest::newRow("planner solve impossible") << "var a = ostc.planner.solve({dive_depth: 60, runtime: 3}); test.compare([a.found, a.bottomTime, a.text], [false, null, 'no bottom time meets the target runtime \u2264 3 min'], '');" << "";
        QTest::newRow("planner solve without a target") << "ostc.planner.solve({dive_depth: 40});" << "RangeError: solve: name one target";
        QTest::newRow("planner solve two targets") << "ostc.planner.solve({tts: 40, ndl: true});" << "RangeError: solve: name one target";
        QTest::newRow("planner solve bad limit") << "ostc.planner.solve({tts: 'long'});" << "RangeError: solve: tts takes a number of minutes";
        QTest::newRow("planner solve reserve") << "var o = {dive_depth: 30, dive_time: 1, cylinders: [{gas: 1, litres: 12, bar: 200}], rule: 'two_thirds'}; var a = ostc.planner.solve({dive_depth: 30, reserve: true, cylinders: o.cylinders});"
                                                  "o.dive_time = a.bottomTime; var at = ostc.planner.contingency(o)[0]; o.dive_time = a.bottomTime + 1; var after = ostc.planner.contingency(o)[0];"
                                                  "test.compare([a.found, a.text, at.reserveBroken[0], after.reserveBroken[0]], [true, 'longest bottom time: ' + a.bottomTime + ' min for every cylinder within the reserve rule', false, true], '');" << "";
        QTest::newRow("planner solve reserve without a cylinder") << "var a = ostc.planner.solve({reserve: true}); test.compare([a.found, a.error], [false, 'The reserve target needs a cylinder (size and fill) for a gas of the plan'], '');" << "";
        QTest::newRow("planner solve unknown rule") << "ostc.planner.solve({reserve: true, rule: 'most'});" << "RangeError: solve: unknown rule most";
        QTest::newRow("contingency rows") << "var o = {dive_depth: 45, dive_time: 30, O2_1: 21, gas_2: true, O2_2: 50, depth_2: 21}; var p = ostc.planner.plan(o);"
                                             "o.deeper = 3; o.cylinders = [{gas: 2, litres: 3, bar: 200}]; o.rule = 'half'; var r = ostc.planner.contingency(o);"
                                             "test.compare([r.map(function (x) { return x.name; }).join(), r[0].tts == p.tts, r[0].runtime > 30, r[0].reserveBroken[1], r[0].barUsed[1] > 100, r[4].kind, r[4].gasLitres[1], r[0].bailoutAt],"
                                             "['plan,+3 m,+5 min,+3 m +5 min,lost Nx50', true, true, true, true, 'lostGas', 0, null], '');" << "";
        QTest::newRow("contingency unknown rule") << "ostc.planner.contingency({rule: 'most'});" << "RangeError: contingency: unknown rule most";
        QTest::newRow("contingency unknown option") << "ostc.planner.contingency({bottom: 30});" << "RangeError: unknown planning input bottom";
        QTest::newRow("contingency ccr bail-out") << "var r = ostc.planner.contingency({ccrMode: true, dive_depth: 40, dive_time: 30, lostGases: false});"
                                                     "test.compare([r.length, r[4].kind, r[4].bailoutAt > 30, r[4].gasLitres[0] > 0], [5, 'bailout', true, true], '');" << "";
        QTest::newRow("plot window") << "test.compare([String(plotWindow).indexOf('PlotInterface('), plotWindow === plotWindow], [0, true], '');" << "";
        // Guarded calls into the window.
        QTest::newRow("call with a result") << "test.compare([mainWindow.gasName(1), String(mainWindow).indexOf('Bathyra_Interface(')], ['Air', 0], '');" << "";
        QTest::newRow("argument of a wrong type") << "mainWindow.gasName('first');" << "TypeError: gasName: argument 1 should be a int";
        QTest::newRow("object of a wrong class") << "mainWindow.save(qApp);" << "TypeError: save: argument 1 should be a QSettings*";
        QTest::newRow("settings object") << "mainWindow.save(ostc.settings); test.compare(ostc.settings.get('Dive/bottom_depth'), ostc.get('dive_depth'), '');" << "";
        QTest::newRow("planner error caught") << "ostc.set('O2_1', 5); try { mainWindow.simulateSlot(); mainWindow.ascentSlot(); } catch (e) { test.verify(/HYPOXIA/.test(e.message), ''); }" << "";
        QTest::newRow("planner error uncaught") << "ostc.set('O2_1', 5);\nmainWindow.simulateSlot(); mainWindow.ascentSlot();" << "case.qs:2: Error: HYPOXIA";
        QTest::newRow("dialog without a display") << "mainWindow.settingsSlot();" << "settingsSlot: the dialog";
        QTest::newRow("Qt dialog without a display") << "qApp.aboutQt();" << "aboutQt: the dialog";
        QTest::newRow("signal of the window") << "mainWindow.destroyed(mainWindow);" << "TypeError";
        QTest::newRow("inherited window calls") << "test.compare(['destroyed', 'deleteLater', 'close', 'setStyleSheet', 'grab', 'show', 'objectName', 'windowTitle'].filter(function (f) { return f in mainWindow; }), [], '');"
                                                   "test.verify(typeof mainWindow.simulateSlot == 'function' && typeof mainWindow.message == 'function', '');" << "";
        QTest::newRow("plan calls with odd arguments") << "mainWindow.simulateSlot(); var n = 0; for (var f in ostc.plan) if (typeof ostc.plan[f] == 'function') { try { ostc.plan[f](-1, NaN); } catch (e) {} try { ostc.plan[f](-1); } catch (e) {} try { ostc.plan[f](NaN); } catch (e) {} ++n; }"
                                                          "test.verify(n >= 17 && !('destroyed' in ostc.plan) && !('setProfile' in ostc.plan), n);" << "";
        QTest::newRow("settings of the update checks") << "['Updates/firmwareServer', '/updates//programServer'].forEach(function (k) { test.expectThrow(function () { ostc.settings.set(k, 'http://elsewhere'); }, 'cannot be changed', k); });"
                                                          "test.compare([ostc.settings.get('Updates/firmwareServer'), 'destroyed' in ostc.settings], [undefined, false], '');" << "";
        QTest::newRow("wrong argument count") << "mainWindow.simulateSlot(1);" << "no form of it takes 1 arguments";
        // How a script ends.
        QTest::newRow("missing script") << "ostc.run('/nonexistent/x.qs'); test.compare(ostc.version().indexOf('Bathyra_'), 0, '');" << "";
        QTest::newRow("debugger statement") << "function f() {\n  debugger;\n}\ntry { f(); } catch (e) {}\ntest.verify(false, 'not reached');"
                                            << "case.qs:2: Error: debugger statement";
        QTest::newRow("uncaught without a handler") << "test.uncaught = undefined;\nthrow new Error('plain');" << "case.qs:2: Error: plain";
        QTest::newRow("uncaught handler throws") << "test.uncaught = function () { throw new Error('again'); };\nthrow new Error('first');" << "case.qs:2\nScript error test.uncaught:1: Error: again";
        // clang-format on
    }
    void scriptFile()
    {
        QFETCH(QString, script);
        QFETCH(QString, report);
        const ScriptRunResult result = runText(script);
        if (report.isEmpty()) {
            QVERIFY2(result.errors.isEmpty() && result.failed == 0,
                     qPrintable(result.errors.join('\n')));
            QVERIFY(result.passed > 0);
        } else {
            QVERIFY2(result.errors.join('\n').contains(report),
                     qPrintable(result.errors.join('\n')));
        }
        // Whatever the script did, the window goes on working.
        QVERIFY(runText("test.compare(ostc.get('interval'), ostc.get('interval'), '');").ok());
    }

    // The cases of data/suite_changes.txt: a suite of one script leaves the diver's state as
    // it found it, also when the script ends by an error.
    void suiteKeepsThePlan_data() { dataRows("suite_changes.txt"); }
    void suiteKeepsThePlan()
    {
        QFETCH(QStringList, c);
        QDir folder(scripts.filePath("suite"));
        QVERIFY(folder.mkpath("."));
        write("mainWindow.message('suite script ran');\n" + c[1], "suite/a_case.qs");
        diversPlan(w);
        const QStringList before = diverState(w);
        bool ran = false;
        w->consoleLog = [&ran](char, const QString& text) {
            ran = ran || text == "suite script ran";
        };
        runScriptSuite(w, folder.path());
        w->consoleLog = nullptr;
        QVERIFY(ran);
        QCOMPARE(diverState(w), before);
    }

    // Saves from a script on a disk that fills up: an exception naming the file and the
    // reason, the old file byte for byte. (The profile writers have their table in the
    // profile tests.)
    void writesOnFullDisk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("script");
        // clang-format off
        QTest::newRow("File.write") << "big.txt" << "ostc.File('big.txt').write(new Array(20000).join('x'));";
        // clang-format on
    }
    void writesOnFullDisk()
    {
        QFETCH(QString, name);
        QFETCH(QString, script);
        const QString path = documents() + "/" + name;
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly | QIODevice::Truncate) && old.write("old") == 3);
        old.close();
        const QString file = write(script);
        ScriptRunResult result;
        {
            FullDisk full(100);
            QVERIFY(full.ok());
            result = runScriptFile(w, file);
        }
        const QString errors = result.errors.join('\n');
        QVERIFY2(errors.contains("Cannot write '" + path + "': File too large"),
                 qPrintable(errors));
        QCOMPARE(fileBytes(path), QByteArray("old"));
        QFile::remove(path);
    }

    // A host without a window, with the debugger attached (which nothing here calls up).
    void hostWithoutAWindow()
    {
        Script host(ScriptWindow(), true, scripts.path());
        host.run(write(
            "test.compare([mainWindow, ostc.settings, plotWindow], [null, null, null], '');"
            "['set', 'get'].forEach(function (f) {"
            "  test.expectThrow(function () { ostc[f]('dive_time', 1); }, 'Unknown widget', f); });"
            "test.expectThrow(function () { ostc.profile.points(); }, 'No active profile', '');"));
        QCOMPARE(host.errors(), QStringList());
        QCOMPARE(QList<int>({host.passedChecks(), host.failedChecks()}), QList<int>({4, 0}));
    }

    // The suite, and a script picked in the Help menu's file dialog (whose filter shows it).
    // A shown window on the offscreen platform has nobody to continue the debugger: the
    // script ends with its report, the backtrace kept.
    void helpMenu()
    {
        w->setHeadless(false);
        w->show();
        const ScriptRunResult result = runText("function f() {\n  debugger;\n}\nf();");
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors[0].contains("From here:\nf() at"), qPrintable(result.errors[0]));
        w->setHeadless(true);
        QVERIFY(w->actionRun_tests->isEnabled());
        // The whole suite leaves the diver's plan as it was.
        diversPlan(w);
        const QStringList before = diverState(w);
        w->actionRun_tests->trigger();
        QCOMPARE(diverState(w), before);
        const QString console = w->consoleDocument()->toPlainText();
        QVERIFY2(QRegularExpression("\\b[1-9][0-9]* passed, 0 failed").match(console).hasMatch(),
                 qPrintable(console.right(400)));
        QFile report(documents() + "/Bathyra test report.html");
        QVERIFY(report.open(QIODevice::ReadOnly) &&
                report.readAll().contains("plan_regression.qs"));

        const QString menu = write("mainWindow.message('script ' + ostc.version());", "menu.qs");
        QStringList filters;
        whenModal([&](QWidget* dialog) {
            filters = qobject_cast<QFileDialog*>(dialog)->nameFilters();
            pickFile(dialog, menu);
        });
        w->actionRunScript->trigger();
        // The filter's blank-separated patterns let the file show.
        QVERIFY2(QDir::match(filters.value(0).section('(', 1).section(')', 0, 0), "menu.qs"),
                 qPrintable(filters.join(' ')));
        QVERIFY(w->consoleDocument()->toPlainText().contains("script Bathyra_"));
    }
};

QTEST_MAIN(TestScriptHost)
#include "test_script_host.moc"
