// SPDX-License-Identifier: GPL-3.0-or-later
// Decoplan: the engine's published plan turned into one readable runtime: the segments of
// the simulated profile, the gas switches on the way up, every stop and the arrival at the
// surface, each with depth, duration, cumulative runtime, gas, setpoint and label, plus the
// model text, gas names, CNS, TTS and NDL. Scripts call every public operation.
//
// Entry points: create, the per-record accessors (negative indexes count from the end),
// toHtml.
#pragma once

#include <QObject>
#include <QString>
#include <QVector>

class ConfigImage;
class DiveProfile;
namespace engine
{
struct engine_state;
}

struct DecoplanStop {
    // How the row moves: down to its depth, level there (a stop, a switch or a bottom segment),
    // or up from it. The values are those the plan's records have always carried.
    enum Kind : int { Descending = -1, Level = 0, Ascending = 1 };
    int kind = Level;
    float runtime = 0;  // minutes at the end of this record
    float depth = 0;    // metres; start depth for a moving segment
    float duration = 0; // minutes (0 for switch and surface records)
    int gas = 0;        // 1..5; 0 = loop or none
    float setpoint = 0; // bar; 0 = open circuit
    QString label;
};

class Decoplan : public QObject
{
    Q_OBJECT
public:
    // The plan reads the engine, the configuration image and the profile it is given;
    // with no arguments it uses the planner's process-wide engine and image and no profile.
    explicit Decoplan(QObject* parent = nullptr);
    Decoplan(engine::engine_state& engine, const ConfigImage& image, const DiveProfile* profile,
             QObject* parent = nullptr);

    void setProfile(const DiveProfile* profile) { profile_ = profile; }
    // A replayed log is one row: the minutes walked up to where the plan starts, at that
    // depth, instead of a row for every pair of its points.
    void setWalkedLog(float minutes, float depth)
    {
        walkedMinutes_ = minutes;
        walkedDepth_ = depth;
    }
    // Whether toHtml draws the table border (the "Decoplan/border" option).
    static void setTableBorder(bool on);
    static bool tableBorder();
    const QVector<DecoplanStop>& records() const { return stops_; }
    // The records of the walked or simulated profile, before the engine's switches and stops.
    int profileRecords() const { return profileRecords_; }

    Q_INVOKABLE void create(bool ccr);
    Q_INVOKABLE int stops() const { return stops_.size(); }
    Q_INVOKABLE float stop(int i) const;
    Q_INVOKABLE float depth(int i) const;
    Q_INVOKABLE int gas(int i) const;
    Q_INVOKABLE float setpoint(int i) const;
    Q_INVOKABLE float runtime(int i) const;
    Q_INVOKABLE bool decostop(int i) const;
    Q_INVOKABLE QString model() const { return model_; }
    Q_INVOKABLE QString gasName(int i) const;
    Q_INVOKABLE int firstGas() const { return firstGas_; }
    Q_INVOKABLE float cns() const { return cns_; }
    Q_INVOKABLE int tts() const { return tts_; }
    Q_INVOKABLE int ndl() const { return ndl_; }
    Q_INVOKABLE float diveDepth() const;
    Q_INVOKABLE float diveTime() const;
    Q_INVOKABLE QString toHtml() const;

private:
    const DecoplanStop* record(int i) const;

    engine::engine_state* engine_;
    const ConfigImage* image_;
    const DiveProfile* profile_ = nullptr;
    float walkedMinutes_ = -1; // below 0: every segment of the profile is a row
    float walkedDepth_ = 0;
    QVector<DecoplanStop> stops_;
    int profileRecords_ = 0;
    QString model_;
    QString gasNames_[5];
    float cns_ = 0;
    int tts_ = 0;
    int ndl_ = 0;
    int firstGas_ = 0;
};
