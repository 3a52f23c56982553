// The serial port: failure texts and transfer pieces over a scripted transport, and the
// real QSerialPort transport on a pseudo-terminal served by the OSTC simulator
// (open failures, all byte values, a silent line, a dropped line, an upload with readback).
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
    void failures_data();
    void failures();
    void openAndClose();
    void pieces_data();
    void pieces();
    void ptyOpenErrors();
    void ptyCarriesAllByteValues();
    void ptySilentLine();
    void ptyDroppedLine();
    void ptyUploadAndReadback();
};

enum Op { ReadByte, ReadBlock, WriteByte, WriteBlock };

void TestSerialPort::failures_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("fail"); // "read", "write" or "flush"
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("error");
    QTest::newRow("readByte closed") << false << "" << QByteArray() << +ReadByte << "Port not open";
    QTest::newRow("readBlock closed")
        << false << "" << QByteArray() << +ReadBlock << "Port not open";
    QTest::newRow("writeByte closed")
        << false << "" << QByteArray() << +WriteByte << "Port not open";
    QTest::newRow("writeBlock closed")
        << false << "" << QByteArray() << +WriteBlock << "Port not open";
    QTest::newRow("readByte fails")
        << true << "read" << QByteArray() << +ReadByte << "readByte error";
    // A silent line must not read as a zero byte, nor hold readBlock for ever.
    QTest::newRow("readByte silent") << true << "" << QByteArray() << +ReadByte << "readByte error";
    QTest::newRow("readBlock fails")
        << true << "read" << QByteArray() << +ReadBlock << "readBlock error";
    QTest::newRow("readBlock silent")
        << true << "" << QByteArray() << +ReadBlock << "readBlock error";
    QTest::newRow("readBlock short")
        << true << "" << QByteArray(10, 'x') << +ReadBlock << "readBlock error";
    QTest::newRow("writeByte flush fails")
        << true << "flush" << QByteArray() << +WriteByte << "writeByte error";
    QTest::newRow("writeByte fails")
        << true << "write" << QByteArray() << +WriteByte << "writeByte error";
    QTest::newRow("writeBlock fails")
        << true << "write" << QByteArray() << +WriteBlock << "writeBlock error";
}

void TestSerialPort::failures()
{
    QFETCH(bool, open);
    QFETCH(QString, fail);
    QFETCH(QByteArray, input);
    QFETCH(int, op);
    QFETCH(QString, error);
    ScriptedTransport t;
    t.failRead = fail == "read";
    t.failWrite = fail == "write";
    t.failFlush = fail == "flush";
    t.input = input;
    SerialPort port(&t);
    if (open)
        port.open("A");
    quint8 buf[256] = {};
    QCOMPARE(errorOf([&] {
                 if (op == ReadByte)
                     port.readByte();
                 else if (op == ReadBlock)
                     port.readBlock(buf, 256);
                 else if (op == WriteByte)
                     port.writeByte(1);
                 else
                     port.writeBlock(buf, 8);
             }),
             error);
    QVERIFY(t.reads.size() <= 2);
    if (!open)
        QVERIFY(t.reads.isEmpty() && t.writes.isEmpty());
}

void TestSerialPort::openAndClose()
{
    ScriptedTransport t;
    SerialPort port(&t);
    port.close(); // closing a closed port does nothing
    t.openError = QStringLiteral("Unable to set COM port config");
    QCOMPARE(errorOf([&] { port.open("A"); }), t.openError);
    QVERIFY(!port.isOpen());
    t.openError.clear();
    port.open("A");
    port.open("A"); // a second open keeps the port and its buffers
    QCOMPARE(t.opens, 1);
    QCOMPARE(t.purges, 1);
    port.readBlock(nullptr, 0); // zero counts do not touch the port
    port.writeBlock(nullptr, 0);
    QVERIFY(t.reads.isEmpty() && t.writes.isEmpty());
    port.writeByte(0x42);
    QCOMPARE(t.output, QByteArray("B"));
    QCOMPARE(t.flushes, 1); // a single byte is flushed
    port.close();
    QVERIFY(!port.isOpen() && !t.opened);
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

QTEST_GUILESS_MAIN(TestSerialPort)
#include "test_serial_port.moc"
