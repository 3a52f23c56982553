// Dive parameters without a window: gas names, MOD/EAD/END lines, the diluent line, the
// scaled roundings, engine inputs from the image, the ppO2 and mix checks of setDepth and
// the deco gas choice.
#include "planner/dive_parameters.h"

#include <QtTest>
#include <array>
#include <limits>

using namespace planner;
using Bytes = QVector<uint8_t>;

struct MixCase {
    int o2, he, depth;
    double ppo2High;
    const char *name, *text;
    bool invalid;
};
Q_DECLARE_METATYPE(MixCase)

// A mix at a depth: ccrMode 0 open circuit, 1 CCR with CF39 off, 2 with CF39 on; the
// ambient pressure there (0: not checked) and ppO2 in centibar, or the refusal.
struct DepthCase {
    int o2, he, ccrMode;
    float depth;
    int ambient, ppo2;
    const char* refusal;
};
Q_DECLARE_METATYPE(DepthCase)

namespace
{

// Gases 1, 2, ... as {O2, He, depth, active}.
ConfigImage imageWithGases(std::initializer_list<std::array<int, 4>> gases)
{
    ConfigImage im = ConfigImage::defaultImage();
    int n = 1;
    for (const auto& g : gases) {
        im.setGasO2(n, quint8(g[0]));
        im.setGasHe(n, quint8(g[1]));
        im.setGasDepth(n, quint8(g[2]));
        im.setGasActive(n++, g[3] != 0);
    }
    im.setByte(ConfigImage::first_gas, 1);
    return im;
}

} // namespace

class TestDiveParameters : public QObject
{
    Q_OBJECT

private slots:
    // A mix's name and its MOD/EAD/END line at a depth; a depth below 0 gives the diluent
    // line of the setpoint ppO2High instead. Empty texts are not checked.
    void mixes_data()
    {
        QTest::addColumn<MixCase>("c");
        QTest::newRow("air") << MixCase{21, 0, 0, 1.6, "Air", "MOD:66m, EAD:---, END:---", false};
        QTest::newRow("EAN50 at 21 m")
            << MixCase{50, 0, 21, 1.6, "Nx50", "MOD:22m, EAD:10m, END:21m", false};
        QTest::newRow("oxygen at 6 m")
            << MixCase{100, 0, 6, 1.6, "Oxy", "MOD: 6m, EAD: 0m, END: 6m", false};
        QTest::newRow("trimix at 40 m")
            << MixCase{18, 45, 40, 1.4, "Tx18/45", "MOD:68m, EAD:13m, END:18m", false};
        QTest::newRow("20 % is hypoxic here")
            << MixCase{20, 0, 0, 1.6, "Err20/00", "MOD:70m, EAD:---, END:---", true};
        QTest::newRow("over 100 %")
            << MixCase{60, 50, 0, 1.6, "", "MOD:17m, EAD:---, END:---", true};
        QTest::newRow("no oxygen") << MixCase{0, 0, 0, 1.6, "", "MOD: 0m, EAD:---, END:---", true};
        QTest::newRow("heliox") << MixCase{10, 90, 0, 1.6, "Hx10/90", "", false};
        QTest::newRow("trimix padded") << MixCase{8, 5, 0, 1.6, "Tx08/05", "", true};
        QTest::newRow("air diluent")
            << MixCase{21, 0, -1, 1.3, "", "Dil:21/00, CCR max depth:52m, EAD:52m, END:52m", false};
        QTest::newRow("trimix diluent") << MixCase{
            10, 50, -1, 1.3, "Tx10/50", "Dil:10/50, CCR max depth:120m, EAD:56m, END:55m", false};
        QTest::newRow("no diluent")
            << MixCase{0, 0, -1, 1.3, "", "Dil: 0/00, CCR max depth: 0m, EAD:---, END:---", false};
    }
    void mixes()
    {
        QFETCH(MixCase, c);
        if (*c.name) {
            QCOMPARE(gasName(c.o2, c.he), QString(c.name));
            const ConfigImage im = imageWithGases({{0, 0, 0, 0}, {0, 0, 0, 0}, {c.o2, c.he, 0, 1}});
            QCOMPARE(gasName(im, 3), QString(c.name));
        }
        const GasInfo info = gasInfo(c.o2, c.he, qMax(c.depth, 0), c.ppo2High);
        if (*c.text)
            QCOMPARE(c.depth < 0 ? setpointInfoText(c.ppo2High, c.o2, c.he) : gasInfoText(info),
                     QString(c.text));
        QCOMPARE(c.depth >= 0 && info.mixInvalid, c.invalid);
    }

