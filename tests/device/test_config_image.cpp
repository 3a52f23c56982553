// The configuration image: byte layout of the default image, raw access, custom text,
// validation messages, the merge of user settings and the readback comparison.
#include "device/config_image.h"
#include "device/message_sink.h"

#include <QtTest>

namespace
{

// A fixed "today" keeps the date checks independent of the clock: 15 March 2026.
const QDate today(2026, 3, 15);
const QChar deg(0xB0);

void setDate(ConfigImage& im, int at, const QByteArray& mdy)
{
    for (int i = 0; i < 3; ++i)
        im.setByte(at + i, quint8(mdy.at(i)));
}

QByteArray mdy(int m, int d, int y)
{
    QByteArray b;
    b.append(char(m)).append(char(d)).append(char(y));
    return b;
}

} // namespace

class TestConfigImage : public QObject
{
    Q_OBJECT

private slots:
    void rawAccess();
    void cfOffsets_data();
    void cfOffsets();
    void defaultImageLayout();
    void resetBatteryWritesWholeBlock();
    void wrongSizesThrow_data();
    void wrongSizesThrow();
    void customText_data();
    void customText();
    void stoppingErrors_data();
    void stoppingErrors();
    void cfFindingsAreReportedOnly();
    void battery_data();
    void battery();
    void takeUserSettings_data();
    void takeUserSettings();
    void equalForReadback_data();
    void equalForReadback();
};

void TestConfigImage::rawAccess()
{
    ConfigImage im;
    QCOMPARE(im.toByteArray(), QByteArray(768, '\0'));
    im.setWord(54, 0xFF88); // little-endian words, signed when asked
    QCOMPARE(im.toByteArray().mid(54, 2), QByteArray("\x88\xFF", 2));
    QCOMPARE(im.signedWord(54), qint16(-120));
    im.setWord(766, 0x1234);
    QCOMPARE(im.word(766), quint16(0x1234));
    QVERIFY_EXCEPTION_THROWN(im.word(767), QString);
    QVERIFY_EXCEPTION_THROWN(im.setWord(-1, 0), QString);
    im.setGasO2(3, 32);
    im.setGasHe(3, 10);
    im.setGasDepth(5, 6);
    im.setGasActive(1, true);
    im.setGasActive(4, true);
    im.setGasActive(1, false);
    QCOMPARE(im.toByteArray().mid(14, 2), QByteArray("\x20\x0A", 2));
    QCOMPARE(im.byte(32), quint8(6));
    QCOMPARE(im.byte(27), quint8(0x08));

    QByteArray pattern(768, '\0');
    for (int i = 0; i < 768; ++i)
        pattern[i] = char((i * 7 + i / 256) & 0xFF);
    im.fromByteArray(pattern);
    ConfigImage other;
    other.setBank(2, pattern.mid(512, 256));
    QCOMPARE(other.toByteArray(), QByteArray(512, '\0') + pattern.mid(512));
    other.setBank(0, pattern.left(256));
    other.setBank(1, im.bank(1));
    QVERIFY(other == im && !(other != im));
    other.setByte(300, other.byte(300) ^ 1);
    QVERIFY(other != im);
}

void TestConfigImage::cfOffsets_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("offset");
    QTest::newRow("CF00") << 0 << 128;
    QTest::newRow("CF06") << 6 << 152;
    QTest::newRow("CF31") << 31 << 252;
    QTest::newRow("CF32") << 32 << 384;
    QTest::newRow("CF43") << 43 << 428;
    QTest::newRow("CF48") << 48 << 448;
    QTest::newRow("CF63") << 63 << 508;
    QTest::newRow("CF64") << 64 << 640;
    QTest::newRow("CF95") << 95 << 764;
}

void TestConfigImage::cfOffsets()
{
    QFETCH(int, n);
    QFETCH(int, offset);
    QCOMPARE(ConfigImage::cfOffset(n), offset);
    // Default then current value, each low byte first.
    ConfigImage raw;
    raw.setCf(n, 0xBEEF);
    raw.setCfDefault(n, 0x1234);
    QCOMPARE(raw.byte(offset), quint8(0x34));
    QCOMPARE(raw.byte(offset + 1), quint8(0x12));
    QCOMPARE(raw.byte(offset + 2), quint8(0xEF));
    QCOMPARE(raw.byte(offset + 3), quint8(0xBE));
    QCOMPARE(raw.cf(n), quint16(0xBEEF));
    QCOMPARE(raw.cfDefault(n), quint16(0x1234));
}

