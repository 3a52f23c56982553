// SPDX-License-Identifier: GPL-3.0-or-later
var complete = 1;
var broken = ;
