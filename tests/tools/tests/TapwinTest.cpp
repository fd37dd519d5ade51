#include "tests/tools/e2e/E2eSupport.h"

#include <gtest/gtest.h>

namespace {

class TapwinTest : public ::testing::Test
{
protected:
    void TearDown() override { e2e::EndStartedProcesses(); }
};

TEST_F(TapwinTest, SynthesisedClickOnTheButtonIsLogged)
{
    std::string log = e2e::TempFilePath("tapwin");
    ASSERT_NE(0u, e2e::StartProgram("tapwin.exe", "--log \"" + log + "\" --title \"Tap Click Test\"").pid);
    HWND main = e2e::WaitForWindow("Tap Click Test", 30000);
    ASSERT_NE(nullptr, main);
    HWND button = GetDlgItem(main, 102);
    ASSERT_NE(nullptr, button);

    e2e::LeftClickOn(button);

    EXPECT_TRUE(e2e::WaitForFileLine(log, "WM_LBUTTONDOWN id=102", 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(log, "BN_CLICKED id=102", 10000));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(e2e::WaitForFileLine(log, "WM_CLOSE", 10000));
    DeleteFileA(log.c_str());
}

TEST_F(TapwinTest, PresskeysTypesIntoTheFocusedEdit)
{
    std::string log = e2e::TempFilePath("tapwin");
    e2e::StartProgram("tapwin.exe", "--log \"" + log + "\" --title \"Tap Key Test\"");
    HWND main = e2e::WaitForWindow("Tap Key Test", 30000);
    ASSERT_NE(nullptr, main);
    SetForegroundWindow(main);
    e2e::Started keys = e2e::StartProgram("presskeys.exe", "shift+a");
    EXPECT_EQ(0, e2e::WaitForExit(keys, 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(log, "WM_KEYDOWN id=101 vk=65", 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(log, "shift=1", 10000));
    EXPECT_TRUE(e2e::WaitForFileLine(log, "WM_CHAR id=101 ch=65", 10000));
    DeleteFileA(log.c_str());
}

}  // namespace
