// Update checks against a real HTTP server on loopback: the conditional download and its
// settings, the firmware description, the checked and atomically stored firmware file,
// crossing answers, and the updater beside the executable.
#include "device/message_sink.h"
#include "loopback_server.h"
#include "updates/updates_planner.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
const QByteArray validHex = ":04000000DEADBEEFC4\n:00000001FF\n";
// Where the upgrade's file dialog opens.
QString firmwareFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Bathyra/firmware";
}
QString firmwareFile() { return firmwareFolder() + "/ostc2_2.15.hex"; }

QMap<QString, QVariant> snapshot(QSettings& s)
{
    QMap<QString, QVariant> all;
    for (const QString& key : s.allKeys())
        all[key] = s.value(key);
    return all;
}
} // namespace

class TestUpdates : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<LoopbackServer> server;
    std::unique_ptr<UpdatesPlanner> planner;
    CollectingSink console;
    QStringList boxes;

    // One check; returns when every named request has been answered and handled.
    void check(QStringList names)
    {
        QSignalSpy spy(planner.get(), &UpdatesPlanner::answered);
        planner->check();
        QTRY_VERIFY(std::all_of(names.begin(), names.end(), [&](const QString& n) {
            return std::count_if(spy.begin(), spy.end(), [&](const QList<QVariant>& a) { return a[0] == n; });
        }));
    }
    void serveFirmware(const QByteArray& hex)
    {
        server->answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 5, 1), "Latest: Firmware 2.15"};
        server->answers["/autofirmware/ostc2.hex"] = {200, QDate(2020, 5, 2), hex};
        settings->setValue("Updates/firmwareServer", server->base());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QDir(firmwareFolder()).removeRecursively();
        settings = std::make_unique<QSettings>(dir.filePath("s.ini"), QSettings::IniFormat);
        settings->clear();
        server = std::make_unique<LoopbackServer>();
        planner = std::make_unique<UpdatesPlanner>([this]() -> QSettings& { return *settings; }, &console, nullptr);
        planner->announce = [this](const QString& title, const QString&) { boxes << title; };
        planner->programDir = dir.filePath("bin");
        console.lines.clear();
        boxes.clear();
    }

    void conditionalDownload_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("status"); // 0: connection refused
        QTest::addColumn<QDate>("modified");
        QTest::addColumn<bool>("reported");
        QTest::newRow("first run") << "" << 200 << QDate(2011, 1, 2) << true;
        QTest::newRow("first run, older than 2011") << "" << 200 << QDate(2010, 12, 31) << false;
        QTest::newRow("newer server") << "2015-03-01" << 200 << QDate(2016, 5, 2) << true;
        QTest::newRow("unchanged server") << "2015-03-01" << 200 << QDate(2015, 3, 1) << false;
        QTest::newRow("older server") << "2016-01-01" << 200 << QDate(2015, 3, 1) << false;
        QTest::newRow("no Last-Modified") << "" << 200 << QDate() << false;
        QTest::newRow("unparsable stored date") << "1st of May" << 200 << QDate(2012, 1, 1) << true;
        QTest::newRow("not found") << "" << 404 << QDate(2015, 3, 1) << false;
        QTest::newRow("server error") << "" << 500 << QDate(2015, 3, 1) << false;
        QTest::newRow("connection refused") << "" << 0 << QDate(2015, 3, 1) << false;
    }
    void conditionalDownload()
    {
        QFETCH(QString, stored);
        QFETCH(int, status);
        QFETCH(QDate, modified);
        QFETCH(bool, reported);
        if (!stored.isEmpty())
            settings->setValue("Updates/x/last", stored);
        server->answers["/d"] = {status, modified, "body"};
        const QString base = server->base();
        if (status == 0)
            server->close();
        const auto before = snapshot(*settings);
        Updates check("x", QUrl(base + "/d"), [this]() -> QSettings& { return *settings; });
        QSignalSpy newer(&check, &Updates::newVersion), handled(&check, &Updates::handled);
        check.get();
        QVERIFY(handled.wait());
        QCOMPARE(newer.size(), int(reported));
        if (reported) {
            QCOMPARE(newer[0][0].toByteArray(), QByteArray("body"));
            QCOMPARE(settings->value("Updates/x/last").toString(), modified.toString(Qt::ISODate));
            QCOMPARE(settings->value("Updates/x/asked").toString(), QDate::currentDate().toString(Qt::ISODate));
        } else {
            QCOMPARE(snapshot(*settings), before);
        }
    }

    void firmwareVersion_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QString>("version");
        QTest::newRow("two decimals") << QByteArray("OSTC Firmware 2.15 released") << "2.15";
        QTest::newRow("one decimal") << QByteArray("Firmware 2.5") << "";
        QTest::newRow("three spaces") << QByteArray("firmware   10.05") << "10.05";
        QTest::newRow("capitals") << QByteArray("FIRMWARE 2.15") << "";
        QTest::newRow("no space") << QByteArray("Firmware2.15") << "";
    }
    void firmwareVersion()
    {
        QFETCH(QByteArray, description);
        QFETCH(QString, version);
        QCOMPARE(updates::firmwareVersion(description), version);
    }

    void serverUrl_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("url");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("host and port") << "http://127.0.0.1:8080" << "http://127.0.0.1:8080/p?a=1&b";
        QTest::newRow("prefix") << "https://updates.example.org/bathyra/" << "https://updates.example.org/bathyra/p?a=1&b";
        QTest::newRow("no scheme") << "updates.example.org" << "";
        QTest::newRow("other scheme") << "ftp://example.org" << "";
    }
    void serverUrl()
    {
        QFETCH(QString, base);
        QFETCH(QString, url);
        QCOMPARE(updates::serverUrl(base, "/p", QUrlQuery("a=1&b")).toString(), url);
    }

    void emptyServersSendNothing()
    {
        planner->check();
        QVERIFY(planner->findChildren<Updates*>().isEmpty());
        QVERIFY(console.lines.isEmpty());
    }

    void twoChecksReportOnce()
    {
        serveFirmware(validHex);
        server->answers["/updates/Updates.pc.txt"] = {200, QDate(2020, 1, 1), "v"};
        settings->setValue("Updates/programServer", server->base());
        settings->setValue("OSTC/serial", 1234);
        settings->setValue("OSTC/firmware", "2.20");
        check({"Bathyra", "firmware", "firmware/2.15"});
        QVERIFY(server->requests.contains("/updates/Updates.pc.txt?version=470&arch=pc"));
        QVERIFY(server->requests.contains("/autofirmware/firmware.txt?serial=1234&firmware=2.20"));
        QVERIFY(server->requests.contains("/autofirmware/ostc2.hex?serial=1234"));
        QCOMPARE(boxes, QStringList{"Firmware 2.15 available..."});
        QCOMPARE(settings->value("Updates/firmware/version").toString(), QString("2.15"));
        QFile file(firmwareFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), validHex);

        const auto first = snapshot(*settings);
        check({"Bathyra", "firmware"});
        QCOMPARE(snapshot(*settings), first);
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(console.lines, QStringList());
    }

    void refusedDownload_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("folderInTheWay"); // a folder where the file goes
        QTest::addColumn<QString>("red");
        QTest::newRow("valid image") << validHex << false << "";
        QTest::newRow("web page") << QByteArray("<html>Moved</html>") << false << "not a valid HEX file: Bad HEX format";
        QTest::newRow("bad checksum") << QByteArray(":04000000DEADBEEF00\n") << false << "Bad HEX checksum";
        QTest::newRow("no data") << QByteArray(":00000001FF\n") << false << "not a valid HEX file";
        QTest::newRow("write fails") << validHex << true << "Unable to write '" + firmwareFile() + "'";
    }
    void refusedDownload()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, folderInTheWay);
        QFETCH(QString, red);
        serveFirmware(body);
        QVERIFY(QDir().mkpath(folderInTheWay ? firmwareFile() : firmwareFolder()));
        QFile old(firmwareFile());
        if (!folderInTheWay) { // an earlier download that a refused one must leave whole
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(validHex + "old");
            old.close();
        }
        check({"firmware/2.15"});
        const bool stored = red.isEmpty();
        QCOMPARE(boxes.size(), int(stored));
        QCOMPARE(console.lines.size(), int(!stored));
        if (!stored)
            QVERIFY2(console.lines[0].contains(red) && console.lines[0].contains("color='red'"), qPrintable(console.lines[0]));
        // A refused download is fetched again by the next check.
        QCOMPARE(settings->contains("Updates/firmware/2.15/last"), stored);
        if (!folderInTheWay) {
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), stored ? validHex : validHex + "old");
        }
    }

    void crossingDescriptionAndDownload()
    {
        serveFirmware(validHex);
        server->held << "/autofirmware/ostc2.hex";
        check({"firmware"});
        server->answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 6, 1), "Firmware 2.16"};
        check({"firmware"});
        QSignalSpy spy(planner.get(), &UpdatesPlanner::answered);
        server->release("/autofirmware/ostc2.hex");
        QTRY_COMPARE(spy.size(), 2);
        QCOMPARE(boxes, QStringList{"Firmware 2.16 available..."});
        QVERIFY(QFile::exists(firmwareFolder() + "/ostc2_2.16.hex"));
        QVERIFY(!QFile::exists(firmwareFile()));
    }

    void updater_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("updater") << "updater";
        QTest::newRow("updater.exe") << "updater.exe";
        QTest::newRow("none") << "";
    }
    void updater()
    {
        QFETCH(QString, name);
        QDir bin(planner->programDir);
        bin.removeRecursively();
        QVERIFY(bin.mkpath("."));
        if (!name.isEmpty()) {
            QFile script(bin.filePath(name));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/launched\"\n");
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        server->answers["/updates/Updates.pc.txt"] = {200, QDate(2020, 1, 1), "v"};
        settings->setValue("Updates/programServer", server->base());
        check({"Bathyra"});
        const auto launched = [&bin] {
            QFile f(bin.filePath("launched"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        if (!name.isEmpty())
            QTRY_COMPARE(launched(), QByteArray("/checknow -minuseractions\n"));
        QCOMPARE(console.lines, QStringList());
    }
};

QTEST_GUILESS_MAIN(TestUpdates)
#include "test_updates.moc"
