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

    // A script and how it ends: every check passed, or with this error report
    // (data/script_cases.txt).
    void scriptFile_data() { dataRows("script_cases.txt"); }
    void scriptFile()
    {
        QFETCH(QStringList, c);
        const QString& script = c[1];
        const QString& report = c[2];
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
