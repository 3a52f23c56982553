// The main window's commands on a fresh window with a simulated computer: download, upload
// and their failures, the screen-dump and firmware dialogs; Edit profile (a drawn dive
// replays as the same dive built in code; the kept editor hands profiles back and forth);
// and the one busy state: a command reached during a run, a device command or a script
// changes nothing, while the window greys out its commands under a busy cursor.
#include "../profiles/editor_driver.h"
#include "app/bathyra_script.h"
#include "app/settings_dialog.h"
#include "device/serial_ostc.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "window_fixture.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <qwt_plot_curve.h>

using planner::currentImage;

namespace
{
// Runs the edit command: legs ("25x40,10x21") drawn in the editor, a gas change on the point
// nearest a time (none when negative), then Ok or the dialog closed. Returns the editor.
ProfileEditorInterface* edit(Bathyra_Interface* w, const QString& legs, double gasMinutes, int gas, bool ok)
{
    ProfileEditorInterface* seen = nullptr;
    whenModal([&](QWidget* dialog) {
        seen = qobject_cast<ProfileEditorInterface*>(dialog);
        for (const QString& leg : legs.split(','))
            addLeg(*seen, leg.section('x', 0, 0).toDouble(), leg.section('x', 1, 1).toDouble());
        if (gasMinutes >= 0)
            setGasAt(*seen, gasMinutes, gas);
        ok ? seen->okB->click() : (void)dialog->close();
    });
    w->editProfilePB->click();
    return seen;
}

using B = Bathyra_Interface;

// Everything a command could change.
QStringList snapshot(B* w)
{
    const auto hex = [](const void* p, int n) { return QByteArray(static_cast<const char*>(p), n).toHex(); };
    const PlotInterface* plot = w->divePlot();
    const DiveProfile* profile = w->currentProfile();
    return {w->textEdit->toPlainText(), hex(planner::currentImage().data(), ConfigImage::Size),
            hex(&planner::plannerEngine(), sizeof(engine::engine_state)), QString::number(quintptr(profile)),
            QString::number(profile ? profile->points() : -1), QString::number(planner::runState().runTime),
            QString::number(plot ? plot->curveList().size() + plot->itemList().size() : -1),
            QString::number(w->tissuePlot() != nullptr), QString::number(w->isVisible())};
}

const std::map<QString, std::function<void(B*)>> commands = {
    {"simulate", &B::simulateSlot}, {"ascent", &B::ascentSlot}, {"gas volumes", &B::gasVolumesSlot},
    {"add runtime", &B::addRuntimeSlot}, {"clear profile", &B::clearProfileSlot},
    {"pressure diagram", &B::pressureDiagramSlot}, {"download", &B::downloadOSTCSlot},
    {"upload", &B::uploadOSTCSlot}, {"set clock", &B::setDateTimeSlot}, {"screen dump", &B::screenDumpSlot},
    {"firmware", &B::upgradeFWSlot}, {"load", &B::loadDiveSlot}, {"save", &B::saveDiveSlot},
    {"settings", &B::settingsSlot}, {"exit", &B::closeAllWindows},
    {"reset all settings", [](B* w) { Settings(w).resetSettingsSlot(); }}, {"edit CF", &B::editCFSlot},
    {"edit profile", &B::editProfileSlot}, {"run tests", &B::runAllTestsSlot},
    // A script holds the state and lends it to the run it starts; in the test's own home,
    // since /tmp is shared with other runs.
    {"script", [](B* w) {
         QFile f(QDir::home().filePath("busy.qs"));
         if (f.open(QIODevice::WriteOnly) && f.write("mainWindow.simulateSlot();\n") > 0 && f.flush())
             runScriptFile(w, f.fileName());
     }}};
} // namespace

class TestWindowCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatedOstc> ostc;
    B* w = nullptr;
    QTemporaryDir dir;
    QStringList lines; // console lines since the last clear, in headless runs

    QString console() const { return w->textEdit->toPlainText(); }
    template <typename F> auto onDevice(F f) { return ostc->locked(f); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }
    void init()
    {
        ostc = std::make_unique<SimulatedOstc>();
        w = freshWindow();
        lines.clear();
    }
    void cleanup()
    {
        delete w;
        ostc.reset();
    }

    // Download refreshes the widgets; upload sends what they show with the clock; a failed
    // download keeps the image; the screen-dump and firmware dialogs.
    void deviceCommands()
    {
        const ConfigImage onComputer = onDevice([](OstcDevice& d) { return d.image(); });
        QVERIFY(!(onComputer == currentImage()));
        w->downloadCFButton->click();
        QVERIFY2(console().contains(QString("Reading OSTC %1 done.").arg(onComputer.word(ConfigImage::serial))),
                 qPrintable(console()));
        QVERIFY(currentImage() == onComputer);
        QCOMPARE(QList<int>({w->O2_5->value(), w->GF_low->value()}),
                 QList<int>({onComputer.gasO2(5), onComputer.cf(32)}));
        // Edited in the window, never applied by a run.
        const int o2 = w->O2_2->value() == 50 ? 51 : 50, gfHigh = w->GF_high->value() - 5;
        w->O2_2->setValue(o2);
        w->GF_high->setValue(gfHigh);
        programOptions().autoSetDateTime = true;
        w->uploadCFButton->click();
        QVERIFY2(console().contains("Programming OSTC") && console().contains("Date and time set to"),
                 qPrintable(console()));
        QCOMPARE(onDevice([](OstcDevice& d) { return QList<int>({d.image().gasO2(2), d.image().cf(33)}); }),
                 QList<int>({o2, gfHigh}));
        const QByteArray clock = onDevice([](OstcDevice& d) { return d.clock(); });
        QVERIFY(clock.size() == 6 && int(clock[5]) == QDate::currentDate().year() % 100);
        // The refresh after the write shows the edits, not the values before them.
        QCOMPARE(QList<int>({w->O2_2->value(), w->GF_high->value()}), QList<int>({o2, gfHigh}));

        OstcFaults faults;
        faults.badSerial = true;
        ostc->setFaults(faults);
        const ConfigImage before = currentImage();
        w->O2_2->setValue(o2 + 1);
        w->actionDownload->trigger();
        QVERIFY2(console().contains("FAILED:") && console().contains("EEPROM: bad serial"), qPrintable(console()));
        QVERIFY(currentImage() == before && w->O2_2->value() == o2 + 1);
        ostc->setFaults(OstcFaults());

        // The screen dump is saved where chosen.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QStringList seen;
        whenModal([&](QWidget* d) { seen = pickFile(d, dir.filePath("dump")); });
        w->screenDumpButton->click();
        QCOMPARE(seen, (QStringList{"Save screen dump...", documents}));
        QVERIFY(w->getMessages().contains("data:image/png;base64,"));
        QCOMPARE(QImage(dir.filePath("dump.png")).convertToFormat(QImage::Format_RGB32),
                 OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32));
        // The next dump opens there; cancelling saves nothing and keeps the folder.
        whenModal([&](QWidget* d) { seen = pickFile(d); });
        w->screenDumpSlot();
        QCOMPARE(seen.value(1), dir.path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"dump.png"});
        QCOMPARE(appSettings().value("Planner/dumpPath").toString(), dir.path());

        // Firmware: a cancelled dialog does nothing; a refused block fails the upgrade.
        QDir().mkpath(SerialOSTC::firmwareFolder());
        whenModal([&](QWidget* d) { seen = pickFile(d); });
        const QString shown = console();
        w->upgradeFWButton->click();
        QCOMPARE(seen, (QStringList{"Firmware...", SerialOSTC::firmwareFolder()}));
        QCOMPARE(console(), shown); // cancelled: nothing happened

        QFile hex(dir.filePath("fw.hex"));
        QVERIFY(hex.open(QIODevice::WriteOnly) && hex.write(":0400000001020304F2\n:00000001FF\n") > 0);
        hex.close();
        faults.refuseBlockAt = 64;
        faults.badSerial = false;
        ostc->setFaults(faults);
        whenModal([&](QWidget* d) { pickFile(d, hex.fileName()); });
        w->upgradeFWSlot();
        QVERIFY2(console().contains("Loading 'fw.hex'"), qPrintable(console()));
        QVERIFY(console().contains("UPGRADE FAILED: Bad checksum at 0x000040"));
        QCOMPARE(onDevice([](OstcDevice& d) { return d.refusedBlocks(); }), 1);
    }

    void editProfile()
    {
        // Headless runs whose lines are collected, air and EAN50 from 21 m; the edit
        // command lives in the replay group.
        w->setHeadless(true);
        w->consoleLog = [this](char kind, const QString& text) {
            kind == 'C' ? lines.clear() : (void)(lines << text);
        };
        set(w, "gas_2=1 O2_2=50 depth_2=21 replayMode=1");
        edit(w, "25x40,10x21", 27, 2, true);
        QVERIFY(w->replayMode->isChecked());
        QCOMPARE(w->currentProfile()->depths(), QVector<double>({0, 40, 40, 21, 21}));
        w->runProfilePB->click();
        const QStringList drawn = lines;
        for (const char* text :
             {"SWITCH Gas#1 -> Gas#2", "==== OC Runtime ====", "<td align='right'>3 m</td>", "TTS = "})
            QVERIFY2(drawn.join('\n').contains(text), text);
        // The same dive built point by point replays to the same lines.
        auto built = std::make_unique<DiveProfile>();
        for (auto [t, d] : {std::pair{0, 0}, {2, 40}, {25, 40}, {27, 21}, {35, 21}})
            built->addPoint(t, d);
        built->setGas(0, 1);
        built->setGas(27, 2);
        w->setCurrentProfile(std::move(built));
        w->runProfilePB->click();
        QCOMPARE(lines, drawn);

        // The editor is kept; each edit starts from the last profile and hands a new one back.
        ProfileEditorInterface* editor = w->profileEditor();
        for (int round = 1; round <= 2; ++round) {
            const DiveProfile* before = w->currentProfile();
            const int points = before->points();
            QCOMPARE(edit(w, QString("5x%1").arg(10 * round), -1, 0, true), editor);
            QVERIFY(w->currentProfile() != before);
            QCOMPARE(w->currentProfile()->points(), points + 2);
            QCOMPARE(w->currentProfile()->depthCurve()->plot(), nullptr);
        }
        // Closing the editor leaves the current profile as it was.
        const DiveProfile* kept = w->currentProfile();
        edit(w, "5x45", -1, 0, false);
        QVERIFY(w->currentProfile() == kept && kept->diveDepth() == 40.0f);
        w->runProfilePB->click();
        QVERIFY(lines.join('\n').contains("Runtime"));
        // The settings object reopened between two uses: the editor reads the new one.
        closeAppSettings();
        whenModal([](QWidget* dialog) {
            whenModal([](QWidget* files) { files->close(); });
            qobject_cast<ProfileEditorInterface*>(dialog)->loadB->click();
            dialog->close();
        });
        w->editProfilePB->click();
        QCOMPARE(w->currentProfile(), kept);
    }

    // The busy state, for each command during each outer command; a command that is off
    // stays off when the busy state ends.
    void commandDuringCommand_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        for (const QString outer : {"simulate", "set clock", "script"})
            for (const auto& inner : commands)
                QTest::newRow(qPrintable(inner.first + " during " + outer)) << outer << inner.first;
    }
    void commandDuringCommand()
    {
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        set(w, "O2_1=32 dive_time=3");
        w->actionRun_tests->setEnabled(false);
        bool busy = false, greyed = false, dialog = false;
        QStringList before, after;
        // A dialog the command should never have opened is closed again.
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* d = QApplication::activeModalWidget())
                dialog = d->close();
        });
        QTimer::singleShot(0, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            busy = w->busy() && cursor && cursor->shape() == Qt::BusyCursor;
            greyed = !w->simulateButton->isEnabled() && !w->actionDownload->isEnabled() &&
                     !w->loadButton->isEnabled() && !w->actionSettings->isEnabled();
            closer.start(200);
            before = snapshot(w);
            commands.at(inner)(w);
            after = snapshot(w);
        });
        commands.at(outer)(w);
        QVERIFY(busy && greyed && !dialog);
        QCOMPARE(after, before);
        // Afterwards all is back, and what was disabled before stays so.
        QVERIFY(!w->busy() && !QApplication::overrideCursor());
        QVERIFY(w->simulateButton->isEnabled() && w->actionDownload->isEnabled() && !w->actionRun_tests->isEnabled());
    }
};

QTEST_MAIN(TestWindowCommands)
#include "test_window_commands.moc"
