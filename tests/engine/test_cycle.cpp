// The computation cycle, its state machine, the stop search and the published results.
#include "engine_fixture.h"

#include <QtTest>
#include <algorithm>
#include <vector>

using namespace engine;

namespace {

// Trimix 18/45 with 50 % from 21 m and oxygen from 6 m.
void trimixWithDecoGases(EngineDive& d)
{
    d.setGas(1, 18, 45, 0);
    d.setGas(2, 50, 0, 21);
    d.setGas(3, 100, 0, 6);
    d.s.in_first_gas = 1;
    d.useGas(1);
}

std::vector<int> publishedDepths(const EngineDive& d, bool mask = true)
{
    std::vector<int> depths;
    for (int i = 0; i < stop_count; ++i)
        if (d.s.out_stop_depth_m[i] != 0)
            depths.push_back(mask ? d.s.out_stop_depth_m[i] & 0x7F : d.s.out_stop_depth_m[i]);
    return depths;
}

int ascentAllowance(const engine_state& s)
{
    float x = (s.ambient_bar - s.surface_bar) + 0.7f;
    if (x < 0.0f)
        x = 0.0f;
    return int(x + 0.99f);
}

} // namespace

class TestCycle : public QObject {
    Q_OBJECT

private slots:
    void desaturationUnknownAfterEveryCycle();
    void unusedStatusesActAsIdle_data();
    void unusedStatusesActAsIdle();
    void searchLifecycle();
    void surfaceGivesFullNdlAndNoStops();
    void supersaturatedCompartmentGivesNoNdl();
    void futureTtsLeavesPlanAlone();
    void shallowFirstPublication();
    void fullListEndsSearch();
    void lastStopRules_data();
    void lastStopRules();
    void gradientModelAscendsFreely();
    void plainStopMayLieBelowPresentDepth();
    void gasSwitchWait_data();
    void gasSwitchWait();
    void closedCircuitNeverSwitches();
    void gasVolumes_data();
    void gasVolumes();
    void gasVolumesIndependentOfOrder();
    void saveAndRestore();
};

void TestCycle::desaturationUnknownAfterEveryCycle()
{
    EngineDive d;
    d.newDive();
    compute_desaturation(d.s);
    QCOMPARE(d.s.out_desat_time_min, uint16_t(0));
    d.cycle(); // at the surface
    QCOMPARE(d.s.out_desat_time_min, uint16_t(65535));
    d.stay(20.0f, 1);
    QCOMPARE(d.s.out_desat_time_min, uint16_t(65535));
}

void TestCycle::unusedStatusesActAsIdle_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<float>("depth");
    QTest::addColumn<int>("minutes");
    QTest::newRow("4 at the surface") << 4 << 0.0f << 0;
    QTest::newRow("4 in decompression") << 4 << 45.0f << 40;
    QTest::newRow("7 in decompression") << 7 << 45.0f << 40;
    QTest::newRow("200 at the surface") << 200 << 0.0f << 0;
}

void TestCycle::unusedStatusesActAsIdle()
{
    QFETCH(int, status);
    QFETCH(float, depth);
    QFETCH(int, minutes);
    EngineDive a, b;
    for (EngineDive* d : {&a, &b}) {
        d->newDive();
        d->diveMinutes(depth, minutes);
        d->setDepth(depth);
        QVERIFY(d->completePlan());
    }
    a.s.io_deco_status = 0;
    b.s.io_deco_status = static_cast<uint8_t>(status);
    a.cycle();
    b.cycle();
    QCOMPARE(b.s.io_deco_status, a.s.io_deco_status);
    QVERIFY(b.s.io_deco_status == 0 || b.s.io_deco_status == 2);
    QCOMPARE(b.s.out_ndl_min, a.s.out_ndl_min);
    QCOMPARE(b.s.io_deco_status == 2, minutes > 0);
}

