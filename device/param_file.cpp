// SPDX-License-Identifier: GPL-3.0-or-later
// Dive parameter files: see param_file.h for the entry points.
#include "device/param_file.h"

#include "device/config_image.h"
#include "device/message_sink.h"

#include <QSettings>
#include <QStringList>
#include <cmath>

namespace
{

// Legacy files hold decimal values; read them as the decimal they denote, so that
// 1.299 bar truncates to 129 centibar and 1.15 bar to 115, not to 114.
int truncDecimal(double value, int scale)
{
    const double v = value * scale;
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(v < 0 ? std::ceil(v - 1e-6) : std::floor(v + 1e-6));
}

quint8 low8(int v)
{
    return static_cast<quint8>(v & 0xFF);
}
quint16 low16(int v)
{
    return static_cast<quint16>(v & 0xFFFF);
}

void readLegacyLayout(const QSettings& s, ConfigImage& image, const QString& mode)
{
    for (int g = 0; g < ConfigImage::GasCount; ++g) {
        const QString prefix = QStringLiteral("Gas/%1/").arg(g);
        const int n = g + 1;
        image.setGasActive(n, s.value(prefix + "on", true).toBool());
        image.setGasO2(n, low8(s.value(prefix + "O2", 21).toInt()));
        image.setGasHe(n, low8(s.value(prefix + "He", 0).toInt()));
        image.setGasDepth(n, low8(s.value(prefix + "depth", 0).toInt()));
    }
    image.setByte(ConfigImage::first_gas, low8(s.value("Gas/first", 1).toInt()));
    for (int k = 1; k <= 3; ++k) {
        const double bar = s.value(QStringLiteral("SetPoint/%1/ppO2").arg(k), 1.0).toDouble();
        image.setSetpoint(k, low8(truncDecimal(bar, 100)));
    }
    int decoType;
    if (mode == QLatin1String("OCR"))
        decoType = 4;
    else
        decoType = s.value("GradientFactor/on", false).toBool() ? 5 : 2;
    image.setByte(ConfigImage::deco_type, low8(decoType));

    image.setCf(11, low16(s.value("Buhlmann/sat", 110).toInt()));
    image.setCf(12, low16(s.value("Buhlmann/desat", 90).toInt()));
    image.setCf(18, low16(truncDecimal(s.value("Dive/ppO2High", 1.6).toDouble(), 100)));
    image.setCf(16, low16(truncDecimal(s.value("Buhlmann/offset", 1.0).toDouble(), 10)));
    image.setCf(29, low16(s.value("Buhlmann/last_stop", 3).toInt()));
    image.setCf(32, low16(s.value("GradientFactor/low", 30).toInt()));
    image.setCf(33, low16(s.value("GradientFactor/high", 90).toInt()));
    image.setCf(54, s.value("Dive/shallow_first", false).toBool() ? 1 : 0);
    image.setCf(55, low16(s.value("Gas/switch_delay", 0).toInt()));
    // Gas usage is stored as the whole number of litres per minute it denotes, the unit
    // of CF56/CF57 (a factor of ten would put every legacy value outside 5..50).
    image.setCf(
        56, low16(static_cast<int>(std::lround(s.value("Dive/bottom_usage", 20.0).toDouble()))));
    image.setCf(
        57, low16(static_cast<int>(std::lround(s.value("Dive/ascent_usage", 20.0).toDouble()))));
    image.setCf(58, low16(s.value("Dive/extra_time", 0).toInt()));
}

void readNewLayout(const QSettings& s, ConfigImage& image)
{
    image.setByte(ConfigImage::deco_type, low8(s.value("Deco/model", -1).toInt()));
    image.setByte(ConfigImage::salinity, low8(s.value("Deco/salinity", 100).toInt()));
    for (int g = 0; g < ConfigImage::GasCount; ++g) {
        const QString prefix = QStringLiteral("Gas%1/").arg(g);
        const int n = g + 1;
        if (s.value(prefix + "first", "no").toString() == QLatin1String("yes"))
            image.setByte(ConfigImage::first_gas, low8(n));
        if (s.value(prefix + "active", "no").toString() == QLatin1String("yes"))
            image.setGasActive(n, true);
        image.setGasDepth(n, low8(s.value(prefix + "depth", 0).toInt()));
        image.setGasO2(n, low8(s.value(prefix + "current/O2", 21).toInt()));
        image.setGasHe(n, low8(s.value(prefix + "current/He", 0).toInt()));
    }
    image.setByte(ConfigImage::gas6_O2, low8(s.value("Gas6/current/O2", 21).toInt()));
    image.setByte(ConfigImage::gas6_He, low8(s.value("Gas6/current/He", 0).toInt()));
    for (int k = 0; k < 3; ++k)
        image.setSetpoint(k + 1,
                          low8(s.value(QStringLiteral("Setpoint%1/ppO2").arg(k), 100).toInt()));
    for (int n = 0; n < ConfigImage::CfCount; ++n)
        image.setCf(n, low16(s.value(QStringLiteral("CF%1/value").arg(n), image.cf(n)).toInt()));
}

} // namespace

