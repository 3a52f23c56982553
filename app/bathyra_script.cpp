// Script slots of the main window and the runs they share with the command line.
#include "app/bathyra_script.h"

#include "app/app_settings.h"
#include "app/bathyra_interface.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "script/script.h"

#include <QFileDialog>
#include <QGuiApplication>

namespace
{

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
    work(host);
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