void TestConfigImage::defaultImageLayout()
{
    // Build the expected bytes independently of the accessors.
    QByteArray e(768, '\0');
    auto put16 = [&e](int at, int v) {
        e[at] = char(v & 0xFF);
        e[at + 1] = char((v >> 8) & 0xFF);
    };
    put16(0, 0xFFFF);
    for (int at = 4; at <= 24; at += 2)
        e[at] = 21; // default and current O2 of gases 1..5, gas 6 O2; He stays 0
    e[26] = 100;
    e[33] = 1;
    e[36] = e[37] = e[38] = 100;
    put16(40, 5000);
    for (int at : {42, 47, 56, 61}) {
        e[at] = 3;
        e[at + 1] = 15;
        e[at + 2] = 26;
    }
    put16(45, 200);
    put16(50, 1);
    put16(52, 1);
    put16(54, 100);
    put16(59, 100);
    e[92] = 71;
    e[256] = 21;
    e[257] = 2;
    e[258] = 20;
    for (int n = 0; n < 96; ++n) {
        const int at = 256 * (n / 32) + 128 + 4 * (n % 32);
        put16(at, ConfigImage::cfDefinition(n).def);
        put16(at + 2, ConfigImage::cfDefinition(n).def);
    }

    const QByteArray actual = ConfigImage::defaultImage(today).toByteArray();
    QCOMPARE(actual.size(), 768);
    for (int i = 0; i < 768; ++i)
        QVERIFY2(actual.at(i) == e.at(i), qPrintable(QString("byte %1").arg(i)));

    const ConfigImage im = ConfigImage::defaultImage(today);
    QCOMPARE(im.byte(ConfigImage::active_gases), quint8(0));
    QCOMPARE(im.byte(ConfigImage::deco_type), quint8(0));
    QCOMPARE(im.byte(ConfigImage::text_on), quint8(0));
    QCOMPARE(im.customText(), QString());
}

void TestConfigImage::resetBatteryWritesWholeBlock()
{
    ConfigImage im;
    for (int i = 0; i < 768; ++i)
        im.setByte(i, 0xA5);
    im.resetBattery(QDate(2031, 12, 1));
    const quint8 expect[24] = {0x88, 0x13, 12,  1, 31, 200, 0,  12,  1, 31, 1, 0,
                               1,    0,    100, 0, 12, 1,   31, 100, 0, 12, 1, 31};
    for (int i = 0; i < 24; ++i)
        QCOMPARE(im.byte(40 + i), expect[i]);
    QCOMPARE(im.byte(39), quint8(0xA5));
    QCOMPARE(im.byte(64), quint8(0xA5));
}

void TestConfigImage::wrongSizesThrow_data()
{
    QTest::addColumn<int>("bank"); // -2: whole image
    QTest::addColumn<int>("size");
    QTest::newRow("image empty") << -2 << 0;
    QTest::newRow("image short") << -2 << 767;
    QTest::newRow("image long") << -2 << 769;
    QTest::newRow("bank short") << 1 << 255;
    QTest::newRow("bank long") << 0 << 257;
    QTest::newRow("bank 3") << 3 << 256;
    QTest::newRow("bank -1") << -1 << 256;
}

void TestConfigImage::wrongSizesThrow()
{
    QFETCH(int, bank);
    QFETCH(int, size);
    ConfigImage im = ConfigImage::defaultImage(today);
    const ConfigImage before = im;
    QString error;
    try {
        if (bank == -2)
            im.fromByteArray(QByteArray(size, 'x'));
        else
            im.setBank(bank, QByteArray(size, 'x'));
    } catch (const QString& e) {
        error = e;
    }
    QVERIFY(!error.isEmpty());
    if (bank == -2)
        QVERIFY2(error.contains("768") && error.contains(QString::number(size)), qPrintable(error));
    QVERIFY(im == before);
    if (bank == 3 || bank == -1)
        QVERIFY_EXCEPTION_THROWN(im.bank(bank), QString);
}

