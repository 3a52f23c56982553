// SPDX-License-Identifier: GPL-3.0-or-later
// The planning-core steps of bathyra-cli: see plan_tool_steps.h.
#include "cli/plan_tool_steps.h"

#include "app/bathyra_interface.h"
#include "device/safe_file.h"
#include "planner/bottom_time_solver.h"
#include "planner/dive_parameters.h"
#include "planner/log_check.h"
#include "planner/plan_comparison.h"
#include "planner/plan_parameters.h"

#include <QFileInfo>
#include <QSettings>

namespace clitools
{

namespace
{

// The plan of a parameter file, as the main window would plan it after Load.
planner::PlanRequest requestOfFile(const QString& file, MessageSink* sink)
{
    if (!QFileInfo(file).isFile())
        throw QStringLiteral("no parameter file %1").arg(file);
    return planner::requestOfParamFile(QSettings(file, QSettings::IniFormat), sink);
}

void compare(Bathyra_Interface* window, const QStringList& files, const QString& csvOut)
{
    planner::PlanComparison cmp;
    for (const QString& file : files) {
        QString error;
        if (cmp.add(requestOfFile(file, window), QString(), &error) < 0)
            throw QStringLiteral("%1: %2").arg(file, error);
    }
    QStringList names;
    for (int i = 0; i < cmp.size(); ++i)
        names << QStringLiteral("%1 (%2)").arg(cmp.at(i).name, QFileInfo(files[i]).fileName());
    window->message(QCoreApplication::translate("PlanComparison", "plans: %1")
                        .arg(names.join(QStringLiteral(" | ")).toHtmlEscaped()));
    for (const planner::ComparisonRow& row : cmp.rows()) {
        QStringList cells;
        for (int i = 0; i < cmp.size(); ++i)
            cells << planner::PlanComparison::cell(row, i);
        window->message(QStringLiteral("%1: %2").arg(row.title, cells.join(QStringLiteral(" | "))));
    }
    if (!csvOut.isEmpty())
        SafeFile::save(QFileInfo(csvOut).absoluteFilePath(), cmp.toCsv().toUtf8());
}

void check(Bathyra_Interface* window)
{
    DiveProfile* log = window->currentProfile();
    if (!log)
        throw QStringLiteral("check needs a logged dive: --profile LOG before it");
    planner::PlanRequest plan = window->planRequest();
    plan.replay = nullptr;
    const planner::LogCheck result = planner::checkLog(*log, plan);
    if (!result.error.isEmpty())
        throw result.error;
    for (const QString& line : result.lines())
        window->message(line.toHtmlEscaped());
}

} // namespace

bool isPlanToolStep(const QString& name)
{
    return name == QLatin1String("solve") || name == QLatin1String("compare") ||
           name == QLatin1String("check");
}

QString takeArguments(const QStringList& args, int& i, QString& argument)
{
    const QString step = args[i];
    // A word that starts another step or option.
    const auto free = [&args](int k) {
        static const QStringList steps{"simulate", "ascent",   "gasvolumes", "download",
                                       "upload",   "setclock", "screendump", "firmware",
                                       "solve",    "compare",  "check"};
        return k < args.size() && !args[k].startsWith(QLatin1String("--")) &&
               !steps.contains(args[k]);
    };
    if (step == QLatin1String("solve")) {
        if (!free(i + 1))
            return QStringLiteral("solve needs a target");
        argument = args[++i];
        if (argument != QLatin1String("ndl") && argument != QLatin1String("reserve") &&
            !argument.contains('=')) {
            if (!free(i + 1))
                return QStringLiteral("solve %1 needs a number of minutes").arg(argument);
            argument += '=' + args[++i];
        }
    } else if (step == QLatin1String("compare")) {
        while (free(i + 1))
            argument += (argument.isEmpty() ? QString() : QStringLiteral("\n")) + args[++i];
        if (argument.isEmpty())
            return QStringLiteral("compare needs parameter files");
    }
    return QString();
}

void runPlanToolStep(Bathyra_Interface* window, const QString& name, const QStringList& arguments,
                     const QString& csvOut)
{
    if (name == QLatin1String("solve")) {
        planner::SolveTarget target;
        if (!planner::SolveTarget::parse(arguments.value(0), target))
            throw QStringLiteral(
                "solve takes ndl, runtime MIN, tts MIN, stops MIN or reserve, not \"%1\"")
                .arg(arguments.value(0).replace('=', ' '));
        planner::PlanRequest r = window->planRequest();
        r.replay = nullptr;
        const planner::SolveAnswer answer = planner::solveBottomTime(r, target);
        if (!answer.error.isEmpty())
            throw answer.error;
        window->message(answer.text().toHtmlEscaped());
    } else if (name == QLatin1String("compare")) {
        compare(window, arguments, csvOut);
    } else if (name == QLatin1String("check")) {
        check(window);
    }
}

} // namespace clitools
