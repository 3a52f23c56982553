// The plot windows fed by real simulation runs: the seven slots are set up, filled and
// retired by each run, the tissue plot follows the compartments, successive runs keep
// their curves, and a computed plan is drawn with the plan's own figures.
#include "../planner/run_fixture.h"

#include "planner/decoplan.h"
#include "plot/plot_interface.h"

#include <QStandardPaths>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_marker.h>

namespace {

ProfileImpl* impl(Profile* p) { return static_cast<ProfileImpl*>(p); }

struct PlottedRun : RunFixture {
    PlotInterface dive;
    PlotInterface tissues;

    PlottedRun()
    {
        setGas(1, 21, 0, 0);
        setGas(2, 50, 0, 21);
        dive.setSources(&image, &s);
        tissues.setSources(&image, &s);
        dive.setup(true, 40);
        for (RunPlot::Slot slot : {RunPlot::Depth, RunPlot::Ceiling, RunPlot::Gf, RunPlot::NdlStop})
            dive.setCurveEnabled(slot, true);
        tissues.setup(false, 40);
    }
    void simulate(int interval, float depth, float minutes)
    {
        planner::Simulation::appendPlannedSegment(profile, false, interval, depth, minutes, image);
        planner::RunEnvironment env = environment();
        env.divePlot = &dive;
        env.tissuePlot = &tissues;
        planner::Simulation sim(env);
        sim.runSimulation(interval, profile.get());
    }
};

QString curveTitle(Profile* p) { return impl(p)->plotCurve().title().text(); }

} // namespace

class TestPlotRuns : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void runFillsAndRetiresCurves();
    void successiveRunsOverlay();
    void tissuePlotFollowsCompartments();
    void planDrawnWithItsFigures();
};

void TestPlotRuns::runFillsAndRetiresCurves()
{
    PlottedRun f;
    f.simulate(-1, 30.0f, 20.0f);

    // Depth and ceiling of the run, in the colour sequence; GF and NDL on the right axis.
    const QList<Profile*>& curves = f.dive.curveList();
    QCOMPARE(curves.size(), 2);
    QCOMPARE(curveTitle(curves[0]), QString("depth"));
    QCOMPARE(curveTitle(curves[1]), QString("ceiling"));
    QCOMPARE(impl(curves[0])->plotCurve().pen().color(), QColor(Qt::red));
    QCOMPARE(impl(curves[1])->plotCurve().pen().color(), QColor(Qt::magenta));
    QCOMPARE(f.dive.itemList().size(), 2);

    // Every curve was retired: its drawing stays, its slot holds a fresh, enabled curve.
    ProfileImpl* depth = impl(curves[0]);
    QVERIFY(depth->isRetired());
    QVERIFY(f.dive.profile(RunPlot::Depth) != depth);
    QVERIFY(f.dive.curveEnabled(RunPlot::Depth));
    QVERIFY(!f.dive.curveEnabled(RunPlot::PpO2));

    // One point per 2-second cycle over at least the 20 minutes, all at 30 m after the start.
    const size_t n = depth->plotCurve().dataSize();
    QVERIFY(n >= 20 * 30);
    QCOMPARE(depth->plotCurve().sample(n - 1).y(), 30.0);
    QVERIFY(depth->plotCurve().sample(n - 1).x() >= 20.0);
    // The first gas is labelled at the start.
    QVERIFY(!depth->labelMarkers().isEmpty());
    QVERIFY(depth->labelMarkers().first()->title().text().contains("Air"));
}

void TestPlotRuns::successiveRunsOverlay()
{
    PlottedRun f;
    f.simulate(-1, 30.0f, 10.0f);
    f.simulate(0, 20.0f, 10.0f);
    f.simulate(0, 10.0f, 10.0f);
    const QList<Profile*>& curves = f.dive.curveList();
    QCOMPARE(curves.size(), 6);
    QCOMPARE(impl(curves.first())->plotCurve().pen().color(), QColor(Qt::red));
    QCOMPARE(impl(curves.last())->plotCurve().pen().color(), QColor(Qt::magenta));
    // The later runs continue the dive clock: each depth curve starts where the previous ended.
    const QwtPlotCurve& first = impl(curves[0])->plotCurve();
    const QwtPlotCurve& second = impl(curves[2])->plotCurve();
    QVERIFY(second.sample(0).x() >= first.sample(first.dataSize() - 1).x() - 1e-9);
}

void TestPlotRuns::tissuePlotFollowsCompartments()
{
    PlottedRun f;
    f.simulate(-1, 30.0f, 20.0f);
    const QList<ProfileImpl*>& t = f.tissues.tissueCurveList();
    QCOMPARE(t.size(), 16);
    for (int i = 0; i < 16; ++i) {
        const QwtPlotCurve& c = t[i]->plotCurve();
        // One point per cycle of the 20 minutes at 30 m, at that ambient pressure.
        QVERIFY(c.dataSize() >= 20 * 30);
        const QPointF last = c.sample(c.dataSize() - 1);
        QVERIFY(qAbs(last.x() - (1.013 + 30 / 10.015)) < 0.01);
        // Every compartment took up nitrogen above its surface saturation.
        QVERIFY(last.y() > c.sample(0).y());
    }
    // Fast compartments load more than slow ones during 20 minutes at 30 m.
    const QwtPlotCurve& fast = t.first()->plotCurve();
    const QwtPlotCurve& slow = t.last()->plotCurve();
    QVERIFY(fast.sample(fast.dataSize() - 1).y() > slow.sample(slow.dataSize() - 1).y());
    // The first gas is marked at the surface.
    QVERIFY(!t.first()->labelMarkers().isEmpty());
    QCOMPARE(t.first()->labelMarkers().first()->value().y(), 0.25);
}

void TestPlotRuns::planDrawnWithItsFigures()
{
    PlottedRun f;
    f.simulate(-1, 40.0f, 25.0f);
    Decoplan plan(f.s, f.image, f.profile.get());
    plan.create(false);
    QVERIFY(plan.stops() > 2);
    QVERIFY(plan.tts() > 0);
    f.dive.addRuntime(plan);

    ProfileImpl* r = impl(f.dive.curveList().last());
    QCOMPARE(r->plotCurve().title().text(),
             plan.model() + QString(", %1 ' @ %2 m").arg(plan.diveTime()).arg(plan.diveDepth())
                 + QString("\n\tTTS  = %1\n\tTotal= %2").arg(plan.tts()).arg(plan.runtime(-1)));
    QCOMPARE(r->plotCurve().pen().color(), QColor(Qt::magenta));
    // The curve ends at the surface at the plan's total runtime.
    const QPointF end = r->plotCurve().sample(r->plotCurve().dataSize() - 1);
    QCOMPARE(float(end.x()), plan.runtime(-1));
    QCOMPARE(end.y(), 0.0);
    // Time never runs backwards along the plan (the plan's runtimes are floats).
    for (size_t i = 1; i < r->plotCurve().dataSize(); ++i)
        QVERIFY(r->plotCurve().sample(i).x() >= r->plotCurve().sample(i - 1).x() - 1e-4);
    // One stop label per level record.
    int levels = 0;
    for (const DecoplanStop& rec : plan.records())
        levels += rec.kind == 0;
    int stopLabels = 0;
    for (const QwtPlotMarker* m : r->labelMarkers())
        stopLabels += m->title().text().endsWith(" '");
    QCOMPARE(stopLabels, levels);
}

QTEST_MAIN(TestPlotRuns)
#include "test_plot_runs.moc"
