// SPDX-License-Identifier: GPL-3.0-or-later
// Dive parameter files: a refused save, a save over a legacy file that also holds other parts'
// keys (data/legacy.div: the keys it writes, keeps and drops) read back whole, and a table of
// files read (data/param_files.txt): the legacy layout, keys under [General], missing keys, text.
#include "device/config_image.h"
#include "device/param_file.h"
#include "device_fixtures.h"

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

} // namespace

class TestParamFile : public QObject
{
    Q_OBJECT

private slots:
    void saveAndLoad()
    {
        const QString path = dir.filePath("trip.div");
        const QString legacyPath = BATHYRA_TEST_DATA "legacy.div";
        const QByteArray legacy = fileBytes(legacyPath);
        QFile f(path);
        QVERIFY(!legacy.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(legacy) > 0);
        f.close();
        ConfigImage saved = editedImage();
        const DiveInputs dive{980, 9, 33, 51};
        const ReplayFlags replay{false, false, true, false, true, false};
        for (int deco : {255, 5}) {
            // An image without a deco model (read from a file without one) is not saved at all.
            QSettings s(path, QSettings::IniFormat);
            saved.setByte(ConfigImage::deco_type, quint8(deco));
            QCOMPARE(errorOf([&] { ParamFile::save(s, saved, dive, replay, nullptr); }),
                     deco == 255 ? QStringLiteral("EEPROM: bad deco type") : QString());
            QCOMPARE(fileBytes(path) == legacy, deco == 255);
        }
        // Other parts' keys stay; the legacy layout's keys go (they would load back as something
        // not saved), and so does the first-gas key of a gas no longer first.
        const QSettings s(path, QSettings::IniFormat);
        for (const QString& key : QSettings(legacyPath, QSettings::IniFormat).allKeys())
            QVERIFY2(s.contains(key) == key.contains(QRegularExpression("verbose|decoGB|OSTC")),
                     qPrintable(key));
        QVERIFY(!s.contains("Gas0/first"));
        for (const QString& kv :
             QStringList{"Dive/verbose=true", "Gas2/first=yes", "OSTC/text=Hello diver",
                         "OSTC/firmware=2.20", "OSTC/serial=65535", "Gas0/default/O2=21",
                         QString("CF64/default=%1").arg(saved.cfDefault(64))})
            QCOMPARE(kv.section('=', 0, 0) + '=' + s.value(kv.section('=', 0, 0)).toString(), kv);
        QVERIFY(fileBytes(path).contains("default\\O2=")); // the INI form of the group's key
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
        // The cylinders beside the gas keys survive a later save of the rest.
        CylinderInputs cylinders;
        cylinders.litres[0] = 24;
        cylinders.fillBar[0] = 232;
        cylinders.litres[4] = 7;
        cylinders.fillBar[4] = 200;
        cylinders.rule = ReserveRule::Half;
        {
            QSettings w(path, QSettings::IniFormat);
            ParamFile::saveCylinders(w, cylinders);
            ParamFile::save(w, saved, dive, replay, nullptr);
        }
        const CylinderInputs back = ParamFile::loadCylinders(QSettings(path, QSettings::IniFormat));
        QCOMPARE(QVector<int>({back.litres[0], back.fillBar[0], back.litres[4], back.fillBar[4],
                               back.litres[1], static_cast<int>(back.rule)}),
                 QVector<int>({24, 232, 7, 200, 0, 1}));
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // fields after the load, see load()
        for (const QStringList& r : dataTable("param_files.txt"))
            QTest::newRow(qPrintable(r[0])) << r[1].toLatin1().replace(' ', '\n') << r[2];
    }

    void load()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, read);
        QFile f(dir.filePath("load.div"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(file) > 0);
        f.close();
        ConfigImage im = editedImage(); // replaced as a whole
        DiveInputs dive;
        ReplayFlags replay;
        const bool ok = ParamFile::load(QSettings(f.fileName(), QSettings::IniFormat), im, dive,
                                        replay, nullptr);
        const CylinderInputs cylinders =
            ParamFile::loadCylinders(QSettings(f.fileName(), QSettings::IniFormat));
        const ConfigImage def = ConfigImage::defaultImage();
        int changedCfs = 0;
        for (int n = 0; n < ConfigImage::CfCount; ++n)
            changedCfs += im.cf(n) != def.cf(n);
        // A field by name and gas, setpoint or CF number: "cf18", "ox2" (gas 2's O2), "sp1".
        for (const QString& expected : read.split(' ')) {
            const QString key = expected.section('=', 0, 0);
            const QString name = key.section(QRegularExpression("\\d"), 0, 0);
            const int n = key.mid(name.size()).toInt();
            const int gas = qBound(1, n, 5);
            QVector<int> values;
            values << ok << im.byte(ConfigImage::deco_type) << im.byte(ConfigImage::active_gases)
                   << im.byte(ConfigImage::first_gas) << im.setpoint(qBound(1, n, 3))
                   << im.cf(n % 96) << im.gasO2(gas) << im.gasHe(gas) << im.gasDepth(gas)
                   << dive.pressure_mbar << replay.breakOnStop << changedCfs
                   << cylinders.litres[gas - 1] << cylinders.fillBar[gas - 1]
                   << static_cast<int>(cylinders.rule);
            static const QStringList names{"ok",   "deco",       "active", "first", "sp",
                                           "cf",   "ox",         "he",     "depth", "pressure",
                                           "stop", "changedCfs", "cyl",    "fill",  "rule"};
            const QString value = name == "text"
                                      ? im.customText()
                                      : QString::number(values.value(names.indexOf(name), -1));
            QCOMPARE(key + '=' + value, expected);
        }
    }

    // The .div fuzzing corpus: every file loads, and load() says false exactly when the
    // image it leaves has a stopping error.
    void fuzzCorpus_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(BATHYRA_SOURCE_DIR "/fuzz/div/corpus");
        const QFileInfoList files = corpus.entryInfoList(QDir::Files, QDir::Name);
        if (files.size() < 4)
            qFatal("%s not found", qPrintable(corpus.path()));
        for (const QFileInfo& file : files)
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }
    void fuzzCorpus()
    {
        QFETCH(QString, path);
        ConfigImage im = editedImage();
        DiveInputs dive;
        ReplayFlags replay;
        const bool ok =
            ParamFile::load(QSettings(path, QSettings::IniFormat), im, dive, replay, nullptr);
        QCOMPARE(errorOf([&] { im.validate(nullptr); }).isEmpty(), ok);
    }

private:
    QTemporaryDir dir;
};

QTEST_GUILESS_MAIN(TestParamFile)
#include "test_param_file.moc"
