// SPDX-License-Identifier: GPL-3.0-or-later
// The tools built on the planning core: the longest bottom time for a target, plans compared
// side by side, and a logged dive checked against its plan (figures and the intervals spent
// above the ceiling), on drawn logs and on the shared sample logs.
#include "data_table.h"
#include "plan_requests.h"
#include "planner/bottom_time_solver.h"
#include "planner/log_check.h"
#include "planner/plan_comparison.h"
#include "planner/plan_core.h"
#include "profiles/dive_profile.h"
#include "profiles/logbook_files.h"

#include <QDir>
#include <QDirIterator>
#include <QtTest>
#include <cmath>

using namespace planner;

namespace
{

// A request from "name=value" pairs over an open-circuit GF 30/85 air dive; "cyl_N=LxB" a
// cylinder of L litres filled to B bar for gas N, "rule=0|1|2" the reserve rule.
PlanRequest requestOf(const QString& sets)
{
    PlanRequest r;
    r.image.setByte(ConfigImage::deco_type, ConfigImage::GfOc);
    r.image.setCf(Cf::GfLow, 30);
    r.image.setCf(Cf::GfHigh, 85);
    r.ascent = false;
    return requestWith(r, sets);
}

// The target by its own definition, read from the plan's raw figures.
bool keeps(const PlanRequest& base, int minutes, const SolveTarget& target)
{
    PlanRequest r = base;
    r.bottomMinutes = minutes;
    r.ascent = true;
    r.gasVolumes = true;
    PlanningCore core;
    const PlanResult p = core.plan(r);
    if (!p.ok())
        qFatal("%s", qPrintable(p.error));
    const bool deco = !p.plan.records.isEmpty();
    switch (target.kind) {
    case SolveTarget::NoDecompression:
        return !deco;
    case SolveTarget::Runtime:
        return p.surfacedSeconds <= target.limitMinutes * 60;
    case SolveTarget::Tts:
        return (deco ? p.plan.ttsMinutes : int(std::ceil(r.depthMetres / r.ascentRate))) <=
               target.limitMinutes;
    case SolveTarget::StopTime:
        return p.plan.stopMinutes <= target.limitMinutes;
    case SolveTarget::Reserve: // the share of the fill the rule lets a plan use
        for (int k = 0; k < 5; ++k) {
            const double share = r.cylinders.rule == ReserveRule::All    ? 1.0
                                 : r.cylinders.rule == ReserveRule::Half ? 0.5
                                                                         : 2.0 / 3.0;
            if (r.cylinders.has(k + 1) &&
                p.gasLitres[k] > share * r.cylinders.litres[k] * r.cylinders.fillBar[k] + 1e-9)
                return false;
        }
        return true;
    }
    return false;
}

// "t:d t:d ..." as points.
QVector<QPointF> pointsOf(const QString& text)
{
    QVector<QPointF> out;
    for (const QString& p : text.split(' ', Qt::SkipEmptyParts))
        out << QPointF(p.section(':', 0, 0).toDouble(), p.section(':', 1).toDouble());
    return out;
}

QString breachesText(const QVector<CeilingBreach>& breaches)
{
    QStringList out;
    for (const CeilingBreach& b : breaches)
        out << QStringLiteral("%1-%2@%3")
                   .arg(b.startMinutes, 0, 'f', 2)
                   .arg(b.endMinutes, 0, 'f', 2)
                   .arg(b.worstMetres, 0, 'f', 1);
    return out.join(' ');
}

} // namespace

