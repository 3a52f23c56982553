// Dive parameter files: round trip of every key, the legacy layout, refused saves,
// keys that a save must leave alone, and the custom text.
#include "device/config_image.h"
#include "device/message_sink.h"
#include "device/param_file.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// An image that differs from the default in every field a parameter file carries.
ConfigImage editedImage()
{
    ConfigImage im = ConfigImage::defaultImage();
    im.setByte(ConfigImage::deco_type, 5);
    im.setByte(ConfigImage::salinity, 103);
    im.setByte(ConfigImage::first_gas, 3);
    for (int n = 1; n <= 5; ++n) {
        im.setGasActive(n, n % 2 == 1);
        im.setGasO2(n, static_cast<quint8>(10 + 7 * n));
        im.setGasHe(n, static_cast<quint8>(5 * n));
        im.setGasDepth(n, static_cast<quint8>(3 * n));
    }
    im.setByte(ConfigImage::gas6_O2, 50);
    im.setByte(ConfigImage::gas6_He, 20);
    im.setSetpoint(1, 130);
    im.setSetpoint(2, 115);
    im.setSetpoint(3, 90);
    im.setCustomText("Hello diver");
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        const CfDefinition& d = ConfigImage::cfDefinition(n);
        // Another valid value where the limits leave room for one.
        if (d.max > d.min && d.def < d.max)
            im.setCf(n, static_cast<quint16>(d.def + 1));
    }
    return im;
}

// A parameter file's text loaded over an image.
struct Loaded {
    ConfigImage im;
    DiveInputs dive;
    ReplayFlags replay;
    bool ok = false;
};

Loaded loadText(const QString& path, const QByteArray& text, const ConfigImage& start = ConfigImage())
{
    writeText(path, text);
    Loaded l;
    l.im = start;
    l.ok = ParamFile::load(QSettings(path, QSettings::IniFormat), l.im, l.dive, l.replay, nullptr);
    return l;
}

} // namespace

class TestParamFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }

    void roundTripRestoresEveryReadKey()
    {
        const QString path = dir.filePath("trip.div");
        const ConfigImage saved = editedImage();
        DiveInputs dive{980, 9, 33, 51};
        ReplayFlags replay{false, false, true, false, true, false};
        {
            QSettings s(path, QSettings::IniFormat);
            ParamFile::save(s, saved, dive, replay, nullptr);
        }
        ConfigImage loaded;
        DiveInputs dive2;
        ReplayFlags replay2;
        CollectingSink sink;
        const QSettings s(path, QSettings::IniFormat);
        QVERIFY(ParamFile::load(s, loaded, dive2, replay2, &sink));

        QCOMPARE(dive2.pressure_mbar, 980);
        QCOMPARE(dive2.ascent_speed, 9);
        QCOMPARE(dive2.bottom_time_min, 33);
        QCOMPARE(dive2.bottom_depth_m, 51);
        QCOMPARE(replay2.breakOnStop, false);
        QCOMPARE(replay2.gasSwitch, false);
        QCOMPARE(replay2.breakOnSwitch, true);
        QCOMPARE(replay2.setpoint, false);
        QCOMPARE(replay2.breakOnSetpoint, true);
        QCOMPARE(replay2.ppo2, false);

        // Every byte the file carries comes back; the rest is the default image's.
        const ConfigImage def = ConfigImage::defaultImage();
        ConfigImage expected = def;
        for (int off : {int(ConfigImage::deco_type), int(ConfigImage::salinity), int(ConfigImage::first_gas),
                        int(ConfigImage::active_gases), int(ConfigImage::gas6_O2), int(ConfigImage::gas6_He),
                        int(ConfigImage::text_on)})
            expected.setByte(off, saved.byte(off));
        for (int n = 1; n <= 5; ++n) {
            expected.setGasO2(n, saved.gasO2(n));
            expected.setGasHe(n, saved.gasHe(n));
            expected.setGasDepth(n, saved.gasDepth(n));
        }
        for (int k = 1; k <= 3; ++k)
            expected.setSetpoint(k, saved.setpoint(k));
        for (int i = 0; i < ConfigImage::TextLength; ++i)
            expected.setByte(ConfigImage::text + i, saved.byte(ConfigImage::text + i));
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            expected.setCf(n, saved.cf(n));
        for (int i = 0; i < ConfigImage::Size; ++i)
            QVERIFY2(loaded.byte(i) == expected.byte(i), qPrintable(QString("byte %1").arg(i)));
    }

    void writtenKeysAndOrderOfValues()
    {
        const QString path = dir.filePath("keys.div");
        ConfigImage im = ConfigImage::defaultImage();
        im.setByte(ConfigImage::first_gas, 2);
        {
            QSettings s(path, QSettings::IniFormat);
            ParamFile::save(s, im, DiveInputs{}, ReplayFlags{}, nullptr);
        }
        const QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.value("OSTC/firmware").toString(), QString("%1.%2").arg(im.byte(257)).arg(im.byte(258)));
        QCOMPARE(s.value("OSTC/serial").toInt(), int(im.word(0)));
        QVERIFY(!s.contains("OSTC/text")); // text flag 0
        QVERIFY(!s.contains("Gas0/first"));
        QCOMPARE(s.value("Gas1/first").toString(), QString("yes"));
        QCOMPARE(s.value("Gas0/active").toString(), QString("no"));
        QCOMPARE(s.value("Gas0/default/O2").toInt(), int(im.gasDefaultO2(1)));
        QCOMPARE(s.value("CF5/value").toInt(), int(im.cf(5)));
        QCOMPARE(s.value("CF64/default").toInt(), int(im.cfDefault(64)));
        // The INI form of the first gas group's default O2.
        QVERIFY(readAll(path).contains("default\\O2="));
    }

    void customText_data()
    {
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short") << "ABC" << "ABC";
        QTest::newRow("cut to 25") << "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123" << "ABCDEFGHIJKLMNOPQRSTUVWXY";
        QTest::newRow("absent") << QString() << QString();
    }
    void customText()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, expected);
        const QString path = dir.filePath("text.div");
        QFile::remove(path);
        {
            QSettings s(path, QSettings::IniFormat);
            s.setValue("Deco/model", 0);
            if (!fileText.isNull())
                s.setValue("OSTC/text", fileText);
        }
        ConfigImage im;
        DiveInputs dive;
        ReplayFlags replay;
        ParamFile::load(QSettings(path, QSettings::IniFormat), im, dive, replay, nullptr);
        QCOMPARE(im.byte(ConfigImage::text_on) != 0, !expected.isEmpty());
        if (!expected.isEmpty()) {
            for (int i = 0; i < ConfigImage::TextLength; ++i) {
                const char want = i < expected.size() ? expected.at(i).toLatin1() : '}';
                QCOMPARE(char(im.byte(ConfigImage::text + i)), want);
            }
        }
        // And it is written back cut before the first '}'.
        QSettings out(dir.filePath("text-out.div"), QSettings::IniFormat);
        out.clear();
        ParamFile::save(out, im, dive, replay, nullptr);
        QCOMPARE(out.value("OSTC/text").toString(), expected);
    }

    void legacyLayout_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("decoType");
        QTest::addColumn<int>("sp2");
        QTest::addColumn<int>("cf18");
        QTest::newRow("OCR ignores GF") << QByteArray("Mode=OCR\n[GradientFactor]\non=false\n") << 4 << 100 << 160;
        QTest::newRow("CCR GF on") << QByteArray("Mode=CCR\n[GradientFactor]\non=true\n[SetPoint]\n2\\ppO2=1.3\n") << 5
                                   << 130 << 160;
        QTest::newRow("CCR GF off") << QByteArray("Mode=CCR\n[GradientFactor]\non=false\n[SetPoint]\n2\\ppO2=1.299\n")
                                    << 2 << 129 << 160;
        QTest::newRow("decimal truncation") << QByteArray("Mode=CCR\n[SetPoint]\n2\\ppO2=1.15\n[Dive]\nppO2High=1.15\n")
                                            << 2 << 115 << 115;
    }
    void legacyLayout()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, decoType);
        QFETCH(int, sp2);
        QFETCH(int, cf18);
        const ConfigImage im = loadText(dir.filePath("legacy.div"), "[General]\n" + file).im;
        QCOMPARE(int(im.byte(ConfigImage::deco_type)), decoType);
        QCOMPARE(int(im.setpoint(2)), sp2);
        QCOMPARE(int(im.cf(18)), cf18);
        // Missing legacy keys take their stated defaults.
        QCOMPARE(int(im.byte(ConfigImage::active_gases)), 0x1F);
        QCOMPARE(int(im.setpoint(1)), 100);
        QCOMPARE(int(im.cf(11)), 110);
        QCOMPARE(int(im.cf(16)), 10);
        QCOMPARE(int(im.cf(56)), 20);
        QCOMPARE(int(im.byte(ConfigImage::first_gas)), 1);
    }

    void keysUnderGeneral_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // pressure, break on stop, gas 2 O2
        QTest::newRow("dive key") << QByteArray("[General]\nDive\\pressure=950\n") << "950 1 21";
        QTest::newRow("replay key") << QByteArray("[General]\nReplay\\breakOnStop=false\n") << "1013 0 21";
        QTest::newRow("gas key") << QByteArray("[General]\nGas1\\current\\O2=32\n") << "1013 1 32";
        QTest::newRow("after a section") << QByteArray("[Deco]\nmodel=4\n[General]\nDive\\pressure=900\n") << "900 1 21";
    }
    void keysUnderGeneral()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, read);
        const Loaded l = loadText(dir.filePath("general.div"), file);
        QCOMPARE(QString("%1 %2 %3").arg(l.dive.pressure_mbar).arg(l.replay.breakOnStop).arg(l.im.gasO2(2)), read);
    }

    void legacyGasesAndModel()
    {
        const ConfigImage im = loadText(dir.filePath("legacy-gases.div"), "[General]\nMode=CCR\n[Gas]\nfirst=2\n0\\on=false\n0\\O2=32\n1\\He=45\n1\\O2=18\n1\\depth=40\n"
                        "switch_delay=2\n[Buhlmann]\nsat=120\ndesat=80\noffset=2.5\nlast_stop=6\n"
                        "[GradientFactor]\non=true\nlow=25\nhigh=80\n"
                        "[Dive]\nshallow_first=true\nbottom_usage=18.0\nascent_usage=15\nextra_time=5\n")
                                   .im;
        QCOMPARE(int(im.byte(ConfigImage::first_gas)), 2);
        QVERIFY(!im.gasActive(1));
        QVERIFY(im.gasActive(2));
        QCOMPARE(int(im.gasO2(1)), 32);
        QCOMPARE(int(im.gasO2(2)), 18);
        QCOMPARE(int(im.gasHe(2)), 45);
        QCOMPARE(int(im.gasDepth(2)), 40);
        const QList<QPair<int, int>> cfs = {{11, 120}, {12, 80}, {16, 25}, {29, 6}, {32, 25}, {33, 80},
                                            {54, 1},   {55, 2},  {56, 18}, {57, 15}, {58, 5}};
        for (const auto& p : cfs)
            QVERIFY2(im.cf(p.first) == p.second, qPrintable(QString("CF%1 = %2").arg(p.first).arg(im.cf(p.first))));
    }

    void missingModelGives255AndSaveRefuses()
    {
        Loaded l = loadText(dir.filePath("nomodel.div"), "[Gas0]\nfirst=yes\nactive=yes\n");
        QVERIFY(!l.ok);
        QCOMPARE(int(l.im.byte(ConfigImage::deco_type)), 255);
        // Keys read before the failing check are kept.
        QVERIFY(l.im.gasActive(1));

        const QString target = dir.filePath("target.div");
        writeText(target, "[General]\nMode=OCR\n[Dive]\nverbose=true\n");
        const QByteArray before = readAll(target);
        bool thrown = false;
        {
            QSettings s(target, QSettings::IniFormat);
            try {
                ParamFile::save(s, l.im, l.dive, l.replay, nullptr);
            } catch (const QString& e) {
                thrown = true;
                QCOMPARE(e, QString("EEPROM: bad deco type"));
            }
        }
        QVERIFY(thrown);
        QCOMPARE(readAll(target), before);
    }

    void missingCfKeysKeepDefaults()
    {
        const Loaded l = loadText(dir.filePath("nocf.div"), "[Deco]\nmodel=4\n", editedImage());
        QVERIFY(l.ok);
        const ConfigImage& im = l.im;
        const DiveInputs& dive = l.dive;
        const ReplayFlags& replay = l.replay;
        const ConfigImage def = ConfigImage::defaultImage();
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            QCOMPARE(im.cf(n), def.cf(n));
        QCOMPARE(dive.pressure_mbar, 1013);
        QCOMPARE(dive.ascent_speed, 10);
        QCOMPARE(dive.bottom_time_min, 20);
        QCOMPARE(dive.bottom_depth_m, 45);
        QCOMPARE(replay.breakOnStop, true);
        QCOMPARE(replay.breakOnSwitch, false);
        QCOMPARE(int(im.byte(ConfigImage::active_gases)), 0);
    }

    void saveKeepsForeignKeysAndDropsLegacyOnes()
    {
        const QString path = dir.filePath("mixed.div");
        writeText(path, "[General]\nMode=OCR\n[Dive]\nverbose=true\nppO2High=1.4\nshallow_first=true\n"
                        "bottom_usage=20\nascent_usage=20\nextra_time=3\n"
                        "[Gas]\n0\\O2=32\n[SetPoint]\n1\\ppO2=1.2\n[Buhlmann]\nsat=110\n[GradientFactor]\non=true\n"
                        "[Interface]\ndecoGB=false\n[OSTC]\nport=/dev/pts/7\ntext=OLD\n[Gas3]\nfirst=yes\n");
        ConfigImage im = ConfigImage::defaultImage(); // text flag 0, first gas 1
        {
            QSettings s(path, QSettings::IniFormat);
            ParamFile::save(s, im, DiveInputs{}, ReplayFlags{}, nullptr);
        }
        const QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.value("Dive/verbose").toBool(), true);
        QCOMPARE(s.value("Interface/decoGB").toBool(), false);
        QCOMPARE(s.value("OSTC/port").toString(), QString("/dev/pts/7"));
        for (const char* gone : {"Mode", "Dive/ppO2High", "Dive/shallow_first", "Dive/bottom_usage",
                                 "Dive/ascent_usage", "Dive/extra_time", "Gas/0/O2", "SetPoint/1/ppO2",
                                 "Buhlmann/sat", "GradientFactor/on"})
            QVERIFY2(!s.contains(gone), gone);
        // Stale keys of the file's own layout would load back as something not saved.
        QVERIFY(!s.contains("OSTC/text"));
        QVERIFY(!s.contains("Gas3/first"));
        QCOMPARE(s.value("Gas0/first").toString(), QString("yes"));
        QCOMPARE(s.value("Dive/pressure").toInt(), 1013);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestParamFile)
#include "test_param_file.moc"
