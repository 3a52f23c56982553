// Properties that must hold for every dive: a few thousand random dives over depths
// 0-130 m, air, nitrox, trimix with deco gases and closed circuit, gradient factors and
// the plain model, with random last-stop, stop-order, switch-wait and deco-distance settings;
// and arbitrary input bytes, whose outputs must stay in their ranges.
#include "engine_fixture.h"

#include <QtTest>
#include <algorithm>
#include <iterator>
#include <random>
#include <set>

using namespace engine;

namespace
{

struct RandomDive {
    bool gf;
    int mix; // 0 air, 1 nitrox, 2 trimix with deco gases, 3 closed circuit
    int depth, minutes, o2, he, setpoint;
    int switch_deep, switch_shallow; // deco gas switch depths, on or off the 3 m grid
    int gf_low, gf_high, sat, desat, last_stop, shallow_first, wait, distance;

    QString describe() const
    {
        return QString::asprintf("%d m %d min mix %d (%d/%d sp %d) %s %d/%d sat %d/%d last %d "
                                 "cf54 %d cf55 %d dist %d",
                                 depth, minutes, mix, o2, he, setpoint, gf ? "GF" : "plain", gf_low,
                                 gf_high, sat, desat, last_stop, shallow_first, wait, distance);
    }
};

RandomDive makeDive(std::mt19937& rng)
{
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    RandomDive r{};
    r.gf = pick(0, 1) == 1;
    r.mix = pick(0, 3);
    r.depth = pick(0, 130);
    // Keep the deep dives short enough for the search to end in a reasonable number of cycles.
    r.minutes = pick(1, r.depth > 80 ? 30 : 60);
    r.o2 = r.mix == 1 ? pick(22, 40) : (r.mix >= 2 ? pick(10, 21) : 21);
    r.he = r.mix >= 2 ? pick(0, 70) : 0;
    r.setpoint = r.mix == 3 ? pick(70, 140) : 0;
    r.switch_deep = pick(15, 24);
    r.switch_shallow = pick(4, 9);
    r.gf_low = pick(10, 90);
    r.gf_high = pick(std::max(30, r.gf_low), 95);
    r.sat = pick(110, 200);
    r.desat = pick(50, 90);
    r.last_stop = pick(2, 6);
    r.shallow_first = pick(0, 1);
    r.wait = pick(0, 3);
    r.distance = pick(0, 20);
    return r;
}

// Runs the dive until a plan is complete, checking every cycle; the failure, if any.
QString runDive(const RandomDive& r, EngineDive& d)
{
    d.s.in_gf_model = r.gf;
    d.setGas(1, r.o2, r.he, 0);
    if (r.mix >= 2) {
        d.setGas(2, 50, 0, r.switch_deep);
        d.setGas(3, 100, 0, r.switch_shallow);
    }
    d.useGas(1);
    d.s.in_setpoint_cbar = static_cast<uint8_t>(r.setpoint);
    d.s.in_gf_low_percent = static_cast<uint8_t>(r.gf_low);
    d.s.in_gf_high_percent = static_cast<uint8_t>(r.gf_high);
    d.s.in_sat_factor_percent = static_cast<uint8_t>(r.sat);
    d.s.in_desat_factor_percent = static_cast<uint8_t>(r.desat);
    d.s.in_last_stop_m = static_cast<uint8_t>(r.last_stop);
    d.s.in_deco_distance_cbar = static_cast<uint8_t>(r.distance);
    d.setCf(54, static_cast<uint16_t>(r.shallow_first));
    d.setCf(55, static_cast<uint16_t>(r.wait));
    d.newDive();

    float last_cns = 0.0f;
    auto step = [&]() -> QString {
        d.cycle();
        if (d.s.out_ndl_min > 240)
            return QString("NDL %1").arg(d.s.out_ndl_min);
        if (d.s.cns_fraction < last_cns || d.s.cns_fraction > 2.55f)
            return QString("CNS %1 after %2").arg(d.s.cns_fraction).arg(last_cns);
        last_cns = d.s.cns_fraction;
        return QString();
    };
    // Descent at 20 m/min and bottom time in 1-minute steps, then 2-second cycles at depth.
    d.s.in_step_mode = 1;
    float depth = 0.0f;
    int minute = 0;
    QString failure;
    do {
        d.setDepth(depth = std::min<float>(depth + 20.0f, r.depth));
        failure = step();
    } while (failure.isEmpty() && depth < r.depth && ++minute < 10);
    for (; failure.isEmpty() && minute < r.minutes; ++minute)
        failure = step();
    if (!failure.isEmpty())
        return "descent and bottom: " + failure;
    d.s.in_step_mode = 0;
    bool searched = false;
    for (int i = 0; i < 20000; ++i) {
        if (!(failure = step()).isEmpty())
            return "plan: " + failure;
        searched = searched || d.s.io_deco_status == 1;
        if (d.s.io_deco_status == 0 && (searched || d.s.out_ndl_min > 0))
            return QString();
    }
    return "no plan";
}

// The published plan of a completed search.
QString checkPlan(const RandomDive& r, const EngineDive& d)
{
    std::set<int> off_grid = {r.last_stop};
    if (r.mix >= 2 && r.setpoint == 0)
        off_grid.insert({r.switch_deep, r.switch_shallow});
    const std::vector<int> raw = d.depths(false);
    for (size_t i = raw.size(); i < size_t(stop_count); ++i)
        if (d.s.out_stop_depth_m[i] != 0 || d.s.out_stop_time_min[i] != 0)
            return QString("entry %1 follows an empty entry").arg(i);
    int previous = -1;
    for (size_t i = 0; i < raw.size(); ++i) {
        const int depth = raw[i] & 0x7F;
        if (depth % 3 != 0 && !off_grid.count(depth))
            return QString("stop at %1 m is off the grid").arg(depth);
        if (d.s.out_stop_time_min[i] < 1)
            return QString("stop at %1 m has no minutes").arg(depth);
        // Deepest first (shallowest first with CF54). A wait at a switch depth that is not on
        // the grid may come just before the grid stop below it: after the wait the ceiling,
        // rounded up to the grid, lies deeper and the diver goes down to it.
        if (raw[i] & 0x80)
            continue;
        if (previous >= 0 && (r.shallow_first ? depth < previous : depth > previous))
            return QString("stops out of order at entry %1").arg(i);
        previous = depth;
    }
    if (d.s.out_ndl_min > 0 && !raw.empty())
        return "a no-stop dive published stops";
    if (d.s.out_ndl_min == 0 && d.s.out_tts_min != d.ascentAllowance() + d.minutes())
        return QString("TTS %1 is not the ascent and the stops").arg(d.s.out_tts_min);
    return QString();
}

bool sameOutputs(const engine_state& a, const engine_state& b)
{
    auto same = [](const auto& x, const auto& y) { return std::equal(x, x + std::size(x), y); };
    return same(a.tissue_n2_bar, b.tissue_n2_bar) && same(a.tissue_he_bar, b.tissue_he_bar) &&
           same(a.out_stop_depth_m, b.out_stop_depth_m) &&
           same(a.out_stop_time_min, b.out_stop_time_min) && a.out_ndl_min == b.out_ndl_min &&
           a.out_tts_min == b.out_tts_min && a.cns_fraction == b.cns_fraction &&
           a.out_ceiling_mbar == b.out_ceiling_mbar && a.out_gf_percent == b.out_gf_percent &&
           a.gf_anchor_depth_m == b.gf_anchor_depth_m;
}

} // namespace

