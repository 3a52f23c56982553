// The main window's device commands against a simulated computer on a pseudo-terminal:
// download and its failure, the widgets' values going into an upload with the clock, and
// the screen-dump and firmware dialogs answered by a timer.
#include "device/serial_ostc.h"
#include "window_fixture.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

using planner::currentImage;

class TestDeviceWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatedOstc> ostc;
    Bathyra_Interface* w = nullptr;
    QTemporaryDir dir;

    QString console() const { return w->textEdit->toPlainText(); }

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
    }
    void cleanup()
    {
        delete w;
        ostc.reset();
    }

    void downloadRefreshesTheWidgets()
    {
        const ConfigImage onComputer = ostc->locked([](OstcDevice& d) { return d.image(); });
        QVERIFY(!(onComputer == currentImage()));
        w->downloadCFButton->click();
        QVERIFY2(console().contains(QString("Reading OSTC %1 done.").arg(onComputer.word(ConfigImage::serial))),
                 qPrintable(console()));
        QVERIFY(currentImage() == onComputer);
        for (int n = 1; n <= ConfigImage::GasCount; ++n)
            QCOMPARE(w->findChild<QSpinBox*>(QString("O2_%1").arg(n))->value(), int(onComputer.gasO2(n)));
        QCOMPARE(w->GF_low->value(), int(onComputer.cf(32)));
    }

    void failedDownloadKeepsTheImage()
    {
        OstcFaults faults;
        faults.badSerial = true;
        ostc->setFaults(faults);
        const ConfigImage before = currentImage();
        const int o2 = w->O2_2->value();
        w->actionDownload->trigger();
        QVERIFY2(console().contains("FAILED:") && console().contains("EEPROM: bad serial"), qPrintable(console()));
        QVERIFY(currentImage() == before);
        QCOMPARE(w->O2_2->value(), o2);
    }

    void uploadSendsWhatTheWidgetsShow()
    {
        w->downloadCFButton->click();
        QVERIFY(console().contains("Reading OSTC"));
        // Edited in the window, never applied by a run.
        const int o2 = w->O2_2->value() == 50 ? 51 : 50, gfHigh = w->GF_high->value() - 5;
        w->O2_2->setValue(o2);
        w->GF_high->setValue(gfHigh);
        programOptions().autoSetDateTime = true;
        w->uploadCFButton->click();
        QVERIFY2(console().contains("Programming OSTC") && console().contains("Date and time set to"),
                 qPrintable(console()));
        QCOMPARE(ostc->locked([](OstcDevice& d) { return QList<int>({d.image().gasO2(2), d.image().cf(33)}); }),
                 QList<int>({o2, gfHigh}));
        const QByteArray clock = ostc->locked([](OstcDevice& d) { return d.clock(); });
        QCOMPARE(clock.size(), 6);
        QCOMPARE(int(clock[5]), QDate::currentDate().year() % 100);
        // The refresh after the write shows the edits, not the values before them.
        QCOMPARE(QList<int>({w->O2_2->value(), w->GF_high->value()}), QList<int>({o2, gfHigh}));
    }

    void screenDumpSavesWhereChosen()
    {
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
    }

    void upgradeDialogAndFailure()
    {
        QDir().mkpath(SerialOSTC::firmwareFolder());
        QStringList seen;
        whenModal([&](QWidget* d) { seen = pickFile(d); });
        const QString before = console();
        w->upgradeFWButton->click();
        QCOMPARE(seen, (QStringList{"Firmware...", SerialOSTC::firmwareFolder()}));
        QCOMPARE(console(), before); // cancelled: nothing happened

        const QString hex = dir.filePath("fw.hex");
        QFile f(hex);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(":0400000001020304F2\n:00000001FF\n") > 0);
        f.close();
        OstcFaults faults;
        faults.refuseBlockAt = 64;
        ostc->setFaults(faults);
        whenModal([&](QWidget* d) { pickFile(d, hex); });
        w->upgradeFWSlot();
        QVERIFY2(console().contains("Loading 'fw.hex'"), qPrintable(console()));
        QVERIFY(console().contains("UPGRADE FAILED: Bad checksum at 0x000040"));
        QCOMPARE(ostc->locked([](OstcDevice& d) { return d.refusedBlocks(); }), 1);
    }
};

QTEST_MAIN(TestDeviceWindow)
#include "test_device_window.moc"
