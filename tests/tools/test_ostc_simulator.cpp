// The simulated OSTC itself: its answers to each command, the boot loader's checks, the
// screen encoding, the fault switches, and the simulator program run as a child
// process on a pseudo-terminal.
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
    void writeBankStoresFromByteFour();
    void unfinishedCommandIsDropped();
    void clockTakesSixBytes();
    void screenEncodingRuns();
    void bootLoaderChecksBlocks_data();
    void bootLoaderChecksBlocks();
    void bootLoaderNeedsThreeWakeups();
    void faultsCountLineBytes();
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

void TestOstcSimulator::writeBankStoresFromByteFour()
{
    OstcDevice device;
    const QByteArray before = device.image().bank(1);
    QByteArray sent("i");
    for (int i = 4; i < 256; ++i)
        sent.append(char(i ^ 0xA5));
    QCOMPARE(device.receive(sent), sent); // every byte echoed
    const QByteArray after = device.image().bank(1);
    QCOMPARE(after.left(4), before.left(4));
    for (int i = 4; i < 256; ++i)
        QCOMPARE(quint8(after[i]), quint8(i ^ 0xA5));
    QCOMPARE(device.bankWrites(1), 1);
}

void TestOstcSimulator::unfinishedCommandIsDropped()
{
    OstcDevice device;
    device.receive(QByteArray("d\x01\x02", 3), 0);
    // The host gave up; half a second later a new command is a command again.
    QCOMPARE(device.receive(QByteArray("g"), OstcDevice::IdleResetMs + 1).size(), 256);
    device.receive(QByteArray("d\x01", 2), 2000);
    device.hostClosed();
    QCOMPARE(device.receive(QByteArray("j"), 2001).size(), 256);
    QCOMPARE(device.bankWrites(0), 0);
}

void TestOstcSimulator::clockTakesSixBytes()
{
    OstcDevice device;
    QCOMPARE(device.receive(QByteArray("b")), QByteArray("b"));
    QCOMPARE(device.receive(QByteArray("\x0E\x03\x09\x0C\x05", 5)), QByteArray());
    QVERIFY(device.clock().size() < 6);
    device.receive(QByteArray("\x1A", 1));
    QCOMPARE(device.clock(), QByteArray("\x0E\x03\x09\x0C\x05\x1A", 6));
    QCOMPARE(device.receive(QByteArray("g")).size(), 256); // back to commands
}

void TestOstcSimulator::screenEncodingRuns()
{
    QImage im(320, 240, QImage::Format_RGB32);
    im.fill(qRgb(0, 0, 0));
    for (int y = 0; y < 100; ++y)
        im.setPixel(0, y, qRgb(255, 255, 255));
    for (int y = 100; y < 170; ++y)
        im.setPixel(0, y, OstcProtocol::colourFrom565(0x07E0));
    const QByteArray s = OstcDevice::encodeScreen(im);
    // Column 0: white 64 + 36, green 64 + 6, black 70; then 319 columns of 128 + 112 black.
    QByteArray column0;
    column0.append(char(0xFF)).append(char(0xC0 | 35));
    column0.append(char(0x80 | 63)).append("\x07\xE0", 2);
    column0.append(char(0x80 | 5)).append("\x07\xE0", 2);
    column0.append(char(69));
    QCOMPARE(s.left(column0.size()), column0);
    QCOMPARE(s.size(), column0.size() + 319 * 2);
    QCOMPARE(s.mid(column0.size(), 2), QByteArray("\x7F\x6F", 2));
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

void TestOstcSimulator::bootLoaderNeedsThreeWakeups()
{
    OstcDevice device;
    QCOMPARE(device.receive(QByteArray("\xC1\xC1g", 3)).size(), 256); // broken sequence
    QCOMPARE(device.receive(QByteArray("\xC1\xC1", 2)), QByteArray());
    QCOMPARE(device.receive(QByteArray("\xC1", 1)), QByteArray("WK"));
}

void TestOstcSimulator::faultsCountLineBytes()
{
    OstcDevice device;
    OstcFaults f;
    f.silentAfter = 10;
    device.setFaults(f);
    QCOMPARE(device.receive(QByteArray("g")).size(), 9); // 1 in, 9 out
    QCOMPARE(device.receive(QByteArray("g")).size(), 0);
    QVERIFY(!device.lineClosed());

    OstcDevice closing;
    f = OstcFaults();
    f.closeAfter = 10;
    closing.setFaults(f);
    QCOMPARE(closing.receive(QByteArray("g")).size(), 9);
    QVERIFY(closing.lineClosed());

    OstcDevice echoing;
    f = OstcFaults();
    f.wrongEchoAt = 2;
    f.wrongEchoTimes = 1;
    echoing.setFaults(f);
    const QByteArray out = echoing.receive(QByteArray("d\x05\x06\x07", 4));
    QCOMPARE(out.left(2), QByteArray("d\x05", 2));
    QVERIFY(out[2] != '\x06');
    QCOMPARE(out.size(), 3); // the device gave the command up
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
