// SPDX-License-Identifier: GPL-3.0-or-later
// The dive and tissue plot windows: curves run by run, right axes, labels and legend, the
// tissue plot's reference lines, cross-hair texts, runtime curves of plans, image saves.
#include "data_table.h"
#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "plot/plot_export.h"
#include "plot/plot_interface.h"

#include <QtTest>
#include <QtWidgets>

#include <qwt_plot.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_div.h>
#include <qwt_symbol.h>

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
QStringList labelTexts(const ProfileImpl* p)
{
    QStringList out;
    for (const QwtPlotMarker* m : p->labelMarkers())
        out << m->title().text();
    return out;
}
QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
QString filterNamed(const QString& prefix)
{
    const QStringList filters = plotexport::imageFileFilter().split(";;");
    return prefix.isEmpty() ? QString() : filters.filter(QRegularExpression("^" + prefix)).value(0);
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
        image.setGasO2(gas, quint8(o2));
        image.setGasHe(gas, quint8(he));
    }
    Profile* enable(std::initializer_list<RunPlot::Slot> on)
    {
        for (int s = 0; s < RunPlot::SlotCount; ++s)
            window.setCurveEnabled(RunPlot::Slot(s), false);
        for (RunPlot::Slot s : on)
            window.setCurveEnabled(s, true);
        return on.size() ? window.profile(*on.begin()) : nullptr;
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
};

} // namespace

