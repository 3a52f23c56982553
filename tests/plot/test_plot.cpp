// The dive and tissue plot windows: curves fed, retired and recoloured run by run, the
// right axis of each slot, labels and their legend, the tissue plot's reference lines,
// the cross-hair texts, the runtime curves of plans, and saving a plot as an image (the
// save dialog's extension rules, script saves under the documents folder, the format and
// size chosen by the file ending, failures).
#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "plot/plot_export.h"
#include "plot/plot_interface.h"

#include <QApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QImageWriter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <qwt_plot.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_div.h>
#include <qwt_symbol.h>

Q_DECLARE_METATYPE(QVector<DecoplanStop>)

namespace
{

ProfileImpl* impl(Profile* p)
{
    return static_cast<ProfileImpl*>(p);
}
const QwtPlotCurve& curve(Profile* p)
{
    return impl(p)->plotCurve();
}

// A plot window reading its own image and engine (gases 1 air, 2 Nx50).
struct Plot {
    ConfigImage image = ConfigImage::defaultImage(QDate(2024, 1, 1));
    engine::engine_state engine;
    PlotInterface window;

    explicit Plot(bool diveMode = true)
    {
        engine.in_surface_pressure_mbar = 1000;
        setGas(1, 21, 0);
        setGas(2, 50, 0);
        window.setSources(&image, &engine);
        window.setup(diveMode, 40);
    }
    void setGas(int gas, int o2, int he)
    {
        image.setGasO2(gas, o2);
        image.setGasHe(gas, he);
    }
    void enable(std::initializer_list<RunPlot::Slot> on)
    {
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.setCurveEnabled(RunPlot::Slot(s), false);
        for (RunPlot::Slot s : on)
            window.setCurveEnabled(s, true);
    }
    // One run: every slot set up, fed every 2 s for `minutes`, then retired.
    void run(double minutes)
    {
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.profile(RunPlot::Slot(s))->setup(QString("slot %1").arg(s), 40);
        for (double t = 0; t <= minutes + 1e-9; t += 1.0 / 30)
            for (int s = 0; s < RunPlot::SlotCount; ++s)
                window.profile(RunPlot::Slot(s))->addPoint(t, 20);
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.profile(RunPlot::Slot(s))->retire();
        window.replot();
    }
    QStringList titles(const QList<Profile*>& list) const
    {
        QStringList out;
        for (Profile* p : list)
            out << curve(p).title().text();
        return out;
    }
};

QStringList labelTexts(const ProfileImpl* p)
{
    QStringList out;
    for (const QwtPlotMarker* m : p->labelMarkers())
        out << m->title().text();
    return out;
}

// A plan record: kind (-1 descending, 0 level, 1 ascending), end runtime, depth, duration,
// gas and setpoint.
DecoplanStop record(int kind, float runtime, float depth, float duration, int gas,
                    float setpoint = 0)
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

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString filterNamed(const QString& prefix)
{
    for (const QString& f : plotexport::imageFileFilter().split(";;"))
        if (!prefix.isEmpty() && f.startsWith(prefix))
            return f;
    return QString();
}

QByteArray readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void curvesGrowRetireAndRecolour();
    void rightAxisOfEachSlot_data();
    void rightAxisOfEachSlot();
    void labels_data();
    void labels();
    void labelsShareLegendEntries();
    void tissuePlot();
    void crossHairText_data();
    void crossHairText();
    void runtimeCurve_data();
    void runtimeCurve();
    void fileNameForFilter_data();
    void fileNameForFilter();
    void documentsPath_data();
    void documentsPath();
    void dialogSave_data();
    void dialogSave();
    void scriptSave_data();
    void scriptSave();
    void failedWriteThrowsItsText();

private:
    QTemporaryDir tmp;
};

