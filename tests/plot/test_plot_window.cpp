// The dive and tissue plot windows: curve switches, the colour sequence of the runs,
// labels, the tissue plot's reference lines, the cross-hair texts and runtime curves.
#include "device/config_image.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "plot/plot_interface.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_div.h>
#include <qwt_scale_engine.h>
#include <qwt_symbol.h>

namespace {

ProfileImpl* impl(Profile* p) { return static_cast<ProfileImpl*>(p); }

// A dive plot reading its own image and engine, with the given curves switched on.
struct DivePlot {
    ConfigImage image = ConfigImage::defaultImage(QDate(2024, 1, 1));
    engine::engine_state engine;
    PlotInterface window;

    DivePlot()
    {
        engine.in_surface_pressure_mbar = 1000;
        window.setSources(&image, &engine);
        window.setup(true, 40);
    }
    void enable(std::initializer_list<RunPlot::Slot> on)
    {
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.setCurveEnabled(RunPlot::Slot(s), false);
        for (RunPlot::Slot s : on)
            window.setCurveEnabled(s, true);
    }
    // One run: every slot set up, fed for `minutes`, then retired.
    void run(double minutes, double depth)
    {
        const char* titles[] = {"depth", "ceiling", "C3", "GF", "ppO2", "CNS", "NDL/Stop"};
        const double scales[] = {depth, 0, depth / 10, 100, depth / 10, 100, 0};
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.profile(RunPlot::Slot(s))->setup(titles[s], scales[s]);
        for (double t = 0; t <= minutes + 1e-9; t += 1.0 / 30)
            for (int s = 0; s < RunPlot::SlotCount; ++s)
                window.profile(RunPlot::Slot(s))->addPoint(t, depth / 2);
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.profile(RunPlot::Slot(s))->retire();
        window.replot();
    }
};

QList<QwtPlotCurve*> attachedCurves(QwtPlot* plot)
{
    QList<QwtPlotCurve*> out;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotCurve))
        out.append(static_cast<QwtPlotCurve*>(item));
    return out;
}

DecoplanStop record(int kind, float runtime, float depth, float duration, int gas, float setpoint = 0)
{
    DecoplanStop r;
    r.kind = kind;
    r.runtime = runtime;
    r.depth = depth;
    r.duration = duration;
    r.gas = gas;
    r.setpoint = setpoint;
    return r;
}

QStringList labelTexts(const ProfileImpl* p)
{
    QStringList out;
    for (const QwtPlotMarker* m : p->labelMarkers())
        out.append(m->title().text());
    return out;
}

} // namespace

class TestPlotWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void formHasItsWidgets();
    void disabledCurveIgnoresEverything();
    void enablingBeforeNextRunShowsThatRunOnly();
    void curvesRedrawAtWholeMinutes();
    void runsAreRecolouredOldestRedNewestMagenta();
    void retiredCurveStaysDrawn();
    void rightAxisFollowsLastSetup();
    void gfCurveMarksConfiguredFactors();
    void leadingTissueTakesCompartmentColour();
    void labelSymbol_data();
    void labelSymbol();
    void gasLabelText_data();
    void gasLabelText();
    void closedCircuitGasLabelShowsSetpoint();
    void labelsShareLegendEntries();
    void clearCurvesRemovesEverything();
    void tissuePlotReferenceLines();
    void tissueFeed();
    void setupTwiceKeepsOneSetOfReferenceItems();
    void crossHairText_data();
    void crossHairText();
    void runtimeCurve();
    void runtimeAfterSurfaceInterval();
    void runtimeBailout_data();
    void runtimeBailout();
};

void TestPlotWindow::formHasItsWidgets()
{
    PlotInterface w;
    QVERIFY(w.findChild<QwtPlot*>("qwtPlot"));
    QVERIFY(w.findChild<QPushButton*>("saveImage"));
    QCOMPARE(w.findChild<QPushButton*>("saveImage")->text(), QString("Save image..."));
    auto* box = w.findChild<QDialogButtonBox*>("buttonBox");
    QVERIFY(box && box->button(QDialogButtonBox::Close));
    QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(!w.parent());

    // Close only hides the window.
    w.show();
    box->button(QDialogButtonBox::Close)->click();
    QVERIFY(!w.isVisible());
}

