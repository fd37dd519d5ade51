// The interpreter's own cost of a line: the run loop's per-line pump replaced
// by one that does nothing, beside the cost of one pump call (PeekMessageA on
// an empty queue) measured in the same run; heap allocations counted per line
// through the link's wrapping of malloc. Medians of 5 runs.
#include "bench/BenchClock.h"
#include "bench/BenchLoops.h"
#include "engine/ScriptLinePump.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "framework/CMessageBoxCapture.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

long g_nAllocations = 0;

}  // namespace

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* block, size_t size);

void* __wrap_malloc(size_t size)
{
    ++g_nAllocations;
    return __real_malloc(size);
}

void* __wrap_calloc(size_t count, size_t size)
{
    ++g_nAllocations;
    return __real_calloc(count, size);
}

void* __wrap_realloc(void* block, size_t size)
{
    ++g_nAllocations;
    return __real_realloc(block, size);
}
}

namespace {

const int kRuns = 5;

struct Figure
{
    double usPerLine = 0;
    double allocationsPerLine = 0;
};

void NoPump(CMarionet_Script&) {}

Figure RunScript(CMarionet_ScriptFile& file, CMarionet_Script& engine, const std::vector<std::string>& lines,
                 double executedLines)
{
    LoadBenchScript(file, engine, lines);
    const long allocationsBefore = g_nAllocations;
    const double start = NowMs();
    engine.ExecuteFromLine(1, 1);
    const double ms = NowMs() - start;
    Figure figure;
    figure.usPerLine = ms * 1000.0 / executedLines;
    figure.allocationsPerLine = static_cast<double>(g_nAllocations - allocationsBefore) / executedLines;
    return figure;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main()
{
    CMessageBoxCapture boxes;
    CMarionet_ScriptFile file;
    CMarionet_Script engine(file);
    InstallScriptBuiltins(engine);
    SetScriptLinePump(NoPump);

    const int kCount = 50000;
    std::vector<std::string> straight = {"$i = 0"};
    straight.insert(straight.end(), kCount, "$i = $i + 1");
    std::vector<BenchLoop> scripts = {{"straight $i = $i + 1", straight, kCount + 1.0}};
    for (BenchLoop& loop : BenchLoops(kCount))
        scripts.push_back(std::move(loop));

    std::vector<double> pumps;
    for (int run = 0; run < kRuns; ++run)
        pumps.push_back(PumpCallUs());
    const double pumpUs = Median(pumps);
    std::printf("one pump call (PeekMessageA, empty queue): median %.3f us\n", pumpUs);
    std::printf("%-26s %12s %12s %14s %10s\n", "script", "own us/line", "goal us", "allocs/line", "own/pump");
    for (const BenchLoop& script : scripts) {
        // The goals: a simple line 0.5 us, a line of a loop 0.8 us.
        const double goalUs = &script == &scripts.front() ? 0.5 : 0.8;
        RunScript(file, engine, script.lines, script.executedLines);
        std::vector<double> times;
        double allocations = 0;
        for (int run = 0; run < kRuns; ++run) {
            const Figure figure = RunScript(file, engine, script.lines, script.executedLines);
            times.push_back(figure.usPerLine);
            allocations = figure.allocationsPerLine;
        }
        const double us = Median(times);
        std::printf("%-26s %12.3f %12.1f %14.2f %10.2f\n", script.name, us, goalUs, allocations, us / pumpUs);
    }
    SetScriptLinePump(nullptr);
    return boxes.Count() == 0 ? 0 : 1;
}
