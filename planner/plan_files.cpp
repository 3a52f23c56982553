// SPDX-License-Identifier: GPL-3.0-or-later
// Plan files: see plan_files.h.
#include "planner/plan_files.h"

#include "bathyra_version.h"
#include "device/safe_file.h"
#include "planner/dive_parameters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace planner
{

namespace
{

constexpr double mbarPerMetreHere = 1000.0 / 10.015; // 10.015 metres per bar

QString num(double v, int decimals = 1)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains('.')) {
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.'))
            s.chop(1);
    }
    return s;
}

const char* const ruleKeys[] = {"all", "half", "two_thirds"};

QString csvField(const QString& text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n'))
        return text;
    QString t = text;
    t.replace('"', "\"\"");
    return '"' + t + '"';
}

QByteArray csvLines(const QList<QStringList>& lines)
{
    QString out;
    for (const QStringList& l : lines) {
        QStringList fields;
        for (const QString& f : l)
            fields << csvField(f);
        out += fields.join(',') + "\r\n";
    }
    return out.toUtf8();
}

} // namespace

PlanSet makePlanSet(const PlanRequest& request, const ContingencyOptions& options)
{
    PlanSet set;
    set.request = request;
    set.options = options;
    set.rows = planContingencies(request, options);
    set.replayed = request.replay != nullptr;
    set.request.replay = nullptr;
    set.created = QDateTime::currentDateTime();
    return set;
}

QString kindKey(RuntimeLine::Kind kind)
{
    static const char* const keys[] = {"descent", "bottom", "ascent", "switch", "stop", "surface"};
    return QLatin1String(keys[kind]);
}

QString firmwareText(const ConfigImage& image)
{
    return QStringLiteral("%1.%2")
        .arg(image.byte(ConfigImage::firmware_major))
        .arg(image.byte(ConfigImage::firmware_minor));
}

int gasModMetres(const PlanRequest& request, int n)
{
    return modMetres(request.image.gasO2(n), request.image.cf(Cf::PpO2High), request.surfaceMbar);
}

QVector<RuntimeLine> runtimeLines(const ContingencyRow& row, const PlanRequest& request)
{
    QVector<RuntimeLine> out;
    const QVector<DecoplanStop>& records = row.figures.records;
    const auto ppO2 = [&request](int gas, float setpoint, float depth) {
        if (setpoint > 0) { // the loop holds the setpoint where the ambient pressure allows
            const float ambient = (request.surfaceMbar + depth * mbarPerMetreHere) / 1000.0f;
            return std::min(setpoint, ambient);
        }
        if (gas < 1 || gas > 5)
            return 0.0f;
        return inspiredPpO2Cbar(request.image.gasO2(gas), static_cast<int>(depth + 0.5f),
                                request.surfaceMbar) /
               100.0f;
    };
    int prevGas = -1;
    float prevSetpoint = -1;
    for (int i = 0; i < records.size(); ++i) {
        const DecoplanStop& r = records[i];
        RuntimeLine l;
        l.depthMetres = r.depth;
        l.minutes = r.duration;
        l.runtimeMinutes = r.runtime;
        l.gas = r.gas;
        l.gasName = r.gas >= 1 && r.gas <= 5 ? gasName(request.image, r.gas) : QString();
        l.setpointBar = r.setpoint;
        l.ppO2Bar = ppO2(r.gas, r.setpoint, r.depth);
        if (i < row.figures.profileRecords)
            l.kind = r.kind == DecoplanStop::Descending  ? RuntimeLine::Descent
                     : r.kind == DecoplanStop::Ascending ? RuntimeLine::Ascent
                                                         : RuntimeLine::Bottom;
        else if (i == records.size() - 1 && r.depth == 0)
            l.kind = RuntimeLine::Surface;
        else if (r.kind == DecoplanStop::Level && r.duration <= 0)
            l.kind = RuntimeLine::Switch;
        else
            l.kind = r.kind == DecoplanStop::Ascending ? RuntimeLine::Ascent : RuntimeLine::Stop;
        const bool changed = prevGas >= 0 && (r.gas != prevGas || r.setpoint != prevSetpoint);
        if (changed && i >= row.figures.profileRecords && l.kind != RuntimeLine::Switch &&
            l.kind != RuntimeLine::Surface && r.gas >= 1 && r.gas <= 5) {
            RuntimeLine s = l;
            s.kind = RuntimeLine::Switch;
            s.minutes = 0;
            s.runtimeMinutes = out.isEmpty() ? 0 : out.last().runtimeMinutes;
            out << s;
        }
        out << l;
        prevGas = r.gas;
        prevSetpoint = r.setpoint;
    }
    return out;
}

