#include "app/HelpFile.h"

#include "framework/AfxMessageBox.h"
#include "framework/CString.h"
#include "robot/AppFolders.h"

#include <windows.h>

#include <vector>

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, const char*, UINT, DWORD_PTR);

const char kSupportAddress[] = "https://www.orvantis.example/tapforge/support";
// Where the system records the HTML Help control.
const char kHtmlHelpServerKey[] = "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
const int kHtmlHelpOrdinal = 14;

CString RegisteredHtmlHelpLibrary()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return CString();
    DWORD size = 0;
    CString path;
    if (::RegQueryValueExA(key, nullptr, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        std::vector<char> buffer(size + 1, '\0');
        if (::RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS)
            path = buffer.data();
    }
    ::RegCloseKey(key);
    return path;
}

HtmlHelpFunction LoadHtmlHelp()
{
    static HtmlHelpFunction function = [] {
        HMODULE library = nullptr;
        const CString registered = RegisteredHtmlHelpLibrary();
        if (!registered.IsEmpty())
            library = ::LoadLibraryA(registered);
        if (!library)
            library = ::LoadLibraryA("hhctrl.ocx");
        if (!library)
            return HtmlHelpFunction(nullptr);
        return reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(::GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpOrdinal))));
    }();
    return function;
}

}  // namespace

void ShowHelpFile()
{
    const CString path = GetModuleDirectory() + "\\help.chm";
    HtmlHelpFunction htmlHelp = LoadHtmlHelp();
    if (htmlHelp && htmlHelp(nullptr, path, 0, 0))
        return;
    AfxMessageBox(CString("Help file not found. Please visit support website\n") + kSupportAddress,
                  MB_ICONERROR | MB_OK);
}
