// SPDX-License-Identifier: GPL-3.0-or-later
// The report of the simulation runs: see run_report.h.
#include "planner/run_report.h"

#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/decoplan.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <cstdio>

namespace planner
{

namespace
{

QString tr(const char* text, const char* disambiguation = nullptr)
{
    return QCoreApplication::translate("planner::RunReport", text, disambiguation);
}

const QString red = QStringLiteral(" <font color=\"red\"><b>%1=%2</b></font>");

// " name=value%" from the show limit on, in bold red from the warning limit on.
QString percentWithLimits(const QString& name, int value, int show, int warning)
{
    if (value >= warning)
        return QStringLiteral(" <font color=\"red\"><b>%1=%2%</b></font>").arg(name).arg(value);
    if (value >= show)
        return QStringLiteral(" %1=%2%").arg(name).arg(value);
    return QString();
}

} // namespace

RunReport::RunReport(const RunEnvironment& env, const ConfigImage& image,
                     const engine::engine_state& s)
    : env_(env), image_(image), s_(s)
{
}

int RunReport::cf(int n) const
{
    return image_.cf(n);
}

QString RunReport::gasName(int n) const
{
    return planner::gasName(image_, n);
}

void RunReport::message(const QString& line) const
{
    if (env_.console)
        env_.console->message(line, false);
}

void RunReport::processEvents() const
{
    if (env_.processEvents)
        env_.processEvents();
}

// ---- Trace lines ----

QString RunReport::traceLine(float depth, const QString& label, int minutes) const
{
    const int runTime = env_.clock().runTime;
    // C printf formatting, half-way cases included.
    char head[64];
    std::snprintf(head, sizeof head, "%3d:%02d %5.1fm", runTime / 60, runTime % 60,
                  static_cast<double>(depth));
    QString line = QString::fromLatin1(head);
    if (!label.isEmpty()) {
        line += QLatin1Char(' ') + label;
        if (minutes > 60)
            line += QString::asprintf(" = %2d:%02d", minutes / 60, minutes % 60);
        else if (minutes >= 1)
            line += QString::asprintf(" = %d '", minutes);
    }

    const int ppo2 = s_.in_ppo2_cbar;
    if (ppo2 != 0) {
        const QString value = QString::number(ppo2 * 0.01, 'f', 2);
        if (cf(Cf::PpO2Low) < ppo2 && ppo2 < cf(Cf::PpO2Warning)) {
            if (ppo2 >= cf(Cf::PpO2Show))
                line += QStringLiteral(" %1=%2").arg(tr("ppO2"), value);
        } else {
            line += red.arg(tr("ppO2"), value);
        }
    }

    line += percentWithLimits(tr("GF"), s_.out_gf_percent, cf(Cf::GfShow), cf(Cf::GfWarning));
    line += percentWithLimits(tr("CNS"), s_.out_cns_percent, cf(Cf::CnsShow), cf(Cf::CnsWarning));

    const float ppn2 = s_.in_ambient_pressure_mbar * s_.in_n2_percent * 0.00001f;
    if (ppn2 > 5.6f)
        line += QStringLiteral(" <font color='red'><b>%1=%2</b></font>")
                    .arg(tr("ppN2"), QString::number(ppn2, 'f', 2));
    return line;
}

void RunReport::writeTraceLine(float depth, const QString& label, int minutes)
{
    message(traceLine(depth, label, minutes));
}

// ---- Header ----

void RunReport::writeHeader(int interval)
{
    if (env_.clearMessages)
        env_.clearMessages();
    if (s_.in_gf_model == 0) {
        message(tr("Standard Bühlmann ZH-L16C-1a 2002 decompression:"));
        message(tr("*  saturation factor (CF11) = %1 %").arg(s_.in_sat_factor_percent));
        message(tr("*  desaturation factor (CF12) = %1 %").arg(s_.in_desat_factor_percent));
    } else {
        message(tr("Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:"));
        message(tr("*  GF_low (CF32) = %1 %").arg(s_.in_gf_low_percent));
        message(tr("*  GF_high (CF33) = %1 %").arg(s_.in_gf_high_percent));
    }
    message(tr("*  deco offset (CF16) = %1 m").arg(s_.in_deco_distance_cbar / 10.0, 0, 'f', 1));
    message(tr("*  last stop (CF29) = %1 m").arg(s_.in_last_stop_m));
    if (interval < 0)
        message(tr("*  dive started at Pamb = %1 mbar").arg(s_.in_surface_pressure_mbar));
    else if (interval == 0)
        message(tr("*  dive continued at depth = %1 m")
                    .arg(static_cast<int>(
                        (s_.in_ambient_pressure_mbar - s_.in_surface_pressure_mbar) * 0.01 + 0.5)));
    else
        message(tr("*  Interval with previous dive = %1'").arg(interval));
    message(tr("*  Gas switch delay (CF55) = %1 min").arg(cf(Cf::GasSwitchDelay)));

    const int first = image_.byte(ConfigImage::first_gas);
    const bool ccr = image_.isCcr();
    if (ccr) {
        message(tr("CCR mode:"));
        message(tr("*  Setpoint1: %1").arg(image_.setpoint(1) * 0.01, 0, 'f', 1));
        message(tr("*  Diluant Gas#%1 = %2").arg(first).arg(gasName(first)));
    } else {
        message(tr("OC gas list:"));
        message(tr("*  First Gas#%1 = %2").arg(first).arg(gasName(first)));
    }
    for (int i = 1; i <= 5; ++i) {
        if (i == first || !image_.gasActive(i) || image_.gasDepth(i) == 0)
            continue;
        const QString text =
            ccr ? tr("*  Bailout Gas#%1 = %2 at %3 m") : tr("*  Deco Gas#%1 = %2 at %3 m");
        message(text.arg(i).arg(gasName(i)).arg(image_.gasDepth(i)));
    }
    writeModWarnings();
    processEvents();
}

// A gas switched deeper than it may be breathed at the highest ppO2 (CF18).
void RunReport::writeModWarnings()
{
    const int first = image_.byte(ConfigImage::first_gas);
    for (int i = 1; i <= ConfigImage::GasCount; ++i) {
        const int depth = image_.gasDepth(i);
        if (i == first || !image_.gasActive(i) || depth == 0)
            continue;
        const int mod = modMetres(image_.gasO2(i), cf(Cf::PpO2High), s_.in_surface_pressure_mbar);
        if (depth > mod)
            message(QStringLiteral("<font color='red'><b>%1</b></font>")
                        .arg(tr("WARNING: Gas#%1 %2 is switched to at %3 m, deeper than its MOD "
                                "of %4 m at ppO2 %5 bar")
                                 .arg(i)
                                 .arg(gasName(i))
                                 .arg(depth)
                                 .arg(mod)
                                 .arg(cf(Cf::PpO2High) * 0.01, 0, 'f', 2)));
    }
}

// ---- Runtime block ----

void RunReport::writeSeparator()
{
    message(QStringLiteral("==================================="));
    writeModWarnings();
}

void RunReport::writeEllipsis()
{
    if (!env_.verbose)
        message(QStringLiteral("..."));
}

void RunReport::writeRuntimeTitle()
{
    writeEllipsis();
    message(QStringLiteral("==== %1 ====")
                .arg(s_.in_setpoint_cbar != 0 ? tr("CCR Runtime") : tr("OC Runtime")));
}

void RunReport::writeNdl(float depth)
{
    writeTraceLine(depth, tr("NDL"), s_.out_ndl_min);
}

void RunReport::writeDecoLine(float depth)
{
    writeTraceLine(depth, tr("Deco:", "Console"));
}

void RunReport::writePlan(const Decoplan& plan)
{
    message(plan.toHtml());
    message(QStringLiteral("%1 = %2 '").arg(tr("TTS")).arg(plan.tts()));
    const QString cns = QString::number(plan.cns() * 100, 'f', 0);
    if (s_.out_cns_percent >= cf(Cf::CnsWarning))
        message(QStringLiteral("<font color='red'><b>%1 = %2%</b></font>").arg(tr("CNS"), cns));
    else
        message(QStringLiteral("%1 = %2%").arg(tr("CNS"), cns));
    processEvents();
}

void RunReport::writeFutureTts(int runTimeMinutes)
{
    const int extra = cf(Cf::FutureTts);
    message(QString());
    message(QStringLiteral("    %1 @+%2' = %3'")
                .arg(tr("Future TTS"))
                .arg(extra)
                .arg(s_.out_future_tts_min));
    message(QStringLiteral("    %1 @+%2' = %3'")
                .arg(tr("Future RT "))
                .arg(extra)
                .arg(runTimeMinutes + extra + s_.out_future_tts_min));
}

// ---- Ascent ----

void RunReport::writeSwitch(float depth, int from, int to)
{
    writeTraceLine(depth, tr("SWITCH Gas#%1 -> Gas#%2").arg(from).arg(to));
}

void RunReport::writeDescentDone(float depth)
{
    message(QString());
    writeTraceLine(depth, tr("DESCENT DONE"));
}

void RunReport::writeStop(float depth)
{
    writeTraceLine(depth, tr("STOP"), s_.out_first_stop_time_min);
}

void RunReport::writeAscentDone(float depth)
{
    writeEllipsis();
    writeTraceLine(depth, tr("ASCENT DONE"));
}

void RunReport::writeNoFly(float depth)
{
    if (s_.out_desat_time_min < 5760)
        writeTraceLine(depth, tr("NoFly"), s_.io_nofly_time_min);
    else
        writeTraceLine(depth, QStringLiteral("<font color=\"red\">NoFly EXCEEDED</font>"));
    writeTraceLine(depth, tr("Desat"), s_.out_desat_time_min);
}

// ---- Gas volumes ----

void RunReport::writeGasVolumesTitle(bool bailout)
{
    message(
        QStringLiteral("==== %1 ====").arg(bailout ? tr("BAIL-OUT Runtime") : tr("OC Runtime")));
}

void RunReport::writeAlreadySurfaced()
{
    message(tr("Already surfaced: no more gas consumation"));
}

void RunReport::writeGasVolumes(const DiveProfile* profile)
{
    if (profile) {
        message(tr("Max depth                     = %1 m").arg(profile->diveDepth()));
        if (profile->diveDepth() > 2 * profile->averageDepth())
            message(tr("Average before ascent     = %1 m").arg(profile->averageDepth()));
        message(tr("Time before ascent            = %1 min").arg(profile->diveTime()));
    }
    message(tr("Bottom gas consumption (CF56) = %1 l/min").arg(cf(Cf::BottomGasUsage), 5));
    message(tr("Ascent gas consumption (CF57) = %1 l/min").arg(cf(Cf::AscentGasUsage), 5));
    for (int k = 1; k <= 5; ++k) {
        if (s_.out_gas_volume_l[k - 1] == 0)
            continue;
        message(QStringLiteral("%1#%2 (%3/%4) = %5")
                    .arg(tr("Gas"))
                    .arg(k)
                    .arg(image_.gasO2(k), 3)
                    .arg(image_.gasHe(k), 2, 10, QLatin1Char('0'))
                    .arg(s_.out_gas_volume_l[k - 1], 6));
    }
    processEvents();
}

// ---- Replay ----

void RunReport::writeSetpointSwitch(float depth, float from, float to)
{
    writeTraceLine(depth, tr("SWITCH Setpoint %1 -> %2").arg(from, 0, 'f', 1).arg(to, 0, 'f', 1));
}

void RunReport::writeBreakOnStop(float depth)
{
    writeTraceLine(depth, tr("BREAK ON STOP @ %1m").arg(s_.out_first_stop_depth_m));
}

void RunReport::writeBreakOnGas(float depth, int gas)
{
    writeTraceLine(depth, tr("BREAK ON BETTER Gas#%1").arg(gas));
}

void RunReport::writeBreakOnSetpoint(float depth)
{
    writeTraceLine(depth, tr("BREAK ON SETPOINT"));
}

} // namespace planner