void TestConfigImage::customText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("flag");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("short") << "Hello" << QByteArray("Hello") + QByteArray(20, '}') << 1 << "Hello";
    QTest::newRow("empty") << "" << QByteArray(25, '}') << 0 << "";
    QTest::newRow("exactly 25") << QString(25, 'A') << QByteArray(25, 'A') << 1 << QString(25, 'A');
    QTest::newRow("too long is cut")
        << QString(30, 'B') << QByteArray(25, 'B') << 1 << QString(25, 'B');
    QTest::newRow("flag cleared") << "Dive safe" << QByteArray("Dive safe") + QByteArray(16, '}')
                                  << 0 << "";
    QTest::newRow("latin-1") << QString::fromUtf8("Tauchg\xC3\xA4nge")
                             << QByteArray("Tauchg\xE4nge") + QByteArray(15, '}') << 1
                             << QString::fromUtf8("Tauchg\xC3\xA4nge");
}

void TestConfigImage::customText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    QFETCH(int, flag);
    QFETCH(QString, readBack);
    ConfigImage im;
    for (int i = 65; i < 90; ++i)
        im.setByte(i, 'z');
    im.setByte(90, 0x5A);
    im.setCustomText(text);
    if (readBack.isEmpty() && !text.isEmpty())
        im.setByte(ConfigImage::text_on, 0); // the text stays, unshown
    QCOMPARE(int(im.byte(64)), flag);
    QCOMPARE(im.toByteArray().mid(65, 25), stored);
    QCOMPARE(im.byte(90), quint8(0x5A)); // the byte after the text is not touched
    QCOMPARE(im.customText(), readBack);
}

void TestConfigImage::stoppingErrors_data()
{
    QTest::addColumn<int>("serialNo");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("deco");
    QTest::addColumn<QString>("error");
    QTest::newRow("blank serial") << 0xFFFF << 2 << 20 << 0 << "";
    QTest::newRow("serial 0") << 0 << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("serial 99") << 99 << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("serial 100") << 100 << 2 << 20 << 0 << "";
    QTest::newRow("serial 10000") << 10000 << 2 << 20 << 0 << "";
    QTest::newRow("serial 10001") << 10001 << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("serial 0xFFFE") << 0xFFFE << 2 << 20 << 0 << "EEPROM: bad serial";
    QTest::newRow("firmware 0.x") << 0xFFFF << 0 << 50 << 0 << "EEPROM: bad firmware version";
    QTest::newRow("firmware 4.x") << 0xFFFF << 4 << 0 << 0 << "EEPROM: bad firmware version";
    QTest::newRow("firmware 1.0") << 0xFFFF << 1 << 0 << 0 << "";
    QTest::newRow("firmware 3.99") << 0xFFFF << 3 << 99 << 0 << "";
    QTest::newRow("firmware 2.100") << 0xFFFF << 2 << 100 << 0 << "EEPROM: bad firmware version";
    QTest::newRow("deco 6") << 0xFFFF << 2 << 20 << 6 << "";
    QTest::newRow("deco 7") << 0xFFFF << 2 << 20 << 7 << "EEPROM: bad deco type";
    QTest::newRow("serial before firmware") << 5 << 9 << 20 << 9 << "EEPROM: bad serial";
    QTest::newRow("firmware before deco")
        << 0xFFFF << 9 << 20 << 9 << "EEPROM: bad firmware version";
}

void TestConfigImage::stoppingErrors()
{
    QFETCH(int, serialNo);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, deco);
    QFETCH(QString, error);
    ConfigImage im = ConfigImage::defaultImage(today);
    im.setWord(ConfigImage::serial, quint16(serialNo));
    im.setByte(ConfigImage::firmware_major, quint8(major));
    im.setByte(ConfigImage::firmware_minor, quint8(minor));
    im.setByte(ConfigImage::deco_type, quint8(deco));
    im.setCf(5, 2); // a CF finding, which must not be written before a stopping error

    CollectingSink sink;
    QString thrown;
    bool result = false;
    try {
        result = im.validate(&sink, today);
    } catch (const QString& e) {
        thrown = e;
    }
    QCOMPARE(thrown, error);
    if (error.isEmpty()) {
        QVERIFY(result);
        QCOMPARE(sink.lines.size(), 2);
    } else {
        QVERIFY(sink.lines.isEmpty());
    }
}

