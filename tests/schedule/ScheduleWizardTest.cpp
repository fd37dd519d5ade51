// The wizard's rules without its windows: the trigger built from the
// answers, the way through the pages, when "Next >" may be pressed, the
// job's flags and the text of a failed save.
#include <climits>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "schedule/ScheduleSaveError.h"
#include "schedule/ScheduleTrigger.h"
#include "schedule/ScheduleWizardRules.h"

namespace {

// wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds
const SYSTEMTIME kNow = {2026, 12, 3, 9, 10, 42, 7, 0};
const SYSTEMTIME kPickedTime = {2026, 12, 3, 9, 7, 15, 0, 0};
const SYSTEMTIME kPickedDate = {2027, 3, 4, 4, 18, 30, 0, 0};

TASK_TRIGGER Expected(TASK_TRIGGER_TYPE type, const SYSTEMTIME& begin, const SYSTEMTIME& start)
{
    TASK_TRIGGER trigger;
    memset(&trigger, 0, sizeof trigger);
    trigger.cbTriggerSize = 48;
    trigger.TriggerType = type;
    trigger.wBeginYear = begin.wYear;
    trigger.wBeginMonth = begin.wMonth;
    trigger.wBeginDay = begin.wDay;
    trigger.wStartHour = start.wHour;
    trigger.wStartMinute = start.wMinute;
    return trigger;
}

struct TriggerCase
{
    const char* name;
    std::function<void(CScheduleAnswers&)> answer;
    std::function<TASK_TRIGGER()> expected;
};

const TriggerCase kTriggerCases[] = {
    {"daily", [](CScheduleAnswers&) {},
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_DAILY, kPickedDate, kPickedTime);
         t.Type.Daily.DaysInterval = 1;
         return t;
     }},
    {"weekdays", [](CScheduleAnswers& a) { a.m_nOption = DAILY_WEEKDAYS; },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_WEEKLY, kPickedDate, kPickedTime);
         t.Type.Weekly.WeeksInterval = 1;
         t.Type.Weekly.rgfDaysOfTheWeek = 0x3E;
         return t;
     }},
    {"every 5 days",
     [](CScheduleAnswers& a) {
         a.m_nOption = DAILY_EVERY_N_DAYS;
         a.m_nNumber = 5;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_DAILY, kPickedDate, kPickedTime);
         t.Type.Daily.DaysInterval = 5;
         return t;
     }},
    {"weekly",
     [](CScheduleAnswers& a) {
         a.m_kind = ScheduleKind::Weekly;
         a.m_nNumber = 3;
         a.m_wDays = TASK_MONDAY | TASK_SUNDAY;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_WEEKLY, kNow, kPickedTime);
         t.Type.Weekly.WeeksInterval = 3;
         t.Type.Weekly.rgfDaysOfTheWeek = 0x3;
         return t;
     }},
    {"monthly day 15",
     [](CScheduleAnswers& a) {
         a.m_kind = ScheduleKind::Monthly;
         a.m_nNumber = 15;
         a.m_wMonths = 0xFFF;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_MONTHLYDATE, kNow, kPickedTime);
         t.Type.MonthlyDate.rgfDays = 0x4000;
         t.Type.MonthlyDate.rgfMonths = 0xFFF;
         return t;
     }},
    {"monthly day 31",
     [](CScheduleAnswers& a) {
         a.m_kind = ScheduleKind::Monthly;
         a.m_nNumber = 31;
         a.m_wMonths = 0x800;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_MONTHLYDATE, kNow, kPickedTime);
         t.Type.MonthlyDate.rgfDays = 0x40000000;
         t.Type.MonthlyDate.rgfMonths = 0x800;
         return t;
     }},
    {"monthly day 32 has no day",
     [](CScheduleAnswers& a) {
         a.m_kind = ScheduleKind::Monthly;
         a.m_nNumber = 32;
         a.m_wMonths = 0x1;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_MONTHLYDATE, kNow, kPickedTime);
         t.Type.MonthlyDate.rgfMonths = 0x1;
         return t;
     }},
    {"last Sunday",
     [](CScheduleAnswers& a) {
         a.m_kind = ScheduleKind::Monthly;
         a.m_nOption = MONTHLY_BY_WEEKDAY;
         a.m_strWeek = "last";
         a.m_strWeekday = "Sunday";
         a.m_wMonths = 0x5;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_MONTHLYDOW, kNow, kPickedTime);
         t.Type.MonthlyDOW.wWhichWeek = 5;
         t.Type.MonthlyDOW.rgfDaysOfTheWeek = 0x1;
         t.Type.MonthlyDOW.rgfMonths = 0x5;
         return t;
     }},
    {"second Wednesday",
     [](CScheduleAnswers& a) {
         a.m_kind = ScheduleKind::Monthly;
         a.m_nOption = MONTHLY_BY_WEEKDAY;
         a.m_strWeek = "second";
         a.m_strWeekday = "Wednesday";
         a.m_wMonths = 0x800;
     },
     [] {
         TASK_TRIGGER t = Expected(TASK_TIME_TRIGGER_MONTHLYDOW, kNow, kPickedTime);
         t.Type.MonthlyDOW.wWhichWeek = 2;
         t.Type.MonthlyDOW.rgfDaysOfTheWeek = 0x8;
         t.Type.MonthlyDOW.rgfMonths = 0x800;
         return t;
     }},
    {"once", [](CScheduleAnswers& a) { a.m_kind = ScheduleKind::Once; },
     [] { return Expected(TASK_TIME_TRIGGER_ONCE, kPickedDate, kPickedTime); }},
    {"system start", [](CScheduleAnswers& a) { a.m_kind = ScheduleKind::AtSystemStart; },
     [] { return Expected(TASK_EVENT_TRIGGER_AT_SYSTEMSTART, kNow, kNow); }},
    {"log-on", [](CScheduleAnswers& a) { a.m_kind = ScheduleKind::AtLogon; },
     [] { return Expected(TASK_EVENT_TRIGGER_AT_LOGON, kNow, kNow); }},
};