void TestCycle::searchLifecycle()
{
    EngineDive d;
    d.newDive();
    d.diveMinutes(45.0f, 40);
    d.setDepth(45.0f);
    // 0 -> 2 -> 1 ... 1 -> 0 -> 2 -> 1
    d.s.io_deco_status = 0;
    d.cycle();
    QCOMPARE(d.s.out_ndl_min, uint8_t(0));
    QCOMPARE(d.s.io_deco_status, uint8_t(2));
    d.cycle();
    QCOMPARE(d.s.io_deco_status, uint8_t(1));
    // The previous results stay readable and unchanged until the search ends.
    const engine_state before = d.s;
    int cycles = 0;
    while (d.s.io_deco_status == 1 && cycles < 1000) {
        QVERIFY(std::equal(before.out_stop_depth_m, before.out_stop_depth_m + stop_count,
                           d.s.out_stop_depth_m));
        QCOMPARE(d.s.out_tts_min, before.out_tts_min);
        QVERIFY(d.s.out_sim_stop_depth_m > 0);
        d.cycle();
        ++cycles;
    }
    QCOMPARE(d.s.io_deco_status, uint8_t(0));
    QVERIFY(cycles > 1); // a long decompression takes several 16-minute slices
    QVERIFY(d.publishedCount() > 0);
    QCOMPARE(int(d.s.out_tts_min), ascentAllowance(d.s) + d.publishedMinutes());
    QCOMPARE(d.s.out_sim_stop_depth_m, uint8_t(0));
    QCOMPARE(int(d.s.out_first_stop_depth_m), publishedDepths(d).front());
    d.cycle();
    QCOMPARE(d.s.io_deco_status, uint8_t(2));
    QVERIFY(d.publishedCount() > 0); // still readable while the next search runs
    d.cycle();
    QCOMPARE(d.s.io_deco_status, uint8_t(1));
}

void TestCycle::surfaceGivesFullNdlAndNoStops()
{
    EngineDive d;
    d.newDive();
    for (int i = 0; i < 5; ++i)
        d.cycle();
    QCOMPARE(d.s.out_ndl_min, uint8_t(240));
    QCOMPARE(d.publishedCount(), 0);
    QCOMPARE(d.s.io_deco_status, uint8_t(0));
}

void TestCycle::supersaturatedCompartmentGivesNoNdl()
{
    EngineDive d;
    d.newDive();
    d.cycle();
    d.s.tissue_n2_bar[2] = 3.5f; // far above its surface tolerance
    d.cycle();
    QCOMPARE(d.s.out_ndl_min, uint8_t(0));
    QCOMPARE(d.s.io_deco_status, uint8_t(2));
}

void TestCycle::futureTtsLeavesPlanAlone()
{
    EngineDive x;
    x.setCf(58, 5);
    x.newDive();
    x.diveMinutes(40.0f, 30);
    x.setDepth(40.0f);
    QVERIFY(x.completePlan());
    QVERIFY(x.publishedCount() > 0);

    // The same tissues five minutes later, computed as a normal search.
    EngineDive y = x;
    y.s.config_image = y.image;
    y.s.in_step_mode = 1;
    for (int i = 0; i < 5; ++i) {
        read_inputs(y.s);
        update_real_tissues(y.s);
    }
    y.s.in_step_mode = 0;
    y.s.io_deco_status = 2;
    QVERIFY(y.completePlan());

    uint8_t depths[stop_count], times[stop_count];
    std::copy(x.s.out_stop_depth_m, x.s.out_stop_depth_m + stop_count, depths);
    std::copy(x.s.out_stop_time_min, x.s.out_stop_time_min + stop_count, times);
    const uint16_t tts = x.s.out_tts_min;
    x.s.io_deco_status = 6;
    x.cycle();
    QCOMPARE(x.s.io_deco_status, uint8_t(5));
    while (x.s.io_deco_status == 5)
        x.cycle();
    QVERIFY(std::equal(depths, depths + stop_count, x.s.out_stop_depth_m));
    QVERIFY(std::equal(times, times + stop_count, x.s.out_stop_time_min));
    QCOMPARE(x.s.out_tts_min, tts);
    QVERIFY(x.s.out_future_tts_min > tts);
    QVERIFY(std::abs(int(x.s.out_future_tts_min) - int(y.s.out_tts_min)) <= 1);
}

