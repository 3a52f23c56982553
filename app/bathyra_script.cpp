// SPDX-License-Identifier: GPL-3.0-or-later
// Script slots of the main window and the runs they share with the command line.
#include "app/bathyra_script.h"

#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "script/script.h"

#include "device/config_image.h"
#include "engine/engine.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPointer>
#include <QSettings>
#include <QSpinBox>

namespace
{

// What the validation suite may change of the diver's state: the configuration image (every
// CF, not only those of the form), the replay flags, the engine and the run clock, every
// named field, box and group of the window, the current profile and the application settings
// (but for the update checks' keys, which a check running meanwhile may write). The function
// returned puts it all back.
std::function<void()> keepWindowState(Bathyra_Interface* w)
{
    const ConfigImage image = planner::currentImage();
    const ReplayFlags flags = planner::replayFlags();
    const engine::engine_state engine = planner::plannerEngine();
    const planner::RunState run = planner::runState();

    // The window's own fields; the dialogs it holds load theirs when they open.
    const auto own = [w](const QWidget* b) {
        return b->window() == w && !b->objectName().isEmpty();
    };
    QList<QPair<QPointer<QAbstractButton>, bool>> buttons;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (own(b) && b->isCheckable())
            buttons.append({b, b->isChecked()});
    QList<QPair<QPointer<QGroupBox>, bool>> groups;
    for (QGroupBox* g : w->findChildren<QGroupBox*>())
        if (own(g) && g->isCheckable())
            groups.append({g, g->isChecked()});
    QList<QPair<QPointer<QSpinBox>, int>> spins;
    for (QSpinBox* b : w->findChildren<QSpinBox*>())
        if (own(b))
            spins.append({b, b->value()});
    QList<QPair<QPointer<QDoubleSpinBox>, double>> decimals;
    for (QDoubleSpinBox* b : w->findChildren<QDoubleSpinBox*>())
        if (own(b))
            decimals.append({b, b->value()});

    std::shared_ptr<DiveProfile> profile;
    if (const DiveProfile* current = w->currentProfile()) {
        profile = std::make_shared<DiveProfile>();
        profile->assign(*current);
    }

    const auto kept = [](const QString& key) { return !key.startsWith(QLatin1String("Updates/")); };
    QMap<QString, QVariant> settings;
    QSettings& store = appSettings();
    for (const QString& key : store.allKeys())
        if (kept(key))
            settings.insert(key, store.value(key));

    return [=, w = QPointer<Bathyra_Interface>(w)] {
        planner::currentImage() = image;
        planner::replayFlags() = flags;
        planner::plannerEngine() = engine;
        planner::runState() = run;
        // An exclusive radio button is unchecked by checking another one.
        for (const auto& [button, checked] : buttons)
            if (button && (checked || !button->autoExclusive()))
                button->setChecked(checked);
        for (const auto& [group, checked] : groups)
            if (group)
                group->setChecked(checked);
        for (const auto& [box, value] : spins)
            if (box)
                box->setValue(value);
        for (const auto& [box, value] : decimals)
            if (box)
                box->setValue(value);
        if (w) {
            std::unique_ptr<DiveProfile> back;
            if (profile) {
                back = std::make_unique<DiveProfile>();
                back->assign(*profile);
            }
            w->setCurrentProfile(std::move(back));
        }
        QSettings& store = appSettings();
        for (const QString& key : store.allKeys())
            if (kept(key) && !settings.contains(key))
                store.remove(key);
        for (auto i = settings.cbegin(); i != settings.cend(); ++i)
            if (store.value(i.key()) != i.value())
                store.setValue(i.key(), i.value());
    };
}

ScriptWindow scriptWindow(Bathyra_Interface* w)
{
    ScriptWindow sw;
    sw.window = w;
    sw.settings = &appSettings();
    sw.console = w;
    sw.applyParameters = [w] { w->applyParameters(false); };
    sw.showParameters = [w] { w->showParameters(); };
    sw.profile = [w] { return w->currentProfile(); };
    sw.setProfile = [w](std::unique_ptr<DiveProfile> p) { w->setCurrentProfile(std::move(p)); };
    sw.plotWindow = [w]() -> QObject* { return w->divePlot(); };
    sw.keepState = [w] { return keepWindowState(w); };
    sw.planRequest = [w] { return w->planRequest(); };
    return sw;
}

// Only a shown window on a real display has someone to continue a stopped script.
bool interactive(const Bathyra_Interface* w)
{
    const QString platform = QGuiApplication::platformName();
    return !w->headless() && w->isVisible() && platform != QLatin1String("offscreen") &&
           platform != QLatin1String("minimal");
}

template <typename Work>
ScriptRunResult withHost(Bathyra_Interface* w, const QString& folder, Work work)
{
    ScriptRunResult result;
    // A script lets events run; neither a second script nor another command may start
    // meanwhile. The commands the script calls itself borrow the state (see the script host).
    BusyGuard busy;
    if (!busy)
        return result;
    w->applyParameters(false);
    Script host(scriptWindow(w), interactive(w), folder);
    // The window's Stop ends the script; a run without a window has its time limit instead.
    if (!w->headless()) {
        host.keepWindowResponsive();
        QObject::connect(w->actionStopScript, &QAction::triggered, &host, &Script::stop);
        w->actionStopScript->setEnabled(true);
    }
    work(host);
    w->actionStopScript->setEnabled(false);
    result.passed = host.passedChecks();
    result.failed = host.failedChecks();
    result.errors = host.errors();
    return result;
}

} // namespace

ScriptRunResult runScriptFile(Bathyra_Interface* window, const QString& file)
{
    return withHost(window, QString(), [&file](Script& host) { host.run(file); });
}

ScriptRunResult runScriptSuite(Bathyra_Interface* window, const QString& folder)
{
    return withHost(window, folder, [](Script& host) { host.runTests(); });
}

void Bathyra_Interface::runScriptSlot()
{
    // Patterns are separated by blanks: "*.qs;*.js" would be one pattern matching nothing.
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Run Script..."), Script::defaultTestDir(),
                                     tr("Bathyra Script (*.qs *.js)", "scrit format"));
    if (file.isEmpty())
        return;
    runScriptFile(this, file);
}

void Bathyra_Interface::runAllTestsSlot()
{
    runScriptSuite(this);
}
