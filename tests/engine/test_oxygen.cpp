// Oxygen exposure, surface intervals, desaturation and no-fly.
#include "engine_fixture.h"

#include <QtTest>
#include <cmath>

using namespace engine;

class TestOxygen : public QObject {
    Q_OBJECT

private slots:
    void cnsIncrementBands_data();
    void cnsIncrementBands();
    void cnsStepScalesAndClamps();
    void surfaceIntervalDecaysCns_data();
    void surfaceIntervalDecaysCns();
    void surfaceIntervalDesaturatesWithSurfaceMultiplier();
    void equilibriumNeedsNoDesaturation();
    void desaturationAfterDive();
    void noFly_data();
    void noFly();
    void planEndClosedCircuit();
    void planEndOpenCircuitBottomAscent();
};

void TestOxygen::cnsIncrementBands_data()
{
    QTest::addColumn<int>("ppo2");
    QTest::addColumn<double>("expected");
    QTest::newRow("49 adds nothing") << 49 << 0.0;
    QTest::newRow("50") << 50 << 1.0 / 27000.0;
    QTest::newRow("59") << 59 << 1.0 / (54000.0 - 540.0 * 59);
    QTest::newRow("60") << 60 << 1.0 / (48600.0 - 450.0 * 60);
    QTest::newRow("75") << 75 << 1.0 / (42300.0 - 360.0 * 75);
    QTest::newRow("89") << 89 << 1.0 / (35100.0 - 270.0 * 89);
    QTest::newRow("100") << 100 << 1.0 / (27000.0 - 180.0 * 100);
    QTest::newRow("140") << 140 << 1.0 / (17100.0 - 90.0 * 140);
    QTest::newRow("155") << 155 << 1.0 / (37350.0 - 225.0 * 155);
    QTest::newRow("160") << 160 << 0.000755;
    QTest::newRow("169") << 169 << 0.00102;
    QTest::newRow("174") << 174 << 0.00136;
    QTest::newRow("175") << 175 << 0.0018;
    QTest::newRow("184") << 184 << 0.00237;
    QTest::newRow("185") << 185 << 0.0031;
    QTest::newRow("190") << 190 << 0.00401;
    QTest::newRow("199") << 199 << 0.00517;
    QTest::newRow("200") << 200 << 0.0209;
    QTest::newRow("229") << 229 << 0.0209;
    QTest::newRow("230") << 230 << 0.0482;
    QTest::newRow("255") << 255 << 0.0482;
}

void TestOxygen::cnsIncrementBands()
{
    QFETCH(int, ppo2);
    QFETCH(double, expected);
    const double got = cns_increment(static_cast<uint8_t>(ppo2));
    QVERIFY2(std::fabs(got - expected) <= 1e-6 * expected, qPrintable(QString::number(got)));
}

void TestOxygen::cnsStepScalesAndClamps()
{
    EngineDive d;
    reset_cns(d.s);
    // 30 minutes at 1.60 bar in 2-second steps: 0.6795, shown as 68 %.
    d.s.in_ppo2_cbar = 160;
    for (int i = 0; i < 900; ++i)
        cns_step(d.s);
    QVERIFY(std::fabs(d.s.cns_fraction - 0.6795f) < 1e-4f);
    QCOMPARE(d.s.out_cns_percent, uint8_t(68));

    // One minute step adds 30 two-second increments, a 10-minute step 300.
    reset_cns(d.s);
    d.s.in_ppo2_cbar = 100;
    d.s.in_step_mode = 1;
    cns_step(d.s);
    QVERIFY(std::fabs(d.s.cns_fraction - 30.0f / 9000.0f) < 1e-7f);
    d.s.in_step_mode = 2;
    reset_cns(d.s);
    cns_step(d.s);
    QVERIFY(std::fabs(d.s.cns_fraction - 300.0f / 9000.0f) < 1e-6f);

    // Beyond 250 % the CNS is held at 255 %.
    d.s.in_ppo2_cbar = 240;
    for (int i = 0; i < 20; ++i)
        cns_step(d.s);
    QCOMPARE(d.s.cns_fraction, 2.55f);
    QCOMPARE(d.s.out_cns_percent, uint8_t(255));
    d.s.cns_fraction = -0.5f;
    d.s.in_ppo2_cbar = 0;
    cns_step(d.s);
    QCOMPARE(d.s.cns_fraction, 0.0f);
}

void TestOxygen::surfaceIntervalDecaysCns_data()
{
    QTest::addColumn<int>("periods");
    QTest::addColumn<int>("percent");
    QTest::newRow("90 minutes") << 9 << 50;
    QTest::newRow("180 minutes") << 18 << 25;
    QTest::newRow("none") << 0 << 100;
}

void TestOxygen::surfaceIntervalDecaysCns()
{
    QFETCH(int, periods);
    QFETCH(int, percent);
    EngineDive d;
    d.newDive();
    d.s.cns_fraction = 1.0f;
    d.s.in_surface_interval_10min = static_cast<uint8_t>(periods);
    surface_interval(d.s);
    QCOMPARE(int(d.s.out_cns_percent), percent);
}

void TestOxygen::surfaceIntervalDesaturatesWithSurfaceMultiplier()
{
    EngineDive d(true);
    d.newDive();
    for (int i = 0; i < compartment_count; ++i)
        d.s.tissue_n2_bar[i] = 2.0f;
    d.s.in_surface_interval_10min = 1;
    surface_interval(d.s);
    // The gradient model is treated as plain on the surface; off-gassing uses 0.7042 of
    // the diving multiplier (90 % -> 0.63378).
    const float insp = (1.013f - 0.0627f) * 0.7902f;
    const float k = 90 * 0.007042f;
    for (int i = 0; i < compartment_count; ++i) {
        const float expected = 2.0f + (insp - 2.0f) * step_factor_n2(2, i) * k;
        QVERIFY(std::fabs(d.s.tissue_n2_bar[i] - expected) < 1e-6f);
    }
    QCOMPARE(d.s.in_gf_model, uint8_t(1)); // restored afterwards
}

