// Intel HEX loading into the firmware image: the error of every broken record, the
// skipped configuration areas, address arithmetic at the ends of the area, file loading
// and its summary line, and the replay of the fuzzing corpus.
#include "device/hex_image.h"
#include "device/message_sink.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// A record with its checksum, as a HEX writer would emit it.
QByteArray record(int type, quint16 address, const QByteArray& data, bool lower = false)
{
    QByteArray r;
    r.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF));
    r.append(char(type)).append(data);
    quint8 sum = 0;
    for (char c : r)
        sum = quint8(sum + quint8(c));
    r.append(char(quint8(-sum)));
    const QByteArray hex = r.toHex();
    return ":" + (lower ? hex : hex.toUpper()) + "\r\n";
}

QByteArray linear(quint16 upper)
{
    return record(4, 0, QByteArray(1, char(upper >> 8)) + char(upper & 0xFF));
}

} // namespace

class TestHexImage : public QObject
{
    Q_OBJECT

private slots:
    void errors_data();
    void errors();
    void dataRecords_data();
    void dataRecords();
    void skippedAreas_data();
    void skippedAreas();
    void errorKeepsEarlierBytes();
    void loadedMessage_data();
    void loadedMessage();
    void loadFile();
    void fuzzCorpus();
};

void TestHexImage::errors_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("error");
    const QByteArray two("\x12\x34", 2);
    QTest::newRow("no colon") << QByteArray("020000040000FA\n") << "Bad HEX format";
    QTest::newRow("empty line") << QByteArray("\n") << "Bad HEX format";
    QTest::newRow("checksum") << QByteArray(":0200000012340B\n") << "Bad HEX checksum";
    QByteArray flipped = record(0, 0x10, two);
    flipped[10] = 'F';
    QTest::newRow("flipped digit") << flipped << "Bad HEX checksum";
    QTest::newRow("type 3") << record(3, 0, QByteArray(4, 0)) << "Bad HEX subtype";
    QTest::newRow("type 5") << record(5, 0, QByteArray(4, 0)) << "Bad HEX subtype";
    QTest::newRow("type 0xFF") << record(0xFF, 0, QByteArray()) << "Bad HEX subtype";
    QTest::newRow("segment count")
        << record(2, 0, QByteArray(3, 0)) << "Bad HEX Segment Address record";
    QTest::newRow("segment address") << record(2, 4, two) << "Bad HEX Segment Address record";
    QTest::newRow("linear count") << record(4, 0, QByteArray(1, 0))
                                  << "Bad HEX Extended Linear Address Record";
    QTest::newRow("linear address")
        << record(4, 2, two) << "Bad HEX Extended Linear Address Record";
    // The record's second byte lands on 98112, one past the end.
    QTest::newRow("past the area") << linear(1) + record(0, 0x7F3F, two) << "BAD HEX address";
    // Base 65536 plus 0x7F40 is 98112, one past the end.
    QTest::newRow("second segment past the end")
        << linear(1) + record(0, 0x7F40, two) << "BAD HEX address";
    QTest::newRow("segment base past the end")
        << record(2, 0, QByteArray("\x20\x00", 2)) + record(0, 0, two) << "BAD HEX address";
    // The sum of base and address must not wrap round into the image.
    QTest::newRow("base near 4 GiB")
        << linear(0xFFFF) + record(0, 0xFFFF, two) << "BAD HEX address";
    QTest::newRow("double write") << record(0, 0x100, two) + record(0, 0x101, two)
                                  << "Double write";
}

void TestHexImage::errors()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, error);
    HexImage hex;
    QBuffer buffer(&lines);
    buffer.open(QIODevice::ReadOnly);
    try {
        hex.load(buffer, nullptr);
        QFAIL("no error raised");
    } catch (const QString& e) {
        QCOMPARE(e, error);
    }
    QCOMPARE(hex.data().mid(0, 64), QByteArray(64, char(0xFF)));
}

void TestHexImage::dataRecords_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("at");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("loaded");
    const QByteArray abc("\xAB\xCD\xEF", 3);
    QTest::newRow("plain") << record(0, 0x0123, abc) << 0x123 << abc << 3;
    QTest::newRow("lower case") << record(0, 0x0123, abc, true) << 0x123 << abc << 3;
    QTest::newRow("no line end") << record(0, 0x10, abc).trimmed() << 0x10 << abc << 3;
    QTest::newRow("linear base 1") << linear(1) + record(0, 0x7F3D, abc) << 0x17F3D << abc << 3;
    QTest::newRow("segment base") << record(2, 0, QByteArray("\x10\x00", 2)) + record(0, 4, abc)
                                  << 0x10004 << abc << 3;
    QTest::newRow("end record then more") << record(1, 0, {}) + record(0, 8, abc) << 8 << abc << 3;
    // 0xFF is stored but looks unloaded, so the same byte may be loaded again.
    QTest::newRow("0xFF written twice")
        << record(0, 0x20, QByteArray(1, char(0xFF))) + record(0, 0x20, QByteArray(1, char(0x42)))
        << 0x20 << QByteArray(1, char(0x42)) << 2;
    QTest::newRow("last byte") << record(0, 0x7F3F, QByteArray()) + linear(1) +
                                      record(0, 0x7F3F, QByteArray(1, char(0x5A)))
                               << 98111 << QByteArray(1, char(0x5A)) << 1;
}

