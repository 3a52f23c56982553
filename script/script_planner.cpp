// SPDX-License-Identifier: GPL-3.0-or-later
// ostc.planner: see script_planner.h.
#include "script/script_planner.h"

#include "planner/bottom_time_solver.h"
#include "planner/contingency.h"
#include "planner/plan_parameters.h"

#include <QScriptEngine>
#include <QScriptValueIterator>
#include <algorithm>
#include <iterator>

namespace
{

// Options that are not fields of the window: what the plan includes.
struct Extra {
    const char* name;
    bool planner::PlanRequest::*member;
};
const Extra extras[] = {{"withAscent", &planner::PlanRequest::ascent},
                        {"withGasVolumes", &planner::PlanRequest::gasVolumes},
                        {"withMessages", &planner::PlanRequest::keepMessages},
                        {"verbose", &planner::PlanRequest::verbose}};

using Properties = std::initializer_list<std::pair<const char*, QScriptValue>>;

// A script object of the given properties.
QScriptValue objectWith(QScriptEngine* e, Properties properties)
{
    QScriptValue o = e->newObject();
    for (const auto& p : properties)
        o.setProperty(QLatin1String(p.first), p.second);
    return o;
}

QScriptValue figuresToScript(QScriptEngine* e, const planner::PlanFigures& f)
{
    QScriptValue rows = e->newArray(static_cast<uint>(f.records.size()));
    for (int i = 0; i < f.records.size(); ++i) {
        const DecoplanStop& r = f.records[i];
        const bool stop = i >= f.profileRecords && r.kind == DecoplanStop::Level && r.duration > 0;
        const Properties record{{"kind", r.kind},         {"depth", r.depth},
                                {"duration", r.duration}, {"runtime", r.runtime},
                                {"gas", r.gas},           {"setpoint", r.setpoint},
                                {"label", r.label},       {"stop", stop}};
        rows.setProperty(static_cast<quint32>(i), objectWith(e, record));
    }
    return objectWith(e, {{"model", f.model},
                          {"tts", f.ttsMinutes},
                          {"ndl", f.ndlMinutes},
                          {"cns", f.cnsPercent},
                          {"runtime", f.runtimeMinutes},
                          {"firstStop", f.firstStopMetres},
                          {"stopTime", f.stopMinutes},
                          {"records", rows}});
}

// The cylinder options of o into c: "rule" ("all", "half", "two_thirds") and "cylinders"
// ([{gas, litres, bar}, ...], which replaces every cylinder); throws the refusal.
void readCylinders(const QScriptValue& o, CylinderInputs& c)
{
    const QScriptValue rule = o.property(QStringLiteral("rule"));
    if (rule.isValid() && !rule.isUndefined()) {
        const QString name = rule.toString();
        if (name != "all" && name != "half" && name != "two_thirds")
            throw QStringLiteral("unknown rule %1").arg(name);
        c.rule = name == "all"    ? ReserveRule::All
                 : name == "half" ? ReserveRule::Half
                                  : ReserveRule::TwoThirds;
    }
    const QScriptValue list = o.property(QStringLiteral("cylinders"));
    if (!list.isValid() || list.isUndefined())
        return;
    std::fill(std::begin(c.litres), std::end(c.litres), 0);
    std::fill(std::begin(c.fillBar), std::end(c.fillBar), 0);
    const int n = list.property(QStringLiteral("length")).toInt32();
    for (int i = 0; i < n; ++i) {
        const QScriptValue one = list.property(static_cast<quint32>(i));
        const int gas = one.property(QStringLiteral("gas")).toInt32();
        if (gas < 1 || gas > 5)
            throw QStringLiteral("no gas %1").arg(gas);
        c.litres[gas - 1] = one.property(QStringLiteral("litres")).toInt32();
        c.fillBar[gas - 1] = one.property(QStringLiteral("bar")).toInt32();
    }
}

bool isCylinderOption(const QString& name)
{
    return name == QLatin1String("rule") || name == QLatin1String("cylinders");
}

} // namespace

