// SPDX-License-Identifier: GPL-3.0-or-later
// The profile editor driven as a diver drives it: legs, clicks on the plot canvas, the gas
// dialog, undo and redo with the axes, files through the dialogs, the nearest point on real logs.
#include "data_table.h"
#include "device/config_image.h"
#include "device/message_sink.h"
#include "editor_driver.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

namespace
{

QString state(const DiveProfile& p)
{
    QStringList points, gases;
    for (int i = 0; i < p.points(); ++i)
        points << QString("%1/%2").arg(p.times()[i]).arg(p.depths()[i]);
    for (auto it = p.gasChanges().constBegin(); it != p.gasChanges().constEnd(); ++it)
        gases << QString("%1:%2").arg(it.key()).arg(it.value());
    return points.join(',') + " " + gases.join(',');
}

// "0/0,2/30" (or with recorded ppO2, "2/30/1.2") to a profile.
void fill(DiveProfile& p, const QString& points)
{
    for (const QString& pt : points.split(',', Qt::SkipEmptyParts))
        p.addPoint(pt.section('/', 0, 0).toDouble(), pt.section('/', 1, 1).toDouble(),
                   pt.count('/') > 1 ? pt.section('/', 2, 2).toDouble() : -1);
}

// Picks a file in the open or save dialog.
void choose(const QString& path)
{
    whenModal([path](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        if (!fd)
            return void(w->close());
        fd->setDirectory(QFileInfo(path).path());
        fd->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(fd, "accept");
        if (fd->isVisible())
            fd->reject();
    });
}

} // namespace

class TestProfileEditor : public QObject
{
    Q_OBJECT

    ProfileEditorInterface* e = nullptr;
    std::pair<int, int> gasRange;

    // One step of an edit script: "leg 20 30", "add 10 25", "del 10", "gas 20 2" (0: cancel),
    // "clear", "undo", "redo".
    void step(const QString& command)
    {
        const QStringList w = command.split(' ');
        const double a = w.value(1).toDouble(), b = w.value(2).toDouble();
        if (w[0] == "leg") {
            addLeg(*e, a, b);
        } else if (w[0] == "add" || w[0] == "del") {
            QTest::mouseClick(w[0] == "add" ? e->addPointTB : e->delPointTB, Qt::LeftButton);
            clickEditor(*e, a, w[0] == "add" ? b : 10);
        } else if (w[0] == "gas") {
            setGasAt(*e, a, static_cast<int>(b), &gasRange);
        } else {
            const QMap<QString, QAbstractButton*> buttons = {
                {"clear", e->clearB}, {"undo", e->undoButton}, {"redo", e->redoButton}};
            QVERIFY2(buttons.contains(w[0]), qPrintable(command));
            buttons[w[0]]->click();
        }
    }

private slots:
    void init()
    {
        e = new ProfileEditorInterface;
        e->resize(1200, 700);
        e->show();
        QVERIFY(QTest::qWaitForWindowExposed(e));
        gasRange = {};
    }
    void cleanup()
    {
        delete e;
        e = nullptr;
    }

