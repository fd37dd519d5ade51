// WinWait reaction: the time from a window's creation to the end of a WinWait
// that was waiting for it (the wait polls every 10 ms), median of 20 tries.
#include "bench/BenchClock.h"
#include "bench/BenchReactions.h"

#include <windows.h>

#include <cstdio>
#include <thread>
#include <vector>

namespace {

// Opens a window with the title after a pause on a thread of its own and
// keeps it until told; returns when the window has gone.
void OpenWindowLater(const char* title, double& createdAt, HANDLE closeEvent)
{
    Sleep(100);
    createdAt = NowMs();
    HWND window = CreateWindowExA(0, "Static", title, WS_OVERLAPPED | WS_VISIBLE, 10, 10, 200, 80, nullptr, nullptr,
                                  nullptr, nullptr);
    while (MsgWaitForMultipleObjects(1, &closeEvent, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    DestroyWindow(window);
}

}  // namespace

int main()
{
    CBenchWait winWait("WINWAIT");
    std::vector<double> reactions;
    for (int i = 0; i < 20; ++i) {
        char title[64];
        std::snprintf(title, sizeof title, "Bench WinWait Window %d", i);
        double createdAt = 0;
        HANDLE closeEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread opener(OpenWindowLater, title, std::ref(createdAt), closeEvent);
        CScriptValueList args;
        args.AppendNew().SetString(title);
        args.AppendNew().SetString("");
        args.AppendNew().SetInteger(10);
        const bool ended = winWait.Wait(args);
        const double endedAt = NowMs();
        SetEvent(closeEvent);
        opener.join();
        CloseHandle(closeEvent);
        if (ended)
            reactions.push_back(endedAt - createdAt);
    }
    return PrintReactions("WinWait", "no wait ended by its window", reactions);
}
