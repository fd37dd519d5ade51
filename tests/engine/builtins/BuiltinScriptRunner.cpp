#include "BuiltinScriptRunner.h"

#include "engine/builtins/BuiltinRegistry.h"

CBuiltinScriptRunner::CBuiltinScriptRunner()
{
    InstallScriptBuiltins(m_engine);
}

bool CBuiltinScriptRunner::Load(const std::vector<std::string>& lines)
{
    m_file.UnloadScript();
    for (size_t i = 0; i < lines.size(); ++i)
        m_file.AddScriptLine(static_cast<int>(i) + 1, lines[i].c_str(), -1);
    m_file.BuildLineArray();
    return m_engine.LoadAndCheckScript("builtin_test.txt") == 0;
}

bool CBuiltinScriptRunner::Execute()
{
    const int errorsBefore = m_engine.GetReportedErrorCount();
    m_engine.ExecuteFromLine(1, 1);
    return m_engine.GetReportedErrorCount() == errorsBefore;
}

const CScriptValue& CBuiltinScriptRunner::Var(const char* name)
{
    CScriptValue* value = nullptr;
    if (!m_engine.m_Variables.GetRef(name, value, CMarionet_Script::SCOPE_GLOBAL) || !value)
        return m_absent;
    return *value;
}

std::vector<std::string> CBuiltinScriptRunner::Boxes() const
{
    std::vector<std::string> texts;
    for (const CMessageBoxRequest& request : m_capture.Requests())
        texts.emplace_back(static_cast<const char*>(request.text));
    return texts;
}

CBuiltinScriptRunner::Outcome CBuiltinScriptRunner::Evaluate(const std::string& expression)
{
    Outcome outcome;
    outcome.ok = Run({"$v = " + expression, "$e = @error"});
    const CScriptValue& value = Var("v");
    outcome.text = value.GetText();
    outcome.kind = value.GetKind();
    outcome.error = Var("e").GetInteger();
    return outcome;
}
