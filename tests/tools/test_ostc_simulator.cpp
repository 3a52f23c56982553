// The simulated OSTC itself, where the protocol tests lean on it: which banks each firmware
// answers, the boot loader's block checks, and the simulator program run as a child process
// on a pseudo-terminal.
#include "device/ostc_protocol.h"
#include "device/serial_port.h"
#include "tools/ostc_simulator.h"

#include <QProcess>
#include <QtTest>
#include <csignal>

class TestOstcSimulator : public QObject
{
    Q_OBJECT

private slots:
    void readsBanks_data();
    void readsBanks();
    void bootLoaderChecksBlocks_data();
    void bootLoaderChecksBlocks();
    void program();
};

void TestOstcSimulator::readsBanks_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<char>("command");
    QTest::addColumn<int>("answer");
    QTest::newRow("2.22 g") << 22 << 'g' << 256;
    QTest::newRow("2.22 m") << 22 << 'm' << 256;
    QTest::newRow("2.21 j") << 21 << 'j' << 256;
    QTest::newRow("2.21 m") << 21 << 'm' << 0;
    QTest::newRow("2.21 n") << 21 << 'n' << 0;
    QTest::newRow("unknown command") << 22 << 'z' << 0;
}

void TestOstcSimulator::readsBanks()
{
    QFETCH(int, minor);
    QFETCH(char, command);
    QFETCH(int, answer);
    OstcDevice device(2, minor);
    const QByteArray out = device.receive(QByteArray(1, command));
    QCOMPARE(out.size(), answer);
    if (answer)
        QCOMPARE(out, device.image().bank(command == 'g' ? 0 : command == 'j' ? 1 : 2));
}

void TestOstcSimulator::bootLoaderChecksBlocks_data()
{
    QTest::addColumn<int>("corrupt"); // byte of the block changed, -1 none
    QTest::addColumn<quint32>("address");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("good") << -1 << quint32(64) << true;
    QTest::newRow("bad checksum") << 68 << quint32(64) << false;
    QTest::newRow("bad data") << 10 << quint32(64) << false;
    QTest::newRow("beyond program memory") << -1 << quint32(0x1FFFF0) << false;
}

void TestOstcSimulator::bootLoaderChecksBlocks()
{
    QFETCH(int, corrupt);
    QFETCH(quint32, address);
    QFETCH(bool, accepted);
    OstcDevice device;
    QCOMPARE(device.receive(QByteArray(3, char(0xC1))), QByteArray("WK"));
    QByteArray data(0x200000, char(0x3C));
    QByteArray block = OstcProtocol::blockBytes(data, address);
    if (corrupt >= 0)
        block[corrupt] = char(block[corrupt] ^ 1);
    QCOMPARE(device.receive(block), QByteArray(1, accepted ? 'K' : 'E'));
    QCOMPARE(device.blockOrder().size(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(device.programMemory().mid(int(address), 64), QByteArray(64, char(0x3C)));
    // Block 0 ends the upgrade.
    QCOMPARE(device.receive(OstcProtocol::blockBytes(data, 0)), QByteArray("K"));
    QVERIFY(device.rebooted());
    QCOMPARE(device.receive(QByteArray("g")).size(), 256);
}

void TestOstcSimulator::program()
{
    const QString exe =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../../tools/bathyra-ostc-sim");
    if (!QFile::exists(exe))
        QSKIP("simulator program not built");
    QProcess sim;
    sim.start(exe, {QStringLiteral("--firmware"), QStringLiteral("2.21"),
                    QStringLiteral("--refuse-block"), QStringLiteral("0x40")});
    QVERIFY(sim.waitForStarted());
    QVERIFY(sim.waitForReadyRead(5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QVERIFY(path.startsWith(QStringLiteral("/dev/")));

    SerialPort port;
    port.open(path);
    port.writeByte('j');
    quint8 bank[256];
    port.readBlock(bank, 256);
    QCOMPARE(int(bank[1]), 2);
    QCOMPARE(int(bank[2]), 21);
    port.writeByte('m'); // no bank 2 on this firmware
    QVERIFY_EXCEPTION_THROWN(port.readByte(), QString);
    port.close();

    ::kill(pid_t(sim.processId()), SIGTERM);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);
    const QString summary = QString::fromLocal8Bit(sim.readAllStandardError());
    QVERIFY2(summary.contains(QStringLiteral("firmware 2.21")), qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("bank writes: 0 0 0")), qPrintable(summary));
}

QTEST_GUILESS_MAIN(TestOstcSimulator)
#include "test_ostc_simulator.moc"
