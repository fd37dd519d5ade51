// ProcessWait reaction: the time from a process's start to the end of a
// ProcessWait that was waiting for it (the wait polls every 10 ms, taking the
// whole process list each time), median of 20 tries. The process is a copy
// of this program under a name of its own that ends after a short while.
#include "bench/BenchClock.h"
#include "bench/BenchReactions.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kChildName[] = "bench_processwait_child.exe";

// Starts the child after a pause; createdAt is the moment just before.
void StartChildLater(const std::string& path, double& createdAt, HANDLE& process)
{
    Sleep(100);
    std::string commandLine = "\"" + path + "\" --child";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    createdAt = NowMs();
    if (CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        process = info.hProcess;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) {
        Sleep(500);
        return 0;
    }
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string child = std::string(temp) + kChildName;
    if (!CopyFileA(self, child.c_str(), FALSE)) {
        std::printf("ProcessWait reaction: cannot copy the child program\n");
        return 1;
    }

    CBenchWait processWait("PROCESSWAIT");
    std::vector<double> reactions;
    for (int i = 0; i < 20; ++i) {
        double createdAt = 0;
        HANDLE process = nullptr;
        std::thread starter(StartChildLater, std::cref(child), std::ref(createdAt), std::ref(process));
        CScriptValueList args;
        args.AppendNew().SetString(kChildName);
        args.AppendNew().SetInteger(10);
        const bool ended = processWait.Wait(args);
        const double endedAt = NowMs();
        starter.join();
        if (process) {
            WaitForSingleObject(process, INFINITE);
            CloseHandle(process);
        }
        if (ended)
            reactions.push_back(endedAt - createdAt);
    }
    DeleteFileA(child.c_str());
    return PrintReactions("ProcessWait", "no wait ended by its process", reactions);
}
