// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port: its failure texts and open and close rules over the simulated OSTC on an
// in-memory line (virtual clock), and the real QSerialPort transport on a pseudo-terminal served
// by the simulator (open failures, all byte values, a silent line, a dropped line).
#include "device/serial_port.h"
#include "device_fixtures.h"
#include "tools/ostc_simulator.h"

#include <QtTest>

class TestSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void failures_data()
    {
        QTest::addColumn<int>("closeAfter"); // line bytes before the line drops; -2 never opened
        QTest::addColumn<int>("op"); // readByte, 'j' and a readBlock of 300, writeByte, writeBlock
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("ms"); // time on the line
        QTest::newRow("readByte closed") << -2 << 0 << "Port not open" << 0ll;
        // A silent line must not read as a zero byte, nor hold readBlock for ever: 256 bytes
        // come, then nothing, and each short read waits out its time-out.
        QTest::newRow("readByte silent") << -1 << 0 << "readByte error" << 2000ll;
        QTest::newRow("readBlock short") << -1 << 1 << "readBlock error" << 4000ll;
        QTest::newRow("writeByte fails") << 0 << 2 << "writeByte error" << 0ll;
        QTest::newRow("writeBlock fails") << 0 << 3 << "writeBlock error" << 0ll;
    }

    void failures()
    {
        QFETCH(int, closeAfter);
        QFETCH(int, op);
        QFETCH(QString, error);
        QFETCH(qint64, ms);
        OstcDevice device;
        OstcFaults f;
        f.closeAfter = closeAfter;
        device.setFaults(f);
        SimulatorTransport t(device);
        SerialPort port(&t);
        if (closeAfter > -2)
            port.open("A");
        quint8 buf[300] = {};
        const std::function<void()> ops[] = {
            [&] { port.readByte(); }, [&] { port.writeByte('j'), port.readBlock(buf, 300); },
            [&] { port.writeByte(1); }, [&] { port.writeBlock(buf, 8); }};
        QCOMPARE(errorOf(ops[op]), error);
        QCOMPARE(t.virtualMs(), ms);
    }

    void openAndClose()
    {
        OstcDevice device;
        SimulatorTransport t(device);
        SerialPort port(&t);
        port.close(); // closing a closed port does nothing
        t.refuseOpens(1);
        QCOMPARE(errorOf([&] { port.open("A"); }), QStringLiteral("Unable to open port"));
        QVERIFY(!port.isOpen());
        port.open("A");
        port.writeByte('j');
        port.open("A"); // a second open keeps the port and its buffers
        QCOMPARE(t.opens(), 1);
        quint8 bank[256];
        port.readBlock(bank, 256);
        port.readBlock(nullptr, 0); // zero counts do not touch the port
        port.writeBlock(nullptr, 0);
        QCOMPARE(device.lineBytes(), qint64(1 + 256));
        QCOMPARE(t.virtualMs(), qint64(0));
        // A transport that lost its device fails the next step, and the close.
        t.close();
        QCOMPARE(errorOf([&] { port.writeByte(1); }), QStringLiteral("Port not open"));
        QCOMPARE(errorOf([&] { port.close(); }), QStringLiteral("Port not open"));
        QVERIFY(!port.isOpen());
        // A byte written but not flushed to the line fails like a failed write.
        struct NoFlush : SimulatorTransport {
            using SimulatorTransport::SimulatorTransport;
            bool flush() override { return false; }
        } unflushed(device);
        SerialPort other(&unflushed);
        other.open("A");
        QCOMPARE(errorOf([&] { other.writeByte(1); }), QStringLiteral("writeByte error"));
    }

    void pty()
    {
        QtSerialTransport t;
        // A name of its own: the port's lock file is shared by every process opening that name.
        const QString none =
            QString("/dev/pts/bathyra-none-%1").arg(QCoreApplication::applicationPid());
        QCOMPARE(errorOf([&] { t.open(none); }), QStringLiteral("Unknown port"));
        // The device holds every byte value in bank 1, is silent after it (257 bytes on the line)
        // and drops the line at the next byte but one.
        OstcDevice device;
        for (int i = 0; i < 256; ++i)
            device.image().setByte(256 + i, quint8(255 - i));
        OstcFaults f;
        f.silentAfter = 257;
        f.closeAfter = 258;
        device.setFaults(f);
        OstcPtyServer server(device);
        QString why;
        QVERIFY2(server.start(&why), qPrintable(why));
        SerialPort port, other;
        port.open(server.slavePath());
        // The port is held exclusively.
        QCOMPARE(errorOf([&] { other.open(server.slavePath()); }),
                 QStringLiteral("Unable to open port"));
        port.writeByte('j');
        quint8 bank[256];
        port.readBlock(bank, 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(bank[i], quint8(255 - i));
        port.writeByte('b');
        QCOMPARE(errorOf([&] { port.readByte(); }), QStringLiteral("readByte error"));
        port.writeByte('g');
        QCOMPARE(errorOf([&] { port.readBlock(bank, 256); }), QStringLiteral("readBlock error"));
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "test_serial_port.moc"
