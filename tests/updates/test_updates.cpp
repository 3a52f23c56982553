// SPDX-License-Identifier: GPL-3.0-or-later
// Update checks: the decision on a newer description; against an HTTP server on loopback the
// checks, the firmware description, the checked and atomically stored file, the updater.
#include "data_table.h"
#include "device/message_sink.h"
#include "full_disk.h"
#include "loopback_server.h"
#include "updates/updates_planner.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace
{
const QByteArray validHex = ":04000000DEADBEEFC4\n:00000001FF\n";
// Where the upgrade's file dialog opens.
QString firmwareFile(const QString& version = "2.15")
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/Bathyra/firmware/ostc2_" + version + ".hex";
}
QStringList sorted(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& signal : spy)
        names << signal[0].toString();
    names.sort();
    return names;
}
} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<LoopbackServer> server;
    std::unique_ptr<UpdatesPlanner> planner;
    CollectingSink console;
    QStringList boxes;

    QByteArray stored() { return settings->sync(), fileBytes(settings->fileName()); }
    // One check; returns once exactly these answers (sorted names) have been handled.
    void check(const QStringList& answered)
    {
        QSignalSpy spy(planner.get(), &UpdatesPlanner::answered);
        planner->check();
        QTRY_COMPARE(sorted(spy), answered);
    }
    void serveFirmware(const QByteArray& hex)
    {
        server->answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 5, 1), "Firmware 2.15"};
        server->answers["/autofirmware/ostc2.hex"] = {200, QDate(2020, 5, 2), hex};
        settings->setValue("Updates/firmwareServer", server->base());
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        QDir(QFileInfo(firmwareFile()).path()).removeRecursively();
        settings = std::make_unique<QSettings>(dir.filePath("s.ini"), QSettings::IniFormat);
        settings->clear();
        server = std::make_unique<LoopbackServer>();
        planner = std::make_unique<UpdatesPlanner>([this]() -> QSettings& { return *settings; },
                                                   &console, nullptr);
        planner->announce = [this](const QString& title, const QString&) { boxes << title; };
        planner->programDir = dir.filePath("bin");
        console.lines.clear();
        boxes.clear();
    }

    // A description is newer than the one last seen (none: the start of 2011) only by its
    // Last-Modified date.
    void newerThanStored_data()
    {
        columns<QString, QDate, bool>({"last", "modified", "newer"});
        QTest::newRow("first run, before 2011") << "" << QDate(2010, 12, 31) << false;
        QTest::newRow("newer server") << "2015-03-01" << QDate(2016, 5, 2) << true;
        QTest::newRow("unchanged server") << "2015-03-01" << QDate(2015, 3, 1) << false;
        QTest::newRow("no Last-Modified") << "" << QDate() << false;
        QTest::newRow("unparsable stored date") << "1st of May" << QDate(2012, 1, 1) << true;
    }
    void newerThanStored()
    {
        QFETCH(QString, last);
        QFETCH(QDate, modified);
        settings->setValue("Updates/x/last", last);
        QTEST(updates::isNewer(modified, updates::storedLastDate(*settings, "x")), "newer");
    }

    // The cases of data/queries.txt: an absent value is sent as an empty one ("serial=").
    void firmwareQueries_data() { dataRows("queries.txt"); }
    void firmwareQueries()
    {
        QFETCH(QStringList, c);
        serveFirmware(validHex);
        settings->setValue("Updates/programServer", "");
        for (const auto& [key, value] :
             {qMakePair(QString("OSTC/serial"), c[1]), qMakePair(QString("OSTC/firmware"), c[2])})
            if (!value.isEmpty())
                settings->setValue(key, value);
        check({"firmware", "firmware/2.15"});
        server->requests.sort();
        QCOMPARE(server->requests, c[3].split(' '));
    }

    void firmwareVersionsAndTwoChecks()
    {
        QStringList versions;
        for (const char* text :
             {"New: Firmware 2.15 for OSTC", "Firmware 2.5", "firmware   10.05", "FIRMWARE 2.15"})
            versions << updates::firmwareVersion(text);
        QCOMPARE(versions, (QStringList{"2.15", "", "10.05", ""}));
        settings->setValue("Updates/firmwareServer", "updates.example.org");
        planner->check();
        QVERIFY(planner->findChildren<Updates*>().isEmpty());
        QVERIFY(console.lines.size() == 1 &&
                console.lines[0].contains("'updates.example.org' is not a valid"));
        console.lines.clear();

        // Two checks against good servers report once; the newer program starts the updater
        // beside the executable with its check arguments.
        QDir bin(planner->programDir);
        QFile updater(bin.filePath("updater.exe"));
        QVERIFY(bin.mkpath(".") && updater.open(QIODevice::WriteOnly));
        updater.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/launched\"\n");
        updater.close(); // a file still open for writing cannot be started
        updater.setPermissions(updater.permissions() | QFile::ExeOwner);
        serveFirmware(validHex);
        server->answers["/updates/Updates.pc.txt"] = {200, QDate(2020, 1, 1), "v"};
        settings->setValue("Updates/programServer", server->base() + "/");
        settings->setValue("OSTC/serial", 1234);
        settings->setValue("OSTC/firmware", "2.20");
        check({"Bathyra", "firmware", "firmware/2.15"});
        server->requests.sort();
        QCOMPARE(server->requests,
                 (QStringList{"/autofirmware/firmware.txt?serial=1234&firmware=2.20",
                              "/autofirmware/ostc2.hex?serial=1234",
                              "/updates/Updates.pc.txt?version=470&arch=pc"}));
        QCOMPARE(boxes, QStringList{"Firmware 2.15 available..."});
        QCOMPARE(settings->value("Updates/firmware/version").toString(), QString("2.15"));
        QCOMPARE(fileBytes(firmwareFile()), validHex);
        QTRY_COMPARE(fileBytes(bin.filePath("launched")),
                     QByteArray("/checknow -minuseractions\n"));

        const QByteArray first = stored();
        check({"Bathyra", "firmware"});
        QVERIFY(stored() == first && boxes.size() == 1);
        // A newer program without an updater: nothing is said.
        server->answers["/updates/Updates.pc.txt"].lastModified = QDate(2021, 1, 1);
        QVERIFY(updater.remove());
        check({"Bathyra", "firmware"});
        QCOMPARE(console.lines, QStringList());
    }

    void refusedDownload_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("folderInTheWay"); // a folder where the file goes
        QTest::addColumn<QString>("red");
        QTest::addColumn<int>("room"); // bytes a file may take (-1: no limit)
        const QString invalid = "Downloaded firmware 2.15 is not a valid HEX file: ";
        const QString cannot = "Cannot write '" + firmwareFile() + "'";
        QTest::newRow("valid image") << validHex << false << "" << -1;
        QTest::newRow("bad checksum")
            << QByteArray(":04000000DEADBEEF00\n") << false << invalid + "Bad HEX checksum" << -1;
        QTest::newRow("no data") << QByteArray(":00000001FF\n") << false << invalid << -1;
        QTest::newRow("write fails") << validHex << true << cannot << -1;
        QTest::newRow("disk full") << validHex << false << cannot + ": File too large" << 20;
    }
    void refusedDownload()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, folderInTheWay);
        QFETCH(QString, red);
        QFETCH(int, room);
        serveFirmware(body);
        const QString kept = folderInTheWay ? QString() : firmwareFile();
        QVERIFY(QDir().mkpath(folderInTheWay ? firmwareFile() : QFileInfo(kept).path()));
        QFile old(kept); // an earlier download that a refused one must leave whole
        QVERIFY(folderInTheWay || (old.open(QIODevice::WriteOnly) && old.write("old") == 3));
        old.close();
        {
            std::unique_ptr<FullDisk> full(room >= 0 ? new FullDisk(rlim_t(room)) : nullptr);
            check({"firmware", "firmware/2.15"});
        }
        // and no temporary file beside it
        if (!folderInTheWay)
            QCOMPARE(QDir(QFileInfo(kept).path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList(QFileInfo(kept).fileName()));
        const bool stored = red.isEmpty();
        QVERIFY(boxes.size() == int(stored) && console.lines.size() == int(!stored));
        if (!stored)
            QVERIFY2(console.lines[0].contains(red) && console.lines[0].contains("color='red'"),
                     qPrintable(console.lines[0]));
        if (!folderInTheWay)
            QCOMPARE(fileBytes(kept), stored ? validHex : QByteArray("old"));
        // A refused download is fetched again by the next check.
        QCOMPARE(settings->contains("Updates/firmware/2.15/last"), stored);
    }

    // Answers that are not the whole, dated resource: nothing is stored, announced or
    // remembered as seen.
    void incompleteAnswer_data()
    {
        columns<QString, int, int, QDate, QString>({"path", "status", "shape", "modified", "red"});
        const QString hex = "/autofirmware/ostc2.hex", txt = "/autofirmware/firmware.txt";
        const QDate date(2020, 5, 2), future(2099, 1, 1);
        QTest::newRow("206 partial firmware") << hex << 206 << int(Answer::Whole) << date << "";
        QTest::newRow("firmware cut, no length")
            << hex << 200 << int(Answer::Cut) << date
            << "not a valid HEX file: Missing HEX end-of-file record";
        QTest::newRow("endless firmware") << hex << 200 << int(Answer::Endless) << date << "";
        QTest::newRow("endless description") << txt << 200 << int(Answer::Endless) << date << "";
        QTest::newRow("firmware from 2099") << hex << 200 << int(Answer::Whole) << future << "";
        QTest::newRow("description from 2099") << txt << 200 << int(Answer::Whole) << future << "";
    }
    void incompleteAnswer()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(int, shape);
        QFETCH(QDate, modified);
        QFETCH(QString, red);
        serveFirmware(":04000400DEADBEEFC0\n" + validHex);
        Answer& answer = server->answers[path];
        answer.status = status;
        answer.shape = Answer::Shape(shape);
        answer.lastModified = modified;
        const bool description = path.endsWith(".txt");
        check(description ? QStringList{"firmware"} : QStringList{"firmware", "firmware/2.15"});
        QCOMPARE(boxes, QStringList());
        QVERIFY(!QFile::exists(firmwareFile()));
        QVERIFY(!settings->contains("Updates/firmware/2.15/last"));
        QCOMPARE(settings->contains("Updates/firmware/last"), !description);
        QCOMPARE(console.lines.size(), int(!red.isEmpty()));
        if (!red.isEmpty())
            QVERIFY2(console.lines[0].contains(red), qPrintable(console.lines[0]));
    }
};

QTEST_GUILESS_MAIN(TestUpdates)
#include "test_updates.moc"
