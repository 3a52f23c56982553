// The serial port: failure texts and transfer pieces over a scripted transport, and the
// real QSerialPort transport on a pseudo-terminal served by the OSTC simulator
// (open failures, all byte values, a silent line, a dropped line, a whole upload).
#include "device/config_image.h"
#include "device/message_sink.h"
#include "device/ostc_protocol.h"
#include "device/serial_ostc.h"
#include "device/serial_port.h"
#include "tools/ostc_simulator.h"

#include <QtTest>

namespace
{

// A transport that records every call and can be told to fail.
class ScriptedTransport : public SerialTransport
{
public:
    void open(const QString&) override
    {
        if (!openError.isEmpty())
            throw openError;
        opened = true;
        ++opens;
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    void purge() override { ++purges; }
    int read(quint8* buffer, int max, int) override
    {
        reads.append(max);
        if (failRead)
            return -1;
        const int n = std::min({max, int(input.size()), perRead});
        std::copy(input.constData(), input.constData() + n, buffer);
        input.remove(0, n);
        return n;
    }
    int write(const quint8* buffer, int count) override
    {
        writes.append(count);
        if (failWrite)
            return -1;
        output.append(reinterpret_cast<const char*>(buffer), count);
        return std::min(count, perWrite);
    }
    bool flush() override
    {
        ++flushes;
        return !failFlush;
    }
    void sleepMs(int) override {}

    QString openError;
    bool opened = false;
    int opens = 0, purges = 0, flushes = 0;
    int perRead = 1 << 30, perWrite = 1 << 30;
    bool failRead = false, failWrite = false, failFlush = false;
    QByteArray input, output;
    QVector<int> reads, writes;
};

QString errorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QString& e) {
        return e;
    }
    return QString();
}

} // namespace

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void notOpen_data();
    void notOpen();
    void openTwiceKeepsBuffers();
    void openFailureLeavesClosed();
    void pieces_data();
    void pieces();
    void zeroCountsDoNotTouchPort();
    void readFailures_data();
    void readFailures();
    void writeFailures();
    void ptyOpenErrors();
    void ptyCarriesAllByteValues();
    void ptySilentLine();
    void ptyDroppedLine();
    void ptyUploadAndReadback();
    void ptyScreenDump();
    void ptyFirmware();
};

void TestSerialPort::notOpen_data()
{
    QTest::addColumn<int>("op");
    QTest::newRow("readByte") << 0;
    QTest::newRow("readBlock") << 1;
    QTest::newRow("writeByte") << 2;
    QTest::newRow("writeBlock") << 3;
}

void TestSerialPort::notOpen()
{
    QFETCH(int, op);
    ScriptedTransport t;
    SerialPort port(&t);
    quint8 buf[4] = {};
    const QString e = errorOf([&] {
        switch (op) {
        case 0:
            port.readByte();
            break;
        case 1:
            port.readBlock(buf, 4);
            break;
        case 2:
            port.writeByte(1);
            break;
        default:
            port.writeBlock(buf, 4);
            break;
        }
    });
    QCOMPARE(e, QStringLiteral("Port not open"));
    QVERIFY(t.reads.isEmpty() && t.writes.isEmpty());
    port.close(); // closing a closed port does nothing
}

void TestSerialPort::openTwiceKeepsBuffers()
{
    ScriptedTransport t;
    SerialPort port(&t);
    port.open("A");
    port.open("A");
    QCOMPARE(t.opens, 1);
    QCOMPARE(t.purges, 1);
    QVERIFY(port.isOpen());
    port.close();
    QVERIFY(!port.isOpen());
    QVERIFY(!t.opened);
}

void TestSerialPort::openFailureLeavesClosed()
{
    ScriptedTransport t;
    t.openError = QStringLiteral("Unable to set COM port config");
    SerialPort port(&t);
    QCOMPARE(errorOf([&] { port.open("A"); }), t.openError);
    QVERIFY(!port.isOpen());
    t.openError.clear();
    port.open("A");
    QVERIFY(port.isOpen());
}

void TestSerialPort::pieces_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("perCall");
    QTest::addColumn<QVector<int>>("calls");
    QTest::newRow("10000") << 10000 << (1 << 30) << QVector<int>{4096, 4096, 1808};
    QTest::newRow("4096") << 4096 << (1 << 30) << QVector<int>{4096};
    QTest::newRow("short deliveries") << 5000 << 3000 << QVector<int>{4096, 2000};
}

