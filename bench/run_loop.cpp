// Lines per second through the real run loop, beside the cost of the per-line
// message pump alone, and the memory of a polling robot's TAG/If/GOTO loop.
#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
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
    file.UnloadScript();
    int number = 0;
    for (const std::string& line : lines)
        file.AddScriptLine(++number, line.c_str(), -1);
    file.BuildLineArray();
    engine.LoadAndCheckScript("bench.txt");
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

    const int kCount = 50000;
    const std::string count = std::to_string(kCount);
    // While, the assignment and WEnd run once per pass.
    Report("counting loop", RunScript(file, engine, {"$i = 0", "While $i < " + count, "$i = $i + 1", "WEnd"}),
           3.0 * kCount);
    // For's Next, the concatenation.
    Report("string-building loop",
           RunScript(file, engine, {"$s = \"\"", "For $i = 1 To " + count, "$s = $s & \"x\"", "Next"}), 2.0 * kCount);
    // The call line, Return and Next.
    Report("user-function-call loop",
           RunScript(file, engine,
                     {"For $i = 1 To " + count, "$r = Inc($i)", "Next", "Func Inc($a)", "Return $a + 1", "EndFunc"}),
           3.0 * kCount);

    const int kPumps = 1000000;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    MSG msg;
    for (int i = 0; i < kPumps; ++i)
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    const double pumpSeconds = Seconds(start);
    std::printf("%-28s %10.0f pumps/s  (the floor of one line: %.2f us)\n", "PeekMessageA alone", kPumps / pumpSeconds,
                pumpSeconds / kPumps * 1e6);

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
