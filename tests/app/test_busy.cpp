// One busy state for runs, device commands and scripts: a command reached from an event
// processed during a Simulate, a device command (setting the clock) or a script changes
// nothing (no console line, image, profile, engine, plot or dialog), and meanwhile the
// window greys out its commands under a busy cursor.
#include "app/bathyra_script.h"
#include "app/settings_dialog.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "window_fixture.h"

#include <QStandardPaths>
#include <map>
#include <memory>

namespace
{

using B = Bathyra_Interface;

// Everything a command could change.
QStringList snapshot(B* w)
{
    const auto hex = [](const void* p, int n) { return QByteArray(static_cast<const char*>(p), n).toHex(); };
    const PlotInterface* plot = w->divePlot();
    const DiveProfile* profile = w->currentProfile();
    return {w->textEdit->toPlainText(), hex(planner::currentImage().data(), ConfigImage::Size),
            hex(&planner::plannerEngine(), sizeof(engine::engine_state)), QString::number(quintptr(profile)),
            QString::number(profile ? profile->points() : -1), QString::number(planner::runState().runTime),
            QString::number(plot ? plot->curveList().size() + plot->itemList().size() : -1),
            QString::number(w->tissuePlot() != nullptr), QString::number(w->isVisible())};
}

const std::map<QString, std::function<void(B*)>> commands = {
    {"simulate", &B::simulateSlot}, {"ascent", &B::ascentSlot}, {"gas volumes", &B::gasVolumesSlot},
    {"add runtime", &B::addRuntimeSlot}, {"clear profile", &B::clearProfileSlot},
    {"pressure diagram", &B::pressureDiagramSlot}, {"download", &B::downloadOSTCSlot},
    {"upload", &B::uploadOSTCSlot}, {"set clock", &B::setDateTimeSlot}, {"screen dump", &B::screenDumpSlot},
    {"firmware", &B::upgradeFWSlot}, {"load", &B::loadDiveSlot}, {"save", &B::saveDiveSlot},
    {"settings", &B::settingsSlot}, {"exit", &B::closeAllWindows},
    {"reset all settings", [](B* w) { Settings(w).resetSettingsSlot(); }}, {"edit CF", &B::editCFSlot},
    {"edit profile", &B::editProfileSlot}, {"run tests", &B::runAllTestsSlot},
    // A script holds the state and lends it to the run it starts; in the test's own home,
    // since /tmp is shared with other runs.
    {"script", [](B* w) {
         QFile f(QDir::home().filePath("busy.qs"));
         if (f.open(QIODevice::WriteOnly) && f.write("mainWindow.simulateSlot();\n") > 0 && f.flush())
             runScriptFile(w, f.fileName());
     }}};

} // namespace

class TestBusy : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimulatedOstc> ostc;
    B* w = nullptr;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        ostc = std::make_unique<SimulatedOstc>();
        w = freshWindow();
        set(w, "O2_1=32 dive_time=3");
        // A command that is off stays off when the busy state ends.
        w->actionRun_tests->setEnabled(false);
    }
    void cleanup()
    {
        delete w;
        ostc.reset();
    }

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
        bool busy = false, greyed = false, dialog = false;
        QStringList before, after;
        // A dialog the command should never have opened is closed again.
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* d = QApplication::activeModalWidget())
                dialog = d->close();
        });
        QTimer::singleShot(0, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            busy = w->busy() && cursor && cursor->shape() == Qt::BusyCursor;
            greyed = !w->simulateButton->isEnabled() && !w->actionDownload->isEnabled() &&
                     !w->loadButton->isEnabled() && !w->actionSettings->isEnabled();
            closer.start(200);
            before = snapshot(w);
            commands.at(inner)(w);
            after = snapshot(w);
        });
        commands.at(outer)(w);
        QVERIFY(busy && greyed && !dialog);
        QCOMPARE(after, before);
        // Afterwards all is back, and what was disabled before stays so.
        QVERIFY(!w->busy() && !QApplication::overrideCursor());
        QVERIFY(w->simulateButton->isEnabled() && w->actionDownload->isEnabled() && !w->actionRun_tests->isEnabled());
    }
};

QTEST_MAIN(TestBusy)
#include "test_busy.moc"