namespace ParamFile
{

void save(QSettings& s, const ConfigImage& image, const DiveInputs& dive, const ReplayFlags& replay,
          MessageSink* sink)
{
    // A stopping error leaves the store as it was: nothing has been touched yet.
    image.validate(sink);

    // Only the legacy layout and the keys written below go; other keys of the "Dive"
    // group (the settings dialog's "Dive/verbose") belong to someone else.
    for (const char* group : {"Mode", "Gas", "SetPoint", "Buhlmann", "GradientFactor"})
        s.remove(QLatin1String(group));
    for (const char* key : {"Dive/ppO2High", "Dive/shallow_first", "Dive/bottom_usage",
                            "Dive/ascent_usage", "Dive/extra_time"})
        s.remove(QLatin1String(key));
    // Stale keys of a group this file rewrites in full would otherwise survive a save.
    s.remove("OSTC/text");
    for (int g = 0; g < ConfigImage::GasCount; ++g)
        s.remove(QStringLiteral("Gas%1/first").arg(g));

    s.setValue("OSTC/serial", image.word(ConfigImage::serial));
    s.setValue("OSTC/firmware", QStringLiteral("%1.%2")
                                    .arg(image.byte(ConfigImage::firmware_major))
                                    .arg(image.byte(ConfigImage::firmware_minor)));
    if (image.byte(ConfigImage::text_on) != 0) {
        QByteArray text(reinterpret_cast<const char*>(image.data() + ConfigImage::text),
                        ConfigImage::TextLength);
        const int brace = text.indexOf('}');
        if (brace >= 0)
            text.truncate(brace);
        s.setValue("OSTC/text", QString::fromLatin1(text));
    }
    s.setValue("Deco/model", image.byte(ConfigImage::deco_type));
    s.setValue("Deco/salinity", image.byte(ConfigImage::salinity));
    const int first = image.byte(ConfigImage::first_gas);
    for (int g = 0; g < ConfigImage::GasCount; ++g) {
        const QString prefix = QStringLiteral("Gas%1/").arg(g);
        const int n = g + 1;
        if (first == n)
            s.setValue(prefix + "first", "yes");
        s.setValue(prefix + "active", image.gasActive(n) ? "yes" : "no");
        s.setValue(prefix + "depth", image.gasDepth(n));
        s.setValue(prefix + "default/O2", image.gasDefaultO2(n));
        s.setValue(prefix + "default/He", image.gasDefaultHe(n));
        s.setValue(prefix + "current/O2", image.gasO2(n));
        s.setValue(prefix + "current/He", image.gasHe(n));
    }
    s.setValue("Gas6/current/O2", image.byte(ConfigImage::gas6_O2));
    s.setValue("Gas6/current/He", image.byte(ConfigImage::gas6_He));
    for (int k = 0; k < 3; ++k)
        s.setValue(QStringLiteral("Setpoint%1/ppO2").arg(k), image.setpoint(k + 1));
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        s.setValue(QStringLiteral("CF%1/value").arg(n), image.cf(n));
        s.setValue(QStringLiteral("CF%1/default").arg(n), image.cfDefault(n));
    }
    s.setValue("Dive/pressure", dive.pressure_mbar);
    s.setValue("Dive/ascent_speed", dive.ascent_speed);
    s.setValue("Dive/bottom_time", dive.bottom_time_min);
    s.setValue("Dive/bottom_depth", dive.bottom_depth_m);
    s.setValue("Replay/breakOnStop", replay.breakOnStop);
    s.setValue("Replay/gasSwitch", replay.gasSwitch);
    s.setValue("Replay/breakOnSwitch", replay.breakOnSwitch);
    s.setValue("Replay/setpoint", replay.setpoint);
    s.setValue("Replay/breakOnSetpoint", replay.breakOnSetpoint);
    s.setValue("Replay/ppo2", replay.ppo2);
    s.sync();
}

