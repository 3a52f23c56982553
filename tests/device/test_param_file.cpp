// Dive parameter files: a refused save, a save over a legacy file (the keys it writes, keeps
// and drops) read back whole, and one table of files read: the legacy layout, keys under
// [General], missing keys and the custom text.
#include "device/config_image.h"
#include "device/param_file.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// An image that differs from the default in every field a parameter file carries.
ConfigImage editedImage()
{
    ConfigImage im = ConfigImage::defaultImage();
    for (int at = ConfigImage::gas1_O2; at <= ConfigImage::setpoint1 + 2; ++at)
        im.setByte(at, quint8(at + 1));
    im.setByte(ConfigImage::first_gas, 3);
    im.setByte(ConfigImage::deco_type, 5);
    im.setCustomText("Hello diver");
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        const CfDefinition& d = ConfigImage::cfDefinition(n);
        if (d.max > d.min && d.def < d.max) // another valid value where the limits leave one
            im.setCf(n, quint16(d.def + 1));
    }
    return im;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeText(const QString& path, const QByteArray& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

} // namespace

class TestParamFile : public QObject
{
    Q_OBJECT

private slots:
    void saveAndLoad()
    {
        // Saved over a file of the legacy layout that also holds other parts' keys.
        const QString path = dir.filePath("trip.div");
        const QByteArray mixed =
            "[General]\nMode=OCR\n[Dive]\nverbose=true\nppO2High=1.4\nshallow_first=true\n"
            "bottom_usage=20\nascent_usage=20\nextra_time=3\n[Gas]\n0\\O2=32\n[SetPoint]\n"
            "1\\ppO2=1.2\n[Buhlmann]\nsat=110\n[GradientFactor]\non=true\n[Interface]\n"
            "decoGB=false\n[OSTC]\nport=/dev/pts/7\ntext=OLD\n[Gas3]\nfirst=yes\n";
        writeText(path, mixed);
        ConfigImage saved = editedImage();
        const DiveInputs dive{980, 9, 33, 51};
        const ReplayFlags replay{false, false, true, false, true, false};
        for (int deco : {255, 5}) {
            // An image without a deco model (read from a file without one) is not saved at all.
            QSettings s(path, QSettings::IniFormat);
            saved.setByte(ConfigImage::deco_type, quint8(deco));
            QString error;
            try {
                ParamFile::save(s, saved, dive, replay, nullptr);
            } catch (const QString& e) {
                error = e;
            }
            QCOMPARE(error, deco == 255 ? QStringLiteral("EEPROM: bad deco type") : QString());
            QCOMPARE(readAll(path) == mixed, deco == 255);
        }
        const QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.value("Dive/verbose").toBool(), true);
        QCOMPARE(s.value("Interface/decoGB").toBool(), false);
        QCOMPARE(s.value("OSTC/port").toString(), QStringLiteral("/dev/pts/7"));
        // Stale keys of the file's own layout would load back as something not saved.
        for (const char* gone :
             {"Mode", "Dive/ppO2High", "Dive/shallow_first", "Dive/bottom_usage",
              "Dive/ascent_usage", "Dive/extra_time", "Gas/0/O2", "SetPoint/1/ppO2", "Buhlmann/sat",
              "GradientFactor/on", "Gas3/first", "Gas0/first"})
            QVERIFY2(!s.contains(gone), gone);
        QCOMPARE(s.value("Gas2/first").toString(), QStringLiteral("yes"));
        QCOMPARE(s.value("OSTC/text").toString(), QStringLiteral("Hello diver"));
        QCOMPARE(s.value("OSTC/firmware").toString(), QStringLiteral("2.20"));
        QCOMPARE(s.value("OSTC/serial").toInt(), 0xFFFF);
        QCOMPARE(s.value("Gas0/default/O2").toInt(), 21);
        QCOMPARE(s.value("CF64/default").toInt(), int(saved.cfDefault(64)));
        QVERIFY(readAll(path).contains("default\\O2=")); // the INI form of the group's key
        ConfigImage loaded;
        DiveInputs dive2;
        ReplayFlags replay2;
        QVERIFY(ParamFile::load(s, loaded, dive2, replay2, nullptr));
        QCOMPARE(QVector<int>({dive2.pressure_mbar, dive2.ascent_speed, dive2.bottom_time_min,
                               dive2.bottom_depth_m, replay2.breakOnStop, replay2.gasSwitch,
                               replay2.breakOnSwitch, replay2.setpoint, replay2.breakOnSetpoint,
                               replay2.ppo2}),
                 QVector<int>({980, 9, 33, 51, 0, 0, 1, 0, 1, 0}));
        // Every field the file carries comes back, the rest is the default image's: just what
        // laying the saved settings over the default image gives (that merge has its own test).
        ConfigImage expected = ConfigImage::defaultImage();
        expected.takeUserSettings(saved, nullptr);
        QVERIFY(loaded == expected);
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // fields after the load, see load()
        // The legacy layout: missing keys take their stated defaults, decimals truncate as the
        // decimal they denote.
        QTest::newRow("OCR ignores GF")
            << QByteArray("Mode=OCR\n[GradientFactor]\non=true\n")
            << "ok=1 deco=4 sp1=100 sp2=100 cf18=160 active=31 cf11=110 "
               "cf16=10 cf56=20 first=1";
        QTest::newRow("CCR GF on") << QByteArray("Mode=CCR\n[GradientFactor]\non=true\n[SetPoint]\n"
                                                 "2\\ppO2=1.3\n")
                                   << "deco=5 sp2=130 cf18=160";
        QTest::newRow("CCR GF off")
            << QByteArray("Mode=CCR\n[GradientFactor]\non=false\n[SetPoint]\n2\\ppO2=1.299\n")
            << "deco=2 sp2=129";
        QTest::newRow("decimal truncation")
            << QByteArray("Mode=CCR\n[SetPoint]\n2\\ppO2=1.15\n[Dive]\nppO2High=1.15\n")
            << "sp2=115 cf18=115";
        QTest::newRow("legacy gases and model")
            << QByteArray("Mode=CCR\n[Gas]\nfirst=2\n0\\on=false\n0\\O2=32\n1\\He=45\n1\\O2=18\n"
                          "1\\depth=40\nswitch_delay=2\n[Buhlmann]\nsat=120\ndesat=80\noffset=2.5\n"
                          "last_stop=6\n[GradientFactor]\non=true\nlow=25\nhigh=80\n[Dive]\n"
                          "shallow_first=true\nbottom_usage=18.0\nascent_usage=15\nextra_time=5\n")
            << "first=2 active=30 ox1=32 ox2=18 he2=45 depth2=40 cf11=120 cf12=80 cf16=25 cf29=6 "
               "cf32=25 cf33=80 cf54=1 cf55=2 cf56=18 cf57=15 cf58=5";
        // Keys are found wherever QSettings finds them, also under [General] after a section.
        QTest::newRow("dive key under General")
            << QByteArray("[General]\nDive\\pressure=950\n") << "pressure=950 stop=1 ox2=21";
        QTest::newRow("General after a section")
            << QByteArray("[Deco]\nmodel=4\n[General]\nDive\\pressure=900\n")
            << "ok=1 pressure=900";
        // A file without a deco model fails; the keys read before the failing check are kept.
        QTest::newRow("no model") << QByteArray("[Gas0]\nfirst=yes\nactive=yes\n")
                                  << "ok=0 deco=255 active=1";
        // Whatever the file lacks is the default image's and the default dive.
        QTest::newRow("no CF keys") << QByteArray("[Deco]\nmodel=4\n")
                                    << "ok=1 changedCfs=0 active=0 pressure=1013 stop=1 text=";
        QTest::newRow("text cut to 25")
            << QByteArray("[Deco]\nmodel=0\n[OSTC]\ntext=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123\n")
            << "text=ABCDEFGHIJKLMNOPQRSTUVWXY";
    }

    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, read);
        const QString path = dir.filePath("load.div");
        writeText(path, file);
        ConfigImage im = editedImage(); // replaced as a whole
        DiveInputs dive;
        ReplayFlags replay;
        const bool ok =
            ParamFile::load(QSettings(path, QSettings::IniFormat), im, dive, replay, nullptr);
        const ConfigImage def = ConfigImage::defaultImage();
        int changedCfs = 0;
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            changedCfs += im.cf(n) != def.cf(n);
        // A field by name and gas, setpoint or CF number: "cf18", "ox2" (gas 2's O2), "sp1".
        for (const QString& expected : read.split(' ')) {
            const QString key = expected.section('=', 0, 0);
            const QString name = key.section(QRegularExpression("\\d"), 0, 0);
            const int n = key.mid(name.size()).toInt();
            const QMap<QString, int> fields{{"ok", ok},
                                            {"deco", im.byte(ConfigImage::deco_type)},
                                            {"active", im.byte(ConfigImage::active_gases)},
                                            {"first", im.byte(ConfigImage::first_gas)},
                                            {"sp", im.setpoint(qBound(1, n, 3))},
                                            {"cf", im.cf(n % 96)},
                                            {"ox", im.gasO2(qBound(1, n, 5))},
                                            {"he", im.gasHe(qBound(1, n, 5))},
                                            {"depth", im.gasDepth(qBound(1, n, 5))},
                                            {"pressure", dive.pressure_mbar},
                                            {"stop", replay.breakOnStop},
                                            {"changedCfs", changedCfs}};
            const QString value =
                name == "text" ? im.customText() : QString::number(fields.value(name, -1));
            QCOMPARE(key + '=' + value, expected);
        }
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestParamFile)
#include "test_param_file.moc"
