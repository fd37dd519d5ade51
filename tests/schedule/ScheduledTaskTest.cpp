#include <gtest/gtest.h>

#include <string>

#include "schedule/CScheduledTask.h"
#include "tests/schedule/ScheduleTestJobs.h"

namespace {
const DWORD wizardFlags = 0x2403;

struct TriggerKind
{
    const char* name;
    TASK_TRIGGER trigger;
};

std::vector<TriggerKind> WizardTriggerKinds()
{
    std::vector<TriggerKind> kinds;
    kinds.push_back({"once", MakeTrigger(TASK_TIME_TRIGGER_ONCE)});

    TASK_TRIGGER everyThreeDays = MakeTrigger(TASK_TIME_TRIGGER_DAILY);
    everyThreeDays.Type.Daily.DaysInterval = 3;
    kinds.push_back({"daily every 3 days", everyThreeDays});

    TASK_TRIGGER weekdays = MakeTrigger(TASK_TIME_TRIGGER_WEEKLY);
    weekdays.Type.Weekly.WeeksInterval = 1;
    weekdays.Type.Weekly.rgfDaysOfTheWeek = 0x3E;
    kinds.push_back({"weekdays", weekdays});

    TASK_TRIGGER weekly = MakeTrigger(TASK_TIME_TRIGGER_WEEKLY);
    weekly.Type.Weekly.WeeksInterval = 2;
    weekly.Type.Weekly.rgfDaysOfTheWeek = 0x41;
    kinds.push_back({"weekly on Saturday and Sunday", weekly});

    TASK_TRIGGER monthlyDate = MakeTrigger(TASK_TIME_TRIGGER_MONTHLYDATE);
    monthlyDate.Type.MonthlyDate.rgfDays = 0x4000;
    monthlyDate.Type.MonthlyDate.rgfMonths = 0xFFF;
    kinds.push_back({"monthly on day 15", monthlyDate});

    TASK_TRIGGER monthlyWeekday = MakeTrigger(TASK_TIME_TRIGGER_MONTHLYDOW);
    monthlyWeekday.Type.MonthlyDOW.wWhichWeek = 5;
    monthlyWeekday.Type.MonthlyDOW.rgfDaysOfTheWeek = 0x1;
    monthlyWeekday.Type.MonthlyDOW.rgfMonths = 0x555;
    kinds.push_back({"monthly on the last Sunday", monthlyWeekday});

    kinds.push_back({"at system start", MakeTrigger(TASK_EVENT_TRIGGER_AT_SYSTEMSTART)});
    kinds.push_back({"at log-on", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON)});
    return kinds;
}

// A job whose writing fails after every setting is in place, as a service
// refusing the last step would; with a write-back failure the service refuses
// to write the replaced job back as well.
class CFailingScheduledTask : public CScheduledTask
{
public:
    CFailingScheduledTask(const CScheduledTask& task, HRESULT failure, HRESULT writeBackFailure = S_OK)
        : CScheduledTask(task), m_failure(failure), m_writeBackFailure(writeBackFailure)
    {
    }

protected:
    HRESULT WriteWorkItem(ITask* job, BOOL useAccount) override
    {
        CScheduledTask::WriteWorkItem(job, useAccount);
        return m_failure;
    }
    HRESULT WriteBack(CScheduledTask& previous, const char* jobName) override
    {
        return FAILED(m_writeBackFailure) ? m_writeBackFailure : CScheduledTask::WriteBack(previous, jobName);
    }

private:
    HRESULT m_failure;
    HRESULT m_writeBackFailure;
};

void ExpectSameJob(const CScheduledTask& expected, const CScheduledTask& actual)
{
    EXPECT_STREQ(expected.GetApplicationName(), actual.GetApplicationName());
    EXPECT_STREQ(expected.GetParameters(), actual.GetParameters());
    EXPECT_STREQ(expected.GetWorkingDirectory(), actual.GetWorkingDirectory());
    EXPECT_EQ(expected.GetFlags(), actual.GetFlags());
    ASSERT_EQ(expected.GetTriggerCount(), actual.GetTriggerCount());
    for (int position = 0; position < expected.GetTriggerCount(); ++position)
        EXPECT_TRUE(SameTrigger(expected.GetTrigger(position), actual.GetTrigger(position)));
}

class ScheduledTaskTest : public ScheduleJobTest
{
};
}  // namespace

