// The serial port: failure texts and open and close rules over a scripted transport, and the
// real QSerialPort transport on a pseudo-terminal served by the OSTC simulator (open
// failures, all byte values, a silent line, a dropped line).
#include "device/serial_port.h"
#include "tools/ostc_simulator.h"

#include <QtTest>

namespace
{

// A transport that records every call and fails where told ("write", "flush").
struct ScriptedTransport : SerialTransport {
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
        ++calls;
        const int n = std::min(max, int(input.size()));
        std::copy(input.constData(), input.constData() + n, buffer);
        input.remove(0, n);
        return n;
    }
    int write(const quint8* buffer, int count) override
    {
        ++calls;
        output.append(reinterpret_cast<const char*>(buffer), count);
        return fail == "write" ? -1 : count;
    }
    bool flush() override
    {
        ++flushes;
        return fail != "flush";
    }
    void sleepMs(int) override {}

    QString openError, fail;
    bool opened = false;
    int opens = 0, purges = 0, flushes = 0, calls = 0;
    QByteArray input, output;
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
    void failures_data()
    {
        QTest::addColumn<QString>("fail"); // "closed" or the transport's failing call
        QTest::addColumn<int>("input");    // bytes waiting
        QTest::addColumn<char>("op");      // readByte, Read block, writeByte, Write block
        QTest::addColumn<QString>("error");
        auto row = [](const char* name, const char* fail, int input, char op, const char* error) {
            QTest::newRow(name) << QString(fail) << input << op << QString(error);
        };
        row("readByte closed", "closed", 0, 'r', "Port not open");
        // A silent line must not read as a zero byte, nor hold readBlock for ever.
        row("readByte silent", "", 0, 'r', "readByte error");
        row("readBlock silent", "", 0, 'R', "readBlock error");
        row("readBlock short", "", 10, 'R', "readBlock error");
        row("writeByte flush fails", "flush", 0, 'w', "writeByte error");
        row("writeByte fails", "write", 0, 'w', "writeByte error");
        row("writeBlock fails", "write", 0, 'W', "writeBlock error");
    }

    void failures()
    {
        QFETCH(QString, fail);
        QFETCH(int, input);
        QFETCH(char, op);
        QFETCH(QString, error);
        ScriptedTransport t;
        t.fail = fail;
        t.input = QByteArray(input, 'x');
        SerialPort port(&t);
        if (fail != "closed")
            port.open("A");
        quint8 buf[256] = {};
        QCOMPARE(errorOf([&] {
                     if (op == 'r')
                         port.readByte();
                     else if (op == 'R')
                         port.readBlock(buf, 256);
                     else if (op == 'w')
                         port.writeByte(1);
                     else
                         port.writeBlock(buf, 8);
                 }),
                 error);
        QVERIFY(t.calls <= (fail == "closed" ? 0 : 2));
    }

    void openAndClose()
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
        QCOMPARE(t.calls, 0);
        port.writeByte(0x42);
        QCOMPARE(t.output, QByteArray("B"));
        QCOMPARE(t.flushes, 1); // a single byte is flushed
        // A transport that lost its device fails the next step, and the close.
        t.opened = false;
        QCOMPARE(errorOf([&] { port.writeByte(1); }), QStringLiteral("Port not open"));
        QCOMPARE(errorOf([&] { port.close(); }), QStringLiteral("Port not open"));
        QVERIFY(!port.isOpen());
    }

    // ---- on a pseudo-terminal ------------------------------------------------------------

    void pty()
    {
        QtSerialTransport t;
        // A name of its own: the port's lock file is shared by every process opening that name.
        const QString none = QString("/dev/pts/bathyra-none-%1").arg(QCoreApplication::applicationPid());
        QCOMPARE(errorOf([&] { t.open(none); }), QStringLiteral("Unknown port"));
        // One device holds every byte value in bank 1 and is silent after it (257 bytes on the
        // line); another drops the line after 100 bytes.
        OstcDevice device, dropping;
        for (int i = 0; i < 256; ++i)
            device.image().setByte(256 + i, quint8(255 - i));
        OstcFaults f;
        f.silentAfter = 257;
        device.setFaults(f);
        f.silentAfter = -1;
        f.closeAfter = 100;
        dropping.setFaults(f);
        OstcPtyServer server(device), dropped(dropping);
        QString why;
        QVERIFY2(server.start(&why) && dropped.start(&why), qPrintable(why));
        SerialPort first, second;
        first.open(server.slavePath());
        // The port is held exclusively.
        QCOMPARE(errorOf([&] { second.open(server.slavePath()); }),
                 QStringLiteral("Unable to open port"));
        first.writeByte('j');
        quint8 bank[256];
        first.readBlock(bank, 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(bank[i], quint8(255 - i));
        first.writeByte('b');
        QCOMPARE(errorOf([&] { first.readByte(); }), QStringLiteral("readByte error"));
        second.open(dropped.slavePath());
        second.writeByte('g');
        QCOMPARE(errorOf([&] { second.readBlock(bank, 256); }), QStringLiteral("readBlock error"));
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "test_serial_port.moc"
