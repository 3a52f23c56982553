// SPDX-License-Identifier: GPL-3.0-or-later
// bathyra-cli: the planner without a display. It drives the real main window on Qt's
// offscreen platform through the same slots as the buttons, so its results are the
// program's results: parameter files, widget settings, logbook profiles, Simulate,
// Ascent and Gas volumes, the dive plot as an image, and the console as text or HTML,
// with an optional log of every console call and a CSV line per engine cycle; and the
// dive computer's commands (read, write, clock, screen copy, firmware) on a serial port,
// so that a computer can be backed up into a parameter file and restored from it; and
// scripts and the validation suite through the script host.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/bathyra_interface.h"
#include "app/bathyra_script.h"
#include "app/console_document.h"
#include "app/options.h"
#include "app/settings_dialog.h"
#include "app/version.h"
#include "cli/console_text.h"
#include "cli/plan_steps.h"
#include "cli/plan_tool_steps.h"
#include "cli/windowless_run.h"
#include "device/config_image.h"
#include "device/param_file.h"
#include "device/safe_file.h"
#include "device/serial_ostc.h"
#include "engine/engine.h"
#include "planner/dive_parameters.h"
#include "plot/plot_export.h"
#include "plot/plot_interface.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"
#include "script/widget_values.h"

#include <QAbstractButton>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVector>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <qwt_plot.h>
#include <thread>

