// recorddlg.exe OUTFILE: opens the recorder in mode 1 for the end-to-end tests.
// When it ends, OUTFILE gets:
//   loaded=<1 while automation.dll is still loaded in this process, else 0>
//   line=<recorded line>                          one per line
//   window=<WinIndex> <program's file name>       one per recorded window
// The exit code is what DoModal returned.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "editor/CRecordRobotDlg.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 100;
    CRecordRobotDlg recorder;
    const INT_PTR result = recorder.DoModal();
    FILE* out = fopen(argv[1], "w");
    if (!out)
        return 101;
    fprintf(out, "loaded=%d\n", GetModuleHandleA("automation.dll") ? 1 : 0);
    for (int i = 0; i < recorder.GetLineCount(); ++i)
        fprintf(out, "line=%s\n", recorder.GetLine(i).GetString());
    RecordedWindowInfo record;
    for (int i = 0; recorder.GetRecordedWindow(i, record); ++i) {
        const char* slash = strrchr(record.WinPath, '\\');
        fprintf(out, "window=%d %s\n", record.WinIndex, slash ? slash + 1 : record.WinPath.GetString());
    }
    fclose(out);
    return static_cast<int>(result);
}