void TestCycle::shallowFirstPublication()
{
    EngineDive deep, shallow;
    shallow.setCf(54, 1);
    for (EngineDive* d : {&deep, &shallow}) {
        trimixWithDecoGases(*d);
        d->newDive();
        d->diveMinutes(60.0f, 25);
        d->setDepth(60.0f);
        QVERIFY(d->completePlan());
    }
    const int n = deep.publishedCount();
    QVERIFY(n >= 4);
    QCOMPARE(shallow.publishedCount(), n);
    for (int k = 0; k < n; ++k) {
        QCOMPARE(shallow.s.out_stop_depth_m[k], deep.s.out_stop_depth_m[n - 1 - k]);
        QCOMPARE(shallow.s.out_stop_time_min[k], deep.s.out_stop_time_min[n - 1 - k]);
        QCOMPARE(shallow.s.out_stop_time_shallow_first[k], deep.s.out_stop_time_shallow_first[k]);
        QCOMPARE(deep.s.out_stop_time_shallow_first[k], deep.s.out_stop_time_min[n - 1 - k]);
    }
    QCOMPARE(shallow.s.out_first_stop_depth_m, deep.s.out_first_stop_depth_m);
    QCOMPARE(int(shallow.s.out_first_stop_depth_m), publishedDepths(deep).front());
    QVERIFY((shallow.s.out_stop_depth_m[0] & 0x7F) < shallow.s.out_first_stop_depth_m);
    QCOMPARE(shallow.s.out_tts_min, deep.s.out_tts_min);
}

void TestCycle::fullListEndsSearch()
{
    // Saturated deep on air: far more than 32 stop entries would be needed.
    EngineDive d(false);
    d.newDive();
    d.setDepth(120.0f);
    d.cycle();
    for (int i = 0; i < compartment_count; ++i)
        d.s.tissue_n2_bar[i] = 9.5f;
    QVERIFY(d.completePlan(20000));
    QCOMPARE(d.publishedCount(), stop_count);
    for (int i = 0; i < stop_count; ++i)
        QVERIFY(d.s.out_stop_time_min[i] >= 1);
    QCOMPARE(int(d.s.out_tts_min), ascentAllowance(d.s) + d.publishedMinutes());
}

void TestCycle::lastStopRules_data()
{
    QTest::addColumn<bool>("gf");
    QTest::addColumn<int>("lastStop");
    for (bool gf : {true, false})
        for (int last : {2, 3, 4, 5, 6})
            QTest::newRow(qPrintable(QString("%1 CF29=%2").arg(gf ? "GF" : "plain").arg(last)))
                << gf << last;
}

void TestCycle::lastStopRules()
{
    QFETCH(bool, gf);
    QFETCH(int, lastStop);
    EngineDive d(gf);
    d.s.in_last_stop_m = static_cast<uint8_t>(lastStop);
    d.newDive();
    d.diveMinutes(45.0f, 35);
    d.setDepth(45.0f);
    QVERIFY(d.completePlan());
    const std::vector<int> depths = publishedDepths(d);
    QVERIFY(depths.size() >= 3);
    QCOMPARE(depths.back(), lastStop);
    QVERIFY(std::find(depths.begin(), depths.end(), 3) == depths.end() || lastStop == 3);
    if (lastStop != 6)
        QCOMPARE(depths[depths.size() - 2], 6);
    for (size_t i = 0; i + 1 < depths.size(); ++i) {
        QVERIFY(depths[i] % 3 == 0);
        QVERIFY(depths[i] > depths[i + 1]);
    }
}

void TestCycle::gradientModelAscendsFreely()
{
    EngineDive d(true);
    d.newDive();
    d.diveMinutes(30.0f, 30);
    read_inputs(d.s);
    copy_tissues_to_sim(d.s);
    clear_stop_list(d.s);
    d.s.sim_ambient_bar = d.s.surface_bar + 40.0f * 0.09985f; // 40 m, ceiling far shallower
    QVERIFY(!find_next_stop(d.s));
    QCOMPARE(int(d.s.sim_stop_depth_m), 29); // truncated depth reachable in one minute
    QCOMPARE(d.s.sim_stop_depth[0], uint8_t(0));
}