void TestPlotWindow::disabledCurveIgnoresEverything()
{
    DivePlot d;
    d.enable({});
    Profile* depth = d.window.profile(RunPlot::Depth);
    depth->setup("depth", 40);
    depth->addPoint(1, 10);
    depth->addLabel(1, 10, "SP1.30", Qt::black, false);
    depth->addGas(1, 10, 1);
    depth->flush();
    ProfileImpl* p = impl(depth);
    QVERIFY(!p->plotCurve().plot());
    QVERIFY(p->xValues().isEmpty());
    QVERIFY(p->labelMarkers().isEmpty());
    QVERIFY(d.window.curveList().isEmpty());
    QVERIFY(d.window.itemList().isEmpty());
    QVERIFY(attachedCurves(d.window.plot()).isEmpty());
}

void TestPlotWindow::enablingBeforeNextRunShowsThatRunOnly()
{
    DivePlot d;
    d.enable({RunPlot::Ceiling});
    d.run(3, 20);
    QCOMPARE(d.window.curveList().size(), 1); // the ceiling

    d.window.setup(true, 20);
    d.window.setCurveEnabled(RunPlot::Depth, true);
    d.run(3, 20);
    // Run 1 ceiling, run 2 depth and ceiling: the depth of run 1 was never drawn.
    QCOMPARE(d.window.curveList().size(), 3);
    QStringList titles;
    for (Profile* c : d.window.curveList())
        titles << impl(c)->plotCurve().title().text();
    QCOMPARE(titles, QStringList({"ceiling", "depth", "ceiling"}));
}

void TestPlotWindow::curvesRedrawAtWholeMinutes()
{
    DivePlot d;
    d.enable({RunPlot::Depth});
    Profile* depth = d.window.profile(RunPlot::Depth);
    depth->setup("depth", 30);
    depth->addPoint(0.5, 10); // 30 s
    QCOMPARE(int(impl(depth)->plotCurve().dataSize()), 0);
    depth->addPoint(59.0 / 60, 10);
    QCOMPARE(int(impl(depth)->plotCurve().dataSize()), 0);
    depth->addPoint(1.0, 12); // a whole minute hands all points over
    QCOMPARE(int(impl(depth)->plotCurve().dataSize()), 3);
    depth->addPoint(1.0 + 2.0 / 60, 12);
    QCOMPARE(int(impl(depth)->plotCurve().dataSize()), 3);
    depth->flush();
    QCOMPARE(int(impl(depth)->plotCurve().dataSize()), 4);
    QCOMPARE(impl(depth)->plotCurve().sample(2), QPointF(1.0, 12));
}

void TestPlotWindow::runsAreRecolouredOldestRedNewestMagenta()
{
    DivePlot d;
    d.enable({RunPlot::Depth, RunPlot::Ceiling});
    for (int i = 0; i < 3; ++i) {
        d.window.setup(true, 30);
        d.run(2, 30);
    }
    const QList<Profile*>& curves = d.window.curveList();
    QCOMPARE(curves.size(), 6);
    QCOMPARE(impl(curves.first())->plotCurve().pen().color(), QColor(Qt::red));
    QCOMPARE(impl(curves.last())->plotCurve().pen().color(), QColor(Qt::magenta));
    // In between: evenly along the map, in creation order, all different, width 1.
    QSet<QRgb> seen;
    for (int i = 0; i < curves.size(); ++i) {
        const QPen pen = impl(curves[i])->plotCurve().pen();
        QCOMPARE(pen.widthF(), 1.0);
        QCOMPARE(pen.color(), d.window.colours().color(QwtInterval(0, 1), i / 5.0));
        seen.insert(pen.color().rgb());
    }
    QCOMPARE(seen.size(), 6);
    // The middle of the sequence passes the green stop.
    QCOMPARE(d.window.colours().color(QwtInterval(0, 1), 0.5), QColor(Qt::green));
}