    void engineGasesFromImage()
    {
        ConfigImage im = imageWithGases(
            {{18, 45, 0, 1}, {50, 0, 21, 1}, {100, 0, 6, 0}, {60, 50, 9, 1}, {21, 0, 0, 1}});
        im.setByte(ConfigImage::deco_type, 5);
        im.setSetpoint(1, 130);
        const int cfs[][2] = {{11, 110}, {12, 90}, {16, 25}, {29, 6}, {32, 30}, {33, 85}};
        for (const auto& cf : cfs)
            im.setCf(cf[0], quint16(cf[1]));
        engine::engine_state s;
        s.in_surface_interval_10min = 7;
        loadEngineGases(im, s);
        QCOMPARE(Bytes({s.in_sat_factor_percent, s.in_desat_factor_percent, s.in_deco_distance_cbar,
                        s.in_last_stop_m, s.in_gf_low_percent, s.in_gf_high_percent, s.in_gf_model,
                        s.in_setpoint_cbar, s.in_surface_interval_10min}),
                 Bytes({110, 90, 25, 6, 30, 85, 1, 130, 0}));
        // Gas 3 inactive, gases 1 and 5 at depth 0: no switch depth.
        QCOMPARE(Bytes(s.in_gas_n2_percent, s.in_gas_n2_percent + 5), Bytes({37, 50, 0, 0, 79}));
        QCOMPARE(Bytes(s.in_gas_he_percent, s.in_gas_he_percent + 5), Bytes({45, 0, 0, 50, 0}));
        QCOMPARE(Bytes(s.in_gas_switch_depth_m, s.in_gas_switch_depth_m + 5),
                 Bytes({0, 21, 0, 9, 0}));
        QCOMPARE(Bytes({s.in_first_gas, s.in_current_gas, s.in_n2_percent, s.in_he_percent}),
                 Bytes({1, 1, 37, 45}));
        QCOMPARE(s.config_image, im.data());
        // Open circuit: no GF model, no setpoint; a first gas outside 1..5 breathes nothing.
        im.setByte(ConfigImage::deco_type, 0);
        im.setByte(ConfigImage::first_gas, 6);
        loadEngineGases(im, s);
        QCOMPARE(Bytes({s.in_gf_model, s.in_setpoint_cbar, s.in_n2_percent, s.in_he_percent}),
                 Bytes({0, 0, 0, 0}));
    }

    // Setpoints in centibar, depths in decimetres: rounded, or truncated without losing a unit
    // to the binary fraction.
    void scaled()
    {
        QCOMPARE(
            QVector<int>({roundScaled(1.3, 100), roundScaled(1.299, 100), roundScaled(2.5, 10)}),
            QVector<int>({130, 130, 25}));
        QCOMPARE(QVector<int>({truncScaled(1.3, 100), truncScaled(1.299, 100),
                               truncScaled(0.7, 100), truncScaled(-1.15, 100)}),
                 QVector<int>({130, 129, 70, -115}));
    }

