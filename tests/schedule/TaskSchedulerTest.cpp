#include <gtest/gtest.h>

#include <string>

#include "schedule/CTaskScheduler.h"
#include "schedule/DeleteScheduledTask.h"
#include "tests/schedule/ScheduleTestJobs.h"

namespace {
const char otherProgram[] = "C:\\windows\\system32\\notepad.exe";

class TaskSchedulerTest : public ScheduleJobTest
{
};

bool Lists(const CTaskScheduler& scheduler, const char* jobName)
{
    for (int position = 0; position < scheduler.GetCount(); ++position) {
        if (scheduler.GetTask(position).GetName().CompareNoCase(jobName) == 0)
            return true;
    }
    return false;
}
}  // namespace

TEST_F(TaskSchedulerTest, ListsThisProgramsJobsWhateverTheCaseOfThePath)
{
    const CString ownJob = UseJob("S1 Listed");
    const CString otherJob = UseJob("S1 Other Program");
    CScheduledTask own = MakeRobotTask("S1 Listed", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON));
    ASSERT_EQ(S_OK, own.SaveTask(ownJob, FALSE, FALSE));
    CScheduledTask other = MakeRobotTask("S1 Other Program", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON));
    other.SetApplicationName(otherProgram);
    ASSERT_EQ(S_OK, other.SaveTask(otherJob, FALSE, FALSE));

    CString path = TestProgramPath();
    path.MakeUpper();
    CTaskScheduler scheduler;
    ASSERT_TRUE(scheduler.Enumerate(path));
    EXPECT_TRUE(Lists(scheduler, ownJob));
    EXPECT_FALSE(Lists(scheduler, otherJob));
    for (int position = 0; position < scheduler.GetCount(); ++position)
        EXPECT_EQ(0, scheduler.GetTask(position).GetApplicationName().CompareNoCase(path));
}

TEST_F(TaskSchedulerTest, JobsOfOtherProgramsOnlyGiveAnEmptyList)
{
    const CString otherJob = UseJob("S1 Only Other");
    CScheduledTask other = MakeRobotTask("S1 Only Other", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON));
    other.SetApplicationName(otherProgram);
    ASSERT_EQ(S_OK, other.SaveTask(otherJob, FALSE, FALSE));

    CTaskScheduler scheduler;
    EXPECT_TRUE(scheduler.Enumerate("C:\\S1\\No Such Program.exe"));
    EXPECT_EQ(0, scheduler.GetCount());
}

TEST_F(TaskSchedulerTest, ListedJobCarriesWhatWasSaved)
{
    const CString jobName = UseJob("S1 Listed Whole");
    TASK_TRIGGER weekly = MakeTrigger(TASK_TIME_TRIGGER_WEEKLY);
    weekly.Type.Weekly.WeeksInterval = 1;
    weekly.Type.Weekly.rgfDaysOfTheWeek = 0x3E;
    CScheduledTask task = MakeRobotTask("S1 Listed Whole", weekly);
    ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));

    CTaskScheduler scheduler;
    ASSERT_TRUE(scheduler.Enumerate(TestProgramPath()));
    ASSERT_TRUE(Lists(scheduler, jobName));
    for (int position = 0; position < scheduler.GetCount(); ++position) {
        const CScheduledTask listed = scheduler.GetTask(position);
        if (listed.GetName().CompareNoCase(jobName) != 0)
            continue;
        EXPECT_TRUE(listed.IsLoaded());
        EXPECT_STREQ("-a S1 Listed Whole", listed.GetParameters());
        ASSERT_EQ(1, listed.GetTriggerCount());
        EXPECT_TRUE(SameTrigger(weekly, listed.GetTrigger(0)));
    }
}

TEST_F(TaskSchedulerTest, DeletingTwiceFailsTheSecondTime)
{
    const CString jobName = UseJob("S1 Delete");
    CScheduledTask task = MakeRobotTask("S1 Delete", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));

    EXPECT_EQ(S_OK, CTaskScheduler::DeleteTask(jobName));
    EXPECT_TRUE(FAILED(CTaskScheduler::DeleteTask(jobName)));
    EXPECT_TRUE(CScheduledTask::LoadTask(jobName).GetApplicationName().IsEmpty());
}

TEST_F(TaskSchedulerTest, DeleteScheduledTaskTellsWhetherTheJobWentAway)
{
    const CString jobName = UseJob("S1 Delete Free");
    CScheduledTask task = MakeRobotTask("S1 Delete Free", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));

    EXPECT_TRUE(DeleteScheduledTask(jobName));
    EXPECT_FALSE(DeleteScheduledTask(jobName));
    EXPECT_FALSE(DeleteScheduledTask(""));
}

TEST_F(TaskSchedulerTest, EmptyNameIsNotDeleted)
{
    EXPECT_EQ(E_FAIL, CTaskScheduler::DeleteTask(""));
    EXPECT_EQ(E_FAIL, CTaskScheduler::DeleteTask(static_cast<const char*>(nullptr)));
    EXPECT_EQ(E_FAIL, CTaskScheduler::DeleteTask(CString()));
}

TEST_F(TaskSchedulerTest, EditingAMissingJobReportsIt)
{
    const CString jobName = UseJob("S1 Edit Missing");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(FAILED(CTaskScheduler::EditTask(jobName, nullptr)));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, output.find("Failed calling ITaskScheduler::Activate; error = 0x")) << output;
}