void TestConfigImage::cfFindingsAreReportedOnly()
{
    ConfigImage im = ConfigImage::defaultImage(today);
    im.setCf(5, 2);
    im.setCf(16, 25);
    im.setCf(48, 0xFF00);
    CollectingSink sink;
    QVERIFY(im.validate(&sink, today));
    const QStringList expected{
        "Bad CF settings:",
        "&nbsp;&nbsp;<b>CF05: <font color='red'>value 2, min 3</font></b>",
        "&nbsp;&nbsp;<b>CF16: <font color='red'>value 2.5, max 2.0</font></b>",
        "&nbsp;&nbsp;<b>CF48: <font color='red'>value -256, min -120</font></b>",
    };
    QCOMPARE(sink.lines, expected);
    QVERIFY(im.validate(nullptr, today)); // no sink: the same result, nothing written
}

void TestConfigImage::battery_data()
{
    QTest::addColumn<int>("minT");
    QTest::addColumn<int>("maxT");
    QTest::addColumn<int>("lowMv");
    QTest::addColumn<int>("cycles");
    QTest::addColumn<int>("total");
    QTest::addColumn<QByteArray>("charge");
    QTest::addColumn<QByteArray>("dateA");
    QTest::addColumn<QByteArray>("dateB");
    QTest::addColumn<QByteArray>("dateC");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("ok");

    const QByteArray d = mdy(3, 15, 26);
    auto row = [&](const char* name, int minT, int maxT, int low, int cyc, int tot,
                   QByteArray charge, QByteArray a, QByteArray b, QByteArray c, QStringList lines,
                   bool ok) {
        QTest::newRow(name) << minT << maxT << low << cyc << tot << charge << a << b << c << lines
                            << ok;
    };
    row("reset values", 100, 100, 5000, 1, 1, d, d, d, d, {}, true);
    row("hot minimum", 400, 100, 5000, 1, 1, d, d, d, d,
        {"Battery: bad min tp 40.0" + QString(deg) + "C",
         "Battery: bad min/max tp 40.0" + QString(deg) + "C 10.0" + QString(deg) + "C"},
        false);
    row("max 295 min 300", 300, 295, 5000, 1, 1, d, d, d, d, {}, true);
    row("max 290 min 300", 300, 290, 5000, 1, 1, d, d, d, d, {}, true);
    row("max 289 min 300", 300, 289, 5000, 1, 1, d, d, d, d,
        {"Battery: bad min/max tp 30.0" + QString(deg) + "C 28.9" + QString(deg) + "C"}, false);
    row("min -300", -300, 100, 5000, 1, 1, d, d, d, d, {}, true);
    row("min -301", -301, 100, 5000, 1, 1, d, d, d, d,
        {"Battery: bad min tp -30.1" + QString(deg) + "C"}, false);
    row("max 500", 100, 500, 5000, 1, 1, d, d, d, d, {}, true);
    row("max 501", 100, 501, 5000, 1, 1, d, d, d, d,
        {"Battery: bad max tp 50.1" + QString(deg) + "C"}, false);
    row("max -51", -100, -51, 5000, 1, 1, d, d, d, d,
        {"Battery: bad max tp -5.1" + QString(deg) + "C"}, false);
    row("low 3000", 100, 100, 3000, 1, 1, d, d, d, d, {}, true);
    row("low 2999", 100, 100, 2999, 1, 1, d, d, d, d, {"Battery: bad low 2.999 volt"}, false);
    row("low 7001", 100, 100, 7001, 1, 1, d, d, d, d, {"Battery: bad low 7.001 volt"}, false);
    row("low negative", 100, 100, -5, 1, 1, d, d, d, d, {"Battery: bad low -0.005 volt"}, false);
    row("cycles 0 and 1000", 100, 100, 5000, 0, 1000, d, d, d, d, {}, true);
    row("cycles -1", 100, 100, 5000, -1, 1, d, d, d, d, {"Battery: bad cycle count -1"}, false);
    row("total 1001", 100, 100, 5000, 1, 1001, d, d, d, d, {"Battery: bad total cycle count 1001"},
        false);
    row("no last charge", 100, 100, 5000, 1, 1, mdy(0, 0, 0), d, d, d,
        {"Battery: no last charge date"}, true);
    row("bad last charge", 100, 100, 5000, 1, 1, mdy(13, 1, 20), d, d, d,
        {"Battery: bad last charge date"}, false);
    row("charge day 0 only", 100, 100, 5000, 1, 1, mdy(3, 0, 26), d, d, d,
        {"Battery: bad last charge date"}, false);
    row("date A year 8", 100, 100, 5000, 1, 1, d, mdy(1, 1, 8), d, d, {"Battery: bad date"}, false);
    row("date B month 13", 100, 100, 5000, 1, 1, d, d, mdy(13, 1, 20), d, {"Battery: bad date"},
        false);
    row("date C day 0", 100, 100, 5000, 1, 1, d, d, d, mdy(1, 0, 20), {"Battery: bad date"}, false);
    row("date C day 32", 100, 100, 5000, 1, 1, d, d, d, mdy(1, 32, 20), {"Battery: bad date"},
        false);
    row("date A next year", 100, 100, 5000, 1, 1, d, mdy(1, 1, 27), d, d, {"Battery: bad date"},
        false);
    row("oldest dates", 100, 100, 5000, 1, 1, mdy(12, 31, 9), mdy(1, 1, 9), mdy(12, 31, 9),
        mdy(6, 30, 26), {}, true);
    row("two bad dates, one line", 100, 100, 5000, 1, 1, d, mdy(0, 1, 20), mdy(1, 1, 99), d,
        {"Battery: bad date"}, false);
    row("everything wrong, in order", 400, 600, 8000, 2000, -2, mdy(1, 1, 1), mdy(0, 0, 0), d, d,
        {"Battery: bad min tp 40.0" + QString(deg) + "C",
         "Battery: bad max tp 60.0" + QString(deg) + "C", "Battery: bad low 8.000 volt",
         "Battery: bad cycle count 2000", "Battery: bad total cycle count -2",
         "Battery: bad last charge date", "Battery: bad date"},
        false);
}