    // ppO2 at a depth, or the refusal of the mix there. CCR modes: 1 with CF39 off (the
    // setpoint, even above the ambient pressure), 2 with CF39 on (the diluent's ppO2 raised
    // to the setpoint, capped by the ambient pressure).
    void setDepth_data()
    {
        QTest::addColumn<DepthCase>("c");
        const char* none = "";
        // Depths no widget could give: no undefined float-to-int conversion.
        QTest::newRow("infinite depth: the surface")
            << DepthCase{21, 0, 0, std::numeric_limits<float>::infinity(), 1013, 21, none};
        QTest::newRow("air at 10^9 m") << DepthCase{
            21, 0, 0, 1e9f, 65535, 0, "NARCOSIS: won't simulate with ppN2 &ge; 14 bar"};
        QTest::newRow("air at 30 m") << DepthCase{21, 0, 0, 30, 4009, 84, none}; // 2995.5 mbar up
        QTest::newRow("setpoint above ambient") << DepthCase{21, 0, 1, 0, 0, 130, none};
        QTest::newRow("CF39: capped by ambient") << DepthCase{21, 0, 2, 0, 0, 101, none};
        QTest::newRow("CF39: diluent above setpoint") << DepthCase{21, 0, 2, 60, 0, 147, none};
        QTest::newRow("hypoxia") << DepthCase{
            12, 0, 0, 0, 0, 0, "HYPOXIA: won't simulate with ppO2 &le; 0.15 bar"};
        QTest::newRow("N2 above 95")
            << DepthCase{3, 0, 0, 90, 0, 0, "BAD MIX: N2 ration should be in 0 .. 95%"};
        QTest::newRow("He above 95")
            << DepthCase{2, 97, 0, 90, 0, 0, "BAD MIX: He ration should be in 0 .. 95%"};
        // Only a setpoint gets past the hypoxia check without oxygen in the mix.
        QTest::newRow("no oxygen")
            << DepthCase{0, 50, 1, 20, 0, 0, "BAD MIX: N2+He ratio should be less than 100%"};
        QTest::newRow("narcosis") << DepthCase{
            10, 0, 0, 150, 0, 0, "NARCOSIS: won't simulate with ppN2 &ge; 14 bar"};
        QTest::newRow("HPNS") << DepthCase{
            5, 90, 0, 160, 0, 0, "HPNS: won't simulate with ppHe &ge; 14 bar"};
        // Beyond the 16-bit pressure range the depth is held at 65535 mbar, never wrapped
        // round to a shallow pressure that would pass.
        QTest::newRow("700 m on trimix")
            << DepthCase{10, 80, 0, 700, 65535, 0, "HPNS: won't simulate with ppHe &ge; 14 bar"};
    }
    void setDepth()
    {
        QFETCH(DepthCase, c);
        ConfigImage im = imageWithGases({{c.o2, c.he, 0, 1}});
        if (c.ccrMode) {
            im.setByte(ConfigImage::deco_type, 2);
            im.setSetpoint(1, 130);
            im.setCf(39, quint16(c.ccrMode - 1));
        }
        engine::engine_state s;
        loadEngineGases(im, s);
        s.in_surface_pressure_mbar = 1013;
        QString thrown;
        try {
            planner::setDepth(im, s, c.depth);
        } catch (const QString& e) {
            thrown = e;
        }
        QCOMPARE(thrown, QString(c.refusal));
        // The ambient pressure is set before the mix is checked.
        QVERIFY(s.in_ambient_pressure_mbar > 1000);
        QVERIFY(!c.ambient || s.in_ambient_pressure_mbar == c.ambient);
        if (thrown.isEmpty())
            QCOMPARE(int(s.in_ppo2_cbar), c.ppo2);
    }

    // The deco gas for a depth: gas 1 is first, not a deco gas; 2 at 21 m; 3 and 4 at 6 m
    // (equal depths: the higher gas); 5 inactive at 3 m. A gas without a change depth is none.
    void bestGas()
    {
        const ConfigImage im = imageWithGases(
            {{21, 0, 40, 1}, {50, 0, 21, 1}, {100, 0, 6, 1}, {99, 0, 6, 1}, {100, 0, 3, 0}});
        QCOMPARE(QVector<int>({bestGasForDepth(im, 21.05f), bestGasForDepth(im, 21.2f),
                               bestGasForDepth(im, 5.0f), bestGasForDepth(im, 0.0f)}),
                 QVector<int>({2, 0, 4, 4}));
        QCOMPARE(bestGasForDepth(imageWithGases({{21, 0, 30, 1}, {50, 0, 0, 1}}), 10.0f), 0);
    }
};

QTEST_GUILESS_MAIN(TestDiveParameters)
#include "test_dive_parameters.moc"
