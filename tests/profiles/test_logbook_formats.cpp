// The logbook readers and writers: what each format yields, the readings of real exports that
// differ from the formats' letter, round trips, broken files and the safety of writes.
#include "device/config_image.h"
#include "device/message_sink.h"
#include "profiles/dive_profile.h"
#include "profiles/profile_readers.h"
#include "profiles/uddf_formats.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace
{

ConfigImage testConfig()
{
    ConfigImage c = ConfigImage::defaultImage(QDate(2024, 1, 1));
    c.setSetpoint(1, 70);
    c.setSetpoint(2, 130);
    return c;
}

QString fixture(const QString& name)
{
    return QStringLiteral(BATHYRA_TEST_DATA "/") + name;
}

} // namespace

class TestLogbookFormats : public QObject
{
    Q_OBJECT

private slots:
    void init();

    // DivingLog
    void divingLogFirstDiveOnly();
    void divingLogRootSpelling_data();
    void divingLogRootSpelling();
    void divingLogInterval_data();
    void divingLogInterval();
    void divingLogTimeTruncation();
    void divingLogFeetWarning();

    // Shearwater
    void shearwaterSetpoints();
    void shearwaterWithoutConfiguration();
    void shearwaterTimeUnits_data();
    void shearwaterTimeUnits();
    void shearwaterZeroPpO2();
    void shearwaterWithoutDiveLog();

    // UDDF
    void uddfGasesAndSwitches();
    void uddfFractionOrPercent_data();
    void uddfFractionOrPercent();
    void uddfMode_data();
    void uddfMode();
    void uddfSixthMixTakesClosestGas();
    void uddfSingleMixWithoutSwitch();
    void uddfEmptySwitchRemovesChange();
    void decimalTimes_data();
    void decimalTimes();
    void uddfWriteReadBack();
    void uddfWriteSetpointAndMode();
    void uddfGasNames_data();
    void uddfGasNames();
    void uddfWriteRepeatsCleanly();

    // UDCF
    void udcfSixMixes();
    void udcfSwitchAppliesOnce();
    void udcfUpperCaseDeltaFeet();
    void udcfMixByPositionAndBareMix();
    void udcfPlaceholderDive();

    // Broken input
    void brokenFiles_data();
    void brokenFiles();
    void writeFailureKeepsOldFile();
    void saveReplacesFile();

private:
    QString write(const QString& name, const QByteArray& bytes);
    DiveProfile* loadFile(const QString& path, ConfigImage* config, CollectingSink* sink = nullptr);

    QTemporaryDir dir_;
    std::unique_ptr<DiveProfile> profile_;
};

void TestLogbookFormats::init()
{
    QVERIFY(dir_.isValid());
}

QString TestLogbookFormats::write(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

DiveProfile* TestLogbookFormats::loadFile(const QString& path, ConfigImage* config,
                                          CollectingSink* sink)
{
    profile_.reset(new DiveProfile);
    try {
        profile_->load(path, config, sink);
    } catch (const QString& e) {
        qWarning("%s: %s", qPrintable(path), qPrintable(e));
        return nullptr;
    }
    return profile_.get();
}

// ---------------------------------------------------------------------------------------------

void TestLogbookFormats::divingLogFirstDiveOnly()
{
    CollectingSink sink;
    DiveProfile* p = loadFile(fixture("divinglog_two_dives.xml"), nullptr, &sink);
    QVERIFY(p);
    QCOMPARE(p->times(), (QVector<double>{0, 1, 2, 3}));
    QCOMPARE(p->depths(), (QVector<double>{0, 20, 20, 0}));
    QCOMPARE(sink.lines, QStringList{"Reading DivingLog XML format"});
}

void TestLogbookFormats::divingLogRootSpelling_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("DivingLog") << "DivingLog" << true;
    QTest::newRow("Divinglog, as Diving Log 5 and 6 export") << "Divinglog" << true;
    QTest::newRow("DIVINGLOG") << "DIVINGLOG" << false;
    QTest::newRow("divinglog") << "divinglog" << false;
}

void TestLogbookFormats::divingLogRootSpelling()
{
    QFETCH(QString, root);
    QFETCH(bool, accepted);
    const QString path = write(
        "root.xml", QStringLiteral("<%1><Logbook><Dive><Profile><P Time=\"60\"><Depth>5</Depth></P>"
                                   "</Profile></Dive></Logbook></%1>")
                        .arg(root)
                        .toUtf8());
    DiveProfile p;
    QString error;
    try {
        p.load(path, nullptr);
    } catch (const QString& e) {
        error = e;
    }
    QCOMPARE(error.isEmpty(), accepted);
    if (accepted)
        QCOMPARE(p.points(), 1);
    else
        QCOMPARE(error, QStringLiteral("Unsupported XML format (neither DivingLog or Shearwater)"));
}

void TestLogbookFormats::divingLogInterval_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("interval");
    QTest::newRow("10 s sampling") << 10 << 20 << "10";
    QTest::newRow("60 s sampling is capped") << 60 << 20 << "30";
    QTest::newRow("one point") << 10 << 1 << "0";
    QTest::newRow("no point") << 10 << 0 << "0";
}

