#include "tests/engine/builtins/ScriptRunSupport.h"

#include "tests/tools/e2e/E2eSupport.h"

ScriptOutcome RunScript(const std::vector<std::string>& lines, DWORD timeoutMs)
{
    std::string stem = e2e::TempFilePath("script");
    std::string folder = stem.substr(0, stem.find_last_of('\\'));
    std::string name = stem.substr(folder.size() + 1);
    name = name.substr(0, name.size() - 4);
    std::string valuesPath = stem + ".out";

    std::vector<std::string> script = {"$PutFile = FileOpen(\"" + valuesPath + "\", 2)"};
    script.insert(script.end(), lines.begin(), lines.end());
    script.push_back("FileClose($PutFile)");
    script.push_back("Exit");
    script.push_back("Func Put($value)");
    script.push_back("FileWriteLine($PutFile, $value)");
    script.push_back("EndFunc");

    ScriptOutcome outcome;
    if (!e2e::WriteRobotFile(folder, name, script))
        return outcome;
    std::string robot = folder + "\\" + name + ".txt";
    outcome.exitCode = e2e::RunAndCapture("runrobot.exe", "\"" + robot + "\"", outcome.output, timeoutMs);
    outcome.values = e2e::ReadLines(valuesPath);
    DeleteFileA(robot.c_str());
    DeleteFileA(valuesPath.c_str());
    return outcome;
}

HWND StartTapwin(const std::string& title, const std::string& log, const std::string& pos)
{
    std::string args = "--title \"" + title + "\"";
    if (!log.empty())
        args += " --log \"" + log + "\"";
    if (!pos.empty())
        args += " --pos " + pos;
    e2e::StartProgram("tapwin.exe", args);
    return e2e::WaitForWindow(title, 30000);
}

std::string Num(long value)
{
    return std::to_string(value);
}
