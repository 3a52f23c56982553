// SPDX-License-Identifier: GPL-3.0-or-later
// DOM handling shared by the logbook readers and writers, the DivingLog XML reader and writer
// and the Shearwater XML reader.
//
// What real exports do that a strict reader would stumble over, and how it is met here:
// - Diving Log 5 and 6 name the root "Divinglog"; it is taken as DivingLog.
// - Diving Log's imperial export writes the samples in feet with no mark of the unit; the
//   dive's maximum depth, in metres in every export, tells them apart (divingLogDepthUnit).
// - Shearwater declares encoding="utf-16" but writes 8-bit text without a byte-order mark; such
//   a document is decoded as UTF-8.
// - Shearwater version-3 documents give currentTime in milliseconds.
// - Times written as decimals are read as their whole seconds.
// - Samples that cannot be real (non-finite, negative or absurd times and depths) refuse the
//   file instead of drawing a profile 1,600 m deep.
#include "profiles/profile_readers.h"

#include "device/config_image.h"
#include "device/message_sink.h"
#include "device/safe_file.h"
#include "profiles/dive_profile.h"

#include <QCoreApplication>
#include <QDomImplementation>
#include <QFile>
#include <QPair>
#include <QVector>
#include <QXmlStreamReader>

#include <cmath>

