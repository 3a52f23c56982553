// SPDX-License-Identifier: GPL-3.0-or-later
// The script host and the test runner: see script.h.
#include "script/script.h"

#include "bathyra_version.h"

#include "device/message_sink.h"
#include "planner/dive_parameters.h"
#include "script/script_file.h"
#include "script/script_objects.h"
#include "script/script_planner.h"
#include "script/script_profile.h"
#include "script/widget_values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QScriptContext>
#include <QScriptEngine>
#include <QScriptEngineAgent>
#include <QScriptEngineDebugger>
#include <QSpinBox>
#include <QUrl>
#include <cmath>

// Without the debugger nobody can continue a stopped script: this agent keeps the
// backtrace of an uncaught exception (the engine's own is empty while an agent is
// attached) and turns a `debugger;` statement into the end of the script.
class ScriptReporter : public QScriptEngineAgent
{
public:
    using QScriptEngineAgent::QScriptEngineAgent;

    QStringList backtrace;
    int line = -1; // of a debugger statement

    void clear()
    {
        backtrace.clear();
        line = -1;
    }
    void exceptionThrow(qint64, const QScriptValue&, bool hasHandler) override
    {
        if (!hasHandler)
            backtrace = engine()->currentContext()->backtrace();
    }
    bool supportsExtension(Extension extension) const override
    {
        return extension == DebuggerInvocationRequest;
    }
    QVariant extension(Extension, const QVariant& argument) override
    {
        // The argument is (script id, line, column).
        backtrace = engine()->currentContext()->backtrace();
        line = argument.toList().value(1).toInt();
        engine()->abortEvaluation(engine()->currentContext()->throwError(
            QStringLiteral("debugger statement: no debugger without a display")));
        return QVariant();
    }
};

namespace
{

const QScriptEngine::QObjectWrapOptions hostObject =
    QScriptEngine::ExcludeSuperClassContents | QScriptEngine::ExcludeDeleteLater;

} // namespace

Script::Script(const ScriptWindow& window, bool interactive, const QString& testDirectory,
               QObject* parent)
    : QObject(parent), window_(window), testDirectory_(testDirectory),
      engine_(std::make_unique<QScriptEngine>())
{
    if (interactive) {
        debugger_ = std::make_unique<QScriptEngineDebugger>();
        debugger_->attachTo(engine_.get());
        // The window stays responsive during a long script, so that the debugger's
        // Interrupt can stop a script that loops.
        engine_->setProcessEventsInterval(250);
    } else {
        reporter_ = new ScriptReporter(engine_.get());
        engine_->setAgent(reporter_);
    }
    defineGlobals();

    QString utils = testDir() + QStringLiteral("/utils.qs");
    const QString usual = defaultTestDir() + QStringLiteral("/utils.qs");
    if (!testDirectory_.isEmpty() && !QFileInfo::exists(utils) && QFileInfo::exists(usual))
        utils = usual;
    run(utils);
}

// The debugger (declared after the engine) detaches before the engine goes.
Script::~Script() = default;

void Script::defineGlobals()
{
    QScriptEngine& e = *engine_;
    QScriptValue global = e.globalObject();
    for (const QMetaObject* meta : {&QCheckBox::staticMetaObject, &QRadioButton::staticMetaObject,
                                    &QSpinBox::staticMetaObject, &QDoubleSpinBox::staticMetaObject,
                                    &QLineEdit::staticMetaObject, &QComboBox::staticMetaObject})
        global.setProperty(QString::fromLatin1(meta->className()), e.newQMetaObject(meta));
    global.setProperty(QStringLiteral("qApp"), exposeGuarded(&e, qApp, !debugger_));
    global.setProperty(QStringLiteral("mainWindow"),
                       window_.window ? exposeGuarded(&e, window_.window, !debugger_)
                                      : e.nullValue());
    // The plot window appears with the first run, perhaps during this script.
    QScriptValue getter = e.newFunction(plotWindowGetter);
    getter.setData(e.newQObject(this, QScriptEngine::QtOwnership, hostObject));
    global.setProperty(QStringLiteral("plotWindow"), getter, QScriptValue::PropertyGetter);

    QScriptValue ostc = e.newQObject(this, QScriptEngine::QtOwnership, hostObject);
    ostc.setProperty(QStringLiteral("settings"),
                     window_.settings ? exposeSettings(&e, window_.settings) : e.nullValue());
    ostc.setProperty(QStringLiteral("cf"), e.newQObject(new ScriptCf(planner::currentImage(),
                                                                     window_.showParameters, this),
                                                        QScriptEngine::QtOwnership, hostObject));
    ostc.setProperty(QStringLiteral("gas"),
                     e.newQObject(new ScriptGas(this), QScriptEngine::QtOwnership, hostObject));
    ostc.setProperty(QStringLiteral("plan"),
                     exposeGuarded(&e, new ScriptPlan(window_.profile, this), !debugger_));
    ostc.setProperty(QStringLiteral("planner"),
                     e.newQObject(new ScriptPlanner(window_.planRequest, this),
                                  QScriptEngine::QtOwnership, hostObject));
    ostc.setProperty(QStringLiteral("profile"),
                     e.newQObject(new ScriptProfile(window_, testDir(), this),
                                  QScriptEngine::QtOwnership, hostObject));
    global.setProperty(QStringLiteral("ostc"), ostc);
}

