// Every real logbook export in the shared samples folder loads with the figures its README
// gives: duration, samples, maximum depth, gases, switches and setpoints; the malformed file and
// the freediving log (pressure in its depth field) are refused cleanly.
#include "device/config_image.h"
#include "device/message_sink.h"
#include "profiles/dive_profile.h"

#include <QtTest>

namespace
{

struct Expected {
    const char* file;
    const char* error; // empty: loads
    int samples;
    double minutes;
    double maxDepth;
    const char* gases;     // active configuration gases "O2/He" in gas order
    const char* switches;  // "second:gas" pairs
    const char* setpoints; // "second:bar" pairs, two decimals
    int mode;              // deco_type after loading (starts at 0)
    bool recordedPpO2;
};

// SP_low 0.70 and SP_high 1.30 come from the configuration's setpoints 1 and 2.
const Expected samples[] = {
    {"divinglog/TestDiveDivingLog5.08allmetric.xml", "", 65, 1950 / 60.0, 24.69, "", "", "", 0,
     false},
    // In feet without a unit mark: read as it stands, with a console warning.
    {"divinglog/TestDiveDivingLog5.08allimperial.xml", "", 65, 1950 / 60.0, 81.0, "", "", "", 0,
     false},
    {"divinglog/DivingLog.xml", "", 0, 0.0, 0.0, "", "", "", 0, false},
    {"shearwater/cc-shearwater.xml", "", 619, 6180 / 60.0, 58.4, "", "",
     "0:0.70,1150:1.30,1580:0.70,2170:1.30,2390:0.70,2940:1.30,4080:0.70", 0, true},
    {"shearwater/shearwater--date-ddmmyyy.xml", "", 330, 3290 / 60.0, 35.3, "", "",
     "0:0.70,1060:1.30,2710:0.70", 0, true},
    {"shearwater/valid_depth_data_oc_tec_trimmed.xml", "", 5, 40 / 60.0, 5.6, "", "", "0:0.70", 0,
     true},
    // Freediving log: its depth field holds pressure in mbar, refused.
    {"shearwater/valid_depth_data_trimmed.xml", "Cannot load profile.", 0, 0, 0, "", "", "", 0,
     false},
    {"uddf/TestDiveDivingLog5.08.uddf", "", 65, 1920 / 60.0, 24.69, "21/0", "0:1", "", 0, false},
    {"uddf/test42.uddf", "", 2485, 4970 / 60.0, 38.97, "16/45", "2:1", "", 0, false},
    {"uddf/test-apd-inspiration.uddf", "", 695, 6240 / 60.0, 60.2, "16/48,48/0",
     "10:1,1560:2,1680:1", "0:0.70,140:1.30,1140:0.70,1668:1.30,5890:0.70", 2, false},
    {"uddf/dive105.uddf", "", 381, 3800 / 60.0, 28.08, "21/0,32/0", "0:1,3320:2", "", 2, false},
    {"uddf/BaMQZdEhp3djeDxQ5HyCreOntBm1-1753908953.uddf", "", 2, 605 / 60.0, 0.5724519, "21/0",
     "0:1", "", 0, false},
    {"udcf/TestDiveDivingLog5.08.udcf", "", 65, 1920 / 60.0, 24.69, "21/0", "0:1", "", 0, false},
    {"udcf/TestDiveDivelogsDE.udcf", "", 65, 1920 / 60.0, 24.69, "32/0", "0:1", "", 0, false},
    {"udcf/MacDive_UDCF_41_dives_1.udcf", "", 32, 640 / 60.0, 33.9, "32/0", "20:1", "", 0, false},
    {"udcf/macdive_UDCF_9dives_1.udcf", "", 154, 3060 / 60.0, 17.68, "21/0", "0:1", "", 0, false},
    // Feet: 41 ft is 12.4968 m. The first dive's mix is unnamed with no oxygen: no gas.
    {"udcf/MacDive_UDCF_Imperial.udcf", "", 72, 2070 / 60.0, 41 * 0.3048, "", "", "", 0, false},
    {"udcf/DB_UDCF_1_1.udcf", "", 199, 3960 / 60.0, 28.65, "21/0", "0:1", "", 0, false},
    // Not well-formed: <device> is never closed.
    {"udcf/DB_UDCF_41_1.udcf", "Cannot open profile.", 0, 0, 0, "", "", "", 0, false},
};

QString samplesDir()
{
    const QByteArray shared = qgetenv("BATHYRA_SHARED_DIR");
    if (shared.isEmpty())
        return QString();
    const QString dir = QString::fromLocal8Bit(shared) + QStringLiteral("/samples/profiles");
    return QFileInfo(dir).isDir() ? dir : QString();
}

} // namespace

