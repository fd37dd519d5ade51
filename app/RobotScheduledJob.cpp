#include "app/RobotScheduledJob.h"

#include "schedule/CTaskScheduler.h"

#include <ctime>

namespace {

const int kAutoRunPrefixLength = 3;
const WORD kFirstYearOfAnyTime = 1900;

// The same time with its day of the week; false for no real date.
bool NormalisedTime(const SYSTEMTIME& time, SYSTEMTIME& normalised)
{
    FILETIME asFileTime;
    return ::SystemTimeToFileTime(&time, &asFileTime) && ::FileTimeToSystemTime(&asFileTime, &normalised);
}

CRobotJobTexts JobTexts(const CScheduledTask& job)
{
    CRobotJobTexts texts;
    texts.nextRun = FormatJobRunTime(job.GetNextRunTime());
    texts.lastRun = FormatJobRunTime(job.GetMostRecentRunTime());
    texts.description = job.GetTriggerString(0);
    texts.nextRun = NextRunTextForTrigger(texts.description, texts.nextRun);
    texts.jobName = job.GetName();
    return texts;
}

}  // namespace

CString FormatJobRunTime(const SYSTEMTIME& time)
{
    SYSTEMTIME valid;
    if (time.wYear < kFirstYearOfAnyTime || !NormalisedTime(time, valid))
        return "Never";
    std::tm parts{};
    parts.tm_year = valid.wYear - 1900;
    parts.tm_mon = valid.wMonth - 1;
    parts.tm_mday = valid.wDay;
    parts.tm_wday = valid.wDayOfWeek;
    parts.tm_hour = valid.wHour;
    parts.tm_min = valid.wMinute;
    parts.tm_sec = valid.wSecond;
    char text[128] = {};
    std::strftime(text, sizeof text, "%A, %B %d, %Y  %H:%M:%S", &parts);
    return text;
}

bool JobParametersNameRobot(const CString& parameters, const CString& robotName)
{
    return parameters.GetLength() > 2 && parameters.Mid(kAutoRunPrefixLength).CompareNoCase(robotName) == 0;
}

CString NextRunTextForTrigger(const CString& triggerText, const CString& nextRun)
{
    if (triggerText.CompareNoCase("Run at system startup") == 0)
        return "Next startup";
    if (triggerText.CompareNoCase("Run at user logon") == 0)
        return "Next logon";
    return nextRun;
}

bool FindRobotJob(const CTaskScheduler& scheduler, const CString& robotName, CRobotJobTexts& texts)
{
    for (int position = 0; position < scheduler.GetCount(); ++position) {
        try {
            const CScheduledTask job = scheduler.GetTask(position);
            if (JobParametersNameRobot(job.GetParameters(), robotName)) {
                texts = JobTexts(job);
                return true;
            }
        } catch (...) {
            // A job that cannot be read is not the robot's.
        }
    }
    return false;
}
