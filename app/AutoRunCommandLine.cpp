#include "app/AutoRunCommandLine.h"

namespace {

const char kAutoRunPrefix[] = "-a ";
const int kAutoRunPrefixLength = 3;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool StartsWithAutoRunPrefix(const CString& text)
{
    CString start = text.Left(kAutoRunPrefixLength);
    start.MakeLower();
    return start == kAutoRunPrefix;
}

}  // namespace

CString ProgramArguments(const char* commandLine)
{
    CString line(commandLine);
    if (StartsWithAutoRunPrefix(line))
        return line;
    int i = 0;
    const int length = line.GetLength();
    if (length > 0 && line[0] == '"') {
        int closing = line.Find('"', 1);
        i = closing < 0 ? length : closing + 1;
    } else {
        while (i < length && !IsBlank(line[i]))
            ++i;
    }
    while (i < length && IsBlank(line[i]))
        ++i;
    return line.Mid(i);
}

bool ParseAutoRunRequest(const CString& arguments, CString& robotName)
{
    if (!StartsWithAutoRunPrefix(arguments))
        return false;
    CString lower = arguments;
    lower.MakeLower();
    robotName = lower.Mid(kAutoRunPrefixLength);
    return true;
}
