// Tissue model: coefficients, step factors, multipliers, closed-circuit loop, ceilings,
// gradient outputs, EAD/END and the new-dive reset.
#include "engine_fixture.h"

#include <QtTest>
#include <cmath>

using namespace engine;

class TestTissues : public QObject {
    Q_OBJECT

private slots:
    void resetDiveSaturatesWithAir();
    void stepFactorsFollowHalfTimes_data();
    void stepFactorsFollowHalfTimes();
    void plainModelAppliesMultipliers();
    void gradientModelIgnoresMultipliers();
    void closedCircuitLoop_data();
    void closedCircuitLoop();
    void eadAndEnd_data();
    void eadAndEnd();
    void decoDistanceOnlyInSimulation();
    void ceilingAndLeadingCompartment();
    void gradientOutputs();
    void relativeGradientFollowsAnchor_data();
    void relativeGradientFollowsAnchor();
};

void TestTissues::resetDiveSaturatesWithAir()
{
    EngineDive d;
    d.s.tissue_he_bar[3] = 1.0f;
    d.s.sim_stop_depth[0] = 9;
    d.s.sim_stop_time[0] = 4;
    d.s.gf_anchor_depth_m = 12.0f;
    d.s.cns_fraction = 0.4f;
    d.s.in_ambient_pressure_mbar = 1013;
    reset_dive(d.s);
    const float expected = (1.013f - 0.0627f) * 0.7902f;
    for (int i = 0; i < compartment_count; ++i) {
        QCOMPARE(d.s.tissue_n2_bar[i], expected);
        QCOMPARE(d.s.tissue_he_bar[i], 0.0f);
    }
    QCOMPARE(d.s.sim_stop_depth[0], uint8_t(0));
    QCOMPARE(d.s.sim_stop_time[0], uint8_t(0));
    QCOMPARE(d.s.io_deco_status, uint8_t(0));
    // The anchor and the CNS belong to the caller's reset.
    QCOMPARE(d.s.gf_anchor_depth_m, 12.0f);
    QCOMPARE(d.s.cns_fraction, 0.4f);
}

void TestTissues::stepFactorsFollowHalfTimes_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<double>("minutes");
    QTest::newRow("2 seconds") << 0 << 1.0 / 30.0;
    QTest::newRow("1 minute") << 1 << 1.0;
    QTest::newRow("10 minutes") << 2 << 10.0;
}

void TestTissues::stepFactorsFollowHalfTimes()
{
    QFETCH(int, period);
    QFETCH(double, minutes);
    for (int i = 0; i < compartment_count; ++i) {
        const double n2 = 1.0 - std::pow(2.0, -minutes / zhl16c[i].n2_half_time_min);
        const double he = 1.0 - std::pow(2.0, -minutes / zhl16c[i].he_half_time_min);
        QVERIFY(std::fabs(step_factor_n2(period, i) - n2) <= 1e-6 * n2);
        QVERIFY(std::fabs(step_factor_he(period, i) - he) <= 1e-6 * he);
    }
    // Compartment 1 is the 4-minute one; helium is faster than nitrogen everywhere.
    QCOMPARE(zhl16c[0].n2_half_time_min, 4.0f);
    for (int i = 0; i < compartment_count; ++i)
        QVERIFY(step_factor_he(period, i) > step_factor_n2(period, i));
}

void TestTissues::plainModelAppliesMultipliers()
{
    // On-gassing: the plain model's step is CF11 times the gradient model's step.
    EngineDive plain(false), gf(true);
    for (EngineDive* d : {&plain, &gf}) {
        d->newDive();
        d->setDepth(30.0f);
        d->s.in_sat_factor_percent = 150;
        d->s.in_desat_factor_percent = 50;
        read_inputs(d->s);
        update_real_tissues(d->s);
    }
    const float start = (1.013f - 0.0627f) * 0.7902f;
    for (int i = 0; i < compartment_count; ++i) {
        const float step_gf = gf.s.tissue_n2_bar[i] - start;
        const float step_plain = plain.s.tissue_n2_bar[i] - start;
        QVERIFY(step_gf > 0.0f);
        QVERIFY(std::fabs(step_plain - 1.5f * step_gf) < 1e-5f);
    }
    // Off-gassing at the surface: CF12 scales it.
    for (EngineDive* d : {&plain, &gf}) {
        for (int i = 0; i < compartment_count; ++i)
            d->s.tissue_n2_bar[i] = 3.0f;
        d->setDepth(0.0f);
        read_inputs(d->s);
        update_real_tissues(d->s);
    }
    for (int i = 0; i < compartment_count; ++i) {
        const float step_gf = gf.s.tissue_n2_bar[i] - 3.0f;
        const float step_plain = plain.s.tissue_n2_bar[i] - 3.0f;
        QVERIFY(step_gf < 0.0f);
        QVERIFY(std::fabs(step_plain - 0.5f * step_gf) < 1e-5f);
    }
}

