// Intel HEX loading into the firmware image: the error of every broken record, data
// records and the skipped configuration areas, address arithmetic at the ends of the
// area, file loading with its progress and summary line, and the fuzzing corpus replayed.
#include "device/hex_image.h"
#include "device/message_sink.h"
#include "hex_records.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Loads the text into a fresh image; the error raised, if any.
QString load(HexImage& hex, QByteArray text, MessageSink* sink = nullptr)
{
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    try {
        hex.load(buffer, sink);
    } catch (const QString& e) {
        return e;
    }
    return QString();
}

int programmed(const HexImage& hex)
{
    return int(hex.data().size() - hex.data().count(char(0xFF)));
}

} // namespace

class TestHexImage : public QObject
{
    Q_OBJECT

private slots:
    void errors_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("error");
        const QByteArray two("\x12\x34", 2);
        QTest::newRow("no colon") << QByteArray("020000040000FA\n") << "Bad HEX format";
        QTest::newRow("checksum") << QByteArray(":0200000012340B\n") << "Bad HEX checksum";
        QTest::newRow("type 3") << hexRecord(3, 0, QByteArray(4, 0)) << "Bad HEX subtype";
        QTest::newRow("segment count")
            << hexRecord(2, 0, QByteArray(3, 0)) << "Bad HEX Segment Address record";
        QTest::newRow("segment address")
            << hexRecord(2, 4, two) << "Bad HEX Segment Address record";
        QTest::newRow("linear count")
            << hexRecord(4, 0, QByteArray(1, 0)) << "Bad HEX Extended Linear Address Record";
        QTest::newRow("linear address")
            << hexRecord(4, 2, two) << "Bad HEX Extended Linear Address Record";
        // The record's second byte lands on 98112, one past the end.
        QTest::newRow("past the area")
            << hexLinear(1) + hexRecord(0, 0x7F3F, two) << "BAD HEX address";
        // The sum of base and address must not wrap round into the image.
        QTest::newRow("base near 4 GiB")
            << hexLinear(0xFFFF) + hexRecord(0, 0xFFFF, two) << "BAD HEX address";
        // Bases next to the skipped areas are not skipped: their data lies outside the area.
        QTest::newRow("base 0x310000")
            << hexLinear(0x31) + hexRecord(0, 0, two) << "BAD HEX address";
        // Bytes loaded before an error stay.
        QTest::newRow("double write")
            << hexRecord(0, 0, two) + hexRecord(0, 1, two) << "Double write";
    }

    void errors()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, error);
        HexImage hex;
        QCOMPARE(load(hex, lines), error);
        const QByteArray start = error == "Double write" ? QByteArray("\x12\x34", 2) : QByteArray();
        QCOMPARE(hex.data().left(64), start + QByteArray(64 - start.size(), char(0xFF)));
    }

    void dataRecords_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("loaded");
        const QByteArray abc("\xAB\xCD\xEF", 3), ones(16, char(0x11));
        QTest::newRow("plain") << hexRecord(0, 0x0123, abc) << 0x123 << abc << 3;
        QTest::newRow("lower case") << hexRecord(0, 0x0123, abc, true) << 0x123 << abc << 3;
        QTest::newRow("no line end") << hexRecord(0, 0x10, abc).trimmed() << 0x10 << abc << 3;
        QTest::newRow("segment base")
            << hexRecord(2, 0, QByteArray("\x10\x00", 2)) + hexRecord(0, 4, abc) << 0x10004 << abc
            << 3;
        // 0xFF is stored but looks unloaded, so the same byte may be loaded again.
        QTest::newRow("0xFF written twice") << hexRecord(0, 0x20, QByteArray(1, char(0xFF))) +
                                                   hexRecord(0, 0x20, QByteArray(1, char(0x42)))
                                            << 0x20 << QByteArray(1, char(0x42)) << 2;
        QTest::newRow("last byte") << hexLinear(1) + hexRecord(0, 0x7F3F, QByteArray(1, char(0x5A)))
                                   << 98111 << QByteArray(1, char(0x5A)) << 1;
        // The configuration and EEPROM areas are skipped.
        QTest::newRow("configuration 0x300000")
            << hexLinear(0x30) + hexRecord(0, 0, ones) << 0 << QByteArray() << 0;
        QTest::newRow("EEPROM 0xF00000")
            << hexLinear(0xF0) + hexRecord(0, 0, ones) << 0 << QByteArray() << 0;
    }

    void dataRecords()
    {
        QFETCH(QByteArray, lines);
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(int, loaded);
        HexImage hex;
        CollectingSink sink;
        QCOMPARE(load(hex, lines, &sink), QString());
        QCOMPARE(hex.data().mid(at, bytes.size()), bytes);
        QCOMPARE(hex.loaded(), quint32(loaded));
        QCOMPARE(programmed(hex), bytes.size()); // nothing else was touched
        QCOMPARE(sink.lines, QStringList(hex.loadedMessage()));
    }

    void loadFile()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("fw.hex"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray lines = hexFile(QByteArray(49056, 0x33), 32);
        f.write(lines);
        f.close();
        HexImage hex;
        hex.parseLine(hexRecord(0, 0xC000, QByteArray("\x99", 1))); // loaded restarts at 0 ...
        QVector<qint64> positions;
        CollectingSink sink;
        hex.load(f.fileName(), &sink, [&](qint64 pos, qint64 total) {
            QCOMPARE(total, qint64(lines.size()));
            positions.append(pos);
        });
        QCOMPARE(quint8(hex.data().at(0xC000)), quint8(0x99)); // ... but bytes stay
        QCOMPARE(sink.lines, QStringList("47.9KB loaded (50.0% of firmware area)"));
        QCOMPARE(HexImage().loadedMessage(),
                 QStringLiteral("0.0KB loaded (0.0% of firmware area)"));
        // Before each line, then reset.
        QCOMPARE(positions.size(), lines.count('\n') + 1);
        QCOMPARE(positions.mid(1, 2),
                 (QVector<qint64>{hexLinear(0).size(), hexLinear(0).size() + 77}));
        QCOMPARE(positions.last(), qint64(0));
        QVERIFY_EXCEPTION_THROWN(hex.load(dir.filePath("none.hex"), nullptr), QString);
    }

    // The fuzzing corpus: every file ends in a clean load or one of the loader's own message
    // texts, and the image stays consistent.
    void fuzzCorpus()
    {
        const QString source = qEnvironmentVariable("BATHYRA_SOURCE_DIR");
        const QDir corpus(source + QStringLiteral("/fuzz/hex/corpus"));
        if (source.isEmpty() || !corpus.exists())
            QSKIP("fuzz/hex/corpus not found");
        const QRegularExpression known(
            "^(Bad HEX (format|checksum|subtype|Segment Address record|"
            "Extended Linear Address Record)|BAD HEX address|Double write)$");
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 10);
        int clean = 0;
        for (const QFileInfo& file : files) {
            HexImage hex;
            try {
                hex.load(file.filePath(), nullptr);
                ++clean;
            } catch (const QString& e) {
                QVERIFY2(known.match(e).hasMatch(), qPrintable(file.fileName() + ": " + e));
            }
            QCOMPARE(hex.data().size(), int(HexImage::FirmwareSize));
            QVERIFY2(quint32(programmed(hex)) <= hex.loaded(), qPrintable(file.fileName()));
        }
        QVERIFY(clean > 0);
    }
};

QTEST_GUILESS_MAIN(TestHexImage)
#include "test_hex_image.moc"
