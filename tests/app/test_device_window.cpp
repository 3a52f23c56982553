// The main window's device commands against a simulated computer on a pseudo-terminal:
// the buttons and actions, the refresh of the widgets, the widgets' values going into an
// upload, the clock, and the screen-dump and firmware dialogs answered by a timer.
#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "device/config_image.h"
#include "device/serial_ostc.h"
#include "planner/dive_parameters.h"
#include "tools/ostc_simulator.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include "modal_dialog.h"
#include <functional>
#include <memory>

using planner::currentImage;

namespace {

// Picks a file in a file dialog; a dialog that does not take it is cancelled so that
// the test fails instead of waiting.
void choose(QFileDialog* fd, const QString& path)
{
    if (!fd)
        return;
    fd->setDirectory(QFileInfo(path).path());
    if (auto* name = fd->findChild<QLineEdit*>("fileNameEdit"))
        name->setText(QFileInfo(path).fileName());
    QMetaObject::invokeMethod(fd, "accept");
    if (fd->isVisible())
        fd->reject();
}

struct Seen {
    QString title;
    QString directory;
};

} // namespace

class TestDeviceWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<OstcDevice> device;
    std::unique_ptr<OstcPtyServer> server;
    Bathyra_Interface* w = nullptr;
    QTemporaryDir dir;

    // Runs f with the device locked against the server thread.
    template <typename F> auto onDevice(F f)
    {
        std::lock_guard<std::mutex> lock(server->mutex());
        return f(*device);
    }
    QString console() const { return w->textEdit->toPlainText(); }

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
        device = std::make_unique<OstcDevice>();
        server = std::make_unique<OstcPtyServer>(*device);
        QString error;
        QVERIFY2(server->start(&error), qPrintable(error));
        programOptions().port = server->slavePath();
        programOptions().autoSetDateTime = false;
        currentImage() = ConfigImage::defaultImage();
        w = new Bathyra_Interface;
        w->showParameters();
        w->show();
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
        server.reset();
        device.reset();
    }

    void commandsAreEnabled()
    {
        for (QAction* a : {w->actionDownload, w->actionUploadCF, w->setDateTimeAction})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        for (QAbstractButton* b : {static_cast<QAbstractButton*>(w->downloadCFButton), static_cast<QAbstractButton*>(w->uploadCFButton),
                                   static_cast<QAbstractButton*>(w->setDateTimeButton), static_cast<QAbstractButton*>(w->screenDumpButton),
                                   static_cast<QAbstractButton*>(w->upgradeFWButton)})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    }

    void downloadRefreshesTheWidgets()
    {
        const ConfigImage onComputer = onDevice([](OstcDevice& d) { return d.image(); });
        QVERIFY(!(onComputer == currentImage()));
        w->downloadCFButton->click();
        QVERIFY2(console().contains(QString("Reading OSTC %1 done.").arg(onComputer.word(ConfigImage::serial))),
                 qPrintable(console()));
        QVERIFY(currentImage() == onComputer);
        for (int n = 1; n <= ConfigImage::GasCount; ++n) {
            QSpinBox* o2 = w->findChild<QSpinBox*>(QString("O2_%1").arg(n));
            QCOMPARE(o2->value(), int(onComputer.gasO2(n)));
        }
        QCOMPARE(w->GF_low->value(), int(onComputer.cf(32)));
    }

    void failedDownloadKeepsTheImage()
    {
        onDevice([](OstcDevice& d) {
            OstcFaults f;
            f.badSerial = true;
            d.setFaults(f);
            return 0;
        });
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
        const int o2 = w->O2_2->value() == 50 ? 51 : 50;
        // Edited in the window, never applied by a run.
        w->O2_2->setValue(o2);
        w->GF_high->setValue(w->GF_high->value() - 5);
        const int gfHigh = w->GF_high->value();
        programOptions().autoSetDateTime = true;
        w->uploadCFButton->click();
        QVERIFY2(console().contains("Programming OSTC"), qPrintable(console()));
        QVERIFY(console().contains("Date and time set to"));
        QCOMPARE(onDevice([](OstcDevice& d) { return int(d.image().gasO2(2)); }), o2);
        QCOMPARE(onDevice([](OstcDevice& d) { return int(d.image().cf(33)); }), gfHigh);
        QCOMPARE(onDevice([](OstcDevice& d) { return d.clock().size(); }), 6);
        // The refresh after the write shows the edits, not the values before them.
        QCOMPARE(w->O2_2->value(), o2);
        QCOMPARE(w->GF_high->value(), gfHigh);
    }

    void setDateTime()
    {
        QVERIFY(onDevice([](OstcDevice& d) { return d.clock(); }).isEmpty());
        w->setDateTimeAction->trigger();
        QVERIFY2(console().contains("Date and time set to"), qPrintable(console()));
        const QByteArray clock = onDevice([](OstcDevice& d) { return d.clock(); });
        QCOMPARE(clock.size(), 6);
        QCOMPARE(int(clock[5]), QDate::currentDate().year() % 100);
    }

    void screenDumpSavesWhereChosen()
    {
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        Seen seen;
        whenModal([&](QWidget* d) {
            auto* fd = qobject_cast<QFileDialog*>(d);
            seen = {d->windowTitle(), fd ? fd->directory().path() : QString()};
            choose(fd, dir.filePath("dump"));
        });
        w->screenDumpButton->click();
        QCOMPARE(seen.title, QString("Save screen dump..."));
        QCOMPARE(seen.directory, documents);
        QVERIFY(w->getMessages().contains("data:image/png;base64,"));
        const QImage saved(dir.filePath("dump.png"));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32));
        QCOMPARE(appSettings().value("Planner/dumpPath").toString(), dir.path());

        // The next dump opens there; cancelling saves nothing and keeps the folder.
        seen = {};
        whenModal([&](QWidget* d) {
            auto* fd = qobject_cast<QFileDialog*>(d);
            seen = {d->windowTitle(), fd ? fd->directory().path() : QString()};
            qobject_cast<QDialog*>(d)->reject();
        });
        w->screenDumpSlot();
        QCOMPARE(seen.directory, dir.path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"dump.png"});
        QCOMPARE(appSettings().value("Planner/dumpPath").toString(), dir.path());
    }

    void upgradeDialogAndFailure()
    {
        QDir().mkpath(SerialOSTC::firmwareFolder());
        Seen seen;
        whenModal([&](QWidget* d) {
            auto* fd = qobject_cast<QFileDialog*>(d);
            seen = {d->windowTitle(), fd ? fd->directory().path() : QString()};
            qobject_cast<QDialog*>(d)->reject();
        });
        const QString before = console();
        w->upgradeFWButton->click();
        QCOMPARE(seen.title, QString("Firmware..."));
        QCOMPARE(seen.directory, SerialOSTC::firmwareFolder());
        QCOMPARE(console(), before); // cancelled: nothing happened

        const QString hex = dir.filePath("fw.hex");
        QFile f(hex);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(":0400000001020304F2\n:00000001FF\n");
        f.close();
        onDevice([](OstcDevice& d) {
            OstcFaults faults;
            faults.refuseBlockAt = 64;
            d.setFaults(faults);
            return 0;
        });
        whenModal([&](QWidget* d) { choose(qobject_cast<QFileDialog*>(d), hex); });
        w->upgradeFWSlot();
        QVERIFY2(console().contains("Loading 'fw.hex'"), qPrintable(console()));
        QVERIFY(console().contains("UPGRADE FAILED: Bad checksum at 0x000040"));
        QCOMPARE(onDevice([](OstcDevice& d) { return d.refusedBlocks(); }), 1);
    }
};

QTEST_MAIN(TestDeviceWindow)
#include "test_device_window.moc"
