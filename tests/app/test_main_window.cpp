// The real main window, started and shut down as the program does: first start,
// remembered groups and edits, parameter transfer to the image, gas information, .div
// files through the dialogs, refused saves, help and about windows, and the shut-down
// after ten unhandled exceptions.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "planner/dive_parameters.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include "modal_dialog.h"
#include <functional>

using planner::currentImage;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Picks a file in a file dialog; a dialog that does not take it is cancelled so that
// the test fails instead of waiting.
void choose(QFileDialog* fd, const QString& path)
{
    if (!fd)
        return;
    fd->setDirectory(QFileInfo(path).path());
    // selectFile() leaves a focused name field alone; type the name instead.
    if (auto* name = fd->findChild<QLineEdit*>("fileNameEdit"))
        name->setText(QFileInfo(path).fileName());
    QMetaObject::invokeMethod(fd, "accept");
    if (fd->isVisible())
        fd->reject();
}

bool isRed(const QWidget* w) { return w->styleSheet().contains("color: red"); }

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    Bathyra_Interface* w = nullptr;

    void start()
    {
        w = startUp();
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
    void restart()
    {
        stop();
        start();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
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

    void firstStartShowsDefaults()
    {
        QCOMPARE(w->width(), 955);
        int height = 757;
        const int available = QGuiApplication::primaryScreen()->availableGeometry().height();
        if (available < height)
            height = available;
        QCOMPARE(w->height(), height);
        for (ClosingGroupBox* box : w->findChildren<ClosingGroupBox*>())
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
        QCOMPARE(w->findChildren<ClosingGroupBox*>().size(), 7);

        const ConfigImage def = ConfigImage::defaultImage();
        QCOMPARE(w->press_surface->value(), 1013);
        QCOMPARE(w->ascent->value(), 10);
        QCOMPARE(w->dive_time->value(), 20);
        QCOMPARE(w->dive_depth->value(), 45);
        QCOMPARE(w->interval->value(), -10);
        QCOMPARE(w->interval->text(), QString("Reset"));
        QVERIFY(w->first_1->isChecked());
        QVERIFY(w->ocrMode->isChecked());
        QVERIFY(w->buhlmann->isChecked());
        QCOMPARE(w->saturation->value(), int(def.cf(11)));
        QCOMPARE(w->GF_high->value(), int(def.cf(33)));
        QCOMPARE(w->ppO2High->value(), def.cf(18) * 0.01);
        QCOMPARE(w->ppO2High->decimals(), 2);
        QCOMPARE(w->O2_1->value(), 21);
        QCOMPARE(w->mod_1->text(), QString("MOD:66m, EAD:---, END:---"));
        QVERIFY(!w->setpointGroup->isEnabled());
        QVERIFY(!w->GF_low->isEnabled());
        QVERIFY(w->replayBreakOnStop->isChecked());
        QVERIFY(!w->replayBreakOnSwitch->isChecked());
        // Beta features off: no replay controls.
        QVERIFY(w->replayMode->isHidden());
        QVERIFY(w->replayGB->isHidden());
        QVERIFY(!w->splitter->isCollapsible(0));
        QCOMPARE(w->windowTitle(), QString("Bathyra"));
    }

    void formRangesAndTexts()
    {
        QCOMPARE(w->saturation->minimum(), 100);
        QCOMPARE(w->saturation->maximum(), 200);
        QCOMPARE(w->gas_switch_delay->specialValueText(), QString("None"));
        QCOMPARE(w->extra_time->specialValueText(), QString("None"));
        QCOMPARE(w->ppo2_1->singleStep(), 0.1);
        QCOMPARE(w->press_surface->singleStep(), 100);
        QCOMPARE(w->depth_3->maximum(), 130);
        QCOMPARE(w->last_stop->minimum(), 3);
        QCOMPARE(w->bottomGasUsage->suffix(), QString(" l/min"));
        QCOMPARE(w->actionSimulate->shortcut(), QKeySequence(Qt::Key_Return));
        QCOMPARE(w->actionLoad->shortcut(), QKeySequence("Ctrl+L"));
        QCOMPARE(w->helpButton->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(w->setDateTimeButton->text(), QString("Date && Time"));
        QVERIFY(w->menuPlanning->isTearOffEnabled());
        QCOMPARE(w->loadButton->toolTip(), QString("Load all model/dive parameters from a *.div file.<br>[Ctrl+L]"));
        // The runs are available; features of later work are visibly unavailable.
        QVERIFY(w->simulateButton->isEnabled());
        QVERIFY(w->actionAscent->isEnabled());
        QVERIFY(w->editCFButton->isEnabled() && w->actionEditCF->isEnabled());
    }

    void shortcutsReachTheirActions()
    {
        // Each key has one owner; a key bound twice in one window would do nothing.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        bool asked = false;
        whenModal([&asked](QWidget* d) {
            asked = qobject_cast<QFileDialog*>(d) != nullptr;
            qobject_cast<QDialog*>(d)->reject();
        });
        QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(asked);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QTRY_VERIFY(w->helpWindow() && w->helpWindow()->isVisible());
    }

    void languageChangeKeepsComputedTexts()
    {
        w->O2_2->setValue(50);
        const QString line = w->mod_2->text();
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(w, &change);
        QCOMPARE(w->mod_2->text(), line);
        QCOMPARE(w->gasGB->title(), QString("Gas List:"));
    }

    void formConnections()
    {
        w->gradientFactor->setChecked(true);
        QVERIFY(w->GF_low->isEnabled());
        QVERIFY(!w->saturation->isEnabled());
        w->replayMode->setChecked(true);
        QVERIFY(!w->dive_time->isEnabled());
        QVERIFY(!w->dive_depth->isEnabled());
        QVERIFY(w->replayGB->isEnabled());
        QVERIFY(!w->replayBreakOnSetpoint->isEnabled());
        w->ccrMode->setChecked(true);
        QVERIFY(w->replayBreakOnSetpoint->isEnabled());
        QVERIFY(w->setpointGroup->isEnabled());
    }

    void closedGroupStaysClosed()
    {
        w->gasGB->setChecked(false);
        emit w->gasGB->clicked(false);
        QVERIFY(w->gasGB->maximumHeight() < 40);
        restart();
        QVERIFY(!w->gasGB->isChecked());
        QVERIFY(w->gasGB->maximumHeight() < 40);
        QVERIFY(w->decoGB->isChecked());
        QCOMPARE(appSettings().value("Interface/gasGB").toBool(), false);
    }

    void disablingAClosedGroupKeepsItClosed()
    {
        w->ccrMode->setChecked(true);
        w->setpointGroup->setChecked(false);
        emit w->setpointGroup->clicked(false);
        w->ocrMode->setChecked(true); // disables the setpoint group
        QVERIFY(!w->setpointGroup->isEnabled());
        QVERIFY(!w->setpointGroup->isChecked());
        QCOMPARE(appSettings().value("Interface/setpointGroup").toBool(), false);
        // An open group shrinks to its title while disabled, and grows back.
        w->setpointGroup->setChecked(true);
        w->setpointGroup->clickSlot();
        QVERIFY(w->setpointGroup->maximumHeight() < 40);
        w->ccrMode->setChecked(true);
        QCOMPARE(w->setpointGroup->maximumHeight(), QWIDGETSIZE_MAX);
    }

    void applyParametersRoundsAndMaps_data()
    {
        QTest::addColumn<bool>("ccr");
        QTest::addColumn<bool>("gf");
        QTest::addColumn<int>("decoType");
        QTest::newRow("plain OC") << false << false << 0;
        QTest::newRow("plain CCR") << true << false << 2;
        QTest::newRow("GF OC") << false << true << 4;
        QTest::newRow("GF CCR") << true << true << 5;
    }
    void applyParametersRoundsAndMaps()
    {
        QFETCH(bool, ccr);
        QFETCH(bool, gf);
        QFETCH(int, decoType);
        (ccr ? w->ccrMode : w->ocrMode)->setChecked(true);
        (gf ? w->gradientFactor : w->buhlmann)->setChecked(true);
        w->ppo2_1->setValue(1.3);
        w->ppo2_2->setValue(0.7);
        w->ppO2High->setValue(1.15);
        w->deco_offset->setValue(2.5);
        w->first_5->setChecked(true);
        w->gas_2->setChecked(true);
        w->gas_4->setChecked(true);
        w->O2_2->setValue(50);
        w->He_3->setValue(35);
        w->depth_2->setValue(21);
        w->adjustSP->setChecked(true);
        w->shallow_first->setChecked(true);
        w->gas_switch_delay->setValue(2);
        w->extra_time->setValue(5);
        w->GF_low->setValue(35);
        w->bottomGasUsage->setValue(25);
        w->press_surface->setValue(900);
        w->replayBreakOnStop->setChecked(false);
        w->applyParameters(true);

        const ConfigImage& im = currentImage();
        QCOMPARE(int(im.byte(ConfigImage::deco_type)), decoType);
        QCOMPARE(int(im.setpoint(1)), 130);
        QCOMPARE(int(im.setpoint(2)), 70);
        QCOMPARE(int(im.cf(18)), 115);
        QCOMPARE(int(im.cf(16)), 25);
        QCOMPARE(int(im.byte(ConfigImage::first_gas)), 5);
        QCOMPARE(int(im.byte(ConfigImage::active_gases)), 0x0A);
        QCOMPARE(int(im.gasO2(2)), 50);
        QCOMPARE(int(im.gasHe(3)), 35);
        QCOMPARE(int(im.gasDepth(2)), 21);
        QCOMPARE(int(im.cf(39)), 1);
        QCOMPARE(int(im.cf(54)), 1);
        QCOMPARE(int(im.cf(55)), 2);
        QCOMPARE(int(im.cf(58)), 5);
        QCOMPARE(int(im.cf(32)), 35);
        QCOMPARE(int(im.cf(56)), 25);
        QCOMPARE(int(planner::plannerEngine().in_surface_pressure_mbar), 900);
        QCOMPARE(planner::replayFlags().breakOnStop, false);

        // And back: the widgets show what the image holds.
        w->ppo2_1->setValue(0.5);
        w->first_2->setChecked(true);
        w->showParameters();
        QCOMPARE(w->ppo2_1->value(), 1.3);
        QVERIFY(w->first_5->isChecked());
        QCOMPARE(w->ppO2High->value(), 1.15);
        QCOMPARE(w->deco_offset->value(), 2.5);
    }

    void noFirstRadioStoresFive()
    {
        w->firstGroup->setExclusive(false);
        w->first_1->setChecked(false);
        w->applyParameters(true);
        QCOMPARE(int(currentImage().byte(ConfigImage::first_gas)), 5);
        QCOMPARE(w->mod_sp1->text(), QString("Dil: 0/00, CCR max depth: 0m, EAD:---, END:---"));
    }

    void gasRowColours()
    {
        w->O2_1->setValue(20);
        QVERIFY(isRed(w->O2_1));
        QVERIFY(isRed(w->He_1));
        w->O2_1->setValue(21);
        QVERIFY(!isRed(w->O2_1));
        // A first gas never uses its switch depth.
        QVERIFY(!w->depth_1->isEnabled());
        // A deco gas without a switch depth.
        w->gas_2->setChecked(true);
        QVERIFY(w->depth_2->isEnabled());
        QVERIFY(isRed(w->depth_2));
        w->O2_2->setValue(50);
        w->depth_2->setValue(21);
        QVERIFY(!isRed(w->depth_2));
        QCOMPARE(w->mod_2->text(), QString("MOD:22m, EAD:10m, END:21m"));
        w->depth_2->setValue(30); // deeper than its MOD
        QVERIFY(isRed(w->depth_2));
        // Unused rows are greyed out.
        QVERIFY(!w->O2_3->isEnabled());
        QVERIFY(!w->mod_3->isEnabled());
        // The MOD follows the highest ppO2.
        w->ppO2High->setValue(1.4);
        QCOMPARE(w->mod_1->text(), QString("MOD:57m, EAD:---, END:---"));
    }

    void setpointLine()
    {
        w->ccrMode->setChecked(true);
        w->ppo2_1->setValue(1.3);
        QCOMPARE(w->mod_sp1->text(), QString("Dil:21/00, CCR max depth:52m, EAD:52m, END:52m"));
        w->O2_1->setValue(10);
        w->He_1->setValue(50);
        QCOMPARE(w->mod_sp1->text(), QString("Dil:10/50, CCR max depth:120m, EAD:56m, END:55m"));
    }

    void mainWindowHelpers()
    {
        w->O2_2->setValue(18);
        w->He_2->setValue(45);
        w->gas_2->setChecked(true);
        w->depth_2->setValue(30);
        w->applyParameters(true);
        QCOMPARE(w->gasName(2), QString("Tx18/45"));
        QCOMPARE(w->bestGasForDepth(29.0f), 2);
        w->loadEngineGases();
        w->setDepth(0.0f);
        QCOMPARE(int(planner::plannerEngine().in_ppo2_cbar), 21);
        w->O2_1->setValue(12);
        w->applyParameters(true);
        w->loadEngineGases();
        QVERIFY_EXCEPTION_THROWN(w->setDepth(0.0f), QString);
    }

    void titleBarCloseKeepsEdits()
    {
        w->O2_2->setValue(32);
        w->gas_2->setChecked(true);
        w->depth_2->setValue(30);
        w->ccrMode->setChecked(true);
        w->ppo2_1->setValue(1.3);
        w->dive_depth->setValue(62);
        w->close(); // no Quit: the widgets were never applied
        restart();
        QCOMPARE(w->O2_2->value(), 32);
        QVERIFY(w->gas_2->isChecked());
        QCOMPARE(w->depth_2->value(), 30);
        QVERIFY(w->ccrMode->isChecked());
        QCOMPARE(w->ppo2_1->value(), 1.3);
        QCOMPARE(w->dive_depth->value(), 62);
        QCOMPARE(int(currentImage().setpoint(1)), 130);
    }

    void verboseSurvivesExit()
    {
        appSettings().setValue("Dive/verbose", true);
        appSettings().setValue("Dive/ppO2High", 1.4); // a legacy key: this one goes
        restart();
        QVERIFY(programOptions().verbose);
        stop();
        const QSettings file(appSettingsPath(), QSettings::IniFormat);
        QCOMPARE(file.value("Dive/verbose").toBool(), true);
        QVERIFY(!file.contains("Dive/ppO2High"));
        QCOMPARE(file.value("Interface/width").toInt(), 955);
        QVERIFY(file.contains("Interface/splitter"));
        QCOMPARE(file.value("Dive/bottom_depth").toInt(), 45);
    }

    void refusedSaveLeavesFileAlone()
    {
        QTemporaryDir dir;
        const QString broken = dir.filePath("nomodel.div");
        {
            QSettings s(broken, QSettings::IniFormat);
            s.setValue("Gas0/active", "yes");
        }
        {
            const QSettings s(broken, QSettings::IniFormat);
            w->load(&s);
        }
        QCOMPARE(int(currentImage().byte(ConfigImage::deco_type)), 255);
        const QString target = dir.filePath("target.div");
        {
            QSettings s(target, QSettings::IniFormat);
            s.setValue("Dive/pressure", 950);
        }
        const QByteArray before = readAll(target);
        {
            QSettings s(target, QSettings::IniFormat);
            w->save(&s); // as a script calls it
        }
        QCOMPARE(readAll(target), before);
        QVERIFY(w->textEdit->toPlainText().contains("EEPROM: bad deco type"));
        QVERIFY(w->getMessages().contains("color:#ff0000"));
    }

    void saveAndLoadThroughTheDialogs()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("plan.div");
        w->O2_3->setValue(50);
        w->gas_3->setChecked(true);
        w->depth_3->setValue(21);
        w->dive_time->setValue(33);
        w->replayBreakOnStop->setChecked(false);
        whenModal([file](QWidget* d) {
            auto* fd = qobject_cast<QFileDialog*>(d);
            QCOMPARE(fd ? fd->windowTitle() : QString(), QString("Save all parameters..."));
            choose(fd, file);
        });
        w->saveDiveSlot();
        QVERIFY(QFile::exists(file));
        QCOMPARE(appSettings().value("Planner/divePath").toString(), dir.path());

        // Change everything, then load the file back.
        w->O2_3->setValue(21);
        w->gas_3->setChecked(false);
        w->dive_time->setValue(10);
        w->applyParameters(true);
        whenModal([file](QWidget* d) {
            auto* fd = qobject_cast<QFileDialog*>(d);
            QCOMPARE(fd ? fd->directory().path() : QString(), QFileInfo(file).path());
            QCOMPARE(fd ? fd->windowTitle() : QString(), QString("Load dive parameters..."));
            choose(fd, file);
        });
        w->loadDiveSlot();
        QCOMPARE(w->O2_3->value(), 50);
        QVERIFY(w->gas_3->isChecked());
        QCOMPARE(w->depth_3->value(), 21);
        QCOMPARE(w->dive_time->value(), 33);
        QVERIFY(!w->replayBreakOnStop->isChecked());
    }

    void cancelledDialogsChangeNothing()
    {
        appSettings().setValue("Planner/divePath", "/nonexistent/folder");
        w->O2_2->setValue(40);
        whenModal([](QWidget* d) {
            // A missing folder falls back to the documents folder.
            auto* fd = qobject_cast<QFileDialog*>(d);
            qobject_cast<QDialog*>(d)->reject();
            QCOMPARE(fd ? fd->directory().path() : QString(),
                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        });
        w->loadDiveSlot();
        whenModal([](QWidget* d) { qobject_cast<QDialog*>(d)->reject(); });
        w->saveDiveSlot();
        QCOMPARE(w->O2_2->value(), 40);
        QCOMPARE(appSettings().value("Planner/divePath").toString(), QString("/nonexistent/folder"));
    }

    void helpWindow()
    {
        QVERIFY(!w->helpWindow());
        w->helpButton->click();
        QTextBrowser* help = w->helpWindow();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->size(), QSize(800, 600));
        QVERIFY(help->openExternalLinks());
        QVERIFY(help->toPlainText().contains("Planning a dive"));
        QVERIFY(help->toPlainText().contains("Gradient Factor"));
        w->helpSlot(); // the same window again
        QCOMPARE(w->helpWindow(), help);
        help->close();
        QTRY_VERIFY(!w->helpWindow());
    }

    void aboutSplash()
    {
        w->aboutButton->click();
        QSplashScreen* splash = w->splash();
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        const QFontMetrics fm(w->font());
        QCOMPARE(splash->pixmap().size(),
                 QSize(80 * fm.averageCharWidth() + 10, 16 * fm.lineSpacing() + 12));
        QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
        QTest::mouseClick(splash, Qt::LeftButton);
        QTRY_VERIFY(!splash->isVisible());
    }

    void quitAppliesAndClosesEverything()
    {
        w->helpSlot();
        w->O2_4->setValue(80);
        w->exitButton->click();
        QVERIFY(!w->isVisible());
        QTRY_VERIFY(!w->helpWindow());
        QCOMPARE(int(currentImage().gasO2(4)), 80);
    }

    void tenExceptionsEndTheProgram()
    {
        auto* app = static_cast<BathyraApplication*>(qApp);
        app->resetUnhandledCount();
        w->clearMessages();
        // Each slot throws a message text as the planning code does.
        for (int i = 1; i <= 10; ++i)
            QTimer::singleShot(i, w, [i] { throw QString("BAD MIX %1").arg(i); });
        const int code = app->exec();
        QCOMPARE(code, -666);
        QCOMPARE(app->unhandledCount(), 10);
        const QString text = w->textEdit->toPlainText();
        QCOMPARE(text.count("Unhandled exception: BAD MIX"), 10);
        QVERIFY(text.contains("Unhandled exception: BAD MIX 10"));
        QVERIFY(w->getMessages().contains("color:#ff0000"));
        app->resetUnhandledCount();
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
