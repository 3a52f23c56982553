// The plan object: records from the profile, the engine's stops, gas switches and the
// surface; labels, runtimes, index rules and the HTML table.
#include "run_fixture.h"

#include "planner/decoplan.h"

#include <QtTest>

class TestDecoplan : public QObject {
    Q_OBJECT

private slots:
    void indexRules();
    void noDecompressionPlan();
    void runtimesAndHtmlRounding();
    void shallowFirstTable();
    void gasSwitchRecords_data();
    void gasSwitchRecords();
    void bailoutFromClosedCircuit();
    void createRestoresSnapshot();
};

namespace {

// A profile of points (minutes, metres) on gas 1.
std::unique_ptr<DiveProfile> profileOf(const QVector<QPair<double, double>>& points)
{
    auto p = std::make_unique<DiveProfile>();
    for (const auto& pt : points)
        p->addPoint(pt.first, pt.second);
    p->setGas(0, 1);
    return p;
}

void publish(engine::engine_state& s, const QVector<QPair<int, int>>& stops)
{
    for (int i = 0; i < engine::stop_count; ++i)
        s.out_stop_depth_m[i] = s.out_stop_time_min[i] = 0;
    for (int i = 0; i < stops.size(); ++i) {
        s.out_stop_depth_m[i] = static_cast<uint8_t>(stops[i].first);
        s.out_stop_time_min[i] = static_cast<uint8_t>(stops[i].second);
    }
    s.out_first_stop_depth_m = stops.isEmpty() ? 0 : (stops.first().first & 0x7F);
}

} // namespace

void TestDecoplan::indexRules()
{
    RunFixture f;
    f.profile = profileOf({{0, 0}, {1, 10}, {11, 10}});
    planner::loadEngineGases(f.image, f.s);
    engine::save_state(f.s);
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QCOMPARE(plan.stops(), 3); // descent, bottom, surface
    QCOMPARE(plan.stop(-1), 0.0f);
    QCOMPARE(plan.depth(-1), 0.0f);
    QCOMPARE(plan.stop(-3), plan.stop(0));
    QCOMPARE(plan.depth(5), -1.0f);
    QCOMPARE(plan.depth(-4), -1.0f);
    QCOMPARE(plan.gas(3), -1);
    QCOMPARE(plan.runtime(7), -1.0f);
    QCOMPARE(plan.setpoint(-9), -1.0f);
    QVERIFY(!plan.decostop(0)); // descending
    QVERIFY(plan.decostop(1));
    QVERIFY(!plan.decostop(3));
    QCOMPARE(plan.diveDepth(), 10.0f);
    QCOMPARE(plan.diveTime(), 11.0f); // runtime of the first record at the greatest depth
    QCOMPARE(plan.gasName(1), QStringLiteral("Air"));
    QCOMPARE(plan.gasName(2), QString());
    QCOMPARE(plan.gasName(0), QString());
    QCOMPARE(plan.model(), QStringLiteral("OC, GF 30/85"));
}

void TestDecoplan::noDecompressionPlan()
{
    RunFixture f;
    f.profile = profileOf({{0, 0}, {0, 18}, {30, 18}});
    planner::loadEngineGases(f.image, f.s);
    engine::save_state(f.s);
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    // The instant descent gives no record; the bottom and the surface remain.
    QCOMPARE(plan.stops(), 2);
    QCOMPARE(plan.records()[0].label, QStringLiteral("Gas#1"));
    QCOMPARE(plan.records()[1].label, QString()); // same gas at the surface
    QCOMPARE(plan.runtime(-1), 30.0f + 1.8f + 0.7f);
}

void TestDecoplan::runtimesAndHtmlRounding()
{
    RunFixture f;
    f.profile = profileOf({{0, 0}, {1, 10}, {12.01, 10}});
    planner::loadEngineGases(f.image, f.s);
    engine::save_state(f.s);
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QVERIFY(qAbs(plan.runtime(1) - 12.01f) < 1e-4f);
    const QString html = plan.toHtml();
    QVERIFY(html.startsWith("<table border='0' cellspacing='0' cellpadding='5'>\n"));
    QVERIFY(html.endsWith("</table>"));
    QVERIFY(html.contains("<tr><td align='right'>0 m</td><td align='right'> &darr; <i>1 '</i></td>"
                          "<td align='right'>1.0 '</td><td>Gas#1</td></tr>\n"));
    QVERIFY(html.contains("<td align='right'>11.1 '</td><td align='right'>12.1 '</td>"));
    // The surface record: no duration, runtime 12.01 + 1 + 0.7 shown as 13.8.
    QVERIFY(html.contains("<tr><td align='right'>0 m</td><td align='right'>----</td>"
                          "<td align='right'>13.8 '</td><td></td></tr>\n"));
    Decoplan::setTableBorder(true);
    QVERIFY(plan.toHtml().startsWith("<table border='1'"));
    Decoplan::setTableBorder(false);
}

