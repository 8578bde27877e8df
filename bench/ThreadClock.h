// Timing a piece of work under Wine: wall-clock seconds and the seconds of
// CPU time (user and kernel) the thread spent. On a machine shared with
// other work the wall-clock figures of one loop vary by a factor of two or
// more between rounds; the CPU figures hardly move.
#pragma once

#include <windows.h>

#include <cstdint>

struct Cost {
    double wall;
    double cpu;
};

inline double WallClock()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double ThreadCpu()
{
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) * 1e-7;
}

template <class F>
Cost Measure(F&& work)
{
    const double wall = WallClock(), cpu = ThreadCpu();
    work();
    return {WallClock() - wall, ThreadCpu() - cpu};
}