QScriptValue Script::plotWindowGetter(QScriptContext* context, QScriptEngine* engine)
{
    auto* host = qobject_cast<Script*>(context->callee().data().toQObject());
    QObject* plot = host && host->window_.plotWindow ? host->window_.plotWindow() : nullptr;
    if (!plot)
        return engine->nullValue();
    if (host->plotObject_ != plot) {
        host->plotObject_ = plot;
        host->plotValue_ = exposeGuarded(engine, plot, !host->debugger_);
    }
    return host->plotValue_;
}

QString Script::defaultTestDir()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QString d = exeDir;
    if (d.endsWith(QLatin1String("/debug"), Qt::CaseInsensitive) ||
        d.endsWith(QLatin1String("/release"), Qt::CaseInsensitive))
        d = d.section('/', 0, -2);
    // The suite copied beside the executable comes first: a build folder may well be
    // named build-something itself.
    if (QFileInfo(d + QStringLiteral("/Tests")).isDir())
        return d + QStringLiteral("/Tests");
    if (d.contains(QLatin1String("/build-"), Qt::CaseInsensitive))
        d = d.section('/', 0, -2);
    d += QStringLiteral("/Tests");
    if (QFileInfo(d).isDir())
        return d;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/../share/bathyra/Tests"));
    if (QFileInfo(installed).isDir())
        return installed;
    return scriptpath::documentsFolder();
}

QString Script::testDir() const
{
    return testDirectory_.isEmpty() ? defaultTestDir() : testDirectory_;
}

int Script::testCounter(const char* name) const
{
    return engine_->globalObject()
        .property(QStringLiteral("test"))
        .property(QLatin1String(name))
        .toInt32();
}

int Script::passedChecks() const
{
    return testCounter("passed");
}
int Script::failedChecks() const
{
    return testCounter("failed");
}

void Script::report(const QString& text)
{
    qWarning().noquote() << text;
    errors_.append(text);
}

bool Script::checkUncaught(const QString& fileName, bool tellSupportScript)
{
    if (!engine_->hasUncaughtException())
        return true;
    int line = engine_->uncaughtExceptionLineNumber();
    QStringList backtrace = engine_->uncaughtExceptionBacktrace();
    if (reporter_) {
        if (reporter_->line > 0)
            line = reporter_->line;
        if (backtrace.isEmpty())
            backtrace = reporter_->backtrace;
    }
    const QString text = engine_->uncaughtException().toString();
    engine_->clearExceptions();
    report(QStringLiteral("Script error %1:%2: %3\nFrom here:\n%4")
               .arg(fileName)
               .arg(line)
               .arg(text, backtrace.join('\n')));
    // The suite's report lists it as a failure too.
    if (tellSupportScript)
        callTest("uncaught", {QScriptValue(fileName), QScriptValue(line), QScriptValue(text)});
    return false;
}

bool Script::evaluate(const QString& program, const QString& fileName)
{
    if (stopped_)
        return false;
    if (reporter_)
        reporter_->clear();
    try {
        engine_->evaluate(program, fileName, 1);
    } catch (...) {
        engine_->clearExceptions();
        report(QString::fromLatin1(exceptionCaughtText));
        return false;
    }
    if (stopped_) {
        // Stopped by the diver: no error of the script, nothing more of it runs.
        engine_->clearExceptions();
        report(QStringLiteral("Script stopped: %1").arg(fileName));
        if (window_.console)
            window_.console->message(
                QStringLiteral("<font color='red'><b>%1</b></font>")
                    .arg(QCoreApplication::translate("Script", "Script stopped: %1")
                             .arg(QDir::toNativeSeparators(fileName))
                             .toHtmlEscaped()));
        return false;
    }
    return checkUncaught(fileName);
}

void Script::keepWindowResponsive()
{
    engine_->setProcessEventsInterval(250);
}

void Script::stop()
{
    if (stopped_)
        return;
    stopped_ = true;
    if (engine_->isEvaluating())
        engine_->abortEvaluation();
}