void TestTissues::gradientModelIgnoresMultipliers()
{
    EngineDive a(true), b(true);
    b.s.in_sat_factor_percent = 200;
    b.s.in_desat_factor_percent = 50;
    for (EngineDive* d : {&a, &b}) {
        d->newDive();
        d->stay(40.0f, 10);
        d->stay(5.0f, 10);
    }
    for (int i = 0; i < compartment_count; ++i)
        QCOMPARE(a.s.tissue_n2_bar[i], b.s.tissue_n2_bar[i]);
}

void TestTissues::closedCircuitLoop_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("setpoint");
    QTest::addColumn<bool>("loopEmpty");
    QTest::newRow("setpoint above ambient") << 2 << 130 << true;
    QTest::newRow("setpoint at 40 m") << 40 << 130 << false;
    QTest::newRow("low setpoint at 10 m") << 10 << 70 << false;
}

void TestTissues::closedCircuitLoop()
{
    QFETCH(int, depth);
    QFETCH(int, setpoint);
    QFETCH(bool, loopEmpty);
    EngineDive d;
    d.newDive();
    d.s.in_setpoint_cbar = static_cast<uint8_t>(setpoint);
    d.setDepth(depth);
    read_inputs(d.s);
    update_real_tissues(d.s);
    const float ambient = d.s.in_ambient_pressure_mbar * 0.001f;
    QCOMPARE(int(d.s.out_diluent_ppo2_cbar), int(0.21f * ambient * 100.0f + 0.5f));
    if (loopEmpty) {
        QCOMPARE(d.s.insp_n2_bar, 0.0f);
        QCOMPARE(d.s.insp_he_bar, 0.0f);
        QCOMPARE(d.s.out_ead_m, uint8_t(0));
        QCOMPARE(d.s.out_end_m, uint8_t(0));
        QCOMPARE(d.s.out_diluent_percent, uint8_t(0));
    } else {
        const float loop = (ambient - setpoint * 0.01f) / 0.79f;
        QVERIFY(std::fabs(d.s.insp_n2_bar - 0.79f * (loop - 0.0627f)) < 1e-5f);
        QCOMPARE(int(d.s.out_diluent_percent), int(loop / ambient * 100.0f + 0.5f));
    }
}

void TestTissues::eadAndEnd_data()
{
    QTest::addColumn<int>("ambient");
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<int>("ead");
    QTest::addColumn<int>("end");
    // Air: EAD and END equal the depth.
    QTest::newRow("air 30 m") << 4013 << 21 << 0 << 30 << 30;
    // EAN32 at 30 m: EAD about 24 m.
    QTest::newRow("EAN32 30 m") << 4013 << 32 << 0 << 24 << 30;
    // Trimix 18/45 at 60 m: EAD and END far shallower than the depth.
    QTest::newRow("tx18/45 60 m") << 7013 << 18 << 45 << 23 << 29;
    // Beyond 245.5 m EAD and END read 0, they are not clamped.
    QTest::newRow("air 300 m") << 31013 << 21 << 0 << 0 << 0;
}

void TestTissues::eadAndEnd()
{
    QFETCH(int, ambient);
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(int, ead);
    QFETCH(int, end);
    EngineDive d;
    d.setGas(1, o2, he, 0);
    d.useGas(1);
    d.newDive();
    d.s.in_ambient_pressure_mbar = static_cast<uint16_t>(ambient);
    read_inputs(d.s);
    update_real_tissues(d.s);
    // Expected values from the definitions, in float like the engine.
    const float a = ambient * 0.001f;
    const float insp_n2 = (100 - o2 - he) * 0.01f * (a - 0.0627f);
    const float insp_he = (a - 0.0627f) * (he * 0.01f);
    const float ead_m = ((insp_n2 / 0.7902f + 0.0627f) - 1.013f) * 10.015f;
    const float end_m = ((a - insp_he) - 1.013f) * 10.015f;
    QCOMPARE(int(d.s.out_ead_m), ead_m > 245.5f ? 0 : int(ead_m + 0.5f));
    QCOMPARE(int(d.s.out_end_m), end_m > 245.5f ? 0 : int(end_m + 0.5f));
    QVERIFY(std::abs(int(d.s.out_ead_m) - ead) <= 1);
    if (he == 0)
        QVERIFY(std::abs(int(d.s.out_end_m) - end) <= 1);
}

void TestTissues::decoDistanceOnlyInSimulation()
{
    EngineDive with, without;
    without.s.in_deco_distance_cbar = 0;
    with.s.in_deco_distance_cbar = 20;
    for (EngineDive* d : {&with, &without}) {
        d->newDive();
        d->setDepth(20.0f);
        read_inputs(d->s);
        update_real_tissues(d->s);
    }
    QCOMPARE(with.s.insp_n2_bar, without.s.insp_n2_bar);
    for (int i = 0; i < compartment_count; ++i)
        QCOMPARE(with.s.tissue_n2_bar[i], without.s.tissue_n2_bar[i]);

    for (EngineDive* d : {&with, &without}) {
        d->s.sim_ambient_bar = d->s.ambient_bar;
        set_sim_gas_fractions(d->s);
        compute_sim_inspired(d->s);
    }
    QVERIFY(std::fabs(with.s.insp_n2_bar - without.s.insp_n2_bar - 0.2f * 0.79f) < 1e-5f);

    // At the surface the distance does not apply.
    for (EngineDive* d : {&with, &without}) {
        d->s.sim_ambient_bar = d->s.surface_bar;
        compute_sim_inspired(d->s);
    }
    QCOMPARE(with.s.insp_n2_bar, without.s.insp_n2_bar);
}

