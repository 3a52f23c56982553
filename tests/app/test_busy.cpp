// One busy state for runs and device commands: a command reached from an event processed
// during a Simulate or a device command (setting the clock) changes nothing (no console
// line, image, profile, engine, plot or dialog), and meanwhile the window greys out its
// commands under a busy cursor.
#include "app/bathyra_interface.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "planner/dive_parameters.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "tools/ostc_simulator.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

namespace
{

// Everything a command could change.
QStringList snapshot(Bathyra_Interface* w)
{
    const engine::engine_state& s = planner::plannerEngine();
    PlotInterface* plot = w->divePlot();
    return {w->textEdit->toPlainText(),
            QString::fromLatin1(
                QByteArray(reinterpret_cast<const char*>(planner::currentImage().data()),
                           ConfigImage::Size)
                    .toHex()),
            QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(&s), sizeof s).toHex()),
            QString::number(quintptr(w->currentProfile())),
            QString::number(w->currentProfile() ? w->currentProfile()->points() : -1),
            QString::number(planner::runState().runTime),
            QString::number(plot ? plot->curveList().size() + plot->itemList().size() : -1),
            QString::number(w->tissuePlot() != nullptr),
            QString::number(w->isVisible())};
}

const std::map<QString, std::function<void(Bathyra_Interface*)>>& commands()
{
    static const std::map<QString, std::function<void(Bathyra_Interface*)>> all = {
        {"simulate", [](Bathyra_Interface* w) { w->simulateSlot(); }},
        {"ascent", [](Bathyra_Interface* w) { w->ascentSlot(); }},
        {"gas volumes", [](Bathyra_Interface* w) { w->gasVolumesSlot(); }},
        {"add runtime", [](Bathyra_Interface* w) { w->addRuntimeSlot(); }},
        {"pressure diagram", [](Bathyra_Interface* w) { w->pressureDiagramSlot(); }},
        {"clear profile", [](Bathyra_Interface* w) { w->clearProfileSlot(); }},
        {"download", [](Bathyra_Interface* w) { w->downloadOSTCSlot(); }},
        {"upload", [](Bathyra_Interface* w) { w->uploadOSTCSlot(); }},
        {"set clock", [](Bathyra_Interface* w) { w->setDateTimeSlot(); }},
        {"screen dump", [](Bathyra_Interface* w) { w->screenDumpSlot(); }},
        {"firmware", [](Bathyra_Interface* w) { w->upgradeFWSlot(); }},
        {"load", [](Bathyra_Interface* w) { w->loadDiveSlot(); }},
        {"save", [](Bathyra_Interface* w) { w->saveDiveSlot(); }},
        {"settings", [](Bathyra_Interface* w) { w->settingsSlot(); }},
        {"reset all settings", [](Bathyra_Interface* w) { Settings(w).resetSettingsSlot(); }},
        {"exit", [](Bathyra_Interface* w) { w->closeAllWindows(); }}};
    return all;
}

} // namespace

class TestBusy : public QObject
{
    Q_OBJECT

    std::unique_ptr<OstcDevice> device;
    std::unique_ptr<OstcPtyServer> server;
    Bathyra_Interface* w = nullptr;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        device = std::make_unique<OstcDevice>();
        server = std::make_unique<OstcPtyServer>(*device);
        QString error;
        QVERIFY2(server->start(&error), qPrintable(error));
        programOptions().port = server->slavePath();
        programOptions().autoSetDateTime = false;
        planner::currentImage() = ConfigImage::defaultImage();
        w = new Bathyra_Interface;
        w->showParameters();
        w->O2_1->setValue(32);
        w->dive_depth->setValue(30);
        w->dive_time->setValue(3);
        w->show();
    }

    void cleanup()
    {
        delete w;
        server.reset();
        device.reset();
    }

    void commandDuringCommand_data()
    {
        QTest::addColumn<QString>("outer");
        QTest::addColumn<QString>("inner");
        for (const QString outer : {"simulate", "set clock"})
            for (const auto& inner : commands())
                QTest::newRow(qPrintable(inner.first + " during " + outer)) << outer << inner.first;
    }

    void commandDuringCommand()
    {
        QFETCH(QString, outer);
        QFETCH(QString, inner);
        bool reached = false, busy = false, greyed = false, busyCursor = false, dialog = false;
        QStringList before, after;
        // A dialog the command should never have opened is closed again.
        QTimer closer;
        closer.setSingleShot(true);
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* d = QApplication::activeModalWidget()) {
                dialog = true;
                d->close();
            }
        });
        QTimer::singleShot(0, [&] {
            reached = true;
            busy = w->busy();
            greyed = !w->simulateButton->isEnabled() && !w->actionDownload->isEnabled() &&
                     !w->loadButton->isEnabled() && !w->actionSettings->isEnabled();
            busyCursor = QApplication::overrideCursor() &&
                         QApplication::overrideCursor()->shape() == Qt::BusyCursor;
            closer.start(200);
            before = snapshot(w);
            commands().at(inner)(w);
            after = snapshot(w);
        });
        commands().at(outer)(w);
        QVERIFY(reached);
        QVERIFY(busy);
        QVERIFY(greyed);
        QVERIFY(busyCursor);
        QVERIFY(!dialog);
        QCOMPARE(after, before);
        // Afterwards everything is back.
        QVERIFY(!w->busy());
        QVERIFY(w->simulateButton->isEnabled() && w->actionDownload->isEnabled() &&
                w->loadButton->isEnabled());
        QVERIFY(!w->actionEditCF->isEnabled()); // what was disabled before stays so
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestBusy)
#include "test_busy.moc"
