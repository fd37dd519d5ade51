// Lines per second through the real run loop, beside the cost of the per-line
// message pump alone, and the memory of a polling robot's TAG/If/GOTO loop.
#include "bench/BenchClock.h"
#include "bench/BenchLoops.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "framework/CMessageBoxCapture.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

double Seconds(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double RunScript(CMarionet_ScriptFile& file, CMarionet_Script& engine, const std::vector<std::string>& lines)
{
    LoadBenchScript(file, engine, lines);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    engine.ExecuteFromLine(1, 1);
    return Seconds(start);
}

void Report(const char* name, double seconds, double lines)
{
    std::printf("%-28s %10.0f lines/s  (%.0f lines in %.2f s)\n", name, lines / seconds, lines, seconds);
}

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

std::vector<std::string> PollingLoop(int passes)
{
    return {"$n = 0",   "TAG $top", "$n = $n + 1", "While 1", "If $n < " + std::to_string(passes) + " Then GOTO $top",
            "ExitLoop", "WEnd"};
}

}  // namespace

int main()
{
    CMessageBoxCapture boxes;
    CMarionet_ScriptFile file;
    CMarionet_Script engine(file);
    InstallScriptBuiltins(engine);

    for (const BenchLoop& loop : BenchLoops(50000))
        Report(loop.name, RunScript(file, engine, loop.lines), loop.executedLines);

    const double pumpUs = PumpCallUs();
    std::printf("%-28s %10.0f pumps/s  (the floor of one line: %.2f us)\n", "PeekMessageA alone", 1e6 / pumpUs, pumpUs);

    RunScript(file, engine, PollingLoop(1000));
    const size_t before = PrivateBytes();
    const double seconds = RunScript(file, engine, PollingLoop(1000000));
    const size_t after = PrivateBytes();
    std::printf("%-28s %10.0f lines/s  memory before %zu KB, after 1,000,000 passes %zu KB (%+ld KB)\n",
                "TAG/If/GOTO polling loop", 4.0 * 1000000 / seconds, before / 1024, after / 1024,
                static_cast<long>(after / 1024) - static_cast<long>(before / 1024));
    std::printf("open blocks after the polling loop: %d loop, %d If\n", engine.m_LoopStack.GetCount(),
                engine.m_IfStack.GetCount());
    return boxes.Count() == 0 ? 0 : 1;
}
