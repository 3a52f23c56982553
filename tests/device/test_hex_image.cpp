// Intel HEX loading into the firmware image: one table of records, the error of every broken
// one, data records and the skipped configuration areas, address arithmetic at the ends of the
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
    void records_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("error"); // the error raised, or empty
        QTest::addColumn<int>("at");        // where the loaded bytes lie
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("loaded");
        auto bad = [](const char* name, const QByteArray& lines, const char* error) {
            QTest::newRow(name) << lines << QString(error) << 0 << QByteArray() << 0;
        };
        auto good = [](const char* name, const QByteArray& lines, int at, const QByteArray& bytes,
                       int loaded) {
            QTest::newRow(name) << lines << QString() << at << bytes << loaded;
        };
        const QByteArray two("\x12\x34", 2), abc("\xAB\xCD\xEF", 3), ones(16, char(0x11));
        bad("no colon", "020000040000FA\n", "Bad HEX format");
        bad("checksum", ":0200000012340B\n", "Bad HEX checksum");
        bad("type 3", hexRecord(3, 0, QByteArray(4, 0)), "Bad HEX subtype");
        bad("segment count", hexRecord(2, 0, QByteArray(3, 0)), "Bad HEX Segment Address record");
        bad("segment address", hexRecord(2, 4, two), "Bad HEX Segment Address record");
        bad("linear count", hexRecord(4, 0, QByteArray(1, 0)),
            "Bad HEX Extended Linear Address Record");
        bad("linear address", hexRecord(4, 2, two), "Bad HEX Extended Linear Address Record");
        // The record's second byte lands on 98112, one past the end; bytes loaded before an
        // error stay.
        QTest::newRow("past the area") << hexLinear(1) + hexRecord(0, 0x7F3F, two)
                                       << "BAD HEX address" << 98111 << two.left(1) << 1;
        // The sum of base and address must not wrap round into the image.
        bad("base near 4 GiB", hexLinear(0xFFFF) + hexRecord(0, 0xFFFF, two), "BAD HEX address");
        // Bases next to the skipped areas are not skipped: their data lies outside the area.
        bad("base 0x310000", hexLinear(0x31) + hexRecord(0, 0, two), "BAD HEX address");
        QTest::newRow("double write")
            << hexRecord(0, 0, two) + hexRecord(0, 1, two) << "Double write" << 0 << two << 2;
        good("plain", hexRecord(0, 0x0123, abc), 0x123, abc, 3);
        good("lower case", hexRecord(0, 0x0123, abc, true), 0x123, abc, 3);
        good("no line end", hexRecord(0, 0x10, abc).trimmed(), 0x10, abc, 3);
        good("segment base", hexRecord(2, 0, QByteArray("\x10\x00", 2)) + hexRecord(0, 4, abc),
             0x10004, abc, 3);
        // 0xFF is stored but looks unloaded, so the same byte may be loaded again.
        good("0xFF written twice",
             hexRecord(0, 0x20, QByteArray(1, char(0xFF))) +
                 hexRecord(0, 0x20, QByteArray(1, char(0x42))),
             0x20, QByteArray(1, char(0x42)), 2);
        good("last byte", hexLinear(1) + hexRecord(0, 0x7F3F, QByteArray(1, char(0x5A))), 98111,
             QByteArray(1, char(0x5A)), 1);
        // The configuration and EEPROM areas are skipped.
        good("configuration 0x300000", hexLinear(0x30) + hexRecord(0, 0, ones), 0, {}, 0);
        good("EEPROM 0xF00000", hexLinear(0xF0) + hexRecord(0, 0, ones), 0, {}, 0);
    }

    void records()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, error);
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        QFETCH(int, loaded);
        HexImage hex;
        CollectingSink sink;
        QCOMPARE(load(hex, lines, &sink), error);
        QCOMPARE(hex.data().mid(at, bytes.size()), bytes);
        QCOMPARE(programmed(hex), bytes.size()); // nothing else was touched
        if (error.isEmpty())
            QCOMPARE(sink.lines, QStringList(hex.loadedMessage()));
        QCOMPARE(hex.loaded(), quint32(loaded));
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
        // Before each line, then reset.
        QCOMPARE(positions.size(), lines.count('\n') + 1);
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
