#include "app/RobotScheduledJob.h"

#include <gtest/gtest.h>

namespace {

SYSTEMTIME Time(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

}  // namespace

TEST(RobotScheduledJob, RunTimesReadAsLongDatesWithTwoBlanksBeforeTheHour)
{
    EXPECT_EQ(FormatJobRunTime(Time(2024, 3, 5, 14, 7, 9)), "Tuesday, March 05, 2024  14:07:09");
    EXPECT_EQ(FormatJobRunTime(Time(1900, 1, 1, 0, 0, 0)), "Monday, January 01, 1900  00:00:00");
    // The day of the week comes from the date, not from what the service filled in.
    SYSTEMTIME wrongDay = Time(2031, 5, 17, 9, 45, 0);
    wrongDay.wDayOfWeek = 2;
    EXPECT_EQ(FormatJobRunTime(wrongDay), "Saturday, May 17, 2031  09:45:00");
}

TEST(RobotScheduledJob, NoTimeReadsNever)
{
    EXPECT_EQ(FormatJobRunTime(SYSTEMTIME{}), "Never");
    EXPECT_EQ(FormatJobRunTime(Time(1899, 12, 31, 23, 59, 59)), "Never");
    EXPECT_EQ(FormatJobRunTime(Time(2024, 13, 1, 0, 0, 0)), "Never");
    EXPECT_EQ(FormatJobRunTime(Time(2024, 2, 30, 0, 0, 0)), "Never");
    EXPECT_EQ(FormatJobRunTime(Time(2024, 2, 1, 25, 0, 0)), "Never");
}

TEST(RobotScheduledJob, ParametersNameTheRobotPastTheirFirstThreeCharacters)
{
    EXPECT_TRUE(JobParametersNameRobot("-a Night Run", "night run"));
    EXPECT_TRUE(JobParametersNameRobot("-A NIGHT RUN", "Night Run"));
    EXPECT_FALSE(JobParametersNameRobot("-a Night Runner", "Night Run"));
    EXPECT_FALSE(JobParametersNameRobot("-a Night Run ", "Night Run"));
    EXPECT_FALSE(JobParametersNameRobot("-a", ""));
    EXPECT_FALSE(JobParametersNameRobot("", ""));
    EXPECT_TRUE(JobParametersNameRobot("-a ", ""));
}

TEST(RobotScheduledJob, StartUpAndLogOnTriggersHaveNoNextTime)
{
    EXPECT_EQ(NextRunTextForTrigger("Run at system startup", "Never"), "Next startup");
    EXPECT_EQ(NextRunTextForTrigger("RUN AT SYSTEM STARTUP", "Never"), "Next startup");
    EXPECT_EQ(NextRunTextForTrigger("Run at user logon", "Never"), "Next logon");
    EXPECT_EQ(NextRunTextForTrigger("At 09:45 every day", "Saturday, May 17, 2031  09:45:00"),
              "Saturday, May 17, 2031  09:45:00");
    EXPECT_EQ(NextRunTextForTrigger("", "Never"), "Never");
}