void TestSerialPort::pieces()
{
    QFETCH(int, count);
    QFETCH(int, perCall);
    QFETCH(QVector<int>, calls);
    ScriptedTransport t;
    t.perRead = perCall;
    t.perWrite = perCall;
    SerialPort port(&t);
    port.open("A");
    QByteArray data(count, 0);
    for (int i = 0; i < count; ++i)
        data[i] = char(i * 13);
    port.writeBlock(reinterpret_cast<const quint8*>(data.constData()), count);
    QCOMPARE(t.writes, calls);
    QCOMPARE(t.flushes, 0); // a block is not flushed

    t.input = data;
    QByteArray back(count, 0);
    port.readBlock(reinterpret_cast<quint8*>(back.data()), count);
    QCOMPARE(t.reads, calls);
    QCOMPARE(back, data);
}

void TestSerialPort::zeroCountsDoNotTouchPort()
{
    ScriptedTransport t;
    SerialPort port(&t);
    port.open("A");
    port.readBlock(nullptr, 0);
    port.writeBlock(nullptr, 0);
    QVERIFY(t.reads.isEmpty());
    QVERIFY(t.writes.isEmpty());
}

void TestSerialPort::readFailures_data()
{
    QTest::addColumn<bool>("failRead");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("block");
    QTest::addColumn<QString>("error");
    QTest::newRow("readByte fails") << true << QByteArray() << false << "readByte error";
    // A silent line must not read as a zero byte.
    QTest::newRow("readByte silent") << false << QByteArray() << false << "readByte error";
    QTest::newRow("readBlock fails") << true << QByteArray() << true << "readBlock error";
    // Nor may it hold readBlock for ever.
    QTest::newRow("readBlock silent") << false << QByteArray() << true << "readBlock error";
    QTest::newRow("readBlock short") << false << QByteArray(10, 'x') << true << "readBlock error";
}

void TestSerialPort::readFailures()
{
    QFETCH(bool, failRead);
    QFETCH(QByteArray, input);
    QFETCH(bool, block);
    QFETCH(QString, error);
    ScriptedTransport t;
    t.failRead = failRead;
    t.input = input;
    SerialPort port(&t);
    port.open("A");
    quint8 buf[256];
    QCOMPARE(errorOf([&] { block ? port.readBlock(buf, 256) : void(port.readByte()); }), error);
    QVERIFY(t.reads.size() <= 2);
}

void TestSerialPort::writeFailures()
{
    ScriptedTransport t;
    SerialPort port(&t);
    port.open("A");
    port.writeByte(0x42);
    QCOMPARE(t.output, QByteArray("B"));
    QCOMPARE(t.flushes, 1); // a single byte is flushed
    t.failFlush = true;
    QCOMPARE(errorOf([&] { port.writeByte(1); }), QStringLiteral("writeByte error"));
    t.failFlush = false;
    t.failWrite = true;
    QCOMPARE(errorOf([&] { port.writeByte(1); }), QStringLiteral("writeByte error"));
    quint8 buf[8] = {};
    QCOMPARE(errorOf([&] { port.writeBlock(buf, 8); }), QStringLiteral("writeBlock error"));
}

// ---- on a pseudo-terminal ------------------------------------------------------------

void TestSerialPort::ptyOpenErrors()
{
    QtSerialTransport t;
    QCOMPARE(errorOf([&] { t.open(QStringLiteral("/dev/pts/bathyra-none")); }),
             QStringLiteral("Unknown port"));
    QVERIFY(!t.isOpen());

    OstcDevice device;
    OstcPtyServer server(device);
    QString why;
    QVERIFY2(server.start(&why), qPrintable(why));
    SerialPort first, second;
    first.open(server.slavePath());
    // The port is held exclusively.
    QCOMPARE(errorOf([&] { second.open(server.slavePath()); }),
             QStringLiteral("Unable to open port"));
    first.close();
    second.open(server.slavePath());
    QVERIFY(second.isOpen());
    second.close();
}