bool load(const QSettings& s, ConfigImage& image, DiveInputs& dive, ReplayFlags& replay,
          MessageSink* sink)
{
    // QSettings parses an INI file section by section, when a key's group is first asked
    // for; "Dive\pressure" under [General] is the key "Dive/pressure" too, but is not seen
    // until [General] has been parsed. Listing the keys parses every section first.
    s.allKeys();
    image = ConfigImage::defaultImage();
    dive.pressure_mbar = s.value("Dive/pressure", 1013).toInt();
    dive.ascent_speed = s.value("Dive/ascent_speed", 10).toInt();
    dive.bottom_time_min = s.value("Dive/bottom_time", 20).toInt();
    dive.bottom_depth_m = s.value("Dive/bottom_depth", 45).toInt();
    replay.breakOnStop = s.value("Replay/breakOnStop", true).toBool();
    replay.gasSwitch = s.value("Replay/gasSwitch", true).toBool();
    replay.breakOnSwitch = s.value("Replay/breakOnSwitch", false).toBool();
    replay.setpoint = s.value("Replay/setpoint", true).toBool();
    replay.breakOnSetpoint = s.value("Replay/breakOnSetpoint", false).toBool();
    replay.ppo2 = s.value("Replay/ppo2", true).toBool();

    try {
        image.validate(sink);
        image.setByte(ConfigImage::active_gases, 0);
        image.setCustomText(
            s.value("OSTC/text", QString()).toString().left(ConfigImage::TextLength));
        const QString mode = s.value("Mode", QString()).toString();
        if (!mode.isEmpty())
            readLegacyLayout(s, image, mode);
        else
            readNewLayout(s, image);
        image.validate(sink);
    } catch (const QString&) {
        return false;
    }
    return true;
}

namespace
{
const char* const ruleKeys[] = {"all", "half", "two_thirds"};
}

void saveCylinders(QSettings& s, const CylinderInputs& cylinders)
{
    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        const QString prefix = QStringLiteral("Gas%1/").arg(n - 1); // as the gas keys
        s.setValue(prefix + "cylinder_litres", cylinders.litres[n - 1]);
        s.setValue(prefix + "cylinder_bar", cylinders.fillBar[n - 1]);
    }
    s.setValue("Reserve/rule", QLatin1String(ruleKeys[static_cast<int>(cylinders.rule)]));
    s.sync();
}

CylinderInputs loadCylinders(const QSettings& s)
{
    s.allKeys(); // every section parsed first, as in load
    CylinderInputs c;
    for (int n = 1; n <= ConfigImage::GasCount; ++n) {
        const QString prefix = QStringLiteral("Gas%1/").arg(n - 1);
        const int litres = s.value(prefix + "cylinder_litres", 0).toInt();
        const int bar = s.value(prefix + "cylinder_bar", 0).toInt();
        const bool sane = litres > 0 && litres <= 100 && bar > 0 && bar <= 400;
        c.litres[n - 1] = sane ? litres : 0;
        c.fillBar[n - 1] = sane ? bar : 0;
    }
    const QString rule = s.value("Reserve/rule", QString()).toString();
    for (int r = 0; r < 3; ++r)
        if (rule == QLatin1String(ruleKeys[r]))
            c.rule = static_cast<ReserveRule>(r);
    return c;
}

} // namespace ParamFile
