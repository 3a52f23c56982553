// SPDX-License-Identifier: GPL-3.0-or-later
// Dive parameters of the main window: the transfer between the parameter widgets and
// the configuration image, the gas information lines, and the parameter sets of
// settings and .div files.
#include "app/bathyra_interface.h"

#include "device/config_image.h"
#include "planner/dive_parameters.h"

#include <QSettings>

using planner::currentImage;

Bathyra_Interface::GasRow Bathyra_Interface::gasRow(int n) const
{
    switch (n) {
    case 1:
        return {gas_1, first_1, o2Label_1, O2_1, heLabel_1, He_1, depthLabel_1, depth_1, mod_1};
    case 2:
        return {gas_2, first_2, o2Label_2, O2_2, heLabel_2, He_2, depthLabel_2, depth_2, mod_2};
    case 3:
        return {gas_3, first_3, o2Label_3, O2_3, heLabel_3, He_3, depthLabel_3, depth_3, mod_3};
    case 4:
        return {gas_4, first_4, o2Label_4, O2_4, heLabel_4, He_4, depthLabel_4, depth_4, mod_4};
    default:
        return {gas_5, first_5, o2Label_5, O2_5, heLabel_5, He_5, depthLabel_5, depth_5, mod_5};
    }
}

DiveInputs Bathyra_Interface::diveInputs() const
{
    DiveInputs d;
    d.pressure_mbar = press_surface->value();
    d.ascent_speed = ascent->value();
    d.bottom_time_min = dive_time->value();
    d.bottom_depth_m = dive_depth->value();
    return d;
}

void Bathyra_Interface::applyParameters(bool noPlot)
{
    ConfigImage& image = currentImage();

    int first = 5;
    for (int n = 1; n <= 4; ++n) {
        if (gasRow(n).first->isChecked()) {
            first = n;
            break;
        }
    }
    image.setByte(ConfigImage::first_gas, static_cast<quint8>(first));

    image.setByte(ConfigImage::active_gases, 0);
    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        const GasRow row = gasRow(n);
        image.setGasActive(n, row.enable->isChecked());
        image.setGasO2(n, static_cast<quint8>(row.o2->value()));
        image.setGasHe(n, static_cast<quint8>(row.he->value()));
        image.setGasDepth(n, static_cast<quint8>(row.depth->value()));
    }

    // Decimal widgets go to integer fields by rounding: 1.3 bar is 130 centibar.
    image.setSetpoint(1, static_cast<quint8>(planner::roundScaled(ppo2_1->value(), 100)));
    image.setSetpoint(2, static_cast<quint8>(planner::roundScaled(ppo2_2->value(), 100)));
    image.setSetpoint(3, static_cast<quint8>(planner::roundScaled(ppo2_3->value(), 100)));

    const bool gf = gradientFactor->isChecked();
    image.setByte(ConfigImage::deco_type, ccrMode->isChecked()
                                              ? (gf ? ConfigImage::GfCcr : ConfigImage::PlainCcr)
                                              : (gf ? ConfigImage::GfOc : ConfigImage::PlainOc));

    image.setCf(Cf::Saturation, static_cast<quint16>(saturation->value()));
    image.setCf(Cf::Desaturation, static_cast<quint16>(desaturation->value()));
    image.setCf(Cf::DecoOffset,
                static_cast<quint16>(planner::roundScaled(deco_offset->value(), 10)));
    image.setCf(Cf::PpO2High, static_cast<quint16>(planner::roundScaled(ppO2High->value(), 100)));
    image.setCf(Cf::LastStop, static_cast<quint16>(last_stop->value()));
    image.setCf(Cf::GfLow, static_cast<quint16>(GF_low->value()));
    image.setCf(Cf::GfHigh, static_cast<quint16>(GF_high->value()));
    image.setCf(Cf::AdjustSetpoint, adjustSP->isChecked() ? 1 : 0);
    image.setCf(Cf::ShallowStopFirst, shallow_first->isChecked() ? 1 : 0);
    image.setCf(Cf::GasSwitchDelay, static_cast<quint16>(gas_switch_delay->value()));
    image.setCf(Cf::BottomGasUsage, static_cast<quint16>(bottomGasUsage->value()));
    image.setCf(Cf::AscentGasUsage, static_cast<quint16>(ascentGasUsage->value()));
    image.setCf(Cf::FutureTts, static_cast<quint16>(extra_time->value()));

    planner::plannerEngine().in_surface_pressure_mbar =
        static_cast<uint16_t>(press_surface->value());

    if (!noPlot)
        setupDivePlot();

    ReplayFlags& flags = planner::replayFlags();
    flags.breakOnStop = replayBreakOnStop->isChecked();
    flags.gasSwitch = replayGasSwitch->isChecked();
    flags.breakOnSwitch = replayBreakOnSwitch->isChecked();
    flags.setpoint = replaySetpoint->isChecked();
    flags.breakOnSetpoint = replayBreakOnSetpoint->isChecked();
    flags.ppo2 = replayPpO2->isChecked();
}