class TestEngineProperties : public QObject
{
    Q_OBJECT

private slots:
    void randomDives()
    {
        const int count = qEnvironmentVariableIsSet("BATHYRA_PROPERTY_DIVES")
                              ? qEnvironmentVariableIntValue("BATHYRA_PROPERTY_DIVES")
                              : 2500;
        std::mt19937 rng(20261206);
        int with_stops = 0, without = 0;
        for (int n = 0; n < count; ++n) {
            const RandomDive r = makeDive(rng);
            EngineDive first;
            const QString failure = runDive(r, first);
            QVERIFY2(failure.isEmpty(), qPrintable(r.describe() + ": " + failure));
            const QString plan = checkPlan(r, first);
            QVERIFY2(plan.isEmpty(), qPrintable(r.describe() + ": " + plan));
            (first.s.out_ndl_min > 0 ? without : with_stops)++;
            if (n % 10 == 0) {
                EngineDive again;
                runDive(r, again);
                QVERIFY2(sameOutputs(first.s, again.s), qPrintable(r.describe() + ": differs"));
            }
        }
        // The sample covers both kinds of dive.
        QVERIFY(with_stops > count / 10 && without > count / 10);
    }

    // Arbitrary input bytes (the sanitizer build also checks that no conversion leaves its
    // type's range).
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

QTEST_APPLESS_MAIN(TestEngineProperties)
#include "test_engine_properties.moc"