QScriptValue planToScript(QScriptEngine* e, const planner::PlanResult& result)
{
    QScriptValue o = figuresToScript(e, result.plan);
    o.setProperty(QStringLiteral("ok"), result.ok());
    o.setProperty(QStringLiteral("error"), result.error);
    o.setProperty(QStringLiteral("maxPpO2"), result.maxPpO2Bar);
    o.setProperty(QStringLiteral("bottomEnd"), result.bottomEndMinutes);
    o.setProperty(QStringLiteral("surfaced"), result.surfacedSeconds < 0
                                                  ? QScriptValue(QScriptValue::NullValue)
                                                  : QScriptValue(result.surfacedSeconds / 60.0));
    o.setProperty(QStringLiteral("desaturation"), result.desaturationMinutes);
    o.setProperty(QStringLiteral("noFly"), result.noFlyMinutes);
    o.setProperty(QStringLiteral("cnsAtSurface"), result.cnsAtSurfacePercent);
    QScriptValue gases = e->newArray(5);
    QScriptValue litres = e->newArray(5);
    for (quint32 k = 0; k < 5; ++k) {
        gases.setProperty(k, result.gasNames[k]);
        litres.setProperty(k, result.gasLitres[k]);
    }
    o.setProperty(QStringLiteral("gasNames"), gases);
    o.setProperty(QStringLiteral("gasLitres"), litres);
    if (!result.gasVolumePlan.records.isEmpty())
        o.setProperty(QStringLiteral("gasVolumePlan"), figuresToScript(e, result.gasVolumePlan));
    QScriptValue lines = e->newArray(static_cast<uint>(result.messages.size()));
    for (int i = 0; i < result.messages.size(); ++i)
        lines.setProperty(static_cast<quint32>(i), result.messages[i]);
    o.setProperty(QStringLiteral("messages"), lines);
    return o;
}

ScriptPlanner::ScriptPlanner(std::function<planner::PlanRequest()> current, QObject* parent)
    : QObject(parent), current_(std::move(current))
{
}

planner::PlanRequest ScriptPlanner::request(const QScriptValue& options) const
{
    planner::PlanRequest r = current_ ? current_() : planner::PlanRequest();
    r.interval = -10; // a new dive: each plan stands on its own
    if (!options.isObject())
        return r;
    QScriptValueIterator it(options);
    while (it.hasNext()) {
        it.next();
        const QString name = it.name();
        bool extra = false;
        for (const Extra& x : extras)
            if (name == QLatin1String(x.name)) {
                r.*x.member = it.value().toBool();
                extra = true;
            }
        if (extra)
            continue;
        const QString error = planner::setPlanParameter(r, name, it.value().toVariant());
        if (!error.isEmpty())
            throw error;
    }
    return r;
}

std::optional<planner::PlanRequest> ScriptPlanner::requestOrThrow(const QScriptValue& options,
                                                                  QScriptValue& thrown)
{
    try {
        return request(options);
    } catch (const QString& error) {
        thrown = context()->throwError(QScriptContext::RangeError, error);
        return std::nullopt;
    }
}

QScriptValue ScriptPlanner::plan(const QScriptValue& options)
{
    if (!options.isUndefined() && !options.isNull() && !options.isObject())
        return context()->throwError(QScriptContext::TypeError,
                                     QStringLiteral("plan: the options are not an object"));
    QScriptValue thrown;
    const std::optional<planner::PlanRequest> r = requestOrThrow(options, thrown);
    if (!r)
        return thrown;
    planner::PlanningCore core;
    return planToScript(engine(), core.plan(*r));
}

QScriptValue ScriptPlanner::names() const
{
    QStringList all = planner::planParameterNames();
    for (const Extra& x : extras)
        all << QLatin1String(x.name);
    return qScriptValueFromSequence(engine(), all);
}

QScriptValue ScriptPlanner::solve(const QScriptValue& options)
{
    if (!options.isObject())
        return context()->throwError(QScriptContext::TypeError,
                                     QStringLiteral("solve: the options are not an object"));
    // The target's key out of the options, the rest is the plan.
    const struct {
        const char* key;
        planner::SolveTarget::Kind kind;
    } keys[] = {{"ndl", planner::SolveTarget::NoDecompression},
                {"runtime", planner::SolveTarget::Runtime},
                {"tts", planner::SolveTarget::Tts},
                {"stopTime", planner::SolveTarget::StopTime},
                {"reserve", planner::SolveTarget::Reserve}};
    planner::SolveTarget target;
    int targets = 0;
    QScriptValue rest = engine()->newObject();
    QScriptValueIterator it(options);
    while (it.hasNext()) {
        it.next();
        bool isTarget = false;
        for (const auto& k : keys)
            if (it.name() == QLatin1String(k.key)) {
                isTarget = true;
                ++targets;
                target.kind = k.kind;
                target.limitMinutes = it.value().toInt32();
                if (k.kind != planner::SolveTarget::NoDecompression &&
                    k.kind != planner::SolveTarget::Reserve &&
                    (!it.value().isNumber() || target.limitMinutes < 0))
                    return context()->throwError(
                        QScriptContext::RangeError,
                        QStringLiteral("solve: %1 takes a number of minutes").arg(it.name()));
            }
        if (!isTarget && !isCylinderOption(it.name()))
            rest.setProperty(it.name(), it.value());
    }
    if (targets != 1)
        return context()->throwError(
            QScriptContext::RangeError,
            QStringLiteral("solve: name one target of ndl, runtime, tts, stopTime, reserve"));
    QScriptValue thrown;
    std::optional<planner::PlanRequest> r = requestOrThrow(rest, thrown);
    if (!r)
        return thrown;
    try {
        readCylinders(options, r->cylinders);
    } catch (const QString& error) {
        return context()->throwError(QScriptContext::RangeError,
                                     QStringLiteral("solve: %1").arg(error));
    }
    const planner::SolveAnswer a = planner::solveBottomTime(*r, target);
    QScriptValue o = engine()->newObject();
    o.setProperty(QStringLiteral("found"), a.found);
    o.setProperty(QStringLiteral("bottomTime"),
                  a.found ? QScriptValue(a.bottomMinutes) : QScriptValue(QScriptValue::NullValue));
    o.setProperty(QStringLiteral("text"), a.text());
    o.setProperty(QStringLiteral("target"), target.text());
    o.setProperty(QStringLiteral("plans"), a.plans);
    o.setProperty(QStringLiteral("error"), a.error);
    return o;
}