void TestPlot::curvesGrowRetireAndRecolour()
{
    Plot d;
    d.enable({});
    d.window.profile(RunPlot::Depth)->addPoint(1, 10); // disabled: ignored
    d.window.profile(RunPlot::Depth)->addGas(1, 10, 1);
    QVERIFY(impl(d.window.profile(RunPlot::Depth))->xValues().isEmpty());
    QVERIFY(impl(d.window.profile(RunPlot::Depth))->labelMarkers().isEmpty());

    // Points reach the curve at whole minutes and on a flush.
    d.enable({RunPlot::Ceiling});
    Profile* ceiling = d.window.profile(RunPlot::Ceiling);
    ceiling->setup("ceiling", 30);
    ceiling->addPoint(0.5, 10);
    ceiling->addPoint(59.0 / 60, 10);
    QCOMPARE(int(curve(ceiling).dataSize()), 0);
    ceiling->addPoint(1.0, 12);
    ceiling->addPoint(1.0 + 2.0 / 60, 12);
    QCOMPARE(int(curve(ceiling).dataSize()), 3);
    ceiling->flush();
    QCOMPARE(curve(ceiling).sample(3), QPointF(1.0 + 2.0 / 60, 12));
    ceiling->retire();
    // A retired curve stays drawn and no longer changes.
    ceiling->addPoint(5, 5);
    ceiling->addLabel(5, 5, "SP1.30", Qt::black, false);
    QVERIFY(impl(ceiling)->labelMarkers().isEmpty());
    ceiling->flush();
    QCOMPARE(int(curve(ceiling).dataSize()), 4);
    QCOMPARE(curve(ceiling).plot(), d.window.plot());

    // A curve enabled before the next run shows that run only.
    d.window.setCurveEnabled(RunPlot::Depth, true);
    QVERIFY(d.window.curveEnabled(RunPlot::Depth) && !d.window.curveEnabled(RunPlot::Gf));
    d.window.setup(true, 20);
    d.run(2);
    d.window.setup(true, 20);
    d.run(2);
    QCOMPARE(d.titles(d.window.curveList()),
             QStringList({"ceiling", "slot 0", "slot 1", "slot 0", "slot 1"}));
    QCOMPARE(int(curve(d.window.curveList().last()).dataSize()), 61);
    // Oldest red, newest magenta, evenly along the colour map in between.
    for (int i = 0; i < 5; ++i)
        QCOMPARE(curve(d.window.curveList()[i]).pen().color(),
                 d.window.colours().color(QwtInterval(0, 1), i / 4.0));
    QCOMPARE(curve(d.window.curveList().first()).pen().color(), QColor(Qt::red));
    QCOMPARE(curve(d.window.curveList().last()).pen().color(), QColor(Qt::magenta));

    // Clearing removes every curve but the switches; the next run draws again.
    d.window.clearCurves();
    QVERIFY(d.window.curveList().isEmpty() && d.window.itemList().isEmpty());
    QCOMPARE(d.window.plot()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 0);
    d.run(1);
    QCOMPARE(d.window.curveList().size(), 2);
}

void TestPlot::rightAxisOfEachSlot_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("title");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("axis");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("ppO2") << int(RunPlot::PpO2) << "ppO2" << 4.0 << "[Bar]" << QColor(Qt::blue);
    QTest::newRow("NDL: automatic scale")
        << int(RunPlot::NdlStop) << "NDL/Stop" << 0.0 << "[min]" << QColor(Qt::darkRed);
    QTest::newRow("CNS") << int(RunPlot::Cns) << "CNS" << 100.0 << "[%]" << QColor(Qt::red);
    QTest::newRow("GF marks CF32 and CF33")
        << int(RunPlot::Gf) << "GF" << 100.0 << "[%]" << QColor(Qt::black);
    QTest::newRow("leading tissue C5")
        << int(RunPlot::LeadingTissue) << "C5" << 4.0 << "[Bar]" << QColor();
    QTest::newRow("leading tissue C16")
        << int(RunPlot::LeadingTissue) << "C16" << 4.0 << "[Bar]" << QColor(Qt::magenta);
}

