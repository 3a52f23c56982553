// Properties that must hold for every dive: a few thousand random dives over depths
// 0-130 m, air, nitrox, trimix with deco gases and closed circuit, gradient factors and
// the plain model, with random last-stop, stop-order, switch-wait and deco-distance settings.
#include "engine_fixture.h"

#include <QtTest>
#include <cstdlib>
#include <random>
#include <set>

using namespace engine;

namespace {

struct RandomDive {
    bool gf;
    int mix; // 0 air, 1 nitrox, 2 trimix with deco gases, 3 closed circuit
    int depth;
    int minutes;
    int o2, he, setpoint;
    int switch_deep, switch_shallow; // deco gas switch depths, on or off the 3 m grid
    int gf_low, gf_high, sat, desat;
    int last_stop, shallow_first, wait, distance;
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

struct Outcome {
    bool completed = false;
    QString failure;
    engine_state end;
};

Outcome runDive(const RandomDive& r)
{
    Outcome out;
    EngineDive d(r.gf);
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
    auto check_cycle = [&](const char* where) {
        if (d.s.out_ndl_min > 240)
            out.failure = QString("%1: NDL %2").arg(where).arg(d.s.out_ndl_min);
        if (d.s.cns_fraction < last_cns)
            out.failure = QString("%1: CNS decreased").arg(where);
        if (d.s.cns_fraction < 0.0f || d.s.cns_fraction > 2.55f)
            out.failure = QString("%1: CNS out of range").arg(where);
        last_cns = d.s.cns_fraction;
        return out.failure.isEmpty();
    };

    // Descent at 20 m/min and bottom time in 1-minute steps.
    d.s.in_step_mode = 1;
    float depth = 0.0f;
    int minute = 0;
    do {
        depth = std::min<float>(depth + 20.0f, r.depth);
        d.setDepth(depth);
        d.cycle();
        if (!check_cycle("descent"))
            return out;
    } while (depth < r.depth && ++minute < 10);
    for (; minute < r.minutes; ++minute) {
        d.cycle();
        if (!check_cycle("bottom"))
            return out;
    }
    d.s.in_step_mode = 0;

    // 2-second cycles at depth until a plan is complete.
    bool searched = false;
    for (int i = 0; i < 20000; ++i) {
        d.cycle();
        if (!check_cycle("plan"))
            return out;
        if (d.s.io_deco_status == 1)
            searched = true;
        if (d.s.io_deco_status == 0 && (searched || d.s.out_ndl_min > 0)) {
            out.completed = true;
            break;
        }
    }
    out.end = d.s;
    return out;
}

QString describe(const RandomDive& r)
{
    return QString("%1 m %2 min mix %3 (%4/%5 sp %6) %7 %8/%9 sat %10/%11 last %12 cf54 %13 "
                   "cf55 %14 dist %15")
        .arg(r.depth).arg(r.minutes).arg(r.mix).arg(r.o2).arg(r.he).arg(r.setpoint)
        .arg(r.gf ? "GF" : "plain").arg(r.gf_low).arg(r.gf_high).arg(r.sat).arg(r.desat)
        .arg(r.last_stop).arg(r.shallow_first).arg(r.wait).arg(r.distance);
}

// The published plan of a completed search.
QString checkPlan(const RandomDive& r, const engine_state& s)
{
    std::set<int> allowed_extra = {r.last_stop};
    if (r.mix >= 2 && r.setpoint == 0) {
        allowed_extra.insert(r.switch_deep);
        allowed_extra.insert(r.switch_shallow);
    }
    int used = 0;
    bool ended = false;
    int sum = 0;
    int previous = -1;
    for (int i = 0; i < stop_count; ++i) {
        const int raw = s.out_stop_depth_m[i];
        const int minutes = s.out_stop_time_min[i];
        if (raw == 0) {
            ended = true;
            if (minutes != 0)
                return QString("entry %1: minutes without a depth").arg(i);
            continue;
        }
        if (ended)
            return QString("entry %1 follows an empty entry").arg(i);
        ++used;
        const int depth = raw & 0x7F;
        if (depth % 3 != 0 && !allowed_extra.count(depth))
            return QString("stop at %1 m is off the grid").arg(depth);
        if (minutes < 1 || minutes > 255)
            return QString("stop at %1 m has %2 minutes").arg(depth).arg(minutes);
        sum += minutes;
        // Deepest first (shallowest first with CF54). A wait at a switch depth that is not on
        // the grid may come just before the grid stop below it: after the wait the ceiling,
        // rounded up to the grid, lies deeper and the diver goes down to it.
        if (raw & 0x80) {
            if (depth % 3 != 0 && !allowed_extra.count(depth))
                return QString("marked stop at %1 m is no switch depth").arg(depth);
            continue;
        }
        if (previous >= 0) {
            const bool ordered = r.shallow_first ? depth >= previous : depth <= previous;
            if (!ordered)
                return QString("stops out of order at entry %1").arg(i);
        }
        previous = depth;
    }
    if (s.out_ndl_min > 0 && used != 0)
        return "a no-stop dive published stops";
    if (s.out_ndl_min == 0) {
        float x = (s.ambient_bar - s.surface_bar) + 0.7f;
        const int allowance = int(std::max(x, 0.0f) + 0.99f);
        if (s.out_tts_min != allowance + sum)
            return QString("TTS %1 is not %2 + %3").arg(s.out_tts_min).arg(allowance).arg(sum);
    }
    return QString();
}

bool sameOutputs(const engine_state& a, const engine_state& b)
{
    for (int i = 0; i < compartment_count; ++i)
        if (a.tissue_n2_bar[i] != b.tissue_n2_bar[i] || a.tissue_he_bar[i] != b.tissue_he_bar[i])
            return false;
    for (int i = 0; i < stop_count; ++i)
        if (a.out_stop_depth_m[i] != b.out_stop_depth_m[i] ||
            a.out_stop_time_min[i] != b.out_stop_time_min[i])
            return false;
    return a.out_ndl_min == b.out_ndl_min && a.out_tts_min == b.out_tts_min &&
           a.cns_fraction == b.cns_fraction && a.out_ceiling_mbar == b.out_ceiling_mbar &&
           a.out_gf_percent == b.out_gf_percent && a.gf_anchor_depth_m == b.gf_anchor_depth_m;
}

} // namespace

class TestEngineProperties : public QObject {
    Q_OBJECT

private slots:
    void randomDives();
    void randomInputsStayInRange();
};

void TestEngineProperties::randomDives()
{
    const int count = qEnvironmentVariableIsSet("BATHYRA_PROPERTY_DIVES")
                          ? qEnvironmentVariableIntValue("BATHYRA_PROPERTY_DIVES")
                          : 2500;
    std::mt19937 rng(20261206);
    int with_stops = 0, without = 0;
    for (int n = 0; n < count; ++n) {
        const RandomDive r = makeDive(rng);
        const Outcome first = runDive(r);
        QVERIFY2(first.failure.isEmpty(), qPrintable(describe(r) + ": " + first.failure));
        QVERIFY2(first.completed, qPrintable(describe(r) + ": no plan"));
        const QString plan = checkPlan(r, first.end);
        QVERIFY2(plan.isEmpty(), qPrintable(describe(r) + ": " + plan));
        (first.end.out_ndl_min > 0 ? without : with_stops)++;
        if (n % 10 == 0) {
            const Outcome again = runDive(r);
            QVERIFY2(sameOutputs(first.end, again.end), qPrintable(describe(r) + ": differs"));
        }
    }
    // The sample covers both kinds of dive.
    QVERIFY(with_stops > count / 10);
    QVERIFY(without > count / 10);
}

// Arbitrary input bytes: every output stays in its documented range (the sanitizer build
// also checks that no conversion leaves its type's range).
void TestEngineProperties::randomInputsStayInRange()
{
    std::mt19937 rng(4242);
    auto byte = [&rng]() { return static_cast<uint8_t>(rng() & 0xFF); };
    for (int n = 0; n < 300; ++n) {
        EngineDive d(byte() & 1);
        for (int i = 0; i < engine::config_image_size; ++i)
            d.image[i] = byte();
        d.s.in_surface_pressure_mbar = static_cast<uint16_t>(rng());
        d.s.in_gf_low_percent = byte();
        d.s.in_gf_high_percent = byte();
        d.s.in_sat_factor_percent = byte();
        d.s.in_desat_factor_percent = byte();
        d.s.in_deco_distance_cbar = byte();
        d.s.in_last_stop_m = byte();
        d.s.in_setpoint_cbar = (n % 3 == 0) ? byte() : 0;
        for (int g = 0; g < gas_count; ++g) {
            d.s.in_gas_switch_depth_m[g] = byte();
            d.s.in_gas_n2_percent[g] = byte();
            d.s.in_gas_he_percent[g] = byte();
        }
        d.s.in_first_gas = byte();
        d.s.in_bottom_depth_m = byte();
        d.s.in_bottom_time_min = byte();
        d.newDive();
        for (int c = 0; c < 200; ++c) {
            d.s.in_ambient_pressure_mbar = static_cast<uint16_t>(rng());
            d.s.in_current_gas = byte();
            d.s.in_n2_percent = byte();
            d.s.in_he_percent = byte();
            d.s.in_ppo2_cbar = byte();
            d.s.in_step_mode = byte() % 3;
            if (c % 50 == 0)
                d.s.io_deco_status = byte();
            d.cycle();
            QVERIFY(d.s.out_ndl_min <= 240);
            QVERIFY(d.s.out_leading_tissue < compartment_count || d.s.out_leading_tissue == 255);
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

QTEST_APPLESS_MAIN(TestEngineProperties)
#include "test_engine_properties.moc"