void TestConfigImage::battery()
{
    QFETCH(int, minT);
    QFETCH(int, maxT);
    QFETCH(int, lowMv);
    QFETCH(int, cycles);
    QFETCH(int, total);
    QFETCH(QByteArray, charge);
    QFETCH(QByteArray, dateA);
    QFETCH(QByteArray, dateB);
    QFETCH(QByteArray, dateC);
    QFETCH(QStringList, lines);
    QFETCH(bool, ok);

    ConfigImage im = ConfigImage::defaultImage(today);
    im.setWord(ConfigImage::min_temperature, quint16(qint16(minT)));
    im.setWord(ConfigImage::max_temperature, quint16(qint16(maxT)));
    im.setWord(ConfigImage::battery_low_mv, quint16(qint16(lowMv)));
    im.setWord(ConfigImage::cycle_count, quint16(qint16(cycles)));
    im.setWord(ConfigImage::total_cycle_count, quint16(qint16(total)));
    setDate(im, ConfigImage::last_charge_date, charge);
    setDate(im, ConfigImage::date_a, dateA);
    setDate(im, ConfigImage::date_b, dateB);
    setDate(im, ConfigImage::date_c, dateC);

    const ConfigImage before = im;
    CollectingSink sink;
    QCOMPARE(im.validate(&sink, today), ok);
    QCOMPARE(sink.lines, lines);
    QCOMPARE(im.validate(nullptr, today), ok);
    QVERIFY(im == before);
    // A reset battery block repairs any of them.
    im.resetBattery(today);
    QVERIFY(im.validate(&sink, today));
    QCOMPARE(sink.lines, lines);
}

void TestConfigImage::takeUserSettings_data()
{
    QTest::addColumn<bool>("textOn");
    QTest::newRow("text switched on") << true;
    QTest::newRow("text switched off") << false;
}