void TestSerialPort::ptyCarriesAllByteValues()
{
    OstcDevice device;
    for (int i = 0; i < 256; ++i)
        device.image().setByte(256 + i, quint8(255 - i));
    OstcPtyServer server(device);
    QVERIFY(server.start());
    SerialPort port;
    port.open(server.slavePath());
    port.writeByte('j');
    quint8 bank[256];
    port.readBlock(bank, 256);
    port.close();
    for (int i = 0; i < 256; ++i)
        QCOMPARE(bank[i], quint8(255 - i));
}

void TestSerialPort::ptySilentLine()
{
    OstcDevice device;
    OstcFaults f;
    f.silentAfter = 0;
    device.setFaults(f);
    OstcPtyServer server(device);
    QVERIFY(server.start());
    SerialPort port;
    port.open(server.slavePath());
    port.writeByte('b');
    QCOMPARE(errorOf([&] { port.readByte(); }), QStringLiteral("readByte error"));
    port.close();
}

void TestSerialPort::ptyDroppedLine()
{
    // The line goes away in the middle of bank 0: every attempt after it fails to open.
    OstcDevice device;
    OstcFaults f;
    f.closeAfter = 100;
    device.setFaults(f);
    OstcPtyServer server(device);
    QVERIFY(server.start());
    CollectingSink sink;
    ConfigImage current = ConfigImage::defaultImage();
    const ConfigImage before = current;
    SerialPort port;
    SerialOSTC ostc(&sink, current, {}, &port);
    QVERIFY(!ostc.readConfiguration(server.slavePath()));
    QCOMPARE(sink.lines.last(), QStringLiteral("<font color='red'>FAILED: </font> "
                                               "Downloading OSTC configuration"));
    QVERIFY(current == before);
    QVERIFY(!port.isOpen());
}

void TestSerialPort::ptyUploadAndReadback()
{
    // An older device (two banks) written and read back over the real port.
    OstcDevice device(2, 21);
    OstcPtyServer server(device);
    QVERIFY(server.start());
    CollectingSink sink;
    ConfigImage current = ConfigImage::defaultImage();
    SerialPort port;
    int refreshed = 0;
    SerialOSTC ostc(
        &sink, current, [&] { ++refreshed; }, &port);
    QVERIFY2(ostc.readConfiguration(server.slavePath()), qPrintable(sink.lines.join('\n')));
    current.setCf(32, 40);
    current.setCf(70, 5); // a function this firmware does not have
    current.setCustomText(QStringLiteral("over the pty"));
    QVERIFY2(ostc.writeConfiguration(server.slavePath()), qPrintable(sink.lines.join('\n')));
    QCOMPARE(sink.lines.last(), QStringLiteral("Programming OSTC 4321 done."));
    QCOMPARE(refreshed, 2);
    std::lock_guard<std::mutex> lock(server.mutex());
    QCOMPARE(device.image().cf(32), quint16(40));
    QCOMPARE(device.image().customText(), QStringLiteral("over the pty"));
    QCOMPARE(device.bankWrites(2), 0);
    QCOMPARE(current.bank(0), device.image().bank(0));
    QVERIFY(!port.isOpen());
}

void TestSerialPort::ptyScreenDump()
{
    OstcDevice device;
    OstcPtyServer server(device);
    QVERIFY(server.start());
    CollectingSink sink;
    ConfigImage current = ConfigImage::defaultImage();
    SerialPort port;
    SerialOSTC ostc(&sink, current, {}, &port);
    const QImage image = ostc.screenDump(server.slavePath());
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
             OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32));
    QVERIFY(!port.isOpen());
}

void TestSerialPort::ptyFirmware()
{
    // A short image keeps the 20 ms per block affordable: blocks 64..576, then 0.
    OstcDevice device;
    OstcPtyServer server(device);
    QVERIFY(server.start());
    QByteArray data(640, 0);
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 5 + 1);
    CollectingSink sink;
    SerialPort port;
    OstcProtocol(port, &sink).sendFirmware(server.slavePath(), data);
    QVERIFY(!port.isOpen());
    std::lock_guard<std::mutex> lock(server.mutex());
    QCOMPARE(device.programMemory().left(640), data);
    QCOMPARE(device.blockOrder(),
             (QVector<quint32>{64, 128, 192, 256, 320, 384, 448, 512, 576, 0}));
    QVERIFY(device.rebooted());
}

QTEST_GUILESS_MAIN(TestSerialPort)
#include "test_serial_port.moc"
