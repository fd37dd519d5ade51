// Opens one scheduling dialog for the end-to-end tests:
//   scheddlg wizard ROBOT                        the wizard for that robot; the
//                                                job runs this program
//   scheddlg list DESCRIPTION NEXT LAST JOBNAME  the list of a robot's job
// The exit code is what DoModal returned; 100 for any other command line.
#include <windows.h>

#include <cstring>

#include "schedule/CScheduleListDlg.h"
#include "schedule/CScheduleRobotDlg.h"

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "wizard") == 0) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        CScheduleRobotDlg wizard;
        wizard.SetRobotName(argv[2]);
        wizard.SetProgramPath(path);
        return static_cast<int>(wizard.DoModal());
    }
    if (argc == 6 && strcmp(argv[1], "list") == 0) {
        CScheduleListDlg list;
        list.SetDescription(argv[2]);
        list.SetNextRunText(argv[3]);
        list.SetLastRunText(argv[4]);
        list.SetJobName(argv[5]);
        return static_cast<int>(list.DoModal());
    }
    return 100;
}
