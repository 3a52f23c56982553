// The main window's Edit profile command: a dive drawn in the editor (legs and a gas change
// clicked on the plot) becomes the current profile and replays to its stops exactly as the
// same dive built point by point; the editor is made once and kept; closing it changes
// nothing; profiles handed back and forth stay valid (run under AddressSanitizer).
#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "planner/dive_parameters.h"
#include "profiles/dive_profile.h"

#include "../profiles/editor_driver.h"
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <qwt_plot_curve.h>

namespace
{

// Draws legs ("25x40,10x21") in the editor, then a gas change on the point nearest a time.
void draw(ProfileEditorInterface* e, const QString& legs, double gasMinutes = -1, int gas = 0)
{
    for (const QString& leg : legs.split(','))
        addLeg(*e, leg.section('x', 0, 0).toDouble(), leg.section('x', 1, 1).toDouble());
    if (gasMinutes >= 0)
        setGasAt(*e, gasMinutes, gas);
}

// Runs the edit command; the editor is answered by drawing and then Ok or closing.
void edit(Bathyra_Interface* w, std::function<void(ProfileEditorInterface*)> drawing, bool ok)
{
    whenModal([drawing, ok](QWidget* dialog) {
        auto* e = qobject_cast<ProfileEditorInterface*>(dialog);
        if (e)
            drawing(e);
        if (ok && e)
            e->okB->click();
        else
            dialog->close();
    });
    w->editProfilePB->click();
}

} // namespace

class TestProfileEditorWindow : public QObject
{
    Q_OBJECT

    Bathyra_Interface* w = nullptr;
    QStringList lines;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        closeAppSettings();
        QFile::remove(appSettingsPath());
        planner::currentImage() = ConfigImage::defaultImage();
        w = new Bathyra_Interface;
        w->showParameters();
        w->setHeadless(true);
        w->show();
        lines.clear();
        w->consoleLog = [this](char kind, const QString& text) {
            if (kind == 'C')
                lines.clear();
            else
                lines << text;
        };
        // Air, and EAN50 from 21 m.
        w->gas_2->setChecked(true);
        w->O2_2->setValue(50);
        w->depth_2->setValue(21);
        w->replayMode->setChecked(true); // the edit command lives in the replay group
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void drawnDiveReplaysToItsStops()
    {
        edit(
            w, [](ProfileEditorInterface* e) { draw(e, "25x40,10x21", 27, 2); }, true);
        const DiveProfile* drawn = w->currentProfile();
        QVERIFY(drawn);
        QCOMPARE(drawn->times(), QVector<double>({0, 2, 25, 27, 35}));
        QCOMPARE(drawn->depths(), QVector<double>({0, 40, 40, 21, 21}));
        QCOMPARE(drawn->gasAt(26.9), 1);
        QCOMPARE(drawn->gasAt(27), 2);
        QVERIFY(w->replayMode->isChecked());

        w->runProfilePB->click();
        const QStringList fromEditor = lines;
        const QString report = fromEditor.join('\n');
        QVERIFY2(report.contains("SWITCH Gas#1 -> Gas#2"), qPrintable(report));
        QVERIFY2(report.contains("==== OC Runtime ===="), qPrintable(report));
        QVERIFY2(report.contains("<td align='right'>3 m</td>"), qPrintable(report));
        QVERIFY2(report.contains("TTS = "), qPrintable(report));

        // The same dive built point by point replays to the same lines.
        auto built = std::make_unique<DiveProfile>();
        for (auto [t, d] : {std::pair{0, 0}, {2, 40}, {25, 40}, {27, 21}, {35, 21}})
            built->addPoint(t, d);
        built->setGas(0, 1);
        built->setGas(27, 2);
        w->setCurrentProfile(std::move(built));
        w->runProfilePB->click();
        QCOMPARE(lines, fromEditor);
    }

    void editorIsKeptAndHandsProfilesBackAndForth()
    {
        ProfileEditorInterface* editor = nullptr;
        for (int round = 1; round <= 3; ++round) {
            const DiveProfile* before = w->currentProfile();
            edit(
                w,
                [&editor, round](ProfileEditorInterface* e) {
                    QVERIFY(!editor || editor == e);
                    editor = e;
                    QCOMPARE(e->undoStack().size(), 0);
                    draw(e, QString("5x%1").arg(10 * round));
                },
                true);
            QVERIFY(w->currentProfile() != before);
            QCOMPARE(w->currentProfile()->points(), 1 + 2 * round);
            QCOMPARE(w->currentProfile()->depthCurve()->plot(), nullptr);
        }
        QVERIFY(editor);
        QCOMPARE(w->profileEditor(), editor);

        // Closing the editor leaves the current profile as it was.
        const DiveProfile* kept = w->currentProfile();
        edit(
            w, [](ProfileEditorInterface* e) { draw(e, "5x45"); }, false);
        QCOMPARE(w->currentProfile(), kept);
        QCOMPARE(kept->points(), 7);
        QCOMPARE(kept->diveDepth(), 30.0f);
        w->runProfilePB->click();
        QVERIFY(lines.join('\n').contains("Runtime"));
    }

    // A run lets events through every cycle: the edit command then does nothing, so the
    // profile being replayed is never replaced under the run.
    void noEditDuringARun()
    {
        w->replayMode->setChecked(false);
        bool tried = false;
        w->cycleHook = [this, &tried](const char*, int) {
            if (tried)
                return;
            tried = true;
            QTimer::singleShot(500, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
            w->editProfileSlot(); // as a script would; the button sits in the replay group
        };
        w->simulateButton->click();
        QVERIFY(tried);
        QVERIFY(!w->findChild<ProfileEditorInterface*>());
    }
};

QTEST_MAIN(TestProfileEditorWindow)
#include "test_profile_editor_window.moc"
