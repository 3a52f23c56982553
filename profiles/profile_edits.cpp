// SPDX-License-Identifier: GPL-3.0-or-later
// The edits of a profile and their history: see profile_edits.h.
#include "profiles/profile_edits.h"

#include "device/config_image.h"
#include "profiles/dive_profile.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace
{

// removePoint's reach around a time, minutes (with the model's allowance for binary error).
bool withinReach(double t, double minutes)
{
    return std::fabs(t - minutes) <= 0.1 + 1e-9;
}

} // namespace

void ProfileEdits::startDive(DiveProfile& profile, const ConfigImage* configuration)
{
    profile.addPoint(0, 0, 0.21);
    int gas = 1;
    if (configuration) {
        const int first = configuration->byte(ConfigImage::first_gas);
        gas = first >= 1 && first <= 5 ? first : 1;
        if (configuration->isCcr())
            // The value a run compares with: the engine's centibars over 100.
            profile.setSetpoint(0, setpointBar(configuration->setpoint(1)));
    }
    profile.setGas(0, gas);
}

int ProfileEdits::nearestPoint(const DiveProfile& profile, double minutes)
{
    const QVector<double>& t = profile.times();
    if (t.isEmpty())
        return -1;
    // The times are sorted: the nearest point is one of the two around the first time >= minutes.
    const int after =
        static_cast<int>(std::lower_bound(t.constBegin(), t.constEnd(), minutes) - t.constBegin());
    if (after == 0)
        return 0;
    if (after < t.size() && t[after] - minutes < minutes - t[after - 1])
        return after;
    // The first of the points sharing that time.
    return static_cast<int>(std::lower_bound(t.constBegin(), t.constEnd(), t[after - 1]) -
                            t.constBegin());
}

void ProfileEdits::setProfile(DiveProfile* profile)
{
    profile_ = profile;
    forget();
}

void ProfileEdits::forget()
{
    undoStack_.clear();
    redoStack_.clear();
}

void ProfileEdits::push(const EditAction& action)
{
    undoStack_.append(action);
    redoStack_.clear();
}

void ProfileEdits::addPoint(double minutes, double metres)
{
    profile_->addPoint(minutes, metres);
    EditAction action;
    action.items.append({minutes, metres, 0, 0.0f, -1});
    push(action);
}

void ProfileEdits::addLeg(double target, double minutes, double descentSpeed, double ascentSpeed)
{
    const double last = profile_->lastDepth();
    const double travel =
        std::ceil(target > last ? (target - last) / descentSpeed : (last - target) / ascentSpeed);
    const double stay = std::max(minutes - travel, 0.0);
    EditAction action;
    if (travel > 0) {
        const double arrival = profile_->diveTime() + travel;
        profile_->addPoint(arrival, target);
        action.items.append({arrival, target, 0, 0.0f, -1});
    }
    if (stay > 0 || travel <= 0) {
        const double end = profile_->diveTime() + stay;
        profile_->addPoint(end, target);
        action.items.append({end, target, 0, 0.0f, -1});
    }
    push(action);
}

bool ProfileEdits::deletePointsAt(double time)
{
    // The start point stays, and so do the changes keyed at second 0 (the starting gas).
    if (DiveProfile::secondsKey(time) <= 0)
        return false;
    EditAction action;
    action.type = EditAction::Deleted;
    action.items = removePoints(time);
    push(action);
    return true;
}

bool ProfileEdits::setGasAt(double time, double depth, int gas)
{
    const int key = DiveProfile::secondsKey(time);
    const QMap<int, int> before = profile_->gasChanges();
    profile_->setGas(time, gas);
    const QMap<int, int>& after = profile_->gasChanges();
    if (after == before)
        return false;
    EditAction action;
    action.type = EditAction::GasChanged;
    action.items.append({time, depth, before.value(key, 0), 0.0f, -1});
    action.items.append({time, depth, gas, 0.0f, -1});
    // Changes elsewhere that became redundant and were dropped come back with an undo.
    for (auto it = before.constBegin(); it != before.constEnd(); ++it)
        if (it.key() != key && !after.contains(it.key()))
            action.items.append({it.key() / 60.0, depth, it.value(), 0.0f, -1});
    push(action);
    return true;
}

void ProfileEdits::clear()
{
    if (profile_->points() > 1) {
        EditAction action;
        action.type = EditAction::Deleted;
        const QVector<double>& t = profile_->times();
        for (int i = 1; i < t.size(); ++i) {
            // Each point carries the changes keyed at its second, once.
            const int key = DiveProfile::secondsKey(t[i]);
            const bool first = DiveProfile::secondsKey(t[i - 1]) != key;
            EditItem item;
            item.time = t[i];
            item.depth = profile_->depths()[i];
            item.ppO2 = i < profile_->ppO2().size() ? profile_->ppO2()[i] : -1;
            item.gas = first ? profile_->gasChanges().value(key, 0) : 0;
            item.setpoint = first ? profile_->setpointChanges().value(key, 0.0f) : 0.0f;
            action.items.append(item);
        }
        push(action);
    }
    DiveProfile fresh;
    startDive(fresh, configuration_);
    if (bulkChange)
        bulkChange(true);
    profile_->assign(fresh);
    if (bulkChange)
        bulkChange(false);
}

void ProfileEdits::dropSecondStart()
{
    if (profile_->points() > 1 && profile_->times()[1] <= 0)
        removeExactly({0, 0, 0, 0.0f, -1});
}

bool ProfileEdits::undo()
{
    return replayLast(undoStack_, redoStack_, false);
}

