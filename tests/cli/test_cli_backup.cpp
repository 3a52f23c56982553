// bathyra-cli backs a dive computer up into a parameter file and restores it, and
// upgrades its firmware, end to end against the simulator program. The protocol's own
// pauses make these runs take tens of seconds.
#include "ostc_sim_process.h"

#include "device/hex_image.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString folded(QString text) { return text.replace(QRegularExpression("\\s+"), " "); }
bool shows(const QString& out, const QString& text) { return folded(out).contains(folded(text)); }

// One Intel HEX record.
QByteArray record(int type, quint16 address, const QByteArray& data)
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char(address >> 8));
    bytes.append(char(address & 0xFF));
    bytes.append(char(type));
    bytes.append(data);
    quint8 sum = 0;
    for (char c : bytes)
        sum = quint8(sum + quint8(c));
    bytes.append(char(quint8(-sum)));
    return ':' + bytes.toHex().toUpper() + '\n';
}

QByteArray pattern(int size, int seed)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data.append(char((i * 7 + seed) % 255)); // never 0xFF
    return data;
}

} // namespace

class TestCliBackup : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void backupAndRestore();
    void firmwareUpgrade();
};

void TestCliBackup::backupAndRestore()
{
    SimProcess sim;
    QVERIFY(!sim.port().isEmpty());
    const QString backup = path("backup.div");
    const QString changed = path("changed.div");
    const QString restored = path("restored.div");

    CliResult r = runCli({"--port", sim.port(), "download", "--save-params", backup});
    QCOMPARE(r.code, 0);

    // Change the computer: a gas and a gradient factor edited on the backup's values.
    r = runCli({"--params", backup, "--port", sim.port(), "--set", "O2_2=50", "--set", "GF_low=40", "upload",
                "download", "--save-params", changed});
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "CFI... CFI done.CFII... CFII done.CFIII... CFIII done.Programming OSTC"), qPrintable(r.out));
    QMap<QString, QString> expected = paramKeys(backup);
    const QMap<QString, QString> edited = paramKeys(changed);
    QCOMPARE(edited.value("Gas1/current/O2"), QStringLiteral("50"));
    QCOMPARE(edited.value("CF32/value"), QStringLiteral("40"));
    QVERIFY(expected.value("Gas1/current/O2") != "50");
    QVERIFY(expected.value("CF32/value") != "40");
    expected["Gas1/current/O2"] = "50";
    expected["CF32/value"] = "40";
    QCOMPARE(edited, expected); // nothing else moved

    // Restore: the computer holds the backup again, key for key.
    r = runCli({"--params", backup, "--port", sim.port(), "upload"});
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "Programming OSTC"), qPrintable(r.out));
    r = runCli({"--port", sim.port(), "download", "--save-params", restored});
    QCOMPARE(r.code, 0);
    QCOMPARE(paramKeys(restored), paramKeys(backup));
    QVERIFY(sim.finish().contains("bank writes: 2 2 2"));
}

void TestCliBackup::firmwareUpgrade()
{
    // Block 0, a piece in the middle and one above 64 KB through a linear address.
    const QByteArray first = pattern(64, 1);
    const QByteArray middle = pattern(200, 2);
    const QByteArray high = pattern(16, 3);
    QByteArray hex = record(0, 0x0000, first.left(32)) + record(0, 0x0020, first.mid(32));
    for (int i = 0; i < middle.size(); i += 16)
        hex += record(0, quint16(0x1000 + i), middle.mid(i, 16));
    hex += record(4, 0, QByteArray::fromHex("0001")) + record(0, 0x0100, high) + record(1, 0, {});
    const QString file = path("small.hex");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(hex);
    f.close();

    const QString program = path("program.bin");
    SimProcess sim({"--save-program", program});
    QVERIFY(!sim.port().isEmpty());
    const CliResult r = runCli({"--port", sim.port(), "firmware", file}, 300000);
    QCOMPARE(r.code, 0);
    QVERIFY2(shows(r.out, "Loading 'small.hex'"), qPrintable(r.out));
    const int loaded = first.size() + middle.size() + high.size();
    QVERIFY(shows(r.out, QString("%1KB loaded (%2% of firmware area)")
                             .arg(loaded / 1024.0, 0, 'f', 1)
                             .arg(loaded * 100.0 / HexImage::FirmwareSize, 0, 'f', 1)));
    QVERIFY(shows(r.out, "Starting OSTC upgrade..."));
    QVERIFY(shows(r.out, "100%"));
    QVERIFY(shows(r.out, "OSTC upgrade done. rebooting..."));

    const QString report = sim.finish();
    QVERIFY2(report.contains(QString("firmware blocks accepted: %1, refused: 0, rebooted")
                                 .arg(HexImage::FirmwareSize / 64)),
             qPrintable(report));
    const QByteArray memory = fileBytes(program);
    QVERIFY(memory.size() >= int(HexImage::FirmwareSize));
    QCOMPARE(memory.mid(0, 64), first);
    QCOMPARE(memory.mid(0x1000, middle.size()), middle);
    QCOMPARE(memory.mid(0x10100, high.size()), high);
    QCOMPARE(memory.mid(64, 64), QByteArray(64, char(0xFF))); // not in the file
}

QTEST_MAIN(TestCliBackup)
#include "test_cli_backup.moc"
