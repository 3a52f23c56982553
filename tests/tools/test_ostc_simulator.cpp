// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated OSTC itself, where the protocol tests do not reach it: the boot loader's refusals,
// and the simulator program run as a child process on a pseudo-terminal with its options.
#include "device/ostc_protocol.h"
#include "device/serial_port.h"
#include "tools/ostc_simulator.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

class TestOstcSimulator : public QObject
{
    Q_OBJECT

private slots:
    // The boot loader, woken by three bytes, refuses a block with a wrong checksum or one beyond
    // the program memory; block 0 then still ends the upgrade and the device is itself again.
    void bootLoader_data()
    {
        QTest::addColumn<QByteArray>("block");
        const QByteArray data(0x200000, char(0x3C));
        QByteArray bad = OstcProtocol::blockBytes(data, 64);
        bad[10] = char(bad[10] ^ 1);
        QTest::newRow("bad checksum") << bad;
        QTest::newRow("beyond program memory") << OstcProtocol::blockBytes(data, 0x1FFFF0);
    }

    void bootLoader()
    {
        QFETCH(QByteArray, block);
        OstcDevice device;
        QCOMPARE(device.receive(QByteArray(3, char(OstcProtocol::BootWake)) + block), "WKE");
        QVERIFY(device.blockOrder().isEmpty() && !device.programMemory().contains(char(0x3C)));
        QCOMPARE(device.refusedBlocks(), 1);
        QCOMPARE(device.receive(OstcProtocol::blockBytes(QByteArray(64, 0), 0)), QByteArray("K"));
        QVERIFY(device.rebooted());
        QCOMPARE(device.receive(QByteArray("g")).size(), 256);
    }

    void program()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("program.bin");
        QProcess sim;
        sim.start(QCoreApplication::applicationDirPath() + "/../../tools/bathyra-ostc-sim",
                  {"--firmware", "2.21", "--refuse-block", "0x40", "--silent-after", "100000",
                   "--wrong-echo", "5:2", "--save-program", program});
        QVERIFY(sim.waitForStarted() && sim.waitForReadyRead(5000));
        SerialPort port;
        port.open(QString::fromLocal8Bit(sim.readLine()).trimmed());
        port.writeByte('j');
        quint8 bank[256];
        port.readBlock(bank, 256);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(bank) + 1, 2), QByteArray("\x02\x15"));
        port.writeByte('m'); // no bank 2 on this firmware
        QVERIFY_EXCEPTION_THROWN(port.readByte(), QString);
        port.close();
        ::kill(pid_t(sim.processId()), SIGTERM);
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 0);
        const QString summary = QString::fromLocal8Bit(sim.readAllStandardError());
        QVERIFY2(summary.contains("firmware 2.21") && summary.contains("bank writes: 0 0 0"),
                 qPrintable(summary));
        QCOMPARE(QFileInfo(program).size(), qint64(OstcDevice::ProgramMemorySize));
    }
};

QTEST_GUILESS_MAIN(TestOstcSimulator)
#include "test_ostc_simulator.moc"