void TestPlot::rightAxisOfEachSlot()
{
    QFETCH(int, slot);
    QFETCH(QString, title);
    QFETCH(double, scale);
    QFETCH(QString, axis);
    QFETCH(QColor, colour);
    Plot d;
    d.image.setCf(32, 35);
    d.image.setCf(33, 80);
    d.enable({RunPlot::Slot(slot)});
    QVERIFY(!d.window.plot()->axisEnabled(QwtPlot::yRight));
    Profile* p = d.window.profile(RunPlot::Slot(slot));
    p->setup(title, scale);
    d.window.plot()->updateAxes();
    QVERIFY(d.window.plot()->axisEnabled(QwtPlot::yRight));
    QCOMPARE(curve(p).yAxis(), int(QwtPlot::yRight));
    QCOMPARE(d.window.plot()->axisTitle(QwtPlot::yRight).text(), axis);
    QCOMPARE(d.window.plot()->axisAutoScale(QwtPlot::yRight), scale == 0);
    if (scale > 0)
        QCOMPARE(d.window.plot()->axisScaleDiv(QwtPlot::yRight).upperBound(), scale);
    QCOMPARE(curve(p).pen().color(),
             colour.isValid() ? colour : d.window.colours().color(QwtInterval(1, 16), 5));
    QStringList marks;
    for (const QwtPlotMarker* m : impl(p)->labelMarkers())
        marks << QString("%1 %2").arg(m->label().text()).arg(m->yValue());
    QCOMPARE(marks, slot == RunPlot::Gf ? QStringList({"GF_low 35", "GF_high 80"}) : QStringList());
}

void TestPlot::labels_data()
{
    QTest::addColumn<QString>("text"); // a label's text, or empty for gas `gas`'s label
    QTest::addColumn<bool>("rightAxis");
    QTest::addColumn<int>("gas");
    QTest::addColumn<int>("decoType");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("style");
    const int diamond = QwtSymbol::Diamond, triangle = QwtSymbol::DTriangle;
    QTest::newRow("replay setpoint")
        << "SP1.30" << false << 0 << 0 << "SP1.30" << QColor(Qt::green) << diamond;
    QTest::newRow("runtime setpoint")
        << "SP:1.20" << true << 0 << 0 << "SP:1.20" << QColor(Qt::green) << diamond;
    QTest::newRow("lower case is no setpoint")
        << "sp1.30" << false << 0 << 0 << "sp1.30" << QColor(Qt::green) << triangle;
    QTest::newRow("stop") << "3 '" << true << 0 << 0 << "3 '" << QColor(Qt::green) << triangle;
    QTest::newRow("air") << "" << false << 1 << 4 << "\tGas1:Air" << QColor(Qt::white) << triangle;
    QTest::newRow("nitrox") << "" << false << 2 << 4 << "\tGas2:Nx50" << QColor(Qt::green)
                            << triangle;
    QTest::newRow("trimix") << "" << false << 3 << 4 << "\tGas3:Tx21/35" << QColor(Qt::red)
                            << triangle;
    QTest::newRow("heliox") << "" << false << 4 << 4 << "\tGas4:Hx10/90" << QColor(Qt::yellow)
                            << triangle;
    QTest::newRow("oxygen") << "" << false << 5 << 4 << "\tGas5:Nx100" << QColor(Qt::magenta)
                            << triangle;
    QTest::newRow("closed circuit shows the setpoint")
        << "" << false << 2 << 5 << "\tSetpoint:1.30" << QColor(Qt::green) << triangle;
}

void TestPlot::labels()
{
    QFETCH(QString, text);
    QFETCH(bool, rightAxis);
    QFETCH(int, gas);
    QFETCH(int, decoType);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    QFETCH(int, style);
    Plot d;
    d.image.setByte(ConfigImage::deco_type, decoType);
    d.setGas(3, 21, 35);
    d.setGas(4, 10, 90);
    d.setGas(5, 100, 0);
    d.engine.in_setpoint_cbar = 130;
    d.enable({RunPlot::Depth});
    Profile* depth = d.window.profile(RunPlot::Depth);
    if (gas)
        depth->addGas(2.5, 12, gas);
    else
        depth->addLabel(2.5, 12, text, Qt::green, rightAxis);
    QCOMPARE(labelTexts(impl(depth)), QStringList{shown});
    const QwtPlotMarker* m = impl(depth)->labelMarkers().first();
    QCOMPARE(int(m->symbol()->style()), style);
    QCOMPARE(m->symbol()->pen().color(), colour);
    QCOMPARE(m->symbol()->brush().color(), QColor(Qt::black));
    QCOMPARE(m->value(), QPointF(2.5, 12));
    QCOMPARE(m->yAxis(), int(rightAxis ? QwtPlot::yRight : QwtPlot::yLeft));
}

