// The profile model: depth lookup, changes and their normalisation, the shared change cursors,
// recorded ppO2, markers, averages and the file-ending dispatch of load and save.
#include "device/config_image.h"
#include "profiles/dive_profile.h"

#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_symbol.h>

class TestDiveProfile : public QObject
{
    Q_OBJECT

private slots:
    void depthLookup_data();
    void depthLookup();
    void points();
    void gasNormalisation();
    void setpointNormalisation();
    void normalisationAfterRemovePoint();
    void cursorsHandOutEachChangeOnce();
    void cursorsSurviveChangedMaps();
    void recordedPpO2();
    void ppO2ShorterThanPoints();
    void removePoint();
    void gasAt();
    void secondsKey_data();
    void secondsKey();
    void setpointMarkers_data();
    void setpointMarkers();
    void gasMarkers();
    void markersOnPlot();
    void assignCopiesEverything();
    void curveFollowsPoints();
    void unknownEndings_data();
    void unknownEndings();
};

static void fill(DiveProfile& p, std::initializer_list<std::pair<double, double>> points)
{
    for (const auto& pt : points)
        p.addPoint(pt.first, pt.second);
}

void TestDiveProfile::depthLookup_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<float>("expected");
    QTest::newRow("vertical start takes the later point") << 0 << 30.0f;
    QTest::newRow("flat bottom") << 600 << 30.0f;
    QTest::newRow("after the end") << 1500 << 30.0f;
    QTest::newRow("before the start") << -60 << 0.0f;
}

void TestDiveProfile::depthLookup()
{
    QFETCH(int, seconds);
    QFETCH(float, expected);
    DiveProfile p;
    fill(p, {{0, 0}, {0, 30}, {20, 30}});
    QCOMPARE(p.depth(seconds), expected);

    DiveProfile slope;
    fill(slope, {{0, 0}, {2, 20}});
    QCOMPARE(slope.depth(60), 10.0f);
    QCOMPARE(slope.depth(30), 5.0f);
}

void TestDiveProfile::points()
{
    DiveProfile p;
    QCOMPARE(p.diveTime(), 0.0f);
    QCOMPARE(p.diveDepth(), 0.0f);
    QCOMPARE(p.lastDepth(), 0.0f);
    QVERIFY(!p.hasRecordedPpO2());
    QCOMPARE(p.averageDepth(), 0.0f);
    QCOMPARE(p.depth(100), 0.0f);
    QCOMPARE(p.gasAt(5), 0);
    QVERIFY(p.coversSecond(17) && p.eventAt(17).isEmpty());
    QCOMPARE(p.surfaceIntervalBefore(), 0.0);
    fill(p, {{5, 10}, {1, 3}, {5, 20}, {3, 7}});
    p.addPoint(qQNaN(), 5); // not finite: ignored
    p.addPoint(2, qInf());
    p.addPoint(6, 4, qQNaN()); // kept, without a ppO2
    QCOMPARE(p.times(), (QVector<double>{1, 3, 5, 5, 6}));
    // A point at an existing time goes after the points already there.
    QCOMPARE(p.depths(), (QVector<double>{3, 7, 10, 20, 4}));
    QVERIFY(p.ppO2().isEmpty());
    QCOMPARE(p.lastDepth(), 4.0f);
    QCOMPARE(p.diveTime(), 6.0f);
    QCOMPARE(p.diveDepth(), 20.0f);
    QCOMPARE(p.description(), QStringList(QStringLiteral("6' @ 20.0m")));

    DiveProfile one;
    one.addPoint(3, 12);
    QCOMPARE(one.averageDepth(), 12.0f);
    DiveProfile box;
    fill(box, {{0, 0}, {2, 20}, {10, 20}, {12, 0}});
    QCOMPARE(box.averageDepth(), static_cast<float>(200.0 / 12.0)); // (20 + 160 + 20) / 12
    DiveProfile instant;
    fill(instant, {{0, 0}, {0, 10}});
    QVERIFY(std::isfinite(instant.averageDepth()));
    DiveProfile q;
    fill(q, {{0, 0}, {32.5, 24.69}});
    QCOMPARE(q.description(), QStringList(QStringLiteral("32.5' @ 24.7m")));
}

