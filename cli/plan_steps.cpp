// SPDX-License-Identifier: GPL-3.0-or-later
// The plan steps of bathyra-cli: see plan_steps.h.
#include "cli/plan_steps.h"

#include "app/bathyra_interface.h"
#include "planner/plan_files.h"
#include "planner/plan_slate.h"

#include <QFileInfo>

const char* const planOptionsText =
    "  --plan-out FILE   after the last step, write the plan and its contingency set of the\n"
    "                    fields: FILE.json (the whole set, see docs/plan.schema.json) or\n"
    "                    FILE.csv (the runtime; the variants into FILE-contingency.csv)\n"
    "  --deeper METRES   the contingency set's deeper variant (default 5)\n"
    "  --longer MINUTES  the contingency set's longer variant (default 5)\n"
    "  --page SIZE       slate page: A4 (default), A5, letter or half-letter\n";
const char* const planUsageText =
    "  contingency       print the plan's contingency set: the plan, deeper, longer, both,\n"
    "                    each deco gas lost and, in CCR mode, the worst bail-out\n"
    "  slate FILE        save the one-page slate of the plan (.pdf .svg .png)\n";

namespace
{

planner::PlanSet planSet(Bathyra_Interface* window, const PlanCliOptions& o)
{
    planner::ContingencyOptions options;
    options.deeperMetres = o.deeperMetres;
    options.longerMinutes = o.longerMinutes;
    options.cylinders = window->cylinders();
    return planner::makePlanSet(window->planRequest(), options);
}

} // namespace

bool parsePlanArgument(const QStringList& args, int& i, PlanCliOptions& o, QString& step,
                       QString& argument, QString& error)
{
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "contingency") {
        step = a;
    } else if (a == "slate" || a == "--plan-out") {
        if (!hasValue)
            error = QStringLiteral("%1 needs a file name").arg(a);
        else if (a == "slate")
            step = a, argument = args[++i];
        else
            o.planOut = args[++i];
    } else if (a == "--deeper" || a == "--longer") {
        bool ok = false;
        const float v = hasValue ? args[++i].toFloat(&ok) : 0;
        if (!ok || v < 0 || v > 100)
            error = QStringLiteral("%1 needs a number from 0 to 100").arg(a);
        (a == "--deeper" ? o.deeperMetres : o.longerMinutes) = v;
    } else if (a == "--page") {
        bool known = false;
        if (hasValue)
            planner::slatePageSize(args[++i], &known);
        if (!known)
            error = QStringLiteral("--page needs A4, A5, letter or half-letter");
        o.page = args[i];
    } else {
        return false;
    }
    return true;
}

bool isPlanStep(const QString& name)
{
    return name == "contingency" || name == "slate";
}

void runPlanStep(Bathyra_Interface* window, const QString& name, const QString& argument,
                 const PlanCliOptions& options)
{
    const planner::PlanSet set = planSet(window, options);
    if (name == "contingency") {
        window->message(QStringLiteral("<pre>%1</pre>")
                            .arg(planner::contingencyText(set).join('\n').toHtmlEscaped()));
    } else {
        planner::saveSlate(QFileInfo(argument).absoluteFilePath(), set,
                           planner::slatePageSize(options.page));
    }
}

void writePlanOut(Bathyra_Interface* window, const PlanCliOptions& options)
{
    if (!options.planOut.isEmpty())
        planner::writePlanFile(QFileInfo(options.planOut).absoluteFilePath(),
                               planSet(window, options));
}
