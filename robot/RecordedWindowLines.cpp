#include "robot/RecordedWindowLines.h"

#include "robot/NumberText.h"
#include "robot/RobotFileFormat.h"

const char* const kRecordLineFailureMessage = "Failed to load record Window info";

namespace {
bool StartsWith(const CString& line, const CString& key)
{
    return line.Left(key.GetLength()) == key;
}

// Left, top, right and bottom are separated by commas; a missing last number
// reads as 0.
bool ReadRect(const CString& value, RECT& rect)
{
    const int first = value.Find(',');
    const int second = first < 0 ? -1 : value.Find(',', first + 1);
    const int third = second < 0 ? -1 : value.Find(',', second + 1);
    if (third < 0)
        return false;
    rect.left = StringToInt(value.Left(first));
    rect.top = StringToInt(value.Mid(first + 1, second - first - 1));
    rect.right = StringToInt(value.Mid(second + 1, third - second - 1));
    rect.bottom = StringToInt(value.Mid(third + 1));
    return true;
}
}  // namespace

RecordLine ReadRecordedWindowLine(const CString& line, RecordedWindowInfo& scratch)
{
    static const CString index = kRobotRecordKeys[ROBOT_RECORD_INDEX];
    static const CString title = kRobotRecordKeys[ROBOT_RECORD_TITLE];
    static const CString path = kRobotRecordKeys[ROBOT_RECORD_PATH];
    static const CString level = kRobotRecordKeys[ROBOT_RECORD_PARENT_LEVEL];
    static const CString rect = kRobotRecordKeys[ROBOT_RECORD_RECT];
    if (StartsWith(line, index))
        scratch.WinIndex = StringToInt(line.Mid(index.GetLength()));
    else if (StartsWith(line, title))
        scratch.WinTitle = line.Mid(title.GetLength());
    else if (StartsWith(line, path))
        scratch.WinPath = line.Mid(path.GetLength());
    else if (StartsWith(line, level))
        scratch.WinParentLevel = StringToInt(line.Mid(level.GetLength()));
    else if (StartsWith(line, rect))
        return ReadRect(line.Mid(rect.GetLength()), scratch.WinRect) ? RecordLine::Complete : RecordLine::Malformed;
    else
        return RecordLine::Ignored;
    return RecordLine::Field;
}

CString RecordedWindowLines(const RecordedWindowInfo& record)
{
    CString values[ROBOT_RECORD_COUNT];
    values[ROBOT_RECORD_INDEX].Format("%d", record.WinIndex);
    values[ROBOT_RECORD_TITLE] = record.WinTitle;
    values[ROBOT_RECORD_PATH] = record.WinPath;
    values[ROBOT_RECORD_PARENT_LEVEL].Format("%d", record.WinParentLevel);
    values[ROBOT_RECORD_RECT].Format("%ld,%ld,%ld,%ld", record.WinRect.left, record.WinRect.top, record.WinRect.right,
                                     record.WinRect.bottom);
    CString lines;
    for (int key = 0; key < ROBOT_RECORD_COUNT; ++key)
        lines += kRobotRecordKeys[key] + values[key] + "\n";
    return lines;
}
