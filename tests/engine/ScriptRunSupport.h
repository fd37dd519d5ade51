// Runs scripts as robot files through runrobot.exe and collects what each
// run showed and wrote.
#pragma once

#include <string>
#include <vector>

namespace scripttest {

struct Box
{
    std::string caption;
    std::string text;
};

struct Result
{
    int outcome = -1;
    // The robot file that was run and its script lines, %OUT% replaced.
    std::string path;
    std::vector<std::string> lines;
    std::vector<Box> boxes;
    // What the script wrote to the file named %OUT% in its lines.
    std::string output;
    std::vector<std::string> OutputLines() const;
    // The text of the first box, "" when none was shown.
    std::string FirstBox() const { return boxes.empty() ? std::string() : boxes.front().text; }
};

// Each script becomes one robot file; all run in one runrobot.exe process,
// in order (so global variables and options carry over from one to the
// next). "%OUT%" in a line stands for the script's own result file.
std::vector<Result> RunScripts(const std::vector<std::vector<std::string>>& scripts, int* exitCode = nullptr);
Result RunScript(const std::vector<std::string>& lines, int* exitCode = nullptr);

// The fatal-error report that the engine shows for a line of the result's
// robot file (column -1: no marker).
std::string ErrorReport(const Result& result, int line, const std::string& lineText, int column,
                        const std::string& message);

}  // namespace scripttest
