#pragma once

#include <windows.h>

#include "framework/CString.h"
#include "schedule/ScheduleAnswers.h"

// The wizard's pages: 0 the kind, 1 to 4 the time pages of daily, weekly,
// monthly and once, 5 the account; 6 means the job was saved.
enum
{
    SCHEDULE_PAGE_KIND = 0,
    SCHEDULE_PAGE_ACCOUNT = 5,
    SCHEDULE_PAGE_DONE = 6,
    SCHEDULE_PAGE_COUNT = 6
};

// The time page of a kind; SCHEDULE_PAGE_KIND for the kinds that have none.
int SchedulePageOfKind(ScheduleKind kind);
// Where "Next >" leads from a page before the account page.
int NextSchedulePage(int page, ScheduleKind kind);
// Where "< Back" leads from a page.
int PreviousSchedulePage(int page, ScheduleKind kind);

// The range of a page's number edit and spin; FALSE for pages without one.
BOOL ScheduleNumberRange(int page, int& lower, int& upper);

// Whether "Next >" (or "Finish") may leave the page with these answers: a
// weekly job needs a day, a monthly job a month, the number that the chosen
// option uses must lie in its spin's range, and another account needs a user
// name and two equal passwords.
BOOL CanLeaveSchedulePage(int page, const CScheduleAnswers& answers);

// A number edit's text: the decimal digits at its start; 0 when there are
// none, INT_MAX when they run past it.
int ReadScheduleNumber(const char* text);

// The job's TASK_FLAG_... bits: a job under the current account runs only
// while that user is logged on.
DWORD ScheduleJobFlags(BOOL otherAccount);
