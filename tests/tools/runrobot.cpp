// Runs robot files once each, the way the program runs a robot, and writes
// every message box the run would show to standard output instead, answering
// it with its default button:
//
//   === FILE <path>
//   --- BOX <caption>
//   <text>
//   --- END BOX
//   === OUTCOME <0 ended, 1 fatal error, 2 not loaded>
//
// Exit status: 2 when a file could not be loaded, else 1 when a run ended in
// a fatal error, else 0.
#include "engine/RobotRunSequence.h"
#include "engine/ScriptEngineInstance.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "framework/AfxMessageBox.h"
#include "robot/CRobot.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>

namespace {

// The buttons of each box type, left to right.
const int kBoxButtons[][3] = {
    {IDOK},        {IDOK, IDCANCEL},    {IDABORT, IDRETRY, IDIGNORE},       {IDYES, IDNO, IDCANCEL},
    {IDYES, IDNO}, {IDRETRY, IDCANCEL}, {IDCANCEL, IDTRYAGAIN, IDCONTINUE},
};

// The box's default button, as a user pressing Enter would answer.
int DefaultButton(UINT type)
{
    const UINT kind = type & MB_TYPEMASK;
    if (kind >= sizeof kBoxButtons / sizeof kBoxButtons[0])
        return IDOK;
    const UINT index = (type & MB_DEFMASK) >> 8;
    return index < 3 && kBoxButtons[kind][index] != 0 ? kBoxButtons[kind][index] : kBoxButtons[kind][0];
}

int PrintBox(const CMessageBoxRequest& request)
{
    std::printf("--- BOX %s\n%s\n--- END BOX\n", request.caption.GetString(), request.text.GetString());
    std::fflush(stdout);
    return DefaultButton(request.type);
}

int RunOne(CMarionet_Script& engine, const char* pszPath)
{
    CRobot robot;
    if (!robot.LoadFromFile(pszPath))
        return ROBOT_NOT_LOADED;
    return RunRobotSequence(engine, robot, pszPath, [](int nRun) { return nRun == 0; });
}

}  // namespace

int main(int argc, char** argv)
{
    // Box texts go out byte for byte, line ends included.
    _setmode(_fileno(stdout), _O_BINARY);
    SetMessageBoxSink(PrintBox);
    InstallScriptBuiltins(g_Script);

    int nStatus = ROBOT_RUNS_ENDED;
    for (int i = 1; i < argc; ++i) {
        std::printf("=== FILE %s\n", argv[i]);
        std::fflush(stdout);
        const int nOutcome = RunOne(g_Script, argv[i]);
        std::printf("=== OUTCOME %d\n", nOutcome);
        std::fflush(stdout);
        nStatus = std::max(nStatus, nOutcome);
    }
    return nStatus;
}