void TestConfigImage::takeUserSettings()
{
    QFETCH(bool, textOn);

    // The image as read from the device: its own serial, firmware, battery, CF defaults.
    ConfigImage device = ConfigImage::defaultImage(QDate(2024, 7, 2));
    device.setWord(ConfigImage::serial, 1234);
    device.setByte(ConfigImage::firmware_major, 3);
    device.setByte(ConfigImage::firmware_minor, 5);
    device.setByte(ConfigImage::cf_count, 64);
    device.setByte(35, 0x35);
    device.setByte(39, 0x39);
    for (int n = 1; n <= 5; ++n) {
        device.setGasDefaultO2(n, quint8(30 + n));
        device.setGasDefaultHe(n, quint8(n));
    }
    for (int n = 0; n < 96; ++n)
        device.setCfDefault(n, quint16(0x4000 + n));
    device.setCustomText("Old text on device");

    // The settings edited in the program, every other byte filled with a marker so that
    // anything copied by mistake shows up.
    ConfigImage edited;
    for (int i = 0; i < 768; ++i)
        edited.setByte(i, 0xEE);
    for (int n = 1; n <= 5; ++n) {
        edited.setGasO2(n, quint8(10 * n + 1));
        edited.setGasHe(n, quint8(n + 2));
        edited.setGasDepth(n, quint8(3 * n));
    }
    edited.setByte(ConfigImage::gas6_O2, 50);
    edited.setByte(ConfigImage::gas6_He, 20);
    edited.setByte(ConfigImage::salinity, 103);
    edited.setByte(ConfigImage::active_gases, 0x15);
    edited.setByte(ConfigImage::first_gas, 2);
    edited.setByte(ConfigImage::deco_type, 4);
    for (int k = 1; k <= 3; ++k)
        edited.setSetpoint(k, quint8(100 + 10 * k));
    for (int n = 0; n < 96; ++n)
        edited.setCf(n, ConfigImage::cfDefinition(n).def);
    edited.setCf(32, 40);
    edited.setCf(5, 2);
    edited.setCustomText("New text");
    if (!textOn)
        edited.setByte(ConfigImage::text_on, 0);

    // The bytes that must come from the edited image.
    QSet<int> copied{6,  7,  10, 11, 14, 15, 18, 19, 22, 23, 24, 25,
                     26, 27, 28, 29, 30, 31, 32, 33, 34, 36, 37, 38};
    for (int n = 0; n < 96; ++n) {
        copied.insert(ConfigImage::cfOffset(n) + 2);
        copied.insert(ConfigImage::cfOffset(n) + 3);
    }

    const ConfigImage original = device;
    CollectingSink sink;
    QVERIFY(device.takeUserSettings(edited, &sink, today));
    QCOMPARE(sink.lines,
             QStringList({"Bad CF settings:",
                          "&nbsp;&nbsp;<b>CF05: <font color='red'>value 2, min 3</font></b>"}));

    for (int i = 0; i < 768; ++i) {
        if (i >= 64 && i <= 89)
            continue;
        const quint8 want = copied.contains(i) ? edited.byte(i) : original.byte(i);
        QVERIFY2(device.byte(i) == want, qPrintable(QString("byte %1").arg(i)));
    }
    if (textOn) {
        QCOMPARE(device.byte(ConfigImage::text_on), quint8(1));
        QCOMPARE(device.customText(), QString("New text"));
        QCOMPARE(device.toByteArray().mid(65, 25), edited.toByteArray().mid(65, 25));
    } else {
        QCOMPARE(device.byte(ConfigImage::text_on), quint8(0));
        QCOMPARE(device.toByteArray().mid(65, 25), QByteArray(25, '}'));
    }
    for (int n = 0; n < 96; ++n)
        QCOMPARE(device.cfDefault(n), quint16(0x4000 + n));
    QCOMPARE(device.word(ConfigImage::serial), quint16(1234));
}

void TestConfigImage::equalForReadback_data()
{
    QTest::addColumn<QList<int>>("changed");
    QTest::addColumn<bool>("equal");
    QTest::newRow("identical") << QList<int>{} << true;
    QTest::newRow("first battery byte") << QList<int>{40} << true;
    QTest::newRow("last battery byte") << QList<int>{63} << true;
    QTest::newRow("whole battery block") << QList<int>{40, 45, 50, 54, 59, 63} << true;
    QTest::newRow("byte before the block") << QList<int>{39} << false;
    QTest::newRow("byte after the block") << QList<int>{64} << false;
    QTest::newRow("serial") << QList<int>{0} << false;
    QTest::newRow("last CF") << QList<int>{767} << false;
    QTest::newRow("battery and a CF") << QList<int>{50, 130} << false;
}

void TestConfigImage::equalForReadback()
{
    QFETCH(QList<int>, changed);
    QFETCH(bool, equal);
    ConfigImage sent = ConfigImage::defaultImage(today);
    ConfigImage read = sent;
    for (int at : changed)
        read.setByte(at, read.byte(at) ^ 0x5A);
    QCOMPARE(sent.equalForReadback(read), equal);
    // The block is taken from the image read back; nothing else changes.
    QCOMPARE(sent.toByteArray().mid(40, 24), read.toByteArray().mid(40, 24));
    const ConfigImage original = ConfigImage::defaultImage(today);
    QCOMPARE(sent.toByteArray().left(40), original.toByteArray().left(40));
    QCOMPARE(sent.toByteArray().mid(64), original.toByteArray().mid(64));
}

QTEST_GUILESS_MAIN(TestConfigImage)
#include "test_config_image.moc"