void TestHexImage::dataRecords()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, at);
    QFETCH(QByteArray, bytes);
    QFETCH(int, loaded);
    HexImage hex;
    QBuffer buffer(&lines);
    buffer.open(QIODevice::ReadOnly);
    hex.load(buffer, nullptr);
    QCOMPARE(hex.data().mid(at, bytes.size()), bytes);
    QCOMPARE(hex.loaded(), quint32(loaded));
    // Nothing else was touched.
    int programmed = 0;
    for (char c : hex.data())
        programmed += quint8(c) != 0xFF;
    QCOMPARE(programmed, bytes.count(char(0xFF)) == bytes.size() ? 0 : bytes.size());
}

void TestHexImage::skippedAreas_data()
{
    QTest::addColumn<quint16>("upper");
    QTest::newRow("configuration 0x300000") << quint16(0x30);
    QTest::newRow("EEPROM 0xF00000") << quint16(0xF0);
}

void TestHexImage::skippedAreas()
{
    QFETCH(quint16, upper);
    HexImage hex;
    hex.parseLine(linear(upper));
    hex.parseLine(record(0, 0, QByteArray(16, char(0x11))));
    QCOMPARE(hex.loaded(), quint32(0));
    QCOMPARE(hex.data(), QByteArray(98112, char(0xFF)));
    // A base next to them is not skipped: its data lies far outside the area.
    hex.parseLine(linear(quint16(upper + 1)));
    QVERIFY_EXCEPTION_THROWN(hex.parseLine(record(0, 0, QByteArray(1, 0))), QString);
}

void TestHexImage::errorKeepsEarlierBytes()
{
    HexImage hex;
    hex.parseLine(record(0, 0, QByteArray("\x01\x02", 2)));
    QVERIFY_EXCEPTION_THROWN(hex.parseLine(record(0, 1, QByteArray("\x03", 1))), QString);
    QCOMPARE(hex.data().left(3), QByteArray("\x01\x02\xFF", 3));
}

void TestHexImage::loadedMessage_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << 0 << "0.0KB loaded (0.0% of firmware area)";
    QTest::newRow("half") << 49056 << "47.9KB loaded (50.0% of firmware area)";
    QTest::newRow("all") << 98112 << "95.8KB loaded (100.0% of firmware area)";
}

void TestHexImage::loadedMessage()
{
    QFETCH(int, bytes);
    QFETCH(QString, message);
    QByteArray lines;
    for (int at = 0; at < bytes; at += 32) {
        if (at % 65536 == 0)
            lines += linear(quint16(at >> 16));
        lines += record(0, quint16(at & 0xFFFF), QByteArray(std::min(32, bytes - at), 0x33));
    }
    HexImage hex;
    QBuffer buffer(&lines);
    buffer.open(QIODevice::ReadOnly);
    CollectingSink sink;
    hex.load(buffer, &sink);
    QCOMPARE(sink.lines, QStringList(message));
}

void TestHexImage::loadFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fw.hex");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    const QByteArray lines = record(0, 0, QByteArray("\x10\x20", 2)) + record(1, 0, {});
    f.write(lines);
    f.close();

    HexImage hex;
    hex.parseLine(record(0, 0x40, QByteArray("\x99", 1))); // loaded restarts at 0 ...
    QVector<qint64> positions;
    hex.load(path, nullptr, [&](qint64 pos, qint64 total) {
        QCOMPARE(total, qint64(lines.size()));
        positions.append(pos);
    });
    QCOMPARE(hex.loaded(), quint32(2));
    QCOMPARE(quint8(hex.data().at(0x40)), quint8(0x99)); // ... but bytes stay
    // Before each line, then reset.
    QCOMPARE(positions, (QVector<qint64>{0, record(0, 0, QByteArray(2, 0)).size(), 0}));
}

// The fuzzing corpus (fuzz/hex/corpus): every file ends in a clean load or one of the loader's
// own message texts, and the image stays consistent.
void TestHexImage::fuzzCorpus()
{
    const QString source = qEnvironmentVariable("BATHYRA_SOURCE_DIR");
    const QDir corpus(source + QStringLiteral("/fuzz/hex/corpus"));
    if (source.isEmpty() || !corpus.exists())
        QSKIP("fuzz/hex/corpus not found");
    const QStringList known = {"Bad HEX format",
                               "Bad HEX checksum",
                               "Bad HEX subtype",
                               "BAD HEX address",
                               "Double write",
                               "Bad HEX Segment Address record",
                               "Bad HEX Extended Linear Address Record"};
    const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 10);
    int clean = 0;
    for (const QFileInfo& file : files) {
        HexImage hex;
        try {
            hex.load(file.filePath(), nullptr);
            ++clean;
        } catch (const QString& e) {
            QVERIFY2(known.contains(e), qPrintable(file.fileName() + ": " + e));
        }
        QCOMPARE(hex.data().size(), int(HexImage::FirmwareSize));
        int programmed = 0;
        for (char c : hex.data())
            programmed += quint8(c) != 0xFF;
        QVERIFY2(quint32(programmed) <= hex.loaded(), qPrintable(file.fileName()));
    }
    QVERIFY(clean > 0);
}

QTEST_GUILESS_MAIN(TestHexImage)
#include "test_hex_image.moc"