namespace
{

const char* const usageText =
    "Usage: bathyra-cli [GLOBAL OPTIONS] STEP...\n"
    "The Bathyra decompression planner without a display: the main window's commands run\n"
    "one after the other, the console is printed on standard output at the end.\n"
    "\n"
    "Options:\n"
    "  -h, --help        print this help and exit\n"
    "  --version         print the version and the licence and exit\n"
    "\n"
    "Global options:\n"
    "  --params FILE     load a dive parameter file (.div) the way the main window's Load does\n"
    "  --settings FILE   application settings store, read at the start and written at the end\n"
    "                    (default: a private temporary one)\n"
    "  --verbose         verbose simulation option on (settings key Dive/verbose)\n"
    "  --messages FILE   log of every console call: \"M <text>\", \"O <text>\", \"C\"\n"
    "  --trace FILE      CSV, one line per engine cycle\n"
    "  --html            print the console as HTML instead of plain text\n"
    "  --port NAME       serial port of the dive computer (default: settings key OSTC/port)\n"
    "  --compare-out FILE\n"
    "                    write the table of a compare step as CSV (a compare step takes\n"
    "                    --plan-out FILE.csv for it too)\n"
    "  --time-limit SECONDS\n"
    "                    longest time one --script or --tests step may take (default 600);\n"
    "                    past it the run ends with exit code 1\n"
    "  --window          run every step in the hidden main window, also when none needs it\n"
    "                    (the same results; a run that only sets planning inputs and\n"
    "                    plans makes no window otherwise)\n"
    "\n"
    "Steps, executed in command-line order:\n"
    "  --set NAME=VALUE  set a main-window widget by object name, then apply the parameters\n"
    "  --profile FILE    load a logbook file as the current profile and switch to replay mode\n"
    "  simulate          press Simulate\n"
    "  ascent            press Ascent\n"
    "  gasvolumes        press Gas volumes\n"
    "  solve TARGET      the longest bottom time at dive_depth that keeps TARGET: ndl (no\n"
    "                    decompression), runtime MIN, tts MIN, stops MIN (total stop time)\n"
    "                    or reserve (every cylinder of the parameters within the reserve rule)\n"
    "  compare FILE.div...\n"
    "                    plan each parameter file as a new dive and print them side by side\n"
    "  check             the profile of --profile, replayed with the current configuration,\n"
    "                    against the plan of the current parameters: figures and the\n"
    "                    intervals spent above the ceiling\n"
    "  --save-plot FILE  save the dive plot window as an image (.svg .pdf .tif .png .jpg)\n"
    "  --save-params FILE\n"
    "                    save the parameters into a parameter file (.div) as Save does\n"
    "  download          read the dive computer's configuration into the parameters\n"
    "  upload            write the parameters' configuration to the dive computer\n"
    "  setclock          set the dive computer's clock to this computer's time\n"
    "  screendump FILE   copy the dive computer's screen into an image (.png .jpg .jpeg\n"
    "                    .tif .tiff; .png is appended otherwise)\n"
    "  firmware FILE.hex\n"
    "                    upgrade the dive computer's firmware\n"
    "  --script FILE     run a script file (.qs, .js) as Run script... does\n"
    "  --tests DIR       run the validation suite of a folder (DIR \"default\": the program's\n"
    "                    own) and print its summary \"N passed, M failed\"\n"
    "\n"
    "Exit status: 0 when every step succeeded, 2 for bad usage.\n"
    "A failed check or a script ended by an uncaught error (its report on standard error)\n"
    "ends the run with exit code 1.\n"
    "A failed device step prints its console lines and ends the run with exit code 1;\n"
    "the parameters and the settings store stay as they were before that step.\n";

const char* const traceHeader =
    "phase,time_s,ambient_mbar,ppo2_cbar,gas,n2_pct,he_pct,setpoint_cbar,status,ndl_min,"
    "first_stop_m,first_stop_min,tts_min,future_tts_min,ceiling_mbar,leading,leading_mbar,"
    "gf_pct,gf_rel_pct,cns_pct,stops";

struct Step {
    QString name;
    QString argument;
};

struct Command {
    QString params, settings, messages, trace, port, compareOut;
    bool help = false;
    bool version = false;
    bool verbose = false;
    bool html = false;
    bool window = false;
    int timeLimitS = 600;
    QVector<Step> steps;
    PlanCliOptions plan;
};

// A usage error: the message, then the usage text, exit code 2.
int usage(const QString& message)
{
    if (!message.isEmpty())
        std::fprintf(stderr, "bathyra-cli: %s\n", qPrintable(message));
    std::fputs(usageText, stderr);
    std::fprintf(stderr, "\nPlan options and steps:\n%s%s", planOptionsText, planUsageText);
    return 2;
}

// Parses the arguments; returns an error text, empty when they are well formed.
QString parse(const QStringList& args, Command& cmd)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& target) {
            if (i + 1 >= args.size())
                return false;
            target = args[++i];
            return true;
        };
        QString v;
        // The rest does not matter: the answer is the help or the version.
        if (a == "--help" || a == "-h") {
            cmd.help = true;
            return QString();
        }
        if (a == "--version") {
            cmd.version = true;
            return QString();
        }
        if (a == "--params" || a == "--settings" || a == "--messages" || a == "--trace") {
            if (!value(v))
                return QStringLiteral("%1 needs a file name").arg(a);
            (a == "--params"     ? cmd.params
             : a == "--settings" ? cmd.settings
             : a == "--messages" ? cmd.messages
                                 : cmd.trace) = v;
        } else if (a == "--compare-out") {
            if (!value(cmd.compareOut))
                return QStringLiteral("--compare-out needs a file name");
        } else if (clitools::isPlanToolStep(a)) {
            Step step{a, QString()};
            const QString error = clitools::takeArguments(args, i, step.argument);
            if (!error.isEmpty())
                return error;
            cmd.steps.append(step);
        } else if (a == "--port") {
            if (!value(v) || v.isEmpty())
                return QStringLiteral("--port needs a port name");
            cmd.port = v;
        } else if (a == "--time-limit") {
            bool ok = false;
            cmd.timeLimitS = value(v) ? v.toInt(&ok) : 0;
            if (!ok || cmd.timeLimitS <= 0)
                return QStringLiteral("--time-limit needs a number of seconds");
        } else if (a == "--verbose") {
            cmd.verbose = true;
        } else if (a == "--html") {
            cmd.html = true;
        } else if (a == "--window") {
            cmd.window = true;
        } else if (a == "--set") {
            if (!value(v) || !v.contains('=') || v.startsWith('='))
                return QStringLiteral("--set needs NAME=VALUE");
            cmd.steps.append({a, v});
        } else if (a == "--profile" || a == "--save-plot" || a == "--save-params" ||
                   a == "screendump" || a == "firmware" || a == "--script" || a == "--tests") {
            if (!value(v))
                return QStringLiteral("%1 needs a file name").arg(a);
            cmd.steps.append({a, v});
        } else if (a == "simulate" || a == "ascent" || a == "gasvolumes" || a == "download" ||
                   a == "upload" || a == "setclock") {
            cmd.steps.append({a, QString()});
        } else if (QString step, arg, error;
                   parsePlanArgument(args, i, cmd.plan, step, arg, error)) {
            if (!error.isEmpty())
                return error;
            if (!step.isEmpty())
                cmd.steps.append({step, arg});
        } else {
            return QStringLiteral("unknown argument \"%1\"").arg(a);
        }
    }
    if (cmd.steps.isEmpty() && cmd.plan.planOut.isEmpty())
        return QStringLiteral("no step given");
    return QString();
}