void Bathyra_Interface::showParameters()
{
    const ConfigImage& image = currentImage();

    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        const GasRow row = gasRow(n);
        row.enable->setChecked(image.gasActive(n));
        row.o2->setValue(image.gasO2(n));
        row.he->setValue(image.gasHe(n));
        row.depth->setValue(image.gasDepth(n));
    }
    const int first = image.byte(ConfigImage::first_gas);
    if (first >= 1 && first <= ConfigImage::GasCount)
        gasRow(first).first->setChecked(true);

    ppo2_1->setValue(image.setpoint(1) * 0.01);
    ppo2_2->setValue(image.setpoint(2) * 0.01);
    ppo2_3->setValue(image.setpoint(3) * 0.01);

    const int decoType = image.byte(ConfigImage::deco_type);
    (ConfigImage::isCcrType(decoType) ? ccrMode : ocrMode)->setChecked(true);
    (ConfigImage::isGfType(decoType) ? gradientFactor : buhlmann)->setChecked(true);

    showCf(saturation, Cf::Saturation);
    showCf(desaturation, Cf::Desaturation);
    showCf(deco_offset, Cf::DecoOffset, 10);
    showCf(ppO2High, Cf::PpO2High, 100);
    showCf(last_stop, Cf::LastStop);
    showCf(GF_low, Cf::GfLow);
    showCf(GF_high, Cf::GfHigh);
    adjustSP->setChecked(image.cf(Cf::AdjustSetpoint) != 0);
    shallow_first->setChecked(image.cf(Cf::ShallowStopFirst) != 0);
    showCf(gas_switch_delay, Cf::GasSwitchDelay);
    showCf(bottomGasUsage, Cf::BottomGasUsage);
    showCf(ascentGasUsage, Cf::AscentGasUsage);
    showCf(extra_time, Cf::FutureTts);

    const ReplayFlags& flags = planner::replayFlags();
    replayBreakOnStop->setChecked(flags.breakOnStop);
    replayGasSwitch->setChecked(flags.gasSwitch);
    replayBreakOnSwitch->setChecked(flags.breakOnSwitch);
    replaySetpoint->setChecked(flags.setpoint);
    replayBreakOnSetpoint->setChecked(flags.breakOnSetpoint);
    replayPpO2->setChecked(flags.ppo2);

    // Rows whose values did not change sent no signal; refresh them all.
    for (int n = 1; n <= ConfigImage::GasCount; ++n)
        showGasInfo(n);
    setpointSlot();
}

// A CF value its field cannot hold is shown, and applied by the next run or save, as the
// field's limit: say so rather than change the diver's setting without a word.
void Bathyra_Interface::showCf(QSpinBox* box, int n)
{
    const int asked = currentImage().cf(n);
    box->setValue(asked);
    if (box->value() != asked)
        cfLimited(n, QString::number(asked) + box->suffix(),
                  QString::number(box->value()) + box->suffix());
}

void Bathyra_Interface::showCf(QDoubleSpinBox* box, int n, int scale)
{
    const int asked = currentImage().cf(n);
    box->setValue(static_cast<double>(asked) / scale);
    if (planner::roundScaled(box->value(), scale) != asked)
        cfLimited(n,
                  QString::number(static_cast<double>(asked) / scale, 'f', box->decimals()) +
                      box->suffix(),
                  QString::number(box->value(), 'f', box->decimals()) + box->suffix());
}

