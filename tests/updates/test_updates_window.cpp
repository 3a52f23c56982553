// Update checks from the main window: start-up never waits for a server, the menu action
// checks again and shows the announcement box; bathyra-cli never checks.
#include "../app/modal_dialog.h"
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "loopback_server.h"

#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestUpdatesWindow : public QObject
{
    Q_OBJECT

    LoopbackServer server;

private slots:
    // Start-up asks both servers and goes on; the menu action asks again, and a newer
    // firmware is announced in a box over the window.
    void startUpNeverWaits()
    {
        appSettings().clear();
        appSettings().setValue("Updates/programServer", server.base());
        appSettings().setValue("Updates/firmwareServer", server.base());
        server.silent = true;
        const std::unique_ptr<Bathyra_Interface> w(startUp(true));
        QVERIFY(w->isVisible());
        QTRY_COMPARE(server.requests.size(), 2); // both asked, neither will ever answer

        server.silent = false;
        server.answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 5, 1), "Firmware 2.15"};
        server.answers["/autofirmware/ostc2.hex"] = {200, QDate(2020, 5, 2),
                                                     ":04000000DEADBEEFC4\n:00000001FF\n"};
        QString title;
        whenModal([&title](QWidget* box) {
            title = box->windowTitle();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        w->checkUpdatesAction->trigger();
        QTRY_COMPARE(title, QString("Firmware 2.15 available..."));
        closeAppSettings();
        server.requests.clear();
    }

    void cliNeverChecks()
    {
        QTemporaryDir dir;
        {
            QSettings s(dir.filePath("s.ini"), QSettings::IniFormat);
            s.setValue("Updates/programServer", server.base());
            s.setValue("Updates/firmwareServer", server.base());
        }
        QProcess cli;
        cli.start(BATHYRA_CLI,
                  {"--settings", dir.filePath("s.ini"), "--set", "dive_time=30", "simulate"});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        QTest::qWait(300); // a request sent before the exit would be read by now
        QCOMPARE(server.requests, QStringList());
    }
};

QTEST_MAIN(TestUpdatesWindow)
#include "test_updates_window.moc"
