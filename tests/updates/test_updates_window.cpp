// Update checks from the main window: start-up never waits for a server, the menu action
// checks again, the announcement box, and bathyra-cli never checks.
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

class TestUpdatesWindow : public QObject {
    Q_OBJECT

    LoopbackServer server;

    std::unique_ptr<Bathyra_Interface> start(bool checkUpdates)
    {
        appSettings().clear();
        appSettings().setValue("Updates/programServer", server.base());
        appSettings().setValue("Updates/firmwareServer", server.base());
        return std::unique_ptr<Bathyra_Interface>(startUp(checkUpdates));
    }

private slots:
    void cleanup()
    {
        closeAppSettings();
        server.requests.clear();
    }

    void startUpNeverWaits()
    {
        server.silent = true;
        const auto w = start(true);
        QVERIFY(w->isVisible());
        QTRY_COMPARE(server.requests.size(), 2); // both asked, neither will ever answer
        QVERIFY(w->checkUpdatesAction->isEnabled());
        w->checkUpdatesAction->trigger();
        QTRY_COMPARE(server.requests.size(), 4);
        server.silent = false;
    }

    void announcementBox()
    {
        server.answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 5, 1), "Firmware 2.15"};
        server.answers["/autofirmware/ostc2.hex"] = {200, QDate(2020, 5, 2), ":04000000DEADBEEFC4\n:00000001FF\n"};
        const auto w = start(false);
        QString title;
        whenModal([&title](QWidget* box) {
            title = box->windowTitle();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        w->checkUpdatesAction->trigger();
        QTRY_COMPARE(title, QString("Firmware 2.15 available..."));
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
        cli.start(BATHYRA_CLI, {"--settings", dir.filePath("s.ini"), "--set", "dive_time=30", "simulate"});
        QVERIFY(cli.waitForFinished(120000));
        QCOMPARE(cli.exitCode(), 0);
        QTest::qWait(300); // a request sent before the exit would be read by now
        QCOMPARE(server.requests, QStringList());
    }
};

QTEST_MAIN(TestUpdatesWindow)
#include "test_updates_window.moc"
