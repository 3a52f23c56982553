// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window as the program starts it, with a simulated computer on its port: first
// start, the form and image, restarts and update checks, .div files, unhandled exceptions, the
// console, settings and languages, device commands, Edit profile and the one busy state.
#include "../profiles/editor_driver.h"
#include "../updates/loopback_server.h"
#include "app/application.h"
#include "app/bathyra_script.h"
#include "app/log_check_window.h"
#include "app/plan_comparison_window.h"
#include "app/plan_sheet.h"
#include "app/settings_dialog.h"
#include "app/solve_dialog.h"
#include "cfeditor/cf_editor.h"
#include "data_table.h"
#include "device/serial_ostc.h"
#include "full_disk.h"
#include "planner/plan_core.h"
#include "planner/plan_parameters.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <map>
#include <qwt_plot_curve.h>
#include <unistd.h>

using planner::currentImage;
using B = Bathyra_Interface;

namespace
{
// Runs the edit command: legs ("25x40,10x21") drawn in the editor, a gas change on the point
// nearest a time (none when negative), then Ok or the dialog closed. Returns the editor.
ProfileEditorInterface* edit(B* w, const QString& legs, double gasMinutes, int gas, bool ok)
{
    ProfileEditorInterface* seen = nullptr;
    whenModal([&](QWidget* dialog) {
        seen = qobject_cast<ProfileEditorInterface*>(dialog);
        for (const QString& leg : legs.split(','))
            addLeg(*seen, leg.section('x', 0, 0).toDouble(), leg.section('x', 1, 1).toDouble());
        if (gasMinutes >= 0)
            setGasAt(*seen, gasMinutes, gas);
        ok ? seen->okB->click() : (void)dialog->close();
    });
    w->editProfilePB->click();
    return seen;
}

// Answers a file dialog's question whether to replace the file: yes.
void replaceFile(QWidget* box)
{
    if (auto* question = qobject_cast<QMessageBox*>(box))
        question->button(QMessageBox::Yes)->click();
    else
        whenModal(replaceFile);
}

// Everything a command could change.
QStringList snapshot(B* w)
{
    const auto hex = [](const void* p, int n) {
        return QByteArray(static_cast<const char*>(p), n).toHex();
    };
    const PlotInterface* plot = w->divePlot();
    const DiveProfile* profile = w->currentProfile();
    return {w->consoleDocument()->toPlainText(),
            hex(currentImage().data(), ConfigImage::Size),
            hex(&planner::plannerEngine(), sizeof(engine::engine_state)),
            QString::number(quintptr(profile)),
            QString::number(profile ? profile->points() : -1),
            QString::number(planner::runState().runTime),
            QString::number(plot ? plot->curveList().size() + plot->itemList().size() : -1),
            QString::number(w->tissuePlot() != nullptr),
            QString::number(w->isVisible())};
}

const std::map<QString, std::function<void(B*)>> commands = {
    {"simulate", &B::simulateSlot},
    {"ascent", &B::ascentSlot},
    {"gas volumes", &B::gasVolumesSlot},
    {"add runtime", &B::addRuntimeSlot},
    {"clear profile", &B::clearProfileSlot},
    {"pressure diagram", &B::pressureDiagramSlot},
    {"download", &B::downloadOSTCSlot},
    {"upload", &B::uploadOSTCSlot},
    {"set clock", &B::setDateTimeSlot},
    {"screen dump", &B::screenDumpSlot},
    {"firmware", &B::upgradeFWSlot},
    {"load", &B::loadDiveSlot},
    {"save", &B::saveDiveSlot},
    {"settings", &B::settingsSlot},
    {"exit", &B::closeAllWindows},
    {"reset all settings", [](B* w) { Settings(w).resetSettingsSlot(); }},
    {"edit CF", &B::editCFSlot},
    {"edit profile", &B::editProfileSlot},
    {"run tests", &B::runAllTestsSlot},
    // A script holds the state and lends it to the run it starts; in the test's own home,
    // since /tmp is shared with other runs.
    {"script", [](B* w) {
         QFile f(QDir::home().filePath("busy.qs"));
         if (f.open(QIODevice::WriteOnly) && f.write("mainWindow.simulateSlot();\n") > 0 &&
             f.flush())
             runScriptFile(w, f.fileName());
     }}};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatedOstc> ostc;
    B* w = nullptr;
    QTemporaryDir dir;
    QStringList lines; // console lines since the last clear, in headless runs

    void start(bool checkUpdates = false)
    {
        w = startUp(checkUpdates);
        static_cast<BathyraApplication*>(qApp)->setConsole(w);
    }
    void stop()
    {
        static_cast<BathyraApplication*>(qApp)->setConsole(nullptr);
        shutDown(w);
        delete w;
        w = nullptr;
        closeAppSettings();
    }
    QString console() const { return w->consoleDocument()->toPlainText(); }
    template <typename F> auto onDevice(F f) { return ostc->locked(f); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir().mkpath(documents());
    }
    void init()
    {
        ostc = std::make_unique<SimulatedOstc>();
        closeAppSettings();
        QFile::remove(appSettingsPath());
        start();
    }
    void cleanup()
    {
        if (w)
            stop();
        ostc.reset();
        programOptions().language = "EN";
        Settings::loadTranslations();
    }

    void firstStartAndKeys()
    {
        for (ClosingGroupBox* box : w->findChildren<ClosingGroupBox*>())
            QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
        QCOMPARE(QStringList({w->interval->text(), w->mod_1->text()}),
                 QStringList({"Reset", "MOD:66m, EAD:---, END:---"}));
        QVERIFY(w->saturation->value() == ConfigImage::defaultImage().cf(11) &&
                w->replayMode->isHidden()); // beta off
        // A language change keeps the computed texts.
        w->O2_2->setValue(50);
        const QString line = w->mod_2->text();
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(w, &change);
        QVERIFY(w->mod_2->text() == line && w->gasGB->title() == "Gas List:");
        // Each key has one owner; a key bound twice in one window would do nothing.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w) && !w->helpWindow());
        QTest::keyClick(w, Qt::Key_F1);
        QTRY_VERIFY(w->helpWindow() && w->helpWindow()->isVisible());
        QTextBrowser* help = w->helpWindow();
        w->helpButton->click(); // the same window again
        QVERIFY(w->helpWindow() == help && help->openExternalLinks() &&
                help->toPlainText().contains("Gradient Factor"));
        // Quit applies the form and closes every window.
        w->O2_4->setValue(80);
        w->exitButton->click();
        QTRY_VERIFY(!w->isVisible() && !w->helpWindow() && currentImage().gasO2(4) == 80);
    }

