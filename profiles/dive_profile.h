// SPDX-License-Identifier: GPL-3.0-or-later
// DiveProfile: a recorded or hand-made dive as timed depth points (minutes, metres), the gas and
// setpoint changes keyed by whole seconds, and optionally the ppO2 a rebreather recorded at each
// point. The profile owns the plot items that draw it (depth curve, ppO2 curve, one marker per
// change). Logbook files are read and written by logbook::load and logbook::save.
//
// Entry points: addPoint, removePoint, setGas, setSetpoint, assign, attach and the queries of
// Replay.
#pragma once

#include "profiles/replay.h"

#include <QList>
#include <QMap>
#include <QVector>

class ConfigImage;
class MessageSink;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotMarker;
class ProfileSeries;

class DiveProfile : public Replay
{
public:
    DiveProfile();
    ~DiveProfile() override;
    DiveProfile(const DiveProfile&) = delete;
    DiveProfile& operator=(const DiveProfile&) = delete;

    // Replay
    QStringList description() const override;
    bool coversSecond(int seconds) const override; // always true
    QString eventAt(int seconds) const override;   // always empty
    float diveTime() const override;
    float diveDepth() const override;
    float depth(int seconds) const override;
    int gasChange(int seconds) override;
    float setpointChange(int seconds) override;

    float averageDepth() const;
    int gasAt(double minutes) const;
    // Surface interval recorded before the dive, minutes; logbook files carry none here.
    double surfaceIntervalBefore() const;
    bool hasRecordedPpO2() const;
    float recordedPpO2(int seconds) const;

    int points() const { return times_.size(); }
    float lastDepth() const;

    // Changes.
    void addPoint(double minutes, double metres, double ppO2 = -1);
    void removePoint(double minutes);
    void setGas(double minutes, int gas);
    void setSetpoint(double minutes, float bar);
    void assign(const DiveProfile& other);
    void attach(QwtPlot* plot);

    // Data, read-only.
    const QVector<double>& times() const { return times_; }
    const QVector<double>& depths() const { return depths_; }
    const QVector<double>& ppO2() const { return ppO2_; }
    const QMap<int, int>& gasChanges() const { return gasChanges_; }
    const QMap<int, float>& setpointChanges() const { return setpointChanges_; }
    QwtPlotCurve* depthCurve() const { return depthCurve_; }
    QwtPlotCurve* ppO2Curve() const { return ppO2Curve_; }
    // The change markers, rebuilt first when changes were made while no plot was attached.
    const QList<QwtPlotMarker*>& markers() const;

    // Whole seconds of a time in minutes, rounded to the nearest second.
    static int secondsKey(double minutes);
    // Moves both change cursors to the start without consuming anything.
    static void resetChangeCursors();

private:
    void dataChanged(bool ppO2Too);
    void changesChanged();
    void rebuildMarkers() const;
    void replot() const;
    void clearMarkers() const;
    static void normaliseAround(QMap<int, int>& map, int key, bool erased);
    static void normaliseAround(QMap<int, float>& map, int key, bool erased);

    QVector<double> times_;
    QVector<double> depths_;
    QVector<double> ppO2_;
    QwtPlotCurve* depthCurve_;
    QwtPlotCurve* ppO2Curve_;
    ProfileSeries* depthSeries_; // owned by depthCurve_
    ProfileSeries* ppO2Series_;  // owned by ppO2Curve_
    QMap<int, int> gasChanges_;
    QMap<int, float> setpointChanges_;
    bool gasNeedsFullNormalise_ = false;
    bool setpointNeedsFullNormalise_ = false;
    mutable QList<QwtPlotMarker*> markers_;
    mutable bool markersStale_ = false;
};