// ostc.planner.contingency: the options split into the plan's and the set's own.
QScriptValue ScriptPlanner::contingency(const QScriptValue& options)
{
    if (!options.isUndefined() && !options.isNull() && !options.isObject())
        return context()->throwError(QScriptContext::TypeError,
                                     QStringLiteral("contingency: the options are not an object"));
    planner::ContingencyOptions set;
    QScriptValue planOptions = engine()->newObject();
    QScriptValueIterator it(options);
    while (options.isObject() && it.hasNext()) {
        it.next();
        const QString name = it.name();
        const QScriptValue v = it.value();
        if (name == "deeper" || name == "longer") {
            const double x = v.toNumber();
            if (!(x >= 0 && x <= 100))
                return context()->throwError(
                    QScriptContext::RangeError,
                    QStringLiteral("contingency: %1 out of 0..100").arg(name));
            (name == "deeper" ? set.deeperMetres : set.longerMinutes) = static_cast<float>(x);
        } else if (name == "lostGases") {
            set.lostGases = v.toBool();
        } else if (!isCylinderOption(name)) {
            planOptions.setProperty(name, v);
        }
    }
    try {
        if (options.isObject())
            readCylinders(options, set.cylinders);
    } catch (const QString& error) {
        return context()->throwError(QScriptContext::RangeError,
                                     QStringLiteral("contingency: %1").arg(error));
    }
    QScriptValue thrown;
    const std::optional<planner::PlanRequest> r = requestOrThrow(planOptions, thrown);
    if (!r)
        return thrown;
    const QVector<planner::ContingencyRow> rows = planner::planContingencies(*r, set);
    QScriptEngine* e = engine();
    QScriptValue out = e->newArray(static_cast<uint>(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const planner::ContingencyRow& row = rows[i];
        QScriptValue o = e->newObject();
        o.setProperty(QStringLiteral("name"), row.name);
        o.setProperty(QStringLiteral("kind"), planner::variantKey(row.kind));
        o.setProperty(QStringLiteral("error"), row.error);
        o.setProperty(QStringLiteral("runtime"), row.runtimeMinutes);
        o.setProperty(QStringLiteral("tts"), row.ttsMinutes);
        o.setProperty(QStringLiteral("firstStop"), row.firstStopMetres);
        o.setProperty(QStringLiteral("stopTime"), row.stopMinutes);
        o.setProperty(QStringLiteral("cns"), row.cnsPercent);
        o.setProperty(QStringLiteral("maxPpO2"), row.maxPpO2Bar);
        o.setProperty(QStringLiteral("lostGas"), row.lostGas);
        o.setProperty(QStringLiteral("bailoutAt"), row.bailoutAtMinutes < 0
                                                       ? QScriptValue(QScriptValue::NullValue)
                                                       : QScriptValue(row.bailoutAtMinutes));
        QScriptValue names = e->newArray(5), litres = e->newArray(5), bar = e->newArray(5),
                     broken = e->newArray(5);
        for (quint32 k = 0; k < 5; ++k) {
            names.setProperty(k, row.gasNames[k]);
            litres.setProperty(k, row.gasLitres[k]);
            bar.setProperty(k, row.barUsed[k]);
            broken.setProperty(k, row.reserveBroken[k]);
        }
        o.setProperty(QStringLiteral("gasNames"), names);
        o.setProperty(QStringLiteral("gasLitres"), litres);
        o.setProperty(QStringLiteral("barUsed"), bar);
        o.setProperty(QStringLiteral("reserveBroken"), broken);
        out.setProperty(static_cast<quint32>(i), o);
    }
    return out;
}
