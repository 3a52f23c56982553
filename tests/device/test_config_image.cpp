// The configuration image and its custom-function table: every row and the per-value
// check, the byte layout of the default image, raw access, custom text, validation
// (stopping errors, CF findings, battery block), the merge of user settings and the
// readback comparison.
#include "device/config_image.h"
#include "device/message_sink.h"

#include <QtTest>

namespace
{

// A fixed "today" keeps the date checks independent of the clock: 15 March 2026.
const QDate today(2026, 3, 15);

// Applies changes such as "serial=99 deco=7 cf5=2 min=-301 charge=3.0.26" to an image:
// words and bytes by name, custom functions by number, dates as month.day.year.
void change(ConfigImage& im, const QString& changes)
{
    using C = ConfigImage;
    static const QMap<QString, int> words{
        {"serial", C::serial},      {"min", C::min_temperature}, {"max", C::max_temperature},
        {"low", C::battery_low_mv}, {"cycles", C::cycle_count},  {"total", C::total_cycle_count}};
    static const QMap<QString, int> bytes{
        {"major", C::firmware_major}, {"minor", C::firmware_minor}, {"deco", C::deco_type}};
    static const QMap<QString, int> dates{
        {"charge", C::last_charge_date}, {"a", C::date_a}, {"b", C::date_b}, {"c", C::date_c}};
    for (const QString& c : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = c.section('=', 0, 0);
        const QString value = c.section('=', 1);
        if (words.contains(key))
            im.setWord(words[key], quint16(value.toInt()));
        else if (bytes.contains(key))
            im.setByte(bytes[key], quint8(value.toInt()));
        else if (key.startsWith("cf"))
            im.setCf(key.mid(2).toInt(), quint16(value.toInt()));
        else
            for (int i = 0; i < 3; ++i)
                im.setByte(dates.value(key) + i, quint8(value.section('.', i, i).toInt()));
    }
}

} // namespace

class TestConfigImage : public QObject
{
    Q_OBJECT

private slots:
    // ---- custom-function table -----------------------------------------------------------

    void cfTable()
    {
        // Every default passes its own check; colour, on/off and unused rows take any value.
        for (int n = 0; n < ConfigImage::CfCount; ++n) {
            const CfDefinition& row = ConfigImage::cfDefinition(n);
            QVERIFY2(ConfigImage::checkCf(n, row.def).isEmpty(),
                     qPrintable(ConfigImage::cfName(n)));
            if (row.type == 7 || row.type == 8 || n >= 70)
                QVERIFY(ConfigImage::checkCf(n, 0x8000).isEmpty());
        }
        QCOMPARE(ConfigImage::cfName(7), QStringLiteral("CF07"));
        QVERIFY_EXCEPTION_THROWN(ConfigImage::cfDefinition(-1), QString);
        QVERIFY_EXCEPTION_THROWN(ConfigImage::checkCf(96, 0), QString);
    }

