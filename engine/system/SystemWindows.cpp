#include "engine/system/SystemWindows.h"

#include "engine/system/CThreadInputLinks.h"

#include <vector>

namespace {

const UINT kAnswerTimeoutMs = 5000;

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
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length) || length == 0)
        return TRUE;
    if (length > kWindowListLimit)
        length = kWindowListLimit;
    std::vector<char> text(length + 1);
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kAnswerTimeoutMs, &got) ||
        got == 0)
        return TRUE;
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

bool AttachToWindowThread(HWND window, bool attach)
{
    static CThreadInputLinks links;
    if (!attach) {
        links.DetachAll();
        return true;
    }
    if (IsWindowHung(window, kAnswerTimeoutMs))
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