void TestLogbookFormats::divingLogInterval()
{
    QFETCH(int, step);
    QFETCH(int, count);
    QFETCH(QString, interval);
    DiveProfile p;
    for (int i = 0; i < count; ++i)
        p.addPoint(i * step / 60.0, i % 5);
    const QString path = dir_.filePath("interval.xml");
    p.save(path, nullptr);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QDomDocument doc;
    QVERIFY(doc.setContent(&f));
    QCOMPARE(doc.doctype().name(), QStringLiteral("DivingLog"));
    const QDomElement dive =
        doc.documentElement().firstChildElement("Logbook").firstChildElement("Dive");
    QCOMPARE(dive.firstChildElement("ProfileInt").text(), interval);
    QCOMPARE(dive.firstChildElement("Profile").elementsByTagName("P").size(), count);
}

void TestLogbookFormats::divingLogTimeTruncation()
{
    DiveProfile p;
    p.addPoint(0, 0);
    p.addPoint(0.99, 12.3456789);
    const QString path = dir_.filePath("trunc.xml");
    p.save(path, nullptr);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("Time=\"59\""));
    QVERIFY(text.contains("<Depth>12.3457</Depth>"));

    DiveProfile back;
    back.load(path, nullptr);
    QCOMPARE(back.times().last(), 59 / 60.0);
    // Written again, the second stays 59 for every whole second.
    for (int s = 0; s < 7200; ++s) {
        DiveProfile one;
        one.addPoint(s / 60.0, 1);
        one.save(path, nullptr);
        DiveProfile again;
        again.load(path, nullptr);
        if (DiveProfile::secondsKey(again.times().first()) != s)
            QFAIL(qPrintable(QString("second %1 drifted").arg(s)));
        if (s > 40)
            s += 97; // a spread of seconds is enough
    }
}

void TestLogbookFormats::divingLogFeetWarning()
{
    const QString path = write(
        "feet.xml", "<Divinglog><Logbook><Dive><Depth>24.69</Depth><Profile>"
                    "<P Time=\"30\"><Depth>40</Depth></P><P Time=\"60\"><Depth>81.0</Depth></P>"
                    "</Profile></Dive></Logbook></Divinglog>");
    CollectingSink sink;
    DiveProfile* p = loadFile(path, nullptr, &sink);
    QVERIFY(p);
    QCOMPARE(p->diveDepth(), 81.0f); // read as it stands
    QCOMPARE(sink.lines.size(), 2);
    QVERIFY(sink.lines[1].contains("may be in feet"));
    QVERIFY(sink.lines[1].startsWith("<font color='red'><b>"));
}

// ---------------------------------------------------------------------------------------------

void TestLogbookFormats::shearwaterSetpoints()
{
    ConfigImage config = testConfig();
    config.setSetpoint(1, 60);
    config.setSetpoint(2, 120);
    CollectingSink sink;
    DiveProfile* p = loadFile(fixture("shearwater_setpoints.xml"), &config, &sink);
    QVERIFY(p);
    // Types 0, 0, 1, 1, 0, 2: low, high, low; 2 is no setpoint type.
    QCOMPARE(p->setpointChanges(), (QMap<int, float>{{0, 0.6f}, {20, 1.2f}, {40, 0.6f}}));
    QCOMPARE(p->points(), 6);
    QCOMPARE(p->diveTime(), static_cast<float>(50 / 60.0));
    QVERIFY(p->hasRecordedPpO2());
    QCOMPARE(p->recordedPpO2(25), 1.3f);
    QCOMPARE(sink.lines, (QStringList{"Reading Shearwater XML format",
                                      "&nbsp;&nbsp;&nbsp;Dive starting: 17/11/2025 11:18:46",
                                      "&nbsp;&nbsp;&nbsp;Setpoints not recorded. Using SP#1 as "
                                      "SP_low=0.6, SP#2 as SP_high=1.2"}));
}

void TestLogbookFormats::shearwaterWithoutConfiguration()
{
    CollectingSink sink;
    DiveProfile* p = loadFile(fixture("shearwater_setpoints.xml"), nullptr, &sink);
    QVERIFY(p);
    QCOMPARE(p->setpointChanges(), (QMap<int, float>{{0, 0.7f}, {20, 1.3f}, {40, 0.7f}}));
    QCOMPARE(
        sink.lines.last(),
        QStringLiteral("&nbsp;&nbsp;&nbsp;Setpoints not recorded. Using SP_low=0.7, SP_high=1.3"));
}

void TestLogbookFormats::shearwaterTimeUnits_data()
{
    QTest::addColumn<QString>("rootAttributes");
    QTest::addColumn<QString>("declaration");
    QTest::addColumn<float>("duration");
    QTest::newRow("version 3 counts milliseconds") << " version=\"3\""
                                                   << "" << static_cast<float>(120000 / 60000.0);
    QTest::newRow("declared utf-16, 8-bit text") << " version=\"3\""
                                                 << "<?xml version=\"1.0\" encoding=\"utf-16\"?>\n"
                                                 << 2.0f;
    QTest::newRow("no version counts seconds") << ""
                                               << "" << 2000.0f;
}