    void edits_data() // the cases of data/editor_edits.txt
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");
        for (const QStringList& f : dataTable("editor_edits.txt"))
            QTest::newRow(qPrintable(f[0])) << f[1] << f[2] << f[3];
    }
    void edits()
    {
        QFETCH(QString, start);
        QFETCH(QString, script);
        if (!start.isEmpty()) {
            DiveProfile given;
            fill(given, start);
            given.setGas(0, 1);
            e->setProfile(&given);
        }
        for (const QString& command : script.split(';'))
            step(command);
        const DiveProfile& p = *e->profile();
        QTEST(state(p), "expected");
        if (script.contains("gas"))
            QCOMPARE(gasRange, std::make_pair(1, 5));
        // Depth 40 m down to 0 and time up to 40 min unless the dive is longer; a ppO2 axis of
        // 0 to 5 bar with recorded ppO2.
        const QwtScaleDiv depth = e->plot->axisScaleDiv(QwtPlot::yLeft);
        QCOMPARE(e->plot->axisAutoScale(QwtPlot::yLeft), p.diveDepth() > 40);
        QCOMPARE(e->plot->axisAutoScale(QwtPlot::xBottom), p.diveTime() > 40);
        QVERIFY(p.diveDepth() > 40 || (depth.lowerBound() == 40 && depth.upperBound() == 0));
        QCOMPARE(e->plot->axisEnabled(QwtPlot::yRight), p.hasRecordedPpO2());
        QVERIFY(!p.hasRecordedPpO2() || e->plot->axisScaleDiv(QwtPlot::yRight).upperBound() == 5);
    }

    // The same cases on the edit model alone, without a window: the history is the model's.
    void editsWithoutClicks_data() { edits_data(); }
    void editsWithoutClicks()
    {
        QFETCH(QString, start);
        QFETCH(QString, script);
        DiveProfile p;
        if (start.isEmpty()) {
            ProfileEdits::startDive(p, nullptr);
        } else {
            fill(p, start);
            p.setGas(0, 1);
        }
        ProfileEdits edits;
        edits.setProfile(&p);
        for (const QString& command : script.split(';')) {
            const QStringList w = command.split(' ');
            const double a = w.value(1).toDouble(), b = w.value(2).toDouble();
            const int i = ProfileEdits::nearestPoint(p, a);
            if (w[0] == "leg")
                edits.addLeg(b, a, 20, 10); // the form's speeds
            else if (w[0] == "add")
                edits.addPoint(a, b);
            else if (w[0] == "del")
                edits.deletePointsAt(p.times()[i]);
            else if (w[0] == "gas" && b > 0)
                edits.setGasAt(p.times()[i], p.depths()[i], int(b));
            else if (w[0] == "clear")
                edits.clear();
            else if (w[0] == "undo")
                edits.undo();
            else if (w[0] == "redo")
                edits.redo();
        }
        QTEST(state(p), "expected");
    }

    // Loads and saves through the dialogs, both remembering the folder. A bad file is shown in
    // red and changes nothing; over a modal editor (the console is behind it) a warning on the
    // editor names the file too. A save (a name without ending takes the chosen format's)
    // starts the history again and reads back the same points, with the gas changes where the
    // format has them.
    void files_data()
    {
        QTest::addColumn<QString>("name");     // a .txt file is loaded, the others saved first
        QTest::addColumn<QString>("expected"); // the error, or the gases read back
        QTest::addColumn<bool>("modal");
        QTest::newRow("load: unknown ending") << "dive.txt"
                                              << "Unknown file format." << false;
        QTest::newRow("load: unknown ending, modal editor") << "dive.txt"
                                                            << "Unknown file format." << true;
        QTest::newRow("save: UDDF") << "dive.uddf"
                                    << "0:1,1320:2" << false;
        QTest::newRow("save: no ending, DivingLog XML") << "dive"
                                                        << "0:1" << false;
    }
    void files()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QFETCH(bool, modal);
        e->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        QString warned; // the text of a warning over the editor
        QTimer warnings;
        connect(&warnings, &QTimer::timeout, [&warned] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warned = box->text();
                box->accept();
            }
        });
        warnings.start(50);
        QTemporaryDir dir;
        QString path = dir.filePath(name);
        CollectingSink console;
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        e->setMessageSink(&console);
        e->setSettings(&settings);
        for (const char* command : {"leg 20 30", "leg 10 15", "gas 22 2"})
            step(command);
        const QString drawn = state(*e->profile());
        const bool save = !name.endsWith(".txt");
        if (save) {
            choose(path);
            e->saveB->click();
            QVERIFY(e->undoStack().isEmpty());
            path += QFileInfo(name).suffix().isEmpty() ? ".xml" : "";
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        }
        choose(path);
        e->loadB->click();
        QCOMPARE(settings.value("Planner/profilePath").toString(), QFileInfo(path).absolutePath());
        const QString loaded = state(*e->profile());
        if (save) {
            QVERIFY(console.lines.filter("red").isEmpty() && e->undoStack().isEmpty());
            QCOMPARE(loaded, drawn.section(' ', 0, 0) + ' ' + expected);
        } else {
            QCOMPARE(console.lines,
                     QStringList("<font color='red'><b>" + expected + "</b></font>"));
            QVERIFY(loaded == drawn && e->undoStack().size() == 3);
        }
        QCOMPARE(warned,
                 modal ? "The profile '" + path + "' was not loaded: " + expected : QString());
    }

    // The open dialog starts in the remembered folder and its first filter shows every format.
    void openDialogShowsEveryFormat()
    {
        QTemporaryDir dir;
        for (const char* name : {"a.xml", "b.uddf", "c.udcf", "d.txt"})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
        settings.setValue("Planner/profilePath", dir.path());
        e->setSettings(&settings);
        QStringList shown;
        whenModal([&shown](QWidget* w) {
            auto* view = w->findChild<QListView*>("listView");
            (void)QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; });
            QTest::qWait(100);
            const QModelIndex root = view->rootIndex();
            for (int r = 0; r < view->model()->rowCount(root); ++r)
                shown << view->model()->index(r, 0, root).data().toString();
            w->close();
        });
        e->loadB->click();
        shown.sort();
        QCOMPARE(shown, QStringList({"a.xml", "b.uddf", "c.udcf"}));
    }

    // The binary search answers what a scan of every point answers (the first of equally near
    // points), on hand-made ties and on real logs, including times that repeat and run back.
    void nearestPoint_data()
    {
        QTest::addColumn<QString>("start"); // points, or a file of the shared samples folder
        QTest::newRow("ties and a vertical segment") << "0/0,1/10,1/20,2/20,3/30,3/35,5/0";
        QTest::newRow("one point") << "4/10";
        QTest::newRow("UDDF") << "uddf/test42.uddf";
        QTest::newRow("Shearwater") << "shearwater/cc-shearwater.xml";
    }
    void nearestPoint()
    {
        QFETCH(QString, start);
        DiveProfile p;
        const QString path = qEnvironmentVariable("BATHYRA_SHARED_DIR", "/nonexistent") +
                             "/samples/profiles/" + start;
        if (start.contains('.') && !QFile::exists(path))
            QSKIP("shared samples absent");
        start.contains('.') ? logbook::load(p, path, nullptr) : fill(p, start);
        const QVector<double>& t = p.times();
        for (double m = -1; m < p.diveTime() + 1; m += 1 / 120.0) {
            int best = 0;
            for (int i = 1; i < t.size(); ++i)
                if (std::fabs(t[i] - m) < std::fabs(t[best] - m))
                    best = i;
            QCOMPARE(ProfileEdits::nearestPoint(p, m), best);
        }
    }

    // The overlay marks the nearest point in delete mode and goes in the other modes.
    void overlayFollowsTheMouse()
    {
        step("leg 20 30");
        QTest::mouseClick(e->delPointTB, Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, editorPixel(*e, 2.6, 5), Qt::NoButton, {}, {});
        QApplication::sendEvent(e->plot->canvas(), &move);
        QVERIFY(e->picker()->overlay());
        QCOMPARE(e->picker()->overlay()->marked(), editorPixel(*e, 2, 30));
        QCOMPARE(e->picker()->trackerTextF(QPointF(2.64, 5.06)).text(), QString("2.6' 5.1m"));
        QTest::mouseClick(e->offPointTB, Qt::LeftButton);
        QApplication::sendEvent(e->plot->canvas(), &move);
        QVERIFY(!e->picker()->overlay());
    }

    // Profiles handed in and out repeatedly stay whole for their holder, and the editor's plot
    // never deletes what it handed over (run under AddressSanitizer).
    void handOverKeepsProfilesValid()
    {
        std::unique_ptr<DiveProfile> held;
        for (int round = 1; round <= 4; ++round) {
            e->setProfile(held.get());
            step("leg 10 " + QString::number(10 * round));
            step("gas " + QString::number(e->profile()->diveTime()) + " 2");
            held = e->takeProfile();
            QVERIFY(!held->depthCurve()->plot() && e->profile()->points() == 1);
            QCOMPARE(held->points(), 1 + 2 * round);
        }
        delete e;
        e = nullptr;
        QVERIFY(held->markers().size() == 2 && held->diveDepth() == 40.0f);
        QwtPlot other;
        held->attach(&other);
        other.replot();
        held.reset(); // before the plot it is attached to
    }

    // The starting gas and setpoint follow the configuration; a closed-circuit setpoint in bar
    // is exactly the engine's centibars over 100, as a run compares it.
    void startFollowsConfiguration()
    {
        for (int cbar : {0, 60, 70, 80, 130, 145}) {
            ConfigImage image;
            image.setByte(ConfigImage::first_gas, 3);
            image.setByte(ConfigImage::deco_type, cbar ? 2 : 0);
            image.setSetpoint(1, static_cast<quint8>(cbar));
            e->setConfiguration(&image);
            e->setProfile(nullptr);
            QCOMPARE(state(*e->profile()), QString("0/0 0:3"));
            QCOMPARE(e->profile()->setpointChanges().value(0, 0.0f),
                     static_cast<quint8>(cbar) / 100.0f);
            QCOMPARE(e->profile()->setpointChanges().size(), cbar ? 1 : 0);
        }
    }
};

QTEST_MAIN(TestProfileEditor)
#include "test_profile_editor.moc"
