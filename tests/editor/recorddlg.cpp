// recorddlg.exe OUTFILE: opens the recorder in mode 1 for the end-to-end tests.
// When it ends, OUTFILE gets one line per item:
//   result=<what DoModal returned>
//   loaded=<1 while automation.dll is still loaded in this process, else 0>
//   line=<recorded line>                  one per line
//   window=<WinIndex> <program path>      one per recorded window
// The exit code is what DoModal returned.
#include <windows.h>

#include <cstdio>

#include "editor/CRecordRobotDlg.h"

int main(int argc, char** argv)
{
    if (argc != 2)
        return 100;
    CRecordRobotDlg recorder;
    recorder.SetMode(1);
    const INT_PTR result = recorder.DoModal();
    FILE* out = fopen(argv[1], "w");
    if (!out)
        return 101;
    fprintf(out, "result=%d\nloaded=%d\n", static_cast<int>(result), GetModuleHandleA("automation.dll") ? 1 : 0);
    for (int i = 0; i < recorder.GetLineCount(); ++i)
        fprintf(out, "line=%s\n", recorder.GetLine(i).GetString());
    RecordedWindowInfo record;
    for (int i = 0; recorder.GetRecordedWindow(i, record); ++i)
        fprintf(out, "window=%d %s\n", record.WinIndex, record.WinPath.GetString());
    fclose(out);
    return static_cast<int>(result);
}