void TestTissues::ceilingAndLeadingCompartment()
{
    EngineDive d(false);
    d.newDive();
    read_inputs(d.s);
    compute_ceiling(d.s);
    // Saturated at the surface: every tolerance is positive, the leader is the one with the
    // highest tolerated pressure, and the ceiling is its tolerance.
    QVERIFY(d.s.out_leading_tissue < compartment_count);
    float best = 0.0f;
    for (int i = 0; i < compartment_count; ++i) {
        const float n = d.s.tissue_n2_bar[i];
        const float tol = (n - zhl16c[i].n2_a) * zhl16c[i].n2_b;
        best = std::max(best, tol);
    }
    QCOMPARE(d.s.ceiling_bar, best);

    // Empty compartments (a pure oxygen loop for a long time) never lead.
    for (int i = 0; i < compartment_count; ++i)
        d.s.tissue_n2_bar[i] = d.s.tissue_he_bar[i] = 0.0f;
    compute_ceiling(d.s);
    compute_gf_outputs(d.s);
    QCOMPARE(d.s.out_leading_tissue, uint8_t(255));
    QCOMPARE(d.s.ceiling_bar, 0.0f);
    QCOMPARE(d.s.out_gf_percent, uint8_t(0));
    QCOMPARE(d.s.out_gf_relative_percent, uint8_t(0));
}

void TestTissues::gradientOutputs()
{
    EngineDive d(false);
    d.newDive();
    d.stay(40.0f, 30);
    // At depth the ambient pressure is above every compartment: no gradient.
    QCOMPARE(d.s.out_gf_percent, uint8_t(0));
    QCOMPARE(d.s.out_gf_relative_percent, uint8_t(0));
    // At the surface the gradient is the overpressure relative to the plain M-value line.
    d.setDepth(0.0f);
    d.cycle();
    QVERIFY(d.s.out_leading_tissue < compartment_count);
    const int i = d.s.out_leading_tissue;
    const float p = d.s.tissue_n2_bar[i] + d.s.tissue_he_bar[i];
    const float gf = (p - d.s.ambient_bar) / (p - d.s.ceiling_bar) * 100.0f;
    QCOMPARE(int(d.s.out_gf_percent), int(gf + 0.5f));
    QVERIFY(d.s.out_gf_percent > 50);
    QCOMPARE(d.s.out_gf_relative_percent, d.s.out_gf_percent);
    QCOMPARE(int(d.s.out_ceiling_mbar), int(d.s.ceiling_bar * 1000.0f));
    QCOMPARE(int(d.s.out_leading_tissue_mbar), int(p * 1000.0f));
}

void TestTissues::relativeGradientFollowsAnchor_data()
{
    QTest::addColumn<float>("anchor");
    QTest::addColumn<float>("depth");
    QTest::addColumn<float>("allowed");
    QTest::newRow("no anchor: GF high") << 0.0f << 6.0f << 0.85f;
    QTest::newRow("anchor shallower than 3 m: GF high") << 2.5f << 1.0f << 0.85f;
    QTest::newRow("deeper than the anchor: GF low") << 20.0f << 25.0f << 0.30f;
    QTest::newRow("half way: interpolated") << 20.0f << 10.0f << 0.575f;
}

void TestTissues::relativeGradientFollowsAnchor()
{
    QFETCH(float, anchor);
    QFETCH(float, depth);
    QFETCH(float, allowed);
    EngineDive d(true);
    d.newDive();
    d.s.gf_anchor_depth_m = anchor;
    // Every compartment 0.2 bar above the ambient pressure: the leading one carries a
    // moderate gradient.
    d.s.in_ambient_pressure_mbar = static_cast<uint16_t>(1013 + depth * 99.85f + 0.5f);
    for (int i = 0; i < compartment_count; ++i)
        d.s.tissue_n2_bar[i] = d.s.in_ambient_pressure_mbar * 0.001f + 0.2f;
    read_inputs(d.s);
    compute_ceiling(d.s);
    compute_gf_outputs(d.s);
    const int i = d.s.out_leading_tissue;
    QVERIFY(i < compartment_count);
    const float p = d.s.tissue_n2_bar[i];
    const float plain_tol = (p - zhl16c[i].n2_a) * zhl16c[i].n2_b;
    const float gf = (p - d.s.ambient_bar) / (p - plain_tol) * 100.0f;
    QVERIFY(gf > 20.0f && gf < 100.0f);
    QCOMPARE(int(d.s.out_gf_percent), int(gf + 0.5f));
    QVERIFY(std::abs(int(d.s.out_gf_relative_percent) - int(gf / allowed + 0.5f)) <= 1);
}

QTEST_APPLESS_MAIN(TestTissues)
#include "test_tissues.moc"
