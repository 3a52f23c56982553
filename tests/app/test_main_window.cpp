// The real main window, started and shut down as the program does: first start, keys, help,
// about and quit, remembered groups and edits, parameter transfer to the image, gas
// information, .div files through the dialogs, refused saves, the shut-down after ten
// unhandled exceptions, update checks at start-up and from the menu (never from
// bathyra-cli), and the message console.
#include "../updates/loopback_server.h"
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "modal_dialog.h"
#include "planner/dive_parameters.h"

#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using planner::currentImage;

namespace
{
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QString documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    Bathyra_Interface* w = nullptr;

    void start(bool checkUpdates = false)
    {
        w = startUp(checkUpdates);
        static_cast<BathyraApplication*>(qApp)->setConsole(w);
    }
    void stop()
    {
        static_cast<BathyraApplication*>(qApp)->setConsole(nullptr);
        shutDown(w);
        delete w;
        w = nullptr;
        closeAppSettings();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir().mkpath(documents());
    }
    void init()
    {
        closeAppSettings();
        QFile::remove(appSettingsPath());
        start();
    }
    void cleanup()
    {
        if (w)
            stop();
    }

    void firstStartAndKeys()
    {
        for (ClosingGroupBox* box : w->findChildren<ClosingGroupBox*>())
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
        QCOMPARE(QStringList({w->interval->text(), w->mod_1->text()}),
                 QStringList({"Reset", "MOD:66m, EAD:---, END:---"}));
        QCOMPARE(w->saturation->value(), int(ConfigImage::defaultImage().cf(11)));
        QVERIFY(w->replayMode->isHidden() && w->replayGB->isHidden()); // beta features off
        // A language change keeps the computed texts.
        w->O2_2->setValue(50);
        const QString line = w->mod_2->text();
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(w, &change);
        QVERIFY(w->mod_2->text() == line && w->gasGB->title() == "Gas List:");
        // Each key has one owner; a key bound twice in one window would do nothing.
        QStringList seen;
        whenModal([&seen](QWidget* d) { seen = pickFile(d); });
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier);
        QTRY_COMPARE(seen.value(0), QString("Load dive parameters..."));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(!w->helpWindow());
        QTest::keyClick(w, Qt::Key_F1);
        QTRY_VERIFY(w->helpWindow() && w->helpWindow()->isVisible());
        QTextBrowser* help = w->helpWindow();
        QVERIFY(help->openExternalLinks() && help->toPlainText().contains("Gradient Factor"));
        w->helpButton->click(); // the same window again
        QCOMPARE(w->helpWindow(), help);
        w->aboutButton->click();
        QSplashScreen* splash = w->splash();
        QVERIFY(splash && splash->isVisible() && (splash->windowFlags() & Qt::WindowStaysOnTopHint));
        QTest::mouseClick(splash, Qt::LeftButton);
        QTRY_VERIFY(!splash->isVisible());
        // Quit applies the form and closes every window.
        w->O2_4->setValue(80);
        w->exitButton->click();
        QVERIFY(!w->isVisible());
        QTRY_VERIFY(!w->helpWindow());
        QCOMPARE(int(currentImage().gasO2(4)), 80);
    }

    // What the form enables and colours as it is edited ("!name": not red), and a gas
    // row's information ("label text").
    void formFollowsEdits_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("disabled");
        QTest::addColumn<QString>("red");
        QTest::addColumn<QString>("line");
        // clang-format off
        QTest::newRow("GF model") << "gradientFactor=1" << "GF_low" << "saturation" << "" << "";
        QTest::newRow("replay") << "replayMode=1" << "replayGB" << "dive_time dive_depth replayBreakOnSetpoint" << "" << "";
        QTest::newRow("hypoxic first gas") << "O2_1=20" << "" << "depth_1" << "O2_1 He_1" << "";
        QTest::newRow("deco gas without depth") << "gas_2=1" << "depth_2" << "O2_3 mod_3" << "depth_2" << "";
        QTest::newRow("deco gas") << "gas_2=1 O2_2=50 depth_2=21" << "" << "" << "!depth_2 !O2_1" << "mod_2 MOD:22m, EAD:10m, END:21m";
        QTest::newRow("setpoint") << "ccrMode=1 ppo2_1=1.3" << "" << "" << "" << "mod_sp1 Dil:21/00, CCR max depth:52m, EAD:52m, END:52m";
        QTest::newRow("trimix diluent") << "ccrMode=1 ppo2_1=1.3 O2_1=10 He_1=50" << "" << "" << "" << "mod_sp1 Dil:10/50, CCR max depth:120m, EAD:56m, END:55m";
        // clang-format on
    }
    void formFollowsEdits()
    {
        QFETCH(QString, edits);
        QFETCH(QString, enabled);
        QFETCH(QString, disabled);
        QFETCH(QString, red);
        QFETCH(QString, line);
        set(w, edits);
        // Each named widget is in the state, or not when its name starts with '!'.
        const auto check = [this](const QString& names, bool (*state)(const QWidget*)) {
            for (const QString& n : names.split(' ', Qt::SkipEmptyParts))
                QVERIFY2(state(w->findChild<QWidget*>(QString(n).remove('!'))) != n.startsWith('!'), qPrintable(n));
        };
        check(enabled, [](const QWidget* x) { return x->isEnabled(); });
        check(disabled, [](const QWidget* x) { return !x->isEnabled(); });
        check(red, [](const QWidget* x) { return x->styleSheet().contains("color: red"); });
        if (!line.isEmpty())
            QCOMPARE(w->findChild<QLabel*>(line.section(' ', 0, 0))->text(), line.section(' ', 1));
    }

    // Closed groups, and edits closed with the title bar (never applied), come back at the
    // next start with the options; legacy keys go. The update checks at start-up, from the
    // menu, and never from bathyra-cli.
    void restartAndUpdateChecks()
    {
        w->gasGB->setChecked(false);
        emit w->gasGB->clicked(false);
        QVERIFY(w->gasGB->maximumHeight() < 40);
        const QString edits = "O2_2=32 gas_2=1 depth_2=30 ccrMode=1 ppo2_1=1.3 dive_depth=62";
        set(w, edits);
        // A closed group stays closed when it is disabled.
        w->setpointGroup->setChecked(false);
        emit w->setpointGroup->clicked(false);
        w->ocrMode->setChecked(true);
        QVERIFY(!w->setpointGroup->isEnabled() && !w->setpointGroup->isChecked());
        w->ccrMode->setChecked(true);
        appSettings().setValue("Dive/verbose", true);
        appSettings().setValue("Dive/ppO2High", 1.4);
        // Start-up asks both update servers and goes on.
        LoopbackServer server;
        server.silent = true;
        for (const char* key : {"Updates/programServer", "Updates/firmwareServer"})
            appSettings().setValue(key, server.base());
        w->close();
        stop();
        const QSettings file(appSettingsPath(), QSettings::IniFormat);
        QVERIFY(file.value("Dive/verbose").toBool() && !file.contains("Dive/ppO2High"));
        QVERIFY(file.contains("Interface/splitter") && file.value("Dive/bottom_depth").toInt() == 62);
        QVERIFY(!file.value("Interface/setpointGroup").toBool());
        start(true);
        QTRY_COMPARE(server.requests.size(), 2); // both asked, neither will ever answer
        for (const QString& e : edits.split(' ')) {
            QObject* x = w->findChild<QObject*>(e.section('=', 0, 0));
            QCOMPARE(x->property(qobject_cast<QAbstractButton*>(x) ? "checked" : "value").toDouble(),
                     e.section('=', 1).toDouble());
        }
        QVERIFY(currentImage().setpoint(1) == 130 && programOptions().verbose);
        QVERIFY(!w->gasGB->isChecked() && w->gasGB->maximumHeight() < 40 && w->decoGB->isChecked());
        // An open group shrinks to its title while disabled, and grows back.
        w->setpointGroup->setChecked(true);
        w->setpointGroup->clickSlot();
        w->ocrMode->setChecked(true);
        QVERIFY(w->setpointGroup->maximumHeight() < 40);
        w->ccrMode->setChecked(true);
        QCOMPARE(w->setpointGroup->maximumHeight(), QWIDGETSIZE_MAX);

        // The menu action asks again, and a newer firmware is announced in a box over the
        // window. bathyra-cli never asks.
        server.silent = false;
        server.answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 5, 1), "Firmware 2.15"};
        server.answers["/autofirmware/ostc2.hex"] = {200, QDate(2020, 5, 2), ":04000000DEADBEEFC4\n:00000001FF\n"};
        QString title;
        whenModal([&title](QWidget* box) {
            title = box->windowTitle();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        w->checkUpdatesAction->trigger();
        QTRY_COMPARE(title, QString("Firmware 2.15 available..."));

        server.requests.clear();
        appSettings().sync();
        QProcess cli;
        cli.start(BATHYRA_CLI, {"--settings", appSettingsPath(), "--set", "dive_time=30", "simulate"});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        QTest::qWait(300); // a request sent before the exit would be read by now
        QCOMPARE(server.requests, QStringList());
    }

    void applyParametersRoundsAndMaps_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("decoType");
        QTest::newRow("plain OC") << "ocrMode=1 buhlmann=1" << 0;
        QTest::newRow("plain CCR") << "ccrMode=1 buhlmann=1" << 2;
        QTest::newRow("GF OC") << "ocrMode=1 gradientFactor=1" << 4;
        QTest::newRow("GF CCR") << "ccrMode=1 gradientFactor=1" << 5;
    }
    void applyParametersRoundsAndMaps()
    {
        QFETCH(QString, model);
        QFETCH(int, decoType);
        set(w, model + " ppo2_1=1.3 ppo2_2=0.7 ppO2High=1.15 deco_offset=2.5 first_5=1 gas_2=1 gas_4=1"
                       " O2_2=50 He_3=35 depth_2=21 adjustSP=1 shallow_first=1 gas_switch_delay=2"
                       " extra_time=5 GF_low=35 bottomGasUsage=25 press_surface=900 replayBreakOnStop=0");
        w->applyParameters(true);
        const ConfigImage& im = currentImage();
        const QList<int> got{im.byte(ConfigImage::deco_type), im.setpoint(1), im.setpoint(2), im.cf(18), im.cf(16),
                             im.byte(ConfigImage::first_gas), im.byte(ConfigImage::active_gases), im.gasO2(2),
                             im.gasHe(3), im.gasDepth(2), im.cf(39), im.cf(54), im.cf(55), im.cf(58), im.cf(32),
                             im.cf(56), planner::plannerEngine().in_surface_pressure_mbar};
        QCOMPARE(got, (QList<int>{decoType, 130, 70, 115, 25, 5, 0x0A, 50, 35, 21, 1, 1, 2, 5, 35, 25, 900}));
        QCOMPARE(planner::replayFlags().breakOnStop, false);
        // And back: the widgets show what the image holds.
        set(w, "ppo2_1=0.5 first_2=1");
        w->showParameters();
        QVERIFY(w->ppo2_1->value() == 1.3 && w->first_5->isChecked() && w->ppO2High->value() == 1.15);
        QCOMPARE(w->deco_offset->value(), 2.5);
    }

    // .div files through the dialogs and refused for a bad image; the window's gas helpers.
    void divFilesAndGasHelpers()
    {
        // Cancelled dialogs change nothing; a missing folder falls back to the documents.
        appSettings().setValue("Planner/divePath", "/nonexistent/folder");
        set(w, "O2_3=50 gas_3=1 depth_3=21 dive_time=33 replayBreakOnStop=0");
        QStringList seen;
        whenModal([&seen](QWidget* d) { seen = pickFile(d); });
        w->loadDiveSlot();
        QCOMPARE(seen, (QStringList{"Load dive parameters...", documents()}));
        whenModal([](QWidget* d) { pickFile(d); });
        w->saveDiveSlot();
        QCOMPARE(w->O2_3->value(), 50);
        QCOMPARE(appSettings().value("Planner/divePath").toString(), QString("/nonexistent/folder"));

        QTemporaryDir dir;
        const QString file = dir.filePath("plan.div");
        whenModal([&](QWidget* d) { seen = pickFile(d, file); });
        w->saveDiveSlot();
        QVERIFY(seen.value(0) == "Save all parameters..." && QFile::exists(file));
        QCOMPARE(appSettings().value("Planner/divePath").toString(), dir.path());
        // Change everything, then load the file back; the dialog opens where it was saved.
        set(w, "O2_3=21 gas_3=0 dive_time=10 replayBreakOnStop=1");
        w->applyParameters(true);
        whenModal([&](QWidget* d) { seen = pickFile(d, file); });
        w->loadDiveSlot();
        QCOMPARE(seen, (QStringList{"Load dive parameters...", dir.path()}));
        QVERIFY(w->gas_3->isChecked() && !w->replayBreakOnStop->isChecked());
        QCOMPARE(QList<int>({w->O2_3->value(), w->depth_3->value(), w->dive_time->value()}), QList<int>({50, 21, 33}));

        // No first gas chosen: 5 is stored; gas names, the best gas, a hypoxic gas at the
        // surface.
        w->firstGroup->setExclusive(false);
        w->first_1->setChecked(false);
        w->applyParameters(true);
        QCOMPARE(int(currentImage().byte(ConfigImage::first_gas)), 5);
        QCOMPARE(w->mod_sp1->text(), QString("Dil: 0/00, CCR max depth: 0m, EAD:---, END:---"));
        set(w, "first_1=1 O2_2=18 He_2=45 gas_2=1 depth_2=30");
        w->applyParameters(true);
        QVERIFY(w->gasName(2) == "Tx18/45" && w->bestGasForDepth(29.0f) == 2);
        w->loadEngineGases();
        w->setDepth(0.0f);
        QCOMPARE(int(planner::plannerEngine().in_ppo2_cbar), 21);
        w->O2_1->setValue(12);
        w->applyParameters(true);
        w->loadEngineGases();
        QVERIFY_EXCEPTION_THROWN(w->setDepth(0.0f), QString);

        // A refused save leaves the file alone.
        QSettings(dir.filePath("nomodel.div"), QSettings::IniFormat).setValue("Gas0/active", "yes");
        w->load(std::make_unique<QSettings>(dir.filePath("nomodel.div"), QSettings::IniFormat).get());
        QCOMPARE(int(currentImage().byte(ConfigImage::deco_type)), 255);
        const QString target = dir.filePath("target.div");
        QSettings(target, QSettings::IniFormat).setValue("Dive/pressure", 950);
        const QByteArray before = readAll(target);
        w->save(std::make_unique<QSettings>(target, QSettings::IniFormat).get()); // as a script calls it
        QCOMPARE(readAll(target), before);
        QVERIFY(w->textEdit->toPlainText().contains("EEPROM: bad deco type"));
    }

    void tenExceptionsEndTheProgram()
    {
        auto* app = static_cast<BathyraApplication*>(qApp);
        app->resetUnhandledCount();
        w->clearMessages();
        // Each slot throws a message text as the planning code does.
        for (int i = 1; i <= 10; ++i)
            QTimer::singleShot(i, w, [i] { throw QString("BAD MIX %1").arg(i); });
        QCOMPARE(app->exec(), -666);
        QCOMPARE(app->unhandledCount(), 10);
        const QString text = w->textEdit->toPlainText();
        QVERIFY(text.count("Unhandled exception: BAD MIX") == 10 && text.contains("Unhandled exception: BAD MIX 10"));
        QVERIFY(w->getMessages().contains("color:#ff0000"));
        app->resetUnhandledCount();
    }

    // The console: lines written ("~" first: rewrites the last line), the text the user
    // sees, the number of line breaks written.
    void console_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("lineBreaks");
        // clang-format off
        QTest::newRow("table gets no break") << QStringList{"<table border='0'><tr><td>3m</td><td>4'</td></tr></table>"} << "3m\n4'" << 0;
        QTest::newRow("complete heading gets a break") << QStringList{"<h2>Runtime</h2>"} << "Runtime\n" << 1;
        QTest::newRow("bare heading opening") << QStringList{"<h3"} << "" << 0;
        QTest::newRow("rewritten progress") << QStringList{"Reading bank 0", "~Progress 10%", "~Progress 20%"} << "Reading bank 0\nProgress 20%" << 1;
        QTest::newRow("line after progress") << QStringList{"Reading", "~Progress 20%", "done"} << "Reading\nProgress 20%done\n" << 2;
        QTest::newRow("rewrite on an empty console") << QStringList{"~a", "~b"} << "b" << 0;
        // clang-format on
    }
    void console()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, plain);
        InterfaceBase c;
        for (const QString& l : lines)
            c.message(l.mid(l.startsWith('~')), l.startsWith('~'));
        QTEST(c.textEdit->document()->toRawText().count(QChar::LineSeparator), "lineBreaks");
        QCOMPARE(c.textEdit->toPlainText().replace(QChar::Nbsp, ' ').trimmed(), plain.trimmed());
    }

    // Output keeps the diver's selection; a long trace is written in short paragraphs (each
    // is laid out again at every line added to it) and reads the same; clearing empties it.
    void consoleSelectionAndLongTrace()
    {
        InterfaceBase c;
        QString expected = "* desaturation factor (CF12) = 90 %\n";
        c.message(expected.trimmed());
        QTextCursor selection(c.textEdit->document());
        selection.setPosition(2);
        selection.setPosition(15, QTextCursor::KeepAnchor);
        c.textEdit->setTextCursor(selection);
        for (int i = 0; i < 2000; ++i) {
            c.message(QString("%1 SWITCH").arg(i));
            expected += QString("%1 SWITCH\n").arg(i);
        }
        c.message("Reading 10%", true);
        c.message("Reading 20%", true);
        QCOMPARE(c.textEdit->toPlainText(), expected + "Reading 20%");
        QCOMPARE(c.textEdit->textCursor().selectedText(), QString("desaturation "));
        QVERIFY(c.textEdit->document()->blockCount() > 10);
        c.textEdit->setTabStopDistance(40);
        c.clearMessages();
        QVERIFY(c.textEdit->document()->isEmpty() && !c.getMessages().contains("SWITCH"));
        QCOMPARE(c.textEdit->tabStopDistance(), 12.0);
    }
};

int main(int argc, char** argv)
{
    BathyraApplication app(argc, argv);
    app.setStyleSheet(styleSheet());
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