void TestPlotWindow::retiredCurveStaysDrawn()
{
    DivePlot d;
    d.enable({RunPlot::Depth});
    ProfileImpl* first = impl(d.window.profile(RunPlot::Depth));
    d.run(2, 30);
    QVERIFY(d.window.profile(RunPlot::Depth) != first);
    QVERIFY(d.window.curveEnabled(RunPlot::Depth));
    QVERIFY(first->isRetired());
    QCOMPARE(first->plotCurve().plot(), d.window.plot());
    QCOMPARE(int(first->plotCurve().dataSize()), 61);
    QVERIFY(first->xValues().isEmpty());
    // Feeding a retired curve no longer changes its drawing.
    first->flush();
    first->addPoint(5, 5);
    QCOMPARE(int(first->plotCurve().dataSize()), 61);
}

void TestPlotWindow::rightAxisFollowsLastSetup()
{
    DivePlot d;
    d.enable({RunPlot::PpO2, RunPlot::NdlStop, RunPlot::Cns});
    QVERIFY(!d.window.plot()->axisEnabled(QwtPlot::yRight));
    d.window.profile(RunPlot::PpO2)->setup("ppO2", 4);
    d.window.plot()->updateAxes();
    QVERIFY(d.window.plot()->axisEnabled(QwtPlot::yRight));
    QCOMPARE(d.window.plot()->axisScaleDiv(QwtPlot::yRight).upperBound(), 4.0);
    QCOMPARE(d.window.plot()->axisTitle(QwtPlot::yRight).text(), QString("[Bar]"));
    QCOMPARE(impl(d.window.profile(RunPlot::PpO2))->plotCurve().pen().color(), QColor(Qt::blue));
    QCOMPARE(impl(d.window.profile(RunPlot::PpO2))->plotCurve().yAxis(), int(QwtPlot::yRight));

    d.window.profile(RunPlot::NdlStop)->setup("NDL/Stop", 0);
    QVERIFY(d.window.plot()->axisAutoScale(QwtPlot::yRight));
    QCOMPARE(d.window.plot()->axisTitle(QwtPlot::yRight).text(), QString("[min]"));
    QCOMPARE(impl(d.window.profile(RunPlot::NdlStop))->plotCurve().pen().color(), QColor(Qt::darkRed));

    d.window.profile(RunPlot::Cns)->setup("CNS", 100);
    d.window.plot()->updateAxes();
    QVERIFY(!d.window.plot()->axisAutoScale(QwtPlot::yRight));
    QCOMPARE(d.window.plot()->axisScaleDiv(QwtPlot::yRight).upperBound(), 100.0);
    QCOMPARE(d.window.plot()->axisTitle(QwtPlot::yRight).text(), QString("[%]"));
    QCOMPARE(d.window.itemList().size(), 3);
    QVERIFY(d.window.curveList().isEmpty());
}

void TestPlotWindow::gfCurveMarksConfiguredFactors()
{
    DivePlot d;
    d.image.setCf(32, 35);
    d.image.setCf(33, 80);
    d.enable({RunPlot::Gf});
    Profile* gf = d.window.profile(RunPlot::Gf);
    gf->setup("GF", 100);
    const QList<QwtPlotMarker*>& marks = impl(gf)->labelMarkers();
    QCOMPARE(marks.size(), 2);
    QCOMPARE(marks[0]->yValue(), 35.0);
    QCOMPARE(marks[0]->label().text(), QString("GF_low"));
    QCOMPARE(marks[1]->yValue(), 80.0);
    QCOMPARE(marks[1]->label().text(), QString("GF_high"));
    for (QwtPlotMarker* m : marks) {
        QCOMPARE(m->lineStyle(), QwtPlotMarker::HLine);
        QCOMPARE(m->linePen().style(), Qt::DotLine);
        QCOMPARE(m->yAxis(), int(QwtPlot::yRight));
        QCOMPARE(m->labelAlignment(), Qt::AlignRight | Qt::AlignTop);
    }
    QCOMPARE(impl(gf)->plotCurve().pen().color(), QColor(Qt::black));
}

