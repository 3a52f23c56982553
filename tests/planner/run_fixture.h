// A run environment without a window: a configuration image, an engine, a console that
// keeps its lines, and the run clock reset for every test.
#pragma once

#include "device/config_image.h"
#include "device/message_sink.h"
#include "engine/engine.h"
#include "planner/dive_parameters.h"
#include "planner/simulation.h"
#include "profiles/dive_profile.h"

#include <algorithm>
#include <memory>

struct RunFixture {
    ConfigImage image = ConfigImage::defaultImage();
    engine::engine_state s;
    CollectingSink console;
    std::unique_ptr<DiveProfile> profile;
    QStringList trace; // phase,time of every cycle

    RunFixture()
    {
        s.in_surface_pressure_mbar = 1013;
        s.in_ambient_pressure_mbar = 1013;
        s.config_image = image.data();
        planner::runState() = planner::RunState();
        image.setByte(ConfigImage::deco_type, 4); // GF, open circuit
        image.setGasActive(1, true);
    }

    planner::RunEnvironment environment()
    {
        planner::RunEnvironment env;
        env.image = &image;
        env.engine = &s;
        env.console = &console;
        env.clearMessages = [this]() { console.lines.clear(); };
        env.profile = profile.get();
        env.onCycle = [this](const char* phase, int t) {
            trace << QStringLiteral("%1,%2").arg(phase).arg(t);
        };
        return env;
    }

    void setGas(int n, int o2, int he, int depth, bool active = true)
    {
        image.setGasO2(n, static_cast<quint8>(o2));
        image.setGasHe(n, static_cast<quint8>(he));
        image.setGasDepth(n, static_cast<quint8>(depth));
        image.setGasActive(n, active);
    }

    // Simulate of the main window: planned segment, then the run.
    void simulate(int interval, float depth, float minutes)
    {
        planner::Simulation::appendPlannedSegment(profile, false, interval, depth, minutes, image);
        planner::Simulation sim(environment());
        sim.runSimulation(interval, profile.get());
    }

    // A profile of points (minutes, metres), on gas 1 from the start unless gas is 0.
    void profileOf(std::initializer_list<std::pair<double, double>> points, int gas = 1)
    {
        profile = std::make_unique<DiveProfile>();
        for (const auto& pt : points)
            profile->addPoint(pt.first, pt.second);
        if (gas)
            profile->setGas(0, gas);
    }

    // Replays the profile with the given flags.
    void replay(ReplayFlags flags = ReplayFlags())
    {
        auto env = environment();
        env.flags = flags;
        planner::Simulation(env).runSimulation(-1, profile.get());
    }

    int indexOf(const QString& text) const
    {
        for (int i = 0; i < console.lines.size(); ++i)
            if (console.lines[i].contains(text))
                return i;
        return -1;
    }

    int count(const QString& text) const
    {
        return int(std::count_if(console.lines.begin(), console.lines.end(),
                                 [&](const QString& line) { return line.contains(text); }));
    }
};
