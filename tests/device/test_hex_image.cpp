// SPDX-License-Identifier: GPL-3.0-or-later
// Intel HEX loading into the firmware image: a table of records (data/hex_records.txt) with the
// error of every broken one, data records and the skipped areas, address arithmetic at the ends
// of the area, and the fuzzing corpus replayed; file loading with its progress and summary line.
#include "device/hex_image.h"
#include "device/message_sink.h"
#include "device_fixtures.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

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
        QTest::addColumn<QString>("error"); // the error raised, or empty; "*" clean or any of them
        QTest::addColumn<int>("at");        // where the loaded bytes lie
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("loaded");
        for (const QStringList& r : dataTable("hex_records.txt")) {
            QTest::newRow(qPrintable(r[0]))
                << r[1].toLatin1().replace(' ', "\r\n") << r[2] << r[3].toInt(nullptr, 0)
                << QByteArray::fromHex(r[4].toLatin1()) << r[5].toInt();
            errors << r[2];
        }
        // The fuzzing corpus: every file loads cleanly or fails with one of the texts above.
        const QDir corpus(BATHYRA_SOURCE_DIR "/fuzz/hex/corpus");
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        if (files.size() < 10)
            qFatal("%s not found", qPrintable(corpus.path()));
        for (const QFileInfo& file : files) {
            QFile f(file.filePath());
            QTest::newRow(qPrintable("corpus " + file.fileName()))
                << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()) << "*" << 0
                << QByteArray() << 0;
        }
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
        QBuffer buffer(&lines);
        buffer.open(QIODevice::ReadOnly);
        const QString thrown = errorOf([&] { hex.load(buffer, error == "*" ? nullptr : &sink); });
        QCOMPARE(hex.data().size(), int(HexImage::FirmwareSize));
        if (error == "*") { // and the image holds no more bytes than the loader counted
            QVERIFY2(thrown.isEmpty() || errors.contains(thrown.section(" (line ", 0, 0)),
                     qPrintable(thrown));
            QVERIFY(quint32(programmed(hex)) <= hex.loaded());
            return;
        }
        // The text and the line it was found in.
        QCOMPARE(thrown.section(" (line ", 0, 0), error);
        if (!error.isEmpty() && !error.startsWith("Missing"))
            QCOMPARE(thrown.section(" (line ", 1), // the last record
                     QString::number(lines.count('\n') + 1) + ")");
        QCOMPARE(hex.data().mid(at, bytes.size()), bytes);
        QCOMPARE(programmed(hex), bytes.size()); // nothing else was touched
        QCOMPARE(sink.lines, error.isEmpty() ? QStringList(hex.loadedMessage()) : QStringList());
        QCOMPARE(hex.loaded(), quint32(loaded));
    }

    void loadFile()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("fw.hex"));
        const QByteArray lines = hexFile(QByteArray(49056, 0x33), 32);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(lines) == lines.size());
        f.close();
        HexImage hex;
        hex.parseLine(":01C0000099A6"); // loaded restarts at 0 ...
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

private:
    QStringList errors; // every text of the table above
};

QTEST_GUILESS_MAIN(TestHexImage)
#include "test_hex_image.moc"