TEST_F(ScheduledTaskTest, EveryWizardTriggerKindComesBackAsWritten)
{
    const CString jobName = UseJob("S1 Round Trip");
    for (const TriggerKind& kind : WizardTriggerKinds()) {
        SCOPED_TRACE(kind.name);
        CScheduledTask task = MakeRobotTask("S1 Round Trip", kind.trigger);
        ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));

        const CScheduledTask loaded = CScheduledTask::LoadTask(jobName);
        EXPECT_TRUE(loaded.IsLoaded());
        EXPECT_STREQ(jobName, loaded.GetName());
        EXPECT_STREQ("-a S1 Round Trip", loaded.GetParameters());
        EXPECT_EQ(wizardFlags, loaded.GetFlags());
        ExpectSameJob(task, loaded);
    }
}

TEST_F(ScheduledTaskTest, CurrentAccountJobRunsOnlyWhileLoggedOnAndInteractive)
{
    const CString jobName = UseJob("S1 Account");
    CScheduledTask task = MakeRobotTask("S1 Account", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    task.SetFlags(TASK_FLAG_DELETE_WHEN_DONE);
    ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));
    EXPECT_EQ(DWORD(TASK_FLAG_DELETE_WHEN_DONE | TASK_FLAG_RUN_ONLY_IF_LOGGED_ON), task.GetFlags());

    const DWORD expected = TASK_FLAG_DELETE_WHEN_DONE | TASK_FLAG_RUN_ONLY_IF_LOGGED_ON | TASK_FLAG_INTERACTIVE;
    EXPECT_EQ(expected, CScheduledTask::LoadTask(jobName).GetFlags());
}

TEST_F(ScheduledTaskTest, FailIfExistsKeepsTheOldJob)
{
    const CString jobName = UseJob("S1 Exists");
    CScheduledTask old = MakeRobotTask("S1 Exists", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, old.SaveTask(jobName, FALSE, FALSE));

    CScheduledTask other = MakeRobotTask("S1 Other", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON));
    EXPECT_EQ(HRESULT(0x80070050), other.SaveTask(jobName, TRUE, FALSE));
    ExpectSameJob(old, CScheduledTask::LoadTask(jobName));
}

TEST_F(ScheduledTaskTest, SavingOverAnExistingJobReplacesIt)
{
    const CString jobName = UseJob("S1 Replace");
    CScheduledTask old = MakeRobotTask("S1 Replace", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, old.SaveTask(jobName, FALSE, FALSE));

    CScheduledTask replacement = MakeRobotTask("S1 Replacement", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON));
    replacement.AddTrigger(MakeTrigger(TASK_EVENT_TRIGGER_AT_SYSTEMSTART));
    ASSERT_EQ(S_OK, replacement.SaveTask(jobName, FALSE, FALSE));
    ExpectSameJob(replacement, CScheduledTask::LoadTask(jobName));
}

TEST_F(ScheduledTaskTest, EmptyNameOrApplicationIsRefusedWithoutAJob)
{
    const CString jobName = UseJob("S1 Empty");
    CScheduledTask task = MakeRobotTask("S1 Empty", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    EXPECT_EQ(E_FAIL, task.SaveTask(nullptr, FALSE, FALSE));
    EXPECT_EQ(E_FAIL, task.SaveTask("", FALSE, FALSE));

    task.SetApplicationName(nullptr);
    EXPECT_EQ(E_FAIL, task.SaveTask(jobName, FALSE, FALSE));
    EXPECT_TRUE(CScheduledTask::LoadTask(jobName).GetApplicationName().IsEmpty());
}

TEST_F(ScheduledTaskTest, LoadingAMissingJobReportsItAndKeepsTheDefaults)
{
    const CString jobName = UseJob("S1 Missing");
    testing::internal::CaptureStdout();
    const CScheduledTask loaded = CScheduledTask::LoadTask(jobName);
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_NE(std::string::npos, output.find("Failed calling ITaskScheduler::Activate; error = 0x")) << output;
    EXPECT_TRUE(loaded.IsLoaded());
    EXPECT_STREQ(jobName, loaded.GetName());
    EXPECT_TRUE(loaded.GetApplicationName().IsEmpty());
    EXPECT_TRUE(loaded.GetParameters().IsEmpty());
    EXPECT_EQ(DWORD(0xC0), loaded.GetFlags());
    EXPECT_EQ(DWORD(NORMAL_PRIORITY_CLASS), loaded.GetPriority());
    EXPECT_EQ(0, loaded.GetTriggerCount());
}

TEST_F(ScheduledTaskTest, FailedReplacementWritesTheOldJobBack)
{
    const CString jobName = UseJob("S1 Injected");
    CScheduledTask old = MakeRobotTask("S1 Injected", MakeTrigger(TASK_TIME_TRIGGER_MONTHLYDOW));
    ASSERT_EQ(S_OK, old.SaveTask(jobName, FALSE, FALSE));
    const CScheduledTask saved = CScheduledTask::LoadTask(jobName);

    CFailingScheduledTask failing(MakeRobotTask("S1 New", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON)), E_ACCESSDENIED);
    EXPECT_EQ(E_ACCESSDENIED, failing.SaveTask(jobName, FALSE, FALSE));
    ExpectSameJob(saved, CScheduledTask::LoadTask(jobName));
}