void TestLogbookFormats::shearwaterTimeUnits()
{
    QFETCH(QString, rootAttributes);
    QFETCH(QString, declaration);
    QFETCH(float, duration);
    const QString text =
        declaration + QStringLiteral("<dive%1><diveLog><startDate>x</startDate><diveLogRecords>"
                                     "<diveLogRecord><currentTime>0</currentTime><currentDepth>0</"
                                     "currentDepth></diveLogRecord>"
                                     "<diveLogRecord><currentTime>120000</"
                                     "currentTime><currentDepth>3.5</currentDepth></diveLogRecord>"
                                     "</diveLogRecords></diveLog></dive>")
                          .arg(rootAttributes);
    DiveProfile* p = loadFile(write("sw.xml", text.toUtf8()), nullptr);
    QVERIFY(p);
    QCOMPARE(p->diveTime(), duration);
}

void TestLogbookFormats::shearwaterZeroPpO2()
{
    const QString path =
        write("zero.xml", "<dive><diveLog><diveLogRecords>"
                          "<diveLogRecord><currentTime>0</currentTime><currentDepth>0</"
                          "currentDepth><averagePPO2>0</averagePPO2></diveLogRecord>"
                          "<diveLogRecord><currentTime>10</currentTime><currentDepth>5</"
                          "currentDepth><averagePPO2>0</averagePPO2></diveLogRecord>"
                          "<diveLogRecord><currentTime>20</currentTime><currentDepth>0</"
                          "currentDepth><averagePPO2>-1</averagePPO2></diveLogRecord>"
                          "</diveLogRecords></diveLog></dive>");
    DiveProfile* p = loadFile(path, nullptr);
    QVERIFY(p);
    QCOMPARE(p->points(), 3);
    QVERIFY(!p->hasRecordedPpO2());
    QVERIFY(p->ppO2().isEmpty());
}

void TestLogbookFormats::shearwaterWithoutDiveLog()
{
    const QString path = write("nolog.xml", "<dive><other/></dive>");
    DiveProfile p;
    p.addPoint(1, 1);
    QString error;
    try {
        p.load(path, nullptr);
    } catch (const QString& e) {
        error = e;
    }
    QCOMPARE(error, QStringLiteral("Cannot load profile."));
    QCOMPARE(p.points(), 1);
}

// ---------------------------------------------------------------------------------------------

void TestLogbookFormats::uddfGasesAndSwitches()
{
    ConfigImage config = testConfig();
    config.setByte(ConfigImage::deco_type, 0);
    config.setByte(ConfigImage::active_gases, 0x1f);
    CollectingSink sink;
    DiveProfile* p = loadFile(fixture("uddf_gases.uddf"), &config, &sink);
    QVERIFY(p);
    // The placeholder dive without samples is passed over.
    QCOMPARE(p->points(), 6);
    // Decimal divetimes are whole seconds; time running backwards is put in order.
    QCOMPARE(p->times(),
             (QVector<double>{0, 140 / 60.0, 1139 / 60.0, 1140 / 60.0, 1800 / 60.0, 40}));
    QCOMPARE(p->depths(), (QVector<double>{0, 30, 29, 30, 6, 0}));
    // Gases by first use: 18/45 is gas 1, oxygen gas 2; the unused mix is ignored.
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{0, 1}, {1800, 2}}));
    QCOMPARE(p->setpointChanges(), (QMap<int, float>{{0, 0.7f}, {140, 1.3f}}));
    QCOMPARE(config.byte(ConfigImage::active_gases), quint8(0x03));
    QCOMPARE(config.gasO2(1), quint8(18));
    QCOMPARE(config.gasHe(1), quint8(45));
    QCOMPARE(config.gasO2(2), quint8(100));
    QCOMPARE(config.gasDepth(2), quint8(6));
    QCOMPARE(config.byte(ConfigImage::first_gas), quint8(1));
    QCOMPARE(config.byte(ConfigImage::deco_type), quint8(2));
    QCOMPARE(sink.lines, QStringList{"This is a CCR dive.\nGas#2: oxygen o2=100%, he=0%, depth=6\n"
                                     "Gas#1: 18/45 o2=18%, he=45%, first gas\n"});
}

void TestLogbookFormats::uddfFractionOrPercent_data()
{
    QTest::addColumn<QString>("o2");
    QTest::addColumn<QString>("he");
    QTest::addColumn<int>("expectedO2");
    QTest::addColumn<int>("expectedHe");
    QTest::newRow("fraction") << "0.32"
                              << "0" << 32 << 0;
    QTest::newRow("percent") << "32"
                             << "0" << 32 << 0;
    QTest::newRow("trimix fractions") << "0.21"
                                      << "0.35" << 21 << 35;
    QTest::newRow("rounded") << "0.325"
                             << "" << 33 << 0;
}

