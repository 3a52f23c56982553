// SPDX-License-Identifier: GPL-3.0-or-later
// Logbook readers and writers: the abstract bases, the DOM handling they share, the DivingLog
// XML reader and writer and the Shearwater XML reader.
//
// Entry points: DiveProfileXMLReader::open / openData + read, DiveProfileXMLShearWater::read,
// DiveProfileXMLWriter::open + write. Readers fill the profile and, when given, the
// configuration; they write their progress to the console (may be null).
#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

class ConfigImage;
class DiveProfile;
class MessageSink;

class DiveProfileReader
{
public:
    explicit DiveProfileReader(MessageSink* console = nullptr) : console_(console) {}
    virtual ~DiveProfileReader();
    virtual bool read(DiveProfile* profile, ConfigImage* configuration) = 0;

protected:
    void message(const QString& line) const;
    // Red bold console line.
    void warning(const QString& line) const;
    // Checks one sample before it is added; writes the reason and answers false when the
    // sample cannot be a real one (time not finite, negative or beyond a week, depth not finite,
    // more than 1000 m or more than 10 m above the surface).
    bool sampleAcceptable(double seconds, double metres) const;

    MessageSink* console_;
};

// Reads DivingLog XML; also the base of every XML-based reader (DOM, opening, helpers).
class DiveProfileXMLReader : public DiveProfileReader
{
public:
    explicit DiveProfileXMLReader(MessageSink* console = nullptr) : DiveProfileReader(console) {}
    bool open(const QString& fileName, const QString& rootTag);
    // The same from bytes already in memory.
    bool openData(const QByteArray& data, const QString& rootTag);
    bool read(DiveProfile* profile, ConfigImage* configuration) override;
    // Why the last open failed: the file's error, or where the XML breaks ("line 3, column
    // 7: unexpected end of file"); empty when the document was read but its root is another.
    const QString& openError() const { return openError_; }

    // Deepest element nesting accepted; real logbooks nest fewer than 20 levels.
    static constexpr int MaxNesting = 256;
    static constexpr double MetresPerFoot = 0.3048;

    // The unit of a Diving Log profile's depths, from its deepest sample as written and the
    // dive's maximum depth in metres (0: none given).
    enum class DepthUnit { Metres, Feet, Unknown };
    static DepthUnit divingLogDepthUnit(double deepest, double headerDepth);

protected:
    // Whether a document element named tag is the expected root.
    virtual bool acceptsRoot(const QString& tag, const QString& rootTag) const;

    QDomDocument doc;
    QDomElement root;
    QString openError_;
};

class DiveProfileXMLShearWater : public DiveProfileXMLReader
{
public:
    explicit DiveProfileXMLShearWater(MessageSink* console = nullptr)
        : DiveProfileXMLReader(console)
    {
    }
    bool read(DiveProfile* profile, ConfigImage* configuration) override;
};

class DiveProfileWriter
{
public:
    explicit DiveProfileWriter(MessageSink* console = nullptr) : console_(console) {}
    virtual ~DiveProfileWriter();
    virtual bool write(DiveProfile* profile, const ConfigImage* configuration) = 0;

protected:
    MessageSink* console_;
};

// Writes DivingLog XML; also the base of the UDDF writer. The file is written to a temporary
// file beside the target and replaces it only when everything was written.
class DiveProfileXMLWriter : public DiveProfileWriter
{
public:
    explicit DiveProfileXMLWriter(MessageSink* console = nullptr) : DiveProfileWriter(console) {}
    bool open(const QString& fileName, const QString& rootTag);
    bool write(DiveProfile* profile, const ConfigImage* configuration) override;

protected:
    // Writes doc (indentation 1, UTF-8) and replaces the target; throws the file name and
    // the reason when anything fails, the old file left as it was.
    bool finish();

    QString fileName_;
    QDomDocument doc;
    QDomElement root;
};

// Helpers shared by the readers and writers.
namespace profilexml
{
// First child element named tag (exact, or ignoring case).
QDomElement child(const QDomNode& parent, const QString& tag,
                  Qt::CaseSensitivity cs = Qt::CaseSensitive);
QDomElement nextSibling(const QDomElement& e, const QString& tag,
                        Qt::CaseSensitivity cs = Qt::CaseSensitive);
// Decimal text as a number, 0 when missing or not a number.
double number(const QString& text, bool* ok = nullptr);
// Whole seconds of a time text: an integer, or a decimal number truncated toward zero.
double wholeSeconds(const QString& text, bool* ok = nullptr);
// "general format with 6 significant digits"
QString general(double v);
// Appends <tag>text</tag> to parent and returns the new element.
QDomElement appendText(QDomDocument& doc, QDomElement parent, const QString& tag,
                       const QString& text);
// A name or text taken from a file as the console shows it: at most 60 characters (cut
// ones end in "..."), HTML escaped.
QString shown(const QString& text);
} // namespace profilexml