void TestDecoplan::shallowFirstTable()
{
    RunFixture f;
    f.image.setCf(54, 1);
    f.profile = profileOf({{0, 0}, {1, 40}, {21, 40}});
    planner::loadEngineGases(f.image, f.s);
    engine::save_state(f.s);
    // The engine publishes shallowest first with CF54 on.
    publish(f.s, {{3, 9}, {6, 4}, {9, 2}});
    f.s.out_first_stop_depth_m = 9;
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QCOMPARE(plan.stops(), 6);
    QCOMPARE(plan.depth(2), 9.0f); // records stay deepest first
    QCOMPARE(plan.depth(4), 3.0f);
    QCOMPARE(plan.stop(0), 1.0f); // the first profile record
    const QString html = plan.toHtml();
    const int firstRow = html.indexOf("<tr>");
    QVERIFY(html.mid(firstRow).startsWith("<tr><td align='right'>0 m</td><td align='right'>----"));
    // Level to level at 10 m/min: 21 + (40 - 9) x 0.1 + 2 = 26.1 at the 9 m stop.
    QVERIFY(qAbs(plan.runtime(2) - 26.1f) < 1e-4f);
}

void TestDecoplan::gasSwitchRecords_data()
{
    QTest::addColumn<int>("wait");
    QTest::addColumn<int>("records");
    QTest::newRow("CF55=0 adds the switch") << 0 << 6;
    QTest::newRow("CF55=2 lists none of its own") << 2 << 5;
}

void TestDecoplan::gasSwitchRecords()
{
    QFETCH(int, wait);
    QFETCH(int, records);
    RunFixture f;
    f.image.setCf(55, static_cast<quint16>(wait));
    f.setGas(2, 50, 0, 21);
    f.profile = profileOf({{0, 0}, {1, 40}, {21, 40}});
    planner::loadEngineGases(f.image, f.s);
    f.s.in_bottom_depth_m = 40;
    engine::save_state(f.s);
    publish(f.s, {{12, 2}, {6, 5}});
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QCOMPARE(plan.stops(), records);
    if (wait == 0) {
        const DecoplanStop& sw = plan.records()[2];
        QCOMPARE(sw.depth, 21.0f);
        QCOMPARE(sw.duration, 0.0f);
        QCOMPARE(sw.gas, 2);
        QCOMPARE(sw.label, QStringLiteral("SWITCH Gas#1 -> Gas#2"));
    }
    // Stops on the deco gas, whatever produced the switch.
    QCOMPARE(plan.gas(-2), 2);
    QCOMPARE(plan.gas(-3), 2);
}

void TestDecoplan::bailoutFromClosedCircuit()
{
    RunFixture f;
    f.image.setByte(ConfigImage::deco_type, 5);
    f.image.setSetpoint(1, 130);
    f.setGas(2, 50, 0, 21);
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(1, 40);
    f.profile->addPoint(21, 40);
    planner::loadEngineGases(f.image, f.s);
    f.s.in_current_gas = 2; // bailed out on gas 2
    engine::save_state(f.s);
    publish(f.s, {{24, 1}, {21, 2}, {6, 5}});
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QCOMPARE(plan.model(), QStringLiteral("Bailout, GF 30/85"));
    const QVector<DecoplanStop>& r = plan.records();
    QCOMPARE(r[0].label, QStringLiteral("SP 1.30"));
    QCOMPARE(r[0].gas, 0);
    // The first open-circuit stop is breathed deeper than gas 2's change depth.
    QCOMPARE(r[2].depth, 24.0f);
    QCOMPARE(r[2].label, QStringLiteral("<font color='red'><b>DEEP BAILOUT Gas#2 at 21m</b></font>"));

    Decoplan ccr(f.s, f.image, f.profile.get());
    ccr.create(true);
    QCOMPARE(ccr.model(), QStringLiteral("CCR, GF 30/85"));
    for (const DecoplanStop& stop : ccr.records()) {
        QCOMPARE(stop.gas, 0);
        QCOMPARE(stop.setpoint, 1.3f);
    }
}

void TestDecoplan::createRestoresSnapshot()
{
    RunFixture f;
    f.profile = profileOf({{0, 0}, {0, 45}, {25, 45}});
    planner::runState() = planner::RunState();
    f.simulate(-1, 45.0f, 25.0f);
    engine::save_state(f.s);
    const engine::engine_state before = f.s;
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QVERIFY(plan.cns() > 0.0f);
    QCOMPARE(plan.tts(), int(before.out_tts_min));
    for (int i = 0; i < engine::compartment_count; ++i)
        QCOMPARE(f.s.tissue_n2_bar[i], before.tissue_n2_bar[i]);
    QCOMPARE(f.s.cns_fraction, before.cns_fraction);
    QCOMPARE(f.s.in_setpoint_cbar, before.in_setpoint_cbar);
    QCOMPARE(f.s.in_step_mode, uint8_t(0));
}

QTEST_MAIN(TestDecoplan)
#include "test_decoplan.moc"