class TestPlanTools : public QObject
{
    Q_OBJECT
private slots:
    // name | inputs | target | longest bottom time ("none": no bottom time keeps it)
    void solve_data() { dataRows("solve.txt"); }
    void solve()
    {
        QFETCH(QStringList, c);
        const PlanRequest r = requestOf(c[1]);
        SolveTarget target;
        QVERIFY(SolveTarget::parse(c[2], target));
        const SolveAnswer a = solveBottomTime(r, target);
        QVERIFY2(a.error.isEmpty(), qPrintable(a.error));
        if (c[3] == "none") {
            QVERIFY(!a.found);
            QVERIFY(!keeps(r, 1, target));
            QCOMPARE(a.text(),
                     QStringLiteral("no bottom time meets the target %1").arg(target.text()));
            return;
        }
        QVERIFY(a.found);
        QCOMPARE(a.bottomMinutes, c[3].toInt());
        QVERIFY(keeps(r, a.bottomMinutes, target));
        QVERIFY(!keeps(r, a.bottomMinutes + 1, target));
        QCOMPARE(a.text(), QStringLiteral("longest bottom time: %1 min for %2")
                               .arg(a.bottomMinutes)
                               .arg(target.text()));
        QVERIFY2(a.plans <= 20, qPrintable(QString::number(a.plans)));
    }

    void solveTargetTexts()
    {
        SolveTarget t;
        QVERIFY(SolveTarget::parse("tts=45", t));
        QCOMPARE(t.text(), QStringLiteral("TTS ≤ 45 min"));
        QVERIFY(!SolveTarget::parse("tts", t));
        QVERIFY(!SolveTarget::parse("depth=4", t));
        QVERIFY(!SolveTarget::parse("stops=-1", t));
        QVERIFY(SolveTarget::parse("Reserve", t) && t.kind == SolveTarget::Reserve);
        QCOMPARE(t.text(), QStringLiteral("every cylinder within the reserve rule"));
    }

    // A refused mix is no answer: the refusal is the text.
    void solveRefused()
    {
        const PlanRequest r = requestOf("dive_depth=30 O2_1=30 He_1=80");
        const SolveAnswer a = solveBottomTime(r, SolveTarget());
        QVERIFY(!a.found);
        QVERIFY(!a.error.isEmpty());
        QCOMPARE(a.text(), a.error);
        // The reserve target without a cylinder on a gas in use (gas 3 is not active).
        const SolveAnswer noCylinder = solveBottomTime(requestOf("dive_depth=30 cyl_3=12x200"),
                                                       SolveTarget{SolveTarget::Reserve, 0});
        QVERIFY(!noCylinder.found && noCylinder.plans == 0);
        QCOMPARE(noCylinder.text(),
                 QStringLiteral(
                     "The reserve target needs a cylinder (size and fill) for a gas of the plan"));
    }