void TestPlot::labelsShareLegendEntries()
{
    Plot d;
    d.enable({RunPlot::Depth});
    Profile* depth = d.window.profile(RunPlot::Depth);
    for (int i = 0; i < 200; ++i)
        depth->addLabel(i, 20, i % 2 ? "SP1.30" : "\tGas1:Air", Qt::black, false);
    QStringList inLegend;
    for (const QwtPlotMarker* m : impl(depth)->labelMarkers())
        if (m->plot() == d.window.plot() && m->testItemAttribute(QwtPlotItem::Legend))
            inLegend << m->title().text();
    QCOMPARE(inLegend, (QStringList{"\tGas1:Air", "SP1.30"}));
    QCOMPARE(impl(depth)->labelMarkers().size(), 200);
}

void TestPlot::tissuePlot()
{
    Plot w(false);
    w.engine.in_surface_pressure_mbar = 950;
    w.window.setup(false, 40);
    w.window.setup(false, 40); // once more: still one set of reference items
    const double s = 0.95, e = 4.95;
    QCOMPARE(w.window.itemList().size(), 16 + 1 + 16);
    QCOMPARE(w.window.plot()->axisScaleDiv(QwtPlot::xBottom).upperBound(), e);
    const QList<ProfileImpl*>& tissues = w.window.tissueCurveList();
    QCOMPARE(tissues.size(), 16);
    QCOMPARE(tissues.last()->plotCurve().title().text(), QString("C16+C32"));

    // GF = 0 along the diagonal, and M-value lines y = a + x / b above it.
    QList<QwtPlotCurve*> mLines;
    for (QwtPlotItem* item : w.window.plot()->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        auto* c = static_cast<QwtPlotCurve*>(item);
        if (c->title().text() == "GF = 0")
            QCOMPARE(c->sample(1), QPointF(e, e));
        else if (!c->testItemAttribute(QwtPlotItem::Legend))
            mLines << c;
    }
    QCOMPARE(mLines.size(), 16);
    QCOMPARE(mLines.first()->sample(0).x(), s);
    QCOMPARE(mLines.first()->sample(1).y(), engine::zhl16c[0].n2_a + e / engine::zhl16c[0].n2_b);
    QVERIFY(mLines.first()->sample(0).y() > mLines.last()->sample(0).y());

    // Fed points show at the replot or flush; a compartment out of range is ignored.
    w.window.clearTissues();
    w.window.addTissueGasLabel(1.0, 0.25, 1);
    w.window.addTissuePoint(3, 1.0, 0.79);
    w.window.addTissuePoint(16, 4.0, 1.2);
    w.window.replot();
    w.window.addTissuePoint(3, 3.0, 1.3);
    w.window.addTissueGasLabel(3.0, 0.5, 2);
    w.window.flushTissues();
    QCOMPARE(tissues[3]->plotCurve().sample(1), QPointF(3.0, 1.3));
    QCOMPARE(labelTexts(tissues.first()), QStringList({"\tGas1:Air", "\tGas2:Nx50"}));
    w.window.clearTissues();
    QCOMPARE(int(tissues[3]->plotCurve().dataSize()), 0);
    QVERIFY(tissues.first()->labelMarkers().isEmpty());
}

void TestPlot::crossHairText_data()
{
    QTest::addColumn<bool>("diveMode");
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<QString>("text");
    QTest::newRow("dive") << true << QPointF(12.5, 30) << "12.5' 30.0m";
    QTest::newRow("dive rounds") << true << QPointF(0.04, 9.96) << "0.0' 10.0m";
    QTest::newRow("tissue: tissue first") << false << QPointF(2.0, 1.5) << "1.5/2.0 bar";
    QTest::newRow("tissue deep") << false << QPointF(10.24, 3.0) << "3.0/10.2 bar";
}