// "--set NAME=VALUE" on a widget of the main window; returns an error text.
QString setWidget(Bathyra_Interface* window, const QString& assignment)
{
    const QString name = assignment.section('=', 0, 0);
    const QString text = assignment.section('=', 1);
    QWidget* widget = window->findChild<QWidget*>(name);
    if (!widget)
        return QStringLiteral("no widget named \"%1\"").arg(name);
    using widget_values::Kind;
    const Kind kind = widget_values::kindOf(widget);
    if (kind == Kind::Toggle) {
        if (text != "true" && text != "false")
            return QStringLiteral("%1 takes true or false").arg(name);
        widget_values::setToggle(widget, text == "true");
        return QString();
    }
    if (qobject_cast<QAbstractButton*>(widget))
        return QStringLiteral("%1 takes true or false").arg(name);
    if (kind == Kind::IntegerBox || kind == Kind::DecimalBox) {
        if (widget_values::setSpecialText(widget, text))
            return QString();
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return QStringLiteral("%1 takes a number").arg(name);
        widget_values::setNumber(widget, v);
        return QString();
    }
    return QStringLiteral("widget \"%1\" cannot be set").arg(name);
}

QString escaped(QString text)
{
    return text.replace('\n', QLatin1String("\\n"));
}

QString traceLine(const char* phase, int time, const engine::engine_state& s)
{
    QString stops;
    for (int i = 0; i < engine::stop_count; ++i) {
        if (s.out_stop_depth_m[i] == 0)
            continue;
        if (!stops.isEmpty())
            stops += ' ';
        stops += QStringLiteral("%1:%2").arg(s.out_stop_depth_m[i]).arg(s.out_stop_time_min[i]);
    }
    const int values[] = {s.in_ambient_pressure_mbar,
                          s.in_ppo2_cbar,
                          s.in_current_gas,
                          s.in_n2_percent,
                          s.in_he_percent,
                          s.in_setpoint_cbar,
                          s.io_deco_status,
                          s.out_ndl_min,
                          s.out_first_stop_depth_m,
                          s.out_first_stop_time_min,
                          s.out_tts_min,
                          s.out_future_tts_min,
                          s.out_ceiling_mbar,
                          s.out_leading_tissue,
                          s.out_leading_tissue_mbar,
                          s.out_gf_percent,
                          s.out_gf_relative_percent,
                          s.out_cns_percent};
    QString line = QStringLiteral("%1,%2").arg(QLatin1String(phase)).arg(time);
    for (int v : values)
        line += ',' + QString::number(v);
    return line + ',' + stops;
}

// Opens an output file for writing; null with a message on failure.
// A log of the run (--messages, --trace): made in memory and saved whole when the run ends,
// so that a failed write (a full disk) leaves the old log as it was.
struct OutputLog {
    QString name;
    QByteArray bytes;
    QTextStream stream{&bytes, QIODevice::WriteOnly};
};

// A log whose folder takes a new file; null, with the reason on standard error, otherwise.
std::unique_ptr<OutputLog> openOutput(const QString& name)
{
    QSaveFile probe(name);
    probe.setDirectWriteFallback(false);
    if (!probe.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "bathyra-cli: cannot write %s: %s\n", qPrintable(name),
                     qPrintable(probe.errorString()));
        return nullptr;
    }
    probe.cancelWriting();
    auto log = std::make_unique<OutputLog>();
    log->name = name;
    return log;
}

