// Generated robot folders for the start-up and hotkey benchmarks: the data
// folder emptied, the start tips turned off, and robots whose enabled half
// hold distinct start keys.
#pragma once

#include "tests/tools/e2e/E2eSupport.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline std::vector<std::string> BenchKeyPool()
{
    std::vector<std::string> keys;
    for (char c = 'A'; c <= 'Z'; ++c)
        keys.push_back(std::string(1, c));
    for (char c = '0'; c <= '9'; ++c) {
        keys.push_back(std::string(1, c));
        keys.push_back(std::string("<") + c + ">");
    }
    for (int f = 1; f <= 23; ++f)
        keys.push_back("<F" + std::to_string(f) + ">");
    const char* named[] = {"<Home>", "<End>", "<Insert>", "<Delete>", "<Prior>", "<Next>",
                           "<Left>", "<Up>",  "<Right>",  "<Down>",   "<Pause>", "<Help>"};
    keys.insert(keys.end(), std::begin(named), std::end(named));
    const char* modifiers[] = {
        "Ctrl + Shift + Alt + ", "Ctrl + Shift + ", "Ctrl + Alt + ", "Shift + Alt + ", "Ctrl + ", "Shift + ", "Alt + "};
    std::vector<std::string> pool;
    for (const char* modifier : modifiers) {
        for (const std::string& key : keys)
            pool.push_back(modifier + key);
    }
    return pool;
}

// Robots "Robot 0000" ... in an emptied data folder; the even ones enabled,
// each enabled one with a start key of its own.
inline void WriteBenchRobots(int count)
{
    e2e::EmptyDataFolder();
    e2e::WriteWholeFile(e2e::DataFolder() + "\\option.ini", "showtip=0\r\n");
    const std::vector<std::string> pool = BenchKeyPool();
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Robot %04d", i);
        e2e::RobotHeader header;
        header.startKey = pool[(i / 2) % pool.size()];
        header.enable = i % 2 == 0;
        e2e::WriteRobotFile(e2e::ScriptFolder(), name, {"Sleep(10)", "Send(\"a\")"}, header);
    }
}

inline double BenchMedian(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