void TestPlot::crossHairText()
{
    QFETCH(bool, diveMode);
    QFETCH(QPointF, pos);
    QFETCH(QString, text);
    PlotInterface w;
    w.setup(diveMode, 30);
    QCOMPARE(w.picker()->trackerMode(), QwtPicker::AlwaysOn);
    const QwtText t = w.picker()->trackerTextF(pos);
    QCOMPARE(t.text(), text);
    // Its box is measured with one font and the text painted with another (an overlay
    // painting into an image uses the application's): the size must not depend on it.
    QFont large = QApplication::font();
    large.setPointSize(3 * large.pointSize());
    QCOMPARE(t.textSize(large), t.textSize(QApplication::font()));
    QVERIFY(t.testPaintAttribute(QwtText::PaintUsingTextFont));
}

void TestPlot::runtimeCurve_data()
{
    QTest::addColumn<QVector<DecoplanStop>>("plan");
    QTest::addColumn<int>("surfaceInterval10min");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QVector<QPointF>>("points"); // the first points of the curve
    QTest::addColumn<QStringList>("labels");
    // Moving segments run from the previous record's end at their start depth; levels are
    // reached at 10 m/min from a previous level, else when the moving segment ends.
    QTest::newRow("open circuit with a switch")
        << QVector<DecoplanStop>{record(-1, 2, 0, 2, 1),      record(0, 22, 40, 20, 1),
                                 record(1, 25.1, 40, 3.1, 1), record(0, 28.1, 9, 3, 1),
                                 record(0, 28.4, 6, 0, 2),    record(0, 34.4, 6, 6, 2),
                                 record(0, 35.7, 0, 0, 2)}
        << 0 << "OC, GF 30/85, 22 ' @ 40 m\n\tTTS  = 14\n\tTotal= 35.7"
        << QVector<QPointF>{{0, 0},    {0, 0},    {2, 40},   {22, 40},  {22, 40},
                            {25.1, 9}, {28.1, 9}, {28.4, 6}, {28.4, 6}, {28.4, 6},
                            {34.4, 6}, {35.0, 0}, {35.7, 0}}
        << QStringList({"\tGas1:Air", "20 '", "3 '", "0 '", "\tGas2:Nx50", "6 '", "0 '"});
    QTest::newRow("after an hour's surface interval")
        << QVector<DecoplanStop>{record(-1, 1, 0, 1, 1), record(0, 11, 10, 10, 1),
                                 record(0, 12.7, 0, 0, 1)}
        << 6 << "OC, GF 30/85, 11 ' @ 10 m\n\tTTS  = 14\n\tTotal= 12.7"
        << QVector<QPointF>{{0, 0}, {60, 0}, {60, 0}, {61, 10}, {71, 10}, {72, 0}}
        << QStringList({"\tGas1:Air", "10 '", "0 '"});
    QTest::newRow("closed circuit, then bail-out")
        << QVector<DecoplanStop>{record(-1, 2, 0, 2, 1, 1.3f), record(0, 22, 40, 20, 1, 1.3f),
                                 record(0, 28.1, 9, 3, 2), record(0, 28.9, 0, 0, 2)}
        << 0 << "OC, GF 30/85, 22 ' @ 40 m\n\tTTS  = 14\n\tTotal= 28.9" << QVector<QPointF>{{0, 0}}
        << QStringList({"\tGas1:Air", "SP:1.30", "20 '", "3 '", "\tGas2:Nx50 (Bail)", "0 '"});
}

void TestPlot::runtimeCurve()
{
    QFETCH(QVector<DecoplanStop>, plan);
    QFETCH(int, surfaceInterval10min);
    QFETCH(QString, title);
    QFETCH(QVector<QPointF>, points);
    QFETCH(QStringList, labels);
    Plot d;
    d.engine.in_surface_interval_10min = surfaceInterval10min;
    d.enable({RunPlot::Depth});
    d.run(1);
    d.window.addRuntimeRecords(plan, "OC, GF 30/85", 14);
    QCOMPARE(d.window.curveList().size(), 2);
    ProfileImpl* r = impl(d.window.curveList().last());
    QCOMPARE(r->plotCurve().title().text(), title);
    QCOMPARE(r->plotCurve().pen().color(), QColor(Qt::magenta));
    for (int i = 0; i < points.size(); ++i) {
        QVERIFY2(qAbs(r->plotCurve().sample(i).x() - points[i].x()) < 1e-4,
                 qPrintable(QString::number(i)));
        QCOMPARE(float(r->plotCurve().sample(i).y()), float(points[i].y()));
    }
    QCOMPARE(labelTexts(r), labels);
    for (const QwtPlotMarker* m : r->labelMarkers())
        QCOMPARE(
            int(m->symbol()->style()),
            int(m->title().text().startsWith("SP") ? QwtSymbol::Diamond : QwtSymbol::DTriangle));
}