    // name | plans' inputs (';' between plans) | default names (';' between them)
    void compare_data() { dataRows("compare.txt"); }
    void compare()
    {
        QFETCH(QStringList, c);
        PlanComparison cmp;
        QVector<PlanResult> single;
        for (const QString& sets : c[1].split(';')) {
            const PlanRequest r = requestOf(sets);
            QCOMPARE(cmp.add(r), single.size());
            PlanRequest alone = r;
            alone.ascent = true;
            alone.gasVolumes = true;
            PlanningCore core;
            single << core.plan(alone);
        }
        QStringList names;
        for (int i = 0; i < cmp.size(); ++i)
            names << cmp.at(i).name;
        QCOMPARE(names.join(';'), c[2]);

        const QVector<ComparisonRow> rows = cmp.rows();
        QVERIFY(rows.size() >= 7);
        for (int i = 0; i < single.size(); ++i) {
            const PlanResult& p = single[i];
            QCOMPARE(rows[0].values[i], p.surfacedSeconds / 60.0);
            QCOMPARE(rows[1].values[i], double(p.plan.ttsMinutes));
            QCOMPARE(rows[2].values[i], double(p.plan.firstStopMetres));
            QCOMPARE(rows[3].values[i], double(p.plan.stopMinutes));
            QCOMPARE(rows[4].values[i], double(p.cnsAtSurfacePercent));
            QCOMPARE(rows[5].values[i], double(p.maxPpO2Bar));
            for (int k = 0; k < 5; ++k) {
                if (p.gasNames[k].isEmpty())
                    continue;
                const auto row =
                    std::find_if(rows.begin(), rows.end(), [&](const ComparisonRow& x) {
                        return x.title == QStringLiteral("%1 (litres)").arg(p.gasNames[k]);
                    });
                QVERIFY(row != rows.end());
                double litres = 0;
                for (int j = 0; j < 5; ++j)
                    if (p.gasNames[j] == p.gasNames[k])
                        litres += p.gasLitres[j];
                QCOMPARE(row->values[i], litres);
            }
            // The bar of each cylinder, as the plan's litres take it, " !" past the rule.
            const PlanRequest asked = requestOf(c[1].split(';')[i]);
            for (int k = 0; k < 5; ++k) {
                const auto row =
                    std::find_if(rows.begin(), rows.end(), [&](const ComparisonRow& x) {
                        return x.title == QStringLiteral("%1 (bar)").arg(p.gasNames[k]);
                    });
                if (p.gasNames[k].isEmpty() || !asked.cylinders.has(k + 1)) {
                    QVERIFY(row == rows.end() || std::isnan(row->values[i]));
                    continue;
                }
                QVERIFY(row != rows.end());
                const int size = asked.cylinders.litres[k], fill = asked.cylinders.fillBar[k];
                QCOMPARE(row->values[i], double(float(p.gasLitres[k]) / size));
                const double share = asked.cylinders.rule == ReserveRule::All    ? 1.0
                                     : asked.cylinders.rule == ReserveRule::Half ? 0.5
                                                                                 : 2.0 / 3.0;
                const bool broken = p.gasLitres[k] > share * size * fill + 1e-9;
                QCOMPARE(PlanComparison::cell(*row, i).endsWith(" !"), broken);
                QCOMPARE(cmp.toCsv()
                             .split('\n')
                             .filter(row->title)
                             .value(0)
                             .split(',')
                             .value(1 + i)
                             .endsWith('!'),
                         broken);
            }
            // Each cell against the first column.
            const double d = rows[1].values[i] - rows[1].values[0];
            QCOMPARE(PlanComparison::cell(rows[1], i), i == 0 ? QString::number(rows[1].values[0])
                                                              : QStringLiteral("%1 (%2%3)")
                                                                    .arg(rows[1].values[i])
                                                                    .arg(d >= 0 ? "+" : "")
                                                                    .arg(d));
        }
        // The CSV: a header, one line per row; each plan's value and difference.
        const QStringList csv = cmp.toCsv().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(csv.size(), rows.size() + 1);
        QCOMPARE(csv[2].split(',').size(), 1 + 2 * cmp.size() - 1);

        // Made current again: the request comes back; removed: the next plan moves up.
        QCOMPARE(planParameter(cmp.request(0), "GF_low"),
                 planParameter(requestOf(c[1].section(';', 0, 0)), "GF_low"));
        const QString second = cmp.size() > 1 ? cmp.at(1).name : QString();
        cmp.rename(0, "mine");
        QCOMPARE(cmp.at(0).name, QStringLiteral("mine"));
        cmp.remove(0);
        if (!second.isEmpty())
            QCOMPARE(cmp.at(0).name, second);
    }

    // A replayed log as a column: its own depth and time, walked to its end, no break on
    // the way; the planned dive beside it keeps its own figures.
    void compareWithLog()
    {
        PlanComparison cmp;
        const PlanRequest plan = requestOf("dive_depth=40 dive_time=25");
        QCOMPARE(cmp.add(plan), 0);
        DiveProfile log;
        for (const QPointF& p : {QPointF(0, 0), {2, 40}, {25, 40}, {29, 3}, {45, 3}, {46, 0}})
            log.addPoint(p.x(), p.y());
        log.setGas(0, 1);
        QCOMPARE(cmp.addLog(log, plan, "straight up"), 1);
        const ComparedPlan& c = cmp.at(1);
        QVERIFY(c.log && c.name == "straight up");
        QCOMPARE(c.request.depthMetres, 40.0f);
        QCOMPARE(c.request.bottomMinutes, 46.0f);
        QVERIFY(c.curves.depth.last().x() >= 46.0);
        QCOMPARE(cmp.rows()[1].values[0], double(cmp.at(0).result.plan.ttsMinutes));
        QVERIFY(c.result.ok() && c.result.maxPpO2Bar > 1.0f);
    }