void Bathyra_Interface::cfLimited(int n, const QString& asked, const QString& used)
{
    message("<font color='red'><b>" +
            tr("CF%1 (%2): %3 is beyond the planner's range, %4 is used.")
                .arg(n, 2, 10, QLatin1Char('0'))
                .arg(QCoreApplication::translate("CF menu (15 char max)",
                                                 ConfigImage::cfDefinition(n).label)
                         .trimmed(),
                     asked, used) +
            "</b></font>");
}

void Bathyra_Interface::showGasInfo(int n)
{
    const GasRow row = gasRow(n);
    const planner::GasInfo info =
        planner::gasInfo(row.o2->value(), row.he->value(), row.depth->value(), ppO2High->value(),
                         press_surface->value());
    const QString mixStyle = info.mixInvalid ? QStringLiteral("QSpinBox { color: red}") : QString();
    row.o2->setStyleSheet(mixStyle);
    row.he->setStyleSheet(mixStyle);
    row.info->setText(planner::gasInfoText(info));

    const bool inUse = row.enable->isChecked() || row.first->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(row.o2Label), static_cast<QWidget*>(row.o2),
                       static_cast<QWidget*>(row.heLabel), static_cast<QWidget*>(row.he),
                       static_cast<QWidget*>(row.info)})
        w->setEnabled(inUse);
    const bool depthUsed = inUse && !row.first->isChecked();
    row.depthLabel->setEnabled(depthUsed);
    row.depth->setEnabled(depthUsed);

    const bool depthBad =
        (inUse && row.depth->value() > info.mod) ||
        (row.enable->isChecked() && !row.first->isChecked() && row.depth->value() == 0);
    row.depth->setStyleSheet(depthBad ? QStringLiteral("QSpinBox { color: red }") : QString());
}

void Bathyra_Interface::gas1ModSlot()
{
    showGasInfo(1);
    setpointSlot();
}
void Bathyra_Interface::gas2ModSlot()
{
    showGasInfo(2);
    setpointSlot();
}
void Bathyra_Interface::gas3ModSlot()
{
    showGasInfo(3);
    setpointSlot();
}
void Bathyra_Interface::gas4ModSlot()
{
    showGasInfo(4);
    setpointSlot();
}
void Bathyra_Interface::gas5ModSlot()
{
    showGasInfo(5);
    setpointSlot();
}

void Bathyra_Interface::setpointSlot()
{
    const bool ccr = ccrMode->isChecked();
    setpointGroup->setEnabled(ccr);
    ppo2_1->setEnabled(ccr);
    ppo2_2->setEnabled(ccr);
    ppo2_3->setEnabled(ccr);

    int o2 = 0;
    int he = 0;
    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        const GasRow row = gasRow(n);
        if (row.first->isChecked()) {
            o2 = row.o2->value();
            he = row.he->value();
            break;
        }
    }
    mod_sp1->setText(planner::setpointInfoText(ppo2_1->value(), o2, he));
}

QString Bathyra_Interface::gasName(int n) const
{
    return planner::gasName(currentImage(), n);
}

void Bathyra_Interface::loadEngineGases()
{
    planner::loadEngineGases(currentImage(), planner::plannerEngine());
}

void Bathyra_Interface::setDepth(float depthMetres)
{
    planner::setDepth(currentImage(), planner::plannerEngine(), depthMetres);
}

int Bathyra_Interface::bestGasForDepth(float depthMetres) const
{
    return planner::bestGasForDepth(currentImage(), depthMetres);
}

void Bathyra_Interface::save(QSettings* settings)
{
    try {
        ParamFile::save(*settings, currentImage(), diveInputs(), planner::replayFlags(), this);
        ParamFile::saveCylinders(*settings, cylinders_);
    } catch (const QString& error) {
        // The store is left as it was; the image must be corrected (or reloaded) first.
        message("<font color='red'><b>" + tr("Parameters not saved: %1").arg(error) +
                "</b></font>");
    }
}

void Bathyra_Interface::load(const QSettings* settings)
{
    DiveInputs dive;
    ParamFile::load(*settings, currentImage(), dive, planner::replayFlags(), this);
    cylinders_ = ParamFile::loadCylinders(*settings);
    press_surface->setValue(dive.pressure_mbar);
    ascent->setValue(dive.ascent_speed);
    dive_time->setValue(dive.bottom_time_min);
    dive_depth->setValue(dive.bottom_depth_m);
    showParameters();
}
