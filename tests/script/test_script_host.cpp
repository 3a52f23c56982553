// Script files run through the host on the real main window: widget values and their type
// errors, custom functions, gas volumes, settings, files kept inside the documents folder
// (also against symbolic links), profiles, plans, errors thrown by the planner, and scripts
// that end by an uncaught error, a debugger statement or a syntax error without waiting.
// Then the suite and a script from the Help menu.
#include "../app/modal_dialog.h"
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/bathyra_script.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestScriptHost : public QObject
{
    Q_OBJECT

    Bathyra_Interface* w = nullptr;
    QTemporaryDir scripts;

    QString documents() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }

    ScriptRunResult runText(const QString& text)
    {
        const QString path = scripts.filePath(QStringLiteral("case.qs"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        return runScriptFile(w, path);
    }

private slots:
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

    void scriptFile_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("report"); // empty: ends normally with every check passed
        // clang-format off

        QTest::newRow("interval Reset") << "ostc.set('interval', 'Reset'); test.compare(ostc.get('interval'), -10, '');" << "";
        QTest::newRow("spin box truncates") << "ostc.set('dive_depth', 40.7); test.compare(ostc.get('dive_depth'), 40, '');" << "";
        QTest::newRow("set applies") << "ostc.set('GF_high', 70); ostc.set('gradientFactor', true); test.compare(ostc.cf.get(33), 70, '');" << "";
        QTest::newRow("check box number") << "ostc.set('gas_2', 1);" << "TypeError: QCheckBox::set argument should be a bool";
        QTest::newRow("spin box text") << "ostc.set('dive_time', 'long');" << "TypeError: QSpinBox::set argument should be a number";
        QTest::newRow("get textEdit") << "ostc.get('textEdit');" << "TypeError: Unsupported widget type textEdit";
        QTest::newRow("unknown widget") << "ostc.set('nothing', 1);" << "ReferenceError: Unknown widget nothing";
        QTest::newRow("CF16 tenths") << "test.compare(ostc.cf.get(16), 1.0, '');" << "";
        QTest::newRow("CF index 200") << "ostc.cf.set(200, 1);" << "RangeError: Bas CF index";
        QTest::newRow("CF above limit") << "ostc.cf.set(16, 2.5);" << "RangeError: value 2.5, max 2.0";
        QTest::newRow("CF hundredths exact") << "ostc.cf.set(46, 1.15); test.compare(ostc.cf.get(46), 1.15, '');" << "";
        QTest::newRow("CF time") << "ostc.cf.set(2, 300); test.compare(ostc.cf.get(2), 300, '');" << "";
        QTest::newRow("file ../") << "ostc.File('../x');" << "URIError: Invalid file name '../x'";
        QTest::newRow("file ./../") << "ostc.File('./a/../../x');" << "URIError: Invalid file name '../x'";
        QTest::newRow("file absolute") << "ostc.File('/tmp/x');" << "URIError: Invalid file name '/tmp/x'";
        QTest::newRow("file in a new folder") << "var f = ostc.File('out/a.txt'); f.write('abc'); test.compare(f.read(), 'abc', '');" << "";
        QTest::newRow("gas 0") << "ostc.gas.volume(0);" << "RangeError: Bas gas index";
        QTest::newRow("gas 6") << "ostc.gas.volume(6);" << "RangeError: Bas gas index";
        QTest::newRow("settings group") << "var k = ostc.settings.list('Interface'); test.verify(k.indexOf('decoGB') >= 0 && k.join().indexOf('/') < 0, '');" << "";
        QTest::newRow("settings types") << "var s = ostc.settings; s.set('T/n', 5); s.set('T/b', true); s.set('T/s', 'x');"
                                           "test.compare([s.get('T/n'), s.get('T/b'), s.get('T/s')], [5, true, 'x'], '');" << "";
        QTest::newRow("no profile") << "ostc.profile.points();" << "ReferenceError: No active profile";
        QTest::newRow("profile outside") << "ostc.profile.load('../../x.xml');" << "URIError: Invalide file name";
        QTest::newRow("plan of the new profile") << "ostc.set('interval', 'Reset'); mainWindow.simulateSlot(); ostc.set('dive_depth', 20);"
                                                    "mainWindow.simulateSlot(); ostc.plan.create(false); test.compare(ostc.plan.diveDepth(), 20, '');" << "";
        QTest::newRow("planner error caught") << "ostc.set('O2_1', 5); try { mainWindow.simulateSlot(); } catch (e) { test.verify(/HYPOXIA/.test(e.message), ''); }" << "";
        QTest::newRow("planner error uncaught") << "ostc.set('O2_1', 5);\nmainWindow.simulateSlot();" << "case.qs:2: Error: HYPOXIA";
        QTest::newRow("dialog without a display") << "mainWindow.settingsSlot();" << "settingsSlot: the dialog";
        QTest::newRow("Qt dialog without a display") << "qApp.aboutQt();" << "aboutQt: the dialog";
        QTest::newRow("wrong argument count") << "mainWindow.simulateSlot(1);" << "no form of it takes 1 arguments";
        QTest::newRow("backtrace") << "function inner() { throw new Error('deep'); }\nfunction outer() { inner(); }\nouter();"
                                   << "case.qs:1: Error: deep\nFrom here:\ninner() at " ;
        QTest::newRow("debugger statement") << "function f() {\n  debugger;\n}\ntry { f(); } catch (e) {}\ntest.verify(false, 'not reached');"
                                            << "case.qs:2: Error: debugger statement";
        QTest::newRow("syntax error") << "var a = 1;\nvar b = ;" << "case.qs:2: SyntaxError: Parse error";
        QTest::newRow("failed check") << "test.compare(1, 2, 'one is two');" << "";
        // clang-format on
    }

    void scriptFile()
    {
        QFETCH(QString, script);
        QFETCH(QString, report);
        const ScriptRunResult result = runText(script);
        if (report.isEmpty()) {
            QVERIFY2(result.errors.isEmpty(), qPrintable(result.errors.join('\n')));
            // The one row with a failing check shows that a failure is counted.
            const bool failing = QByteArray(QTest::currentDataTag()) == "failed check";
            QCOMPARE(result.failed, failing ? 1 : 0);
            QVERIFY(result.passed + result.failed > 0);
        } else {
            QCOMPARE(result.errors.size(), 1);
            QVERIFY2(result.errors[0].contains(report), qPrintable(result.errors[0]));
        }
        // Whatever the script did, the window goes on working.
        QVERIFY(runText("test.compare(ostc.get('interval'), ostc.get('interval'), '');").ok());
    }

    void shownWindowOffscreenNeverWaits()
    {
        // A shown window on the offscreen platform has nobody to continue the debugger:
        // the script ends with its report, the backtrace kept.
        w->setHeadless(false);
        w->show();
        const ScriptRunResult result = runText("function f() {\n  debugger;\n}\nf();");
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors[0].contains("From here:\nf() at"), qPrintable(result.errors[0]));
    }

    void linksLeadingOutsideAreRefused()
    {
        QTemporaryDir outside;
        QDir().mkpath(documents());
        for (const char* name : {"/outside", "/dangling"})
            QFile::remove(documents() + name); // left by an earlier run that failed
        QVERIFY(QFile::link(outside.path(), documents() + "/outside"));
        QVERIFY(QFile::link(outside.filePath("new.txt"), documents() + "/dangling"));
        const ScriptRunResult result =
            runText("test.expectThrow(function () { ostc.File('outside/x.txt'); }, 'URIError', "
                    "'link to a folder');"
                    "test.expectThrow(function () { ostc.File('dangling').write('x'); }, "
                    "'URIError', 'dangling link');");
        QVERIFY(result.ok());
        QCOMPARE(result.passed, 2);
        QVERIFY(QDir(outside.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        QFile::remove(documents() + "/outside");
        QFile::remove(documents() + "/dangling");
    }

    void suiteFromHelpMenu()
    {
        QVERIFY(w->actionRun_tests->isEnabled());
        w->actionRun_tests->trigger();
        const QString console = w->textEdit->toPlainText();
        QVERIFY2(QRegularExpression("\\b[1-9][0-9]* passed, 0 failed").match(console).hasMatch(),
                 qPrintable(console.right(400)));
        QFile report(documents() + "/Bathyra test report.html");
        QVERIFY(report.open(QIODevice::ReadOnly));
        QVERIFY(report.readAll().contains("plan_regression.qs"));
    }

    void scriptFromHelpMenu()
    {
        const QString path = scripts.filePath("menu.qs");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("mainWindow.message('script ' + ostc.version());");
        file.close();
        bool listed = false;
        whenModal([&](QWidget* dialog) {
            auto* fd = qobject_cast<QFileDialog*>(dialog);
            fd->setDirectory(scripts.path());
            const auto* view = fd->findChild<QAbstractItemView*>("listView");
            for (int i = 0; i < 40 && !listed; ++i) {
                QTest::qWait(50); // the folder is read in the background
                for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                    listed =
                        listed || view->model()->index(r, 0, view->rootIndex()).data().toString() ==
                                      "menu.qs";
            }
            fd->findChild<QLineEdit*>("fileNameEdit")->setText("menu.qs");
            QMetaObject::invokeMethod(fd, "accept");
        });
        w->actionRunScript->trigger();
        QVERIFY2(listed, "the dialog's filter shows .qs files");
        QVERIFY(w->textEdit->toPlainText().contains("script Bathyra_"));
    }
};

QTEST_MAIN(TestScriptHost)
#include "test_script_host.moc"
