// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one busy state. A simulation run, a device command and a script each hold
// it while they work; all of them let pending events run, and a command reached from such
// an event (a click, a shortcut, a timer) must not change the configuration image, the
// current profile or the engine under the command that is running.
//
// A long command takes the state and does nothing when it is taken already:
//     BusyGuard busy;
//     if (!busy)
//         return;
// A short command that changes the image, the profile or the engine returns at once while
// BusyGuard::busy(). A holder that calls such a command itself (a script calling Simulate)
// lends the state for that call with a BusyLoan around it. The main window greys out its
// commands and shows a busy cursor while the state is held (BusyState::changed).
#pragma once

#include <QObject>

class BusyState : public QObject
{
    Q_OBJECT
public:
    static BusyState& instance();
    // Held by a command now (a lent state is free for the borrower's call).
    bool busy() const { return held_; }
    // Held, or lent out by its holder: what the windows show.
    bool shown() const { return held_ || loans_ > 0; }

signals:
    void changed(bool shown);

private:
    friend class BusyGuard;
    friend class BusyLoan;
    template <typename F> void update(F change);
    bool held_ = false;
    int loans_ = 0;
};

class BusyGuard
{
public:
    BusyGuard();
    ~BusyGuard();
    Q_DISABLE_COPY(BusyGuard)
    // True when this guard took the state: the command may run.
    explicit operator bool() const { return owner_; }
    static bool busy() { return BusyState::instance().busy(); }

private:
    bool owner_;
};

// Frees a held state for the calls made in its scope and takes it back at the end; the
// windows keep showing busy all along.
class BusyLoan
{
public:
    BusyLoan();
    ~BusyLoan();
    Q_DISABLE_COPY(BusyLoan)

private:
    bool lent_;
};