void Script::callTest(const char* name, const QScriptValueList& args)
{
    if (stopped_)
        return;
    QScriptValue test = engine_->globalObject().property(QStringLiteral("test"));
    QScriptValue function = test.property(QLatin1String(name));
    if (!function.isFunction())
        return;
    if (reporter_)
        reporter_->clear();
    try {
        function.call(test, args);
    } catch (...) {
        engine_->clearExceptions();
        report(QString::fromLatin1(exceptionCaughtText));
        return;
    }
    checkUncaught(QStringLiteral("test.%1").arg(QLatin1String(name)),
                  qstrcmp(name, "uncaught") != 0);
}

void Script::run(const QString& c)
{
    QFile file(c);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << "Script file" << c << "not found";
        return;
    }
    const QString program = QString::fromUtf8(file.readAll());
    if (!c.endsWith(QLatin1String("/utils.qs"))) {
        // Tells the support script which file runs (the name is set, never evaluated).
        QScriptValue test = engine_->globalObject().property(QStringLiteral("test"));
        if (test.isObject())
            test.setProperty(QStringLiteral("testFileName"), c);
    }
    evaluate(program, c);
}

void Script::runTests()
{
    // The suite sets up dives of its own; the diver's plan comes back afterwards, whatever its
    // scripts did and however they ended.
    struct Restore {
        std::function<void()> back;
        ~Restore()
        {
            if (back)
                back();
        }
    } restore{window_.keepState ? window_.keepState() : std::function<void()>()};

    const QString dir = testDir();
    callTest("start");
    const QStringList files =
        QDir(dir).entryList({QStringLiteral("*_*.qs")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        if (stopped_)
            break;
        // Each test file gets its own variables.
        engine_->pushContext();
        run(dir + '/' + name);
        engine_->popContext();
    }
    callTest("stop");
}

void Script::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(url));
}

QScriptValue Script::set(const QString& w, const QScriptValue& value)
{
    QWidget* widget = window_.window ? window_.window->findChild<QWidget*>(w) : nullptr;
    if (!widget)
        return context()->throwError(QScriptContext::ReferenceError,
                                     QStringLiteral("Unknown widget ") + w);

    using widget_values::Kind;
    const Kind kind = widget_values::kindOf(widget);
    const bool number = value.isNumber() && std::isfinite(value.toNumber());
    if (kind == Kind::Toggle &&
        (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))) {
        if (!value.isBool())
            return context()->throwError(
                QScriptContext::TypeError,
                QStringLiteral("QCheckBox::set argument should be a bool"));
        widget_values::setToggle(widget, value.toBool());
    } else if (kind == Kind::IntegerBox || kind == Kind::DecimalBox) {
        // A spin box's special text ("Reset", "None") stands for its minimum.
        if (!(value.isString() && widget_values::setSpecialText(widget, value.toString()))) {
            if (!number)
                return context()->throwError(
                    QScriptContext::TypeError,
                    kind == Kind::IntegerBox
                        ? QStringLiteral("QSpinBox::set argument should be a number")
                        : QStringLiteral("QDoubleSpinBox::set argument should be a number"));
            widget_values::setNumber(widget, value.toNumber());
        }
    } else {
        return context()->throwError(QScriptContext::TypeError,
                                     QStringLiteral("Unsupported widget type ") + w);
    }

    try {
        if (window_.applyParameters)
            window_.applyParameters();
    } catch (const QString& text) {
        return context()->throwError(text);
    }
    return engine_->undefinedValue();
}

QScriptValue Script::get(const QString& w)
{
    QWidget* widget = window_.window ? window_.window->findChild<QWidget*>(w) : nullptr;
    if (!widget)
        return context()->throwError(QScriptContext::ReferenceError,
                                     QStringLiteral("Unknown widget ") + w);
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
        return QScriptValue(static_cast<QAbstractButton*>(widget)->isChecked());
    if (auto* spin = qobject_cast<QSpinBox*>(widget))
        return QScriptValue(spin->value());
    if (auto* decimal = qobject_cast<QDoubleSpinBox*>(widget))
        return QScriptValue(decimal->value());
    return context()->throwError(QScriptContext::TypeError,
                                 QStringLiteral("Unsupported widget type ") + w);
}

QString Script::version() const
{
    return QStringLiteral("Bathyra_%1.%2").arg(BATHYRA_VERSION_MAJOR).arg(BATHYRA_VERSION_MINOR);
}

QScriptValue Script::File(const QScriptValue& fileName)
{
    const QString root = scriptpath::documentsFolder();
    QString clean;
    const QString path = scriptpath::insideFolder(root, fileName.toString(), &clean);
    if (path.isEmpty())
        return context()->throwError(QScriptContext::URIError,
                                     QStringLiteral("Invalid file name '%1'").arg(clean));
    // Only below the documents folder: the check above keeps the path inside it.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return engine_->newQObject(new ScriptFile(root, clean), QScriptEngine::ScriptOwnership,
                               hostObject);
}
