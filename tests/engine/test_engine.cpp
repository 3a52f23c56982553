// The engine. Chosen dives with every published figure pinned: stops (bit 7 for a gas-switch
// wait), NDL, TTS, future TTS, CNS at the plan's end, gas volumes, desaturation, no-fly time
// and an hour's surface interval. What a plan does not show: EAD/END and the closed-circuit
// loop, the status machine, the CNS bands, steps and limits. Properties of every plan over a few
// thousand random dives (air, nitrox, trimix with deco gases, closed circuit, both models,
// random CF29/CF54/CF55 and deco distance), and arbitrary input bytes whose outputs stay in
// range (the sanitizer build also checks that no conversion leaves its type's range).
#include "engine_fixture.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

using namespace engine;

namespace
{

// A random dive set up on d; the description, for failures.
QString randomDive(EngineDive& d, std::mt19937& rng)
{
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    const int gf = pick(0, 1), mix = pick(0, 3); // air, nitrox, trimix + deco gases, CCR
    const int depth = pick(0, 130), minutes = pick(1, depth > 80 ? 30 : 60);
    const int o2 = mix == 1 ? pick(22, 40) : (mix >= 2 ? pick(10, 21) : 21);
    const int he = mix >= 2 ? pick(0, 70) : 0;
    d.s.in_gf_model = static_cast<uint8_t>(gf);
    d.setGas(1, o2, he, 0);
    if (mix >= 2) {
        d.setGas(2, 50, 0, pick(15, 24)); // switch depths on and off the 3 m grid
        d.setGas(3, 100, 0, pick(4, 9));
    }
    d.useGas(1);
    d.s.in_setpoint_cbar = static_cast<uint8_t>(mix == 3 ? pick(70, 140) : 0);
    d.s.in_gf_low_percent = static_cast<uint8_t>(pick(10, 90));
    d.s.in_gf_high_percent = static_cast<uint8_t>(pick(std::max(30, +d.s.in_gf_low_percent), 95));
    d.s.in_sat_factor_percent = static_cast<uint8_t>(pick(110, 200));
    d.s.in_desat_factor_percent = static_cast<uint8_t>(pick(50, 90));
    d.s.in_last_stop_m = static_cast<uint8_t>(pick(2, 6));
    d.setCf(54, static_cast<uint16_t>(pick(0, 1)));
    d.setCf(55, static_cast<uint16_t>(pick(0, 3)));
    d.s.in_deco_distance_cbar = static_cast<uint8_t>(pick(0, 20));
    d.descend(depth, minutes);
    return QString::asprintf("%d m %d min mix %d (%d/%d) model %d: ", depth, minutes, mix, o2, he,
                             gf);
}

// What is wrong with the published plan of a completed search, if anything.
QString planFault(const EngineDive& d)
{
    const bool shallow_first = config_cf(d.s, 54) & 1;
    int previous = -1, i = 0;
    for (; i < stop_count && d.s.out_stop_depth_m[i] != 0; ++i) {
        const int depth = d.s.out_stop_depth_m[i] & 0x7F;
        const uint8_t* switches = d.s.in_gas_switch_depth_m;
        const bool at_switch = !d.s.in_setpoint_cbar && std::count(switches, switches + 5, depth);
        if (depth % 3 != 0 && depth != d.s.in_last_stop_m && !at_switch)
            return QString("stop at %1 m is off the grid").arg(depth);
        if (d.s.out_stop_time_min[i] < 1)
            return QString("stop at %1 m has no minutes").arg(depth);
        // Deepest first (shallowest first with CF54). A wait at a switch depth off the grid may
        // come just before the grid stop below it: after the wait the ceiling, rounded up to the
        // grid, lies deeper and the diver goes down to it.
        if (d.s.out_stop_depth_m[i] & 0x80)
            continue;
        if (previous >= 0 && (shallow_first ? depth < previous : depth > previous))
            return QString("stops out of order at entry %1").arg(i);
        previous = depth;
    }
    for (int k = i; k < stop_count; ++k)
        if (d.s.out_stop_depth_m[k] != 0 || d.s.out_stop_time_min[k] != 0)
            return QString("entry %1 follows an empty entry").arg(k);
    if (d.s.out_ndl_min > 0 && i > 0)
        return "a no-stop dive published stops";
    if (d.s.out_ndl_min == 0 && d.s.out_tts_min != d.ascentAllowance() + d.minutes())
        return QString("TTS %1 is not the ascent and the stops").arg(d.s.out_tts_min);
    return QString();
}

bool sameOutputs(const EngineDive& a, const EngineDive& b)
{
    const float* n2 = a.s.tissue_n2_bar;
    return a.plan() == b.plan() && a.s.out_tts_min == b.s.out_tts_min &&
           a.s.cns_fraction == b.s.cns_fraction && a.s.gf_anchor_depth_m == b.s.gf_anchor_depth_m &&
           std::equal(n2, n2 + compartment_count, b.s.tissue_n2_bar);
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void chosenDives_data()
    {
        QTest::addColumn<bool>("gf");
        QTest::addColumn<QString>("gases"); // "O2/He@switch depth", gas 1 first
        QTest::addColumn<int>("setpoint");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("cfs"); // CF29 (the last stop), CF54, CF55, CF57, CF58
        QTest::addColumn<QString>("plan");
        // TTS, future TTS, CNS % at the plan's end, litres of gases 1-3, desaturation, no-fly,
        // and CNS % and desaturation after an hour ashore.
        QTest::addColumn<QString>("figures");
        const QString trimix = "18/45,50/0@21,100/0@6";
        const auto row = [](const char* name, bool gf, const QString& gases, int setpoint,
                            int depth, int minutes, const char* cfs) -> QTestData& {
            return QTest::newRow(name) << gf << gases << setpoint << depth << minutes << cfs;
        };
        // clang-format off
        row("at the surface", true, "21/0", 0, 0, 0, "") << "NDL 240" << "0 1 0 0,0,0 0 0 0 0";
        row("EAN32 30 m no stop", true, "32/0", 0, 30, 15, "") << "NDL 4" << "0 4 10 1335,0,0 428 256 6 369";
        row("EAN32 30 m at the end of the NDL: no stop", true, "32/0", 0, 30, 20, "")
            << "NDL 0" << "4 4 12 1735,0,0 573 343 8 513";
        row("air 40 m GF 30/85", true, "21/0", 0, 40, 25, "58=5")
            << "18:1,15:1,12:3,9:4,6:8,3:19" << "41 59 11 3742,0,0 1192 715 7 1132";
        row("air 40 m last stop 6 m", true, "21/0", 0, 40, 25, "29=6")
            << "18:1,15:1,12:3,9:4,6:38" << "52 53 11 4161,0,0 1192 715 7 1132";
        row("air 45 m plain model last stop 2 m", false, "21/0", 0, 45, 35, "29=2")
            << "12:4,9:9,6:20,2:35" << "74 74 18 5911,0,0 1957 1174 11 1897";
        row("air 45 m last stop 4 m", true, "21/0", 0, 45, 35, "29=4")
            << "24:1,21:2,18:3,15:5,12:6,9:13,6:13,4:64" << "113 114 19 7332,0,0 1827 1096 12 1767";
        row("trimix 70 m, switch waits 3 min", true, trimix, 0, 70, 25, "55=3 58=5")
            << "36:1,33:2,30:2,27:2,24:4,21*:3,18:2,15:4,12:6,9:9,6*:10,3:20" << "73 92 71 5249,1057,770 789 473 44 729";
        row("trimix 70 m, switches without a wait", true, trimix, 0, 70, 25, "")
            << "36:1,33:2,30:2,27:2,24:4,21*:2,18:3,15:4,12:6,9:9,6*:10,3:20" << "73 74 70 5249,1052,770 788 472 44 728";
        row("trimix 70 m shallow first", true, trimix, 0, 70, 25, "54=1 55=2")
            << "3:20,6*:10,9:9,12:6,15:4,18:3,21*:2,24:4,27:2,30:2,33:2,36:1" << "73 74 70 5249,1052,770 788 472 44 728";
        row("CCR 1.3 air diluent 45 m never switches", true, "21/0,50/0@21", 130, 45, 30, "55=2")
            << "21:1,18:1,15:2,12:2,9:4,6:5,3:8" << "29 30 33 186,821,0 1522 913 21 1462";
        row("trimix 21/35 40 m plain model, no deco gas rate", false, "21/35", 0, 40, 20, "57=0")
            << "6:4,3:14" << "23 23 9 65535,0,0 457 274 6 397";
        // clang-format on
    }
    void chosenDives()
    {
        QFETCH(bool, gf);
        QFETCH(QString, gases);
        QFETCH(int, depth);
        QFETCH(int, minutes);
        QFETCH(QString, cfs);
        EngineDive d(gf);
        const QStringList mixes = gases.split(',');
        for (int n = 1; n <= mixes.size(); ++n) {
            const QString& g = mixes[n - 1];
            d.setGas(n, g.section('/', 0, 0).toInt(), g.section('/', 1).section('@', 0, 0).toInt(),
                     g.section('@', 1).toInt());
        }
        d.useGas(1);
        QFETCH(int, setpoint);
        d.s.in_setpoint_cbar = static_cast<uint8_t>(setpoint);
        d.setCf(56, 20);
        d.setCf(57, 18);
        for (const QString& cf : cfs.split(' ', Qt::SkipEmptyParts)) {
            const int n = cf.section('=', 0, 0).toInt(), value = cf.section('=', 1).toInt();
            if (n == 29)
                d.s.in_last_stop_m = static_cast<uint8_t>(value);
            else
                d.setCf(n, static_cast<uint16_t>(value));
        }
        QVERIFY(d.dive(depth, minutes));
        const QString plan = QString::fromStdString(d.plan());
        const int tts = d.s.out_tts_min;
        QTEST(plan, "plan");
        QCOMPARE(d.s.sim_gas, uint8_t(1)); // the search restores the gas it started with
        // The shallow-first copy of the minutes, whatever the published order.
        const int n = int(std::count_if(d.s.out_stop_depth_m, d.s.out_stop_depth_m + stop_count,
                                        [](uint8_t depth) { return depth != 0; }));
        for (int k = 0; k < n; ++k)
            QCOMPARE(d.s.out_stop_time_shallow_first[k],
                     d.s.out_stop_time_min[config_cf(d.s, 54) ? k : n - 1 - k]);

        // Status 6: the TTS after CF58 more minutes at depth, the plan left as it was.
        d.s.io_deco_status = 6;
        do
            d.cycle();
        while (d.s.io_deco_status == 5);
        QCOMPARE(QString::fromStdString(d.plan()), plan);
        QCOMPARE(int(d.s.out_tts_min), tts);
        QStringList figures = {QString::number(tts), QString::number(d.s.out_future_tts_min)};

        d.s.in_bottom_depth_m = static_cast<uint8_t>(depth);
        d.s.in_bottom_time_min = static_cast<uint8_t>(minutes);
        compute_gas_volumes(d.s);
        const uint16_t* litres = d.s.out_gas_volume_l;
        const QString volumes = QString("%1,%2,%3").arg(litres[0]).arg(litres[1]).arg(litres[2]);

        // The end-of-plan CNS leaves the run's inputs as they were.
        const engine_state run = d.s;
        cns_at_plan_end(d.s);
        figures << QString::number(qRound(d.s.cns_fraction * 100.0f)) << volumes;
        QCOMPARE(d.s.in_ppo2_cbar, run.in_ppo2_cbar);
        QCOMPARE(d.s.sim_gas, run.sim_gas);

        // Only compartments holding helium show a helium indicator.
        compute_desaturation(d.s);
        figures << QString::number(d.s.out_desat_time_min);
        for (int i = 0; i < compartment_count; ++i)
            QCOMPARE(d.s.out_tissue_he_desat[i] > 80, d.s.tissue_he_bar[i] > 0.1f);
        d.s.io_nofly_time_min = d.s.out_desat_time_min;
        compute_nofly(d.s);
        figures << QString::number(d.s.io_nofly_time_min);

        // Ashore the CNS halves every 90 minutes and every model off-gasses as the plain one.
        d.s.in_surface_interval_10min = 6;
        surface_interval(d.s);
        QCOMPARE(d.s.in_gf_model, uint8_t(gf));
        compute_desaturation(d.s);
        figures << QString::number(d.s.out_cns_percent) << QString::number(d.s.out_desat_time_min);
        QTEST(figures.join(' '), "figures");
    }

    // EAD, END and the diluent of a closed-circuit loop; a setpoint above the ambient pressure
    // leaves the loop empty.
    void inspiredGas_data()
    {
        QTest::addColumn<int>("ambient");
        QTest::addColumn<int>("o2");
        QTest::addColumn<int>("he");
        QTest::addColumn<int>("setpoint");
        QTest::addColumn<QString>("expected"); // EAD, END, diluent ppO2 (cbar), diluent %
        QTest::newRow("air 30 m") << 4013 << 21 << 0 << 0 << "30,30,0,0";
        QTest::newRow("EAN32 30 m") << 4013 << 32 << 0 << 0 << "25,30,0,0";
        QTest::newRow("tx18/45 60 m") << 7013 << 18 << 45 << 0 << "23,29,0,0";
        // Beyond 245.5 m EAD and END read 0, they are not clamped.
        QTest::newRow("air 300 m") << 31013 << 21 << 0 << 0 << "0,0,0,0";
        QTest::newRow("CCR setpoint above ambient") << 1213 << 21 << 0 << 130 << "0,0,25,0";
        QTest::newRow("CCR 1.3 at 40 m") << 5013 << 21 << 0 << 130 << "37,40,105,94";
    }
    void inspiredGas()
    {
        QFETCH(int, o2);
        QFETCH(int, he);
        EngineDive d;
        d.setGas(1, o2, he, 0);
        d.useGas(1);
        d.newDive();
        QFETCH(int, setpoint);
        QFETCH(int, ambient);
        d.s.in_setpoint_cbar = static_cast<uint8_t>(setpoint);
        d.s.in_ambient_pressure_mbar = static_cast<uint16_t>(ambient);
        read_inputs(d.s);
        update_real_tissues(d.s);
        const engine_state& s = d.s;
        QTEST(QString::asprintf("%d,%d,%d,%d", s.out_ead_m, s.out_end_m, s.out_diluent_ppo2_cbar,
                                s.out_diluent_percent),
              "expected");
    }

    // Statuses 0 -> 2 -> 1 ... 1 -> 0; the previous results stay readable until a search ends;
    // a full list of 32 stops ends the search; empty compartments never lead. Statuses no
    // routine defines act as 0: a new NDL, and a new search where one is due.
    void statusMachine()
    {
        for (int status : {4, 7, 200}) {
            EngineDive idle, unused;
            const int minutes = status == 7 ? 40 : 0;
            QVERIFY(idle.dive(45.0f, minutes) && unused.dive(45.0f, minutes));
            unused.s.io_deco_status = static_cast<uint8_t>(status);
            idle.cycle();
            unused.cycle();
            QCOMPARE(unused.s.io_deco_status, uint8_t(minutes > 0 ? 2 : 0));
            QCOMPARE(unused.plan(), idle.plan());
        }
        EngineDive d;
        d.newDive();
        d.cycle();
        d.cycle();
        QCOMPARE(d.s.out_desat_time_min, uint16_t(65535)); // unknown after every cycle
        QCOMPARE(d.plan(), std::string("NDL 240"));
        d.descend(45.0f, 40);
        d.s.io_deco_status = 0;
        d.cycle();
        QCOMPARE(d.s.io_deco_status, uint8_t(2));
        d.cycle();
        QCOMPARE(d.s.io_deco_status, uint8_t(1));
        const std::string before = d.plan();
        int cycles = 0;
        for (; d.s.io_deco_status == 1 && cycles < 1000; ++cycles) {
            QCOMPARE(d.plan(), before);
            QVERIFY(d.s.out_sim_stop_depth_m > 0);
            d.cycle();
        }
        QVERIFY(cycles > 1); // a long decompression takes several 16-minute slices
        QCOMPARE(int(d.s.out_first_stop_depth_m), d.s.out_stop_depth_m[0] & 0x7F);

        // Saturated deep on air: far more than 32 stop entries would be needed.
        d.newDive();
        d.setDepth(120.0f);
        d.cycle();
        std::fill(d.s.tissue_n2_bar, d.s.tissue_n2_bar + compartment_count, 9.5f);
        QVERIFY(d.completePlan());
        QVERIFY(d.s.out_stop_depth_m[stop_count - 1] != 0);
        QCOMPARE(int(d.s.out_tts_min), d.ascentAllowance() + d.minutes());

        // At the surface: a compartment far above its tolerance leaves no NDL; empty ones (after
        // pure oxygen for a long time) never lead.
        d.newDive();
        d.cycle();
        d.s.tissue_n2_bar[2] = 3.5f;
        d.cycle();
        QCOMPARE(d.s.out_ndl_min, uint8_t(0));
        QCOMPARE(d.s.io_deco_status, uint8_t(2));
        std::fill(d.s.tissue_n2_bar, d.s.tissue_n2_bar + compartment_count, 0.0f);
        d.setGas(1, 100, 0, 0);
        d.useGas(1);
        read_inputs(d.s);
        update_real_tissues(d.s);
        compute_gf_outputs(d.s);
        QCOMPARE(d.s.out_leading_tissue, uint8_t(255));
        QCOMPARE(d.s.ceiling_bar, 0.0f);
        QCOMPARE(d.s.out_gf_percent + d.s.out_gf_relative_percent, 0);
    }

    // The increment per step at the edges of every ppO2 band (centibar).
    void cnsIncrementBands()
    {
        const int ppo2[] = {49,  50,  59,  60,  75,  89,  100, 140, 155, 160,
                            169, 174, 175, 184, 185, 190, 199, 200, 255};
        const double expected[] = {0.0,         1 / 27000.0, 1 / 22140.0, 1 / 21600.0, 1 / 15300.0,
                                   1 / 11070.0, 1 / 9000.0,  1 / 4500.0,  1 / 2475.0,  0.000755,
                                   0.00102,     0.00136,     0.0018,      0.00237,     0.0031,
                                   0.00401,     0.00517,     0.0209,      0.0482};
        for (int i = 0; i < 19; ++i) {
            const double got = cns_increment(static_cast<uint8_t>(ppo2[i]));
            QVERIFY2(std::fabs(got - expected[i]) <= 1e-6 * expected[i],
                     qPrintable(QString::number(ppo2[i])));
        }
    }

    // 2-second, 1-minute and 10-minute steps; the CNS held between 0 and 255 %; the no-fly
    // time of a very long desaturation stays in range.
    void cnsStepsAndLimits()
    {
        EngineDive d;
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
        d.s.io_nofly_time_min = 65535;
        d.s.in_nofly_ratio_percent = 100;
        compute_nofly(d.s);
        QCOMPARE(d.s.io_nofly_time_min, uint16_t(65535));
    }

    void randomDives()
    {
        const int count = qEnvironmentVariableIsSet("BATHYRA_PROPERTY_DIVES")
                              ? qEnvironmentVariableIntValue("BATHYRA_PROPERTY_DIVES")
                              : 2500;
        std::mt19937 rng(20261206);
        int with_stops = 0, without = 0;
        for (int n = 0; n < count; ++n) {
            EngineDive first, again;
            // Every cycle: the NDL in range, the CNS rising within its range.
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
            if (n % 10 == 0) { // the same dive, the same figures
                randomDive(again, same_dive);
                QVERIFY(again.completePlan());
                QVERIFY2(sameOutputs(first, again), qPrintable(dive + "differs"));
            }
        }
        QVERIFY(with_stops > count / 10 && without > count / 10); // both kinds of dive
    }

    void randomInputsStayInRange()
    {
        std::mt19937 rng(4242);
        auto byte = [&rng]() { return static_cast<uint8_t>(rng() & 0xFF); };
        for (int n = 0; n < 300; ++n) {
            EngineDive d(byte() & 1);
            std::generate(d.image, d.image + config_image_size, byte);
            d.s.in_surface_pressure_mbar = static_cast<uint16_t>(rng());
            for (uint8_t* in :
                 {&d.s.in_gf_low_percent, &d.s.in_gf_high_percent, &d.s.in_sat_factor_percent,
                  &d.s.in_desat_factor_percent, &d.s.in_deco_distance_cbar, &d.s.in_last_stop_m})
                *in = byte();
            d.s.in_setpoint_cbar = (n % 3 == 0) ? byte() : 0;
            for (int g = 0; g < gas_count; ++g)
                for (uint8_t* in : {&d.s.in_gas_switch_depth_m[g], &d.s.in_gas_n2_percent[g],
                                    &d.s.in_gas_he_percent[g]})
                    *in = byte();
            for (uint8_t* in : {&d.s.in_first_gas, &d.s.in_bottom_depth_m, &d.s.in_bottom_time_min})
                *in = byte();
            d.newDive();
            for (int c = 0; c < 200; ++c) {
                d.s.in_ambient_pressure_mbar = static_cast<uint16_t>(rng());
                for (uint8_t* in : {&d.s.in_current_gas, &d.s.in_n2_percent, &d.s.in_he_percent,
                                    &d.s.in_ppo2_cbar})
                    *in = byte();
                d.s.in_step_mode = byte() % 3;
                if (c % 50 == 0)
                    d.s.io_deco_status = byte();
                d.cycle();
                QVERIFY(d.s.out_ndl_min <= 240);
                QVERIFY(d.s.out_leading_tissue < compartment_count ||
                        d.s.out_leading_tissue == 255);
                QVERIFY(d.s.cns_fraction >= 0.0f && d.s.cns_fraction <= 2.55f);
            }
            compute_gas_volumes(d.s);
            cns_at_plan_end(d.s);
            d.s.in_surface_interval_10min = byte();
            surface_interval(d.s);
            compute_desaturation(d.s);
            d.s.io_nofly_time_min = d.s.out_desat_time_min;
            d.s.in_nofly_ratio_percent = byte();
            compute_nofly(d.s);
            QVERIFY(d.s.cns_fraction >= 0.0f && d.s.cns_fraction <= 2.55f);
        }
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
