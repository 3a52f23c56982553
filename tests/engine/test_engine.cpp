// The engine. Chosen dives with every published figure pinned (data/chosen_dives.txt); EAD/END
// and the closed-circuit loop, the status machine, the CNS bands, steps and limits. Properties of
// every plan over a few thousand random dives, and arbitrary input bytes whose outputs stay in
// range (the sanitizer build also checks that no conversion leaves its type's range).
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
    d.s.in_gf_model = static_cast<uint8_t>(gf);
    d.setGas(1, o2, he, 0);
    if (mix >= 2) {
        d.setGas(2, 50, 0, pick(15, 24)); // switch depths on and off the 3 m grid
        d.setGas(3, 100, 0, pick(4, 9));
    }
    d.useGas(1);
    engine_state& s = d.s;
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
    return QString::asprintf("%d m %d min mix %d (%d/%d) model %d: ", depth, minutes, mix, o2, he, gf);
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
    if (d.s.out_ndl_min == 0 && d.s.out_tts_min != d.stopsTts())
        return QString("TTS %1 is not the ascent and the stops").arg(d.s.out_tts_min);
    return QString();
}

// The lines of a file of tests/engine/data, comments left out.
QStringList dataLines(const char* name)
{
    QFile file(QStringLiteral(BATHYRA_ENGINE_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", name);
    return QString(file.readAll()).split('\n', Qt::SkipEmptyParts).filter(QRegularExpression("^[^#]"));
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
        QTest::addColumn<QStringList>("f"); // the fields of a line of the data file
        for (const QString& line : dataLines("chosen_dives.txt"))
            QTest::newRow(qPrintable(line.section(" | ", 0, 0))) << line.split(" | ");
    }
    void chosenDives()
    {
        QFETCH(QStringList, f);
        const bool gf = f[1] == "gf";
        const int depth = f[4].toInt(), minutes = f[5].toInt();
        EngineDive d(gf);
        const QStringList mixes = f[2].split(',');
        for (int n = 1; n <= mixes.size(); ++n) {
            const QStringList g = mixes[n - 1].split(QRegularExpression("[/@]"));
            d.setGas(n, g[0].toInt(), g[1].toInt(), g.value(2).toInt());
        }
        d.useGas(1);
        d.s.in_setpoint_cbar = static_cast<uint8_t>(f[3].toInt());
        d.setCf(56, 20);
        d.setCf(57, 18);
        for (const QString& cf : f[6].split(' ')) { // "-": none
            const int n = cf.section('=', 0, 0).toInt(), value = cf.section('=', 1).toInt();
            if (n == 29)
                d.s.in_last_stop_m = static_cast<uint8_t>(value);
            else if (n)
                d.setCf(n, static_cast<uint16_t>(value));
        }
        QVERIFY(d.dive(depth, minutes));
        const QString plan = QString::fromStdString(d.plan());
        const int tts = d.s.out_tts_min;
        QCOMPARE(plan, f[7]);
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
        QCOMPARE(figures.join(' '), f[8]);
    }

    // EAD, END and the diluent of a closed-circuit loop; a setpoint above the ambient pressure
    // leaves the loop empty; beyond 245.5 m EAD and END read 0, they are not clamped.
    void inspiredGas_data()
    {
        QTest::addColumn<QString>("inputs");   // ambient mbar, O2 %, He %, setpoint cbar
        QTest::addColumn<QString>("expected"); // EAD, END, diluent ppO2 (cbar), diluent %
        QTest::newRow("EAN32 30 m") << "4013 32 0 0" << "25,30,0,0";
        QTest::newRow("tx18/45 60 m") << "7013 18 45 0" << "23,29,0,0";
        QTest::newRow("air 300 m") << "31013 21 0 0" << "0,0,0,0";
        QTest::newRow("CCR setpoint above ambient") << "1213 21 0 130" << "0,0,25,0";
        QTest::newRow("CCR 1.3 at 40 m") << "5013 21 0 130" << "37,40,105,94";
    }
    void inspiredGas()
    {
        QFETCH(QString, inputs);
        const QStringList in = inputs.split(' ');
        EngineDive d;
        d.setGas(1, in[1].toInt(), in[2].toInt(), 0);
        d.useGas(1);
        d.newDive();
        d.s.in_ambient_pressure_mbar = static_cast<uint16_t>(in[0].toInt());
        d.s.in_setpoint_cbar = static_cast<uint8_t>(in[3].toInt());
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
        QCOMPARE(int(d.s.out_tts_min), d.stopsTts());

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

    // The increment per step at the edges of every ppO2 band.
    void cnsIncrementBands()
    {
        for (const QString& line : dataLines("cns_bands.txt")) {
            const double expected = line.section(' ', 1, 1).toDouble();
            const double got = cns_increment(static_cast<uint8_t>(line.section(' ', 0, 0).toInt()));
            QVERIFY2(std::fabs(got - expected) <= 1e-6 * expected, qPrintable(line));
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
            engine_state& s = d.s;
            std::generate(d.image, d.image + config_image_size, byte);
            s.in_surface_pressure_mbar = static_cast<uint16_t>(rng());
            for (uint8_t* in : {&s.in_gf_low_percent, &s.in_gf_high_percent, &s.in_last_stop_m,
                                &s.in_sat_factor_percent, &s.in_desat_factor_percent,
                                &s.in_deco_distance_cbar, &s.in_first_gas, &s.in_bottom_depth_m,
                                &s.in_bottom_time_min, &s.in_nofly_ratio_percent})
                *in = byte();
            s.in_setpoint_cbar = (n % 3 == 0) ? byte() : 0;
            for (uint8_t* gases : {s.in_gas_switch_depth_m, s.in_gas_n2_percent, s.in_gas_he_percent})
                std::generate(gases, gases + gas_count, byte);
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