QStringList contingencyText(const PlanSet& set)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("planner", text); };
    const auto cell = [](const QString& t, int w) { return t.leftJustified(w, ' '); };
    QStringList out;
    out << cell(tr("Variant"), 16) + cell(tr("Run"), 6) + cell(tr("TTS"), 5) + cell(tr("Stop"), 6) +
               cell(tr("Stops"), 7) + cell(tr("CNS"), 6) + cell(tr("ppO2"), 6) + tr("Gas used");
    for (const ContingencyRow& r : set.rows) {
        if (!r.error.isEmpty()) {
            out << cell(r.name, 16) + r.error;
            continue;
        }
        QStringList gases;
        for (int k = 0; k < 5; ++k) {
            if (r.gasNames[k].isEmpty() || r.gasLitres[k] <= 0)
                continue;
            QString g = QStringLiteral("%1 %2 l").arg(r.gasNames[k]).arg(r.gasLitres[k]);
            if (set.options.cylinders.has(k + 1))
                g += QStringLiteral(" %1 bar%2")
                         .arg(num(r.barUsed[k], 0), r.reserveBroken[k] ? "!" : "");
            gases << g;
        }
        out << cell(r.name, 16) + cell(num(r.runtimeMinutes, 0), 6) +
                   cell(QString::number(r.ttsMinutes), 5) +
                   cell(r.firstStopMetres ? QString::number(r.firstStopMetres) + "m" : "-", 6) +
                   cell(num(r.stopMinutes, 0), 7) + cell(num(r.cnsPercent, 0) + "%", 6) +
                   cell(QString::number(r.maxPpO2Bar, 'f', 2), 6) +
                   gases.join(QStringLiteral(", "));
    }
    return out;
}

QByteArray runtimeCsv(const PlanSet& set)
{
    QList<QStringList> lines;
    lines << QStringList{"kind",   "depth [m]", "duration [min]", "runtime [min]", "gas",
                         "O2 [%]", "He [%]",    "setpoint [bar]", "ppO2 [bar]"};
    if (!set.rows.isEmpty())
        for (const RuntimeLine& l : runtimeLines(set.rows[0], set.request))
            lines << QStringList{kindKey(l.kind),
                                 num(l.depthMetres),
                                 num(l.minutes),
                                 num(l.runtimeMinutes),
                                 l.gasName,
                                 l.gas ? QString::number(set.request.image.gasO2(l.gas)) : "",
                                 l.gas ? QString::number(set.request.image.gasHe(l.gas)) : "",
                                 num(l.setpointBar, 2),
                                 num(l.ppO2Bar, 2)};
    return csvLines(lines);
}

QByteArray contingencyCsv(const PlanSet& set)
{
    QStringList header{"variant",        "runtime [min]",     "TTS [min]",
                       "first stop [m]", "stops [min]",       "CNS [%]",
                       "max ppO2 [bar]", "bail-out at [min]", "error"};
    for (int n = 1; n <= 5; ++n)
        header << QStringLiteral("gas %1").arg(n) << QStringLiteral("gas %1 [l]").arg(n)
               << QStringLiteral("gas %1 used [bar]").arg(n)
               << QStringLiteral("gas %1 reserve broken").arg(n);
    QList<QStringList> lines{header};
    for (const ContingencyRow& r : set.rows) {
        QStringList l{r.name,
                      num(r.runtimeMinutes),
                      QString::number(r.ttsMinutes),
                      QString::number(r.firstStopMetres),
                      num(r.stopMinutes),
                      num(r.cnsPercent),
                      num(r.maxPpO2Bar, 2),
                      r.bailoutAtMinutes >= 0 ? num(r.bailoutAtMinutes) : QString(),
                      r.error};
        for (int k = 0; k < 5; ++k) {
            const bool cylinder = set.options.cylinders.has(k + 1);
            l << r.gasNames[k]
              << (r.gasNames[k].isEmpty() ? QString() : QString::number(r.gasLitres[k]))
              << (cylinder ? num(r.barUsed[k]) : QString())
              << (cylinder ? (r.reserveBroken[k] ? "yes" : "no") : QString());
        }
        lines << l;
    }
    return csvLines(lines);
}

