// SPDX-License-Identifier: GPL-3.0-or-later
// The contingency set: see contingency.h.
#include "planner/contingency.h"

#include "planner/dive_parameters.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

namespace planner
{

namespace
{

QString tr(const char* text)
{
    return QCoreApplication::translate("planner", text);
}

// The figures of one runtime block and of the run into a row.
void fill(ContingencyRow& row, const PlanResult& result, const PlanFigures& figures,
          const PlanRequest& request)
{
    row.error = result.error;
    for (int k = 0; k < 5; ++k)
        row.gasNames[k] = result.gasNames[k];
    if (!result.ok())
        return;
    row.figures = figures;
    // A replayed dive that ends at the surface publishes no plan: its runtime is the log's.
    row.runtimeMinutes =
        figures.records.isEmpty() ? result.bottomEndMinutes : figures.runtimeMinutes;
    row.ttsMinutes = figures.ttsMinutes;
    row.firstStopMetres = figures.firstStopMetres;
    row.stopMinutes = figures.stopMinutes;
    row.cnsPercent = figures.cnsPercent;
    row.maxPpO2Bar = result.maxPpO2Bar;
    for (int k = 0; k < 5; ++k)
        row.gasLitres[k] = result.gasLitres[k];
    row.depthMetres = request.replay ? request.replay->diveDepth() : request.depthMetres;
    row.bottomMinutes = result.bottomEndMinutes;
}

// The highest ppO2 of a bail-out plan: its open-circuit records and where it starts.
float bailoutPpO2Bar(const PlanFigures& figures, const PlanRequest& request, float startMetres,
                     int startGas)
{
    // The gas of the bail-out (the profile's at that moment, else the first), from its depth.
    if (startGas < 1 || startGas > 5)
        startGas = request.image.byte(ConfigImage::first_gas);
    int cbar = startGas >= 1 && startGas <= 5
                   ? inspiredPpO2Cbar(request.image.gasO2(startGas),
                                      static_cast<int>(startMetres + 0.5f), request.surfaceMbar)
                   : 0;
    for (const DecoplanStop& r : figures.records)
        if (r.gas >= 1 && r.gas <= 5 && r.setpoint == 0)
            cbar = std::max(cbar, inspiredPpO2Cbar(request.image.gasO2(r.gas),
                                                   static_cast<int>(r.depth), request.surfaceMbar));
    return cbar / 100.0f;
}

PlanResult planNew(PlanRequest request)
{
    request.interval = -10;
    request.gasVolumes = true;
    request.keepMessages = false;
    PlanningCore core;
    return core.plan(request);
}

// A copy of the profile: points, ppO2, gas and setpoint changes, with the depths moved by
// `deeper` below the surface and the times up to `cutMinutes` (interpolated there; below 0:
// all of it), and `longer` minutes more at the deepest point (the last one of that depth):
// the points and changes after it come that much later.
std::unique_ptr<DiveProfile> changedProfile(const DiveProfile& p, float deeper, float longer,
                                            double cutMinutes = -1)
{
    auto out = std::make_unique<DiveProfile>();
    const QVector<double>& t = p.times();
    const QVector<double>& d = p.depths();
    const QVector<double>& o = p.ppO2();
    const auto moved = [deeper](double depth) { return depth > 0 ? depth + deeper : depth; };
    int deepest = -1;
    if (longer > 0)
        for (int i = 0; i < t.size(); ++i)
            if (deepest < 0 || d[i] >= d[deepest])
                deepest = i;
    const double stayFrom = deepest < 0 ? 1e30 : t[deepest];
    const auto later = [&](double minutes) {
        return minutes > stayFrom ? minutes + longer : minutes;
    };
    double end = 0;
    for (int i = 0; i < t.size(); ++i) {
        if (cutMinutes >= 0 && t[i] > cutMinutes) {
            end = cutMinutes;
            out->addPoint(end, moved(p.depth(static_cast<int>(std::lround(cutMinutes * 60)))));
            break;
        }
        out->addPoint(later(t[i]), moved(d[i]), i < o.size() ? o[i] : -1);
        if (i == deepest)
            out->addPoint(t[i] + longer, moved(d[i]), i < o.size() ? o[i] : -1);
        end = t[i];
    }
    const int lastKey = DiveProfile::secondsKey(end);
    for (auto g = p.gasChanges().cbegin(); g != p.gasChanges().cend(); ++g)
        if (g.key() <= lastKey)
            out->setGas(later(g.key() / 60.0), g.value());
    for (auto s = p.setpointChanges().cbegin(); s != p.setpointChanges().cend(); ++s)
        if (s.key() <= lastKey)
            out->setSetpoint(later(s.key() / 60.0), s.value());
    return out;
}

void addCylinders(ContingencyRow& row, const CylinderInputs& c)
{
    const CylinderUse use = cylinderUse(row.gasLitres, c);
    std::copy(std::begin(use.barUsed), std::end(use.barUsed), std::begin(row.barUsed));
    std::copy(std::begin(use.reserveBroken), std::end(use.reserveBroken),
              std::begin(row.reserveBroken));
}

// The worst bail-out of a replayed CCR profile: see the header.
ContingencyRow worstBailout(const PlanRequest& base, const DiveProfile& profile, int stepSeconds)
{
    QVector<double> moments;
    const double end = profile.diveTime();
    const double step = std::max(1, stepSeconds) / 60.0;
    for (double t = step; t < end; t += step)
        moments << t;
    for (double t : profile.times())
        if (t > 0)
            moments << t;
    moments << end;
    std::sort(moments.begin(), moments.end());
    moments.erase(std::unique(moments.begin(), moments.end()), moments.end());

    ContingencyRow worst;
    worst.kind = ContingencyRow::Bailout;
    worst.name = rowName(ContingencyRow::Bailout, 0, 0);
    bool found = false;
    int worstLitres = 0;
    for (double t : moments) {
        std::unique_ptr<DiveProfile> cut = changedProfile(profile, 0, 0, t);
        if (cut->lastDepth() <= 0)
            continue; // at the surface there is nothing to bail out of
        PlanRequest r = base;
        r.replay = cut.get();
        r.ascent = false;
        const PlanResult result = planNew(r);
        if (!result.ok())
            continue;
        // Longest TTS first; between equal TTS (no-stop bail-outs) the one needing most gas.
        int litres = 0;
        for (int k = 0; k < 5; ++k)
            litres += result.gasLitres[k];
        const int tts = result.gasVolumePlan.ttsMinutes;
        if (found && (tts < worst.ttsMinutes || (tts == worst.ttsMinutes && litres <= worstLitres)))
            continue;
        worstLitres = litres;
        found = true;
        fill(worst, result, result.gasVolumePlan, r);
        worst.maxPpO2Bar =
            bailoutPpO2Bar(result.gasVolumePlan, r, cut->lastDepth(), cut->gasAt(cut->diveTime()));
        worst.bailoutAtMinutes = static_cast<float>(t);
    }
    return worst;
}

} // namespace

QString variantKey(ContingencyRow::Kind kind)
{
    static const char* const keys[] = {"base",         "deeper",  "longer",
                                       "deeperLonger", "lostGas", "bailout"};
    return QLatin1String(keys[kind]);
}

bool CylinderUse::anyBroken() const
{
    return std::any_of(std::begin(reserveBroken), std::end(reserveBroken),
                       [](bool broken) { return broken; });
}

CylinderUse cylinderUse(const int (&litres)[5], const CylinderInputs& c)
{
    CylinderUse use;
    for (int n = 1; n <= 5; ++n) {
        if (!c.has(n))
            continue;
        use.barUsed[n - 1] = barUsed(litres[n - 1], c.litres[n - 1]);
        use.reserveBroken[n - 1] =
            reserveBroken(litres[n - 1], c.litres[n - 1], c.fillBar[n - 1], c.rule);
    }
    return use;
}

float barUsed(int litres, int cylinderLitres)
{
    return cylinderLitres > 0 ? static_cast<float>(litres) / cylinderLitres : 0;
}

bool reserveBroken(int litres, int cylinderLitres, int fillBar, ReserveRule rule)
{
    if (cylinderLitres <= 0 || fillBar <= 0)
        return false;
    const long long used = litres;
    const long long content = static_cast<long long>(cylinderLitres) * fillBar;
    switch (rule) {
    case ReserveRule::All:
        return used > content;
    case ReserveRule::Half:
        return 2 * used > content;
    case ReserveRule::TwoThirds:
        return 3 * used > 2 * content;
    }
    return false;
}

QString reserveRuleName(ReserveRule rule)
{
    switch (rule) {
    case ReserveRule::All:
        return tr("all");
    case ReserveRule::Half:
        return tr("half");
    case ReserveRule::TwoThirds:
        return tr("two thirds");
    }
    return QString();
}

QString rowName(ContingencyRow::Kind kind, float deeperMetres, float longerMinutes,
                const QString& gas)
{
    const QString m = QString::number(deeperMetres), min = QString::number(longerMinutes);
    switch (kind) {
    case ContingencyRow::Base:
        return tr("plan");
    case ContingencyRow::Deeper:
        return tr("+%1 m").arg(m);
    case ContingencyRow::Longer:
        return tr("+%1 min").arg(min);
    case ContingencyRow::DeeperLonger:
        return tr("+%1 m +%2 min").arg(m, min);
    case ContingencyRow::LostGas:
        return tr("lost %1").arg(gas);
    case ContingencyRow::Bailout:
        return tr("bail-out");
    }
    return QString();
}

QVector<ContingencyRow> planContingencies(const PlanRequest& base,
                                          const ContingencyOptions& options)
{
    QVector<ContingencyRow> rows;
    const auto add = [&](ContingencyRow::Kind kind, PlanRequest r, const QString& gas,
                         int lost) -> const PlanResult {
        ContingencyRow row;
        row.kind = kind;
        row.lostGas = lost;
        row.name = rowName(kind, options.deeperMetres, options.longerMinutes, gas);
        const PlanResult result = planNew(r);
        fill(row, result, result.plan, r);
        addCylinders(row, options.cylinders);
        rows << row;
        return result;
    };

    // The variants of a replayed profile are changed copies of it, alive until the end.
    std::unique_ptr<DiveProfile> deeper, longer, both;
    const auto variant = [&](float down, float more, std::unique_ptr<DiveProfile>& keep) {
        PlanRequest r = base;
        if (base.replay) {
            keep = changedProfile(*base.replay, down, more);
            r.replay = keep.get();
        } else {
            r.depthMetres += down;
            r.bottomMinutes += more;
        }
        return r;
    };

    const PlanResult baseResult = add(ContingencyRow::Base, base, QString(), 0);
    add(ContingencyRow::Deeper, variant(options.deeperMetres, 0, deeper), QString(), 0);
    add(ContingencyRow::Longer, variant(0, options.longerMinutes, longer), QString(), 0);
    add(ContingencyRow::DeeperLonger, variant(options.deeperMetres, options.longerMinutes, both),
        QString(), 0);
    if (options.lostGases) {
        const int first = base.image.byte(ConfigImage::first_gas);
        for (int n = 1; n <= ConfigImage::GasCount; ++n) {
            if (n == first || !base.image.gasActive(n))
                continue;
            PlanRequest r = base;
            r.image.setGasActive(n, false);
            add(ContingencyRow::LostGas, r, gasName(base.image, n), n);
        }
    }
    if (base.image.isCcr()) {
        ContingencyRow bail;
        if (base.replay) {
            bail = worstBailout(base, *base.replay, options.bailoutStepSeconds);
        } else {
            // A square dive: the end of the bottom time, the bail-out of the base plan.
            bail.kind = ContingencyRow::Bailout;
            bail.name = rowName(ContingencyRow::Bailout, 0, 0);
            fill(bail, baseResult, baseResult.gasVolumePlan, base);
            bail.maxPpO2Bar = bailoutPpO2Bar(baseResult.gasVolumePlan, base, base.depthMetres, 0);
            bail.bailoutAtMinutes = baseResult.bottomEndMinutes;
        }
        addCylinders(bail, options.cylinders);
        rows << bail;
    }
    return rows;
}

} // namespace planner
