// SPDX-License-Identifier: GPL-3.0-or-later
// Plans side by side: see plan_comparison.h.
#include "planner/plan_comparison.h"

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

int PlanComparison::add(const PlanRequest& request, const QString& name, QString* error)
{
    ComparedPlan p;
    p.request = request;
    p.request.replay = nullptr;
    p.request.onCycle = nullptr;
    p.request.interval = -10;
    p.request.keepMessages = false;
    p.request.verbose = false;
    PlanRequest r = p.request;
    r.ascent = true;
    r.gasVolumes = true;
    r.onCycle = planCurves(p.curves);
    PlanningCore core;
    p.result = core.plan(r);
    if (!p.result.ok()) {
        if (error)
            *error = p.result.error;
        return -1;
    }
    p.name = name.isEmpty() ? (plans_.isEmpty() ? differenceName(p.request, p.request)
                                                : differenceName(plans_.first().request, p.request))
                            : name;
    plans_ << p;
    return plans_.size() - 1;
}

int PlanComparison::addLog(DiveProfile& log, const PlanRequest& config, const QString& name,
                           QString* error)
{
    ComparedPlan p;
    p.log = true;
    p.name = name;
    p.request = config;
    p.request.replay = nullptr;
    p.request.onCycle = nullptr;
    p.request.depthMetres = log.diveDepth();
    p.request.bottomMinutes = log.diveTime();
    PlanRequest r = p.request;
    r.replay = &log;
    r.interval = -10;
    r.ascent = true;
    r.gasVolumes = true;
    r.keepMessages = false;
    // The whole log is walked: no break at a stop, a switch or a setpoint change.
    r.flags.breakOnStop = r.flags.breakOnSwitch = r.flags.breakOnSetpoint = false;
    r.onCycle = planCurves(p.curves);
    PlanningCore core;
    p.result = core.plan(r);
    if (!p.result.ok()) {
        if (error)
            *error = p.result.error;
        return -1;
    }
    plans_ << p;
    return plans_.size() - 1;
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
    for (const QString& g : gases)
        line(QCoreApplication::translate("PlanComparison", "%1 (litres)").arg(g), 0,
             [&g](const ComparedPlan& p) {
                 double litres = 0;
                 bool used = false;
                 for (int k = 0; k < 5; ++k)
                     if (p.result.gasNames[k] == g) {
                         litres += p.result.gasLitres[k];
                         used = true;
                     }
                 return used ? litres : none;
             });
    return rows;
}

QString PlanComparison::cell(const ComparisonRow& row, int index)
{
    const double v = row.values.value(index, none);
    if (std::isnan(v))
        return QStringLiteral("-");
    const QString value = QString::number(v, 'f', row.decimals);
    const double first = row.values.value(0, none);
    if (index == 0 || std::isnan(first))
        return value;
    const double diff = v - first;
    return QStringLiteral("%1 (%2%3)")
        .arg(value, diff >= 0 ? QStringLiteral("+") : QString(),
             QString::number(diff, 'f', row.decimals));
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
        for (double v : row.values)
            fields << (std::isnan(v) ? QString() : QString::number(v, 'f', row.decimals));
        for (int i = 1; i < row.values.size(); ++i) {
            const double d = row.values[i] - row.values[0];
            fields << (std::isnan(d) ? QString() : QString::number(d, 'f', row.decimals));
        }
        out += fields.join(',') + '\n';
    }
    return out;
}

} // namespace planner