TEST(ScheduleTriggerTest, EveryKindAndOption)
{
    for (const TriggerCase& c : kTriggerCases) {
        CScheduleAnswers answers;
        answers.m_stTime = kPickedTime;
        answers.m_stDate = kPickedDate;
        c.answer(answers);
        const TASK_TRIGGER built = BuildScheduleTrigger(answers, kNow);
        const TASK_TRIGGER expected = c.expected();
        EXPECT_EQ(memcmp(&built, &expected, sizeof built), 0) << c.name;
    }
}

TEST(ScheduleWizardRulesTest, NumbersReadFromTheStartOfTheText)
{
    const struct
    {
        const char* text;
        int number;
    } cases[] = {{"", 0}, {"15", 15}, {"007", 7}, {"12ab", 12}, {"x5", 0}, {"99999999999", INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(ReadScheduleNumber(c.text), c.number) << c.text;
}

TEST(ScheduleWizardRulesTest, FlagsOfTheAccount)
{
    EXPECT_EQ(ScheduleJobFlags(FALSE), 0x2403u);
    EXPECT_EQ(ScheduleJobFlags(TRUE), 0x403u);
}

TEST(ScheduleWizardRulesTest, PagesOfEveryKind)
{
    const struct
    {
        ScheduleKind kind;
        int afterKind;
        int beforeAccount;
    } cases[] = {
        {ScheduleKind::Daily, 1, 1}, {ScheduleKind::Weekly, 2, 2},        {ScheduleKind::Monthly, 3, 3},
        {ScheduleKind::Once, 4, 4},  {ScheduleKind::AtSystemStart, 5, 0}, {ScheduleKind::AtLogon, 5, 0},
    };
    for (const auto& c : cases) {
        const int kind = static_cast<int>(c.kind);
        EXPECT_EQ(NextSchedulePage(0, c.kind), c.afterKind) << kind;
        EXPECT_EQ(PreviousSchedulePage(5, c.kind), c.beforeAccount) << kind;
        if (c.afterKind != 5) {
            EXPECT_EQ(NextSchedulePage(c.afterKind, c.kind), 5) << kind;
            EXPECT_EQ(PreviousSchedulePage(c.afterKind, c.kind), 0) << kind;
        }
    }
}

TEST(ScheduleWizardRulesTest, NextNeedsNumbersInRangeAndADayOrMonth)
{
    const struct
    {
        int page;
        int option;
        int number;
        WORD days;
        WORD months;
        BOOL allowed;
    } cases[] = {
        {0, 0, 0, 0, 0, TRUE},
        {1, DAILY_EVERY_DAY, 0, 0, 0, TRUE},
        {1, DAILY_EVERY_N_DAYS, 0, 0, 0, FALSE},
        {1, DAILY_EVERY_N_DAYS, 1, 0, 0, TRUE},
        {1, DAILY_EVERY_N_DAYS, 365, 0, 0, TRUE},
        {1, DAILY_EVERY_N_DAYS, 366, 0, 0, FALSE},
        {2, 0, 1, 0, 0, FALSE},
        {2, 0, 0, TASK_MONDAY, 0, FALSE},
        {2, 0, 52, TASK_MONDAY, 0, TRUE},
        {2, 0, 53, TASK_MONDAY, 0, FALSE},
        {3, MONTHLY_BY_DAY, 31, 0, 0, FALSE},
        {3, MONTHLY_BY_DAY, 0, 0, 0xFFF, FALSE},
        {3, MONTHLY_BY_DAY, 31, 0, 0x1, TRUE},
        {3, MONTHLY_BY_DAY, 32, 0, 0x1, FALSE},
        {3, MONTHLY_BY_WEEKDAY, 0, 0, 0x1, TRUE},
        {4, 0, 0, 0, 0, TRUE},
    };
    for (const auto& c : cases) {
        CScheduleAnswers answers;
        answers.m_nOption = c.option;
        answers.m_nNumber = c.number;
        answers.m_wDays = c.days;
        answers.m_wMonths = c.months;
        EXPECT_EQ(CanLeaveSchedulePage(c.page, answers), c.allowed) << c.page << " " << c.number;
    }
}

TEST(ScheduleWizardRulesTest, FinishNeedsAUserAndMatchingPasswords)
{
    const struct
    {
        BOOL other;
        const char* user;
        const char* password;
        const char* confirmation;
        BOOL allowed;
    } cases[] = {
        {FALSE, "", "a", "b", TRUE},    {TRUE, "", "", "", FALSE},     {TRUE, "kim", "a", "b", FALSE},
        {TRUE, "kim", "a", "A", FALSE}, {TRUE, "kim", "a", "a", TRUE}, {TRUE, "kim", "", "", TRUE},
    };
    for (const auto& c : cases) {
        CScheduleAnswers answers;
        answers.m_bOtherAccount = c.other;
        answers.m_strUserName = c.user;
        answers.m_strPassword = c.password;
        answers.m_strConfirmPassword = c.confirmation;
        EXPECT_EQ(CanLeaveSchedulePage(5, answers), c.allowed) << c.user << "/" << c.password << "/" << c.confirmation;
    }
}

TEST(ScheduleSaveErrorTest, CodeOfTheResultAndItsMessage)
{
    const struct
    {
        HRESULT result;
        const char* start;
    } cases[] = {
        {HRESULT_FROM_WIN32(ERROR_FILE_EXISTS), "Error code: 80\n\n"},
        {HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), "Error code: 5\n\n"},
        {E_NOTIMPL, "Error code: -2147467263\n\n"},
        {E_INVALIDARG, "Error code: 87\n\n"},
    };
    for (const auto& c : cases) {
        const std::string text(FormatScheduleSaveError(c.result));
        EXPECT_EQ(text.substr(0, strlen(c.start)), c.start);
        EXPECT_GT(text.size(), strlen(c.start)) << c.start;
    }
}

}  // namespace