void TestLogbookFormats::uddfFractionOrPercent()
{
    QFETCH(QString, o2);
    QFETCH(QString, he);
    QFETCH(int, expectedO2);
    QFETCH(int, expectedHe);
    const QString text =
        QStringLiteral(
            "<uddf><gasdefinitions><mix id=\"m\"><o2>%1</o2><he>%2</he></mix></gasdefinitions>"
            "<profiledata><repetitiongroup><dive><samples>"
            "<waypoint><divetime>0</divetime><depth>0</depth><switchmix ref=\"m\"/></waypoint>"
            "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>"
            "</samples></dive></repetitiongroup></profiledata></uddf>")
            .arg(o2, he);
    ConfigImage config = testConfig();
    QVERIFY(loadFile(write("mix.uddf", text.toUtf8()), &config));
    QCOMPARE(int(config.gasO2(1)), expectedO2);
    QCOMPARE(int(config.gasHe(1)), expectedHe);
    QVERIFY(config.gasActive(1));
}

void TestLogbookFormats::uddfMode_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("line");
    QTest::newRow("CCR from OC") << "closedcircuit" << 0 << 2 << "This is a CCR dive.";
    QTest::newRow("CCR from gauge-like 4") << "closedcircuit" << 4 << 5 << "This is a CCR dive.";
    QTest::newRow("CCR from 5") << "closedcircuit" << 5 << 5 << "This is a CCR dive.";
    QTest::newRow("OC from CCR") << "opencircuit" << 2 << 0 << "This is an OC dive.";
    QTest::newRow("OC from 5") << "opencircuit" << 5 << 4 << "This is an OC dive.";
    QTest::newRow("apnoe") << "apnoe" << 3 << 3 << "Unknown OC/CCR mode.";
    QTest::newRow("missing") << "" << 2 << 2 << "Unknown OC/CCR mode.";
}

void TestLogbookFormats::uddfMode()
{
    QFETCH(QString, mode);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, line);
    const QString divemode =
        mode.isEmpty() ? QString() : QStringLiteral("<divemode type=\"%1\"/>").arg(mode);
    const QString text =
        QStringLiteral("<uddf><profiledata><repetitiongroup><dive><samples>"
                       "<waypoint><divetime>0</divetime><depth>0</depth>%1</waypoint>"
                       "</samples></dive></repetitiongroup></profiledata></uddf>")
            .arg(divemode);
    ConfigImage config = testConfig();
    config.setByte(ConfigImage::deco_type, static_cast<quint8>(before));
    CollectingSink sink;
    QVERIFY(loadFile(write("mode.uddf", text.toUtf8()), &config, &sink));
    QCOMPARE(int(config.byte(ConfigImage::deco_type)), after);
    QCOMPARE(sink.lines, QStringList(line + "\n"));
}

void TestLogbookFormats::uddfSixthMixTakesClosestGas()
{
    QFile f(QStringLiteral(BATHYRA_SOURCE_DIR "/fuzz/corpus/uddf/six_mixes.uddf"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    ConfigImage config = testConfig();
    CollectingSink sink;
    DiveProfile* p = loadFile(write("six.uddf", f.readAll()), &config, &sink);
    QVERIFY(p);
    // Mixes 21, 32, 50, 100 and 18/45 are gases 1 to 5; the sixth (30 %) is closest to 32 %.
    QCOMPARE(p->gasChanges(),
             (QMap<int, int>{{0, 1}, {10, 2}, {20, 3}, {30, 4}, {40, 5}, {50, 2}}));
    QCOMPARE(config.byte(ConfigImage::active_gases), quint8(0x1f));
    QCOMPARE(config.gasO2(2), quint8(32));
    QVERIFY(sink.lines.first().contains("Gas#6:  o2=30%"));
}

void TestLogbookFormats::uddfSingleMixWithoutSwitch()
{
    const QString text =
        QStringLiteral("<uddf><gasdefinitions><mix "
                       "id=\"ean\"><name>EAN32</name><o2>0.32</o2></mix></gasdefinitions>"
                       "<profiledata><repetitiongroup><dive><samples>"
                       "<waypoint><divetime>0</divetime><depth>0</depth></waypoint>"
                       "<waypoint><divetime>60</divetime><depth>10</depth></waypoint>"
                       "</samples></dive></repetitiongroup></profiledata></uddf>");
    ConfigImage config = testConfig();
    DiveProfile* p = loadFile(write("single.uddf", text.toUtf8()), &config);
    QVERIFY(p);
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{0, 1}}));
    QCOMPARE(config.gasO2(1), quint8(32));
    QCOMPARE(config.byte(ConfigImage::active_gases), quint8(0x01));
    QCOMPARE(config.byte(ConfigImage::first_gas), quint8(1));
}