void TestCycle::plainStopMayLieBelowPresentDepth()
{
    EngineDive d(false);
    d.newDive();
    d.diveMinutes(50.0f, 40);
    read_inputs(d.s);
    copy_tissues_to_sim(d.s);
    compute_sim_ceiling(d.s, 0.0f);
    const float ceiling_m = (d.s.sim_ceiling_bar - d.s.surface_bar) * 10.015f;
    QVERIFY(ceiling_m > 3.0f);
    // Stand just below the ceiling but above the next 3 m grid line.
    d.s.sim_ambient_bar = d.s.sim_ceiling_bar + 0.001f;
    QVERIFY(find_next_stop(d.s));
    const float here_m = (d.s.sim_ambient_bar - d.s.surface_bar) * 10.015f;
    QVERIFY(d.s.sim_stop_depth_m % 3 == 0);
    QVERIFY(d.s.sim_stop_depth_m >= ceiling_m);
    QVERIFY(d.s.sim_stop_depth_m > here_m);
}

void TestCycle::gasSwitchWait_data()
{
    QTest::addColumn<int>("wait");
    QTest::newRow("CF55=0") << 0;
    QTest::newRow("CF55=2") << 2;
}

void TestCycle::gasSwitchWait()
{
    QFETCH(int, wait);
    EngineDive d;
    trimixWithDecoGases(d);
    d.setCf(55, static_cast<uint16_t>(wait));
    d.newDive();
    d.diveMinutes(70.0f, 25);
    d.setDepth(70.0f);
    QVERIFY(d.completePlan());
    const std::vector<int> raw = publishedDepths(d, false);
    // Stops at the two switch depths began in the minute of the switch: bit 7.
    int marked21 = -1, marked6 = -1;
    for (int i = 0; i < stop_count; ++i) {
        if (d.s.out_stop_depth_m[i] == (21 | 0x80))
            marked21 = i;
        if (d.s.out_stop_depth_m[i] == (6 | 0x80))
            marked6 = i;
    }
    QVERIFY(marked21 >= 0);
    QVERIFY(marked6 >= 0);
    if (wait > 0)
        QVERIFY(d.s.out_stop_time_min[marked21] >= wait);
    // No other stop carries the mark.
    for (int depth : raw)
        if (depth & 0x80)
            QVERIFY((depth & 0x7F) == 21 || (depth & 0x7F) == 6);
    // The search restores the gas it started with.
    QCOMPARE(d.s.sim_gas, uint8_t(1));

    // The end-of-plan CNS breathes oxygen at 6 m: far more than the bottom gas there.
    const float before = d.s.cns_fraction;
    d.s.in_bottom_depth_m = 70;
    cns_at_plan_end(d.s);
    const float added = d.s.cns_fraction - before;
    float six_metre_minutes = d.s.out_stop_time_min[marked6];
    QVERIFY(added > six_metre_minutes * 30.0f * 0.000755f * 0.9f);
    QCOMPARE(d.s.sim_gas, uint8_t(1));
    QCOMPARE(d.s.in_step_mode, uint8_t(0));
}

void TestCycle::closedCircuitNeverSwitches()
{
    EngineDive d;
    trimixWithDecoGases(d);
    d.s.in_setpoint_cbar = 130;
    d.setCf(55, 2);
    d.newDive();
    d.diveMinutes(70.0f, 30);
    d.setDepth(70.0f);
    QVERIFY(d.completePlan());
    QVERIFY(d.publishedCount() > 0);
    for (int depth : publishedDepths(d, false))
        QVERIFY(!(depth & 0x80));
    d.s.sim_stop_depth_m = 6;
    QVERIFY(!check_gas_switch(d.s));
    QCOMPARE(d.s.sim_switch_until_min, uint16_t(0));
}

