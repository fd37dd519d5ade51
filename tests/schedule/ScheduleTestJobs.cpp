#include "tests/schedule/ScheduleTestJobs.h"

#include <cstring>

#include "schedule/CTaskScheduler.h"

CString TestProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return CString(path);
}

CString JobNameFor(const char* robotName)
{
    return FormatString("OrvantisTapwright_%s.job", robotName);
}

TASK_TRIGGER MakeTrigger(TASK_TRIGGER_TYPE type)
{
    TASK_TRIGGER trigger;
    memset(&trigger, 0, sizeof trigger);
    trigger.cbTriggerSize = sizeof trigger;
    trigger.wBeginYear = 2031;
    trigger.wBeginMonth = 5;
    trigger.wBeginDay = 17;
    trigger.wStartHour = 9;
    trigger.wStartMinute = 45;
    trigger.TriggerType = type;
    return trigger;
}

CScheduledTask MakeRobotTask(const char* robotName, const TASK_TRIGGER& trigger)
{
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    CScheduledTask task;
    task.SetApplicationName(TestProgramPath());
    task.SetParameters(FormatString("-a %s", robotName));
    task.SetWorkingDirectory(directory);
    task.SetFlags(TASK_FLAG_INTERACTIVE | TASK_FLAG_DELETE_WHEN_DONE | TASK_FLAG_RUN_IF_CONNECTED_TO_INTERNET |
                  TASK_FLAG_RUN_ONLY_IF_LOGGED_ON);
    task.AddTrigger(trigger);
    return task;
}

bool SameTrigger(const TASK_TRIGGER& left, const TASK_TRIGGER& right)
{
    return memcmp(&left, &right, sizeof(TASK_TRIGGER)) == 0;
}

CString ScheduleJobTest::UseJob(const char* robotName)
{
    const CString jobName = JobNameFor(robotName);
    m_jobNames.push_back(jobName);
    CTaskScheduler::DeleteTask(jobName);
    return jobName;
}

void ScheduleJobTest::TearDown()
{
    for (const CString& jobName : m_jobNames)
        CTaskScheduler::DeleteTask(jobName);
}