void TestPlotWindow::leadingTissueTakesCompartmentColour()
{
    DivePlot d;
    d.enable({RunPlot::LeadingTissue});
    d.window.profile(RunPlot::LeadingTissue)->setup("C5", 4);
    QCOMPARE(impl(d.window.profile(RunPlot::LeadingTissue))->plotCurve().pen().color(),
             d.window.colours().color(QwtInterval(1, 16), 5));
    QCOMPARE(impl(d.window.profile(RunPlot::LeadingTissue))->plotCurve().title().text(), QString("C5"));
    d.window.newProfile(RunPlot::LeadingTissue);
    d.window.profile(RunPlot::LeadingTissue)->setup("C16", 4);
    QCOMPARE(impl(d.window.profile(RunPlot::LeadingTissue))->plotCurve().pen().color(), QColor(Qt::magenta));
    QCOMPARE(d.window.plot()->axisTitle(QwtPlot::yRight).text(), QString("[Bar]"));
}

void TestPlotWindow::labelSymbol_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rightAxis");
    QTest::addColumn<int>("style");
    QTest::newRow("replay setpoint") << "SP1.30" << false << int(QwtSymbol::Diamond);
    QTest::newRow("runtime setpoint") << "SP:1.20" << true << int(QwtSymbol::Diamond);
    QTest::newRow("lower case is no setpoint") << "sp1.30" << false << int(QwtSymbol::DTriangle);
    QTest::newRow("gas") << "\tGas2:Nx50" << false << int(QwtSymbol::DTriangle);
    QTest::newRow("stop") << "3 '" << true << int(QwtSymbol::DTriangle);
}

void TestPlotWindow::labelSymbol()
{
    QFETCH(QString, text);
    QFETCH(bool, rightAxis);
    QFETCH(int, style);
    DivePlot d;
    d.enable({RunPlot::Depth});
    Profile* depth = d.window.profile(RunPlot::Depth);
    depth->addLabel(2.5, 12, text, Qt::green, rightAxis);
    QCOMPARE(impl(depth)->labelMarkers().size(), 1);
    const QwtPlotMarker* m = impl(depth)->labelMarkers().first();
    QCOMPARE(int(m->symbol()->style()), style);
    QCOMPARE(m->symbol()->size(), QSize(10, 10));
    QCOMPARE(m->symbol()->brush().color(), QColor(Qt::black));
    QCOMPARE(m->symbol()->brush().style(), Qt::SolidPattern);
    QCOMPARE(m->symbol()->pen().color(), QColor(Qt::green));
    QCOMPARE(m->title().text(), text);
    QVERIFY(m->testItemAttribute(QwtPlotItem::Legend));
    QCOMPARE(m->plot(), d.window.plot());
    QCOMPARE(m->value(), QPointF(2.5, 12));
    QCOMPARE(m->yAxis(), int(rightAxis ? QwtPlot::yRight : QwtPlot::yLeft));
}

void TestPlotWindow::gasLabelText_data()
{
    QTest::addColumn<int>("gas");
    QTest::addColumn<int>("o2");
    QTest::addColumn<int>("he");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("air") << 1 << 21 << 0 << "\tGas1:Air" << QColor(Qt::white);
    QTest::newRow("nitrox") << 2 << 50 << 0 << "\tGas2:Nx50" << QColor(Qt::green);
    QTest::newRow("trimix") << 3 << 21 << 35 << "\tGas3:Tx21/35" << QColor(Qt::red);
    QTest::newRow("heliox") << 4 << 10 << 90 << "\tGas4:Hx10/90" << QColor(Qt::yellow);
    QTest::newRow("oxygen") << 5 << 100 << 0 << "\tGas5:Nx100" << QColor(Qt::magenta);
    QTest::newRow("hypoxic without helium") << 2 << 18 << 0 << "\tGas2:Nx18" << QColor(Qt::green);
}

void TestPlotWindow::gasLabelText()
{
    QFETCH(int, gas);
    QFETCH(int, o2);
    QFETCH(int, he);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    DivePlot d;
    d.image.setByte(ConfigImage::deco_type, 4);
    d.image.setGasO2(gas, o2);
    d.image.setGasHe(gas, he);
    d.enable({RunPlot::Depth});
    d.window.profile(RunPlot::Depth)->addGas(3, 20, gas);
    const QwtPlotMarker* m = impl(d.window.profile(RunPlot::Depth))->labelMarkers().value(0);
    QVERIFY(m);
    QCOMPARE(m->title().text(), text);
    QCOMPARE(m->symbol()->pen().color(), colour);
    QCOMPARE(int(m->symbol()->style()), int(QwtSymbol::DTriangle));
    QCOMPARE(m->yAxis(), int(QwtPlot::yLeft));
}