// Saves a log; false, with the file and the reason on standard error, when it could not be
// written whole (the old file is kept then).
bool saveOutput(OutputLog* log)
{
    if (!log)
        return true;
    log->stream.flush();
    try {
        SafeFile::save(log->name, log->bytes);
    } catch (const QString& error) {
        std::fprintf(stderr, "bathyra-cli: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

bool isDeviceStep(const QString& name)
{
    return name == "download" || name == "upload" || name == "setclock" || name == "screendump" ||
           name == "firmware" || name == "--save-params";
}

// A device step that failed; its console lines are already written.
struct DeviceStepFailed {
};

// The parameter-file save of the main window's Save, into a named file. The parameters
// are the image as it stands (every --set has applied the widgets already), so a backup
// holds exactly what was read from the dive computer.
void saveParams(Bathyra_Interface* window, const QString& file)
{
    const auto failed = [window, &file](const QString& why) {
        const QString text = QStringLiteral("Parameters not saved into '%1': %2").arg(file, why);
        window->message(
            QStringLiteral("<font color='red'>%1</font>: %2").arg(QStringLiteral("FAILED"), text));
        std::fprintf(stderr, "bathyra-cli: %s\n", qPrintable(text));
        throw DeviceStepFailed();
    };
    try {
        SafeFile::saveSettings(QFileInfo(file).absoluteFilePath(), [window](QSettings& params) {
            ParamFile::save(params, planner::currentImage(), window->diveInputs(),
                            planner::replayFlags(), window);
            // The cylinders of loaded parameters stay with them; a backup of the computer,
            // which has none, holds the computer's keys alone.
            const CylinderInputs cylinders = window->cylinders();
            if (cylinders.any() || cylinders.rule != CylinderInputs().rule)
                ParamFile::saveCylinders(params, cylinders);
        });
    } catch (const QString& error) {
        failed(error);
    }
}

// The dive computer's commands; they report in the console and throw DeviceStepFailed.
void runDeviceStep(Bathyra_Interface* window, const Step& step, const QString& port)
{
    if (step.name == "--save-params") {
        saveParams(window, step.argument);
        return;
    }
    SerialOSTC ostc(window, planner::currentImage(), [window] { window->showParameters(); });
    bool ok = false;
    if (step.name == "download") {
        ok = ostc.readConfiguration(port);
    } else if (step.name == "upload") {
        ok = ostc.writeConfiguration(port, programOptions().autoSetDateTime);
    } else if (step.name == "setclock") {
        ok = ostc.setClock(port);
    } else if (step.name == "screendump") {
        const QImage image = ostc.screenDump(port);
        if (!image.isNull()) {
            const QString file =
                SerialOSTC::screenDumpFileName(QFileInfo(step.argument).absoluteFilePath());
            try {
                SerialOSTC::saveScreenDump(image, file);
                ok = true;
                window->message(QStringLiteral("Screen saved into '%1'").arg(file));
            } catch (const QString& error) {
                window->message(QStringLiteral("<font color='red'>FAILED</font>: %1").arg(error));
                std::fprintf(stderr, "bathyra-cli: %s\n", qPrintable(error));
            }
        }
    } else if (step.name == "firmware") {
        ok = ostc.upgradeFirmware(port, step.argument);
    }
    if (!ok)
        throw DeviceStepFailed();
}

// The settings store's file as it stands, to put back after a failed device step.
struct StoreSnapshot {
    QString path;
    bool existed = false;
    QByteArray bytes;

    void take()
    {
        appSettings().sync();
        path = appSettingsPath();
        QFile f(path);
        existed = f.open(QIODevice::ReadOnly);
        bytes = existed ? f.readAll() : QByteArray();
    }
    // Call with the settings closed.
    void restore() const
    {
        if (path.isEmpty())
            return;
        QFile f(path);
        if (!existed) {
            f.remove();
            return;
        }
        if (f.open(QIODevice::ReadOnly) && f.readAll() == bytes)
            return;
        f.close();
        try {
            SafeFile::save(path, bytes);
        } catch (const QString& error) {
            std::fprintf(stderr, "bathyra-cli: cannot restore %s: %s\n", qPrintable(path),
                         qPrintable(error));
        }
    }
};

// Ends the process when a script step outlives its time limit. A script can loop inside
// one call (a toString that calls itself through String) where no event is processed, so
// the watch runs on a thread of its own and ends the whole run, exit code 1.
class ScriptWatch
{
public:
    ScriptWatch(const QString& step, int seconds)
        : thread_([this, step, seconds] {
              std::unique_lock<std::mutex> lock(mutex_);
              if (done_.wait_for(lock, std::chrono::seconds(seconds), [this] { return finished_; }))
                  return;
              std::fprintf(stderr, "bathyra-cli: %s stopped: time limit of %d s exceeded\n",
                           qPrintable(step), seconds);
              std::fflush(stderr);
              std::_Exit(1);
          })
    {
    }
    ~ScriptWatch()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

// "--script FILE" or "--tests DIR|default"; false when a check failed or a script ended by
// an uncaught error (the host has written its report to standard error).
bool runScriptStep(Bathyra_Interface* window, const Step& step, int timeLimitS)
{
    const ScriptWatch watch(step.name + ' ' + step.argument, timeLimitS);
    const bool suite = step.name == "--tests";
    const QString path = suite && step.argument == "default"
                             ? QString()
                             : QFileInfo(step.argument).absoluteFilePath();
    const ScriptRunResult result =
        suite ? runScriptSuite(window, path) : runScriptFile(window, path);
    // The suite writes its own summary; a single script's checks get one here.
    if (!suite && result.passed + result.failed > 0)
        window->message(
            QStringLiteral("%1 passed, %2 failed").arg(result.passed).arg(result.failed));
    return result.ok();
}

// Runs one step; a failure of the program is thrown as its message text.
QString runStep(Bathyra_Interface* window, const Step& step, const QString& compareOut)
{
    if (clitools::isPlanToolStep(step.name)) {
        clitools::runPlanToolStep(window, step.name, step.argument.split('\n', Qt::SkipEmptyParts),
                                  compareOut);
    } else if (step.name == "--set") {
        const QString error = setWidget(window, step.argument);
        if (!error.isEmpty())
            return error;
        window->applyParameters(false);
    } else if (step.name == "--profile") {
        window->loadProfileFile(step.argument);
    } else if (step.name == "simulate") {
        window->simulateSlot();
    } else if (step.name == "ascent") {
        window->ascentSlot();
    } else if (step.name == "gasvolumes") {
        window->gasVolumesSlot();
    } else if (step.name == "--save-plot") {
        if (!window->divePlot())
            window->applyParameters(false);
        auto* plot = window->divePlot() ? window->divePlot()->findChild<QwtPlot*>() : nullptr;
        if (!plot)
            throw QStringLiteral("No dive plot to save");
        plot->replot();
        plotexport::renderPlotToFile(plot, QFileInfo(step.argument).absoluteFilePath());
    }
    return QString();
}

// A run step that threw: the text in red on the console and on standard error; exit code 1.
int unhandled(MessageSink& console, const QString& text)
{
    console.message(
        QStringLiteral("<font color='red'><b>Unhandled exception: %1</b></font>").arg(text));
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return 1;
}

// The offscreen platform says on every shown window that it cannot pass size hints on to a
// window system it does not have; that line is dropped, every other message passes.
QtMessageHandler qtMessages = nullptr;
void withoutOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg &&
        text == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    qtMessages(type, context, text);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
        qtMessages = qInstallMessageHandler(withoutOffscreenNoise);

    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    Command cmd;
    const QString parseError = parse(args, cmd);
    if (!parseError.isEmpty())
        return usage(parseError);
    if (cmd.help) {
        std::fputs(usageText, stdout);
        std::fprintf(stdout, "\nPlan options and steps:\n%s%s", planOptionsText, planUsageText);
        return 0;
    }
    if (cmd.version) {
        std::fputs(versionText("bathyra-cli").toUtf8().constData(), stdout);
        return 0;
    }
    // With a comparison, a CSV plan file is the comparison's table.
    const bool comparing = std::any_of(cmd.steps.cbegin(), cmd.steps.cend(),
                                       [](const Step& s) { return s.name == "compare"; });
    if (comparing && cmd.compareOut.isEmpty() &&
        cmd.plan.planOut.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
        cmd.compareOut = cmd.plan.planOut;
        cmd.plan.planOut.clear();
    }
    if (!cmd.params.isEmpty() && !QFileInfo::exists(cmd.params))
        return usage(QStringLiteral("no parameter file %1").arg(cmd.params));
    for (const Step& step : cmd.steps) {
        if (step.name == "--script" && !QFileInfo(step.argument).isFile())
            return usage(QStringLiteral("no script file %1").arg(step.argument));
        if (step.name == "--tests" && step.argument != "default" &&
            !QFileInfo(step.argument).isDir())
            return usage(QStringLiteral("no test folder %1").arg(step.argument));
    }

    int exitCode = 0;
    bool deviceFailed = false;
    StoreSnapshot store;
    QTemporaryDir privateDir;
    // Without a session (a cron job, ssh, su) there is no runtime folder; Qt would complain
    // and fall back to one in /tmp. A private one (mode 0700, as Qt wants it) instead.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && privateDir.isValid()) {
        const QString runtime = privateDir.filePath(QStringLiteral("runtime"));
        if (QDir().mkdir(runtime) &&
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    // A run that only sets planning inputs and plans, on the private store, needs no window.
    const bool windowless = !cmd.window && cmd.settings.isEmpty() && cmd.params.isEmpty() &&
                            !cmd.html && cmd.plan.planOut.isEmpty() &&
                            std::all_of(cmd.steps.cbegin(), cmd.steps.cend(), [](const Step& step) {
                                return WindowlessRun::takes(step.name, step.argument);
                            });
    {
        BathyraApplication app(argc, argv);
        setAppSettingsPath(cmd.settings.isEmpty()
                               ? privateDir.filePath(QStringLiteral("Bathyra Defaults.ini"))
                               : QFileInfo(cmd.settings).absoluteFilePath());

        Bathyra_Interface* window = nullptr;
        std::unique_ptr<ConsoleDocument> ownConsole;
        std::unique_ptr<WindowlessRun> plans;
        if (windowless) {
            // What the window's start does before it reads its fields.
            Settings::loadSettings(nullptr);
            appSettings().sync();
            ownConsole = std::make_unique<ConsoleDocument>();
            app.setConsole(ownConsole.get());
            plans = std::make_unique<WindowlessRun>(*ownConsole);
        } else {
            app.setStyleSheet(styleSheet());
            // The window is never shown: no splash, no layout of the form or the console.
            window = startUp(false, false);
            window->setHeadless(true);
            app.setConsole(window);
        }
        ConsoleDocument& console = window ? window->console() : *ownConsole;

        std::unique_ptr<OutputLog> messages, trace;
        if (!cmd.messages.isEmpty() && !(messages = openOutput(cmd.messages)))
            exitCode = 2;
        if (!cmd.trace.isEmpty() && !(trace = openOutput(cmd.trace)))
            exitCode = 2;
        if (messages)
            console.log = [log = messages.get()](char kind, const QString& text) {
                if (kind == 'C')
                    log->stream << "C\n";
                else
                    log->stream << kind << ' ' << escaped(text) << '\n';
            };
        if (trace) {
            trace->stream << traceHeader << '\n';
            const auto hook = [log = trace.get()](const char* phase, int time) {
                log->stream << traceLine(phase, time, planner::plannerEngine()) << '\n';
            };
            (window ? window->cycleHook : plans->cycleHook) = hook;
        }
        if (cmd.verbose)
            programOptions().verbose = true;
        if (!cmd.params.isEmpty())
            window->loadParameterFile(cmd.params);

        for (const Step& step : cmd.steps) {
            if (exitCode != 0)
                break;
            if (plans) {
                try {
                    plans->run(step.name, step.argument);
                } catch (const QString& text) {
                    exitCode = unhandled(console, text);
                }
                continue;
            }
            if (isDeviceStep(step.name)) {
                // The parameters and the store as they are now are what a failure leaves.
                const ConfigImage image = planner::currentImage();
                store.take();
                try {
                    runDeviceStep(window, step,
                                  cmd.port.isEmpty() ? programOptions().port : cmd.port);
                } catch (const DeviceStepFailed&) {
                    if (!(planner::currentImage() == image)) {
                        planner::currentImage() = image;
                        window->showParameters();
                    }
                    deviceFailed = true;
                    exitCode = 1;
                }
                continue;
            }
            if (step.name == "--script" || step.name == "--tests") {
                if (!runScriptStep(window, step, cmd.timeLimitS))
                    exitCode = 1;
                continue;
            }
            try {
                if (isPlanStep(step.name)) {
                    runPlanStep(window, step.name, step.argument, cmd.plan);
                    continue;
                }
                const QString error = runStep(window, step, cmd.compareOut);
                if (!error.isEmpty())
                    exitCode = usage(error);
            } catch (const QString& text) {
                exitCode = unhandled(console, text);
            }
        }

        try {
            if (exitCode == 0 && window)
                writePlanOut(window, cmd.plan);
        } catch (const QString& text) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            exitCode = 1;
        }
        const QString out = cmd.html ? window->getMessages() : consoleText(*console.document());
        std::fputs(out.toUtf8().constData(), stdout);
        if (!out.endsWith('\n'))
            std::fputc('\n', stdout);

        console.log = nullptr;
        if (window)
            window->cycleHook = nullptr;
        for (const bool written : {saveOutput(messages.get()), saveOutput(trace.get())})
            if (!written && exitCode == 0)
                exitCode = 1;
        app.setConsole(nullptr);
        // After a failed device step nothing of this run goes into the store.
        if (!deviceFailed && window)
            shutDown(window);
        delete window;
        closeAppSettings();
        if (deviceFailed)
            store.restore();
    }
    return exitCode;
}
