// The replay of a profile through the engine: gas and setpoint changes, the break
// conditions and the end of the walk.
#include "run_fixture.h"

#include <QtTest>

using planner::Simulation;

class TestReplay : public QObject {
    Q_OBJECT

private slots:
    void gasChangeOnOddSecond();
    void changeToGasInUseIsSilent();
    void switchesOffThenBreakOnBetterGas();
    void setpointOptionsIgnoredInOpenCircuit();
    void closedCircuitSetpointChange();
    void plannedSetpointIsNoChange_data();
    void plannedSetpointIsNoChange();
    void onePointProfileCompletesThePlan();
    void breakOnStopOnlyAboveTheStop_data();
    void breakOnStopOnlyAboveTheStop();
};

namespace {

int countLines(const RunFixture& f, const QString& text)
{
    int n = 0;
    for (const QString& line : f.console.lines)
        if (line.contains(text))
            ++n;
    return n;
}

} // namespace

void TestReplay::gasChangeOnOddSecond()
{
    RunFixture f;
    f.setGas(2, 50, 0, 21);
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(0, 15);
    f.profile->addPoint(10, 15);
    f.profile->setGas(0, 1);
    f.profile->setGas(61 / 60.0, 2); // second 61
    auto env = f.environment();
    Simulation(env).runSimulation(-1, f.profile.get());
    const int i = f.indexOf("SWITCH Gas#1 -> Gas#2");
    QVERIFY(i > 0);
    QVERIFY(f.console.lines[i].startsWith("  1:02  15.0m SWITCH"));
    QCOMPARE(countLines(f, "SWITCH Gas#"), 1);
    QCOMPARE(f.s.in_current_gas, uint8_t(2));
}

void TestReplay::changeToGasInUseIsSilent()
{
    RunFixture f;
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(0, 15);
    f.profile->addPoint(10, 15);
    f.profile->setGas(0, 1);
    f.profile->setGas(4, 1);
    Simulation(f.environment()).runSimulation(-1, f.profile.get());
    QCOMPARE(countLines(f, "SWITCH"), 0);
}

void TestReplay::switchesOffThenBreakOnBetterGas()
{
    RunFixture f;
    f.setGas(2, 50, 0, 21);
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(0, 30);
    f.profile->addPoint(10, 30);
    f.profile->addPoint(13, 0);
    f.profile->setGas(0, 1);
    f.profile->setGas(11, 2);
    auto env = f.environment();
    env.flags.gasSwitch = false;
    env.flags.breakOnStop = false;
    Simulation(env).runSimulation(-1, f.profile.get());
    QCOMPARE(countLines(f, "SWITCH Gas#"), 0);
    QCOMPARE(f.s.in_current_gas, uint8_t(1)); // the first gas throughout

    RunFixture g;
    g.setGas(2, 50, 0, 21);
    g.profile = std::make_unique<DiveProfile>();
    g.profile->assign(*f.profile);
    auto env2 = g.environment();
    env2.flags.gasSwitch = false;
    env2.flags.breakOnStop = false;
    env2.flags.breakOnSwitch = true;
    Simulation(env2).runSimulation(-1, g.profile.get());
    const int i = g.indexOf("BREAK ON BETTER Gas#2");
    QVERIFY(i > 0);
    // Gas 2 becomes available once the profile is no deeper than 21.1 m.
    const float depth = g.console.lines[i].mid(7, 6).trimmed().chopped(1).toFloat();
    QVERIFY(depth <= 21.1f);
    QVERIFY(depth > 20.0f);
}

void TestReplay::setpointOptionsIgnoredInOpenCircuit()
{
    RunFixture f;
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(0, 20);
    f.profile->addPoint(10, 20);
    f.profile->setGas(0, 1);
    f.profile->setSetpoint(5, 1.3f);
    auto env = f.environment();
    env.flags.breakOnSetpoint = true;
    Simulation(env).runSimulation(-1, f.profile.get());
    QCOMPARE(countLines(f, "Setpoint"), 0);
    QCOMPARE(countLines(f, "BREAK"), 0);
    QCOMPARE(f.s.in_setpoint_cbar, uint8_t(0));
}

