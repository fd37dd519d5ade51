#pragma once

#include <windows.h>
#include <mstask.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/CString.h"
#include "schedule/CScheduledTask.h"

// This test program's own full path: the application of the jobs it makes.
CString TestProgramPath();

CString JobNameFor(const char* robotName);

// A trigger with a fixed start in the future and every other member 0.
TASK_TRIGGER MakeTrigger(TASK_TRIGGER_TYPE type);

// A job as the scheduling wizard makes it for a robot of that name.
CScheduledTask MakeRobotTask(const char* robotName, const TASK_TRIGGER& trigger);

bool SameTrigger(const TASK_TRIGGER& left, const TASK_TRIGGER& right);

// Deletes the jobs its tests made, before and after each test.
class ScheduleJobTest : public ::testing::Test
{
protected:
    // The job name of a robot; the job is deleted when the test ends.
    CString UseJob(const char* robotName);

    void TearDown() override;

private:
    std::vector<CString> m_jobNames;
};
