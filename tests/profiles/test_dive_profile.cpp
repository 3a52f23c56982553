// SPDX-License-Identifier: GPL-3.0-or-later
// The profile model: points and changes with their normalisation, the lookups, the shared change
// cursors, the markers and curves on a plot. The logbook files: the cases of data/loads.txt, real
// exports, broken files, round trips and the safety of writes.
#include "data_table.h"
#include "device/config_image.h"
#include "device/message_sink.h"
#include "full_disk.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QtTest>
#include <memory>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_symbol.h>

namespace
{

// Edits as "p minutes metres [ppO2]" (point), "g minutes gas", "s minutes bar", "r minutes"
// (remove), separated by ';'.
void apply(DiveProfile& p, const QString& script)
{
    for (const QString& step : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList w = step.split(' ', Qt::SkipEmptyParts);
        const double a = w.value(1).toDouble(), b = w.value(2).toDouble();
        if (w[0] == "p")
            p.addPoint(a, b, w.size() > 3 ? w[3].toDouble() : -1);
        else if (w[0] == "g")
            p.setGas(a, int(b));
        else if (w[0] == "s")
            p.setSetpoint(a, float(b));
        else
            p.removePoint(a);
    }
}

template <typename Map> QString changes(const Map& map)
{
    QStringList out;
    for (auto it = map.begin(); it != map.end(); ++it)
        out << QString("%1:%2").arg(it.key()).arg(double(it.value()));
    return out.join(',');
}

// Times; depths; ppO2; gas changes; setpoint changes.
QString state(const DiveProfile& p)
{
    QStringList out;
    for (const QVector<double>* v : {&p.times(), &p.depths(), &p.ppO2()}) {
        QStringList numbers;
        for (double x : *v)
            numbers << QString::number(x);
        out << numbers.join(',');
    }
    return (out << changes(p.gasChanges()) << changes(p.setpointChanges())).join(';');
}

// Setpoints 0.70 and 1.30, no gas active, open circuit.
ConfigImage testConfig()
{
    ConfigImage c = ConfigImage::defaultImage(QDate(2024, 1, 1));
    c.setSetpoint(1, 70);
    c.setSetpoint(2, 130);
    return c;
}

// What a load gave, as "key=value;" parts: the number of points, seconds, maximum depth, the
// points (second:depth), gas switches, setpoints, the active gases (n:O2/He, @depth, * first),
// the mode, recorded ppO2 and the console.
QString summary(const DiveProfile& p, const ConfigImage& c, const CollectingSink& sink)
{
    QStringList points, gases;
    for (int i = 0; i < p.points(); ++i)
        points << QString("%1:%2").arg(DiveProfile::secondsKey(p.times()[i])).arg(p.depths()[i]);
    for (int n = 1; n <= ConfigImage::GasCount; ++n)
        if (c.gasActive(n))
            gases << QString::asprintf("%d:%d/%d@%d%s", n, c.gasO2(n), c.gasHe(n), c.gasDepth(n),
                                       c.byte(ConfigImage::first_gas) == n ? "*" : "");
    return QString("n=%1;time=%2;max=%3;points=%4;switches=%5;setpoints=%6;gases=%7;mode=%8;"
                   "ppO2=%9;console=%10;")
        .arg(p.points())
        .arg(qRound(p.diveTime() * 60))
        .arg(double(p.diveDepth()), 0, 'f', 2)
        .arg(points.join(','), changes(p.gasChanges()), changes(p.setpointChanges()),
             gases.join(','))
        .arg(c.byte(ConfigImage::deco_type))
        .arg(p.hasRecordedPpO2() ? "yes" : "no", sink.lines.join(" / "));
}

} // namespace

