// SPDX-License-Identifier: GPL-3.0-or-later
// Long logbook files for the replay benchmarks: a UDCF dive with a sample every 10 s, at 5 m
// or going up and down between 5 and 14 m.
#pragma once

#include <QByteArray>

namespace benchudcf
{

// `samples` samples at 5 m after a start at the surface; with switches, every sample switches
// to the other of two mixes (Air, Nx32); wavy: from 5 m down to 14 m and up again in 36
// samples, over and over.
inline QByteArray generateUdcf(int samples, bool switches, bool wavy = false)
{
    QByteArray out = "<profile udcf=\"1\"><units>metric</units><repgroup><dive><gases>"
                     "<mix><mixname>Air</mixname><o2>0.21</o2><he>0</he></mix>"
                     "<mix><mixname>Nx32</mixname><o2>0.32</o2><he>0</he></mix></gases><samples>\n";
    out += "<switch>Air</switch><t>0</t><d>0</d>\n";
    for (int i = 1; i <= samples; ++i) {
        if (switches)
            out += i % 2 ? "<switch>Nx32</switch>" : "<switch>Air</switch>";
        const int step = i % 36 < 18 ? i % 36 : 36 - i % 36;
        out += "<t>" + QByteArray::number(i * 10) + "</t><d>" +
               (wavy ? QByteArray::number(5 + step * 0.5) : QByteArray("5")) + "</d>\n";
    }
    out += "<t>" + QByteArray::number(samples * 10 + 60) + "</t><d>0</d>\n";
    out += "</samples></dive></repgroup></profile>\n";
    return out;
}

} // namespace benchudcf