    // The form as it is edited (what it enables and marks red, a gas row's information), and
    // what it writes to the image, rounded and mapped, and shows back.
    void formAndImage()
    {
        set(w, "O2_1=20");
        QVERIFY(!w->depth_1->isEnabled() && w->O2_1->styleSheet().contains("color: red"));
        set(w, "O2_1=21 gas_2=1 O2_2=50 depth_2=21 ccrMode=1 ppo2_1=1.3 gradientFactor=1 GF_low=35 "
               "deco_offset=2.5 press_surface=900");
        QVERIFY(!w->O2_1->styleSheet().contains("color: red") && w->GF_low->isEnabled() &&
                !w->saturation->isEnabled());
        QCOMPARE(QStringList({w->mod_2->text(), w->mod_sp1->text()}),
                 QStringList({"MOD:23m, EAD:10m, END:21m",
                              "Dil:21/00, CCR max depth:52m, EAD:52m, END:52m"}));
        w->applyParameters(true);
        const ConfigImage& im = currentImage();
        QCOMPARE((QList<int>{im.byte(ConfigImage::deco_type), im.setpoint(1), im.cf(16), im.cf(32),
                             im.gasO2(2), im.gasDepth(2),
                             planner::plannerEngine().in_surface_pressure_mbar}),
                 (QList<int>{5, 130, 25, 35, 50, 21, 900}));
        set(w, "ppo2_1=0.5 deco_offset=1");
        w->showParameters();
        QVERIFY(w->ppo2_1->value() == 1.3 && w->deco_offset->value() == 2.5);
    }

    // The planning tools of the Planning menu: the comparison takes the window's plans as
    // columns and gives a plan back into the fields; the solver answers for the fields; the
    // plan-against-log window finds the ceiling broken by a drawn log.
    void planningTools()
    {
        set(w, "gradientFactor=1 GF_low=30 GF_high=85 dive_depth=45 dive_time=25");
        w->findChild<QAction*>("actionComparePlans")->trigger();
        PlanComparisonInterface* cmp = w->planComparison();
        auto* add = cmp->findChild<QPushButton*>("addPlanButton");
        QTest::mouseClick(add, Qt::LeftButton);
        set(w, "GF_low=40");
        QTest::mouseClick(add, Qt::LeftButton);
        set(w, "GF_low=50 GF_high=70 dive_time=30");
        QTest::mouseClick(add, Qt::LeftButton);
        QTableWidget* table = cmp->table();
        QCOMPARE(table->columnCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("GF 40/85"));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("GF 50/70, 45 m / 30 min"));
        QVERIFY(table->item(1, 1)->text().contains('('));
        // The first plan made current: its fields come back.
        table->selectColumn(0);
        QTest::mouseClick(cmp->findChild<QPushButton*>("makeCurrentButton"), Qt::LeftButton);
        QCOMPARE(w->GF_low->value(), 30);
        QCOMPARE(w->GF_high->value(), 85);
        QCOMPARE(w->dive_time->value(), 25);
        table->selectColumn(1);
        QTest::mouseClick(cmp->findChild<QPushButton*>("removePlanButton"), Qt::LeftButton);
        QCOMPARE(table->columnCount(), 2);
        const QString csv = dir.filePath("cmp.csv"), pdf = dir.filePath("cmp.pdf");
        cmp->exportCsv(csv);
        cmp->exportPdf(pdf);
        QCOMPARE(QString::fromUtf8(fileBytes(csv)).count('\n'), table->rowCount() + 1);
        QVERIFY(fileBytes(pdf).startsWith("%PDF"));

        // The solver for the fields (45 m, GF 30/85, air).
        SolveDialog* solve = w->solveDialog();
        solve->target()->setCurrentIndex(planner::SolveTarget::NoDecompression);
        QTest::mouseClick(solve->findChild<QPushButton*>("solveButton"), Qt::LeftButton);
        QVERIFY2(solve->answer()->text().startsWith("longest bottom time: "),
                 qPrintable(solve->answer()->text()));
        QTest::mouseClick(solve->findChild<QPushButton*>("useSolvedButton"), Qt::LeftButton);
        QCOMPARE(QStringLiteral("longest bottom time: %1 min for no decompression")
                     .arg(w->dive_time->value()),
                 solve->answer()->text());