void TestLogbookFormats::uddfEmptySwitchRemovesChange()
{
    const QString text = QStringLiteral(
        "<uddf><gasdefinitions><mix id=\"a\"><o2>21</o2></mix><mix id=\"b\"><o2>50</o2></mix>"
        "</gasdefinitions><profiledata><repetitiongroup><dive><samples>"
        "<waypoint><divetime>0</divetime><depth>0</depth><switchmix ref=\"a\"/></waypoint>"
        "<waypoint><divetime>60</divetime><depth>20</depth><switchmix ref=\"b\"/></waypoint>"
        "<waypoint><divetime>60</divetime><depth>21</depth><switchmix ref=\"\"/></waypoint>"
        "<waypoint><divetime>120</divetime><depth>10</depth></waypoint>"
        "</samples></dive></repetitiongroup></profiledata></uddf>");
    ConfigImage config = testConfig();
    DiveProfile* p = loadFile(write("empty-ref.uddf", text.toUtf8()), &config);
    QVERIFY(p);
    // A switch naming no gas is a change to 0: the change at that second is removed.
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{0, 1}}));
    QCOMPARE(p->depths(), (QVector<double>{0, 20, 21, 10}));
    QCOMPARE(config.gasO2(2), quint8(50)); // the mix is still configured
}

void TestLogbookFormats::decimalTimes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("DivingLog Time attribute")
        << "dec.xml"
        << QByteArray(
               "<DivingLog><Logbook><Dive><Profile><P Time=\"0\"><Depth>0</Depth></P>"
               "<P Time=\"605.5\"><Depth>9</Depth></P></Profile></Dive></Logbook></DivingLog>");
    QTest::newRow("UDDF divetime")
        << "dec.uddf"
        << QByteArray("<uddf><profiledata><repetitiongroup><dive><samples><waypoint><divetime>0.0</"
                      "divetime><depth>0</depth></waypoint><waypoint><divetime>605.5</divetime>"
                      "<depth>9</depth></waypoint></samples></dive></repetitiongroup></"
                      "profiledata></uddf>");
    QTest::newRow("UDCF t") << "dec.udcf"
                            << QByteArray(
                                   "<profile><repgroup><dive><samples><t>0.000000</t><d>0</d>"
                                   "<t>605.999</t><d>9</d></samples></dive></repgroup></profile>");
    QTest::newRow("Shearwater currentTime, seconds")
        << "dec-sw.xml"
        << QByteArray(
               "<dive><diveLog><diveLogRecords><diveLogRecord><currentTime>0</currentTime>"
               "<currentDepth>0</currentDepth></diveLogRecord><diveLogRecord><currentTime>605.5"
               "</currentTime><currentDepth>9</currentDepth></diveLogRecord></diveLogRecords>"
               "</diveLog></dive>");
}

void TestLogbookFormats::decimalTimes()
{
    // Decimal times are their whole seconds, not 0.
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    DiveProfile* p = loadFile(write(name, content), nullptr);
    QVERIFY(p);
    QCOMPARE(p->times(), (QVector<double>{0, 605 / 60.0}));
    QCOMPARE(p->depths(), (QVector<double>{0, 9}));
}

void TestLogbookFormats::uddfWriteReadBack()
{
    ConfigImage config = testConfig();
    config.setByte(ConfigImage::active_gases, 0);
    config.setGasActive(1, true);
    config.setGasActive(2, true);
    config.setGasActive(3, true);
    config.setGasO2(1, 18);
    config.setGasHe(1, 45);
    config.setGasO2(2, 50);
    config.setGasHe(2, 0);
    config.setGasDepth(2, 21);
    config.setGasO2(3, 100);
    config.setGasHe(3, 0);
    config.setGasDepth(3, 6);
    config.setByte(ConfigImage::first_gas, 1);
    config.setByte(ConfigImage::deco_type, 0);

    DiveProfile p;
    for (int s = 0; s <= 3600; s += 30)
        p.addPoint(s / 60.0, s < 1800 ? s / 60.0 : (3600 - s) / 60.0);
    p.setGas(0, 1);
    p.setGas(1.5, 2); // 90 s
    p.setGas(50, 3);
    const QString path = dir_.filePath("round.uddf");
    p.save(path, &config);

    ConfigImage readConfig = testConfig();
    readConfig.setByte(ConfigImage::active_gases, 0x1f);
    DiveProfile back;
    back.load(path, &readConfig);
    QCOMPARE(back.times(), p.times());
    QCOMPARE(back.depths(), p.depths());
    QCOMPARE(back.gasChanges(), p.gasChanges());
    QCOMPARE(back.setpointChanges(), p.setpointChanges());
    for (int n = 1; n <= 3; ++n) {
        QVERIFY(readConfig.gasActive(n));
        QCOMPARE(readConfig.gasO2(n), config.gasO2(n));
        QCOMPARE(readConfig.gasHe(n), config.gasHe(n));
        QCOMPARE(readConfig.gasDepth(n), config.gasDepth(n));
    }
    QVERIFY(!readConfig.gasActive(4));
    QCOMPARE(readConfig.byte(ConfigImage::first_gas), quint8(1));

    // The DivingLog form carries the points only.
    const QString xml = dir_.filePath("round.xml");
    p.save(xml, &config);
    DiveProfile points;
    points.load(xml, nullptr);
    QCOMPARE(points.times(), p.times());
    QCOMPARE(points.depths(), p.depths());
    QVERIFY(points.gasChanges().isEmpty());
}