namespace profilexml
{

QDomElement appendText(QDomDocument& doc, QDomElement parent, const QString& tag,
                       const QString& text)
{
    QDomElement e = doc.createElement(tag);
    e.appendChild(doc.createTextNode(text));
    parent.appendChild(e);
    return e;
}

namespace
{

// e or the first of its following siblings named tag in any letter case.
QDomElement firstNamedFrom(QDomElement e, const QString& tag)
{
    while (!e.isNull() && e.tagName().compare(tag, Qt::CaseInsensitive) != 0)
        e = e.nextSiblingElement();
    return e;
}

} // namespace

QDomElement child(const QDomNode& parent, const QString& tag, Qt::CaseSensitivity cs)
{
    if (cs == Qt::CaseSensitive)
        return parent.firstChildElement(tag);
    return firstNamedFrom(parent.firstChildElement(), tag);
}

QDomElement nextSibling(const QDomElement& e, const QString& tag, Qt::CaseSensitivity cs)
{
    if (cs == Qt::CaseSensitive)
        return e.nextSiblingElement(tag);
    return firstNamedFrom(e.nextSiblingElement(), tag);
}

double number(const QString& text, bool* ok)
{
    bool good = false;
    double v = text.trimmed().toDouble(&good);
    if (ok)
        *ok = good;
    return good ? v : 0.0;
}

double wholeSeconds(const QString& text, bool* ok)
{
    const QString t = text.trimmed();
    bool good = false;
    const qlonglong i = t.toLongLong(&good);
    if (good) {
        if (ok)
            *ok = true;
        return static_cast<double>(i);
    }
    const double d = t.toDouble(&good);
    if (ok)
        *ok = good;
    if (!good)
        return 0.0;
    return std::isfinite(d) ? std::trunc(d) : d;
}

QString shown(const QString& text)
{
    constexpr int longest = 60;
    const QString cut =
        text.size() > longest ? text.left(longest - 3) + QStringLiteral("...") : text;
    return cut.toHtmlEscaped();
}

QString general(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace profilexml

using namespace profilexml;

// ---------------------------------------------------------------------------------------------

DiveProfileReader::~DiveProfileReader() = default;
DiveProfileWriter::~DiveProfileWriter() = default;

void DiveProfileReader::message(const QString& line) const
{
    if (console_)
        console_->message(line);
}

void DiveProfileReader::warning(const QString& line) const
{
    message(QStringLiteral("<font color='red'><b>%1</b></font>").arg(line));
}

bool DiveProfileReader::sampleAcceptable(double seconds, double metres) const
{
    static constexpr double MaxSeconds = 7 * 24 * 3600.0;
    if (!std::isfinite(seconds) || seconds < 0.0 || seconds > MaxSeconds) {
        warning(QCoreApplication::translate("Console", "Sample time %1 s is not a dive time.")
                    .arg(seconds));
        return false;
    }
    if (!std::isfinite(metres) || metres > 1000.0 || metres < -10.0) {
        warning(QCoreApplication::translate("Console", "Sample depth %1 m at %2 s is not a depth.")
                    .arg(metres)
                    .arg(seconds));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Opening

namespace
{

// Deepest element nesting of a document, stopping early once limit is passed or the text is
// not well-formed (the DOM parser then gives its own verdict).
template <typename Input> int nestingDepth(const Input& input, int limit)
{
    QXmlStreamReader xml(input);
    int depth = 0;
    int deepest = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit)
                break;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return deepest;
}

// True for a document that claims UTF-16 in its declaration but is plainly 8-bit text: it
// starts with "<?xml" in single bytes and has no UTF-16 byte-order mark.
bool falselyDeclaresUtf16(const QByteArray& data)
{
    if (!data.startsWith("<?xml"))
        return false;
    const int end = data.indexOf("?>");
    if (end < 0)
        return false;
    const QByteArray declaration = data.left(end).toLower();
    return declaration.contains("utf-16") || declaration.contains("ucs-2");
}

} // namespace

bool DiveProfileXMLReader::acceptsRoot(const QString& tag, const QString& rootTag) const
{
    if (tag == rootTag)
        return true;
    // Diving Log 5 and 6 export their root as "Divinglog".
    return rootTag == QLatin1String("DivingLog") && tag == QLatin1String("Divinglog");
}

bool DiveProfileXMLReader::open(const QString& fileName, const QString& rootTag)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        openError_ = f.errorString();
        return false;
    }
    return openData(f.readAll(), rootTag);
}

bool DiveProfileXMLReader::openData(const QByteArray& data, const QString& rootTag)
{
    doc = QDomDocument();
    root = QDomElement();
    openError_.clear();
    const QString tooDeep =
        QCoreApplication::translate("Console", "elements nested more than %1 deep").arg(MaxNesting);
    bool parsed = false;
    QString why;
    int line = 0, column = 0;
    if (falselyDeclaresUtf16(data)) {
        const QString text = QString::fromUtf8(data);
        if (nestingDepth(text, MaxNesting) > MaxNesting)
            return openError_ = tooDeep, false;
        parsed = doc.setContent(text, &why, &line, &column);
    } else {
        if (nestingDepth(data, MaxNesting) > MaxNesting)
            return openError_ = tooDeep, false;
        parsed = doc.setContent(data, &why, &line, &column);
    }
    if (!parsed) {
        doc = QDomDocument();
        openError_ = QCoreApplication::translate("Console", "line %1, column %2: %3")
                         .arg(line)
                         .arg(column)
                         .arg(shown(why));
        return false;
    }
    root = doc.documentElement();
    return !root.isNull() && acceptsRoot(root.tagName(), rootTag);
}

// ---------------------------------------------------------------------------------------------
// DivingLog

// The unit of a Diving Log profile. The export carries no unit mark: an imperial export writes
// the samples in feet (and their temperatures in Fahrenheit) while the dive's "Depth" stays in
// metres. So the samples are metres when none of them is deeper than that maximum depth, and
// feet when only read as feet do they reach it: the deepest sample, converted, is at most the
// maximum depth plus its rounding (5 cm) and at least the maximum depth less what a sampled
// profile may miss of it (5 %, at least 30 cm).
DiveProfileXMLReader::DepthUnit DiveProfileXMLReader::divingLogDepthUnit(double deepest,
                                                                         double headerDepth)
{
    static constexpr double Rounding = 0.05; // metres
    if (!std::isfinite(headerDepth) || headerDepth <= 0.0 || deepest <= headerDepth + Rounding)
        return DepthUnit::Metres;
    const double asFeet = deepest * MetresPerFoot;
    if (asFeet <= headerDepth + Rounding &&
        asFeet >= headerDepth - std::max(0.3, 0.05 * headerDepth))
        return DepthUnit::Feet;
    return DepthUnit::Unknown;
}

bool DiveProfileXMLReader::read(DiveProfile* profile, ConfigImage*)
{
    message(QCoreApplication::translate("Console", "Reading DivingLog XML format"));
    const QDomElement dive = child(child(root, QStringLiteral("Logbook")), QStringLiteral("Dive"));
    const QDomElement samples = child(dive, QStringLiteral("Profile"));
    QVector<QPair<double, double>> samplesRead; // seconds, depth as written
    double deepest = 0.0;
    for (QDomElement p = child(samples, QStringLiteral("P")); !p.isNull();
         p = nextSibling(p, QStringLiteral("P"))) {
        const double t = wholeSeconds(p.attribute(QStringLiteral("Time")));
        const double d = number(child(p, QStringLiteral("Depth")).text());
        if (std::isfinite(d))
            deepest = std::max(deepest, d);
        samplesRead.append({t, d});
    }

    bool ok = false;
    const double headerDepth = number(child(dive, QStringLiteral("Depth")).text(), &ok);
    const DepthUnit unit = divingLogDepthUnit(deepest, ok ? headerDepth : 0.0);
    if (unit == DepthUnit::Feet)
        message(QStringLiteral("&nbsp;&nbsp;&nbsp;") +
                QCoreApplication::translate("Console",
                                            "Profile depths in feet (deepest %1 ft, the dive's "
                                            "maximum depth %2 m): converted to metres.")
                    .arg(deepest)
                    .arg(headerDepth));
    else if (unit == DepthUnit::Unknown)
        warning(QCoreApplication::translate("Console",
                                            "Profile depths reach %1 m but the dive's maximum "
                                            "depth is %2 m: the depths are read as metres.")
                    .arg(deepest)
                    .arg(headerDepth));

    for (const auto& [t, written] : samplesRead) {
        // Feet to metres on the centimetres of Diving Log's own metric export.
        const double d = unit == DepthUnit::Feet && std::isfinite(written)
                             ? std::round(written * MetresPerFoot * 100.0) / 100.0
                             : written;
        if (!sampleAcceptable(t, d))
            return false;
        profile->addPoint(t / 60.0, d);
    }
    return true;
}

bool DiveProfileXMLWriter::open(const QString& fileName, const QString& rootTag)
{
    fileName_ = fileName;
    doc = QDomDocument(QDomImplementation().createDocumentType(rootTag, QString(), QString()));
    root = doc.createElement(rootTag);
    doc.appendChild(root);
    return true;
}

bool DiveProfileXMLWriter::finish()
{
    SafeFile::save(fileName_, doc.toByteArray(1));
    return true;
}

bool DiveProfileXMLWriter::write(DiveProfile* profile, const ConfigImage*)
{
    QDomElement logbook = doc.createElement(QStringLiteral("Logbook"));
    root.appendChild(logbook);
    QDomElement dive = doc.createElement(QStringLiteral("Dive"));
    logbook.appendChild(dive);
    appendText(doc, dive, QStringLiteral("Depth"), general(profile->diveDepth()));

    // The sample interval; a profile of fewer than two points has none and writes 0.
    int interval = 0;
    if (profile->points() >= 2) {
        const double v = static_cast<double>(profile->diveTime()) * 60.0 / (profile->points() - 1);
        interval = std::isfinite(v) ? static_cast<int>(std::clamp(v, 0.0, 30.0)) : 0;
    }
    appendText(doc, dive, QStringLiteral("ProfileInt"), QString::number(interval));

    QDomElement samples = doc.createElement(QStringLiteral("Profile"));
    dive.appendChild(samples);
    const auto& times = profile->times();
    const auto& depths = profile->depths();
    for (int i = 0; i < times.size(); ++i) {
        QDomElement p = doc.createElement(QStringLiteral("P"));
        // Whole seconds, truncated; the small allowance keeps a time read back from whole seconds
        // (59 / 60 minutes) on the same second when written again.
        p.setAttribute(QStringLiteral("Time"),
                       QString::number(static_cast<qlonglong>(std::floor(times[i] * 60.0 + 1e-6))));
        appendText(doc, p, QStringLiteral("Depth"), general(depths[i]));
        samples.appendChild(p);
    }
    return finish();
}

// ---------------------------------------------------------------------------------------------
// Shearwater

bool DiveProfileXMLShearWater::read(DiveProfile* profile, ConfigImage* configuration)
{
    const QDomElement log = child(root, QStringLiteral("diveLog"));
    if (log.isNull())
        return false;
    message(QCoreApplication::translate("Console", "Reading Shearwater XML format"));
    message(QStringLiteral("&nbsp;&nbsp;&nbsp;") +
            QCoreApplication::translate("Console", "Dive starting: %1")
                .arg(child(log, QStringLiteral("startDate")).text()));

    double spLow = 0.7;
    double spHigh = 1.3;
    const QString notRecorded = QStringLiteral("&nbsp;&nbsp;&nbsp;") +
                                QCoreApplication::translate("Console", "Setpoints not recorded.");
    if (configuration) {
        spLow = configuration->setpoint(1) / 100.0;
        spHigh = configuration->setpoint(2) / 100.0;
        message(notRecorded + QCoreApplication::translate(
                                  "Console", " Using SP#1 as SP_low=%1, SP#2 as SP_high=%2")
                                  .arg(spLow)
                                  .arg(spHigh));
    } else {
        message(notRecorded + QCoreApplication::translate("Console", " Using SP_low=%1, SP_high=%2")
                                  .arg(spLow)
                                  .arg(spHigh));
    }

    // Version-3 documents count currentTime in milliseconds (their maxTime stays in seconds).
    const double timeScale =
        root.attribute(QStringLiteral("version")).trimmed().toInt() >= 3 ? 0.001 : 1.0;

    bool havePrevious = false;
    int previousType = 0;
    const QDomElement records = child(log, QStringLiteral("diveLogRecords"));
    for (QDomElement r = child(records, QStringLiteral("diveLogRecord")); !r.isNull();
         r = nextSibling(r, QStringLiteral("diveLogRecord"))) {
        const double t = wholeSeconds(child(r, QStringLiteral("currentTime")).text()) * timeScale;
        const double d = number(child(r, QStringLiteral("currentDepth")).text());
        double p = number(child(r, QStringLiteral("averagePPO2")).text());
        if (!sampleAcceptable(t, d))
            return false;
        if (!std::isfinite(p) || p > 10.0) {
            warning(QCoreApplication::translate("Console",
                                                "Recorded ppO2 %1 bar at %2 s is not a ppO2.")
                        .arg(p)
                        .arg(t));
            return false;
        }
        profile->addPoint(t / 60.0, d, p);
        const int type = child(r, QStringLiteral("setPointType")).text().trimmed().toInt();
        if ((!havePrevious || type != previousType) && (type == 0 || type == 1))
            profile->setSetpoint(t / 60.0, static_cast<float>(type == 0 ? spLow : spHigh));
        previousType = type;
        havePrevious = true;
    }
    return true;
}