void TestReplay::closedCircuitSetpointChange()
{
    RunFixture f;
    f.image.setByte(ConfigImage::deco_type, 5);
    f.image.setSetpoint(1, 70);
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(0, 20);
    f.profile->addPoint(10, 20);
    f.profile->setSetpoint(0, 0.7f);
    f.profile->setSetpoint(2, 1.3f);
    Simulation(f.environment()).runSimulation(-1, f.profile.get());
    const int i = f.indexOf("SWITCH Setpoint 0.7 -> 1.3");
    QVERIFY(i > 0);
    QVERIFY(f.console.lines[i].startsWith("  2:00  20.0m"));
    QCOMPARE(f.s.in_setpoint_cbar, uint8_t(130)); // 1.3 bar is 130, never 129

    RunFixture g;
    g.image.setByte(ConfigImage::deco_type, 5);
    g.image.setSetpoint(1, 70);
    g.profile = std::make_unique<DiveProfile>();
    g.profile->assign(*f.profile);
    auto env = g.environment();
    env.flags.breakOnSetpoint = true;
    Simulation(env).runSimulation(-1, g.profile.get());
    // The profile's own first setpoint is the one in use: the break comes at the change.
    const int b = g.indexOf("BREAK ON SETPOINT");
    QVERIFY(b > g.indexOf("SWITCH Setpoint 0.7 -> 1.3"));
    QVERIFY(g.console.lines[b].startsWith("  2:00  20.0m"));
}

void TestReplay::plannedSetpointIsNoChange_data()
{
    QTest::addColumn<int>("cbar");
    for (int cbar = 40; cbar <= 160; ++cbar)
        QTest::newRow(qPrintable(QStringLiteral("%1 cbar").arg(cbar))) << cbar;
}

void TestReplay::plannedSetpointIsNoChange()
{
    QFETCH(int, cbar);
    RunFixture f;
    f.image.setByte(ConfigImage::deco_type, 5);
    f.image.setSetpoint(1, static_cast<quint8>(cbar));
    auto env = f.environment();
    env.flags.breakOnSetpoint = true;
    Simulation::appendPlannedSegment(f.profile, false, -1, 10, 3, f.image);
    Simulation(env).runSimulation(-1, f.profile.get());
    QCOMPARE(countLines(f, "SWITCH Setpoint"), 0);
    QCOMPARE(countLines(f, "BREAK"), 0);
    QVERIFY(planner::runState().runTime >= 3 * 60);
    QCOMPARE(int(f.s.in_setpoint_cbar), cbar);
}

void TestReplay::onePointProfileCompletesThePlan()
{
    RunFixture f;
    f.s.in_ambient_pressure_mbar = 1013;
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->setGas(0, 1);
    Simulation(f.environment()).runSimulation(-1, f.profile.get());
    // The reset of the plan outputs still runs: one cycle, which ends the computation.
    QCOMPARE(f.trace, QStringList{"replay,0"});
    QCOMPARE(f.s.io_deco_status, uint8_t(0));
    QCOMPARE(planner::runState().runTime, 2);
}

void TestReplay::breakOnStopOnlyAboveTheStop_data()
{
    QTest::addColumn<double>("endDepth");
    QTest::addColumn<bool>("breaks");
    QTest::newRow("ascends above the stop") << 1.0 << true;
    QTest::newRow("stays below the stop") << 30.0 << false;
}

void TestReplay::breakOnStopOnlyAboveTheStop()
{
    QFETCH(double, endDepth);
    QFETCH(bool, breaks);
    RunFixture f;
    f.profile = std::make_unique<DiveProfile>();
    f.profile->addPoint(0, 0);
    f.profile->addPoint(2, 40);
    f.profile->addPoint(30, 40);
    f.profile->addPoint(33, endDepth);
    f.profile->addPoint(40, endDepth);
    f.profile->setGas(0, 1);
    Simulation(f.environment()).runSimulation(-1, f.profile.get());
    QCOMPARE(f.indexOf("BREAK ON STOP @") > 0, breaks);
    if (breaks)
        QVERIFY(planner::runState().runTime < 40 * 60);
    else
        QVERIFY(planner::runState().runTime >= 40 * 60);
}

QTEST_MAIN(TestReplay)
#include "test_replay.moc"
