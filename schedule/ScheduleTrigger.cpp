#include "schedule/ScheduleTrigger.h"

#include <cstring>

namespace {

struct NamedValue
{
    const char* name;
    WORD value;
};

const NamedValue kWeekdays[] = {
    {"Sunday", TASK_SUNDAY},     {"Monday", TASK_MONDAY}, {"Tuesday", TASK_TUESDAY},   {"Wednesday", TASK_WEDNESDAY},
    {"Thursday", TASK_THURSDAY}, {"Friday", TASK_FRIDAY}, {"Saturday", TASK_SATURDAY},
};

const NamedValue kWeeks[] = {
    {"first", TASK_FIRST_WEEK},   {"second", TASK_SECOND_WEEK}, {"third", TASK_THIRD_WEEK},
    {"fourth", TASK_FOURTH_WEEK}, {"last", TASK_LAST_WEEK},
};

template <size_t N>
WORD ValueOfName(const NamedValue (&table)[N], const char* name)
{
    for (const NamedValue& entry : table)
        if (strcmp(entry.name, name) == 0)
            return entry.value;
    return 0;
}

// Day numbers outside 1 to 31 have no bit; the job then has no day at all
// rather than an arbitrary one.
DWORD MonthDayBit(int day)
{
    return day >= 1 && day <= 31 ? DWORD{1} << (day - 1) : 0;
}

// A number that the word cannot hold becomes 0, not its low 16 bits.
WORD Interval(int number)
{
    return number >= 0 && number <= 0xFFFF ? static_cast<WORD>(number) : 0;
}

void SetBeginDate(TASK_TRIGGER& trigger, const SYSTEMTIME& date)
{
    trigger.wBeginYear = date.wYear;
    trigger.wBeginMonth = date.wMonth;
    trigger.wBeginDay = date.wDay;
}

void SetStartTime(TASK_TRIGGER& trigger, const SYSTEMTIME& time)
{
    trigger.wStartHour = time.wHour;
    trigger.wStartMinute = time.wMinute;
}

void SetDaily(TASK_TRIGGER& trigger, const CScheduleAnswers& answers)
{
    SetBeginDate(trigger, answers.date);
    switch (answers.option) {
    case DAILY_WEEKDAYS:
        trigger.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
        trigger.Type.Weekly.WeeksInterval = 1;
        trigger.Type.Weekly.rgfDaysOfTheWeek =
            TASK_MONDAY | TASK_TUESDAY | TASK_WEDNESDAY | TASK_THURSDAY | TASK_FRIDAY;
        break;
    case DAILY_EVERY_N_DAYS:
        trigger.TriggerType = TASK_TIME_TRIGGER_DAILY;
        trigger.Type.Daily.DaysInterval = Interval(answers.number);
        break;
    default:
        trigger.TriggerType = TASK_TIME_TRIGGER_DAILY;
        trigger.Type.Daily.DaysInterval = 1;
        break;
    }
}

void SetMonthly(TASK_TRIGGER& trigger, const CScheduleAnswers& answers)
{
    if (answers.option == MONTHLY_BY_WEEKDAY) {
        trigger.TriggerType = TASK_TIME_TRIGGER_MONTHLYDOW;
        trigger.Type.MonthlyDOW.wWhichWeek = ValueOfName(kWeeks, answers.week);
        trigger.Type.MonthlyDOW.rgfDaysOfTheWeek = ValueOfName(kWeekdays, answers.weekday);
        trigger.Type.MonthlyDOW.rgfMonths = answers.months;
    } else {
        trigger.TriggerType = TASK_TIME_TRIGGER_MONTHLYDATE;
        trigger.Type.MonthlyDate.rgfDays = MonthDayBit(answers.number);
        trigger.Type.MonthlyDate.rgfMonths = answers.months;
    }
}

}  // namespace

TASK_TRIGGER BuildScheduleTrigger(const CScheduleAnswers& answers, const SYSTEMTIME& now)
{
    TASK_TRIGGER trigger;
    memset(&trigger, 0, sizeof trigger);
    trigger.cbTriggerSize = sizeof trigger;
    SetBeginDate(trigger, now);
    SetStartTime(trigger, answers.time);
    switch (answers.kind) {
    case ScheduleKind::Daily:
        SetDaily(trigger, answers);
        break;
    case ScheduleKind::Weekly:
        trigger.TriggerType = TASK_TIME_TRIGGER_WEEKLY;
        trigger.Type.Weekly.WeeksInterval = Interval(answers.number);
        trigger.Type.Weekly.rgfDaysOfTheWeek = answers.days;
        break;
    case ScheduleKind::Monthly:
        SetMonthly(trigger, answers);
        break;
    case ScheduleKind::Once:
        trigger.TriggerType = TASK_TIME_TRIGGER_ONCE;
        SetBeginDate(trigger, answers.date);
        break;
    case ScheduleKind::AtSystemStart:
        trigger.TriggerType = TASK_EVENT_TRIGGER_AT_SYSTEMSTART;
        SetStartTime(trigger, now);
        break;
    case ScheduleKind::AtLogon:
        trigger.TriggerType = TASK_EVENT_TRIGGER_AT_LOGON;
        SetStartTime(trigger, now);
        break;
    }
    return trigger;
}