void TestPlotWindow::closedCircuitGasLabelShowsSetpoint()
{
    DivePlot d;
    d.image.setByte(ConfigImage::deco_type, 5);
    d.engine.in_setpoint_cbar = 130;
    d.enable({RunPlot::Depth});
    d.window.profile(RunPlot::Depth)->addGas(3, 20, 2);
    QCOMPARE(labelTexts(impl(d.window.profile(RunPlot::Depth))), QStringList{"\tSetpoint:1.30"});
}

void TestPlotWindow::labelsShareLegendEntries()
{
    DivePlot d;
    d.enable({RunPlot::Depth});
    Profile* depth = d.window.profile(RunPlot::Depth);
    for (int i = 0; i < 200; ++i)
        depth->addLabel(i, 20, i % 2 ? "SP1.30" : "\tGas1:Air", Qt::black, false);
    // Every marker on the plot with its title, one legend entry per text.
    QStringList inLegend;
    for (const QwtPlotMarker* m : impl(depth)->labelMarkers())
        if (m->plot() == d.window.plot() && m->testItemAttribute(QwtPlotItem::Legend))
            inLegend << m->title().text();
    QCOMPARE(inLegend, (QStringList{"\tGas1:Air", "SP1.30"}));
    QCOMPARE(labelTexts(impl(depth)).size(), 200);
}

void TestPlotWindow::clearCurvesRemovesEverything()
{
    DivePlot d;
    d.enable({RunPlot::Depth, RunPlot::Ceiling, RunPlot::Gf, RunPlot::Cns});
    d.run(2, 30);
    d.window.setup(true, 30);
    d.run(2, 30);
    QVERIFY(!d.window.curveList().isEmpty());
    QVERIFY(d.window.plot()->axisEnabled(QwtPlot::yRight));
    d.window.clearCurves();
    QVERIFY(d.window.curveList().isEmpty());
    QVERIFY(d.window.itemList().isEmpty());
    QVERIFY(attachedCurves(d.window.plot()).isEmpty());
    QVERIFY(d.window.plot()->itemList(QwtPlotItem::Rtti_PlotMarker).size() == 1); // the surface line
    QVERIFY(!d.window.plot()->axisEnabled(QwtPlot::yRight));
    // The switches survive; the next run draws again.
    QVERIFY(d.window.curveEnabled(RunPlot::Depth));
    QVERIFY(!d.window.curveEnabled(RunPlot::PpO2));
    d.run(1, 10);
    QCOMPARE(d.window.curveList().size(), 2);
}

