// SPDX-License-Identifier: GPL-3.0-or-later
// The contingency set: every row is the plan a fresh core makes with the changed inputs, the
// bail-out of a drawn CCR profile starts at its worst moment, and the reserve rule flags a
// cylinder exactly when the plan uses more than the rule allows.
#include "data_table.h"
#include "plan_requests.h"
#include "planner/contingency.h"
#include "profiles/dive_profile.h"

#include <QtTest>
#include <cmath>
#include <memory>
#include <vector>

using namespace planner;
using Points = std::vector<std::pair<double, double>>;

namespace
{

ReserveRule ruleOf(const QString& name)
{
    return name == "all"    ? ReserveRule::All
           : name == "half" ? ReserveRule::Half
                            : ReserveRule::TwoThirds;
}

// "gas:litres:bar ... rule"
CylinderInputs cylindersOf(const QString& text)
{
    CylinderInputs c;
    for (const QString& w : text.split(' ', Qt::SkipEmptyParts)) {
        if (!w.contains(':')) {
            c.rule = ruleOf(w);
            continue;
        }
        const int n = w.section(':', 0, 0).toInt();
        c.litres[n - 1] = w.section(':', 1, 1).toInt();
        c.fillBar[n - 1] = w.section(':', 2, 2).toInt();
    }
    return c;
}

// A plan made directly, as a new dive with the gas volumes, as the rows are.
PlanResult direct(PlanRequest r)
{
    r.interval = -10;
    r.gasVolumes = true;
    return PlanningCore().plan(r);
}

// The profile cut at `minutes`, interpolated there; the test's own cut, point by point.
std::unique_ptr<DiveProfile> cutAt(const DiveProfile& p, double minutes)
{
    auto out = std::make_unique<DiveProfile>();
    const QVector<double>& t = p.times();
    const QVector<double>& d = p.depths();
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] >= minutes) {
            const double f = i == 0 ? 1 : (minutes - t[i - 1]) / (t[i] - t[i - 1]);
            out->addPoint(minutes, i == 0 ? d[0] : d[i - 1] + f * (d[i] - d[i - 1]));
            break;
        }
        out->addPoint(t[i], d[i]);
    }
    return out;
}

} // namespace

class TestContingency : public QObject
{
    Q_OBJECT

private slots:
    // The rule first: the rows' flags rest on it.
    void reserveRule_data()
    {
        columns<int, int, int, QString, bool>({"used", "cylinder", "fill", "rule", "broken"});
        for (const QStringList& c : dataTable("reserve_rule.txt"))
            QTest::newRow(qPrintable(c[0]))
                << c[1].toInt() << c[2].toInt() << c[3].toInt() << c[4] << (c[5] == "1");
    }
    void reserveRule()
    {
        QFETCH(int, used);
        QFETCH(int, cylinder);
        QFETCH(int, fill);
        QFETCH(QString, rule);
        QFETCH(bool, broken);
        QCOMPARE(reserveBroken(used, cylinder, fill, ruleOf(rule)), broken);
    }

