// SPDX-License-Identifier: GPL-3.0-or-later
// UDDF and UDCF readers and the UDDF writer.
//
// Gases are numbered by their first use in the samples. What real files need beyond that:
// - A first "dive" without samples (a placeholder for the previous dive) is passed over for the
//   first dive that has samples.
// - Decimal divetimes ("605.5") are read as their whole seconds.
// - UDCF element names are matched ignoring letter case; "delta" with "d" samples and no "t"
//   spaces the samples by the delta; "<units>Imperial</units>" means feet; the mixes usually
//   sit in the dive rather than in the root; a switch may give the mix's position ("1") instead
//   of its name, and a mix may be a bare oxygen percentage.
// - A dive that never switches gas but defines exactly one breathable mix is dived on that mix.
// - A switch to a sixth or later UDDF mix is recorded as the closest of the first five gases.
#include "profiles/uddf_formats.h"

#include "device/config_image.h"
#include "device/message_sink.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <vector>

using namespace profilexml;

namespace
{

struct Mix {
    QString name;
    double o2 = 0.0; // percent
    double he = 0.0; // percent
    QString depthText;
    double depth = 0.0; // metres
    bool first = false;
    bool defined = false;
};

// Percent, or a fraction below 2.0 taken as such.
double percent(const QDomElement& e)
{
    const double v = number(e.text());
    return v < 2.0 ? v * 100.0 : v;
}

bool mixSane(const Mix& m)
{
    return std::isfinite(m.o2) && std::isfinite(m.he) && m.o2 >= 0.0 && m.he >= 0.0 &&
           m.o2 + m.he <= 100.5 && std::isfinite(m.depth) && m.depth >= 0.0 && m.depth <= 255.0;
}

QString gasLine(int k, const Mix& m)
{
    return QStringLiteral("%1#%2: %3 o2=%4%, he=%5%%6%7\n")
        .arg(QCoreApplication::translate("gas", "Gas"))
        .arg(k + 1)
        .arg(shown(m.name))
        .arg(m.o2)
        .arg(m.he)
        .arg(m.depthText.isEmpty() ? QString() : QStringLiteral(", depth=") + m.depthText)
        .arg(m.first ? QStringLiteral(", first gas") : QString());
}

void setGasInConfiguration(ConfigImage* c, int k, const Mix& m)
{
    if (!c || k >= ConfigImage::GasCount)
        return;
    const int n = k + 1;
    c->setGasO2(n, static_cast<quint8>(std::lround(m.o2)));
    c->setGasHe(n, static_cast<quint8>(std::lround(m.he)));
    c->setByte(ConfigImage::active_gases, c->byte(ConfigImage::active_gases) | (1u << k));
    if (!m.depthText.isEmpty())
        c->setGasDepth(n, static_cast<quint8>(std::lround(m.depth)));
    if (m.first)
        c->setByte(ConfigImage::first_gas, static_cast<quint8>(n));
}

void clearGases(ConfigImage* c)
{
    if (!c)
        return;
    c->setByte(ConfigImage::active_gases, 0);
    c->setByte(ConfigImage::first_gas, 1);
}

// The gas number a switch to list position k is recorded as. Positions past the fifth take the
// closest defined mix among the first five (oxygen and helium differences added), so a replay
// goes on breathing something like what the diver breathed.
int gasNumberFor(int k, const std::vector<Mix>& mixes)
{
    if (k < ConfigImage::GasCount)
        return k + 1;
    if (k >= static_cast<int>(mixes.size()) || !mixes[k].defined)
        return 0;
    int best = 0;
    double bestDistance = 0.0;
    for (int i = 0; i < ConfigImage::GasCount && i < static_cast<int>(mixes.size()); ++i) {
        if (!mixes[i].defined)
            continue;
        const double distance =
            std::fabs(mixes[i].o2 - mixes[k].o2) + std::fabs(mixes[i].he - mixes[k].he);
        if (best == 0 || distance < bestDistance) {
            best = i + 1;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// UDDF

bool DiveProfileUDDFReader::read(DiveProfile* profile, ConfigImage* configuration)
{
    const QDomElement profileData = child(root, QStringLiteral("profiledata"));
    const QDomElement firstGroup = child(profileData, QStringLiteral("repetitiongroup"));
    QDomElement dive = child(firstGroup, QStringLiteral("dive"));
    if (dive.isNull())
        return false;
    auto hasSamples = [](const QDomElement& d) {
        return !child(child(d, QStringLiteral("samples")), QStringLiteral("waypoint")).isNull();
    };
    if (!hasSamples(dive)) {
        bool found = false;
        for (QDomElement g = firstGroup; !g.isNull() && !found;
             g = nextSibling(g, QStringLiteral("repetitiongroup")))
            for (QDomElement d = child(g, QStringLiteral("dive")); !d.isNull() && !found;
                 d = nextSibling(d, QStringLiteral("dive")))
                if (hasSamples(d)) {
                    dive = d;
                    found = true;
                }
    }

    const QDomElement samples = child(dive, QStringLiteral("samples"));
    const QDomElement firstWaypoint = child(samples, QStringLiteral("waypoint"));
    QString text;

    // Mode, from the first waypoint only.
    const QString mode =
        child(firstWaypoint, QStringLiteral("divemode")).attribute(QStringLiteral("type"));
    if (mode == QLatin1String("closedcircuit")) {
        text += QCoreApplication::translate("Console", "This is a CCR dive.") + QLatin1Char('\n');
        if (configuration) {
            const quint8 m = configuration->byte(ConfigImage::deco_type);
            configuration->setByte(ConfigImage::deco_type, (m == 4 || m == 5) ? 5 : 2);
        }
    } else if (mode == QLatin1String("opencircuit")) {
        text += QCoreApplication::translate("Console", "This is an OC dive.") + QLatin1Char('\n');
        if (configuration) {
            const quint8 m = configuration->byte(ConfigImage::deco_type);
            configuration->setByte(ConfigImage::deco_type, (m == 4 || m == 5) ? 4 : 0);
        }
    } else {
        text += QCoreApplication::translate("Console", "Unknown OC/CCR mode.") + QLatin1Char('\n');
    }
    clearGases(configuration);

    // Gases in order of first use.
    QStringList used;
    for (QDomElement w = firstWaypoint; !w.isNull();
         w = nextSibling(w, QStringLiteral("waypoint"))) {
        const QDomElement s = child(w, QStringLiteral("switchmix"));
        if (s.isNull())
            continue;
        const QString ref = s.attribute(QStringLiteral("ref"));
        if (!ref.isEmpty() && !used.contains(ref))
            used.append(ref);
    }
    const QDomElement definitions = child(root, QStringLiteral("gasdefinitions"));
    bool implicitGas = false;
    if (used.isEmpty()) {
        // No switch at all: a single breathable mix is the gas of the whole dive.
        const QDomElement only = child(definitions, QStringLiteral("mix"));
        if (!only.isNull() && nextSibling(only, QStringLiteral("mix")).isNull() &&
            percent(child(only, QStringLiteral("o2"))) > 0.0 &&
            !only.attribute(QStringLiteral("id")).isEmpty()) {
            used.append(only.attribute(QStringLiteral("id")));
            implicitGas = true;
        }
    }

    std::vector<Mix> mixes(used.size());
    for (QDomElement e = child(definitions, QStringLiteral("mix")); !e.isNull();
         e = nextSibling(e, QStringLiteral("mix"))) {
        const int k = used.indexOf(e.attribute(QStringLiteral("id")));
        if (k < 0 || mixes[k].defined)
            continue;
        Mix m;
        m.name = child(e, QStringLiteral("name")).text();
        m.o2 = percent(child(e, QStringLiteral("o2")));
        m.he = percent(child(e, QStringLiteral("he")));
        const QDomElement depth = child(e, QStringLiteral("depth"));
        m.depthText = depth.text();
        m.depth = number(m.depthText);
        const QDomElement first = child(e, QStringLiteral("firstGas"));
        m.first = !first.isNull() && !first.text().isEmpty();
        m.defined = true;
        if (!mixSane(m)) {
            warning(QCoreApplication::translate("Console", "Mix %1 is not a breathable mix.")
                        .arg(shown(m.name)));
            return false;
        }
        mixes[k] = m;
        text += gasLine(k, m);
        setGasInConfiguration(configuration, k, m);
    }
    if (implicitGas && configuration)
        configuration->setByte(ConfigImage::first_gas, 1);

    // Samples.
    bool firstSample = true;
    for (QDomElement w = firstWaypoint; !w.isNull();
         w = nextSibling(w, QStringLiteral("waypoint"))) {
        const double t = wholeSeconds(child(w, QStringLiteral("divetime")).text());
        const double d = number(child(w, QStringLiteral("depth")).text());
        if (!sampleAcceptable(t, d))
            return false;
        const double minutes = t / 60.0;
        profile->addPoint(minutes, d);
        if (implicitGas && firstSample)
            profile->setGas(minutes, 1);
        firstSample = false;
        const QDomElement s = child(w, QStringLiteral("switchmix"));
        if (!s.isNull()) {
            const int k = used.indexOf(s.attribute(QStringLiteral("ref")));
            if (k < 0) {
                profile->setGas(minutes, 0);
            } else {
                const int gas = gasNumberFor(k, mixes);
                if (gas > 0)
                    profile->setGas(minutes, gas);
            }
        }
        const QDomElement sp = child(w, QStringLiteral("setpo2"));
        if (!sp.isNull()) {
            const double bar = number(sp.text()) * 0.00001;
            if (!std::isfinite(bar) || bar < 0.0 || bar > 10.0) {
                warning(QCoreApplication::translate("Console",
                                                    "Setpoint %1 Pa at %2 s is not a setpoint.")
                            .arg(sp.text().left(40))
                            .arg(t));
                return false;
            }
            profile->setSetpoint(minutes, static_cast<float>(bar));
        }
    }
    if (console_)
        console_->message(text);
    return true;
}

// ---------------------------------------------------------------------------------------------
// UDCF

bool DiveProfileUDCFReader::acceptsRoot(const QString& tag, const QString& rootTag) const
{
    return tag.compare(rootTag, Qt::CaseInsensitive) == 0;
}

bool DiveProfileUDCFReader::read(DiveProfile* profile, ConfigImage* configuration)
{
    const auto ci = Qt::CaseInsensitive;
    const QDomElement firstGroup = child(root, QStringLiteral("repgroup"), ci);
    QDomElement dive = child(firstGroup, QStringLiteral("dive"), ci);
    if (dive.isNull())
        return false;
    auto hasSamples = [](const QDomElement& d) {
        const auto ci = Qt::CaseInsensitive;
        const QDomElement s = child(d, QStringLiteral("samples"), ci);
        return !child(s, QStringLiteral("d"), ci).isNull() ||
               !child(s, QStringLiteral("t"), ci).isNull();
    };
    if (!hasSamples(dive)) {
        bool found = false;
        for (QDomElement g = firstGroup; !g.isNull() && !found;
             g = nextSibling(g, QStringLiteral("repgroup"), ci))
            for (QDomElement d = child(g, QStringLiteral("dive"), ci); !d.isNull() && !found;
                 d = nextSibling(d, QStringLiteral("dive"), ci))
                if (hasSamples(d)) {
                    dive = d;
                    found = true;
                }
    }
    clearGases(configuration);

    const bool feet = child(root, QStringLiteral("units"), ci)
                          .text()
                          .trimmed()
                          .compare(QLatin1String("imperial"), ci) == 0;
    const double scale = feet ? 0.3048 : 1.0;
    const QDomElement samples = child(dive, QStringLiteral("samples"), ci);

    // Gases in order of first use.
    QStringList used;
    for (QDomElement e = samples.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName().compare(QLatin1String("switch"), ci) != 0)
            continue;
        const QString name = e.text().trimmed();
        if (!name.isEmpty() && !used.contains(name))
            used.append(name);
    }

    // The mixes: in the dive, or else in the root.
    QDomElement gases = child(dive, QStringLiteral("gases"), ci);
    if (gases.isNull())
        gases = child(root, QStringLiteral("gases"), ci);
    QList<QDomElement> mixElements;
    for (QDomElement e = child(gases, QStringLiteral("mix"), ci); !e.isNull();
         e = nextSibling(e, QStringLiteral("mix"), ci))
        mixElements.append(e);
    auto readMix = [&](const QDomElement& e) {
        Mix m;
        m.name = child(e, QStringLiteral("mixname"), ci).text();
        if (e.firstChildElement().isNull()) {
            // A bare number is the oxygen of the mix.
            m.o2 = percent(e);
        } else {
            m.o2 = percent(child(e, QStringLiteral("o2"), ci));
            m.he = percent(child(e, QStringLiteral("he"), ci));
        }
        m.depthText = child(e, QStringLiteral("depth"), ci).text();
        m.depth = number(m.depthText) * scale;
        const QDomElement first = child(e, QStringLiteral("firstGas"), ci);
        m.first = !first.isNull() && !first.text().isEmpty();
        m.defined = true;
        return m;
    };
    bool implicitGas = false;
    if (used.isEmpty() && mixElements.size() == 1 && readMix(mixElements[0]).o2 > 0.0) {
        // No switch at all: a single breathable mix is the gas of the whole dive.
        used.append(QStringLiteral("1"));
        implicitGas = true;
    }

    // Each used name to its mix: by name, or by its position when the name is a number that
    // names no mix.
    std::vector<int> mixOf(used.size(), -1);
    for (int k = 0; k < used.size(); ++k) {
        for (int i = 0; i < mixElements.size(); ++i)
            if (child(mixElements[i], QStringLiteral("mixname"), ci).text() == used[k]) {
                mixOf[k] = i;
                break;
            }
        bool isIndex = false;
        const int index = used[k].toInt(&isIndex);
        if (mixOf[k] < 0 && isIndex && index >= 1 && index <= mixElements.size())
            mixOf[k] = index - 1;
    }

    QString text;
    for (int i = 0; i < mixElements.size(); ++i) {
        for (int k = 0; k < used.size(); ++k) {
            if (mixOf[k] != i)
                continue;
            // A mix becomes the first gas (and says so) only by its own firstGas; the mix of a
            // dive that never switches is gas 1, which is the first gas already.
            const Mix m = readMix(mixElements[i]);
            if (!mixSane(m)) {
                warning(QCoreApplication::translate("Console", "Mix %1 is not a breathable mix.")
                            .arg(shown(m.name)));
                return false;
            }
            text += gasLine(k, m);
            setGasInConfiguration(configuration, k, m);
        }
    }

    // Samples: "t" then "d"; a "d" without its own "t" follows the previous one by the delta.
    int pendingSwitch = implicitGas ? 0 : -1;
    double delta = 0.0;
    bool haveTime = false;
    double time = 0.0;
    bool anySample = false;
    double lastTime = 0.0;
    for (QDomElement e = samples.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = e.tagName();
        if (tag.compare(QLatin1String("switch"), ci) == 0) {
            pendingSwitch = used.indexOf(e.text().trimmed());
        } else if (tag.compare(QLatin1String("delta"), ci) == 0) {
            delta = number(e.text());
            if (!std::isfinite(delta) || delta < 0.0 || delta > 86400.0)
                delta = 0.0;
        } else if (tag.compare(QLatin1String("t"), ci) == 0) {
            time = wholeSeconds(e.text());
            haveTime = true;
        } else if (tag.compare(QLatin1String("d"), ci) == 0) {
            const double t = haveTime ? time : (anySample ? lastTime + delta : 0.0);
            const double d = number(e.text()) * scale;
            if (!sampleAcceptable(t, d))
                return false;
            profile->addPoint(t / 60.0, d);
            if (pendingSwitch >= 0 && pendingSwitch < ConfigImage::GasCount)
                profile->setGas(t / 60.0, pendingSwitch + 1);
            pendingSwitch = -1;
            haveTime = false;
            anySample = true;
            lastTime = t;
        }
    }
    if (console_)
        console_->message(text);
    return true;
}

// ---------------------------------------------------------------------------------------------
// UDDF writer

QString DiveProfileUDDFWriter::gasName(int o2, int he)
{
    if (he > 0)
        return QStringLiteral("Tx%1/%2")
            .arg(o2, 2, 10, QLatin1Char('0'))
            .arg(he, 2, 10, QLatin1Char('0'));
    if (o2 == 21)
        return QStringLiteral("Air");
    if (o2 == 100)
        return QStringLiteral("O2");
    return QStringLiteral("Nx%1").arg(o2, 2, 10, QLatin1Char('0'));
}

bool DiveProfileUDDFWriter::write(DiveProfile* profile, const ConfigImage* configuration)
{
    QDomElement data = doc.createElement(QStringLiteral("profiledata"));
    root.appendChild(data);
    QDomElement group = doc.createElement(QStringLiteral("repetitiongroup"));
    data.appendChild(group);
    QDomElement dive = doc.createElement(QStringLiteral("dive"));
    group.appendChild(dive);
    QDomElement definitions = doc.createElement(QStringLiteral("gasdefinitions"));
    root.appendChild(definitions);

    if (configuration) {
        const int firstGas = configuration->byte(ConfigImage::first_gas);
        for (int n = 1; n <= ConfigImage::GasCount; ++n) {
            if (!configuration->gasActive(n) && firstGas != n)
                continue;
            QDomElement mix = doc.createElement(QStringLiteral("mix"));
            mix.setAttribute(QStringLiteral("id"), QStringLiteral("Gas#%1").arg(n));
            const int o2 = configuration->gasO2(n);
            const int he = configuration->gasHe(n);
            appendText(doc, mix, QStringLiteral("name"), gasName(o2, he));
            appendText(doc, mix, QStringLiteral("o2"), QString::number(o2));
            appendText(doc, mix, QStringLiteral("he"), QString::number(he));
            mix.appendChild(doc.createComment(QStringLiteral("unsupported data")));
            appendText(doc, mix, QStringLiteral("depth"),
                       QString::number(configuration->gasDepth(n)));
            if (firstGas == n)
                appendText(doc, mix, QStringLiteral("firstGas"), QStringLiteral("true"));
            definitions.appendChild(mix);
        }
    }

    QDomElement samples = doc.createElement(QStringLiteral("samples"));
    dive.appendChild(samples);
    // The cursors are shared: start them at the first change whatever the last user left.
    DiveProfile::resetChangeCursors();
    const auto& times = profile->times();
    const auto& depths = profile->depths();
    for (int i = 0; i < times.size(); ++i) {
        // Truncated to whole seconds, with an allowance so a time read from whole seconds keeps
        // its second.
        const double s = std::floor(times[i] * 60.0 + 1e-6);
        const int second =
            std::isfinite(s) ? static_cast<int>(std::clamp(s, -2147483648.0, 2147483647.0)) : 0;
        QDomElement w = doc.createElement(QStringLiteral("waypoint"));
        appendText(doc, w, QStringLiteral("divetime"), QString::number(second));
        appendText(doc, w, QStringLiteral("depth"), general(depths[i]));
        const int gas = profile->gasChange(second);
        if (gas != 0) {
            QDomElement s = doc.createElement(QStringLiteral("switchmix"));
            s.setAttribute(QStringLiteral("ref"), QStringLiteral("Gas#%1").arg(gas));
            w.appendChild(s);
        }
        const float sp = profile->setpointChange(second);
        if (sp > 0.0f)
            appendText(doc, w, QStringLiteral("setpo2"),
                       general(static_cast<double>(sp) * 100000.0));
        if (i == 0) {
            const int mode = configuration ? configuration->byte(ConfigImage::deco_type) : 0;
            QDomElement m = doc.createElement(QStringLiteral("divemode"));
            m.setAttribute(QStringLiteral("type"), (mode == 2 || mode == 5)
                                                       ? QStringLiteral("closedcircuit")
                                                       : QStringLiteral("opencircuit"));
            w.appendChild(m);
        }
        samples.appendChild(w);
    }
    return finish();
}