bool ProfileEdits::redo()
{
    return replayLast(redoStack_, undoStack_, true);
}

bool ProfileEdits::replayLast(QVector<EditAction>& from, QVector<EditAction>& to, bool forward)
{
    if (from.isEmpty())
        return false;
    const EditAction action = from.takeLast();
    replayAction(action, forward);
    to.append(action);
    return true;
}

QVector<EditItem> ProfileEdits::pointsNear(double minutes) const
{
    QVector<EditItem> items;
    const QVector<double>& t = profile_->times();
    const int key = DiveProfile::secondsKey(minutes);
    bool changesTaken = false;
    for (int i = 0; i < t.size(); ++i) {
        if (!withinReach(t[i], minutes))
            continue;
        EditItem item;
        item.time = t[i];
        item.depth = profile_->depths()[i];
        item.ppO2 = i < profile_->ppO2().size() ? profile_->ppO2()[i] : -1;
        // removePoint drops the changes keyed at the given second; they go with its point.
        if (!changesTaken && DiveProfile::secondsKey(t[i]) == key) {
            changesTaken = true;
            item.gas = profile_->gasChanges().value(key, 0);
            item.setpoint = profile_->setpointChanges().value(key, 0.0f);
        }
        items.append(item);
    }
    return items;
}

QVector<EditItem> ProfileEdits::removePoints(double minutes)
{
    QVector<EditItem> removed = pointsNear(minutes);
    profile_->removePoint(minutes);
    // The dive always starts at time 0: a start point within reach comes straight back.
    for (auto it = removed.begin(); it != removed.end();) {
        if (it->time <= 0) {
            profile_->addPoint(it->time, it->depth, it->ppO2);
            it = removed.erase(it);
        } else {
            ++it;
        }
    }
    return removed;
}

// What removePoints does for each item, in one pass: a Clear redone on a long log stays linear.
void ProfileEdits::removeAgain(const QVector<EditItem>& items)
{
    QVector<double> reach;
    QSet<int> keys;
    for (const EditItem& item : items) {
        reach.append(item.time);
        keys.insert(DiveProfile::secondsKey(item.time));
    }
    std::sort(reach.begin(), reach.end());
    const QVector<double>& t = profile_->times();
    DiveProfile kept;
    for (int i = 0; i < t.size(); ++i) {
        const auto from = std::lower_bound(reach.constBegin(), reach.constEnd(), t[i] - 0.2);
        const auto to = std::upper_bound(from, reach.constEnd(), t[i] + 0.2);
        const bool gone =
            t[i] > 0 && std::any_of(from, to, [&](double r) { return withinReach(t[i], r); });
        if (!gone)
            kept.addPoint(t[i], profile_->depths()[i],
                          i < profile_->ppO2().size() ? profile_->ppO2()[i] : -1);
    }
    const QMap<int, int>& gases = profile_->gasChanges();
    for (auto it = gases.constBegin(); it != gases.constEnd(); ++it)
        if (!keys.contains(it.key()))
            kept.setGas(it.key() / 60.0, it.value());
    const QMap<int, float>& setpoints = profile_->setpointChanges();
    for (auto it = setpoints.constBegin(); it != setpoints.constEnd(); ++it)
        if (!keys.contains(it.key()))
            kept.setSetpoint(it.key() / 60.0, it.value());
    profile_->assign(kept);
}

void ProfileEdits::restore(const EditItem& item)
{
    profile_->addPoint(item.time, item.depth, item.ppO2);
    if (item.gas > 0)
        profile_->setGas(item.time, item.gas);
    if (item.setpoint > 0)
        profile_->setSetpoint(item.time, item.setpoint);
}

void ProfileEdits::removeExactly(const EditItem& item)
{
    const QVector<EditItem> near = pointsNear(item.time);
    const int key = DiveProfile::secondsKey(item.time);
    const int gas = profile_->gasChanges().value(key, 0);
    const float setpoint = profile_->setpointChanges().value(key, 0.0f);
    profile_->removePoint(item.time);
    bool gone = false;
    for (const EditItem& p : near) {
        if (!gone && p.time == item.time && p.depth == item.depth) {
            gone = true;
            continue;
        }
        profile_->addPoint(p.time, p.depth, p.ppO2);
    }
    if (gas > 0)
        profile_->setGas(item.time, gas);
    if (setpoint > 0)
        profile_->setSetpoint(item.time, setpoint);
}

void ProfileEdits::replayAction(const EditAction& action, bool forward)
{
    // Many points at once (a Clear undone or redone) are changed unseen and drawn once.
    const bool bulk = action.items.size() > 2 && bulkChange;
    if (bulk)
        bulkChange(true);
    switch (action.type) {
    case EditAction::Added:
        if (forward) {
            for (const EditItem& item : action.items)
                profile_->addPoint(item.time, item.depth);
        } else {
            for (int i = action.items.size() - 1; i >= 0; --i)
                removeExactly(action.items[i]);
        }
        break;
    case EditAction::Deleted:
        if (forward) {
            removeAgain(action.items);
        } else {
            for (const EditItem& item : action.items)
                restore(item);
        }
        break;
    case EditAction::GasChanged:
        if (forward) {
            profile_->setGas(action.items[1].time, action.items[1].gas);
        } else {
            // The gas before the change, and the later changes its tidying removed.
            profile_->setGas(action.items[0].time, action.items[0].gas);
            for (int i = 2; i < action.items.size(); ++i)
                profile_->setGas(action.items[i].time, action.items[i].gas);
        }
        break;
    }
    if (bulk)
        bulkChange(false);
}