void TestDiveProfile::gasNormalisation()
{
    DiveProfile p;
    p.setGas(5, 2);
    p.setGas(10, 2);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{300, 2}}));
    p.setGas(5, 0);
    QVERIFY(p.gasChanges().isEmpty());

    // Removing the middle change of 1, 2, 1 joins two equal neighbours.
    p.setGas(1, 1);
    p.setGas(2, 2);
    p.setGas(3, 1);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{60, 1}, {120, 2}, {180, 1}}));
    p.setGas(2, 0);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{60, 1}}));

    // Replacing a change by its predecessor's value drops it and an equal follower.
    p.setGas(2, 2);
    p.setGas(3, 1);
    p.setGas(2, 1);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{60, 1}}));

    // A new change equal to the next one makes the next one redundant.
    p.setGas(4, 3);
    p.setGas(3, 3);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{60, 1}, {180, 3}}));
}

void TestDiveProfile::setpointNormalisation()
{
    DiveProfile p;
    p.setSetpoint(0, 0.7f);
    p.setSetpoint(1, 0.7f);
    p.setSetpoint(2, 1.3f);
    p.setSetpoint(3, 1.3f);
    QCOMPARE(p.setpointChanges(), (QMap<int, float>{{0, 0.7f}, {120, 1.3f}}));
    p.setSetpoint(2, 0.0f);
    QCOMPARE(p.setpointChanges(), (QMap<int, float>{{0, 0.7f}}));
    p.setSetpoint(4, qQNaN());
    QCOMPARE(p.setpointChanges().size(), 1);
}

void TestDiveProfile::normalisationAfterRemovePoint()
{
    // removePoint drops the change at its second without joining neighbours; the next change
    // normalises the whole map.
    DiveProfile p;
    fill(p, {{0, 0}, {1, 10}, {2, 10}, {3, 10}, {9, 0}});
    p.setGas(1, 1);
    p.setGas(2, 2);
    p.setGas(3, 1);
    p.removePoint(2);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{60, 1}, {180, 1}}));
    p.setGas(8, 4);
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{60, 1}, {480, 4}}));
}

void TestDiveProfile::cursorsHandOutEachChangeOnce()
{
    DiveProfile p;
    fill(p, {{0, 0}, {5, 20}});
    p.setGas(1.0, 2);
    p.setGas(61.0 / 60.0, 3);
    p.setSetpoint(0, 1.2f);
    QCOMPARE(p.gasChange(0), 0);
    QCOMPARE(p.gasChange(59), 0);
    QCOMPARE(p.gasChange(60), 2);
    QCOMPARE(p.gasChange(62), 3);
    QCOMPARE(p.gasChange(64), 0);
    QCOMPARE(p.setpointChange(0), 1.2f);
    QCOMPARE(p.setpointChange(2), 0.0f);
    // A later start again hands out everything once more.
    QCOMPARE(p.gasChange(0), 0);
    QCOMPARE(p.gasChange(1000), 2);
    QCOMPARE(p.gasChange(1000), 3);
    QCOMPARE(p.gasChange(1000), 0);
}

void TestDiveProfile::cursorsSurviveChangedMaps()
{
    // The cursors are shared by all profiles; a profile deleted or changed under them must not
    // leave them pointing into freed memory.
    auto* first = new DiveProfile;
    first->setGas(1, 2);
    first->setGas(2, 3);
    QCOMPARE(first->gasChange(0), 0);
    QCOMPARE(first->gasChange(60), 2);
    delete first;
    DiveProfile second;
    second.setGas(5, 4);
    // setGas moved the cursor to the start of this profile's changes.
    QCOMPARE(second.gasChange(1000), 4);
    QCOMPARE(second.gasChange(1000), 0);
    QCOMPARE(second.gasChange(0), 0);
    QCOMPARE(second.gasChange(300), 4);
}

void TestDiveProfile::recordedPpO2()
{
    DiveProfile p;
    p.addPoint(0, 0, 0.7);
    QVERIFY(!p.hasRecordedPpO2());
    QCOMPARE(p.recordedPpO2(0), 0.0f);
    p.addPoint(1, 10, 1.2);
    p.addPoint(2, 10, 1.3);
    QVERIFY(p.hasRecordedPpO2());
    QCOMPARE(p.recordedPpO2(0), 0.7f);
    QCOMPARE(p.recordedPpO2(30), 0.7f); // a step, not interpolated
    QCOMPARE(p.recordedPpO2(60), 0.7f); // (60 - 0.5) s is still before the second point
    QCOMPARE(p.recordedPpO2(61), 1.2f);
    QCOMPARE(p.recordedPpO2(119), 1.2f);
    QCOMPARE(p.recordedPpO2(121), 0.0f); // after the last point
    p.addPoint(3, 5, 0.0);               // no ppO2 recorded for this point
    QCOMPARE(p.ppO2().size(), 3);
}

