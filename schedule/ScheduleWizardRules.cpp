#include "schedule/ScheduleWizardRules.h"

#include <mstask.h>

#include <climits>

namespace {

struct NumberRange
{
    int page;
    // The option that uses the number; -1 when every option does.
    int option;
    int lower;
    int upper;
};

const NumberRange kNumberRanges[] = {
    {1, DAILY_EVERY_N_DAYS, 1, 365},
    {2, -1, 1, 52},
    {3, MONTHLY_BY_DAY, 1, 31},
};

const NumberRange* RangeOfPage(int page)
{
    for (const NumberRange& range : kNumberRanges)
        if (range.page == page)
            return &range;
    return nullptr;
}

BOOL NumberFits(int page, const CScheduleAnswers& answers)
{
    const NumberRange* range = RangeOfPage(page);
    if (!range || (range->option >= 0 && range->option != answers.option))
        return TRUE;
    return answers.number >= range->lower && answers.number <= range->upper;
}

BOOL AccountComplete(const CScheduleAnswers& answers)
{
    return !answers.otherAccount || (!answers.userName.IsEmpty() && answers.password == answers.confirmPassword);
}

}  // namespace

int SchedulePageOfKind(ScheduleKind kind)
{
    switch (kind) {
    case ScheduleKind::Daily:
        return 1;
    case ScheduleKind::Weekly:
        return 2;
    case ScheduleKind::Monthly:
        return 3;
    case ScheduleKind::Once:
        return 4;
    default:
        return SCHEDULE_PAGE_KIND;
    }
}

int NextSchedulePage(int page, ScheduleKind kind)
{
    if (page == SCHEDULE_PAGE_KIND) {
        const int kindPage = SchedulePageOfKind(kind);
        return kindPage != SCHEDULE_PAGE_KIND ? kindPage : SCHEDULE_PAGE_ACCOUNT;
    }
    return SCHEDULE_PAGE_ACCOUNT;
}

int PreviousSchedulePage(int page, ScheduleKind kind)
{
    return page == SCHEDULE_PAGE_ACCOUNT ? SchedulePageOfKind(kind) : SCHEDULE_PAGE_KIND;
}

BOOL ScheduleNumberRange(int page, int& lower, int& upper)
{
    const NumberRange* range = RangeOfPage(page);
    if (!range)
        return FALSE;
    lower = range->lower;
    upper = range->upper;
    return TRUE;
}

BOOL CanLeaveSchedulePage(int page, const CScheduleAnswers& answers)
{
    switch (page) {
    case 2:
        return answers.days != 0 && NumberFits(page, answers);
    case 3:
        return answers.months != 0 && NumberFits(page, answers);
    case SCHEDULE_PAGE_ACCOUNT:
        return AccountComplete(answers);
    default:
        return NumberFits(page, answers);
    }
}

int ReadScheduleNumber(const char* text)
{
    long long number = 0;
    for (const char* digit = text; *digit >= '0' && *digit <= '9'; ++digit) {
        number = number * 10 + (*digit - '0');
        if (number > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(number);
}

DWORD ScheduleJobFlags(BOOL otherAccount)
{
    const DWORD flags = TASK_FLAG_INTERACTIVE | TASK_FLAG_DELETE_WHEN_DONE | TASK_FLAG_RUN_IF_CONNECTED_TO_INTERNET;
    return otherAccount ? flags : flags | TASK_FLAG_RUN_ONLY_IF_LOGGED_ON;
}
