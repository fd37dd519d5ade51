// The script loops that the run-loop benchmarks time, and the loading of a
// script's lines into the engine.
#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"

#include <string>
#include <vector>

struct BenchLoop
{
    const char* name;
    std::vector<std::string> lines;
    // Lines one run executes.
    double executedLines;
};

// The counting While loop (While, the assignment and WEnd each pass), the
// string-building For loop (the concatenation and Next) and the
// user-function-call loop (the call line, Return and Next), count passes each.
inline std::vector<BenchLoop> BenchLoops(int count)
{
    const std::string passes = std::to_string(count);
    return {
        {"counting loop", {"$i = 0", "While $i < " + passes, "$i = $i + 1", "WEnd"}, 3.0 * count},
        {"string-building loop", {"$s = \"\"", "For $i = 1 To " + passes, "$s = $s & \"x\"", "Next"}, 2.0 * count},
        {"user-function-call loop",
         {"For $i = 1 To " + passes, "$r = Inc($i)", "Next", "Func Inc($a)", "Return $a + 1", "EndFunc"},
         3.0 * count},
    };
}

inline void LoadBenchScript(CMarionet_ScriptFile& file, CMarionet_Script& engine, const std::vector<std::string>& lines)
{
    file.UnloadScript();
    int number = 0;
    for (const std::string& line : lines)
        file.AddScriptLine(++number, line.c_str(), -1);
    file.BuildLineArray();
    engine.LoadAndCheckScript("bench.txt");
}
