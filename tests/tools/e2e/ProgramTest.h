// The fixture of the end-to-end tests that run Tapforge.exe itself: each test
// starts from an empty data folder, and every process it started is ended
// after it.
#pragma once

#include "e2e/E2eSupport.h"
#include "res/TapforgeResource.h"

#include <gtest/gtest.h>

#include <string>

namespace e2e {

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override { EmptyDataFolder(); }
    void TearDown() override { EndStartedProcesses(); }

    Started StartTapforge(const std::string& args = "")
    {
        const Started started = StartProgram("Tapforge.exe", args);
        EXPECT_NE(started.pid, 0u);
        return started;
    }

    // The main dialog once it shows, which it does when its initialisation,
    // the robot list included, is done; null when it did not come.
    HWND WaitForMainDialog()
    {
        HWND dialog = WaitForWindowWithItem("Orvantis Tapforge", IDC_ROBOT_LIST, 30000);
        EXPECT_TRUE(dialog);
        return dialog;
    }
};

}  // namespace e2e
