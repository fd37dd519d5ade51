#pragma once

#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "framework/CMessageBoxCapture.h"

#include <string>
#include <vector>

// Runs script lines through the real interpreter in this process, with the
// built-in families bound and every message box captured, and reads
// the script's global variables afterwards.
class CBuiltinScriptRunner
{
public:
    CBuiltinScriptRunner();

    // Loads and checks the lines; true when the check passed.
    bool Load(const std::vector<std::string>& lines);
    // Runs the loaded lines from the first; true when no error was reported.
    bool Execute();
    bool Run(const std::vector<std::string>& lines) { return Load(lines) && Execute(); }

    // The global variable (name without "$"); the number 0 when absent.
    const CScriptValue& Var(const char* name);
    std::string Text(const char* name) { return Var(name).GetText(); }
    // Texts of the message boxes shown so far.
    std::vector<std::string> Boxes() const;

    // Evaluates one expression as "$v = expression" and keeps @error in $e.
    struct Outcome
    {
        std::string text;
        int kind = 0;
        int error = 0;
        bool ok = false;
    };
    Outcome Evaluate(const std::string& expression);

    CMarionet_Script& Engine() { return m_engine; }

private:
    CMarionet_ScriptFile m_file;
    CMarionet_Script m_engine{m_file};
    CMessageBoxCapture m_capture;
    CScriptValue m_absent;
};
