#include "engine/system/TimedMessageBox.h"

#include "framework/AfxMessageBox.h"

#include <mmsystem.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

struct BoxWatch
{
    std::atomic<HWND> box{nullptr};
    std::atomic<bool> running{true};
    std::atomic<bool> timedOut{false};
};

// The watch of the box this thread is showing; the hook fills in its handle.
thread_local BoxWatch* t_watch = nullptr;

LRESULT CALLBACK CaptureBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_watch && !t_watch->box.load()) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char name[16] = "";
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, "#32770") == 0)
            t_watch->box.store(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Watch(BoxWatch& watch, DWORD timeoutMs)
{
    DWORD start = timeGetTime();
    while (watch.running.load()) {
        HWND box = watch.box.load();
        if (box && timeGetTime() - start >= timeoutMs) {
            watch.timedOut.store(true);
            EndDialog(box, 1);
            return;
        }
        Sleep(10);
    }
}

}  // namespace

int TimedMessageBox(HWND owner, const char* text, const char* caption, UINT type, DWORD timeoutMs)
{
    if (timeoutMs == 0)
        return ShowMessageBox(owner, text, caption, type);
    BoxWatch watch;
    BoxWatch* outer = t_watch;
    t_watch = &watch;
    HHOOK hook = SetWindowsHookExA(WH_CBT, CaptureBox, nullptr, GetCurrentThreadId());
    std::thread watcher(Watch, std::ref(watch), timeoutMs);
    int result = ShowMessageBox(owner, text, caption, type);
    watch.running.store(false);
    watcher.join();
    if (hook)
        UnhookWindowsHookEx(hook);
    t_watch = outer;
    return watch.timedOut.load() ? -1 : result;
}