class TestSampleLogbooks : public QObject
{
    Q_OBJECT

private slots:
    void everyFileIsListed();
    void loads_data();
    void loads();
};

void TestSampleLogbooks::everyFileIsListed()
{
    const QString dir = samplesDir();
    if (dir.isEmpty())
        QSKIP("the shared samples folder is not beside this checkout");
    QStringList found;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(dir).relativeFilePath(it.next());
        if (path.contains(QLatin1Char('/')))
            found << path;
    }
    QStringList listed;
    for (const Expected& e : samples)
        listed << QString::fromLatin1(e.file);
    found.sort();
    listed.sort();
    QCOMPARE(found, listed);
}

void TestSampleLogbooks::loads_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(sizeof samples / sizeof samples[0]); ++i)
        QTest::newRow(samples[i].file) << i;
}

void TestSampleLogbooks::loads()
{
    const QString dir = samplesDir();
    if (dir.isEmpty())
        QSKIP("the shared samples folder is not beside this checkout");
    QFETCH(int, row);
    const Expected& e = samples[row];

    ConfigImage config = ConfigImage::defaultImage(QDate(2024, 1, 1));
    config.setSetpoint(1, 70);
    config.setSetpoint(2, 130);
    config.setByte(ConfigImage::deco_type, 0);
    config.setByte(ConfigImage::active_gases, 0);
    const ConfigImage before = config;
    CollectingSink sink;
    DiveProfile p;
    QString error;
    try {
        p.load(dir + QLatin1Char('/') + QLatin1String(e.file), &config, &sink);
    } catch (const QString& thrown) {
        error = thrown;
    }
    QCOMPARE(error, QString::fromLatin1(e.error));
    if (!error.isEmpty()) {
        QCOMPARE(p.points(), 0);
        QVERIFY(config == before);
        return;
    }

    QCOMPARE(p.points(), e.samples);
    QVERIFY(qAbs(p.diveTime() - e.minutes) < 1e-4);
    // The README gives depths to two decimals.
    QVERIFY2(qAbs(p.diveDepth() - e.maxDepth) < 0.006, qPrintable(QString::number(p.diveDepth())));

    QStringList gases;
    for (int n = 1; n <= ConfigImage::GasCount; ++n)
        if (config.gasActive(n))
            gases << QStringLiteral("%1/%2").arg(config.gasO2(n)).arg(config.gasHe(n));
    QCOMPARE(gases.join(QLatin1Char(',')), QString::fromLatin1(e.gases));

    QStringList switches;
    for (auto it = p.gasChanges().constBegin(); it != p.gasChanges().constEnd(); ++it)
        switches << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
    QCOMPARE(switches.join(QLatin1Char(',')), QString::fromLatin1(e.switches));

    QStringList setpoints;
    for (auto it = p.setpointChanges().constBegin(); it != p.setpointChanges().constEnd(); ++it)
        setpoints << QStringLiteral("%1:%2").arg(it.key()).arg(double(it.value()), 0, 'f', 2);
    QCOMPARE(setpoints.join(QLatin1Char(',')), QString::fromLatin1(e.setpoints));

    QCOMPARE(int(config.byte(ConfigImage::deco_type)), e.mode);
    QCOMPARE(p.hasRecordedPpO2(), e.recordedPpO2);
    // Time never runs backwards in the profile, whatever the file did.
    for (int i = 1; i < p.points(); ++i)
        QVERIFY(p.times()[i - 1] <= p.times()[i]);
}

QTEST_MAIN(TestSampleLogbooks)
#include "test_sample_logbooks.moc"