void TestPlot::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(tmp.isValid());
    QDir().mkpath(documents());
    QCOMPARE(plotexport::imageFileFilter(),
             QString("Jpeg image (*.jpg;*.jpeg);;PNG image (*.png);;TIFF image "
                     "(*.tif;*.tiff);;PDF file (*.pdf);;SVG file (*.svg)"));
}

void TestPlot::fileNameForFilter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("result");
    QTest::newRow("png filter") << "/d/dive"
                                << "PNG image"
                                << "/d/dive.png";
    QTest::newRow("jpeg filter") << "/d/dive"
                                 << "Jpeg image"
                                 << "/d/dive.jpeg";
    QTest::newRow("tiff filter") << "/d/dive"
                                 << "TIFF image"
                                 << "/d/dive.tiff";
    QTest::newRow("no filter") << "/d/dive"
                               << ""
                               << "/d/dive";
    QTest::newRow("jpg kept with svg filter") << "/d/dive.jpg"
                                              << "SVG file"
                                              << "/d/dive.jpg";
    QTest::newRow("tif kept") << "/d/dive.tif"
                              << "PDF file"
                              << "/d/dive.tif";
    QTest::newRow("own extension kept") << "/d/dive.pdf"
                                        << "PDF file"
                                        << "/d/dive.pdf";
    QTest::newRow("other extension gets one more") << "/d/dive.png"
                                                   << "PDF file"
                                                   << "/d/dive.png.pdf";
    QTest::newRow("upper case is not the extension") << "/d/dive.PNG"
                                                     << "PNG image"
                                                     << "/d/dive.PNG.png";
}

void TestPlot::fileNameForFilter()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, result);
    QCOMPARE(plotexport::fileNameForFilter(name, filterNamed(filter)), result);
}

void TestPlot::documentsPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inside"); // empty: refused
    QTest::newRow("folder") << "plots/dive.pdf"
                            << "plots/dive.pdf";
    QTest::newRow("redundant parts") << "./plots//x/../dive.pdf"
                                     << "plots/dive.pdf";
    QTest::newRow("absolute stays inside") << "/tmp/dive.png"
                                           << "tmp/dive.png";
    QTest::newRow("no way up") << "../../etc/dive.png"
                               << "etc/dive.png";
    QTest::newRow("no way up after root") << "/../dive.png"
                                          << "dive.png";
    for (const char* empty : {".", "..", "/", "a/.."})
        QTest::newRow(empty) << empty << "";
}

void TestPlot::documentsPath()
{
    QFETCH(QString, name);
    QFETCH(QString, inside);
    QString path;
    try {
        path = plotexport::documentsImagePath(name);
    } catch (const QString&) {
    }
    QCOMPARE(path, inside.isEmpty() ? QString() : documents() + "/" + inside);
}

void TestPlot::dialogSave_data()
{
    QTest::addColumn<QString>("remembered"); // the folder in the settings
    QTest::addColumn<QString>("typed");      // empty: cancel
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png, nothing remembered") << ""
                                             << "dive"
                                             << "PNG image"
                                             << "dive.png" << QByteArray("png");
    QTest::newRow("jpeg, remembered folder gone") << "gone"
                                                  << "dive"
                                                  << "Jpeg image"
                                                  << "dive.jpeg" << QByteArray("jpeg");
    QTest::newRow("jpg kept, written as jpeg") << "out"
                                               << "dive.jpg"
                                               << "PNG image"
                                               << "dive.jpg" << QByteArray("jpeg");
    QTest::newRow("cancel") << "out"
                            << ""
                            << "PNG image"
                            << "" << QByteArray();
}