class TestDiveProfile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    // The cases of data/model.txt: the state after edits, the lookups and the markers.
    void model_data()
    {
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        for (const QStringList& f : dataTable("model.txt"))
            QTest::newRow(qPrintable(f[0] + ": " + f[1])) << f[0] << f[2] << f[3];
    }
    void model()
    {
        QFETCH(QString, test);
        QFETCH(QString, script);
        DiveProfile p;
        apply(p, script);
        QStringList got, f[4];
        if (test == "edits") {
            got << state(p);
        } else if (test == "lookups") {
            for (float x : {p.diveTime(), p.diveDepth(), p.lastDepth(), p.averageDepth()})
                f[0] << QString::number(x);
            for (double m : {0.5, 59.6 / 60.0, 2.9, 3.0})
                f[1] << QString::number(p.gasAt(m));
            f[2] << (p.hasRecordedPpO2() ? "yes" : "no");
            for (int s : {0, 30, 60, 61, 121})
                f[2] << QString::number(p.recordedPpO2(s));
            for (int s : {-60, 0, 30, 60, 600})
                f[3] << QString::number(p.depth(s));
            got << f[0].join(' ') << f[1].join(' ') << f[2].join(' ') << f[3].join(' ');
            QVERIFY(p.coversSecond(17) && p.eventAt(17).isEmpty() && !p.surfaceIntervalBefore());
        } else {
            for (const QwtPlotMarker* m : p.markers())
                got << QString::asprintf("%d %s %s %d %d %g %g", m->symbol()->style(),
                                         qPrintable(m->symbol()->brush().color().name()),
                                         qPrintable(m->label().text()), int(m->labelAlignment()),
                                         m->yAxis() == QwtPlot::yRight, m->xValue(), m->yValue());
            QCOMPARE(p.ppO2Curve()->yAxis() == QwtPlot::yRight, p.hasRecordedPpO2());
        }
        QTEST(got.join(" / "), "expected");
    }

    // Each change once from a cursor shared by all profiles; a later start hands everything out
    // again; a profile deleted under the cursors never leaves them pointing into freed memory.
    void changeCursors()
    {
        auto* first = new DiveProfile;
        apply(*first, "p 0 0;p 5 20;g 1 2;g 1.0167 3;s 0 1.2");
        QList<int> gases;
        for (int s : {0, 59, 60, 62, 64, 0, 1000, 1000, 1000, 0, 60})
            gases << first->gasChange(s);
        QCOMPARE(gases, (QList<int>{0, 0, 2, 3, 0, 0, 2, 3, 0, 0, 2}));
        QVERIFY(first->setpointChange(0) == 1.2f && first->setpointChange(2) == 0.0f);
        delete first;
        DiveProfile second;
        second.setGas(5, 4); // moves the cursor to the start of this profile's changes
        QCOMPARE(second.gasChange(1000), 4);
        QCOMPARE(second.gasChange(1000), 0);
    }

    // Curves follow the points, markers are rebuilt at once while attached, assign copies
    // everything, detaching leaves the plot empty.
    void onAPlot()
    {
        QwtPlot plot;
        DiveProfile p;
        apply(p, "p 0 0;p 1 12 0.7;g 1 2");
        p.attach(&plot);
        QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 1, 12));
        apply(p, "p 3 30;s 1 1.2");
        QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 3, 30));
        QCOMPARE(plot.itemList(QwtPlotItem::Rtti_PlotMarker).size(), 2);
        DiveProfile b;
        apply(b, "p 7 7");
        b.assign(p);
        QCOMPARE(state(b), state(p));
        QCOMPARE(b.markers().size(), 2);
        QCOMPARE(b.depthCurve()->dataSize(), size_t(3));
        p.removePoint(3);
        QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 1, 12));
        QCOMPARE(p.description(), QStringList("1' @ 12.0m"));
        p.attach(nullptr);
        QCOMPARE(plot.itemList().size(), 0);
    }

    void initTestCase() { QVERIFY(dir_.isValid()); }

    // The cases of data/loads.txt and a document nested too deeply.
    void loads_data()
    {
        QTest::addColumn<QString>("name");  // "shared/..." a file of the samples folder
        QTest::addColumn<int>("mode");      // deco_type before the load
        QTest::addColumn<QString>("error"); // empty: loads into a sane profile
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected"); // parts of the summary
        for (const QStringList& f : dataTable("loads.txt"))
            QTest::newRow(qPrintable(f[0]))
                << f[1] << f[2].toInt() << f[3]
                << (f[4].startsWith('@') ? fileBytes(BATHYRA_SOURCE_DIR "/" + f[4].mid(1))
                                         : f[4].toUtf8())
                << QStringList(f.mid(5));
        // A name from the file is shown cut, and escaped.
        QTest::newRow("UDDF: mix name of 300,000 characters")
            << "n.uddf" << 0 << "Cannot load profile."
            << "<uddf><gasdefinitions><mix id=\"m\"><name>&lt;" + QByteArray(300000, 'N') +
                   "</name><o2>150</o2></mix></gasdefinitions><profiledata><repetitiongroup><dive>"
                   "<samples><waypoint><divetime>0</divetime><depth>0</depth><switchmix ref=\"m\"/>"
                   "</waypoint></samples></dive></repetitiongroup></profiledata></uddf>"
            << QStringList("Mix &lt;" + QString(56, 'N') + "... is not a breathable mix.</b>");
        QTest::newRow("UDDF: deeply nested") << "d.uddf" << 0 << "Cannot open profile."
                                             << "<uddf>" + QByteArray("<a>").repeated(5000) +
                                                    QByteArray("</a>").repeated(5000) + "</uddf>"
                                             << QStringList();
    }
    void loads()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        const QString samples =
            qEnvironmentVariable("BATHYRA_SHARED_DIR", "/nonexistent") + "/samples/profiles";
        const bool shared = name.startsWith("shared/");
        if (shared && !QDir(samples).exists())
            QSKIP("the shared samples folder is not beside this checkout");
        const QString path = shared                 ? samples + name.mid(6)
                             : name.startsWith('/') ? name
                                                    : write(name, content);
        DiveProfile p;
        ConfigImage config = testConfig();
        config.setByte(ConfigImage::deco_type, static_cast<quint8>(mode));
        const ConfigImage before = config;
        CollectingSink sink;
        QString thrown;
        try {
            logbook::load(p, path, &config, &sink);
        } catch (const QString& e) {
            thrown = e; // a refused file leaves a drawing and the configuration as they were
            DiveProfile drawn;
            apply(drawn, "p 7 7;g 0 3");
            try {
                logbook::load(drawn, path, &config);
            } catch (const QString&) {
            }
            QVERIFY(p.points() == 0 && state(drawn) == "7;7;;0:3;" && config == before);
        }
        QFETCH(QString, error);
        // The text, perhaps followed by the file and the reason.
        QVERIFY2(thrown == error || (!error.isEmpty() && thrown.startsWith(error + " '")),
                 qPrintable(thrown));
        for (int i = 0; i < p.points(); ++i) // finite, in time order
            QVERIFY(std::isfinite(p.times()[i]) && std::isfinite(p.depths()[i]) &&
                    (i == 0 || p.times()[i - 1] <= p.times()[i]));
        QFETCH(QStringList, expected);
        const QString got = summary(p, config, sink);
        for (const QString& part : expected)
            QVERIFY2(got.contains(part), qPrintable(part + " not in " + got));
    }

    // Diving Log's imperial export of a dive reads as its metric export, point by point.
    void divingLogImperialTwin()
    {
        const QString folder = qEnvironmentVariable("BATHYRA_SHARED_DIR", "/nonexistent") +
                               "/samples/profiles/divinglog/TestDiveDivingLog5.08all";
        if (!QFile::exists(folder + "metric.xml") || !QFile::exists(folder + "imperial.xml"))
            QSKIP("the shared samples folder is not beside this checkout");
        DiveProfile metric, imperial;
        logbook::load(metric, folder + "metric.xml", nullptr);
        logbook::load(imperial, folder + "imperial.xml", nullptr);
        QCOMPARE(imperial.times(), metric.times());
        QCOMPARE(imperial.points(), 65);
        for (int i = 0; i < metric.points(); ++i)
            QVERIFY2(std::abs(imperial.depths()[i] - metric.depths()[i]) < 0.005,
                     qPrintable(QString("point %1: %2 m, metric %3 m")
                                    .arg(i)
                                    .arg(imperial.depths()[i])
                                    .arg(metric.depths()[i])));
    }

    // The interval is the sampling step, at most 30 s; a save replaces the file. Times are
    // truncated to the second and read back the same for every whole second.
    void divingLogWrites()
    {
        const QString path = write("interval.xml", "old");
        for (int step : {10, 60}) {
            DiveProfile p;
            for (int i = 0; i < 20; ++i)
                p.addPoint(i * step / 60.0, i % 5);
            logbook::save(p, path, nullptr);
            const QByteArray text = fileBytes(path);
            QVERIFY(text.startsWith("<!DOCTYPE DivingLog>") && text.count("<P ") == 20);
            QVERIFY(text.contains(step == 10 ? "<ProfileInt>10<" : "<ProfileInt>30<"));
        }
        DiveProfile first;
        first.addPoint(0.99, 12.3456789);
        logbook::save(first, path, nullptr);
        const QByteArray text = fileBytes(path);
        QVERIFY(text.contains("<ProfileInt>0<") && text.contains("Time=\"59\"") &&
                text.contains("<Depth>12.3457</Depth>"));
        for (int s = 0; s < 7200; s += (s > 40 ? 98 : 1)) {
            DiveProfile one, again;
            one.addPoint(s / 60.0, 1);
            logbook::save(one, path, nullptr);
            logbook::load(again, path, nullptr);
            if (DiveProfile::secondsKey(again.times().first()) != s)
                QFAIL(qPrintable(QString("second %1 drifted").arg(s)));
        }
    }

    // UDDF keeps points, gas changes and setpoints, names the gases, writes the same file twice
    // whatever the shared cursors held, and reads the mode back into a configuration in mode 0.
    void roundTrip()
    {
        for (int decoType : {0, 5}) {
            const bool cc = decoType != 0;
            ConfigImage config = testConfig();
            const quint8 gases[3][3] = {{10, 5, 0}, {32, 0, 21}, {100, 0, 6}};
            for (int n = 1; n <= 3; ++n) {
                config.setGasActive(n, true);
                config.setGasO2(n, gases[n - 1][0]);
                config.setGasHe(n, gases[n - 1][1]);
                config.setGasDepth(n, gases[n - 1][2]);
            }
            config.setByte(ConfigImage::first_gas, 1);
            config.setByte(ConfigImage::deco_type, static_cast<quint8>(decoType));
            DiveProfile p;
            for (int s = 0; s <= 3600; s += 30)
                p.addPoint(s / 60.0, s < 1800 ? s / 60.0 : (3600 - s) / 60.0);
            apply(p, cc ? "g 0 1;g 1.5 2;g 50 3;s 0 0.7;s 1 1.3" : "g 0 1;g 1.5 2;g 50 3");
            for (int s = 0; s < 4000; ++s) { // the cursors at the end, as after a finished replay
                p.setpointChange(s);
                p.gasChange(s);
            }
            const QString path = dir_.filePath("round.uddf");
            logbook::save(p, path, &config);
            const QByteArray text = fileBytes(path);
            logbook::save(p, path, &config);
            QCOMPARE(fileBytes(path), text);
            QVERIFY(text.startsWith("<!DOCTYPE uddf>"));
            QCOMPARE(text.count("<setpo2>130000</setpo2>") + text.count("<setpo2>70000</setpo2>"),
                     cc ? 2 : 0);
            QCOMPARE(text.contains("<divemode type=\"closedcircuit\"/>"), cc);
            QCOMPARE(text.count("<switchmix"), 3);
            QVERIFY(text.contains(">Tx10/05<") && text.contains(">Nx32<") && text.contains(">O2<"));

            ConfigImage readConfig = testConfig();
            readConfig.setByte(ConfigImage::active_gases, 0x1f);
            DiveProfile back;
            logbook::load(back, path, &readConfig);
            CollectingSink none;
            QCOMPARE(back.times(), p.times());
            QCOMPARE(summary(back, readConfig, none),
                     summary(p, config, none).replace("mode=5", "mode=2"));
        }
    }

    // A refused save fails with its text naming the file and the reason, leaving the old
    // file and no temporary file: by its ending, a missing folder, a disk that fills up.
    void saveFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("room"); // bytes a file may take, -1 no limit
        QTest::addColumn<QString>("error");
        QTest::newRow("upper-case ending") << "keep.UDDF" << -1 << "Unknown save file format";
        QTest::newRow("missing folder")
            << "/nonexistent/keep.uddf" << -1
            << "Cannot write '/nonexistent/keep.uddf': No such file or directory";
        QTest::newRow("UDDF, full disk") << "full.uddf" << 4096 << "full.uddf': File too large";
        QTest::newRow("DivingLog, full disk") << "full.xml" << 4096 << "full.xml': File too large";
        QTest::newRow("UDDF, no room at all") << "full.uddf" << 0 << "full.uddf': File too large";
    }
    void saveFailures()
    {
        QFETCH(QString, name);
        QFETCH(int, room);
        QFETCH(QString, error);
        const QString path = name.startsWith('/') ? name : write(name, "precious old logbook");
        DiveProfile big;
        for (int s = 0; s < 5000; ++s)
            big.addPoint(s / 60.0, 10);
        QString thrown;
        {
            std::unique_ptr<FullDisk> full(room >= 0 ? new FullDisk(rlim_t(room)) : nullptr);
            QVERIFY(!full || full->ok());
            try {
                logbook::save(big, path, nullptr);
            } catch (const QString& e) {
                thrown = e;
            }
        }
        QVERIFY2(thrown.contains(error), qPrintable(thrown));
        QCOMPARE(big.points(), 5000);
        if (!name.startsWith('/')) {
            QCOMPARE(fileBytes(path), QByteArray("precious old logbook"));
            QCOMPARE(QDir(dir_.path()).entryList({name + "*"}, QDir::Files | QDir::Hidden),
                     QStringList{name});
        }
    }
};

QTEST_MAIN(TestDiveProfile)
#include "test_dive_profile.moc"
