// SPDX-License-Identifier: GPL-3.0-or-later
// The engine: chosen dives with every published figure pinned, EAD/END and the loop (data/), the
// status machine, the CNS steps and limits; properties of a few thousand random dives, and random
// input bytes whose outputs stay in range (the sanitizer build checks every conversion).
#include "data_table.h"
#include "engine_fixture.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

using namespace engine;

namespace
{

// A random dive set up on d (air, nitrox, trimix with deco gases or closed circuit, either
// model, random CF54/CF55, last stop and deco distance); the description, for failures.
QString randomDive(EngineDive& d, std::mt19937& rng)
{
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    const int gf = pick(0, 1), mix = pick(0, 3); // air, nitrox, trimix + deco gases, CCR
    const int depth = pick(0, 130), minutes = pick(1, depth > 80 ? 30 : 60);
    const int o2 = mix == 1 ? pick(22, 40) : (mix >= 2 ? pick(10, 21) : 21);
    const int he = mix >= 2 ? pick(0, 70) : 0;
    engine_state& s = d.s;
    s.in_gf_model = static_cast<uint8_t>(gf);
    d.setGas(1, o2, he, 0);
    if (mix >= 2) {
        d.setGas(2, 50, 0, pick(15, 24)); // switch depths on and off the 3 m grid
        d.setGas(3, 100, 0, pick(4, 9));
    }
    d.useGas(1);
    s.in_setpoint_cbar = static_cast<uint8_t>(mix == 3 ? pick(70, 140) : 0);
    s.in_gf_low_percent = static_cast<uint8_t>(pick(10, 90));
    s.in_gf_high_percent = static_cast<uint8_t>(pick(std::max(30, +s.in_gf_low_percent), 95));
    s.in_sat_factor_percent = static_cast<uint8_t>(pick(110, 200));
    s.in_desat_factor_percent = static_cast<uint8_t>(pick(50, 90));
    s.in_last_stop_m = static_cast<uint8_t>(pick(2, 6));
    d.setCf(54, static_cast<uint16_t>(pick(0, 1)));
    d.setCf(55, static_cast<uint16_t>(pick(0, 3)));
    s.in_deco_distance_cbar = static_cast<uint8_t>(pick(0, 20));
    d.descend(depth, minutes);
    return QString::asprintf("%d m %d min mix %d (%d/%d) model %d: ", depth, minutes, mix, o2, he,
                             gf);
}

// What is wrong with the published plan of a completed search, if anything.
QString planFault(const EngineDive& d)
{
    const engine_state& s = d.s;
    int previous = -1, i = 0;
    for (; i < stop_count && s.out_stop_depth_m[i] != 0; ++i) {
        const int depth = s.out_stop_depth_m[i] & 0x7F;
        const uint8_t* switches = s.in_gas_switch_depth_m;
        const bool at_switch = !s.in_setpoint_cbar && std::count(switches, switches + 5, depth);
        if ((depth % 3 != 0 && depth != s.in_last_stop_m && !at_switch) || !s.out_stop_time_min[i])
            return QString("stop %1 at %2 m is off the grid or has no minutes").arg(i).arg(depth);
        // Deepest first (shallowest first with CF54); a wait at a switch depth off the grid may
        // come just before the grid stop below it, where the ceiling lies after the wait.
        if (s.out_stop_depth_m[i] & 0x80)
            continue;
        if (previous >= 0 && (config_cf(s, 54) & 1 ? depth < previous : depth > previous))
            return QString("stops out of order at entry %1").arg(i);
        previous = depth;
    }
    for (int k = i; k < stop_count; ++k)
        if (s.out_stop_depth_m[k] != 0 || s.out_stop_time_min[k] != 0)
            return QString("entry %1 follows an empty entry").arg(k);
    if (s.out_ndl_min > 0 && i > 0)
        return "a no-stop dive published stops";
    if (s.out_ndl_min == 0 && s.out_tts_min != d.stopsTts())
        return QString("TTS %1 is not the ascent and the stops").arg(s.out_tts_min);
    return QString();
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void chosenDives_data()
    {
        QTest::addColumn<QStringList>("f"); // the fields of a line of the data file
        for (const QStringList& f : dataTable("chosen_dives.txt"))
            QTest::newRow(qPrintable(f[0])) << f;
    }
    void chosenDives()
    {
        QFETCH(QStringList, f);
        const int depth = f[4].toInt(), minutes = f[5].toInt();
        EngineDive d(f[1] == "gf");
        engine_state& s = d.s;
        const QStringList mixes = f[2].split(',');
        for (int n = 1; n <= mixes.size(); ++n) {
            const QStringList g = mixes[n - 1].split(QRegularExpression("[/@]"));
            d.setGas(n, g[0].toInt(), g[1].toInt(), g.value(2).toInt());
        }
        d.useGas(1);
        s.in_setpoint_cbar = static_cast<uint8_t>(f[3].toInt());
        d.setCf(56, 20);
        d.setCf(57, 18);
        for (const QString& cf : f[6].split(' ')) { // "-": none
            const int n = cf.section('=', 0, 0).toInt(), value = cf.section('=', 1).toInt();
            if (n == 29)
                s.in_last_stop_m = static_cast<uint8_t>(value);
            else if (n)
                d.setCf(n, static_cast<uint16_t>(value));
        }
        d.descend(depth, minutes);
        QVERIFY(d.completePlan());
        const std::string plan = d.plan();
        const int tts = s.out_tts_min;
        QCOMPARE(QString::fromStdString(plan), f[7]);
        QCOMPARE(s.sim_gas, uint8_t(1)); // the search restores the gas it started with
        // The shallow-first copy of the minutes, whatever the published order.
        const int n = int(std::count_if(s.out_stop_depth_m, s.out_stop_depth_m + stop_count,
                                        [](uint8_t depth) { return depth != 0; }));
        for (int k = 0; k < n; ++k)
            QCOMPARE(s.out_stop_time_shallow_first[k],
                     s.out_stop_time_min[config_cf(s, 54) ? k : n - 1 - k]);

        // Status 6: the TTS after CF58 more minutes at depth, the plan left as it was.
        s.io_deco_status = 6;
        do
            d.cycle();
        while (s.io_deco_status == 5);
        QVERIFY(d.plan() == plan && s.out_tts_min == tts);
        const int future = s.out_future_tts_min;

        s.in_bottom_depth_m = static_cast<uint8_t>(depth);
        s.in_bottom_time_min = static_cast<uint8_t>(minutes);
        compute_gas_volumes(s);
        const engine_state run = s; // the end-of-plan CNS leaves the run's inputs as they were
        cns_at_plan_end(s);
        QVERIFY(s.in_ppo2_cbar == run.in_ppo2_cbar && s.sim_gas == run.sim_gas);
        const int cns = qRound(s.cns_fraction * 100.0f);
        compute_desaturation(s);
        for (int i = 0; i < compartment_count; ++i) // a helium indicator only with helium
            QCOMPARE(s.out_tissue_he_desat[i] > 80, s.tissue_he_bar[i] > 0.1f);
        const int desaturation = s.io_nofly_time_min = s.out_desat_time_min;
        compute_nofly(s);
        QString figures = QString::asprintf(
            "%d %d %d %d,%d,%d %d %d", tts, future, cns, s.out_gas_volume_l[0],
            s.out_gas_volume_l[1], s.out_gas_volume_l[2], desaturation, s.io_nofly_time_min);

        // Ashore the CNS halves every 90 minutes and every model off-gasses as the plain one.
        s.in_surface_interval_10min = 6;
        surface_interval(s);
        QCOMPARE(s.in_gf_model, uint8_t(f[1] == "gf"));
        compute_desaturation(s);
        figures += QString::asprintf(" %d %d", s.out_cns_percent, s.out_desat_time_min);
        QCOMPARE(figures, f[8]);
    }

    // EAD, END and the diluent of a closed-circuit loop.
    void inspiredGas()
    {
        for (const QStringList& f : dataTable("inspired_gas.txt")) {
            const QStringList in = f[0].split(' ');
            EngineDive d;
            d.setGas(1, in[1].toInt(), in[2].toInt(), 0);
            d.useGas(1);
            d.newDive();
            engine_state& s = d.s;
            s.in_ambient_pressure_mbar = static_cast<uint16_t>(in[0].toInt());
            s.in_setpoint_cbar = static_cast<uint8_t>(in[3].toInt());
            read_inputs(s);
            update_real_tissues(s);
            QCOMPARE(QString::asprintf("%d %d %d %d", s.out_ead_m, s.out_end_m,
                                       s.out_diluent_ppo2_cbar, s.out_diluent_percent),
                     f[1]);
        }
    }

    // Statuses 0 -> 2 -> 1 ... 1 -> 0; the previous results stay readable until a search ends;
    // a full list of 32 stops ends the search; empty compartments never lead. Statuses no
    // routine defines act as 0: a new NDL, and a new search where one is due.
    void statusMachine()
    {
        EngineDive d;
        engine_state& s = d.s;
        d.newDive();
        s.io_deco_status = 200;
        d.cycle();
        QCOMPARE(s.out_desat_time_min, uint16_t(65535)); // unknown after every cycle
        QCOMPARE(d.plan(), std::string("NDL 240"));
        d.descend(45.0f, 40);
        s.io_deco_status = 7;
        d.cycle();
        QCOMPARE(s.io_deco_status, uint8_t(2));
        d.cycle();
        QCOMPARE(s.io_deco_status, uint8_t(1));
        const std::string before = d.plan();
        int cycles = 0;
        for (; s.io_deco_status == 1 && cycles < 1000; ++cycles, d.cycle())
            QVERIFY(d.plan() == before && s.out_sim_stop_depth_m > 0);
        QVERIFY(cycles > 1); // a long decompression takes several 16-minute slices
        QCOMPARE(int(s.out_first_stop_depth_m), s.out_stop_depth_m[0] & 0x7F);

        // Saturated deep on air: far more than 32 stop entries would be needed.
        d.newDive();
        d.setDepth(120.0f);
        d.cycle();
        std::fill(s.tissue_n2_bar, s.tissue_n2_bar + compartment_count, 9.5f);
        QVERIFY(d.completePlan());
        QVERIFY(s.out_stop_depth_m[stop_count - 1] != 0);
        QCOMPARE(int(s.out_tts_min), d.stopsTts());

        // At the surface: a compartment far above its tolerance leaves no NDL; empty ones (after
        // pure oxygen for a long time) never lead.
        d.newDive();
        d.cycle();
        s.tissue_n2_bar[2] = 3.5f;
        d.cycle();
        QVERIFY(s.out_ndl_min == 0 && s.io_deco_status == 2);
        std::fill(s.tissue_n2_bar, s.tissue_n2_bar + compartment_count, 0.0f);
        d.setGas(1, 100, 0, 0);
        d.useGas(1);
        read_inputs(s);
        update_real_tissues(s);
        compute_gf_outputs(s);
        QCOMPARE(s.out_leading_tissue, uint8_t(255));
        QVERIFY(s.ceiling_bar == 0.0f && s.out_gf_percent == 0 && s.out_gf_relative_percent == 0);
    }

    // The increment per step at the edges of every ppO2 band; 2-second, 1-minute and 10-minute
    // steps; the CNS held between 0 and 255 %; the no-fly time of a very long desaturation stays
    // in range.
    void cnsStepsAndLimits()
    {
        for (const QStringList& f : dataTable("cns_bands.txt")) {
            const double expected = f[1].toDouble();
            const double got = cns_increment(static_cast<uint8_t>(f[0].toInt()));
            QVERIFY2(std::fabs(got - expected) <= 1e-6 * expected, qPrintable(f[0]));
        }
        EngineDive d;
        engine_state& s = d.s;
        s.in_ppo2_cbar = 160;
        for (int i = 0; i < 900; ++i)
            cns_step(s);
        QVERIFY(std::fabs(s.cns_fraction - 0.6795f) < 1e-4f && s.out_cns_percent == 68);
        s.in_ppo2_cbar = 100;
        for (uint8_t mode : {1, 2}) {
            reset_cns(s);
            s.in_step_mode = mode;
            cns_step(s);
            QVERIFY(std::fabs(s.cns_fraction - (mode == 1 ? 30 : 300) / 9000.0f) < 1e-6f);
        }
        s.in_ppo2_cbar = 240;
        for (int i = 0; i < 20; ++i)
            cns_step(s);
        QVERIFY(s.cns_fraction == 2.55f && s.out_cns_percent == 255);
        s.cns_fraction = -0.5f;
        s.in_ppo2_cbar = 0;
        cns_step(s);
        QCOMPARE(s.cns_fraction, 0.0f);
        s.io_nofly_time_min = 65535;
        s.in_nofly_ratio_percent = 100;
        compute_nofly(s);
        QCOMPARE(s.io_nofly_time_min, uint16_t(65535));
    }

    // Every cycle the NDL in range and the CNS rising within its range; every plan sound; every
    // tenth dive again, to the same figures.
    void randomDives()
    {
        const int count = 2500;
        std::mt19937 rng(20261206);
        int with_stops = 0, without = 0;
        for (int n = 0; n < count; ++n) {
            EngineDive first, again;
            QString fault;
            float last = 0.0f;
            first.afterCycle = [&] {
                const float cns = first.s.cns_fraction;
                if (first.s.out_ndl_min > 240 || cns < last || cns > 2.55f)
                    fault = QString("NDL %1 CNS %2").arg(first.s.out_ndl_min).arg(cns);
                last = cns;
            };
            std::mt19937 same_dive = rng;
            const QString dive = randomDive(first, rng);
            QVERIFY2(first.completePlan(), qPrintable(dive + "no plan"));
            QVERIFY2(fault.isEmpty(), qPrintable(dive + fault));
            fault = planFault(first);
            QVERIFY2(fault.isEmpty(), qPrintable(dive + fault));
            (first.s.out_ndl_min > 0 ? without : with_stops)++;
            if (n % 10 != 0)
                continue;
            randomDive(again, same_dive);
            const engine_state &a = first.s, &b = again.s;
            QVERIFY(again.completePlan() && first.plan() == again.plan());
            QVERIFY2(a.out_tts_min == b.out_tts_min && a.cns_fraction == b.cns_fraction &&
                         a.gf_anchor_depth_m == b.gf_anchor_depth_m &&
                         std::equal(a.tissue_n2_bar, a.tissue_n2_bar + compartment_count,
                                    b.tissue_n2_bar),
                     qPrintable(dive + "differs"));
        }
        QVERIFY(with_stops > count / 10 && without > count / 10); // both kinds of dive
    }

    void randomInputsStayInRange()
    {
        std::mt19937 rng(4242);
        auto byte = [&rng]() { return static_cast<uint8_t>(rng() & 0xFF); };
        for (int n = 0; n < 300; ++n) {
            EngineDive d(byte() & 1);
            engine_state& s = d.s;
            std::generate(d.image, d.image + config_image_size, byte);
            s.in_surface_pressure_mbar = static_cast<uint16_t>(rng());
            for (uint8_t* in : {&s.in_gf_low_percent, &s.in_gf_high_percent, &s.in_last_stop_m,
                                &s.in_sat_factor_percent, &s.in_desat_factor_percent,
                                &s.in_deco_distance_cbar, &s.in_first_gas, &s.in_bottom_depth_m,
                                &s.in_bottom_time_min, &s.in_nofly_ratio_percent})
                *in = byte();
            s.in_setpoint_cbar = (n % 3 == 0) ? byte() : 0;
            for (uint8_t* gas : {s.in_gas_switch_depth_m, s.in_gas_n2_percent, s.in_gas_he_percent})
                std::generate(gas, gas + gas_count, byte);
            d.newDive();
            d.afterCycle = [&] {
                QVERIFY(s.out_ndl_min <= 240 && s.cns_fraction >= 0.0f && s.cns_fraction <= 2.55f);
                QVERIFY(s.out_leading_tissue < compartment_count || s.out_leading_tissue == 255);
            };
            for (int c = 0; c < 200; ++c) {
                s.in_ambient_pressure_mbar = static_cast<uint16_t>(rng());
                for (uint8_t* in : {&s.in_current_gas, &s.in_n2_percent, &s.in_he_percent,
                                    &s.in_ppo2_cbar, &s.in_step_mode})
                    *in = byte();
                s.in_step_mode %= 3;
                if (c % 50 == 0)
                    s.io_deco_status = byte();
                d.cycle();
            }
            compute_gas_volumes(s);
            cns_at_plan_end(s);
            s.in_surface_interval_10min = byte();
            surface_interval(s);
            compute_desaturation(s);
            s.io_nofly_time_min = s.out_desat_time_min;
            compute_nofly(s);
            QVERIFY(s.cns_fraction >= 0.0f && s.cns_fraction <= 2.55f);
        }
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