void TestDiveProfile::ppO2ShorterThanPoints()
{
    // The editor starts with (0, 0, 0.21) and adds points without ppO2.
    DiveProfile p;
    p.addPoint(0, 0, 0.21);
    p.addPoint(1, 10);
    p.addPoint(2, 10);
    p.addPoint(0.5, 5, 0.9);
    p.addPoint(3, 0, 1.0); // beyond the recorded values: appended after them
    QCOMPARE(p.ppO2(), (QVector<double>{0.21, 0.9, 1.0}));
    QCOMPARE(p.recordedPpO2(100), 1.0f);
    QCOMPARE(p.recordedPpO2(150), 0.0f); // point 3 (at 2 min) has no entry
    p.removePoint(0.5);
    QCOMPARE(p.ppO2(), (QVector<double>{0.21, 1.0}));
    QCOMPARE(p.points(), 4);
}

void TestDiveProfile::removePoint()
{
    DiveProfile p;
    fill(p, {{9.95, 1}, {10, 2}, {10, 3}, {10.05, 4}, {10.2, 5}, {9.85, 6}});
    p.setGas(10, 2);
    p.setSetpoint(10, 1.3f);
    p.setGas(10.2, 3);
    p.removePoint(10);
    QCOMPARE(p.depths(), (QVector<double>{6, 5}));
    QCOMPARE(p.gasChanges(), (QMap<int, int>{{612, 3}}));
    QVERIFY(p.setpointChanges().isEmpty());
}

void TestDiveProfile::gasAt()
{
    DiveProfile p;
    p.setGas(1, 2);
    p.setGas(3, 4);
    QCOMPARE(p.gasAt(0.5), 0);
    QCOMPARE(p.gasAt(59.6 / 60.0), 2); // rounded to the nearest second
    QCOMPARE(p.gasAt(2.9), 2);
    QCOMPARE(p.gasAt(3), 4);
    QCOMPARE(p.gasAt(100), 4);
}

void TestDiveProfile::secondsKey_data()
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

void TestDiveProfile::secondsKey()
{
    QFETCH(double, minutes);
    QFETCH(int, key);
    QCOMPARE(DiveProfile::secondsKey(minutes), key);
}

void TestDiveProfile::setpointMarkers_data()
{
    QTest::addColumn<float>("bar");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("label");
    QTest::newRow("high") << 1.3f << QColor(Qt::red) << "SP:1.30";
    QTest::newRow("low") << 0.7f << QColor(Qt::green) << "SP:0.70";
    QTest::newRow("middle") << 1.0f << QColor(Qt::yellow) << "SP:1.00";
    QTest::newRow("edge 0.9") << 0.9f << QColor(Qt::yellow) << "SP:0.90";
    QTest::newRow("edge 1.1") << 1.1f << QColor(Qt::red) << "SP:1.10";
}

void TestDiveProfile::setpointMarkers()
{
    QFETCH(float, bar);
    QFETCH(QColor, colour);
    QFETCH(QString, label);
    DiveProfile p;
    fill(p, {{0, 5}, {10, 5}});
    p.setSetpoint(0, bar);
    QCOMPARE(p.markers().size(), 1);
    const QwtPlotMarker* m = p.markers().first();
    QCOMPARE(m->symbol()->style(), QwtSymbol::Diamond);
    QCOMPARE(m->symbol()->brush().color(), colour);
    QCOMPARE(m->symbol()->size(), QSize(10, 10));
    QCOMPARE(m->label().text(), label);
    QCOMPARE(m->labelAlignment(), Qt::AlignRight | Qt::AlignTop);
    QCOMPARE(m->yAxis(), static_cast<int>(QwtPlot::yLeft));
    QCOMPARE(m->yValue(), 5.0);
}