    void rowsArePlansOfTheChangedInputs_data() { dataRows("contingency.txt"); }
    void rowsArePlansOfTheChangedInputs()
    {
        QFETCH(QStringList, c);
        const PlanRequest base = requestWith(PlanRequest(), c[1]);
        ContingencyOptions options;
        options.deeperMetres = c[2].toFloat();
        options.longerMinutes = c[3].toFloat();
        options.cylinders = cylindersOf(c[5]);
        const QVector<ContingencyRow> rows = planContingencies(base, options);

        QStringList names;
        for (const ContingencyRow& row : rows)
            names << row.name;
        QCOMPARE(names.join(','), c[4]);

        QStringList broken;
        for (int i = 0; i < rows.size(); ++i) {
            const ContingencyRow& row = rows[i];
            QVERIFY2(row.error.isEmpty(), qPrintable(row.error));
            PlanRequest r = base;
            switch (row.kind) {
            case ContingencyRow::Base:
            case ContingencyRow::Bailout:
                break;
            case ContingencyRow::Deeper:
                r.depthMetres += options.deeperMetres;
                break;
            case ContingencyRow::Longer:
                r.bottomMinutes += options.longerMinutes;
                break;
            case ContingencyRow::DeeperLonger:
                r.depthMetres += options.deeperMetres;
                r.bottomMinutes += options.longerMinutes;
                break;
            case ContingencyRow::LostGas:
                r.image.setGasActive(row.lostGas, false);
                break;
            }
            const PlanResult p = direct(r);
            QVERIFY(p.ok());
            const PlanFigures& f = row.kind == ContingencyRow::Bailout ? p.gasVolumePlan : p.plan;
            QCOMPARE(row.runtimeMinutes, f.runtimeMinutes);
            QCOMPARE(row.ttsMinutes, f.ttsMinutes);
            QCOMPARE(row.firstStopMetres, f.firstStopMetres);
            QCOMPARE(row.stopMinutes, f.stopMinutes);
            QCOMPARE(row.cnsPercent, f.cnsPercent);
            QCOMPARE(row.figures.records.size(), f.records.size());
            if (row.kind != ContingencyRow::Bailout)
                QCOMPARE(row.maxPpO2Bar, p.maxPpO2Bar);
            else
                QVERIFY(row.maxPpO2Bar > 0 && row.maxPpO2Bar <= 1.65f);
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(row.gasLitres[k], p.gasLitres[k]);
                // The flag, from bar in floating point against the rule's share of the fill.
                const int size = options.cylinders.litres[k], fill = options.cylinders.fillBar[k];
                const double share = options.cylinders.rule == ReserveRule::All    ? 1.0
                                     : options.cylinders.rule == ReserveRule::Half ? 0.5
                                                                                   : 2.0 / 3.0;
                const bool over =
                    size > 0 && fill > 0 && double(p.gasLitres[k]) / size > fill * share + 1e-9;
                QCOMPARE(row.reserveBroken[k], over);
                if (over)
                    broken << QString("%1:%2").arg(i).arg(k + 1);
            }
        }
        QCOMPARE(broken.join(' '), c[6]);
    }

    // A drawn multilevel CCR dive: the bail-out row starts at the sampled minute whose
    // bail-out is longest; no other minute's bail-out is longer.
    void worstBailoutOfADrawnProfile()
    {
        PlanRequest base =
            requestWith(PlanRequest(), "ccrMode=1 gradientFactor=1 GF_low=40 GF_high=80 ppo2_1=1.3 "
                                       "O2_1=21 He_1=35 gas_2=1 O2_2=50 depth_2=21");
        DiveProfile drawn;
        for (const auto& p : {std::make_pair(0.0, 0.0),
                              {3.0, 30.0},
                              {10.0, 30.0},
                              {12.0, 52.0},
                              {20.0, 52.0},
                              {23.0, 24.0},
                              {33.0, 24.0},
                              {36.0, 9.0}})
            drawn.addPoint(p.first, p.second);
        base.replay = &drawn;
        ContingencyOptions options;
        options.bailoutStepSeconds = 60;
        const QVector<ContingencyRow> rows = planContingencies(base, options);
        QCOMPARE(rows.last().kind, ContingencyRow::Bailout);
        // Deeper moves every point below the surface down, longer stays at the deepest point.
        const std::pair<int, Points> changed[] = {
            {1, {{0, 0}, {3, 35}, {10, 35}, {12, 57}, {20, 57}, {23, 29}, {33, 29}, {36, 14}}},
            {2,
             {{0, 0},
              {3, 30},
              {10, 30},
              {12, 52},
              {20, 52},
              {25, 52},
              {28, 24},
              {38, 24},
              {41, 9}}}};
        for (const auto& v : changed) {
            DiveProfile hand;
            for (const auto& p : v.second)
                hand.addPoint(p.first, p.second);
            PlanRequest r = base;
            r.replay = &hand;
            const PlanResult p = direct(r);
            const ContingencyRow& row = rows[v.first];
            QVERIFY(p.ok() && row.error.isEmpty());
            QCOMPARE(row.runtimeMinutes, p.plan.runtimeMinutes);
            QCOMPARE(row.ttsMinutes, p.plan.ttsMinutes);
            QCOMPARE(row.stopMinutes, p.plan.stopMinutes);
            QCOMPARE(row.gasLitres[0], p.gasLitres[0]);
        }
        const ContingencyRow& worst = rows.last();
        QVERIFY(worst.error.isEmpty());

        int longest = -1;
        double at = -1;
        for (int minute = 1; minute <= 36; ++minute) {
            std::unique_ptr<DiveProfile> cut = cutAt(drawn, minute);
            PlanRequest r = base;
            r.replay = cut.get();
            r.ascent = false;
            const PlanResult p = direct(r);
            QVERIFY(p.ok());
            QVERIFY2(worst.ttsMinutes >= p.gasVolumePlan.ttsMinutes,
                     qPrintable(QString("minute %1: %2 > %3")
                                    .arg(minute)
                                    .arg(p.gasVolumePlan.ttsMinutes)
                                    .arg(worst.ttsMinutes)));
            if (p.gasVolumePlan.ttsMinutes > longest) {
                longest = p.gasVolumePlan.ttsMinutes;
                at = minute;
            }
        }
        // The drawn profile's points are whole minutes: the worst sampled minute is found, and
        // it is worse than bailing out at the end of the drawn profile.
        QCOMPARE(worst.ttsMinutes, longest);
        QVERIFY(at < 36 && worst.bailoutAtMinutes >= at && worst.bailoutAtMinutes < 36);
        QVERIFY(worst.gasLitres[0] > 0);
    }
};

QTEST_GUILESS_MAIN(TestContingency)
#include "test_contingency.moc"
