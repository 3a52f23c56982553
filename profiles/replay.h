// SPDX-License-Identifier: GPL-3.0-or-later
// Replay: what a simulation run asks of a dive profile, second by second.
// The run walks the clock in increasing seconds and asks for the depth, the gas switched
// to and the setpoint chosen at each second; DiveProfile is the implementation.
#pragma once

#include <QString>
#include <QStringList>

class Replay
{
public:
    virtual ~Replay();

    // One-line summary of the dive, e.g. "45' @ 30.0m".
    virtual QStringList description() const = 0;
    // True when the replay has data for that second (a recorded profile covers every second).
    virtual bool coversSecond(int seconds) const = 0;
    // An event text attached to that second (a recorded profile carries none).
    virtual QString eventAt(int seconds) const = 0;
    // Duration in minutes.
    virtual float diveTime() const = 0;
    // Maximum depth in metres.
    virtual float diveDepth() const = 0;
    // Depth in metres at a time in seconds.
    virtual float depth(int seconds) const = 0;
    // Gas number switched to at that second, 0 when nothing is due (one change per call).
    virtual int gasChange(int seconds) = 0;
    // Setpoint in bar chosen at that second, 0 when nothing is due (one change per call).
    virtual float setpointChange(int seconds) = 0;
};