void TestDiveProfile::gasMarkers()
{
    DiveProfile p;
    fill(p, {{0, 0}, {2, 20}});
    p.setGas(1, 2);
    p.setGas(1.5, 9); // outside the colour table
    QCOMPARE(p.markers().size(), 2);
    const QwtPlotMarker* m = p.markers().first();
    QCOMPARE(m->symbol()->style(), QwtSymbol::DTriangle);
    QCOMPARE(m->symbol()->brush().color(), QColor(Qt::red));
    QCOMPARE(m->label().text(), QStringLiteral("Gas#2"));
    QCOMPARE(m->labelAlignment(), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(m->xValue(), 1.0);
    QCOMPARE(m->yValue(), 10.0);
    QCOMPARE(p.markers().at(1)->symbol()->brush().color(), QColor(Qt::black));

    // With recorded ppO2, setpoint markers sit on the ppO2 axis.
    DiveProfile cc;
    cc.addPoint(0, 0, 0.7);
    cc.addPoint(1, 10, 1.25);
    cc.addPoint(2, 10, 1.3);
    cc.setSetpoint(1.5, 1.3f);
    QCOMPARE(cc.markers().first()->yAxis(), static_cast<int>(QwtPlot::yRight));
    QCOMPARE(cc.markers().first()->yValue(), 1.25);
    QCOMPARE(cc.ppO2Curve()->yAxis(), static_cast<int>(QwtPlot::yRight));
}

void TestDiveProfile::markersOnPlot()
{
    QwtPlot plot;
    DiveProfile p;
    fill(p, {{0, 0}, {2, 20}});
    p.setGas(1, 2);
    p.attach(&plot);
    QCOMPARE(p.depthCurve()->plot(), &plot);
    QCOMPARE(p.markers().first()->plot(), &plot);
    p.setSetpoint(1, 1.2f); // rebuilt at once while attached
    QCOMPARE(p.markers().size(), 2);
    for (QwtPlotMarker* m : p.markers())
        QCOMPARE(m->plot(), &plot);
    QCOMPARE(plot.itemList(QwtPlotItem::Rtti_PlotMarker).size(), 2);
    p.attach(nullptr);
    QCOMPARE(plot.itemList().size(), 0);
}

void TestDiveProfile::assignCopiesEverything()
{
    DiveProfile a;
    a.addPoint(0, 0, 0.7);
    a.addPoint(1, 10, 1.2);
    a.setGas(0, 1);
    a.setSetpoint(1, 1.2f);
    DiveProfile b;
    b.addPoint(7, 7);
    b.assign(a);
    QCOMPARE(b.times(), a.times());
    QCOMPARE(b.depths(), a.depths());
    QCOMPARE(b.ppO2(), a.ppO2());
    QCOMPARE(b.gasChanges(), a.gasChanges());
    QCOMPARE(b.setpointChanges(), a.setpointChanges());
    QCOMPARE(b.markers().size(), 2);
    QCOMPARE(b.depthCurve()->dataSize(), size_t(2));
}

void TestDiveProfile::curveFollowsPoints()
{
    DiveProfile p;
    fill(p, {{0, 0}, {1, 12}});
    QCOMPARE(p.depthCurve()->dataSize(), size_t(2));
    QCOMPARE(p.depthCurve()->sample(1), QPointF(1, 12));
    QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 1, 12));
    p.addPoint(3, 30);
    QCOMPARE(p.depthCurve()->dataSize(), size_t(3));
    QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 3, 30));
    p.removePoint(3);
    QCOMPARE(p.depthCurve()->boundingRect(), QRectF(0, 0, 1, 12));
}

void TestDiveProfile::unknownEndings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("error");
    QTest::newRow("upper-case XML") << "dive.XML" << false << "Unknown file format.";
    QTest::newRow("no ending") << "dive" << false << "Unknown file format.";
    QTest::newRow("missing uddf") << "/nonexistent/dive.uddf" << false << "Cannot open profile.";
    QTest::newRow("missing udcf") << "/nonexistent/dive.udcf" << false << "Cannot open profile.";
    QTest::newRow("missing xml") << "/nonexistent/dive.xml" << false
                                 << "Unsupported XML format (neither DivingLog or Shearwater)";
    QTest::newRow("save udcf") << "dive.udcf" << true << "Unknown save file format";
    QTest::newRow("save upper-case") << "dive.UDDF" << true << "Unknown save file format";
    QTest::newRow("save into missing folder")
        << "/nonexistent/dive.uddf" << true << "Cannot open profile.";
}

void TestDiveProfile::unknownEndings()
{
    QFETCH(QString, name);
    QFETCH(bool, saving);
    QFETCH(QString, error);
    DiveProfile p;
    p.addPoint(0, 0);
    p.addPoint(1, 5);
    QString thrown;
    try {
        if (saving)
            p.save(name, nullptr);
        else
            p.load(name, nullptr);
    } catch (const QString& e) {
        thrown = e;
    }
    QCOMPARE(thrown, error);
    QCOMPARE(p.points(), 2);
}

QTEST_MAIN(TestDiveProfile)
#include "test_dive_profile.moc"