void TestPlot::dialogSave()
{
    QFETCH(QString, remembered);
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);
    const QString dir = tmp.filePath(QString(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(QDir().mkpath(dir + "/out"));
    QSettings settings(dir + "/settings.ini", QSettings::IniFormat);
    if (!remembered.isEmpty())
        settings.setValue("Planner/imagePath", dir + "/" + remembered);
    Plot w;
    w.enable({RunPlot::Depth});
    w.run(2);
    w.window.setSettings(&settings);

    QString startDir;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Dump image to..."));
        startDir = dialog->directory().absolutePath();
        dialog->selectNameFilter(filterNamed(filter));
        dialog->selectFile(dir + "/out/" + typed);
        typed.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
    });
    w.window.saveImageSlot();
    QCOMPARE(startDir, remembered == "out" ? dir + "/out" : documents());
    QCOMPARE(QDir(dir + "/out").entryList(QDir::Files),
             written.isEmpty() ? QStringList() : QStringList{written});
    QCOMPARE(settings.value("Planner/imagePath").toString(), dir + "/out");
    if (!written.isEmpty()) {
        QImageReader reader(dir + "/out/" + written);
        QCOMPARE(reader.format(), format);
        QCOMPARE(reader.size(), QSize(800, 450));
    }
}

void TestPlot::scriptSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("png") << "plots/dive.png" << QByteArray("png") << QSize(800, 450);
    QTest::newRow("jpg") << "dive.jpg" << QByteArray("jpeg") << QSize(800, 450);
    QTest::newRow("tif is the large size") << "dive.tif" << QByteArray("tiff") << QSize(1280, 720);
    QTest::newRow("tiff") << "dive.tiff" << QByteArray("tiff") << QSize(1280, 720);
    QTest::newRow("upper case TIFF is the small size")
        << "dive.TIFF" << QByteArray("tiff") << QSize(800, 450);
    QTest::newRow("pdf: A4 landscape") << "plots/dive.pdf" << QByteArray("pdf") << QSize(842, 595);
    QTest::newRow("svg") << "dive.svg" << QByteArray("svg") << QSize(798, 448);
}

void TestPlot::scriptSave()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    if (format == "tiff" && !QImageWriter::supportedImageFormats().contains("tiff"))
        QSKIP("no TIFF image plugin (Debian package qt5-image-formats-plugins)");
    CollectingSink sink;
    Plot w;
    w.enable({RunPlot::Depth});
    w.run(2);
    w.window.setMessageSink(&sink);
    QDir(documents()).removeRecursively();
    w.window.saveImageSlot(name);
    const QString file = documents() + "/" + name;
    QCOMPARE(sink.lines, QStringList{"Saving plot " + file});
    const QByteArray bytes = readAll(file);
    if (format == "pdf") {
        const int at = bytes.indexOf("/MediaBox [");
        const QList<QByteArray> box =
            bytes.mid(at + 11, bytes.indexOf(']', at) - at - 11).simplified().split(' ');
        QVERIFY(bytes.startsWith("%PDF") && box.size() == 4);
        QCOMPARE(QSize(qRound(box[2].toDouble()), qRound(box[3].toDouble())), size);
    } else if (format == "svg") {
        QVERIFY(bytes.contains(
            QString("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height()).toUtf8()));
        QVERIFY(bytes.contains("Dive traces"));
        QVERIFY(bytes.contains(plotexport::programAddress().toUtf8()));
    } else {
        QImageReader reader(file);
        QCOMPARE(reader.format(), format);
        const QImage image = reader.read();
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 255); // opaque, the corners too
        QCOMPARE(image.pixelColor(size.width() - 1, size.height() - 1).alpha(), 255);
    }
}

void TestPlot::failedWriteThrowsItsText()
{
    Plot w;
    w.enable({RunPlot::Depth});
    w.run(2);
    for (const QString& name : {QString("no-such-dir/dive.png"), QString("dive.unknownformat")}) {
        QString error;
        try {
            plotexport::renderPlotToFile(w.window.plot(), tmp.filePath(name));
        } catch (const QString& e) {
            error = e;
        }
        QVERIFY2(!error.isEmpty(), qPrintable(name));
    }
}

QTEST_MAIN(TestPlot)
#include "test_plot.moc"