void TestPlotWindow::tissuePlotReferenceLines()
{
    ConfigImage image = ConfigImage::defaultImage(QDate(2024, 1, 1));
    engine::engine_state engine;
    engine.in_surface_pressure_mbar = 950;
    PlotInterface w;
    w.setSources(&image, &engine);
    w.setup(false, 40);
    const double s = 0.95, e = 4.95;

    QVERIFY(w.plot()->title().text().contains("Tissues plot"));
    QCOMPARE(w.plot()->axisTitle(QwtPlot::xBottom).text(), QString("P. ambient [absolute, bar]"));
    QCOMPARE(w.plot()->axisTitle(QwtPlot::yLeft).text(), QString("P. tissue [N2+He, bar]"));
    QCOMPARE(w.plot()->axisScaleDiv(QwtPlot::xBottom).lowerBound(), 0.7);
    QCOMPARE(w.plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), e);
    QCOMPARE(w.plot()->axisScaleDiv(QwtPlot::yLeft).lowerBound(), 0.0);
    QCOMPARE(w.plot()->axisScaleDiv(QwtPlot::yLeft).upperBound(), e);

    const QList<ProfileImpl*>& tissues = w.tissueCurveList();
    QCOMPARE(tissues.size(), 16);
    QCOMPARE(tissues.first()->plotCurve().title().text(), QString("C1+C17"));
    QCOMPARE(tissues.last()->plotCurve().title().text(), QString("C16+C32"));
    QCOMPARE(tissues.first()->plotCurve().pen().color(), QColor(Qt::red));
    QCOMPARE(tissues.last()->plotCurve().pen().color(), QColor(Qt::magenta));
    QCOMPARE(tissues.first()->plotCurve().pen().widthF(), 1.1);

    QwtPlotCurve* gf0 = nullptr;
    QList<QwtPlotCurve*> mLines;
    for (QwtPlotCurve* c : attachedCurves(w.plot())) {
        if (c->title().text() == "GF = 0")
            gf0 = c;
        else if (!c->testItemAttribute(QwtPlotItem::Legend))
            mLines.append(c);
    }
    QVERIFY(gf0);
    QCOMPARE(int(gf0->dataSize()), 2);
    QCOMPARE(gf0->sample(0), QPointF(s, s));
    QCOMPARE(gf0->sample(1), QPointF(e, e));
    QCOMPARE(gf0->pen().style(), Qt::DashDotLine);
    QCOMPARE(gf0->pen().color(), QColor(Qt::black));

    // M-value lines: y = a + x / b from the surface to the planned depth, above GF = 0.
    QCOMPARE(mLines.size(), 16);
    for (QwtPlotCurve* m : mLines) {
        QCOMPARE(int(m->dataSize()), 2);
        QCOMPARE(m->sample(0).x(), s);
        QCOMPARE(m->sample(1).x(), e);
        QVERIFY(m->sample(0).y() > s);
        QVERIFY(m->sample(1).y() > m->sample(0).y());
        QCOMPARE(m->pen().style(), Qt::DashDotLine);
    }
    const auto& c1 = engine::zhl16c[0];
    QCOMPARE(mLines.first()->sample(1).y(), c1.n2_a + e / c1.n2_b);
    // Fast compartments tolerate more: compartment 1's line lies above compartment 16's.
    QVERIFY(mLines.first()->sample(0).y() > mLines.last()->sample(0).y());

    const QwtPlotItemList markers = w.plot()->itemList(QwtPlotItem::Rtti_PlotMarker);
    QCOMPARE(markers.size(), 1);
    auto* surface = static_cast<QwtPlotMarker*>(markers.first());
    QCOMPARE(surface->lineStyle(), QwtPlotMarker::VLine);
    QCOMPARE(surface->xValue(), s);
    QCOMPARE(surface->label().text(), QString("Surface"));
    QCOMPARE(surface->labelOrientation(), Qt::Vertical);
}

void TestPlotWindow::tissueFeed()
{
    ConfigImage image = ConfigImage::defaultImage(QDate(2024, 1, 1));
    image.setGasO2(1, 21);
    image.setGasHe(1, 0);
    image.setGasO2(2, 50);
    image.setGasHe(2, 0);
    engine::engine_state engine;
    engine.in_surface_pressure_mbar = 1000;
    PlotInterface w;
    w.setSources(&image, &engine);
    w.setup(false, 30);

    w.clearTissues();
    w.addTissueGasLabel(1.0, 0.25, 1);
    for (int i = 0; i < 16; ++i)
        w.addTissuePoint(i, 1.0, 0.79);
    w.addTissuePoint(3, 4.0, 1.2);
    w.addTissuePoint(16, 4.0, 1.2); // no such compartment: ignored
    QCOMPARE(int(w.tissueCurveList()[3]->plotCurve().dataSize()), 0);
    w.replot();
    QCOMPARE(int(w.tissueCurveList()[3]->plotCurve().dataSize()), 2);
    w.addTissuePoint(3, 3.0, 1.3);
    w.addTissueGasLabel(3.0, 0.5, 2);
    w.flushTissues();
    QCOMPARE(int(w.tissueCurveList()[3]->plotCurve().dataSize()), 3);
    QCOMPARE(w.tissueCurveList()[3]->plotCurve().sample(2), QPointF(3.0, 1.3));
    QCOMPARE(w.tissueCurveList()[0]->plotCurve().sample(0), QPointF(1.0, 0.79));
    QCOMPARE(labelTexts(w.tissueCurveList().first()), QStringList({"\tGas1:Air", "\tGas2:Nx50"}));

    // The next run starts empty, its labels too.
    w.clearTissues();
    QCOMPARE(int(w.tissueCurveList()[3]->plotCurve().dataSize()), 0);
    QVERIFY(w.tissueCurveList().first()->labelMarkers().isEmpty());
}

