#pragma once

#include "ExpressionCases.h"

#include "tests/engine/ScriptRunSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs the cases as one robot file through runrobot.exe: each expression is
// assigned, then written with @error as "text|error" to the result file.
inline void ExpectRobotCases(const ExpressionCase* cases, std::size_t count)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        lines.push_back(std::string("$v = ") + cases[i].expression);
        lines.push_back("FileWriteLine(\"%OUT%\", $v & \"|\" & @error)");
    }
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
void ExpectRobotCases(const ExpressionCase (&cases)[N])
{
    ExpectRobotCases(cases, N);
}
