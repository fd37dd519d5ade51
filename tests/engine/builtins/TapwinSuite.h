// A test suite against one tapwin.exe window with a log of its own, started
// for the suite and brought to the front before each test. Suites run one
// after another, so those of one test program share the storage: each starts
// its window from its own SetUpTestSuite.
#pragma once

#include "tests/engine/builtins/BuiltinScriptRun.h"
#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

#include <string>

class TapwinSuite : public ::testing::Test
{
protected:
    static void StartTarget(const char* title, const char* pos)
    {
        s_target.Start(title, pos);
        s_window = s_target.window;
        s_log = s_target.log;
    }
    static void TearDownTestSuite() { s_target.End(); }
    void SetUp() override
    {
        ASSERT_NE(nullptr, s_window);
        SetForegroundWindow(s_window);
        m_logStart = e2e::ReadLines(s_log).size();
    }

    inline static TapwinTarget s_target;
    inline static HWND s_window = nullptr;
    inline static std::string s_log;
    // Lines the log held when the test began.
    size_t m_logStart = 0;
};
