#include "tests/engine/ScriptFileTestSupport.h"

#include <windows.h>

#include <cstdio>

TempRobotFile::TempRobotFile(const std::vector<std::string>& lines, const char* lineEnd)
{
    char folder[MAX_PATH + 1] = "";
    GetTempPathA(sizeof folder, folder);
    static int counter = 0;
    m_path = std::string(folder) + "scriptfile-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++counter) + ".txt";
    FILE* file = std::fopen(m_path.c_str(), "wb");
    if (!file)
        return;
    for (const std::string& line : lines)
        std::fprintf(file, "%s%s", line.c_str(), lineEnd);
    std::fclose(file);
}

TempRobotFile::~TempRobotFile()
{
    DeleteFileA(m_path.c_str());
}

std::vector<std::string> RobotHeader(bool runAtBackground)
{
    return {"[General]",
            "Name=Test",
            "StartKey=None",
            "EndKey=None",
            "Description=",
            "Enable=0",
            "RepeatOption=0",
            "RepeatTimes=1",
            "OriginalSpeed=1",
            "UseSimilarWin=0",
            "UseRecWin=1",
            "TriggerRobot=",
            runAtBackground ? "RunAtBackground=1" : "RunAtBackground=0",
            "[Script]"};
}

std::vector<std::string> RobotFile(const std::vector<std::string>& script, const std::vector<std::string>& records)
{
    std::vector<std::string> lines = RobotHeader();
    lines.insert(lines.end(), script.begin(), script.end());
    if (!records.empty()) {
        lines.push_back("[RecWinInfo]");
        lines.insert(lines.end(), records.begin(), records.end());
    }
    return lines;
}