QByteArray planJson(const PlanSet& set)
{
    const PlanRequest& q = set.request;
    const ConfigImage& im = q.image;
    QJsonObject parameters{
        {"model", set.rows.isEmpty() ? QString() : set.rows[0].figures.model},
        {"circuit", im.isCcr() ? "ccr" : "oc"},
        {"gradientFactors", im.isGfModel()},
        {"gfLow_percent", im.cf(Cf::GfLow)},
        {"gfHigh_percent", im.cf(Cf::GfHigh)},
        {"surfacePressure_mbar", q.surfaceMbar},
        {"depth_m", q.depthMetres},
        {"bottomTime_min", q.bottomMinutes},
        {"ascentRate_m_per_min", q.ascentRate},
        {"bottomSac_l_per_min", im.cf(Cf::BottomGasUsage)},
        {"decoSac_l_per_min", im.cf(Cf::AscentGasUsage)},
        {"ppO2Max_bar", im.cf(Cf::PpO2High) / 100.0},
        {"setpoint_bar", im.isCcr() ? im.setpoint(1) / 100.0 : 0.0},
        {"firmware", firmwareText(im)},
        {"deeper_m", set.options.deeperMetres},
        {"longer_min", set.options.longerMinutes},
        {"reserveRule", QLatin1String(ruleKeys[static_cast<int>(set.options.cylinders.rule)])}};
    QJsonArray gases;
    const int first = im.byte(ConfigImage::first_gas);
    for (int n = 1; n <= 5; ++n) {
        if (!im.gasActive(n) && n != first)
            continue;
        QJsonObject g{{"number", n},
                      {"name", gasName(im, n)},
                      {"o2_percent", im.gasO2(n)},
                      {"he_percent", im.gasHe(n)},
                      {"switchDepth_m", im.gasDepth(n)},
                      {"first", n == first},
                      {"mod_m", gasModMetres(q, n)}};
        if (set.options.cylinders.has(n)) {
            g["cylinder_l"] = set.options.cylinders.litres[n - 1];
            g["fill_bar"] = set.options.cylinders.fillBar[n - 1];
        }
        gases << g;
    }
    const auto segments = [&q](const ContingencyRow& row) {
        QJsonArray out;
        for (const RuntimeLine& l : runtimeLines(row, q)) {
            QJsonObject s{{"kind", kindKey(l.kind)},   {"depth_m", l.depthMetres},
                          {"duration_min", l.minutes}, {"runtime_min", l.runtimeMinutes},
                          {"ppO2_bar", l.ppO2Bar},     {"setpoint_bar", l.setpointBar}};
            s["gas"] = l.gas ? QJsonValue(l.gasName) : QJsonValue();
            out << s;
        }
        return out;
    };
    QJsonArray variants;
    for (const ContingencyRow& r : set.rows) {
        // In the order the file shows them: a JSON object keeps its keys sorted.
        QJsonObject v{{"bottomTime_min", r.bottomMinutes},
                      {"cns_percent", r.cnsPercent},
                      {"depth_m", r.depthMetres},
                      {"firstStop_m", r.firstStopMetres},
                      {"kind", variantKey(r.kind)},
                      {"maxPpO2_bar", r.maxPpO2Bar},
                      {"name", r.name},
                      {"runtime_min", r.runtimeMinutes},
                      {"stops_min", r.stopMinutes},
                      {"tts_min", r.ttsMinutes}};
        if (!r.error.isEmpty())
            v["error"] = r.error;
        if (r.bailoutAtMinutes >= 0)
            v["bailoutAt_min"] = r.bailoutAtMinutes;
        if (r.kind == ContingencyRow::LostGas)
            v["lostGas"] = r.lostGas;
        QJsonArray use;
        for (int k = 0; k < 5; ++k) {
            if (r.gasNames[k].isEmpty())
                continue;
            QJsonObject u{{"number", k + 1}, {"name", r.gasNames[k]}, {"litres", r.gasLitres[k]}};
            if (set.options.cylinders.has(k + 1)) {
                u["used_bar"] = r.barUsed[k];
                u["reserveBroken"] = r.reserveBroken[k];
            }
            use << u;
        }
        v["gases"] = use;
        v["segments"] = segments(r);
        variants << v;
    }
    QJsonObject root{{"format", "bathyra-plan"},
                     {"formatVersion", 1},
                     {"program", QStringLiteral("Bathyra " BATHYRA_VERSION BATHYRA_VERSION_SUFFIX)},
                     {"created", set.created.toString(Qt::ISODate)},
                     {"parameters", parameters},
                     {"gases", gases},
                     {"segments", set.rows.isEmpty() ? QJsonArray() : segments(set.rows[0])},
                     {"variants", variants}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString contingencyCsvPath(const QString& csvPath)
{
    const QFileInfo f(csvPath);
    return f.dir().filePath(f.completeBaseName() + "-contingency." + f.suffix());
}

void writePlanFile(const QString& path, const PlanSet& set)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "json") {
        SafeFile::save(path, planJson(set));
    } else if (suffix == "csv") {
        SafeFile::save(path, runtimeCsv(set));
        SafeFile::save(contingencyCsvPath(path), contingencyCsv(set));
    } else {
        throw QCoreApplication::translate("planner::PlanFiles",
                                          "Cannot write '%1': plan files end in .csv or .json")
            .arg(path);
    }
}

} // namespace planner
