#include "tests/engine/ScriptRunSupport.h"

#include "tests/tools/e2e/E2eSupport.h"

#include <windows.h>

namespace scripttest {

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to)
{
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

}  // namespace

std::vector<std::string> Result::OutputLines() const
{
    return e2e::SplitLines(output);
}

std::vector<Result> RunScripts(const std::vector<std::vector<std::string>>& scripts, int* exitCode)
{
    // A folder of its own: process ids repeat between Wine processes, so a
    // reused name could hold the results of an earlier run.
    std::string folder;
    do {
        folder = e2e::TempFilePath("scripts") + "-" + std::to_string(GetTickCount());
    } while (!CreateDirectoryA(folder.c_str(), nullptr));
    std::string args;
    std::vector<std::string> outputs;
    std::vector<std::string> paths;
    std::vector<std::vector<std::string>> scriptLines;
    for (size_t i = 0; i < scripts.size(); ++i) {
        const std::string name = "case" + std::to_string(i);
        const std::string out = folder + "\\" + name + ".out";
        outputs.push_back(out);
        std::vector<std::string> lines;
        for (const std::string& line : scripts[i])
            lines.push_back(ReplaceAll(line, "%OUT%", out));
        e2e::WriteRobotFile(folder, name, lines);
        scriptLines.push_back(lines);
        paths.push_back(folder + "\\" + name + ".txt");
        args += " \"" + paths.back() + "\"";
    }

    std::string stdoutText;
    const int code = e2e::RunAndCapture("runrobot.exe", args, stdoutText, 240000);
    if (exitCode)
        *exitCode = code;

    std::vector<Result> results(scripts.size());
    int current = -1;
    Box* box = nullptr;
    bool firstBoxLine = false;
    for (const std::string& line : e2e::SplitLines(stdoutText)) {
        if (box) {
            if (line == "--- END BOX") {
                box = nullptr;
            } else {
                box->text += (firstBoxLine ? "" : "\n") + line;
                firstBoxLine = false;
            }
        } else if (line.rfind("=== FILE ", 0) == 0) {
            ++current;
        } else if (line.rfind("--- BOX ", 0) == 0 && current >= 0 && current < static_cast<int>(results.size())) {
            results[current].boxes.push_back(Box{line.substr(8), ""});
            box = &results[current].boxes.back();
            firstBoxLine = true;
        } else if (line.rfind("=== OUTCOME ", 0) == 0 && current >= 0 && current < static_cast<int>(results.size())) {
            results[current].outcome = std::stoi(line.substr(12));
        }
    }
    for (size_t i = 0; i < results.size(); ++i) {
        results[i].output = e2e::ReadWholeFile(outputs[i]);
        results[i].path = paths[i];
        results[i].lines = scriptLines[i];
    }
    return results;
}

Result RunScript(const std::vector<std::string>& lines, int* exitCode)
{
    return RunScripts({lines}, exitCode).front();
}

std::string ErrorReport(const Result& result, int line, const std::string& lineText, int column,
                        const std::string& message)
{
    std::string text = "Line " + std::to_string(line) + "  (File \"" + result.path + "\"):\n\n" + lineText + "\n";
    if (column >= 0)
        text += lineText.substr(0, static_cast<size_t>(column)) + "^ ERROR\n";
    return text + "\nError: " + message;
}

}  // namespace scripttest