    void checkCf_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("message");
        // 8-bit integer, 3..18; unsigned rows compare unsigned: 0x8000 is large, not negative.
        QTest::newRow("CF05 0x8000") << 5 << 0x8000 << "value 32768, max 18";
        // Hundredths are printed scaled (tenths in the validation table).
        QTest::newRow("CF46 hundredths above max") << 46 << 162 << "value 1.62, max 1.61";
        QTest::newRow("CF56 16-bit below min") << 56 << 4 << "value 4, min 5";
        QTest::newRow("CF08 percent above max") << 8 << 100 << "value 100, max 99 %";
        // No upper limit when the maximum is not above the minimum.
        QTest::newRow("CF06 below min") << 6 << 949 << "value 949, min 950";
        // The signed row compares signed numbers.
        QTest::newRow("CF48 above 120 has no max") << 48 << 121 << "";
    }

    void checkCf()
    {
        QFETCH(int, n);
        QFETCH(int, raw);
        QFETCH(QString, message);
        QCOMPARE(ConfigImage::checkCf(n, quint16(raw)), message);
    }

    // ---- bytes ---------------------------------------------------------------------------

    void rawAccess()
    {
        ConfigImage im;
        QVERIFY_EXCEPTION_THROWN(im.word(767), QString); // 766 is the last word
        QVERIFY_EXCEPTION_THROWN(im.setWord(-1, 0), QString);
        // The custom text: at most 25 Latin-1 characters padded with '}', its flag set when not
        // empty; the byte after it is not touched.
        im.setByte(90, 'z');
        im.setCustomText(QString(26, QChar(0xE4)));
        QCOMPARE(im.toByteArray().mid(64, 27), '\x01' + QByteArray(25, '\xE4') + 'z');
        im.setCustomText("Tauchgänge");
        QCOMPARE(im.customText(), QStringLiteral("Tauchgänge"));
        QCOMPARE(im.toByteArray().mid(65, 25), "Tauchg\xE4nge" + QByteArray(15, '}'));
        // Whole images and banks of the wrong size or number are refused, the image unchanged.
        const ConfigImage before = im;
        QVERIFY_EXCEPTION_THROWN(im.fromByteArray(QByteArray(767, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.setBank(1, QByteArray(255, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.setBank(3, QByteArray(256, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.setBank(-1, QByteArray(256, 'x')), QString);
        QVERIFY_EXCEPTION_THROWN(im.bank(3), QString);
        QVERIFY(im == before);
        ConfigImage other;
        other.setBank(2, QByteArray(256, 'x'));
        QCOMPARE(other.toByteArray(), QByteArray(512, '\0') + QByteArray(256, 'x'));
        QVERIFY(other != im && other.bank(2) == QByteArray(256, 'x'));
        other.fromByteArray(im.toByteArray());
        QVERIFY(other == im);
    }

    void defaultImageLayout()
    {
        // The expected bytes, built without the accessors.
        QByteArray e(768, '\0');
        auto put16 = [&e](int at, int v) {
            e[at] = char(v & 0xFF);
            e[at + 1] = char((v >> 8) & 0xFF);
        };
        put16(0, 0xFFFF);
        for (int at = 4; at <= 24; at += 2)
            e[at] = 21; // default and current O2 of gases 1..5, gas 6 O2; He stays 0
        const int bytes[] = {26,  100, 33, 1,   36, 100, 37, 100, 38,
                             100, 92,  71, 256, 21, 257, 2,  258, 20};
        for (int i = 0; i < int(std::size(bytes)); i += 2)
            e[bytes[i]] = char(bytes[i + 1]);
        // The battery block reset to today: four dates, 5.000 V, 200, 1 and 1 cycles, 10 degrees.
        for (int at : {42, 47, 56, 61}) {
            e[at] = 3;
            e[at + 1] = 15;
            e[at + 2] = 26;
        }
        for (const auto& [at, v] :
             {std::pair{40, 5000}, {45, 200}, {50, 1}, {52, 1}, {54, 100}, {59, 100}})
            put16(at, v);
        for (int n = 0; n < 96; ++n) {
            const int at = 256 * (n / 32) + 128 + 4 * (n % 32);
            put16(at, ConfigImage::cfDefinition(n).def);
            put16(at + 2, ConfigImage::cfDefinition(n).def);
        }
        const QByteArray actual = ConfigImage::defaultImage(today).toByteArray();
        for (int i = 0; i < 768; ++i)
            QVERIFY2(actual.at(i) == e.at(i), qPrintable(QString("byte %1").arg(i)));
    }

    // ---- validation ----------------------------------------------------------------------

    void validate_data()
    {
        QTest::addColumn<QString>("changes"); // over the default image, see change()
        QTest::addColumn<QString>("result");  // "ok", "bad" or the stopping error thrown
        QTest::addColumn<QString>("lines");   // the findings written, '|' between lines
        auto row = [](const char* name, const char* changes, const char* result,
                      const char* lines) {
            QTest::newRow(name) << QString(changes) << QString(result) << QString(lines);
        };
        const char* serial = "EEPROM: bad serial";
        const char* firmware = "EEPROM: bad firmware version";
        // Stopping errors, in their order, before anything is written (CF05 is out of range).
        row("serial 99", "serial=99", serial, "");
        row("serial 10001", "serial=10001", serial, "");
        row("firmware 0.50", "major=0 minor=50", firmware, "");
        row("firmware 4.0", "major=4 minor=0", firmware, "");
        row("firmware 2.100", "minor=100", firmware, "");
        row("deco 7", "deco=7", "EEPROM: bad deco type", "");
        row("serial before firmware", "serial=5 major=9 deco=9 cf5=2", serial, "");
        // Every limit just inside, low and high.
        row("low limits",
            "serial=100 major=1 minor=0 min=-300 max=-50 low=3000 cycles=0 total=0 "
            "charge=12.31.9 a=1.1.9 b=12.31.9 c=6.30.26",
            "ok", "");
        row("high limits",
            "serial=10000 major=3 minor=99 deco=6 min=300 max=290 low=7000 "
            "cycles=1000 total=1000 c=12.31.26",
            "ok", "");
        // Custom functions out of range are findings only.
        row("CF findings", "cf5=2 cf16=25 cf48=65280", "ok",
            "Bad CF settings:|&nbsp;&nbsp;<b>CF05: <font color='red'>value 2, min 3</font></b>|"
            "&nbsp;&nbsp;<b>CF16: <font color='red'>value 2.5, max 2.0</font></b>|"
            "&nbsp;&nbsp;<b>CF48: <font color='red'>value -256, min -120</font></b>");
        // The battery block: every finding written, any but a missing charge date makes it bad.
        row("hot minimum", "min=400", "bad",
            "Battery: bad min tp 40.0°C|Battery: bad min/max tp 40.0°C 10.0°C");
        row("no last charge", "charge=0.0.0", "ok", "Battery: no last charge date");
        row("date C day 32", "c=1.32.20", "bad", "Battery: bad date");
        // Every field just outside its limits, in the order of the findings; the first bad date
        // is the only one reported.
        row("just below",
            "min=-301 max=-51 low=2999 cycles=-1 total=-1 charge=3.0.26 a=1.1.8 b=0.1.20", "bad",
            "Battery: bad min tp -30.1°C|Battery: bad max tp -5.1°C|Battery: bad low 2.999 volt|"
            "Battery: bad cycle count -1|Battery: bad total cycle count -1|"
            "Battery: bad last charge date|Battery: bad date");
        row("just above", "min=301 max=501 low=7001 cycles=1001 total=1001 charge=13.1.20 a=1.1.27",
            "bad",
            "Battery: bad min tp 30.1°C|Battery: bad max tp 50.1°C|Battery: bad low 7.001 volt|"
            "Battery: bad cycle count 1001|Battery: bad total cycle count 1001|"
            "Battery: bad last charge date|Battery: bad date");
    }

    void validate()
    {
        QFETCH(QString, changes);
        QFETCH(QString, result);
        QFETCH(QString, lines);
        ConfigImage im = ConfigImage::defaultImage(today);
        change(im, changes);
        CollectingSink sink;
        QString thrown;
        bool ok = false;
        try {
            ok = im.validate(&sink, today);
            QCOMPARE(im.validate(nullptr, today), ok); // no sink: the same result
        } catch (const QString& e) {
            thrown = e;
        }
        QCOMPARE(thrown.isEmpty() ? QString(ok ? "ok" : "bad") : thrown, result);
        QCOMPARE(sink.lines.join('|'), lines);
    }

    // ---- merge and readback --------------------------------------------------------------

    void takeUserSettings()
    {
        // The image as read from the device, and the edited settings: every byte that must not
        // be copied differs between them.
        ConfigImage device = ConfigImage::defaultImage(QDate(2024, 7, 2));
        device.setCustomText("Old text on device");
        ConfigImage edited;
        for (int i = 0; i < 768; ++i)
            edited.setByte(i, i >= 6 && i <= 38 ? quint8(i) : 0xEE);
        edited.setByte(ConfigImage::deco_type, 4);
        for (int n = 0; n < 96; ++n)
            edited.setCf(n, ConfigImage::cfDefinition(n).def);
        edited.setCf(5, 2); // a finding, reported
        edited.setCustomText("New text");

        // Copied: current gas mixes, gas 6, salinity to deco mode, setpoints, CF values, text.
        QSet<int> copied;
        for (int at : {6, 10, 14, 18, 22})
            copied << at << at + 1;
        for (int at = 24; at <= 38; ++at)
            if (at != 35)
                copied << at;
        for (int at = ConfigImage::text_on; at < ConfigImage::text + ConfigImage::TextLength; ++at)
            copied << at;
        for (int n = 0; n < 96; ++n)
            copied << ConfigImage::cfOffset(n) + 2 << ConfigImage::cfOffset(n) + 3;
        const ConfigImage original = device;
        CollectingSink sink;
        QVERIFY(device.takeUserSettings(edited, &sink, today));
        QCOMPARE(sink.lines.size(), 2);
        for (int i = 0; i < 768; ++i)
            QVERIFY2(device.byte(i) == (copied.contains(i) ? edited : original).byte(i),
                     qPrintable(QString("byte %1").arg(i)));
        // A text the user switched off is not carried over.
        edited.setByte(ConfigImage::text_on, 0);
        QVERIFY(device.takeUserSettings(edited, nullptr, today));
        QCOMPARE(device.toByteArray().mid(64, 26), QByteArray(1, 0) + QByteArray(25, '}'));
    }

    void equalForReadback_data()
    {
        QTest::addColumn<QList<int>>("changed");
        QTest::addColumn<bool>("equal");
        QTest::newRow("last battery byte") << QList<int>{63} << true;
        QTest::newRow("byte after the block") << QList<int>{64} << false;
        QTest::newRow("battery and a CF") << QList<int>{50, 130} << false;
    }

    void equalForReadback()
    {
        QFETCH(QList<int>, changed);
        QFETCH(bool, equal);
        const ConfigImage original = ConfigImage::defaultImage(today);
        ConfigImage sent = original;
        ConfigImage read = sent;
        for (int at : changed)
            read.setByte(at, read.byte(at) ^ 0x5A);
        QCOMPARE(sent.equalForReadback(read), equal);
        // The block is taken from the image read back; nothing else changes.
        QByteArray expected = original.toByteArray();
        expected.replace(40, 24, read.toByteArray().mid(40, 24));
        QCOMPARE(sent.toByteArray(), expected);
    }
};

QTEST_GUILESS_MAIN(TestConfigImage)
#include "test_config_image.moc"