        // A log straight up from 40 m to 3 m: above the ceiling; the same with stops: not.
        set(w, "dive_depth=40 dive_time=25 gas_2=0 gas_3=0 gas_4=0 gas_5=0");
        for (const bool broken : {true, false}) {
            DiveProfile log;
            const QVector<QPointF> points =
                broken ? QVector<QPointF>{{0, 0}, {2, 40}, {25, 40}, {29, 3}, {45, 3}, {46, 0}}
                       : QVector<QPointF>{{0, 0},  {2, 40}, {25, 40}, {28, 12}, {29, 12}, {30, 9},
                                          {33, 9}, {34, 6}, {40, 6},  {41, 3},  {55, 3},  {56, 0}};
            for (const QPointF& p : points)
                log.addPoint(p.x(), p.y());
            log.setGas(0, 1);
            const QString file = dir.filePath(broken ? "broken.uddf" : "clean.uddf");
            logbook::save(log, file, &planner::currentImage());
            LogCheckInterface* check = w->logCheck();
            check->logFile()->setText(file);
            QTest::mouseClick(check->findChild<QPushButton*>("checkLogButton"), Qt::LeftButton);
            const QString report = check->report()->toPlainText();
            QVERIFY2(report.contains("above the ceiling from") == broken, qPrintable(report));
            QVERIFY2(report.contains("ceiling kept") != broken, qPrintable(report));
            QVERIFY(report.startsWith("max depth: plan 40.0 m, log 40.0 m (+0.0)"));
        }
    }

    // "Add log..." of the comparison: the picked log becomes a column whose figures are those
    // of the log replayed directly with the window's configuration, its depth the log check's.
    void comparisonAddsLog()
    {
        set(w, "gradientFactor=1 GF_low=30 GF_high=85 dive_depth=40 dive_time=25 gas_2=0 gas_3=0 "
               "gas_4=0 gas_5=0");
        DiveProfile drawn;
        for (const QPointF& p : {QPointF(0, 0), {2, 40}, {25, 40}, {29, 3}, {45, 3}, {46, 0}})
            drawn.addPoint(p.x(), p.y());
        drawn.setGas(0, 1);
        const QString file = dir.filePath("straight.uddf");
        logbook::save(drawn, file, &currentImage());
        CylinderInputs ten; // 10 l of 200 bar: too little for either, red in the table
        ten.litres[0] = 10;
        ten.fillBar[0] = 200;
        w->setCylinders(ten);
        PlanComparisonInterface* cmp = w->planComparison();
        QTest::mouseClick(cmp->findChild<QPushButton*>("addPlanButton"), Qt::LeftButton);
        whenModal([&](QWidget* d) { pickFile(d, file); });
        QTest::mouseClick(cmp->findChild<QPushButton*>("addLogButton"), Qt::LeftButton);
        QCOMPARE(cmp->table()->columnCount(), 2);
        QCOMPARE(cmp->table()->horizontalHeaderItem(1)->text(), QStringLiteral("straight"));

        planner::PlanRequest config = w->planRequest();
        DiveProfile log;
        logbook::load(log, file, &config.image);
        planner::PlanRequest r = planner::logReplay(log, config);
        r.ascent = r.gasVolumes = true;
        planner::PlanningCore core;
        const planner::PlanResult direct = core.plan(r);
        const planner::ComparedPlan& column = cmp->comparison().at(1);
        QVERIFY(column.log && direct.ok());
        QCOMPARE(column.result.surfacedSeconds, direct.surfacedSeconds);
        QCOMPARE(column.result.plan.ttsMinutes, direct.plan.ttsMinutes);
        QCOMPARE(column.result.maxPpO2Bar, direct.maxPpO2Bar);
        QCOMPARE(column.result.gasLitres[0], direct.gasLitres[0]);
        const QVector<planner::ComparisonRow> rows = cmp->comparison().rows();
        for (int row = 0; row < rows.size(); ++row)
            QCOMPARE(cmp->table()->item(row, 1)->text(),
                     planner::PlanComparison::cell(rows[row], 1));
        const int bar = cmp->table()->rowCount() - 1;
        QCOMPARE(cmp->table()->verticalHeaderItem(bar)->text(), QStringLiteral("Air (bar)"));
        QCOMPARE(rows[bar].values[1], double(direct.gasLitres[0] / 10.0f));
        for (int col = 0; col < 2; ++col)
            QVERIFY(cmp->table()->item(bar, col)->text().endsWith(" !") &&
                    cmp->table()->item(bar, col)->foreground().color() == QColor(200, 0, 0));
        // To the log's end the column's depth is the log check's.
        const planner::LogCheck check = planner::checkLog(log, w->planRequest());
        QVERIFY(check.error.isEmpty() && !check.logCurves.depth.isEmpty());
        QCOMPARE(column.curves.depth.mid(0, check.logCurves.depth.size()), check.logCurves.depth);
    }

    // "Dived with: Read from the computer": the computer's configuration, read into an image
    // of its own, is the log's, as a check made directly with it; the program's image stays;
    // a failed read is named in the report.
    void planAgainstLogReadFromComputer()
    {
        set(w, "gradientFactor=1 GF_low=30 GF_high=85 dive_depth=40 dive_time=25");
        w->applyParameters(true);
        const ConfigImage onComputer = onDevice([](OstcDevice& d) {
            d.image().setByte(ConfigImage::deco_type, ConfigImage::GfOc);
            d.image().setCf(Cf::GfLow, 90);
            d.image().setCf(Cf::GfHigh, 95);
            return d.image();
        });
        const ConfigImage before = currentImage();
        QVERIFY(!(onComputer == before));
        DiveProfile drawn;
        for (const QPointF& p : {QPointF(0, 0), {2, 40}, {25, 40}, {29, 3}, {45, 3}, {46, 0}})
            drawn.addPoint(p.x(), p.y());
        drawn.setGas(0, 1);
        const QString file = dir.filePath("computer.uddf");
        logbook::save(drawn, file, &before);

        LogCheckInterface* check = w->logCheck();
        check->logFile()->setText(file);
        check->divedWith()->setCurrentIndex(LogCheckInterface::ReadFromComputer);
        QTest::mouseClick(check->findChild<QPushButton*>("checkLogButton"), Qt::LeftButton);
        const QString report = check->report()->toPlainText();
        QVERIFY(currentImage() == before);
        DiveProfile log;
        ConfigImage dived = onComputer;
        logbook::load(log, file, &dived);
        QCOMPARE(report, planner::checkLog(log, w->planRequest(), &dived).lines().join('\n'));
        // The same log with the current configuration reads otherwise.
        check->divedWith()->setCurrentIndex(LogCheckInterface::CurrentConfiguration);
        QTest::mouseClick(check->findChild<QPushButton*>("checkLogButton"), Qt::LeftButton);
        QVERIFY(check->report()->toPlainText() != report);

        OstcFaults faults;
        faults.badSerial = true;
        onDevice([&](OstcDevice& d) { d.setFaults(faults); });
        check->divedWith()->setCurrentIndex(LogCheckInterface::ReadFromComputer);
        QTest::mouseClick(check->findChild<QPushButton*>("checkLogButton"), Qt::LeftButton);
        QVERIFY2(check->report()->toPlainText().startsWith(
                     "The configuration was not read from the computer: FAILED: ") &&
                     check->report()->toPlainText().contains("EEPROM: bad serial"),
                 qPrintable(check->report()->toPlainText()));
        QVERIFY(currentImage() == before);
    }

    // The cases of data/plans.txt: the planning core makes the window's plan, line for line,
    // and leaves the window's dive where it was.
    // The plan sheet from its button: the contingency set of the fields, the broken reserve
    // in red, the cylinders kept with the parameters, the window's own dive untouched.
    void planSheet_data() { dataRows("plan_sheet.txt"); }
    void planSheet()
    {
        QFETCH(QStringList, c);
        set(w, c[1]);
        const int runTime = planner::runState().runTime;
        QTest::mouseClick(w->findChild<QPushButton*>("planSheetButton"), Qt::LeftButton);
        auto* sheet = w->findChild<PlanSheetInterface*>("planSheet");
        QVERIFY(sheet);
        QString cylinders = c[2];
        const int rule = cylinders.section("reserveRule=", 1).toInt();
        cylinders.remove(QRegularExpression("reserveRule=\\d"));
        set(sheet, cylinders);
        if (c[2].contains("reserveRule")) // otherwise the default of a new set, two thirds
            sheet->findChild<QComboBox*>("reserveRule")->setCurrentIndex(rule);
        QTest::mouseClick(sheet->findChild<QPushButton*>("sheetUpdate"), Qt::LeftButton);

        auto* table = sheet->findChild<QTableWidget*>("contingencyTable");
        QStringList names, red;
        for (int r = 0; r < table->rowCount(); ++r) {
            names << table->item(r, 0)->text();
            for (int col = 1; col < table->columnCount(); ++col)
                if (table->item(r, col) && table->item(r, col)->foreground().color() != Qt::black &&
                    table->item(r, col)->foreground().style() != Qt::NoBrush)
                    red << QString("%1:%2").arg(r).arg(table->horizontalHeaderItem(col)->text());
        }
        QCOMPARE(names.join(','), c[3]);
        QCOMPARE(red.join(' '), c[4]);
        QCOMPARE(planner::runState().runTime, runTime);

        QSettings saved(dir.filePath("sheet.div"), QSettings::IniFormat);
        w->save(&saved);
        const CylinderInputs back = ParamFile::loadCylinders(saved);
        QCOMPARE(back.litres[0],
                 cylinders.section("cylinderLitres_1=", 1).section(' ', 0, 0).toInt());
        QCOMPARE(static_cast<int>(back.rule), c[2].contains("reserveRule") ? rule : 2);
    }

    // Scripts and the command line take a planning input by its field's name without the
    // window; each must hold what the field holds: the same kind, range and decimals.
    void planInputsAreTheFields()
    {
        for (const QString& name : planner::planParameterNames()) {
            double min = 0, max = 0;
            int decimals = 0;
            QVERIFY(planner::planParameterField(name, min, max, decimals));
            QWidget* field = w->findChild<QWidget*>(name);
            QVERIFY2(field, qPrintable(name));
            auto* integer = qobject_cast<QSpinBox*>(field);
            auto* decimal = qobject_cast<QDoubleSpinBox*>(field);
            if (decimals < 0) {
                QVERIFY2(qobject_cast<QAbstractButton*>(field), qPrintable(name));
            } else if (decimals == 0) {
                QVERIFY2(integer && integer->minimum() == min && integer->maximum() == max,
                         qPrintable(name));
            } else {
                QVERIFY2(decimal && decimal->decimals() == decimals && decimal->minimum() == min &&
                             decimal->maximum() == max,
                         qPrintable(name));
            }
        }
    }

    void planningCore_data() { dataRows("plans.txt"); }
    void planningCore()
    {
        QFETCH(QStringList, c);
        const bool gasVolumes = c[2] == "gasvolumes";
        planner::PlanningCore core;
        QVector<QStringList> windowLines, coreLines;
        QVector<QVector<int>> windowFigures, coreFigures;
        QStringList fields = {c[1], c[3]};
        fields.removeAll(QString());
        for (QString f : fields) {
            programOptions().verbose = f.contains("verbose=1");
            f.remove("verbose=1");
            // The fields by name without the window give the window's request.
            planner::PlanRequest named = w->planRequest();
            for (const QString& a : f.split(' ', Qt::SkipEmptyParts))
                QCOMPARE(planner::setPlanParameter(named, a.section('=', 0, 0), a.section('=', 1)),
                         QString());
            set(w, f);
            planner::PlanRequest request = w->planRequest();
            QVERIFY(named.image == request.image && named.depthMetres == request.depthMetres &&
                    named.bottomMinutes == request.bottomMinutes &&
                    named.interval == request.interval);
            request.keepMessages = true;
            request.ascent = !gasVolumes;
            request.gasVolumes = gasVolumes;
            const planner::RunState clock = planner::runState();
            const engine::engine_state before = planner::plannerEngine();
            const planner::PlanResult r = core.plan(request);
            QVERIFY(planner::runState().runTime == clock.runTime &&
                    std::equal(before.tissue_n2_bar, before.tissue_n2_bar + 16,
                               planner::plannerEngine().tissue_n2_bar));
            coreLines << r.messages;
            if (!r.ok())
                coreLines.last() << r.error;
            coreFigures << QVector<int>{r.noFlyMinutes, r.desaturationMinutes, r.gasLitres[0],
                                        r.gasLitres[1]};

            CollectingSink sink;
            w->consoleLog = [&sink](char kind, const QString& text) {
                if (kind == 'C')
                    sink.lines.clear();
                else
                    sink.message(text, kind == 'O');
            };
            QString thrown; // the event loop writes it as an unhandled exception
            try {
                w->simulateSlot();
                if (gasVolumes)
                    w->gasVolumesSlot();
                else
                    w->ascentSlot();
            } catch (const QString& text) {
                thrown = text;
            }
            w->consoleLog = nullptr;
            const engine::engine_state& s = planner::plannerEngine();
            windowLines << sink.lines;
            if (!thrown.isEmpty())
                windowLines.last() << thrown;
            const bool refused = !r.ok() && thrown == r.error;
            QVERIFY(r.ok() || refused);
            windowFigures << QVector<int>{
                gasVolumes ? 0 : s.io_nofly_time_min, gasVolumes ? 0 : s.out_desat_time_min,
                gasVolumes ? s.out_gas_volume_l[0] : 0, gasVolumes ? s.out_gas_volume_l[1] : 0};
            if (refused)
                windowFigures.last() = coreFigures.last();
        }
        programOptions().verbose = false;
        QCOMPARE(coreLines, windowLines);
        QCOMPARE(coreFigures, windowFigures);
        QVERIFY(!coreLines.first().isEmpty());
    }

    // The cases of data/cf_fields.txt: a CF value its field cannot hold is named in red, once,
    // with the value asked and the value the field will apply; a value it holds is not.
    void cfBeyondField_data() { dataRows("cf_fields.txt"); }
    void cfBeyondField()
    {
        QFETCH(QStringList, c);
        QStringList red;
        w->consoleLog = [&red](char, const QString& text) {
            if (text.contains("color='red'"))
                red << text;
        };
        const int n = c[1].toInt();
        currentImage().setCf(n, ConfigImage::defaultImage().cf(n));
        w->showParameters();
        QCOMPARE(red, QStringList());
        currentImage().setCf(n, static_cast<quint16>(c[2].toInt()));
        w->showParameters();
        QCOMPARE(red, QStringList("<font color='red'><b>" + c[3] + "</b></font>"));
        w->consoleLog = nullptr;
    }

    // Closed groups, and edits closed with the title bar (never applied), come back at the
    // next start with the options; legacy keys go. Update checks at start-up, from the menu,
    // and never from bathyra-cli.
    void restartAndUpdateChecks()
    {
        w->gasGB->setChecked(false);
        emit w->gasGB->clicked(false);
        QVERIFY(w->gasGB->maximumHeight() < 40);
        const QString edits = "O2_2=32 gas_2=1 depth_2=30 ccrMode=1 ppo2_1=1.3 dive_depth=62";
        set(w, edits);
        // A closed group stays closed when it is disabled.
        w->setpointGroup->setChecked(false);
        emit w->setpointGroup->clicked(false);
        w->ocrMode->setChecked(true);
        QVERIFY(!w->setpointGroup->isEnabled() && !w->setpointGroup->isChecked());
        w->ccrMode->setChecked(true);
        appSettings().setValue("Dive/verbose", true);
        appSettings().setValue("Dive/ppO2High", 1.4);
        // Start-up asks both update servers and goes on.
        LoopbackServer server;
        server.silent = true;
        for (const char* key : {"Updates/programServer", "Updates/firmwareServer"})
            appSettings().setValue(key, server.base());
        w->close();
        stop();
        const QSettings file(appSettingsPath(), QSettings::IniFormat);
        QVERIFY(file.value("Dive/verbose").toBool() && !file.contains("Dive/ppO2High") &&
                file.contains("Interface/splitter"));
        QVERIFY(file.value("Dive/bottom_depth").toInt() == 62 &&
                !file.value("Interface/setpointGroup").toBool());
        start(true);
        QTRY_COMPARE(server.requests.size(), 2); // both asked, neither will ever answer
        for (const QString& e : edits.split(' ')) {
            QObject* x = w->findChild<QObject*>(e.section('=', 0, 0));
            QCOMPARE(
                x->property(qobject_cast<QAbstractButton*>(x) ? "checked" : "value").toDouble(),
                e.section('=', 1).toDouble());
        }
        QVERIFY(currentImage().setpoint(1) == 130 && programOptions().verbose);
        QVERIFY(!w->gasGB->isChecked() && w->gasGB->maximumHeight() < 40 && w->decoGB->isChecked());
        // The menu action asks again; a newer firmware is announced in a box over the window.
        server.silent = false;
        server.answers["/autofirmware/firmware.txt"] = {200, QDate(2020, 5, 1), "Firmware 2.15"};
        server.answers["/autofirmware/ostc2.hex"] = {200, QDate(2020, 5, 2),
                                                     ":04000000DEADBEEFC4\n:00000001FF\n"};
        w->checkUpdatesAction->trigger();
        QTRY_VERIFY(QApplication::activeModalWidget() &&
                    QApplication::activeModalWidget()->windowTitle() ==
                        "Firmware 2.15 available...");
        server.requests.clear();
        appSettings().sync();
        QProcess cli;
        cli.start(BATHYRA_CLI,
                  {"--settings", appSettingsPath(), "--set", "dive_time=30", "simulate"});
        QVERIFY(cli.waitForFinished(120000) && cli.exitCode() == 0);
        QTest::qWait(300); // a request sent before the exit would be read by now
        QCOMPARE(server.requests, QStringList());
    }

    // .div files through the dialogs and refused for a bad image; the window's gas helpers.
    void divFilesAndGasHelpers()
    {
        // Cancelled dialogs change nothing; a missing folder falls back to the documents.
        appSettings().setValue("Planner/divePath", "/nonexistent/folder");
        set(w, "O2_3=50 gas_3=1 depth_3=21 dive_time=33 replayBreakOnStop=0");
        QStringList seen;
        whenModal([&seen](QWidget* d) { seen = pickFile(d); });
        w->loadDiveSlot();
        QCOMPARE(seen, (QStringList{"Load dive parameters...", documents()}));
        whenModal([](QWidget* d) { pickFile(d); });
        w->saveDiveSlot();
        QVERIFY(w->O2_3->value() == 50 &&
                appSettings().value("Planner/divePath") == "/nonexistent/folder");
        const QString file = dir.filePath("plan.div");
        whenModal([&](QWidget* d) { seen = pickFile(d, file); });
        w->saveDiveSlot();
        QVERIFY(seen.value(0) == "Save all parameters..." && QFile::exists(file));
        QCOMPARE(appSettings().value("Planner/divePath").toString(), dir.path());
        // Change everything, then load the file back; the dialog opens where it was saved.
        set(w, "O2_3=21 gas_3=0 dive_time=10 replayBreakOnStop=1");
        w->applyParameters(true);
        whenModal([&](QWidget* d) { seen = pickFile(d, file); });
        w->loadDiveSlot();
        QCOMPARE(seen, (QStringList{"Load dive parameters...", dir.path()}));
        QVERIFY(w->gas_3->isChecked() && !w->replayBreakOnStop->isChecked());
        QCOMPARE(QList<int>({w->O2_3->value(), w->depth_3->value(), w->dive_time->value()}),
                 QList<int>({50, 21, 33}));
        // No first gas chosen: 5 is stored; gas names, the best gas, a hypoxic gas at the surface.
        w->firstGroup->setExclusive(false);
        w->first_1->setChecked(false);
        w->applyParameters(true);
        QVERIFY(currentImage().byte(ConfigImage::first_gas) == 5 &&
                w->mod_sp1->text() == "Dil: 0/00, CCR max depth: 0m, EAD:---, END:---");
        set(w, "first_1=1 O2_2=18 He_2=45 gas_2=1 depth_2=30");
        w->applyParameters(true);
        QVERIFY(w->gasName(2) == "Tx18/45" && w->bestGasForDepth(29.0f) == 2);
        w->loadEngineGases();
        w->setDepth(0.0f);
        QCOMPARE(int(planner::plannerEngine().in_ppo2_cbar), 21);
        w->O2_1->setValue(12);
        w->applyParameters(true);
        w->loadEngineGases();
        QVERIFY_EXCEPTION_THROWN(w->setDepth(0.0f), QString);
        // A refused save leaves the file alone.
        QSettings(dir.filePath("nomodel.div"), QSettings::IniFormat).setValue("Gas0/active", "yes");
        w->load(
            std::make_unique<QSettings>(dir.filePath("nomodel.div"), QSettings::IniFormat).get());
        QCOMPARE(int(currentImage().byte(ConfigImage::deco_type)), 255);
        const QString target = dir.filePath("target.div");
        QSettings(target, QSettings::IniFormat).setValue("Dive/pressure", 950);
        const QByteArray before = fileBytes(target);
        w->save(std::make_unique<QSettings>(target, QSettings::IniFormat)
                    .get()); // as a script calls it
        QVERIFY(fileBytes(target) == before && console().contains("EEPROM: bad deco type"));
    }

    // A .div save that fails leaves the old file byte for byte, no temporary file beside it,
    // and a red console line naming the file and the system's reason.
    void failedDivSave_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << false << "File too large";
        QTest::newRow("read-only folder") << true << "Permission denied";
    }
    void failedDivSave()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, reason);
        if (readOnly && geteuid() == 0)
            QSKIP("a read-only folder does not stop root");
        const QDir folder(dir.filePath("saves"));
        QVERIFY(folder.mkpath("."));
        const QString file = folder.filePath("kept.div");
        const QByteArray old = "[Dive]\npressure=950\n";
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        f.close();
        QStringList red;
        w->consoleLog = [&red](char, const QString& text) {
            if (text.contains("color='red'"))
                red << text;
        };
        // The file dialog, then its question whether to replace the file.
        whenModal([&](QWidget* d) {
            whenModal(replaceFile);
            pickFile(d, file);
        });
        if (readOnly)
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        {
            std::unique_ptr<FullDisk> full(readOnly ? nullptr : new FullDisk(old.size() + 10));
            w->saveDiveSlot();
        }
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        w->consoleLog = nullptr;
        QCOMPARE(fileBytes(file), old);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList("kept.div"));
        QCOMPARE(red.size(), 1);
        QVERIFY2(red[0].contains("Parameters not saved: Cannot write '" + file + "': " + reason),
                 qPrintable(red[0]));
    }

    // A script that loops for ever, alone or in a suite, is stopped from the window: Stop is
    // on only while a script runs; the script ends with a red line naming it, nothing more of
    // the suite runs, and the window is free again.
    void stopRunningScript_data()
    {
        QTest::addColumn<bool>("suite");
        QTest::newRow("script") << false;
        QTest::newRow("suite") << true;
    }
    void stopRunningScript()
    {
        QFETCH(bool, suite);
        QVERIFY(!w->actionStopScript->isEnabled());
        const QDir folder(QDir::home().filePath(suite ? "suite" : "single"));
        QVERIFY(folder.mkpath("."));
        const QString loop = folder.filePath("a_loop.qs"), after = documents() + "/after.txt";
        QFile::remove(after);
        for (const auto& [name, text] :
             {qMakePair(loop, QByteArray("var i = 0;\nwhile (true)\n    ++i;\n")),
              qMakePair(folder.filePath("b_after.qs"),
                        QByteArray("ostc.File(\"after.txt\").write(\"ran\");\n"))}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        }
        QStringList red;
        w->consoleLog = [&red](char, const QString& text) {
            if (text.contains("color='red'"))
                red << text;
        };
        bool enabled = false;
        QObject scope; // ends the timer with the test
        QTimer::singleShot(300, &scope, [&] {
            enabled = w->actionStopScript->isEnabled() && w->busy();
            w->actionStopScript->trigger();
        });
        const ScriptRunResult r = suite ? runScriptSuite(w, folder.path()) : runScriptFile(w, loop);
        w->consoleLog = nullptr;
        QVERIFY(enabled);
        QCOMPARE(r.errors, QStringList("Script stopped: " + loop));
        QCOMPARE(red.size(), 1);
        QVERIFY2(red[0].contains("Script stopped: " + loop), qPrintable(red[0]));
        QVERIFY(!QFile::exists(after));
        QVERIFY(!w->actionStopScript->isEnabled() && !w->busy() && w->simulateButton->isEnabled());
    }

    void tenExceptionsEndTheProgram()
    {
        auto* app = static_cast<BathyraApplication*>(qApp);
        app->resetUnhandledCount();
        w->clearMessages();
        // Each slot throws a message text as the planning code does.
        for (int i = 1; i <= 10; ++i)
            QTimer::singleShot(i, w, [i] { throw QString("BAD MIX %1").arg(i); });
        QCOMPARE(app->exec(), -666);
        QCOMPARE(app->unhandledCount(), 10);
        QVERIFY(console().count("Unhandled exception: BAD MIX") == 10 &&
                console().contains("Unhandled exception: BAD MIX 10"));
        app->resetUnhandledCount();
    }

    // Output keeps the diver's selection; a long trace is written in short paragraphs (each
    // is laid out again at every line added to it) and reads the same; clearing empties it.
    // A line written before the window is shown is there when it is.
    void consoleSelectionAndLongTrace()
    {
        InterfaceBase c;
        QString expected = "* desaturation factor (CF12) = 90 %\n";
        c.message(expected.trimmed());
        c.show();
        QTextCursor selection(c.textEdit->document());
        selection.setPosition(2);
        selection.setPosition(15, QTextCursor::KeepAnchor);
        c.textEdit->setTextCursor(selection);
        for (int i = 0; i < 2000; ++i) {
            c.message(QString("%1 SWITCH").arg(i));
            expected += QString("%1 SWITCH\n").arg(i);
        }
        c.message("Reading 10%", true);
        c.message("Reading 20%", true);
        QCOMPARE(c.textEdit->toPlainText(), expected + "Reading 20%");
        QCOMPARE(c.textEdit->textCursor().selectedText(), QString("desaturation "));
        QVERIFY(c.textEdit->document()->blockCount() > 10);
        c.textEdit->setTabStopDistance(40);
        c.clearMessages();
        QVERIFY(c.textEdit->document()->isEmpty() && !c.getMessages().contains("SWITCH"));
        QCOMPARE(c.textEdit->tabStopDistance(), 12.0);
    }

    // The reset empties the settings and the image; a language switched in the dialog
    // changes the open windows at once (with the next events, as the user sees it).
    void settingsResetAndLanguageSwitch()
    {
        w->O2_1->setValue(32);
        w->applyParameters(true);
        for (const char* key : {"Interface/width", "Dive/verbose", "Interface/decoGB"})
            appSettings().setValue(key, 1);
        whenModal([](QWidget* d) {
            static_cast<Settings*>(d)->resetSettingsPB->click();
            static_cast<Settings*>(d)->accept();
        });
        w->settingsSlot();
        QVERIFY(currentImage().gasO2(1) == 21 && w->O2_1->value() == 21);
        QVERIFY(!appSettings().contains("Interface/width") &&
                !appSettings().contains("Interface/decoGB"));
        // Accepting after the reset stores only the dialog's own options.
        QCOMPARE(appSettings().value("Dive/verbose").toBool(), false);

        PlotInterface plot;
        plot.setup(true, 30);
        plot.show();
        w->helpSlot();
        ProfileEditorInterface* editor = w->profileEditor();
        CF_Editor_Interface cfEditor;
        cfEditor.show();
        Settings dialog(w);
        const QString english = w->simulateButton->text();
        const auto cfLabel = [&cfEditor] { return cfEditor.cfLabel(16)->text(); };
        dialog.languageSlot(5);
        QTRY_COMPARE(w->menuFile->title(), QString::fromUtf8("&Файл"));
        QTRY_COMPARE(dialog.windowTitle(), QString::fromUtf8("Настройки Bathyra"));
        QTRY_COMPARE(plot.plot()->axisTitle(QwtPlot::yLeft).text(),
                     QString::fromUtf8("Глубина [м]"));
        QCOMPARE(w->helpWindow()->windowTitle(), QString::fromUtf8("Справка Bathyra"));
        QCOMPARE(editor->plot->axisTitle(QwtPlot::yLeft).text(), QString::fromUtf8("глубина [м]"));
        QCOMPARE(cfLabel(),
                 QCoreApplication::translate("CF menu (15 char max)", "Deco Offset [m]") +
                     " (CF16)");
        QVERIFY(!cfLabel().startsWith("Deco"));
        // A text of the device code, translated where it is thrown.
        try {
            (void)ConfigImage::cfDefinition(ConfigImage::CfCount);
            QFAIL("no error");
        } catch (const QString& text) {
            QCOMPARE(text, QString::fromUtf8("Нет пользовательской функции CF96"));
        }
        // Custom function labels fit the editor's 15 characters.
        for (int n = 0; n < ConfigImage::CfCount; ++n) {
            const QString text = QCoreApplication::translate("CF menu (15 char max)",
                                                             ConfigImage::cfDefinition(n).label);
            QVERIFY2(!text.isEmpty() && text.size() <= 15, qPrintable(text));
        }
        // Qt's own texts come from its installed translations.
        dialog.languageSlot(0);
        QTRY_COMPARE(dialog.buttonBox->button(QDialogButtonBox::Cancel)->text(),
                     QString("Abbrechen"));
        // English has no file: the source texts come back.
        dialog.languageSlot(1);
        QTRY_COMPARE(w->simulateButton->text(), english);
        QTRY_COMPARE(dialog.windowTitle(), QString("Bathyra settings"));
        QCOMPARE(cfLabel(), QString("Deco Offset [m] (CF16)"));
    }

    // The cases of data/languages.txt: a locale whose country has no translation speaks its
    // language; the dialog shows the language the program speaks.
    void languages_data() { dataRows("languages.txt"); }
    void languages()
    {
        QFETCH(QStringList, c);
        QCOMPARE(Settings::defaultLanguage(c[1]), c[2]);
        appSettings().setValue("Interface/lang", c[3].isEmpty() ? c[2] : c[3]);
        Settings dialog(w);
        QCOMPARE(dialog.languageMenu->currentText(), c[4]);
    }

    // The cases of data/open_files.txt: a file named on the command line, a parameter file by
    // its ending and a logbook file otherwise, opened as Load and the profile's Load open them.
    void openFile_data() { dataRows("open_files.txt"); }
    void openFile()
    {
        QFETCH(QStringList, c);
        QFile::copy(BATHYRA_SOURCE_DIR "/tests/device/data/legacy.div", dir.filePath("PLAN.DIV"));
        QFile notes(dir.filePath("notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("a text\n") > 0);
        notes.close();
        QString file = c[1];
        file.replace("%S", BATHYRA_SOURCE_DIR).replace("%d", dir.path());
        QStringList red;
        w->consoleLog = [&red](char, const QString& text) {
            if (text.contains("color='red'"))
                red << text;
        };
        const bool opened = w->openFile(file);
        w->consoleLog = nullptr;
        QCOMPARE(opened, c[2] == "1");
        for (const QString& value : c[3].split(' ', Qt::SkipEmptyParts)) {
            const auto* box = w->findChild<QSpinBox*>(value.section('=', 0, 0));
            QVERIFY2(box && box->value() == value.section('=', 1).toInt(), qPrintable(value));
        }
        QCOMPARE(w->currentProfile() ? QString::number(w->currentProfile()->points()) : QString(),
                 c[4]);
        QCOMPARE(w->replayMode->isChecked(), c[5] == "1");
        QCOMPARE(red.size(), c[6].isEmpty() ? 0 : 1);
        if (!c[6].isEmpty())
            QVERIFY2(red[0].contains(QString(c[6]).replace("%d", dir.path())), qPrintable(red[0]));
    }

    // The cases of data/help_pages.txt: the help page follows the language, at once, and lists
    // its sections.
    void helpPages_data() { dataRows("help_pages.txt"); }
    void helpPages()
    {
        QFETCH(QStringList, c);
        w->helpSlot();
        QVERIFY(w->helpWindow()->toPlainText().contains("Planning a dive"));
        programOptions().language = c[0];
        Settings::loadTranslations();
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(w, &change);
        QVERIFY2(w->helpWindow()->toPlainText().contains(c[1]),
                 qPrintable(w->helpWindow()->toPlainText().left(200)));
        // The contents list the build writes links every section.
        const QString html = w->helpWindow()->toHtml();
        QVERIFY(html.count("<a name=\"") >= 12);
        QCOMPARE(html.count("<a href=\"#"), html.count("<a name=\""));
        w->helpWindow()->close();
    }

    // The special texts of the form's spin boxes can be typed, as any value.
    void typedSpecialTexts()
    {
        for (QSpinBox* box : {w->interval, w->gas_switch_delay, w->extra_time}) {
            box->setValue(box->minimum() + 5);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, box->specialValueText());
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->text(), box->specialValueText());
            QCOMPARE(box->value(), box->minimum());
        }
    }

    // Beta features show at once when the dialog is accepted, and go when they are turned off.
    void betaFeaturesAtOnce()
    {
        for (bool on : {true, false}) {
            whenModal([on](QWidget* d) {
                static_cast<Settings*>(d)->betaCB->setChecked(on);
                static_cast<Settings*>(d)->accept();
            });
            w->settingsSlot();
            QCOMPARE(!w->replayMode->isHidden() && !w->replayGB->isHidden(), on);
        }
    }

    // Download refreshes the widgets; upload sends what they show with the clock; a failed
    // download keeps the image; the screen-dump and firmware dialogs.
    void deviceCommands()
    {
        const ConfigImage onComputer = onDevice([](OstcDevice& d) { return d.image(); });
        QVERIFY(!(onComputer == currentImage()));
        w->downloadCFButton->click();
        QVERIFY2(console().contains(
                     QString("Reading OSTC %1 done.").arg(onComputer.word(ConfigImage::serial))),
                 qPrintable(console()));
        QVERIFY(currentImage() == onComputer && w->O2_5->value() == onComputer.gasO2(5) &&
                w->GF_low->value() == onComputer.cf(32));
        // Edited in the window, never applied by a run; the refresh after the write shows them.
        const int o2 = w->O2_2->value() == 50 ? 51 : 50, gfHigh = w->GF_high->value() - 5;
        set(w, QString("O2_2=%1 GF_high=%2").arg(o2).arg(gfHigh));
        programOptions().autoSetDateTime = true;
        w->uploadCFButton->click();
        QVERIFY2(console().contains("Programming OSTC") &&
                     console().contains("Date and time set to"),
                 qPrintable(console()));
        QCOMPARE(onDevice([](OstcDevice& d) {
                     return QList<int>({d.image().gasO2(2), d.image().cf(33),
                                        int(d.clock().size() == 6 ? d.clock()[5] : -1)});
                 }),
                 QList<int>({o2, gfHigh, QDate::currentDate().year() % 100}));
        QVERIFY(w->O2_2->value() == o2 && w->GF_high->value() == gfHigh);

        OstcFaults faults;
        faults.badSerial = true;
        onDevice([&](OstcDevice& d) { d.setFaults(faults); });
        const ConfigImage before = currentImage();
        w->O2_2->setValue(o2 + 1);
        w->actionDownload->trigger();
        QVERIFY2(console().contains("FAILED:") && console().contains("EEPROM: bad serial"),
                 qPrintable(console()));
        QVERIFY(currentImage() == before && w->O2_2->value() == o2 + 1);
        // The screen dump is saved where chosen; the next opens there, and cancelling saves
        // nothing and keeps the folder.
        onDevice([](OstcDevice& d) { d.setFaults(OstcFaults()); });
        QStringList seen;
        whenModal([&](QWidget* d) { seen = pickFile(d, dir.filePath("dump")); });
        w->screenDumpButton->click();
        QCOMPARE(seen, (QStringList{"Save screen dump...", documents()}));
        QVERIFY(w->getMessages().contains("data:image/png;base64,"));
        QCOMPARE(QImage(dir.filePath("dump.png")).convertToFormat(QImage::Format_RGB32),
                 OstcDevice::diveScreen().convertToFormat(QImage::Format_RGB32));
        whenModal([&](QWidget* d) { seen = pickFile(d); });
        w->screenDumpSlot();
        QCOMPARE(seen.value(1), dir.path());
        QCOMPARE(QDir(dir.path()).entryList({"*.png"}), QStringList{"dump.png"});
        QCOMPARE(appSettings().value("Planner/dumpPath").toString(), dir.path());
        // Firmware: a cancelled dialog does nothing; a refused block fails the upgrade.
        QDir().mkpath(SerialOSTC::firmwareFolder());
        whenModal([&](QWidget* d) { seen = pickFile(d); });
        const QString shown = console();
        w->upgradeFWButton->click();
        QCOMPARE(seen, (QStringList{"Firmware...", SerialOSTC::firmwareFolder()}));
        QCOMPARE(console(), shown);
        QFile hex(dir.filePath("fw.hex"));
        QVERIFY(hex.open(QIODevice::WriteOnly) &&
                hex.write(":0400000001020304F2\n:00000001FF\n") > 0 && hex.flush());
        faults.refuseBlockAt = 64;
        faults.badSerial = false;
        onDevice([&](OstcDevice& d) { d.setFaults(faults); });
        whenModal([&](QWidget* d) { pickFile(d, hex.fileName()); });
        w->upgradeFWSlot();
        QVERIFY2(console().contains("Loading 'fw.hex'") &&
                     console().contains("UPGRADE FAILED: Bad checksum at 0x000040"),
                 qPrintable(console()));
        QCOMPARE(onDevice([](OstcDevice& d) { return d.refusedBlocks(); }), 1);
    }

    void editProfile()
    {
        // Headless runs whose lines are collected, air and EAN50 from 21 m; the edit
        // command lives in the replay group.
        w->setHeadless(true);
        w->consoleLog = [this](char kind, const QString& text) {
            kind == 'C' ? lines.clear() : (void)(lines << text);
        };
        set(w, "gas_2=1 O2_2=50 depth_2=21 replayMode=1");
        edit(w, "25x40,10x21", 27, 2, true);
        QVERIFY(w->replayMode->isChecked());
        QCOMPARE(w->currentProfile()->depths(), QVector<double>({0, 40, 40, 21, 21}));
        w->runProfilePB->click();
        const QStringList drawn = lines;
        for (const char* text : {"SWITCH Gas#1 -> Gas#2",
                                 "==== OC Runtime ====", "<td align='right'>3 m</td>", "TTS = "})
            QVERIFY2(drawn.join('\n').contains(text), text);
        // The same dive built point by point replays to the same lines.
        auto built = std::make_unique<DiveProfile>();
        for (auto [t, d] : {std::pair{0, 0}, {2, 40}, {25, 40}, {27, 21}, {35, 21}})
            built->addPoint(t, d);
        built->setGas(0, 1);
        built->setGas(27, 2);
        w->setCurrentProfile(std::move(built));
        w->runProfilePB->click();
        QCOMPARE(lines, drawn);
        // The editor is kept; each edit starts from the last profile and hands a new one back.
        ProfileEditorInterface* editor = w->profileEditor();
        for (int round = 1; round <= 2; ++round) {
            const DiveProfile* before = w->currentProfile();
            const int points = before->points();
            QCOMPARE(edit(w, QString("5x%1").arg(10 * round), -1, 0, true), editor);
            QVERIFY(w->currentProfile() != before && !w->currentProfile()->depthCurve()->plot());
            QCOMPARE(w->currentProfile()->points(), points + 2);
        }
        // Closing the editor leaves the current profile as it was.
        const DiveProfile* kept = w->currentProfile();
        edit(w, "5x45", -1, 0, false);
        QVERIFY(w->currentProfile() == kept && kept->diveDepth() == 40.0f);
        w->runProfilePB->click();
        QVERIFY(lines.join('\n').contains("Runtime"));
        // The settings object reopened between two uses: the editor reads the new one.
        closeAppSettings();
        whenModal([](QWidget* dialog) {
            whenModal([](QWidget* files) { files->close(); });
            qobject_cast<ProfileEditorInterface*>(dialog)->loadB->click();
            dialog->close();
        });
        w->editProfilePB->click();
        QCOMPARE(w->currentProfile(), kept);
    }

    // The busy state, for each command during each outer command; a command that is off
    // stays off when the busy state ends.
    void commandDuringCommand_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        for (const QString outer : {"simulate", "set clock", "script"})
            for (const auto& inner : commands)
                QTest::newRow(qPrintable(inner.first + " during " + outer)) << outer << inner.first;
    }
    void commandDuringCommand()
    {
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        set(w, "O2_1=32 dive_time=3 dive_depth=72"); // deep enough for the highest CNS bands
        w->actionRun_tests->setEnabled(false);
        bool busy = false, greyed = false, dialog = false;
        QStringList before, after;
        QObject scope; // ends the timers below with the test
        QTimer::singleShot(0, &scope, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            busy = w->busy() && cursor && cursor->shape() == Qt::BusyCursor;
            greyed = !w->simulateButton->isEnabled() && !w->actionDownload->isEnabled() &&
                     !w->loadButton->isEnabled() && !w->actionSettings->isEnabled();
            // A dialog the command should never have opened is closed again.
            QTimer::singleShot(200, &scope, [&] {
                if (QWidget* d = QApplication::activeModalWidget())
                    dialog = d->close();
            });
            before = snapshot(w);
            commands.at(inner)(w);
            after = snapshot(w);
        });
        commands.at(outer)(w);
        QVERIFY(busy && greyed && !dialog);
        QCOMPARE(after, before);
        // Afterwards all is back, and what was disabled before stays so.
        QVERIFY(!w->busy() && !QApplication::overrideCursor() && w->simulateButton->isEnabled());
        QVERIFY(w->actionDownload->isEnabled() && !w->actionRun_tests->isEnabled());
    }
};

int main(int argc, char** argv)
{
    BathyraApplication app(argc, argv);
    app.setStyleSheet(styleSheet());
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_window.moc"