void TestLogbookFormats::uddfWriteSetpointAndMode()
{
    ConfigImage config = testConfig();
    config.setByte(ConfigImage::deco_type, 5);
    DiveProfile p;
    p.addPoint(0, 0);
    p.addPoint(1, 20);
    p.addPoint(2, 20);
    p.setSetpoint(0, 0.7f);
    p.setSetpoint(1, 1.3f);
    // Leave the shared cursors at the end of the changes, as a finished replay does.
    for (int s = 0; s < 200; ++s)
        p.setpointChange(s);
    const QString path = dir_.filePath("cc.uddf");
    p.save(path, &config);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("<setpo2>130000</setpo2>"));
    QVERIFY(text.contains("<setpo2>70000</setpo2>"));
    QVERIFY(text.contains("<divemode type=\"closedcircuit\"/>"));
    QVERIFY(text.startsWith("<!DOCTYPE uddf>"));

    ConfigImage readConfig = testConfig();
    DiveProfile back;
    back.load(path, &readConfig);
    QCOMPARE(back.setpointChanges(), p.setpointChanges());
    QCOMPARE(readConfig.byte(ConfigImage::deco_type), quint8(2));
}

void TestLogbookFormats::uddfGasNames_data()
{
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<QString>("name");
    QTest::newRow("air") << 21 << 0 << "Air";
    QTest::newRow("oxygen") << 100 << 0 << "O2";
    QTest::newRow("nitrox") << 32 << 0 << "Nx32";
    QTest::newRow("low nitrox padded") << 8 << 0 << "Nx08";
    QTest::newRow("trimix") << 18 << 45 << "Tx18/45";
    QTest::newRow("trimix padded") << 10 << 5 << "Tx10/05";
    QTest::newRow("air with helium") << 21 << 35 << "Tx21/35";
}

void TestLogbookFormats::uddfGasNames()
{
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(QString, name);
    QCOMPARE(DiveProfileUDDFWriter::gasName(o2, he), name);
}

void TestLogbookFormats::uddfWriteRepeatsCleanly()
{
    // Writing the same profile twice gives the same file, whatever the shared cursors held.
    ConfigImage config = testConfig();
    DiveProfile p;
    p.addPoint(0.5, 3);
    p.addPoint(1, 10);
    p.setGas(0.5, 1);
    p.setGas(1, 2);
    const QString a = dir_.filePath("a.uddf");
    const QString b = dir_.filePath("b.uddf");
    p.save(a, &config);
    p.save(b, &config);
    QFile fa(a), fb(b);
    QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    const QByteArray first = fa.readAll();
    QCOMPARE(first, fb.readAll());
    QCOMPARE(first.count("<switchmix"), 2);
}

// ---------------------------------------------------------------------------------------------

void TestLogbookFormats::udcfSixMixes()
{
    ConfigImage config = testConfig();
    CollectingSink sink;
    DiveProfile* p = loadFile(fixture("udcf_six_mixes.udcf"), &config, &sink);
    QVERIFY(p);
    QCOMPARE(p->points(), 7);
    QCOMPARE(p->times().last(), 6.0); // "360.9" is 360 s
    // The sixth mix is listed but changes neither the configuration nor the profile.
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{0, 1}, {60, 2}, {120, 3}, {180, 4}, {240, 5}}));
    QCOMPARE(config.byte(ConfigImage::active_gases), quint8(0x1f));
    QCOMPARE(config.gasO2(3), quint8(50));
    QCOMPARE(config.gasDepth(3), quint8(21));
    QCOMPARE(config.gasHe(5), quint8(45));
    QCOMPARE(config.byte(ConfigImage::first_gas), quint8(5));
    QCOMPARE(sink.lines.size(), 1);
    QVERIFY(sink.lines.first().contains("Gas#6: F o2=28%, he=0%\n"));
    QVERIFY(sink.lines.first().contains("Gas#3: C o2=50%, he=0%, depth=21\n"));
}

void TestLogbookFormats::udcfSwitchAppliesOnce()
{
    const QString path = write(
        "once.udcf", "<profile><repgroup><dive><gases><mix><mixname>A</mixname><o2>21</o2></mix>"
                     "<mix><mixname>B</mixname><o2>50</o2></mix></gases><samples>"
                     "<t>0</t><d>0</d><switch>B</switch><t>60</t><d>10</d><t>120</t><d>20</d>"
                     "<switch>A</switch><t>180</t><d>10</d>"
                     "</samples></dive></repgroup></profile>");
    DiveProfile* p = loadFile(path, nullptr);
    QVERIFY(p);
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{60, 1}, {180, 2}}));
}