void TestPlotWindow::setupTwiceKeepsOneSetOfReferenceItems()
{
    PlotInterface w;
    w.setup(false, 30);
    const int items = w.itemList().size();
    const int plotItems = w.plot()->itemList().size();
    QCOMPARE(items, 16 + 1 + 16);
    w.setup(false, 50);
    QCOMPARE(w.itemList().size(), items);
    QCOMPARE(w.plot()->itemList().size(), plotItems);
    QCOMPARE(w.tissueCurveList().size(), 16);

    PlotInterface dive;
    dive.setup(true, 30);
    dive.setup(true, 30);
    QCOMPARE(dive.plot()->itemList(QwtPlotItem::Rtti_PlotMarker).size(), 1);
    QVERIFY(dive.plot()->title().text().contains("Dive traces"));
    QVERIFY(dive.plot()->title().text().contains("ZH-L16C 2002"));
    QCOMPARE(dive.plot()->axisTitle(QwtPlot::yLeft).text(), QString("Depth [m]"));
    QCOMPARE(dive.plot()->axisTitle(QwtPlot::xBottom).text(), QString("time [min]"));
    QVERIFY(dive.plot()->axisScaleEngine(QwtPlot::yLeft)->testAttribute(QwtScaleEngine::Inverted));
}

void TestPlotWindow::crossHairText_data()
{
    QTest::addColumn<bool>("diveMode");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QString>("text");
    QTest::newRow("dive") << true << QPointF(12.5, 30) << "12.5' 30.0m";
    QTest::newRow("dive rounds") << true << QPointF(0.04, 9.96) << "0.0' 10.0m";
    QTest::newRow("tissue: tissue first") << false << QPointF(2.0, 1.5) << "1.5/2.0 bar";
    QTest::newRow("tissue deep") << false << QPointF(10.24, 3.0) << "3.0/10.2 bar";
}

void TestPlotWindow::crossHairText()
{
    QFETCH(bool, diveMode);
    QFETCH(QPointF, pos);
    QFETCH(QString, text);
    PlotInterface w;
    w.setup(diveMode, 30);
    QVERIFY(w.picker());
    QVERIFY(w.picker()->isEnabled());
    QCOMPARE(w.picker()->trackerMode(), QwtPicker::AlwaysOn);
    QCOMPARE(w.picker()->rubberBand(), QwtPicker::CrossRubberBand);
    QCOMPARE(w.picker()->trackerTextF(pos).text(), text);
    // Its box is measured with one font and the text painted with another (an overlay
    // painting into an image uses the application's): the size must not depend on it.
    const QwtText t = w.picker()->trackerTextF(pos);
    QFont large = QApplication::font();
    large.setPointSize(3 * large.pointSize());
    QCOMPARE(t.textSize(large), t.textSize(QApplication::font()));
    QVERIFY(t.testPaintAttribute(QwtText::PaintUsingTextFont));
}