    // Eight plans and more fit.
    void compareEight()
    {
        PlanComparison cmp;
        for (int i = 0; i < 9; ++i)
            QCOMPARE(cmp.add(requestOf(QStringLiteral("dive_depth=30 dive_time=%1").arg(10 + i))),
                     i);
        QCOMPARE(cmp.rows().first().values.size(), 9);
    }

    // name | depth curve | ceiling curve | intervals "start-end@worst"
    void breaches_data() { dataRows("breaches.txt"); }
    void breaches()
    {
        QFETCH(QStringList, c);
        PlanCurves curves;
        curves.depth = pointsOf(c[1]);
        curves.ceiling = pointsOf(c[2]);
        QCOMPARE(breachesText(ceilingBreaches(curves)), c[3]);
    }

    // name | log points "min:m" | plan inputs | intervals above the ceiling
    void logs_data() { dataRows("logs.txt"); }
    void logs()
    {
        QFETCH(QStringList, c);
        DiveProfile log;
        log.addPoint(0, 0);
        for (const QPointF& p : pointsOf(c[1]))
            log.addPoint(p.x(), p.y());
        log.setGas(0, 1);
        const PlanRequest plan = requestOf(c[2]);
        const LogCheck check = checkLog(log, plan);
        QVERIFY2(check.error.isEmpty(), qPrintable(check.error));
        QCOMPARE(breachesText(check.breaches), c[3]);
        // Every interval lies inside the log, where its depth is above the ceiling.
        for (const CeilingBreach& b : check.breaches) {
            QVERIFY(b.startMinutes < b.endMinutes);
            QVERIFY(b.worstMetres > 0);
        }
        const QStringList lines = check.lines();
        QCOMPARE(lines.size(), 6 + std::max(1, int(check.breaches.size())));
        QCOMPARE(check.log.maxDepthMetres, float(log.diveDepth()));
    }

    // A log without depth points is refused, not reported as kept.
    void logWithoutDive()
    {
        for (const QVector<QPointF>& points :
             {QVector<QPointF>{}, QVector<QPointF>{{0, 0}, {10, 0}}}) {
            DiveProfile log;
            for (const QPointF& p : points)
                log.addPoint(p.x(), p.y());
            const LogCheck check = checkLog(log, requestOf("dive_depth=18 dive_time=30"));
            QCOMPARE(check.error,
                     QStringLiteral("The log holds no dive: no depth below the surface"));
            QCOMPARE(check.lines(), QStringList{check.error});
        }
    }

    // The shared sample logs, each checked against a 30 m / 30 min plan: no failure.
    void sampleLogs()
    {
        const QString dir =
            qEnvironmentVariable("BATHYRA_SHARED_DIR", "/nonexistent") + "/samples/profiles";
        if (!QDir(dir).exists())
            QSKIP("no shared sample logs");
        QDirIterator it(dir, {"*.xml", "*.uddf", "*.udcf"}, QDir::Files,
                        QDirIterator::Subdirectories);
        int checked = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            DiveProfile log;
            ConfigImage config = requestOf(QString()).image;
            try {
                logbook::load(log, file, &config);
            } catch (const QString&) {
                continue; // a file without a profile: nothing to check
            }
            const LogCheck check = checkLog(log, requestOf("dive_depth=30 dive_time=30"), &config);
            if (!check.error.isEmpty()) { // only a log without a dive is refused
                QVERIFY2(check.error.startsWith("The log holds no dive"), qPrintable(file));
                continue;
            }
            QVERIFY2(check.lines().size() >= 7 && check.log.maxDepthMetres > 0, qPrintable(file));
            QVERIFY(check.log.runtimeMinutes >= check.log.bottomMinutes);
            ++checked;
        }
        QVERIFY(checked > 10);
    }
};

QTEST_GUILESS_MAIN(TestPlanTools)
#include "test_plan_tools.moc"
