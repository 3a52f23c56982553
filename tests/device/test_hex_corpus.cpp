// Replays the HEX fuzzing corpus (fuzz/hex/corpus) through the loader: every file ends in
// a clean load or one of the loader's own message texts, and the image stays consistent.
#include "device/hex_image.h"

#include <QDir>
#include <QtTest>

class TestHexCorpus : public QObject
{
    Q_OBJECT

private slots:
    void replay();
};

void TestHexCorpus::replay()
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

QTEST_GUILESS_MAIN(TestHexCorpus)
#include "test_hex_corpus.moc"
