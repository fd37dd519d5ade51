#pragma once

#include "BuiltinScriptRunner.h"

#include <gtest/gtest.h>

#include <cstddef>

// One expression of a table-driven script test: its expected text and @error.
struct ExpressionCase
{
    const char* expression;
    const char* text;
    int error;
};

inline void ExpectCases(const ExpressionCase* cases, std::size_t count)
{
    CBuiltinScriptRunner runner;
    for (std::size_t i = 0; i < count; ++i) {
        const ExpressionCase& c = cases[i];
        const CBuiltinScriptRunner::Outcome outcome = runner.Evaluate(c.expression);
        EXPECT_TRUE(outcome.ok) << c.expression;
        EXPECT_EQ(c.text, outcome.text) << c.expression;
        EXPECT_EQ(c.error, outcome.error) << c.expression;
    }
}

template <std::size_t N>
void ExpectCases(const ExpressionCase (&cases)[N])
{
    ExpectCases(cases, N);
}