class TestPlot : public QObject
{
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(tmp.isValid() && QDir().mkpath(documents()));
        QCOMPARE(plotexport::imageFileFilter(),
                 QString("Jpeg image (*.jpg;*.jpeg);;PNG image (*.png);;TIFF image "
                         "(*.tif;*.tiff);;PDF file (*.pdf);;SVG file (*.svg)"));
    }

    void curvesGrowRetireAndRecolour()
    {
        Plot d;
        // The cross-hair's box is measured with one font and its text painted with another
        // (an overlay painting into an image uses the application's): the size must not vary.
        const QwtText t = d.window.picker()->trackerTextF(QPointF(0.04, 9.96));
        QCOMPARE(t.text(), QString("0.0' 10.0m"));
        QFont large = QApplication::font();
        large.setPointSize(3 * large.pointSize());
        QCOMPARE(t.textSize(large), t.textSize(QApplication::font()));
        QVERIFY(t.testPaintAttribute(QwtText::PaintUsingTextFont));
        QCOMPARE(d.window.picker()->trackerMode(), QwtPicker::AlwaysOn);
        Profile* depth = d.window.profile(RunPlot::Depth);
        d.enable({});
        depth->addPoint(1, 10); // disabled: ignored
        depth->addGas(1, 10, 1);
        QVERIFY(impl(depth)->xValues().isEmpty() && impl(depth)->labelMarkers().isEmpty());
        // Points reach the curve at whole minutes and on a flush.
        Profile* ceiling = d.enable({RunPlot::Ceiling});
        ceiling->setup("ceiling", 30);
        for (double t : {0.5, 59.0 / 60, 1.0, 1.0 + 2.0 / 60})
            ceiling->addPoint(t, t < 1 ? 10 : 12);
        QCOMPARE(int(curve(ceiling).dataSize()), 3);
        ceiling->flush();
        QCOMPARE(curve(ceiling).sample(3), QPointF(1.0 + 2.0 / 60, 12));
        // A retired curve stays drawn and no longer changes.
        ceiling->retire();
        ceiling->addPoint(5, 5);
        ceiling->addLabel(5, 5, "SP1.30", Qt::black, false);
        ceiling->flush();
        QVERIFY(impl(ceiling)->labelMarkers().isEmpty());
        QCOMPARE(int(curve(ceiling).dataSize()), 4);
        // A curve enabled before the next run shows that run only.
        d.window.setCurveEnabled(RunPlot::Depth, true);
        QVERIFY(d.window.curveEnabled(RunPlot::Depth) && !d.window.curveEnabled(RunPlot::Gf));
        for (int run = 0; run < 2; ++run) {
            d.window.setup(true, 20);
            d.run(2);
        }
        QStringList titles;
        for (Profile* p : d.window.curveList())
            titles << curve(p).title().text();
        QCOMPARE(titles, QStringList({"ceiling", "slot 0", "slot 1", "slot 0", "slot 1"}));
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

    // Runs pile up in the plot until it is cleared. When a run sets up its curves, those of
    // the runs before keep only the points that shape their line; the latest run stays whole.
    void earlierRunsThinned()
    {
        Plot d;
        d.enable({RunPlot::Depth, RunPlot::Gf, RunPlot::LeadingTissue});
        const int points = 18001; // 10 hours, a point every 2 seconds
        const auto feed = [&](double spike) {
            for (RunPlot::Slot s : {RunPlot::Depth, RunPlot::Gf, RunPlot::LeadingTissue})
                d.window.profile(s)->setup("run", 40);
            for (int i = 0; i < points; ++i) {
                // A saw-tooth depth with one deep spike; GF 30 %, then 80 % from 200 min.
                d.window.profile(RunPlot::Depth)
                    ->addPoint(i / 30.0, i == 9000 ? spike : 20 + i % 50 * 0.1);
                d.window.profile(RunPlot::Gf)->addPoint(i / 30.0, i < 6000 ? 30 : 80);
                d.window.profile(RunPlot::LeadingTissue)->addPoint(i / 30.0, i % 7);
            }
            for (RunPlot::Slot s : {RunPlot::Depth, RunPlot::Gf, RunPlot::LeadingTissue})
                d.window.profile(s)->retire();
        };
        feed(60);
        const QList<Profile*> first = d.window.curveList() + d.window.itemList();
        QCOMPARE(first.size(), 3);
        QVector<QRectF> bounds;
        for (Profile* p : first) {
            QCOMPARE(int(curve(p).dataSize()), points);
            bounds << curve(p).boundingRect();
        }
        feed(70);
        // The first run's depth: its extremes and ends, no more than 4,000 points.
        const QwtPlotCurve& depth = curve(first[0]);
        QVERIFY2(depth.dataSize() <= 4000 && depth.dataSize() > 1000,
                 qPrintable(QString::number(depth.dataSize())));
        QVector<QPointF> kept;
        for (size_t i = 0; i < depth.dataSize(); ++i)
            kept << depth.sample(i);
        QVERIFY(kept.contains(QPointF(300, 60)) && kept.first() == QPointF(0, 20));
        QCOMPARE(kept.last(), QPointF((points - 1) / 30.0, 20 + (points - 1) % 50 * 0.1));
        // GF: the ends of its two levels.
        const QwtPlotCurve& gf = curve(first[1]);
        QCOMPARE(int(gf.dataSize()), 4);
        QCOMPARE(gf.sample(1), QPointF(5999 / 30.0, 30));
        QCOMPARE(gf.sample(2), QPointF(200, 80));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(curve(first[i]).boundingRect(), bounds[i]);
        // The second run, the latest, keeps every point.
        QList<Profile*> second;
        for (Profile* p : d.window.curveList() + d.window.itemList())
            if (!first.contains(p))
                second << p;
        QCOMPARE(second.size(), 3);
        for (Profile* p : second)
            QCOMPARE(int(curve(p).dataSize()), points);
        // A run that draws only the leading tissue makes the runs before it earlier ones too.
        d.enable({RunPlot::LeadingTissue});
        d.window.profile(RunPlot::Depth)->setup("depth", 40);
        for (Profile* p : second)
            QVERIFY(int(curve(p).dataSize()) <= 4000);
    }

    void rightAxisOfEachSlot_data() { dataRows("axes.txt"); }
    void rightAxisOfEachSlot()
    {
        QFETCH(QStringList, c);
        const QStringList slotNames = c[1].split(' '), titles = c[2].split(' ');
        const QVector<double> scales = numbers(c[3]);
        const double upper = c[4].toDouble();
        Plot d;
        d.image.setCf(32, 35);
        d.image.setCf(33, 80);
        d.enable({});
        QwtPlot* plot = d.window.plot();
        QVERIFY(!plot->axisEnabled(QwtPlot::yRight));
        Profile* p = nullptr;
        QSet<int> used;
        for (int i = 0; i < slotNames.size(); ++i) {
            const auto slot = RunPlot::Slot(slotNames[i].toInt());
            d.window.setCurveEnabled(slot, true);
            if (used.contains(slot))
                d.window.profile(slot)->retire();
            used << slot;
            p = d.window.profile(slot);
            p->setup(titles[i], scales[i]);
        }
        plot->updateAxes();
        QVERIFY(plot->axisEnabled(QwtPlot::yRight) && curve(p).yAxis() == QwtPlot::yRight);
        QCOMPARE(plot->axisTitle(QwtPlot::yRight).text(), c[5]);
        QCOMPARE(plot->axisAutoScale(QwtPlot::yRight), upper == 0);
        QVERIFY(upper == 0 || plot->axisScaleDiv(QwtPlot::yRight).upperBound() == upper);
        QCOMPARE(curve(p).pen().color(),
                 c[6].isEmpty() ? d.window.colours().color(QwtInterval(1, 16), 5) : QColor(c[6]));
        QStringList marks;
        for (const QwtPlotMarker* m : impl(p)->labelMarkers())
            marks << QString("%1 %2").arg(m->label().text()).arg(m->yValue());
        QCOMPARE(marks,
                 titles.last() == "GF" ? QStringList({"GF_low 35", "GF_high 80"}) : QStringList());
        // Cleared, the axis goes with its curves.
        d.window.clearCurves();
        QVERIFY(!plot->axisEnabled(QwtPlot::yRight));
    }

    // The cases of data/languages.txt: a language chosen while the window shows a run turns its
    // legend and axis titles at once.
    void languages_data() { dataRows("languages.txt"); }
    void languages()
    {
        QFETCH(QStringList, c);
        Plot d;
        const QList<RunPlot::Slot> shown = {RunPlot::Depth, RunPlot::Ceiling, RunPlot::NdlStop};
        d.enable({RunPlot::Depth, RunPlot::Ceiling, RunPlot::NdlStop});
        for (RunPlot::Slot slot : shown)
            d.window.profile(slot)->setup(RunPlot::legendTitle(slot), 0);
        QTranslator translator;
        if (c[0] != "en")
            QVERIFY(translator.load(QCoreApplication::applicationDirPath() + "/bathyra_" + c[0]));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QStringList legend;
        for (RunPlot::Slot slot : shown)
            legend << curve(d.window.profile(slot)).title().text();
        QwtPlot* plot = d.window.plot();
        const QStringList axes = {plot->axisTitle(QwtPlot::yLeft).text(),
                                  plot->axisTitle(QwtPlot::xBottom).text(),
                                  plot->axisTitle(QwtPlot::yRight).text()};
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(legend.join("; "), c[1]);
        QCOMPARE(axes, c.mid(2, 3));
    }

    // Labels on one curve (data/labels.txt); a text repeated 200 times has one legend entry.
    void labels()
    {
        Plot d;
        d.setGas(3, 21, 35);
        d.setGas(4, 10, 90);
        d.setGas(5, 100, 0);
        d.engine.in_setpoint_cbar = 130;
        Profile* depth = d.enable({RunPlot::Depth});
        QStringList shown;
        for (QStringList c : dataTable("labels.txt")) {
            const bool right = c[4] == "1";
            d.image.setByte(ConfigImage::deco_type, quint8(c[3].toInt()));
            c[2] != "0" ? depth->addGas(2.5, 12, c[2].toInt())
                        : depth->addLabel(2.5, 12, c[1], Qt::green, right);
            const QwtPlotMarker* m = impl(depth)->labelMarkers().last();
            shown << c[5];
            QCOMPARE(m->title().text(), shown.last());
            QCOMPARE(m->symbol()->style(),
                     c[7] == "Diamond" ? QwtSymbol::Diamond : QwtSymbol::DTriangle);
            QCOMPARE(m->symbol()->pen().color(), QColor(c[6]));
            QCOMPARE(m->symbol()->brush().color(), QColor(Qt::black));
            QCOMPARE(m->value(), QPointF(2.5, 12));
            QCOMPARE(m->yAxis(), int(right ? QwtPlot::yRight : QwtPlot::yLeft));
        }
        for (int i = 0; i < 200; ++i)
            depth->addLabel(i, 20, i % 2 ? "SP1.30" : "\tGas1:Air", Qt::black, false);
        QStringList inLegend;
        for (const QwtPlotMarker* m : impl(depth)->labelMarkers())
            if (m->plot() == d.window.plot() && m->testItemAttribute(QwtPlotItem::Legend))
                inLegend << m->title().text();
        QCOMPARE(inLegend, shown);
        QCOMPARE(impl(depth)->labelMarkers().size(), 209);
    }

    void tissuePlot()
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
        // The cross-hair: tissue pressure first.
        QCOMPARE(w.window.picker()->trackerTextF(QPointF(10.24, 3.0)).text(),
                 QString("3.0/10.2 bar"));
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
        QCOMPARE(mLines.first()->sample(1).y(),
                 engine::zhl16c[0].n2_a + e / engine::zhl16c[0].n2_b);
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
        QVERIFY(tissues[3]->plotCurve().dataSize() == 0 &&
                tissues.first()->labelMarkers().isEmpty());
        // A write that fails throws its text.
        for (const char* name : {"no-such-dir/dive.png", "dive.unknownformat"}) {
            QString error;
            try {
                plotexport::renderPlotToFile(w.window.plot(), tmp.filePath(name));
            } catch (const QString& e) {
                error = e;
            }
            QVERIFY2(!error.isEmpty(), name);
        }
    }

    void runtimeCurve_data() { dataRows("runtime_curves.txt"); }
    void runtimeCurve()
    {
        QFETCH(QStringList, c);
        QVector<DecoplanStop> plan;
        for (const QString& record : c[2].split("; ")) {
            const QVector<double> v = numbers(record);
            const float sp = float(v.value(5));
            plan << DecoplanStop{int(v[0]), float(v[1]), float(v[2]), float(v[3]),
                                 int(v[4]), sp,          {}};
        }
        Plot d;
        d.engine.in_surface_interval_10min = quint8(c[1].toInt());
        d.enable({RunPlot::Depth});
        d.run(1);
        d.window.addRuntimeRecords(plan, "OC, GF 30/85", 14);
        QCOMPARE(d.window.curveList().size(), 2);
        const QwtPlotCurve& r = curve(d.window.curveList().last());
        QCOMPARE(r.title().text(), c[3]);
        QCOMPARE(r.pen().color(), QColor(Qt::magenta));
        const QStringList points = c[4].split("; ");
        QStringList actual;
        for (int i = 0; i < points.size(); ++i)
            actual << QString::asprintf("%g %g", r.sample(size_t(i)).x(), r.sample(size_t(i)).y());
        QCOMPARE(actual, points);
        QCOMPARE(labelTexts(impl(d.window.curveList().last())), c[5].split("; "));
    }

    void fileNameForFilter_data() { dataRows("file_names.txt"); }
    void fileNameForFilter()
    {
        QFETCH(QStringList, c);
        QCOMPARE(plotexport::fileNameForFilter(c[1], filterNamed(c[2])), c[3]);
    }

    void documentsPath_data() { dataRows("documents_paths.txt"); }
    void documentsPath()
    {
        QFETCH(QStringList, c);
        QString path;
        try {
            path = plotexport::documentsImagePath(c[1]);
        } catch (const QString&) {
        }
        QCOMPARE(path, c[2].isEmpty() ? QString() : documents() + "/" + c[2]);
    }

    void dialogSave_data() { dataRows("dialog_saves.txt"); }
    void dialogSave()
    {
        QFETCH(QStringList, c);
        const QString remembered = c[1], typed = c[2], filter = c[3], written = c[4];
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
        QImageReader reader(dir + "/out/" + written);
        QVERIFY(written.isEmpty() ||
                (reader.format() == c[5].toUtf8() && reader.size() == QSize(800, 450)));
    }

    void scriptSave_data() { dataRows("script_saves.txt"); }
    void scriptSave()
    {
        QFETCH(QStringList, c);
        const QString name = c[1];
        const QByteArray format = c[2].toUtf8();
        const QSize size(c[3].section(' ', 0, 0).toInt(), c[3].section(' ', 1).toInt());
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
        QFile f(file);
        const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        if (format == "pdf") {
            const int at = bytes.indexOf("/MediaBox [") + 11;
            const QList<QByteArray> box =
                bytes.mid(at, bytes.indexOf(']', at) - at).simplified().split(' ');
            QVERIFY(bytes.startsWith("%PDF") && box.size() == 4);
            QCOMPARE(QSize(qRound(box[2].toDouble()), qRound(box[3].toDouble())), size);
        } else if (format == "svg") {
            QVERIFY(bytes.contains(
                QString("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height()).toUtf8()));
            QVERIFY(bytes.contains("Dive traces") &&
                    bytes.contains(plotexport::programAddress().toUtf8()));
        } else {
            QImageReader reader(file);
            QCOMPARE(reader.format(), format);
            const QImage image = reader.read();
            QCOMPARE(image.size(), size);
            QCOMPARE(image.pixelColor(0, 0).alpha(), 255); // opaque, the corners too
            QCOMPARE(image.pixelColor(size.width() - 1, size.height() - 1).alpha(), 255);
        }
    }
};

QTEST_MAIN(TestPlot)
#include "test_plot.moc"
