// Milliseconds from the performance counter, for the benchmarks' figures, and
// the cost of one message pump call, the floor of a script line.
#pragma once

#include <windows.h>

inline double NowMs()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Microseconds of one PeekMessageA on an empty queue. Timed over a fixed span, not a fixed count: on a loaded machine one call
// can cost 100 us, and a million calls would look like a hang.
inline double PumpCallUs()
{
    const double kSpanMs = 200;
    const int kBatch = 100;
    MSG msg;
    long calls = 0;
    const double start = NowMs();
    double elapsedMs = 0;
    do {
        for (int i = 0; i < kBatch; ++i)
            PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        calls += kBatch;
        elapsedMs = NowMs() - start;
    } while (elapsedMs < kSpanMs);
    return elapsedMs * 1000.0 / static_cast<double>(calls);
}