TEST_F(ScheduledTaskTest, FailedWriteBackOfTheReplacedJobIsReportedAndReturned)
{
    const CString jobName = UseJob("S1 Lost");
    CScheduledTask old = MakeRobotTask("S1 Lost", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, old.SaveTask(jobName, FALSE, FALSE));

    CFailingScheduledTask failing(MakeRobotTask("S1 New", MakeTrigger(TASK_EVENT_TRIGGER_AT_LOGON)), E_ACCESSDENIED,
                                  E_OUTOFMEMORY);
    testing::internal::CaptureStdout();
    EXPECT_EQ(E_OUTOFMEMORY, failing.SaveTask(jobName, FALSE, FALSE));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, output.find("Failed writing back the replaced job after its replacement failed with "
                                             "0x80070005; error = 0x8007000e\n"))
        << output;
    EXPECT_TRUE(CScheduledTask::LoadTask(jobName).GetApplicationName().IsEmpty());
}

TEST_F(ScheduledTaskTest, FailedFirstSaveLeavesNoJob)
{
    const CString jobName = UseJob("S1 Injected New");
    CFailingScheduledTask failing(MakeRobotTask("S1 Injected New", MakeTrigger(TASK_TIME_TRIGGER_ONCE)),
                                  E_ACCESSDENIED);
    EXPECT_EQ(E_ACCESSDENIED, failing.SaveTask(jobName, FALSE, FALSE));
    EXPECT_TRUE(CScheduledTask::LoadTask(jobName).GetApplicationName().IsEmpty());
}

TEST_F(ScheduledTaskTest, QueriesOfAnObjectNotLoadedGiveEmptyResults)
{
    const CString jobName = UseJob("S1 Not Loaded");
    CScheduledTask task = MakeRobotTask("S1 Not Loaded", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));

    const CScheduledTask notLoaded(jobName, FALSE);
    const SYSTEMTIME next = notLoaded.GetNextRunTime();
    EXPECT_EQ(0, next.wYear);
    EXPECT_EQ(0, next.wMonth);
    EXPECT_EQ(0, next.wDay);
    EXPECT_TRUE(notLoaded.GetTriggerString(0).IsEmpty());
}

TEST_F(ScheduledTaskTest, LoadedJobAnswersStatusRunTimesAndTriggerTexts)
{
    const CString jobName = UseJob("S1 Queries");
    CScheduledTask task = MakeRobotTask("S1 Queries", MakeTrigger(TASK_TIME_TRIGGER_ONCE));
    ASSERT_EQ(S_OK, task.SaveTask(jobName, FALSE, FALSE));
    const CScheduledTask loaded = CScheduledTask::LoadTask(jobName);

    HRESULT status = E_FAIL;
    EXPECT_EQ(S_OK, loaded.GetStatus(&status));
    EXPECT_TRUE(SUCCEEDED(status));

    const SYSTEMTIME never = loaded.GetMostRecentRunTime();
    EXPECT_EQ(0, never.wYear);
    EXPECT_EQ(2031, loaded.GetNextRunTime().wYear);

    EXPECT_TRUE(loaded.GetTriggerString(1).IsEmpty());
    testing::internal::CaptureStdout();
    const CString text = loaded.GetTriggerString(0);
    const std::string output = testing::internal::GetCapturedStdout();
    if (text.IsEmpty()) {
        EXPECT_NE(std::string::npos, output.find("Failed calling ITask::GetTriggerString; error = 0x")) << output;
    }
}

TEST_F(ScheduledTaskTest, QueriesOfAMissingJobReportIt)
{
    const CString jobName = UseJob("S1 Gone");
    const CScheduledTask missing(jobName, TRUE);
    HRESULT status = S_OK;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(FAILED(missing.GetStatus(&status)));
    EXPECT_EQ(0, missing.GetNextRunTime().wYear);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, output.find("Failed calling ITaskScheduler::Activate; error = 0x")) << output;
}
