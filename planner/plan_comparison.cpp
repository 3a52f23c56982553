// SPDX-License-Identifier: GPL-3.0-or-later
// Plans side by side: see plan_comparison.h.
#include "planner/plan_comparison.h"

#include "planner/contingency.h"
#include "planner/dive_parameters.h"
#include "planner/plan_parameters.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <QMap>
#include <algorithm>
#include <cmath>
#include <limits>

namespace planner
{

namespace
{

const double none = std::numeric_limits<double>::quiet_NaN();
// The planner's pressure of one metre of water (currentDepth's divisor).
const double mbarPerMetre = 99.85;

// The gases a request breathes, by name, " + " between them.
QString gasList(const PlanRequest& r)
{
    QStringList names;
    const int first = r.image.byte(ConfigImage::first_gas);
    for (int n = 1; n <= 5; ++n)
        if (r.image.gasActive(n) || n == first)
            names << gasName(r.image, n);
    names.removeDuplicates();
    return names.join(QStringLiteral(" + "));
}

QString gfText(const PlanRequest& r)
{
    if (!r.image.isGfModel())
        return QStringLiteral("ZH-L16");
    return QStringLiteral("GF %1/%2").arg(r.image.cf(Cf::GfLow)).arg(r.image.cf(Cf::GfHigh));
}

QString diveText(const PlanRequest& r)
{
    return QStringLiteral("%1 m / %2 min").arg(double(r.depthMetres)).arg(double(r.bottomMinutes));
}

} // namespace

std::function<void(const char*, int, const engine::engine_state&)> planCurves(PlanCurves& curves)
{
    return [&curves](const char*, int runTime, const engine::engine_state& s) {
        const double t = runTime / 60.0;
        curves.depth << QPointF(t, std::max(0.0f, currentDepth(s)));
        const double ceiling =
            (int(s.out_ceiling_mbar) - int(s.in_surface_pressure_mbar)) / mbarPerMetre;
        curves.ceiling << QPointF(t, std::max(0.0, ceiling));
    };
}

QString differenceName(const PlanRequest& a, const PlanRequest& b)
{
    QStringList differs;
    for (const QString& name : planParameterNames())
        if (planParameter(a, name) != planParameter(b, name))
            differs << name;
    const auto any = [&differs](const QString& pattern) {
        return std::any_of(differs.begin(), differs.end(),
                           [&pattern](const QString& n) { return n.startsWith(pattern); });
    };
    if (differs.isEmpty())
        return QStringLiteral("%1, %2").arg(gfText(b), diveText(b));
    QStringList parts;
    if (any(QStringLiteral("GF_")) || any(QStringLiteral("gradientFactor")) ||
        any(QStringLiteral("buhlmann")))
        parts << gfText(b);
    if (any(QStringLiteral("ccrMode")) || any(QStringLiteral("ocrMode")))
        parts << (b.image.isCcr() ? QStringLiteral("CCR") : QStringLiteral("OC"));
    if (any(QStringLiteral("dive_")))
        parts << diveText(b);
    if (any(QStringLiteral("gas_")) || any(QStringLiteral("O2_")) || any(QStringLiteral("He_")) ||
        any(QStringLiteral("first_")) || any(QStringLiteral("depth_")))
        parts << gasList(b);
    if (any(QStringLiteral("ppo2_")))
        parts << QStringLiteral("SP %1/%2/%3")
                     .arg(setpointBar(b.image.setpoint(1)))
                     .arg(setpointBar(b.image.setpoint(2)))
                     .arg(setpointBar(b.image.setpoint(3)));
    for (const QString& name : differs) {
        if (name.startsWith("GF_") || name == "gradientFactor" || name == "buhlmann" ||
            name == "ccrMode" || name == "ocrMode" || name.startsWith("dive_") ||
            name.startsWith("gas_") || name.startsWith("O2_") || name.startsWith("He_") ||
            name.startsWith("first_") || name.startsWith("depth_") || name.startsWith("ppo2_"))
            continue;
        parts << QStringLiteral("%1 %2").arg(name, planParameter(b, name).toString());
    }
    return parts.join(QStringLiteral(", "));
}

PlanRequest logReplay(DiveProfile& log, const PlanRequest& config)
{
    PlanRequest r = config;
    r.replay = &log;
    r.interval = -10;
    r.keepMessages = false;
    r.flags.breakOnStop = r.flags.breakOnSwitch = r.flags.breakOnSetpoint = false;
    return r;
}

int PlanComparison::add(const PlanRequest& request, const QString& name, QString* error)
{
    ComparedPlan p;
    p.request = request;
    p.request.interval = -10;
    p.request.verbose = false;
    PlanRequest r = p.request;
    r.replay = nullptr;
    r.keepMessages = false;
    if (!take(p, r, error))
        return -1;
    if (name.isEmpty())
        plans_.last().name = differenceName(plans_.first().request, plans_.last().request);
    else
        plans_.last().name = name;
    return plans_.size() - 1;
}

int PlanComparison::addLog(DiveProfile& log, const PlanRequest& config, const QString& name,
                           QString* error)
{
    ComparedPlan p;
    p.log = true;
    p.name = name;
    p.request = config;
    p.request.depthMetres = log.diveDepth();
    p.request.bottomMinutes = log.diveTime();
    return take(p, logReplay(log, p.request), error) ? plans_.size() - 1 : -1;
}

bool PlanComparison::take(ComparedPlan p, PlanRequest r, QString* error)
{
    // The stored request never points at the caller's log or callback.
    p.request.replay = nullptr;
    p.request.onCycle = nullptr;
    p.request.keepMessages = false;
    r.ascent = true;
    r.gasVolumes = true;
    r.onCycle = planCurves(p.curves);
    PlanningCore core;
    p.result = core.plan(r);
    if (!p.result.ok()) {
        if (error)
            *error = p.result.error;
        return false;
    }
    plans_ << p;
    return true;
}

void PlanComparison::remove(int index)
{
    if (index >= 0 && index < plans_.size())
        plans_.remove(index);
}

void PlanComparison::rename(int index, const QString& name)
{
    if (index >= 0 && index < plans_.size())
        plans_[index].name = name;
}

QVector<ComparisonRow> PlanComparison::rows() const
{
    QVector<ComparisonRow> rows;
    const auto line = [&](const QString& title, int decimals, auto value) {
        ComparisonRow row;
        row.title = title;
        row.decimals = decimals;
        for (const ComparedPlan& p : plans_)
            row.values << value(p);
        rows << row;
    };
    line(QCoreApplication::translate("PlanComparison", "runtime (min)"), 1,
         [](const ComparedPlan& p) {
             return p.result.surfacedSeconds >= 0 ? p.result.surfacedSeconds / 60.0 : none;
         });
    line(QCoreApplication::translate("PlanComparison", "TTS (min)"), 0,
         [](const ComparedPlan& p) { return double(p.result.plan.ttsMinutes); });
    line(QCoreApplication::translate("PlanComparison", "first stop (m)"), 0,
         [](const ComparedPlan& p) { return double(p.result.plan.firstStopMetres); });
    line(QCoreApplication::translate("PlanComparison", "total stop time (min)"), 0,
         [](const ComparedPlan& p) { return double(p.result.plan.stopMinutes); });
    line(QCoreApplication::translate("PlanComparison", "CNS (%)"), 0,
         [](const ComparedPlan& p) { return double(p.result.cnsAtSurfacePercent); });
    line(QCoreApplication::translate("PlanComparison", "max ppO2 (bar)"), 2,
         [](const ComparedPlan& p) { return double(p.result.maxPpO2Bar); });
    // Litres by gas name, in the order the plans name them.
    QStringList gases;
    for (const ComparedPlan& p : plans_)
        for (const QString& g : p.result.gasNames)
            if (!g.isEmpty() && !gases.contains(g))
                gases << g;
    // The gas slots of a plan that carry the gas g.
    const auto gasSlots = [](const ComparedPlan& p, const QString& g) {
        QVector<int> out;
        for (int k = 0; k < 5; ++k)
            if (p.result.gasNames[k] == g)
                out << k;
        return out;
    };
    // The cylinder of gas g in a plan: its first slot with one, -1 without.
    const auto cylinderSlot = [&gasSlots](const ComparedPlan& p, const QString& g) {
        for (int k : gasSlots(p, g))
            if (p.request.cylinders.has(k + 1))
                return k;
        return -1;
    };
    for (const QString& g : gases) {
        line(QCoreApplication::translate("PlanComparison", "%1 (litres)").arg(g), 0,
             [&](const ComparedPlan& p) {
                 const QVector<int> in = gasSlots(p, g);
                 double litres = 0;
                 for (int k : in)
                     litres += p.result.gasLitres[k];
                 return in.isEmpty() ? none : litres;
             });
        if (std::none_of(plans_.begin(), plans_.end(),
                         [&](const ComparedPlan& p) { return cylinderSlot(p, g) >= 0; }))
            continue;
        line(QCoreApplication::translate("PlanComparison", "%1 (bar)").arg(g), 0,
             [&](const ComparedPlan& p) {
                 const int k = cylinderSlot(p, g);
                 return k < 0
                            ? none
                            : double(
                                  cylinderUse(p.result.gasLitres, p.request.cylinders).barUsed[k]);
             });
        for (const ComparedPlan& p : plans_) {
            const int k = cylinderSlot(p, g);
            rows.last().broken << (k >= 0 && cylinderUse(p.result.gasLitres, p.request.cylinders)
                                                 .reserveBroken[k]);
        }
    }
    return rows;
}

QString PlanComparison::cell(const ComparisonRow& row, int index)
{
    const double v = row.values.value(index, none);
    if (std::isnan(v))
        return QStringLiteral("-");
    const QString value = QString::number(v, 'f', row.decimals);
    const QString mark = row.isBroken(index) ? QStringLiteral(" !") : QString();
    const double first = row.values.value(0, none);
    if (index == 0 || std::isnan(first))
        return value + mark;
    const double diff = v - first;
    return QStringLiteral("%1 (%2%3)%4")
        .arg(value, diff >= 0 ? QStringLiteral("+") : QString(),
             QString::number(diff, 'f', row.decimals), mark);
}

QString PlanComparison::toCsv() const
{
    const auto quoted = [](QString text) {
        if (text.contains(',') || text.contains('"') || text.contains('\n'))
            text = '"' + text.replace('"', QLatin1String("\"\"")) + '"';
        return text;
    };
    QStringList header{quoted(QCoreApplication::translate("PlanComparison", "figure"))};
    for (const ComparedPlan& p : plans_)
        header << quoted(p.name);
    for (int i = 1; i < plans_.size(); ++i)
        header << quoted(QCoreApplication::translate("PlanComparison", "%1 - %2")
                             .arg(plans_[i].name, plans_.first().name));
    QString out = header.join(',') + '\n';
    for (const ComparisonRow& row : rows()) {
        QStringList fields{quoted(row.title)};
        for (int i = 0; i < row.values.size(); ++i) {
            const double v = row.values[i];
            fields << (std::isnan(v) ? QString()
                                     : QString::number(v, 'f', row.decimals) +
                                           (row.isBroken(i) ? QStringLiteral("!") : QString()));
        }
        for (int i = 1; i < row.values.size(); ++i) {
            const double d = row.values[i] - row.values[0];
            fields << (std::isnan(d) ? QString() : QString::number(d, 'f', row.decimals));
        }
        out += fields.join(',') + '\n';
    }
    return out;
}

} // namespace planner