void TestPlotWindow::runtimeCurve()
{
    DivePlot d;
    d.image.setGasO2(1, 21);
    d.image.setGasHe(1, 0);
    d.image.setGasO2(2, 50);
    d.image.setGasHe(2, 0);
    d.enable({RunPlot::Depth});
    d.run(1, 40);

    const QVector<DecoplanStop> plan = {
        record(-1, 2, 0, 2, 1),    // descent
        record(0, 22, 40, 20, 1),  // bottom
        record(1, 25.1, 40, 3.1, 1), // ascent to the first stop
        record(0, 28.1, 9, 3, 1),  // stop
        record(0, 28.4, 6, 0, 2),  // switch
        record(0, 34.4, 6, 6, 2),  // stop
        record(0, 35.7, 0, 0, 2),  // surface
    };
    d.window.addRuntimeRecords(plan, "OC, GF 30/85", 14);

    QCOMPARE(d.window.curveList().size(), 2);
    ProfileImpl* r = impl(d.window.curveList().last());
    QCOMPARE(r->plotCurve().plot(), d.window.plot());
    QCOMPARE(r->plotCurve().title().text(),
             QString("OC, GF 30/85, 22 ' @ 40 m\n\tTTS  = 14\n\tTotal= 35.7"));
    QCOMPARE(r->plotCurve().pen().color(), QColor(Qt::magenta));
    QCOMPARE(impl(d.window.curveList().first())->plotCurve().pen().color(), QColor(Qt::red));

    // Moving segments run from the previous record's end at their start depth; levels are
    // reached at 10 m/min from a previous level, else when the moving segment ends.
    const QVector<QPointF> expected = {{0, 0},   {0, 0},   {2, 40},  {22, 40},   {22, 40},   {25.1, 9}, {28.1, 9},
                                       {28.4, 6}, {28.4, 6}, {28.4, 6}, {34.4, 6}, {35.0, 0}, {35.7, 0}};
    QCOMPARE(int(r->plotCurve().dataSize()), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY2(qAbs(r->plotCurve().sample(i).x() - expected[i].x()) < 1e-4, qPrintable(QString::number(i)));
        QCOMPARE(float(r->plotCurve().sample(i).y()), float(expected[i].y()));
    }
    QCOMPARE(labelTexts(r), QStringList({"\tGas1:Air", "20 '", "3 '", "0 '", "\tGas2:Nx50", "6 '", "0 '"}));
}

void TestPlotWindow::runtimeAfterSurfaceInterval()
{
    DivePlot d;
    d.engine.in_surface_interval_10min = 6;
    d.window.addRuntimeRecords({record(-1, 1, 0, 1, 1), record(0, 11, 10, 10, 1), record(0, 12.7, 0, 0, 1)},
                               "OC, GF 30/85", 2);
    ProfileImpl* r = impl(d.window.curveList().last());
    QCOMPARE(r->plotCurve().sample(0), QPointF(0, 0));
    QCOMPARE(r->plotCurve().sample(1), QPointF(60, 0));
    QCOMPARE(r->plotCurve().sample(2), QPointF(60, 0));
    QCOMPARE(r->plotCurve().sample(3), QPointF(61, 10));
    QCOMPARE(r->plotCurve().sample(5), QPointF(72, 0));
    QCOMPARE(r->labelMarkers().first()->value(), QPointF(60, 0));
    QCOMPARE(r->plotCurve().pen().color(), QColor(Qt::red)); // the only curve
}

void TestPlotWindow::runtimeBailout_data()
{
    QTest::addColumn<float>("startSetpoint");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("closed circuit, then bail-out")
        << 1.3f << QStringList({"\tGas1:Air", "SP:1.30", "20 '", "3 '", "\tGas2:Nx50 (Bail)", "0 '"});
    QTest::newRow("open circuit switch is no bail-out")
        << 0.0f << QStringList({"\tGas1:Air", "20 '", "3 '", "\tGas2:Nx50", "0 '"});
}

void TestPlotWindow::runtimeBailout()
{
    QFETCH(float, startSetpoint);
    QFETCH(QStringList, labels);
    DivePlot d;
    d.image.setGasO2(1, 21);
    d.image.setGasHe(1, 0);
    d.image.setGasO2(2, 50);
    d.image.setGasHe(2, 0);
    d.window.addRuntimeRecords({record(-1, 2, 0, 2, 1, startSetpoint), record(0, 22, 40, 20, 1, startSetpoint),
                                record(0, 28.1, 9, 3, 2), record(0, 28.9, 0, 0, 2)},
                               "Bailout, GF 30/85", 8);
    ProfileImpl* r = impl(d.window.curveList().last());
    QCOMPARE(labelTexts(r), labels);
    for (const QwtPlotMarker* m : r->labelMarkers())
        QCOMPARE(int(m->symbol()->style()),
                 int(m->title().text().startsWith("SP") ? QwtSymbol::Diamond : QwtSymbol::DTriangle));
}

QTEST_MAIN(TestPlotWindow)
#include "test_plot_window.moc"
