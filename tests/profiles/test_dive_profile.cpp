// The profile model: points and changes with their normalisation, the lookups, the shared change
// cursors, the markers and curves on a plot.
#include "profiles/dive_profile.h"

#include <QtTest>
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

QString numbers(const QVector<double>& v)
{
    QStringList out;
    for (double x : v)
        out << QString::number(x);
    return out.join(',');
}

} // namespace

class TestDiveProfile : public QObject
{
    Q_OBJECT

private slots:
    // Points in time order (a point at an existing time after those there, not finite ones
    // ignored); changes keyed by the rounded second, equal neighbours joined, 0 removing one.
    void edits_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected"); // times; depths; ppO2; gases; setpoints
        // clang-format off
        QTest::newRow("points in order") << "p 5 10;p 1 3;p 5 20;p 3 7;p nan 5;p 2 inf;p 6 4 nan"
                                         << "1,3,5,5,6;3,7,10,20,4;;;";
        QTest::newRow("gas repeated") << "g 5 2;g 10 2" << ";;;300:2;";
        QTest::newRow("gas 0 removes") << "g 5 2;g 5 0" << ";;;;";
        QTest::newRow("middle change removed joins") << "g 1 1;g 2 2;g 3 1;g 2 0" << ";;;60:1;";
        QTest::newRow("predecessor's value drops follower") << "g 1 1;g 2 2;g 3 1;g 2 1" << ";;;60:1;";
        QTest::newRow("new change equal to next") << "g 1 1;g 4 3;g 3 3" << ";;;60:1,180:3;";
        QTest::newRow("setpoints") << "s 0 0.7;s 1 0.7;s 2 1.3;s 3 1.3;s 4 nan" << ";;;;0:0.7,120:1.3";
        QTest::newRow("setpoint 0 removes") << "s 0 0.7;s 2 1.3;s 2 0" << ";;;;0:0.7";
        // Removing a point drops the change at its second without joining; the next change
        // normalises the whole map.
        QTest::newRow("remove, no join") << "p 0 0;p 1 10;p 2 10;p 3 10;g 1 1;g 2 2;g 3 1;r 2"
                                         << "0,1,3;0,10,10;;60:1,180:1;";
        QTest::newRow("remove, then change") << "p 0 0;p 2 10;g 1 1;g 2 2;g 3 1;r 2;g 8 4"
                                             << "0;0;;60:1,480:4;";
        QTest::newRow("remove within 0.1 min") << "p 9.95 1;p 10 2;p 10 3;p 10.05 4;p 10.2 5;p 9.85 6;g 10 2;s 10 1.3;g 10.2 3;r 10"
                                               << "9.85,10.2;6,5;;612:3;";
        // The editor starts with (0, 0, 0.21) and adds points without ppO2.
        QTest::newRow("ppO2 shorter than points") << "p 0 0 0.21;p 1 10;p 2 10;p 0.5 5 0.9;p 3 0 1.0;r 0.5"
                                                  << "0,1,2,3;0,10,10,0;0.21,1;;";
        // clang-format on
    }
    void edits()
    {
        QFETCH(QString, script);
        DiveProfile p;
        apply(p, script);
        QTEST(QStringList({numbers(p.times()), numbers(p.depths()), numbers(p.ppO2()),
                           changes(p.gasChanges()), changes(p.setpointChanges())})
                  .join(';'),
              "expected");
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("script");
        // Time, maximum, last and average depth | gas at 0.5, 0.9933, 2.9 and 3 min | recorded
        // ppO2 (yes or no) at 0, 30, 60, 61 and 121 s | depth at -60, 0, 30, 60 and 600 s.
        QTest::addColumn<QString>("expected");
        const QString box = "p 0 0;p 2 20;p 10 20;p 12 0";
        // clang-format off
        QTest::newRow("empty") << "" << "0 0 0 0|0 0 0 0|no 0 0 0 0 0|0 0 0 0 0";
        // (20 + 160 + 20) / 12 min on average; gas 2 from 59.6 s (rounded to the second).
        QTest::newRow("box") << box + ";g 1 2;g 3 4" << "12 20 0 16.6667|0 2 2 4|no 0 0 0 0 0|0 0 5 10 20";
        QTest::newRow("vertical start") << "p 0 0;p 0 30;p 20 30" << "20 30 30 30|0 0 0 0|no 0 0 0 0 0|0 30 30 30 30";
        QTest::newRow("no time at all") << "p 0 0;p 0 10" << "0 10 10 10|0 0 0 0|no 0 0 0 0 0|0 10 10 10 10";
        QTest::newRow("one point") << "p 3 12" << "3 12 12 12|0 0 0 0|no 0 0 0 0 0|12 12 12 12 12";
        // A step, not interpolated: (60 - 0.5) s is still before the second point; none after
        // the last point. One recorded value is none.
        QTest::newRow("recorded ppO2") << "p 0 0 0.7;p 1 10 1.2;p 2 10 1.3"
                                       << "2 10 10 7.5|0 0 0 0|yes 0.7 0.7 0.7 1.2 0|0 0 5 10 10";
        QTest::newRow("one recorded ppO2") << "p 0 0 0.7" << "0 0 0 0|0 0 0 0|no 0 0 0 0 0|0 0 0 0 0";
        // clang-format on
    }
    void lookups()
    {
        QFETCH(QString, script);
        DiveProfile p;
        apply(p, script);
        QStringList f[4];
        for (float x : {p.diveTime(), p.diveDepth(), p.lastDepth(), p.averageDepth()})
            f[0] << QString::number(x);
        for (double m : {0.5, 59.6 / 60.0, 2.9, 3.0})
            f[1] << QString::number(p.gasAt(m));
        f[2] << (p.hasRecordedPpO2() ? "yes" : "no");
        for (int s : {0, 30, 60, 61, 121})
            f[2] << QString::number(p.recordedPpO2(s));
        for (int s : {-60, 0, 30, 60, 600})
            f[3] << QString::number(p.depth(s));
        QTEST(
            QStringList({f[0].join(' '), f[1].join(' '), f[2].join(' '), f[3].join(' ')}).join('|'),
            "expected");
        QVERIFY(p.coversSecond(17) && p.eventAt(17).isEmpty() && !p.surfaceIntervalBefore());
    }

    void secondsKey_data()
    {
        QTest::addColumn<double>("minutes");
        QTest::addColumn<int>("key");
        QTest::newRow("whole") << 1.5 << 90;
        QTest::newRow("rounds up") << 59.6 / 60.0 << 60;
        QTest::newRow("rounds down") << 59.4 / 60.0 << 59;
        QTest::newRow("not a number") << qQNaN() << 0;
        QTest::newRow("huge") << 1e300 << std::numeric_limits<int>::max();
        QTest::newRow("huge negative") << -1e300 << std::numeric_limits<int>::min();
    }
    void secondsKey()
    {
        QFETCH(double, minutes);
        QTEST(DiveProfile::secondsKey(minutes), "key");
    }

    // Each change once from a cursor shared by all profiles; a later start hands everything out
    // again; a profile deleted under the cursors never leaves them pointing into freed memory.
    void changeCursors()
    {
        auto* first = new DiveProfile;
        apply(*first, "p 0 0;p 5 20;g 1 2;g 1.0167 3;s 0 1.2");
        QList<int> gases;
        for (int s : {0, 59, 60, 62, 64, 0, 1000, 1000, 1000})
            gases << first->gasChange(s);
        QCOMPARE(gases, (QList<int>{0, 0, 2, 3, 0, 0, 2, 3, 0}));
        QCOMPARE(first->setpointChange(0), 1.2f);
        QCOMPARE(first->setpointChange(2), 0.0f);
        QCOMPARE(first->gasChange(0), 0);
        QCOMPARE(first->gasChange(60), 2);
        delete first;
        DiveProfile second;
        second.setGas(5, 4); // moves the cursor to the start of this profile's changes
        QCOMPARE(second.gasChange(1000), 4);
        QCOMPARE(second.gasChange(1000), 0);
    }

    void markers_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected"); // style colour label alignment axis x y, each
        const QString flat = "p 0 5;p 10 5;";
        // clang-format off
        QTest::newRow("setpoint high") << flat + "s 0 1.3" << "2 #ff0000 SP:1.30 34 0 0 5";
        QTest::newRow("setpoint low") << flat + "s 0 0.7" << "2 #00ff00 SP:0.70 34 0 0 5";
        QTest::newRow("setpoint middle") << flat + "s 0 1.0" << "2 #ffff00 SP:1.00 34 0 0 5";
        QTest::newRow("setpoint edge 0.9") << flat + "s 0 0.9" << "2 #ffff00 SP:0.90 34 0 0 5";
        QTest::newRow("setpoint edge 1.1") << flat + "s 0 1.1" << "2 #ff0000 SP:1.10 34 0 0 5";
        QTest::newRow("gases, one outside the colours") << "p 0 0;p 2 20;g 1 2;g 1.5 9"
            << "4 #ff0000 Gas#2 130 0 1 10|4 #000000 Gas#9 130 0 1.5 15";
        // With recorded ppO2, setpoint markers sit on the ppO2 axis.
        QTest::newRow("setpoint on the ppO2 axis") << "p 0 0 0.7;p 1 10 1.25;p 2 10 1.3;s 1.5 1.3"
            << "2 #ff0000 SP:1.30 34 1 1.5 1.25";
        // clang-format on
    }
    void markers()
    {
        QFETCH(QString, script);
        DiveProfile p;
        apply(p, script);
        QStringList got;
        for (const QwtPlotMarker* m : p.markers())
            got << QString("%1 %2 %3 %4 %5 %6 %7")
                       .arg(m->symbol()->style())
                       .arg(m->symbol()->brush().color().name(), m->label().text())
                       .arg(int(m->labelAlignment()))
                       .arg(m->yAxis() == QwtPlot::yRight)
                       .arg(m->xValue())
                       .arg(m->yValue());
        QTEST(got.join('|'), "expected");
        QCOMPARE(p.ppO2Curve()->yAxis() == QwtPlot::yRight, p.hasRecordedPpO2());
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
        QCOMPARE(b.times(), p.times());
        QCOMPARE(b.depths(), p.depths());
        QCOMPARE(b.ppO2(), p.ppO2());
        QCOMPARE(b.gasChanges(), p.gasChanges());
        QCOMPARE(b.setpointChanges(), p.setpointChanges());
        QCOMPARE(b.markers().size(), 2);
        QCOMPARE(b.depthCurve()->dataSize(), size_t(3));
        p.removePoint(3);
        QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 1, 12));
        QCOMPARE(p.description(), QStringList("1' @ 12.0m"));
        p.attach(nullptr);
        QCOMPARE(plot.itemList().size(), 0);
    }
};

QTEST_MAIN(TestDiveProfile)
#include "test_dive_profile.moc"
