#pragma once

#include <windows.h>

#include "framework/CString.h"

// How often a robot's job runs, as chosen on the wizard's first page.
enum class ScheduleKind
{
    Daily = 1,
    Weekly,
    Monthly,
    Once,
    AtSystemStart,
    AtLogon
};

// The choices of the daily page's radio group, in the group's order.
enum ScheduleDailyOption
{
    DAILY_EVERY_DAY = 0,
    DAILY_WEEKDAYS = 1,
    DAILY_EVERY_N_DAYS = 2
};

// The choices of the monthly page's radio group, in the group's order.
enum ScheduleMonthlyOption
{
    MONTHLY_BY_DAY = 0,
    MONTHLY_BY_WEEKDAY = 1
};

// Everything the user answered in the scheduling wizard, read from its pages.
// The option, number, time and date are those of the page of the chosen kind.
struct CScheduleAnswers
{
    ScheduleKind kind = ScheduleKind::Daily;
    int option = 0;
    int number = 0;
    // Weekly: one TASK_SUNDAY .. TASK_SATURDAY bit per checked day.
    WORD days = 0;
    // Monthly: bit 0 January .. bit 11 December, one per checked month.
    WORD months = 0;
    // Monthly by weekday: the texts of the two lists ("first".."last",
    // "Monday".."Sunday").
    CString week;
    CString weekday;
    SYSTEMTIME time = {};
    SYSTEMTIME date = {};
    BOOL otherAccount = FALSE;
    CString userName;
    CString password;
    CString confirmPassword;
};
