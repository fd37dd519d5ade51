#include "robot/RecordedWindowLines.h"

#include "robot/NumberText.h"

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
    static const CString index = "WinIndex=";
    static const CString title = "WinTitle=";
    static const CString path = "WinPath=";
    static const CString level = "WinParentLevel=";
    static const CString rect = "WinRect=";
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
    CString lines;
    lines.Format("WinIndex=%d\nWinTitle=%s\nWinPath=%s\nWinParentLevel=%d\nWinRect=%ld,%ld,%ld,%ld\n", record.WinIndex,
                 record.WinTitle.GetString(), record.WinPath.GetString(), record.WinParentLevel, record.WinRect.left,
                 record.WinRect.top, record.WinRect.right, record.WinRect.bottom);
    return lines;
}
