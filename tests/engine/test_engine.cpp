// The engine's routines on chosen dives: multipliers, the closed-circuit loop, EAD/END, the
// status machine and stop search (CF29, CF54, CF55, future TTS, the full list), oxygen
// exposure, surface intervals, desaturation, no-fly and gas volumes. The random dives of
// test_engine_properties check the invariants of every plan.
#include "engine_fixture.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace engine;

namespace
{
const float air_saturation = (1.013f - 0.0627f) * 0.7902f;
}

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    // The plain model's on-gassing step is CF11 times the gradient model's, its off-gassing
    // step CF12 times; the gradient model ignores both.
    void multipliersOnlyInPlainModel()
    {
        EngineDive plain(false), gf(true);
        // On-gassing at 30 m from air saturation, off-gassing at the surface from 3 bar.
        for (const float start : {air_saturation, 3.0f}) {
            for (EngineDive* d : {&plain, &gf}) {
                d->newDive();
                std::fill(d->s.tissue_n2_bar, d->s.tissue_n2_bar + compartment_count, start);
                d->setDepth(start == 3.0f ? 0.0f : 30.0f);
                d->s.in_sat_factor_percent = 150;
                d->s.in_desat_factor_percent = 50;
                read_inputs(d->s);
                update_real_tissues(d->s);
            }
            const float factor = start == 3.0f ? 0.5f : 1.5f;
            for (int i = 0; i < compartment_count; ++i) {
                const float step_gf = gf.s.tissue_n2_bar[i] - start;
                QVERIFY(start == 3.0f ? step_gf < 0.0f : step_gf > 0.0f);
                QVERIFY(std::fabs(plain.s.tissue_n2_bar[i] - start - factor * step_gf) < 1e-5f);
            }
        }
    }

    void closedCircuitLoop_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("setpoint");
        QTest::newRow("setpoint above ambient: empty loop") << 2 << 130;
        QTest::newRow("setpoint at 40 m") << 40 << 130;
        QTest::newRow("low setpoint at 10 m") << 10 << 70;
    }
    void closedCircuitLoop()
    {
        QFETCH(int, depth);
        QFETCH(int, setpoint);
        EngineDive d;
        d.newDive();
        d.s.in_setpoint_cbar = static_cast<uint8_t>(setpoint);
        d.setDepth(depth);
        read_inputs(d.s);
        update_real_tissues(d.s);
        const float ambient = d.s.in_ambient_pressure_mbar * 0.001f;
        QCOMPARE(int(d.s.out_diluent_ppo2_cbar), int(0.21f * ambient * 100.0f + 0.5f));
        const float loop = std::max(0.0f, (ambient - setpoint * 0.01f) / 0.79f);
        QVERIFY(std::fabs(d.s.insp_n2_bar - 0.79f * std::max(0.0f, loop - 0.0627f)) < 1e-5f);
        QCOMPARE(int(d.s.out_diluent_percent), int(loop / ambient * 100.0f + 0.5f));
        if (loop == 0.0f)
            QVERIFY(d.s.out_ead_m == 0 && d.s.out_end_m == 0 && d.s.insp_he_bar == 0.0f);
    }

    void eadAndEnd_data()
    {
        QTest::addColumn<int>("ambient");
        QTest::addColumn<int>("o2");
        QTest::addColumn<int>("he");
        QTest::addColumn<int>("ead");
        QTest::addColumn<int>("end");
        QTest::newRow("air 30 m") << 4013 << 21 << 0 << 30 << 30;
        QTest::newRow("EAN32 30 m") << 4013 << 32 << 0 << 24 << 30;
        QTest::newRow("tx18/45 60 m") << 7013 << 18 << 45 << 23 << 29;
        // Beyond 245.5 m EAD and END read 0, they are not clamped.
        QTest::newRow("air 300 m") << 31013 << 21 << 0 << 0 << 0;
    }
    void eadAndEnd()
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
        QVERIFY(std::abs(int(d.s.out_ead_m) - ead) <= 1);
        QVERIFY(std::abs(int(d.s.out_end_m) - end) <= 1);
    }

    // Empty compartments (a pure oxygen loop for a long time) never lead.
    void emptyCompartmentsNeverLead()
    {
        EngineDive d(false);
        d.newDive();
        read_inputs(d.s);
        std::fill(d.s.tissue_n2_bar, d.s.tissue_n2_bar + compartment_count, 0.0f);
        compute_ceiling(d.s);
        compute_gf_outputs(d.s);
        QCOMPARE(d.s.out_leading_tissue, uint8_t(255));
        QCOMPARE(d.s.ceiling_bar, 0.0f);
        QCOMPARE(d.s.out_gf_percent, uint8_t(0));
        QCOMPARE(d.s.out_gf_relative_percent, uint8_t(0));
    }

    // Statuses 0 -> 2 -> 1 ... 1 -> 0; the previous results stay readable until a search ends.
    void searchLifecycle()
    {
        EngineDive d;
        d.newDive();
        for (int i = 0; i < 5; ++i)
            d.cycle();
        QCOMPARE(d.s.out_desat_time_min, uint16_t(65535)); // unknown after every cycle
        QCOMPARE(d.s.out_ndl_min, uint8_t(240));
        QVERIFY(d.depths().empty());
        d.dive(45.0f, 40, 0);
        d.s.io_deco_status = 0;
        d.cycle();
        QCOMPARE(d.s.io_deco_status, uint8_t(2));
        d.cycle();
        QCOMPARE(d.s.io_deco_status, uint8_t(1));
        const engine_state before = d.s;
        int cycles = 0;
        for (; d.s.io_deco_status == 1 && cycles < 1000; ++cycles) {
            QVERIFY(std::equal(before.out_stop_depth_m, before.out_stop_depth_m + stop_count,
                               d.s.out_stop_depth_m));
            QCOMPARE(d.s.out_tts_min, before.out_tts_min);
            QVERIFY(d.s.out_sim_stop_depth_m > 0);
            d.cycle();
        }
        QVERIFY(cycles > 1); // a long decompression takes several 16-minute slices
        QCOMPARE(int(d.s.out_tts_min), d.ascentAllowance() + d.minutes());
        QCOMPARE(int(d.s.out_first_stop_depth_m), d.depths().front());
        // A compartment far above its tolerance at the surface: no NDL, a search starts.
        d.newDive();
        d.cycle();
        d.s.tissue_n2_bar[2] = 3.5f;
        d.cycle();
        QCOMPARE(d.s.out_ndl_min, uint8_t(0));
        QCOMPARE(d.s.io_deco_status, uint8_t(2));
    }

    // Statuses no routine defines act as 0: a new NDL, and a new search where one is due.
    void unusedStatusesActAsIdle_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<float>("depth");
        QTest::addColumn<int>("minutes");
        QTest::newRow("4 at the surface") << 4 << 0.0f << 0;
        QTest::newRow("7 in decompression") << 7 << 45.0f << 40;
        QTest::newRow("200 at the surface") << 200 << 0.0f << 0;
    }
    void unusedStatusesActAsIdle()
    {
        QFETCH(int, status);
        QFETCH(float, depth);
        QFETCH(int, minutes);
        EngineDive a, b;
        QVERIFY(a.dive(depth, minutes) && b.dive(depth, minutes));
        b.s.io_deco_status = static_cast<uint8_t>(status);
        a.cycle();
        b.cycle();
        QCOMPARE(b.s.io_deco_status, a.s.io_deco_status);
        QCOMPARE(b.s.io_deco_status, uint8_t(minutes > 0 ? 2 : 0));
        QCOMPARE(b.s.out_ndl_min, a.s.out_ndl_min);
    }

    // Status 6 computes the TTS after CF58 more minutes at depth without touching the plan.
    void futureTtsLeavesPlanAlone()
    {
        EngineDive x;
        x.setCf(58, 5);
        QVERIFY(x.dive(40.0f, 30));
        QVERIFY(!x.depths().empty());
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

        const engine_state plan = x.s;
        x.s.io_deco_status = 6;
        x.cycle();
        QCOMPARE(x.s.io_deco_status, uint8_t(5));
        while (x.s.io_deco_status == 5)
            x.cycle();
        QVERIFY(std::equal(plan.out_stop_depth_m, plan.out_stop_depth_m + stop_count,
                           x.s.out_stop_depth_m));
        QVERIFY(std::equal(plan.out_stop_time_min, plan.out_stop_time_min + stop_count,
                           x.s.out_stop_time_min));
        QCOMPARE(x.s.out_tts_min, plan.out_tts_min);
        QVERIFY(x.s.out_future_tts_min > plan.out_tts_min);
        QVERIFY(std::abs(int(x.s.out_future_tts_min) - int(y.s.out_tts_min)) <= 1);
    }

    // CF54 reverses the published list, not the deepest-first shallow-first copy, the first
    // stop, the TTS or the gas volumes.
    void shallowFirstPublication()
    {
        EngineDive deep, shallow;
        shallow.setCf(54, 1);
        for (EngineDive* d : {&deep, &shallow}) {
            d->trimixWithDecoGases();
            d->setCf(56, 20);
            d->setCf(57, 18);
            QVERIFY(d->dive(70.0f, 25));
            d->s.in_bottom_depth_m = 70;
            d->s.in_bottom_time_min = 25;
            compute_gas_volumes(d->s);
        }
        const int n = int(deep.depths().size());
        QVERIFY(n >= 4);
        QCOMPARE(int(shallow.depths().size()), n);
        for (int k = 0; k < n; ++k) {
            QCOMPARE(shallow.s.out_stop_depth_m[k], deep.s.out_stop_depth_m[n - 1 - k]);
            QCOMPARE(shallow.s.out_stop_time_min[k], deep.s.out_stop_time_min[n - 1 - k]);
            QCOMPARE(shallow.s.out_stop_time_shallow_first[k], deep.s.out_stop_time_min[n - 1 - k]);
            QCOMPARE(deep.s.out_stop_time_shallow_first[k], deep.s.out_stop_time_min[n - 1 - k]);
        }
        QCOMPARE(shallow.s.out_first_stop_depth_m, uint8_t(deep.depths().front()));
        QCOMPARE(shallow.s.out_tts_min, deep.s.out_tts_min);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(deep.s.out_gas_volume_l[i] > 0);
            QCOMPARE(shallow.s.out_gas_volume_l[i], deep.s.out_gas_volume_l[i]);
        }
    }

    void fullListEndsSearch()
    {
        // Saturated deep on air: far more than 32 stop entries would be needed.
        EngineDive d(false);
        d.newDive();
        d.setDepth(120.0f);
        d.cycle();
        std::fill(d.s.tissue_n2_bar, d.s.tissue_n2_bar + compartment_count, 9.5f);
        QVERIFY(d.completePlan(20000));
        QCOMPARE(int(d.depths().size()), stop_count);
        QCOMPARE(int(d.s.out_tts_min), d.ascentAllowance() + d.minutes());
    }

    // CF29: the last stop is at CF29 metres, after the 6 m stop, and nothing at 3 m.
    void lastStopRules_data()
    {
        QTest::addColumn<bool>("gf");
        QTest::addColumn<int>("lastStop");
        for (bool gf : {true, false})
            for (int last : {2, 3, 4, 5, 6})
                QTest::addRow("%s CF29=%d", gf ? "GF" : "plain", last) << gf << last;
    }
    void lastStopRules()
    {
        QFETCH(bool, gf);
        QFETCH(int, lastStop);
        EngineDive d(gf);
        d.s.in_last_stop_m = static_cast<uint8_t>(lastStop);
        QVERIFY(d.dive(45.0f, 35));
        const std::vector<int> depths = d.depths();
        QVERIFY(depths.size() >= 3);
        QCOMPARE(depths.back(), lastStop);
        QCOMPARE(int(std::count(depths.begin(), depths.end(), 3)), lastStop == 3 ? 1 : 0);
        if (lastStop != 6)
            QCOMPARE(depths[depths.size() - 2], 6);
    }

    // Stops at a gas's switch depth that begin in the minute of the switch carry bit 7,
    // and last at least CF55 minutes; a closed-circuit dive never switches.
    void gasSwitchWait_data()
    {
        QTest::addColumn<int>("wait");
        QTest::addColumn<int>("setpoint");
        QTest::newRow("CF55=0") << 0 << 0;
        QTest::newRow("CF55=2") << 2 << 0;
        QTest::newRow("CF55=2 closed circuit") << 2 << 130;
    }
    void gasSwitchWait()
    {
        QFETCH(int, wait);
        QFETCH(int, setpoint);
        EngineDive d;
        d.trimixWithDecoGases();
        d.s.in_setpoint_cbar = static_cast<uint8_t>(setpoint);
        d.setCf(55, static_cast<uint16_t>(wait));
        QVERIFY(d.dive(70.0f, 25));
        const std::vector<int> raw = d.depths(false);
        std::vector<int> marked;
        for (size_t i = 0; i < raw.size(); ++i)
            if (raw[i] & 0x80) {
                marked.push_back(raw[i] & 0x7F);
                QVERIFY(d.s.out_stop_time_min[i] >= wait);
            }
        QVERIFY(marked == (setpoint ? std::vector<int>() : std::vector<int>({21, 6})));
        QCOMPARE(d.s.sim_gas, uint8_t(1)); // the search restores the gas it started with
        if (setpoint) {
            d.s.sim_stop_depth_m = 6;
            QVERIFY(!check_gas_switch(d.s));
            return;
        }
        // The end-of-plan CNS breathes oxygen at 6 m: far more than the bottom gas there.
        const float before = d.s.cns_fraction;
        d.s.in_bottom_depth_m = 70;
        cns_at_plan_end(d.s);
        const auto six = std::find(raw.begin(), raw.end(), 6 | 0x80) - raw.begin();
        QVERIFY(d.s.cns_fraction - before > d.s.out_stop_time_min[six] * 30 * 0.00068f);
        QCOMPARE(d.s.sim_gas, uint8_t(1));
        QCOMPARE(d.s.in_step_mode, uint8_t(0));
    }

    void cnsIncrementBands_data()
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
        QTest::newRow("230") << 230 << 0.0482;
        QTest::newRow("255") << 255 << 0.0482;
    }
    void cnsIncrementBands()
    {
        QFETCH(int, ppo2);
        QFETCH(double, expected);
        const double got = cns_increment(static_cast<uint8_t>(ppo2));
        QVERIFY2(std::fabs(got - expected) <= 1e-6 * expected, qPrintable(QString::number(got)));
    }

    // 2-second, 1-minute and 10-minute steps; the CNS held between 0 and 255 %.
    void cnsStepScalesAndClamps()
    {
        EngineDive d;
        reset_cns(d.s);
        d.s.in_ppo2_cbar = 160;
        for (int i = 0; i < 900; ++i)
            cns_step(d.s);
        QVERIFY(std::fabs(d.s.cns_fraction - 0.6795f) < 1e-4f);
        QCOMPARE(d.s.out_cns_percent, uint8_t(68));
        d.s.in_ppo2_cbar = 100;
        for (uint8_t mode : {1, 2}) {
            reset_cns(d.s);
            d.s.in_step_mode = mode;
            cns_step(d.s);
            QVERIFY(std::fabs(d.s.cns_fraction - (mode == 1 ? 30 : 300) / 9000.0f) < 1e-6f);
        }
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

    // A surface interval halves the CNS every 90 minutes and off-gasses with 0.7042 of the
    // diving multiplier, the gradient model treated as plain.
    void surfaceInterval_data()
    {
        QTest::addColumn<int>("periods");
        QTest::addColumn<int>("percent");
        QTest::newRow("none") << 0 << 100;
        QTest::newRow("10 minutes") << 1 << 93;
        QTest::newRow("90 minutes") << 9 << 50;
        QTest::newRow("180 minutes") << 18 << 25;
    }
    void surfaceInterval()
    {
        QFETCH(int, periods);
        QFETCH(int, percent);
        EngineDive d(true);
        d.newDive();
        std::fill(d.s.tissue_n2_bar, d.s.tissue_n2_bar + compartment_count, 2.0f);
        d.s.cns_fraction = 1.0f;
        d.s.in_surface_interval_10min = static_cast<uint8_t>(periods);
        surface_interval(d.s);
        QCOMPARE(int(d.s.out_cns_percent), percent);
        QCOMPARE(d.s.in_gf_model, uint8_t(1)); // restored afterwards
        if (periods == 1)
            for (int i = 0; i < compartment_count; ++i) {
                const float k = 90 * 0.007042f * step_factor_n2(2, i);
                QVERIFY(std::fabs(d.s.tissue_n2_bar[i] - (2.0f + (air_saturation - 2.0f) * k)) <
                        1e-6f);
            }
    }

    // Saturated at the surface needs no time; after a trimix dive the slowest loaded
    // compartment sets it, and only compartments holding helium show a helium indicator.
    void desaturation()
    {
        EngineDive d;
        d.newDive();
        compute_desaturation(d.s);
        QCOMPARE(d.s.out_desat_time_min, uint16_t(0));
        QCOMPARE(d.s.out_tissue_n2_desat[15], uint8_t(80));
        d.setGas(1, 21, 35, 0);
        d.useGas(1);
        d.stay(40.0f, 20);
        d.stay(0.0f, 1);
        compute_desaturation(d.s);
        QVERIFY(d.s.out_desat_time_min > 60 && d.s.out_desat_time_min < 65535);
        for (int i = 0; i < compartment_count; ++i) {
            QVERIFY(d.s.out_tissue_n2_desat[i] >= 80);
            QCOMPARE(d.s.out_tissue_he_desat[i] > 80, d.s.tissue_he_bar[i] > 0.1f);
        }
    }

    void noFly_data()
    {
        QTest::addColumn<int>("desat");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<int>("nofly");
        QTest::newRow("100 min at 60 %") << 100 << 60 << 60;
        QTest::newRow("99 min at 60 % truncates") << 99 << 60 << 59;
        QTest::newRow("long desaturation stays in range") << 65535 << 100 << 65535;
    }
    void noFly()
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

    // Closed circuit: the TTS minutes at the setpoint, whatever the stops; the run's inputs
    // are left as they were. Open circuit without stops: the ascent at the bottom's ppO2.
    void cnsAtPlanEnd()
    {
        EngineDive d;
        d.s.in_setpoint_cbar = 130;
        reset_cns(d.s);
        d.s.out_tts_min = 40;
        d.s.in_bottom_depth_m = 60;
        d.s.out_stop_depth_m[0] = 9;
        d.s.out_stop_time_min[0] = 200;
        d.s.in_ppo2_cbar = 77;
        d.s.sim_gas = 3;
        cns_at_plan_end(d.s);
        QVERIFY(std::fabs(d.s.cns_fraction - 40 * 30 * cns_increment(130)) < 1e-5f);
        QCOMPARE(d.s.in_ppo2_cbar, uint8_t(77));
        QCOMPARE(d.s.sim_gas, uint8_t(3));

        EngineDive oc; // EAN32 at 40 m: 4 minutes at 1.60 bar
        oc.setGas(1, 32, 0, 0);
        read_inputs(oc.s);
        reset_cns(oc.s);
        oc.s.in_bottom_depth_m = 40;
        cns_at_plan_end(oc.s);
        QVERIFY(std::fabs(oc.s.cns_fraction - 4 * 30 * cns_increment(160)) < 1e-6f);
    }

    void gasVolumes_data()
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
    void gasVolumes()
    {
        QFETCH(int, decoGasDepth);
        QFETCH(int, ascentRate);
        QFETCH(int, gas1);
        QFETCH(int, gas2);
        EngineDive d;
        d.setGas(2, 100, 0, decoGasDepth);
        d.setCf(56, 20);
        d.setCf(57, static_cast<uint16_t>(ascentRate));
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
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