void TestLogbookFormats::udcfUpperCaseDeltaFeet()
{
    QFile f(QStringLiteral(BATHYRA_SOURCE_DIR "/fuzz/corpus/udcf/upper_delta.udcf"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    ConfigImage config = testConfig();
    CollectingSink sink;
    DiveProfile* p = loadFile(write("upper.udcf", f.readAll()), &config, &sink);
    QVERIFY(p);
    // Gas 1 by being the only mix, not by a firstGas of the file: no "first gas" said.
    QCOMPARE(sink.lines, QStringList{"Gas#1:  o2=32%, he=0%\n"});
    // The first dive has no samples; the second is spaced by its delta and given in feet.
    QCOMPARE(p->times(), (QVector<double>{0, 0.5, 1, 1.5}));
    QCOMPARE(p->depths(), (QVector<double>{0, 33 * 0.3048, 66 * 0.3048, 10 * 0.3048}));
    // A bare number as the only mix is its oxygen; never switched to, it is the dive's gas.
    QCOMPARE(config.gasO2(1), quint8(32));
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{0, 1}}));
}

void TestLogbookFormats::udcfMixByPositionAndBareMix()
{
    const QString path =
        write("index.udcf", "\n<profile><repgroup><dive><gases>"
                            "<mix><mixname>Air</mixname><o2>0.32</o2></mix>"
                            "<mix><mixname>Deco</mixname><o2>0.80</o2></mix></gases>"
                            "<samples><switch>1</switch><delta>20</delta><t>20.00</t><d>6.00</d>"
                            "<t>40.00</t><d>6.10</d><switch>2</switch><t>60</t><d>3</d>"
                            "</samples></dive></repgroup></profile>");
    ConfigImage config = testConfig();
    DiveProfile* p = loadFile(path, &config);
    QVERIFY(p);
    QCOMPARE(p->gasChanges(), (QMap<int, int>{{20, 1}, {60, 2}}));
    QCOMPARE(config.gasO2(1), quint8(32));
    QCOMPARE(config.gasO2(2), quint8(80));
}

void TestLogbookFormats::udcfPlaceholderDive()
{
    const QString path =
        write("placeholder.udcf", "<profile><repgroup><dive><samples/></dive></repgroup>"
                                  "<repgroup><dive><samples><t>0</t><d>0</d><t>30</t><d>5</d>"
                                  "</samples></dive></repgroup></profile>");
    DiveProfile* p = loadFile(path, nullptr);
    QVERIFY(p);
    QCOMPARE(p->points(), 2);
}

// ---------------------------------------------------------------------------------------------

