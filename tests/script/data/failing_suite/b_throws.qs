// SPDX-License-Identifier: GPL-3.0-or-later
function plan() { ostc.cf.set(16, 9); }
plan();
