#pragma once

#include "ExpressionCases.h"

#include "tests/engine/ScriptRunSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs the cases as one robot file through runrobot.exe: each expression is
// assigned, then written with @error as "text|error" to the result file. The
// setup lines run first; the functions follow the cases.
inline void ExpectRobotCases(const ExpressionCase* cases, std::size_t count, const std::vector<std::string>& setup = {},
                             const std::vector<std::string>& functions = {})
{
    std::vector<std::string> lines = setup;
    for (std::size_t i = 0; i < count; ++i) {
        lines.push_back(std::string("$v = ") + cases[i].expression);
        lines.push_back("FileWriteLine(\"%OUT%\", $v & \"|\" & @error)");
    }
    lines.insert(lines.end(), functions.begin(), functions.end());
    int exitCode = -1;
    const scripttest::Result result = scripttest::RunScript(lines, &exitCode);
    EXPECT_EQ(0, exitCode) << result.FirstBox();
    EXPECT_TRUE(result.boxes.empty()) << result.FirstBox();
    const std::vector<std::string> output = result.OutputLines();
    ASSERT_EQ(count, output.size());
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(std::string(cases[i].text) + "|" + std::to_string(cases[i].error), output[i]) << cases[i].expression;
}

template <std::size_t N>
void ExpectRobotCases(const ExpressionCase (&cases)[N], const std::vector<std::string>& setup = {},
                      const std::vector<std::string>& functions = {})
{
    ExpectRobotCases(cases, N, setup, functions);
}
