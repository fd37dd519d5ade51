// The wizard's rules without its windows: the trigger built from the
// answers, the way through the pages, when "Next >" may be pressed, the
// job's flags and the text of a failed save.
#include <climits>
#include <cstring>

#include <gtest/gtest.h>

#include "schedule/ScheduleSaveError.h"
#include "schedule/ScheduleTrigger.h"
#include "schedule/ScheduleWizardRules.h"

namespace {

// wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds
const SYSTEMTIME kNow = {2026, 12, 3, 9, 10, 42, 7, 0};
const SYSTEMTIME kPickedTime = {2026, 12, 3, 9, 7, 15, 0, 0};
const SYSTEMTIME kPickedDate = {2027, 3, 4, 4, 18, 30, 0, 0};

enum When
{
    PICKED,
    NOW
};

struct TriggerCase
{
    const char* name;
    // the answers
    ScheduleKind kind;
    int option;
    int number;
    WORD days;
    WORD months;
    const char* week;
    const char* weekday;
    // the trigger
    TASK_TRIGGER_TYPE type;
    When begin;
    When start;
    WORD interval;
    WORD weekDays;
    DWORD monthDays;
    WORD whichWeek;
    WORD monthsMask;
};

const ScheduleKind kDaily = ScheduleKind::Daily;
const ScheduleKind kMonthly = ScheduleKind::Monthly;

const TriggerCase kTriggerCases[] = {
    {"daily", kDaily, DAILY_EVERY_DAY, 9, 0, 0, "", "", TASK_TIME_TRIGGER_DAILY, PICKED, PICKED, 1, 0, 0, 0, 0},
    {"weekdays", kDaily, DAILY_WEEKDAYS, 9, 0, 0, "", "", TASK_TIME_TRIGGER_WEEKLY, PICKED, PICKED, 1, 0x3E, 0, 0, 0},
    {"every 5", kDaily, DAILY_EVERY_N_DAYS, 5, 0, 0, "", "", TASK_TIME_TRIGGER_DAILY, PICKED, PICKED, 5, 0, 0, 0, 0},
    {"weekly", ScheduleKind::Weekly, 0, 3, TASK_MONDAY | TASK_SUNDAY, 0, "", "", TASK_TIME_TRIGGER_WEEKLY, NOW, PICKED,
     3, 0x3, 0, 0, 0},
    {"day 15", kMonthly, MONTHLY_BY_DAY, 15, 0, 0xFFF, "", "", TASK_TIME_TRIGGER_MONTHLYDATE, NOW, PICKED, 0, 0, 0x4000,
     0, 0xFFF},
    {"day 32", kMonthly, MONTHLY_BY_DAY, 32, 0, 0x1, "", "", TASK_TIME_TRIGGER_MONTHLYDATE, NOW, PICKED, 0, 0, 0, 0,
     0x1},
    {"last Sunday", kMonthly, MONTHLY_BY_WEEKDAY, 9, 0, 0x5, "last", "Sunday", TASK_TIME_TRIGGER_MONTHLYDOW, NOW,
     PICKED, 0, 0x1, 0, 5, 0x5},
    {"once", ScheduleKind::Once, 0, 9, 0, 0, "", "", TASK_TIME_TRIGGER_ONCE, PICKED, PICKED, 0, 0, 0, 0, 0},
    {"system start", ScheduleKind::AtSystemStart, 0, 9, 0, 0, "", "", TASK_EVENT_TRIGGER_AT_SYSTEMSTART, NOW, NOW, 0, 0,
     0, 0, 0},
    {"log-on", ScheduleKind::AtLogon, 0, 9, 0, 0, "", "", TASK_EVENT_TRIGGER_AT_LOGON, NOW, NOW, 0, 0, 0, 0, 0},
};

TASK_TRIGGER Expected(const TriggerCase& c)
{
    TASK_TRIGGER trigger;
    memset(&trigger, 0, sizeof trigger);
    trigger.cbTriggerSize = 48;
    trigger.TriggerType = c.type;
    const SYSTEMTIME& begin = c.begin == PICKED ? kPickedDate : kNow;
    trigger.wBeginYear = begin.wYear;
    trigger.wBeginMonth = begin.wMonth;
    trigger.wBeginDay = begin.wDay;
    const SYSTEMTIME& start = c.start == PICKED ? kPickedTime : kNow;
    trigger.wStartHour = start.wHour;
    trigger.wStartMinute = start.wMinute;
    switch (c.type) {
    case TASK_TIME_TRIGGER_DAILY:
        trigger.Type.Daily.DaysInterval = c.interval;
        break;
    case TASK_TIME_TRIGGER_WEEKLY:
        trigger.Type.Weekly.WeeksInterval = c.interval;
        trigger.Type.Weekly.rgfDaysOfTheWeek = c.weekDays;
        break;
    case TASK_TIME_TRIGGER_MONTHLYDATE:
        trigger.Type.MonthlyDate.rgfDays = c.monthDays;
        trigger.Type.MonthlyDate.rgfMonths = c.monthsMask;
        break;
    case TASK_TIME_TRIGGER_MONTHLYDOW:
        trigger.Type.MonthlyDOW.wWhichWeek = c.whichWeek;
        trigger.Type.MonthlyDOW.rgfDaysOfTheWeek = c.weekDays;
        trigger.Type.MonthlyDOW.rgfMonths = c.monthsMask;
        break;
    default:
        break;
    }
    return trigger;
}

CScheduleAnswers Answers(ScheduleKind kind, int option, int number, WORD days, WORD months)
{
    CScheduleAnswers answers;
    answers.kind = kind;
    answers.option = option;
    answers.number = number;
    answers.days = days;
    answers.months = months;
    answers.time = kPickedTime;
    answers.date = kPickedDate;
    return answers;
}

TEST(ScheduleTriggerTest, EveryKindAndOption)
{
    for (const TriggerCase& c : kTriggerCases) {
        CScheduleAnswers answers = Answers(c.kind, c.option, c.number, c.days, c.months);
        answers.week = c.week;
        answers.weekday = c.weekday;
        const TASK_TRIGGER built = BuildScheduleTrigger(answers, kNow);
        const TASK_TRIGGER expected = Expected(c);
        EXPECT_EQ(memcmp(&built, &expected, sizeof built), 0) << c.name;
    }
}

TEST(ScheduleWizardRulesTest, NumbersReadFromTheStartOfTheText)
{
    const struct
    {
        const char* text;
        int number;
    } cases[] = {{"", 0}, {"15", 15}, {"12ab", 12}, {"99999999999", INT_MAX}};
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
        const CScheduleAnswers answers = Answers(ScheduleKind::Daily, c.option, c.number, c.days, c.months);
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
        answers.otherAccount = c.other;
        answers.userName = c.user;
        answers.password = c.password;
        answers.confirmPassword = c.confirmation;
        EXPECT_EQ(CanLeaveSchedulePage(5, answers), c.allowed) << c.user << "/" << c.password << "/" << c.confirmation;
    }
}

TEST(ScheduleSaveErrorTest, CodeOfTheResultAndItsMessage)
{
    const struct
    {
        HRESULT result;
        const char* start;
        const char* message;  // null: any text the system or the scheduler has
    } cases[] = {
        {HRESULT_FROM_WIN32(ERROR_FILE_EXISTS), "Error code: 80\n\n", nullptr},
        {HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), "Error code: 5\n\n", nullptr},
        {E_NOTIMPL, "Error code: 0x80004001\n\n", nullptr},
        {E_INVALIDARG, "Error code: 87\n\n", nullptr},
        {SCHED_E_ACCOUNT_INFORMATION_NOT_SET, "Error code: 0x8004130F\n\n", nullptr},
        {static_cast<HRESULT>(0x8FFF1234), "Error code: 0x8FFF1234\n\n", "Unknown error"},
    };
    for (const auto& c : cases) {
        const std::string text(FormatScheduleSaveError(c.result));
        EXPECT_EQ(text.substr(0, strlen(c.start)), c.start);
        if (c.message)
            EXPECT_EQ(text.substr(strlen(c.start)), c.message) << c.start;
        else
            EXPECT_GT(text.size(), strlen(c.start)) << c.start;
    }
}

}  // namespace
