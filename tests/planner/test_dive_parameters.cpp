// Dive parameters without a window: gas names, MOD/EAD/END lines, the diluent line,
// engine inputs from the image, the mix checks of setDepth and the deco gas choice.
#include "planner/dive_parameters.h"

#include <QtTest>
#include <array>

using namespace planner;
using Bytes = QVector<uint8_t>;

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
    void gasNames_data()
    {
        QTest::addColumn<int>("o2");
        QTest::addColumn<int>("he");
        QTest::addColumn<QString>("name");
        auto row = [](const char* tag, int o2, int he, const char* name) {
            QTest::newRow(tag) << o2 << he << QString(name);
        };
        row("oxygen", 100, 0, "Oxy");
        row("trimix", 18, 45, "Tx18/45");
        row("heliox", 10, 90, "Hx10/90");
        row("hypoxic nitrox", 15, 0, "Err15/00");
        row("one digit", 5, 0, "Err05/00");
        row("trimix padded", 8, 5, "Tx08/05");
    }
    void gasNames()
    {
        QFETCH(int, o2);
        QFETCH(int, he);
        QFETCH(QString, name);
        QCOMPARE(gasName(o2, he), name);
        QCOMPARE(gasName(imageWithGases({{0, 0, 0, 0}, {0, 0, 0, 0}, {o2, he, 0, 1}}), 3), name);
    }

    // A depth below 0 is the diluent line of a setpoint (ppO2High) instead.
    void infoLines_data()
    {
        QTest::addColumn<int>("o2");
        QTest::addColumn<int>("he");
        QTest::addColumn<int>("depth");
        QTest::addColumn<double>("ppo2High");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("invalid");
        auto row = [](const char* tag, int o2, int he, int depth, double pp, const char* text,
                      bool invalid = false) {
            QTest::newRow(tag) << o2 << he << depth << pp << QString(text) << invalid;
        };
        row("air at surface", 21, 0, 0, 1.6, "MOD:66m, EAD:---, END:---");
        row("EAN50 at 21 m", 50, 0, 21, 1.6, "MOD:22m, EAD:10m, END:21m");
        row("oxygen at 6 m", 100, 0, 6, 1.6, "MOD: 6m, EAD: 0m, END: 6m");
        row("trimix at 40 m", 18, 45, 40, 1.4, "MOD:68m, EAD:13m, END:18m");
        row("20 % is hypoxic here", 20, 0, 0, 1.6, "MOD:70m, EAD:---, END:---", true);
        row("over 100 %", 60, 50, 0, 1.6, "MOD:17m, EAD:---, END:---", true);
        row("no oxygen", 0, 0, 0, 1.6, "MOD: 0m, EAD:---, END:---", true);
        row("air diluent", 21, 0, -1, 1.3, "Dil:21/00, CCR max depth:52m, EAD:52m, END:52m");
        row("trimix diluent", 10, 50, -1, 1.3, "Dil:10/50, CCR max depth:120m, EAD:56m, END:55m");
        row("no diluent", 0, 0, -1, 1.3, "Dil: 0/00, CCR max depth: 0m, EAD:---, END:---");
    }
    void infoLines()
    {
        QFETCH(int, o2);
        QFETCH(int, he);
        QFETCH(int, depth);
        QFETCH(double, ppo2High);
        QFETCH(QString, text);
        QFETCH(bool, invalid);
        const GasInfo info = gasInfo(o2, he, qMax(depth, 0), ppo2High);
        QCOMPARE(depth < 0 ? setpointInfoText(ppo2High, o2, he) : gasInfoText(info), text);
        QCOMPARE(depth < 0 ? false : info.mixInvalid, invalid);
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
        im.setByte(ConfigImage::deco_type, 0);
        loadEngineGases(im, s);
        QCOMPARE(Bytes({s.in_gf_model, s.in_setpoint_cbar}), Bytes({0, 0}));
    }

    void setDepthValues()
    {
        ConfigImage im = imageWithGases({{21, 0, 0, 1}});
        engine::engine_state s;
        loadEngineGases(im, s);
        s.in_surface_pressure_mbar = 1013;
        setDepth(im, s, 0.0f);
        QCOMPARE(int(s.in_ambient_pressure_mbar), 1013);
        QCOMPARE(int(s.in_ppo2_cbar), 21);
        setDepth(im, s, 30.0f);
        QCOMPARE(int(s.in_ambient_pressure_mbar), 1013 + 2996); // 30 x 99.85 = 2995.5 -> 2996
        QCOMPARE(int(s.in_ppo2_cbar), 84);
        // CCR with CF39 off: the setpoint, even above the ambient pressure.
        im.setByte(ConfigImage::deco_type, 2);
        im.setSetpoint(1, 130);
        im.setCf(39, 0);
        loadEngineGases(im, s);
        setDepth(im, s, 0.0f);
        QCOMPARE(int(s.in_ppo2_cbar), 130);
        // CF39 on: the diluent's ppO2, raised to the setpoint, capped by the ambient pressure.
        im.setCf(39, 1);
        setDepth(im, s, 0.0f);
        QCOMPARE(int(s.in_ppo2_cbar), 101);
        setDepth(im, s, 60.0f);
        QCOMPARE(int(s.in_ppo2_cbar), 147);
    }

    void setDepthRefusals_data()
    {
        QTest::addColumn<int>("o2");
        QTest::addColumn<int>("he");
        QTest::addColumn<bool>("ccr");
        QTest::addColumn<float>("depth");
        QTest::addColumn<QString>("message");
        auto row = [](const char* tag, int o2, int he, bool ccr, float depth, const char* text) {
            QTest::newRow(tag) << o2 << he << ccr << depth << QString(text);
        };
        row("hypoxia", 12, 0, false, 0, "HYPOXIA: won't simulate with ppO2 &le; 0.15 bar");
        row("N2 above 95", 3, 0, false, 90, "BAD MIX: N2 ration should be in 0 .. 95%");
        row("He above 95", 2, 97, false, 90, "BAD MIX: He ration should be in 0 .. 95%");
        // Only a setpoint gets past the hypoxia check without oxygen in the mix.
        row("no oxygen", 0, 50, true, 20, "BAD MIX: N2+He ratio should be less than 100%");
        row("narcosis", 10, 0, false, 150, "NARCOSIS: won't simulate with ppN2 &ge; 14 bar");
        row("HPNS", 5, 90, false, 160, "HPNS: won't simulate with ppHe &ge; 14 bar");
        // Beyond the 16-bit pressure range the depth is held at 65535 mbar, never wrapped
        // round to a shallow pressure that would pass.
        row("700 m on trimix", 10, 80, false, 700, "HPNS: won't simulate with ppHe &ge; 14 bar");
    }
    void setDepthRefusals()
    {
        QFETCH(int, o2);
        QFETCH(int, he);
        QFETCH(bool, ccr);
        QFETCH(float, depth);
        QFETCH(QString, message);
        ConfigImage im = imageWithGases({{o2, he, 0, 1}});
        if (ccr) {
            im.setByte(ConfigImage::deco_type, 2);
            im.setSetpoint(1, 130);
        }
        engine::engine_state s;
        loadEngineGases(im, s);
        s.in_surface_pressure_mbar = 1013;
        QString thrown;
        try {
            setDepth(im, s, depth);
        } catch (const QString& e) {
            thrown = e;
        }
        QCOMPARE(thrown, message);
        // The ambient pressure was set before the check refused the mix.
        QVERIFY(s.in_ambient_pressure_mbar > 1000);
        QVERIFY(depth < 650 || s.in_ambient_pressure_mbar == 65535);
    }

    // Gas 1 first (not a deco gas); a gas without a change depth is none either.
    void bestGas_data()
    {
        QTest::addColumn<float>("depth");
        QTest::addColumn<bool>("zeroDepths");
        QTest::addColumn<int>("gas");
        QTest::newRow("just below 21 m") << 21.05f << false << 2;
        QTest::newRow("too deep for 21 m") << 21.2f << false << 0;
        QTest::newRow("shallower than 6 m") << 5.0f << false << 4; // equal depth: the higher gas
        QTest::newRow("between") << 12.0f << false << 2;
        QTest::newRow("surface") << 0.0f << false << 4;
        QTest::newRow("only gas 1 has a depth") << 10.0f << true << 0;
    }
    void bestGas()
    {
        QFETCH(float, depth);
        QFETCH(bool, zeroDepths);
        QFETCH(int, gas);
        // Gas 1 first; 2 at 21 m; 3 and 4 at 6 m; 5 inactive at 3 m.
        const ConfigImage im = zeroDepths ? imageWithGases({{21, 0, 30, 1}, {50, 0, 0, 1}})
                                          : imageWithGases({{21, 0, 40, 1},
                                                            {50, 0, 21, 1},
                                                            {100, 0, 6, 1},
                                                            {99, 0, 6, 1},
                                                            {100, 0, 3, 0}});
        QCOMPARE(bestGasForDepth(im, depth), gas);
    }
};

QTEST_GUILESS_MAIN(TestDiveParameters)
#include "test_dive_parameters.moc"
