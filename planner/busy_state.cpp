// SPDX-License-Identifier: GPL-3.0-or-later
// The program's busy state: see busy_state.h.
#include "planner/busy_state.h"

BusyState& BusyState::instance()
{
    static BusyState state;
    return state;
}

template <typename F> void BusyState::update(F change)
{
    const bool before = shown();
    change();
    if (shown() != before)
        emit changed(shown());
}

BusyGuard::BusyGuard() : owner_(!BusyState::instance().busy())
{
    if (owner_)
        BusyState::instance().update([] { BusyState::instance().held_ = true; });
}

BusyGuard::~BusyGuard()
{
    if (owner_)
        BusyState::instance().update([] { BusyState::instance().held_ = false; });
}

BusyLoan::BusyLoan() : lent_(BusyState::instance().busy())
{
    BusyState& s = BusyState::instance();
    if (lent_)
        s.update([&s] {
            s.held_ = false;
            ++s.loans_;
        });
}

BusyLoan::~BusyLoan()
{
    BusyState& s = BusyState::instance();
    if (lent_)
        s.update([&s] {
            --s.loans_;
            s.held_ = true;
        });
}
