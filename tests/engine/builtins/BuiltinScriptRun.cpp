#include "tests/engine/builtins/BuiltinScriptRun.h"

#include "tests/engine/ScriptRunSupport.h"
#include "tests/tools/e2e/E2eSupport.h"

ScriptOutcome RunPutScript(const std::vector<std::string>& lines)
{
    std::vector<std::string> script = {"$PutFile = FileOpen(\"%OUT%\", 2)"};
    script.insert(script.end(), lines.begin(), lines.end());
    script.push_back("FileClose($PutFile)");
    script.push_back("Exit");
    script.push_back("Func Put($value)");
    script.push_back("FileWriteLine($PutFile, $value)");
    script.push_back("EndFunc");

    ScriptOutcome outcome;
    scripttest::Result result = scripttest::RunScript(script, &outcome.exitCode);
    for (const scripttest::Box& box : result.boxes)
        outcome.output += box.caption + ": " + box.text + "\n";
    outcome.values = result.OutputLines();
    return outcome;
}

::testing::AssertionResult EndedWithValues(const ScriptOutcome& run, const std::vector<std::string>& expected)
{
    if (run.exitCode == 0 && run.values == expected)
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << "exit code " << run.exitCode << ", put";
    for (const std::string& value : run.values)
        failure << " [" << value << "]";
    failure << " where";
    for (const std::string& value : expected)
        failure << " [" << value << "]";
    return failure << " was expected\n" << run.output;
}

::testing::AssertionResult PutsExactly(const std::vector<std::string>& lines, const std::vector<std::string>& expected)
{
    return EndedWithValues(RunPutScript(lines), expected);
}

std::string ScriptLiteral(const std::string& text)
{
    std::string literal = "\"";
    for (char c : text) {
        literal += c;
        if (c == '"')
            literal += c;
    }
    return literal + "\"";
}

std::string ProgramLiteral(const std::string& path, const std::string& parameters)
{
    return ScriptLiteral("'" + path + "'" + parameters);
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

void TapwinTarget::Start(const std::string& title, const std::string& pos)
{
    log = e2e::TempFilePath("tapwin");
    window = StartTapwin(title, log, pos);
}

void TapwinTarget::End()
{
    e2e::EndStartedProcesses();
    DeleteFileA(log.c_str());
}
