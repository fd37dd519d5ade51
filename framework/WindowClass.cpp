#include "framework/WindowClass.h"

#include <windows.h>

#include <commctrl.h>

#include <mutex>
#include <set>
#include <string>

#include "framework/AfxResource.h"
#include "framework/CString.h"

const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::mutex lock;
    static std::set<std::string> names;
    const CString name = FormatString("Tapforge:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                                      static_cast<void*>(background), static_cast<void*>(icon));
    std::lock_guard<std::mutex> guard(lock);
    auto found = names.find(name.Str());
    if (found != names.end())
        return found->c_str();

    WNDCLASSA windowClass{};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.hIcon = icon;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    if (!::RegisterClassA(&windowClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return names.insert(name.Str()).first->c_str();
}

const char* AfxDefaultWndClass()
{
    static const char* name = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
                                                  reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return name;
}

void AfxInitCommonControls()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}