void TestCycle::gasVolumes_data()
{
    QTest::addColumn<int>("decoGasDepth");
    QTest::addColumn<int>("ascentRate");
    QTest::addColumn<int>("gas1");
    QTest::addColumn<int>("gas2");
    // 30 m for 20 min at 20 l/min, stops 6 m 3 min and 3 m 5 min, ascent 20 l/min:
    // bottom 1600, 30->6 m 134.4, 6 m 96, 6->3 m 8.7, 3 m 130, 3->0 m 6.9.
    QTest::newRow("one gas") << 0 << 20 << 1976 << 0;
    QTest::newRow("oxygen from 6 m") << 6 << 20 << 1734 << 242;
    QTest::newRow("no ascent rate") << 6 << 0 << 1600 << 65535;
}

void TestCycle::gasVolumes()
{
    QFETCH(int, decoGasDepth);
    QFETCH(int, ascentRate);
    QFETCH(int, gas1);
    QFETCH(int, gas2);
    EngineDive d;
    d.setGas(2, 100, 0, decoGasDepth);
    d.setCf(56, 20);
    d.setCf(57, static_cast<uint16_t>(ascentRate));
    d.s.in_first_gas = 1;
    d.s.in_bottom_depth_m = 30;
    d.s.in_bottom_time_min = 20;
    d.s.out_stop_depth_m[0] = 6 | 0x80;
    d.s.out_stop_time_min[0] = 3;
    d.s.out_stop_depth_m[1] = 3;
    d.s.out_stop_time_min[1] = 5;
    compute_gas_volumes(d.s);
    QCOMPARE(int(d.s.out_gas_volume_l[0]), gas1);
    QCOMPARE(int(d.s.out_gas_volume_l[1]), gas2);
    QCOMPARE(int(d.s.out_gas_volume_l[2]), 0);
}

void TestCycle::gasVolumesIndependentOfOrder()
{
    EngineDive deep, shallow;
    shallow.setCf(54, 1);
    for (EngineDive* d : {&deep, &shallow}) {
        trimixWithDecoGases(*d);
        d->setCf(56, 20);
        d->setCf(57, 18);
        d->newDive();
        d->diveMinutes(70.0f, 25);
        d->setDepth(70.0f);
        QVERIFY(d->completePlan());
        d->s.in_bottom_depth_m = 70;
        d->s.in_bottom_time_min = 25;
        compute_gas_volumes(d->s);
    }
    for (int i = 0; i < gas_count; ++i)
        QCOMPARE(shallow.s.out_gas_volume_l[i], deep.s.out_gas_volume_l[i]);
    QVERIFY(deep.s.out_gas_volume_l[0] > 0);
    QVERIFY(deep.s.out_gas_volume_l[1] > 0);
    QVERIFY(deep.s.out_gas_volume_l[2] > 0);
}

void TestCycle::saveAndRestore()
{
    EngineDive d;
    d.newDive();
    d.diveMinutes(40.0f, 25);
    d.setDepth(40.0f);
    QVERIFY(d.completePlan());
    save_state(d.s);
    const engine_state before = d.s;
    d.stay(40.0f, 5);
    QVERIFY(d.s.cns_fraction > before.cns_fraction);
    restore_state(d.s);
    for (int i = 0; i < compartment_count; ++i) {
        QCOMPARE(d.s.tissue_n2_bar[i], before.tissue_n2_bar[i]);
        QCOMPARE(d.s.tissue_he_bar[i], before.tissue_he_bar[i]);
    }
    QCOMPARE(d.s.cns_fraction, before.cns_fraction);
    QCOMPARE(d.s.out_cns_percent, uint8_t(before.cns_fraction * 100.0f + 0.5f));
    QCOMPARE(d.s.gf_anchor_depth_m, before.gf_anchor_depth_m);
    QVERIFY(d.s.gf_anchor_depth_m > 0.0f);
    QCOMPARE(d.s.gf_slope, d.s.gf_delta / d.s.gf_anchor_depth_m);
}

QTEST_APPLESS_MAIN(TestCycle)
#include "test_cycle.moc"
