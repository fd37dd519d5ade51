// The application's message loop ends the process with the exit code of WM_QUIT.
#include <gtest/gtest.h>

#include "tests/tools/e2e/E2eSupport.h"

TEST(Application, QuitExitCodeBecomesTheProcessExitCode)
{
    const e2e::Started probe = e2e::StartProgram("framework_quit_probe.exe", "18");
    ASSERT_NE(probe.pid, 0u);
    EXPECT_EQ(e2e::WaitForExit(probe, 30000), 18);
    e2e::EndStartedProcesses();
}