void TestLogbookFormats::brokenFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error"); // empty: loads into a sane profile

    const QByteArray uddfHead = "<uddf><profiledata><repetitiongroup><dive><samples>";
    const QByteArray uddfTail = "</samples></dive></repetitiongroup></profiledata></uddf>";
    auto uddf = [&](const QByteArray& waypoints) { return uddfHead + waypoints + uddfTail; };
    const QByteArray deep = QByteArray("<uddf>") + QByteArray("<a>").repeated(5000) +
                            QByteArray("</a>").repeated(5000) + "</uddf>";

    QTest::newRow("empty xml") << "e.xml" << QByteArray()
                               << "Unsupported XML format (neither DivingLog or Shearwater)";
    QTest::newRow("not well-formed")
        << "n.udcf" << QByteArray("<profile><device></profile>") << "Cannot open profile.";
    QTest::newRow("truncated") << "t.uddf" << uddf("<waypoint><divetime>0</divetime>").left(60)
                               << "Cannot open profile.";
    QTest::newRow("wrong root") << "w.uddf" << QByteArray("<profile/>") << "Cannot open profile.";
    QTest::newRow("binary") << "b.xml" << QByteArray("\x00\xff\xfe<\x01", 5)
                            << "Unsupported XML format (neither DivingLog or Shearwater)";
    QTest::newRow("deeply nested") << "d.uddf" << deep << "Cannot open profile.";
    QTest::newRow("no dive") << "nd.uddf" << QByteArray("<uddf><profiledata/></uddf>")
                             << "Cannot load profile.";
    QTest::newRow("no udcf dive") << "nd.udcf" << QByteArray("<profile><repgroup/></profile>")
                                  << "Cannot load profile.";
    QTest::newRow("huge depth")
        << "h.uddf" << uddf("<waypoint><divetime>0</divetime><depth>1e308</depth></waypoint>")
        << "Cannot load profile.";
    QTest::newRow("infinite depth")
        << "i.uddf" << uddf("<waypoint><divetime>0</divetime><depth>inf</depth></waypoint>")
        << "Cannot load profile.";
    QTest::newRow("pressure as depth")
        << "p.xml"
        << QByteArray("<dive><diveLog><diveLogRecords><diveLogRecord><currentTime>0</currentTime>"
                      "<currentDepth>1093</currentDepth></diveLogRecord></diveLogRecords></"
                      "diveLog></dive>")
        << "Cannot load profile.";
    QTest::newRow("negative time")
        << "n.xml"
        << QByteArray("<DivingLog><Logbook><Dive><Profile><P Time=\"-60\"><Depth>3</Depth></P>"
                      "</Profile></Dive></Logbook></DivingLog>")
        << "Cannot load profile.";
    QTest::newRow("huge time") << "ht.udcf"
                               << QByteArray("<profile><repgroup><dive><samples><t>1e30</t><d>3</"
                                             "d></samples></dive></repgroup></profile>")
                               << "Cannot load profile.";
    QTest::newRow("huge delta time")
        << "hd.udcf"
        << QByteArray("<profile><repgroup><dive><samples><delta>80000</delta>") +
               QByteArray("<d>1</d>").repeated(10) + "</samples></dive></repgroup></profile>"
        << "Cannot load profile.";
    QTest::newRow("huge setpoint")
        << "sp.uddf"
        << uddf("<waypoint><divetime>0</divetime><depth>1</depth><setpo2>1e20</setpo2></waypoint>")
        << "Cannot load profile.";
    QTest::newRow("huge ppO2")
        << "pp.xml"
        << QByteArray("<dive><diveLog><diveLogRecords><diveLogRecord><currentTime>0</currentTime>"
                      "<currentDepth>3</currentDepth><averagePPO2>1e9</averagePPO2></"
                      "diveLogRecord></diveLogRecords></diveLog></dive>")
        << "Cannot load profile.";
    QTest::newRow("impossible mix")
        << "m.uddf"
        << QByteArray("<uddf><gasdefinitions><mix "
                      "id=\"x\"><o2>80</o2><he>80</he></mix></gasdefinitions>") +
               uddf("<waypoint><divetime>0</divetime><depth>1</depth><switchmix "
                    "ref=\"x\"/></waypoint>")
                   .mid(6)
        << "Cannot load profile.";
    QTest::newRow("non-numeric text")
        << "nn.uddf"
        << uddf("<waypoint><divetime>abc</divetime><depth>deep</depth></waypoint>"
                "<waypoint><divetime>60</divetime><depth>5</depth></waypoint>")
        << "";
    QTest::newRow("missing elements")
        << "me.uddf" << uddf("<waypoint/><waypoint><depth>4</depth></waypoint>") << "";
    QTest::newRow("out of order") << "o.udcf"
                                  << QByteArray("<profile><repgroup><dive><samples><t>60</t><d>5</"
                                                "d><t>0</t><d>0</d><t>30</t><d>9</d>"
                                                "</samples></dive></repgroup></profile>")
                                  << "";
    QTest::newRow("t without d") << "td.udcf"
                                 << QByteArray("<profile><repgroup><dive><samples><t>60</t><t>0</t>"
                                               "</samples></dive></repgroup></profile>")
                                 << "";
    QTest::newRow("no profile in divinglog")
        << "np.xml" << QByteArray("<Divinglog><Logbook><Dive/></Logbook></Divinglog>") << "";
}

void TestLogbookFormats::brokenFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    const QString path = write(name, content);

    DiveProfile p;
    p.addPoint(0, 0);
    p.addPoint(7, 7);
    p.setGas(0, 3);
    ConfigImage config = testConfig();
    const ConfigImage before = config;
    QString thrown;
    try {
        p.load(path, &config);
    } catch (const QString& e) {
        thrown = e;
    }
    QCOMPARE(thrown, error);
    if (!error.isEmpty()) {
        // Nothing changed.
        QCOMPARE(p.times(), (QVector<double>{0, 7}));
        QCOMPARE(p.depths(), (QVector<double>{0, 7}));
        QCOMPARE(p.gasChanges(), (QMap<int, int>{{0, 3}}));
        QVERIFY(config == before);
        return;
    }
    // A sane profile: ordered finite times and depths.
    QVERIFY(p.points() >= 2);
    for (int i = 0; i < p.points(); ++i) {
        QVERIFY(std::isfinite(p.times()[i]) && std::isfinite(p.depths()[i]));
        if (i > 0)
            QVERIFY(p.times()[i - 1] <= p.times()[i]);
    }
}

void TestLogbookFormats::writeFailureKeepsOldFile()
{
    const QString path = write("keep.uddf", "precious old logbook");
    DiveProfile big;
    for (int s = 0; s < 5000; ++s)
        big.addPoint(s / 60.0, 10);

    // Let the file system refuse anything beyond 4 KiB, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old {
    };
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString thrown;
    try {
        big.save(path, nullptr);
    } catch (const QString& e) {
        thrown = e;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    QCOMPARE(thrown, QStringLiteral("Cannot save profile."));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("precious old logbook"));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir_.path()).entryList(QStringList{"keep*"}, QDir::Files | QDir::Hidden),
             QStringList{"keep.uddf"});
}

void TestLogbookFormats::saveReplacesFile()
{
    const QString path = write("replace.xml", "old");
    DiveProfile p;
    p.addPoint(0, 0);
    p.addPoint(1, 5);
    p.save(path, nullptr);
    DiveProfile back;
    back.load(path, nullptr);
    QCOMPARE(back.depths(), p.depths());
}

QTEST_MAIN(TestLogbookFormats)
#include "test_logbook_formats.moc"
