// The main window's Edit profile command: a dive drawn in the editor (legs and a gas change
// clicked on the plot) becomes the current profile and replays to its stops exactly as the
// same dive built point by point; the editor is made once and kept; closing it changes
// nothing; profiles handed back and forth stay valid (run under AddressSanitizer).
#include "../profiles/editor_driver.h"
#include "profiles/dive_profile.h"
#include "window_fixture.h"

#include <QStandardPaths>
#include <qwt_plot_curve.h>

namespace
{

// Runs the edit command: legs ("25x40,10x21") drawn in the editor, a gas change on the point
// nearest a time (none when negative), then Ok or the dialog closed. Returns the editor.
ProfileEditorInterface* edit(Bathyra_Interface* w, const QString& legs, double gasMinutes, int gas,
                             bool ok)
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
        w = freshWindow();
        w->setHeadless(true);
        lines.clear();
        w->consoleLog = [this](char kind, const QString& text) {
            if (kind == 'C')
                lines.clear();
            else
                lines << text;
        };
        // Air, and EAN50 from 21 m; the edit command lives in the replay group.
        set(w, "gas_2=1 O2_2=50 depth_2=21 replayMode=1");
    }
    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void drawnDiveReplaysToItsStops()
    {
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
    }

    void editorIsKeptAndHandsProfilesBackAndForth()
    {
        ProfileEditorInterface* editor = w->profileEditor();
        for (int round = 1; round <= 3; ++round) {
            const DiveProfile* before = w->currentProfile();
            QCOMPARE(edit(w, QString("5x%1").arg(10 * round), -1, 0, true), editor);
            QVERIFY(w->currentProfile() != before);
            QCOMPARE(w->currentProfile()->points(), 1 + 2 * round); // edited from the last one
            QCOMPARE(w->currentProfile()->depthCurve()->plot(), nullptr);
        }
        // Closing the editor leaves the current profile as it was.
        const DiveProfile* kept = w->currentProfile();
        edit(w, "5x45", -1, 0, false);
        QCOMPARE(w->currentProfile(), kept);
        QCOMPARE(kept->diveDepth(), 30.0f);
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
