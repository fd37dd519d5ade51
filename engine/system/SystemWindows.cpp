#include "engine/system/SystemWindows.h"

#include "engine/system/CThreadInputLinks.h"

#include <vector>

namespace {

struct ListRequest
{
    std::string* list;
    bool includeHidden;
    bool classes;
};

void AppendLine(std::string& list, const char* text, size_t length)
{
    size_t room = list.size() < kWindowListLimit ? kWindowListLimit - list.size() : 0;
    list.append(text, length < room ? length : room);
    if (list.size() < kWindowListLimit)
        list += '\n';
}

BOOL CALLBACK AddChild(HWND child, LPARAM param)
{
    ListRequest& request = *reinterpret_cast<ListRequest*>(param);
    if (request.classes) {
        char name[256] = "";
        int length = GetClassNameA(child, name, sizeof name);
        AppendLine(*request.list, name, static_cast<size_t>(length > 0 ? length : 0));
        return TRUE;
    }
    if (!request.includeHidden && !IsWindowVisible(child))
        return TRUE;
    LRESULT answer = 0;
    if (!SendMessageGuarded(child, WM_GETTEXTLENGTH, 0, 0, answer) || answer <= 0)
        return TRUE;
    const size_t length =
        static_cast<size_t>(answer) < kWindowListLimit ? static_cast<size_t>(answer) : kWindowListLimit;
    std::vector<char> text(length + 1);
    if (!SendMessageGuarded(child, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), answer) ||
        answer <= 0)
        return TRUE;
    const size_t got = static_cast<size_t>(answer);
    AppendLine(*request.list, text.data(), got < length ? got : length);
    return TRUE;
}

std::string ChildList(HWND window, bool includeHidden, bool classes)
{
    std::string list;
    ListRequest request = {&list, includeHidden, classes};
    EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&request));
    return list;
}

}  // namespace

bool IsWindowHung(HWND window, UINT timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) == 0;
}

bool SendMessageGuarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer)
{
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kWindowAnswerTimeoutMs, &result) != 0;
    answer = answered ? static_cast<LRESULT>(result) : 0;
    return answered;
}

bool AttachToWindowThread(HWND window, bool attach)
{
    static CThreadInputLinks links;
    if (!attach) {
        links.DetachAll();
        return true;
    }
    if (IsWindowHung(window))
        return false;
    return links.Attach(GetCurrentThreadId(), WindowThreadId(window));
}

std::string GetWindowTextList(HWND window, bool includeHidden)
{
    return ChildList(window, includeHidden, false);
}

std::string GetWindowClassList(HWND window)
{
    return ChildList(window, true, true);
}
