// SPDX-License-Identifier: GPL-3.0-or-later
// The edits of a drawn or loaded profile, without a window: legs, added points, deleted points,
// gas changes and Clear, each recorded so that it can be undone and redone, and the rule of a new
// dive (the surface at time 0 on the first gas, on setpoint 1 in closed circuit).
//
// Undo puts back exactly what an edit changed: a deleted point returns with its recorded ppO2
// and the changes keyed at its second, an added point leaves without taking its neighbours
// with it, and a gas change returns the changes its normalisation swallowed.
//
// The profile edited is handed in and not owned; the profile editor dialog draws it.
#pragma once

#include <QVector>
#include <functional>

class ConfigImage;
class DiveProfile;

// One point of an edit, with the changes keyed at its second and its recorded ppO2, so that an
// undo puts back exactly what was there.
struct EditItem {
    double time = 0;    // minutes
    double depth = 0;   // metres
    int gas = 0;        // gas change at the point's second, 0 none
    float setpoint = 0; // setpoint change at the point's second in bar, 0 none
    double ppO2 = -1;   // recorded ppO2 in bar, -1 none
};

struct EditAction {
    enum Type { Added = 0, Deleted = 1, GasChanged = 2 };
    int type = Added;
    // Added/Deleted: the points; GasChanged: item 0 the old gas (0: no change at that second),
    // item 1 the new gas, further items the changes elsewhere that the new one made redundant.
    QVector<EditItem> items;
};

class ProfileEdits
{
public:
    // The new-dive rule: the surface at time 0 (with the air ppO2 a rebreather log starts
    // from) on the configuration's first gas, and in closed circuit its first setpoint.
    static void startDive(DiveProfile& profile, const ConfigImage* configuration);

    // The index of the point nearest to a time (the first of points sharing a time), -1 for none.
    static int nearestPoint(const DiveProfile& profile, double minutes);

    void setConfiguration(const ConfigImage* configuration) { configuration_ = configuration; }
    // The profile edited from now on; the history is emptied.
    void setProfile(DiveProfile* profile);
    DiveProfile* profile() const { return profile_; }
    void forget(); // empties the history (after a load or a save)

    // Called before (true) and after (false) an edit of many points at once, so that a view
    // can stop drawing while they change.
    std::function<void(bool)> bulkChange;

    void addPoint(double minutes, double metres);
    // A leg to a depth lasting its time in total, the travel at the given speeds (m/min)
    // rounded up to whole minutes included; a leg shorter than its travel is the travel alone.
    void addLeg(double metres, double minutes, double descentSpeed, double ascentSpeed);
    // Every point within 0.1 min of the point at `time` (never the start point); false when
    // nothing was deleted.
    bool deletePointsAt(double time);
    // A gas change on the point at (time, depth); false when it changed nothing.
    bool setGasAt(double time, double depth, int gas);
    // Everything but the start is gone, as one undoable edit; the profile is a new dive.
    void clear();
    // A loaded log with its own point at time 0 needs no second start point.
    void dropSecondStart();
    bool undo();
    bool redo();

    const QVector<EditAction>& undoStack() const { return undoStack_; }
    const QVector<EditAction>& redoStack() const { return redoStack_; }

private:
    void push(const EditAction& action);
    QVector<EditItem> pointsNear(double minutes) const;
    QVector<EditItem> removePoints(double minutes);
    void removeAgain(const QVector<EditItem>& items);
    void restore(const EditItem& item);
    void removeExactly(const EditItem& item);
    void replayAction(const EditAction& action, bool forward);
    // Replays the last action of from (forward: as done, else undone) and moves it onto to.
    bool replayLast(QVector<EditAction>& from, QVector<EditAction>& to, bool forward);

    DiveProfile* profile_ = nullptr;
    const ConfigImage* configuration_ = nullptr;
    QVector<EditAction> undoStack_;
    QVector<EditAction> redoStack_;
};
