// A command line split into arguments: blanks separate them, double quotes
// group blanks into one and two double quotes in a row give one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CArgList
{
public:
    static constexpr int kMaxArgs = 64;
    // Longer arguments are cut to this many chars.
    static constexpr int kMaxArgLength = 4095;

    void Parse(const char* commandLine);

    int GetCount() const { return static_cast<int>(m_aArgs.size()); }
    // The argument at index 0..count-1; "" out of range.
    const char* GetArg(int index) const;
    const char* GetLineText() const { return m_strCommandLine.c_str(); }

private:
    std::vector<std::string> m_aArgs;
    std::string m_strCommandLine;
};

// The script arguments of the program (the engine's @-macros read them).
CArgList& ScriptArgList();