void TestOxygen::equilibriumNeedsNoDesaturation()
{
    EngineDive d;
    d.newDive();
    compute_desaturation(d.s);
    QCOMPARE(d.s.out_desat_time_min, uint16_t(0));
    for (int i = 0; i < compartment_count; ++i) {
        QCOMPARE(d.s.out_tissue_n2_desat[i], uint8_t(80));
        QCOMPARE(d.s.out_tissue_he_desat[i], uint8_t(80));
    }
}

void TestOxygen::desaturationAfterDive()
{
    EngineDive d;
    d.setGas(1, 21, 35, 0);
    d.useGas(1);
    d.newDive();
    d.stay(40.0f, 20);
    d.stay(0.0f, 1);
    compute_desaturation(d.s);
    QVERIFY(d.s.out_desat_time_min > 60);
    // The slowest loaded compartment dominates; each indicator is 80 + 20 x half-times.
    const float e = (1.013f - 0.0627f) * 0.7902f;
    const float k = 90 * 0.007042f;
    uint16_t longest = 0;
    for (int i = 0; i < compartment_count; ++i) {
        const float n = d.s.tissue_n2_bar[i];
        float halves = 0.0f, t_n2 = 0.0f;
        if (n > 1.05f * e) {
            halves = std::log(0.05f * e / (n - e)) / -0.6931f;
            t_n2 = zhl16c[i].n2_half_time_min * halves / k;
        }
        const float h = d.s.tissue_he_bar[i];
        float halves_he = 0.0f, t_he = 0.0f;
        if (h > 0.1f) {
            halves_he = std::log(0.1f / h) / -0.6931f;
            t_he = zhl16c[i].he_half_time_min * halves_he / k;
        }
        longest = std::max<uint16_t>(longest, uint16_t(std::max(t_n2, t_he)));
        QVERIFY(std::abs(int(d.s.out_tissue_n2_desat[i]) - int(halves * 20 + 80)) <= 1);
        QVERIFY(std::abs(int(d.s.out_tissue_he_desat[i]) - int(halves_he * 20 + 80)) <= 1);
        QCOMPARE(d.s.out_tissue_he_desat[i] > 80, h > 0.1f);
    }
    QVERIFY(std::abs(int(d.s.out_desat_time_min) - int(longest)) <= 1);
}

void TestOxygen::noFly_data()
{
    QTest::addColumn<int>("desat");
    QTest::addColumn<int>("ratio");
    QTest::addColumn<int>("nofly");
    QTest::newRow("100 min at 60 %") << 100 << 60 << 60;
    QTest::newRow("99 min at 60 % truncates") << 99 << 60 << 59;
    QTest::newRow("100 %") << 1234 << 100 << 1234;
    QTest::newRow("long desaturation stays in range") << 65535 << 100 << 65535;
}

void TestOxygen::noFly()
{
    QFETCH(int, desat);
    QFETCH(int, ratio);
    QFETCH(int, nofly);
    EngineDive d;
    d.s.io_nofly_time_min = static_cast<uint16_t>(desat);
    d.s.in_nofly_ratio_percent = static_cast<uint8_t>(ratio);
    compute_nofly(d.s);
    QCOMPARE(int(d.s.io_nofly_time_min), nofly);
}

void TestOxygen::planEndClosedCircuit()
{
    EngineDive d;
    d.s.in_setpoint_cbar = 130;
    reset_cns(d.s);
    d.s.out_tts_min = 40;
    d.s.in_bottom_depth_m = 60;
    d.s.out_stop_depth_m[0] = 9;
    d.s.out_stop_time_min[0] = 200; // ignored in closed circuit: TTS minutes at the setpoint
    d.s.in_ppo2_cbar = 77;
    d.s.sim_gas = 3;
    d.s.sim_runtime_min = 11;
    cns_at_plan_end(d.s);
    const float expected = 40 * 30 * cns_increment(130);
    QVERIFY(std::fabs(d.s.cns_fraction - expected) < 1e-5f);
    QCOMPARE(d.s.in_ppo2_cbar, uint8_t(77));
    QCOMPARE(d.s.sim_gas, uint8_t(3));
    QCOMPARE(d.s.sim_runtime_min, uint16_t(11));
    QCOMPARE(d.s.in_step_mode, uint8_t(0));
}

void TestOxygen::planEndOpenCircuitBottomAscent()
{
    // EAN32 at 40 m, no stops: 4 minutes of ascent at the bottom's ppO2 (1.60 bar).
    EngineDive d;
    d.setGas(1, 32, 0, 0);
    d.s.in_first_gas = 1;
    read_inputs(d.s);
    reset_cns(d.s);
    d.s.in_bottom_depth_m = 40;
    cns_at_plan_end(d.s);
    const float ppo2 = 0.32f * (40 * 0.09985f + 1.013f);
    const int cbar = int(ppo2 * 100.0f + 0.5f);
    QCOMPARE(cbar, 160);
    QVERIFY(std::fabs(d.s.cns_fraction - 4 * 30 * cns_increment(160)) < 1e-6f);
}

QTEST_APPLESS_MAIN(TestOxygen)
#include "test_oxygen.moc"
