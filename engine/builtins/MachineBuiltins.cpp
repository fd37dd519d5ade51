#include "engine/builtins/SystemBuiltinFamilies.h"

#include "engine/ScriptArrays.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/WindowThreadAttach.h"
#include "engine/system/COsVersion.h"
#include "engine/system/ProcAddress.h"
#include "engine/system/SystemNet.h"

namespace {

int BlockInputBuiltin(CMarionet_Script&, CScriptValueList& args, CScriptValue&)
{
    using BlockInputFn = BOOL(WINAPI*)(BOOL);
    HMODULE hUser = LoadLibraryA("user32.dll");
    if (BlockInputFn pBlockInput = ProcAddress<BlockInputFn>(hUser, "BlockInput"))
        pBlockInput(args[0].GetInteger() != 0);
    if (hUser)
        FreeLibrary(hUser);
    return 0;
}

int IsAdmin(CMarionet_Script&, CScriptValueList&, CScriptValue& result)
{
    if (COsVersion::Current().m_b9x)
        return 0;
    result.SetInteger(0);
    SC_HANDLE hManager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_LOCK);
    if (!hManager)
        return 0;
    // Only an administrator may lock the service database; a lock that
    // someone else holds proves the right as well.
    if (SC_LOCK lock = LockServiceDatabase(hManager)) {
        UnlockServiceDatabase(lock);
        result.SetInteger(1);
    } else if (GetLastError() == ERROR_SERVICE_DATABASE_LOCKED) {
        result.SetInteger(1);
    }
    CloseServiceHandle(hManager);
    return 0;
}

int MemGetStats(CMarionet_Script&, CScriptValueList&, CScriptValue& result)
{
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatus(&status);
    const double aFigures[] = {
        static_cast<double>(status.dwMemoryLoad),           static_cast<double>(status.dwTotalPhys / 1024),
        static_cast<double>(status.dwAvailPhys / 1024),     static_cast<double>(status.dwTotalPageFile / 1024),
        static_cast<double>(status.dwAvailPageFile / 1024), static_cast<double>(status.dwTotalVirtual / 1024),
        static_cast<double>(status.dwAvailVirtual / 1024),
    };
    const int nCount = static_cast<int>(sizeof aFigures / sizeof aFigures[0]);
    MakeArray1D(result, nCount);
    for (int i = 0; i < nCount; ++i)
        ArrayElement1D(result, i)->SetDouble(aFigures[i]);
    return 0;
}

// The cursor ids 1 to 15, in the order in which they are compared.
const LPCSTR kCursorShapes[] = {
    IDC_APPSTARTING, IDC_ARROW,    IDC_CROSS,  IDC_HELP,     IDC_IBEAM,  IDC_ICON,    IDC_NO,   IDC_SIZE,
    IDC_SIZEALL,     IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,
};

int MouseGetCursor(CMarionet_Script&, CScriptValueList&, CScriptValue& result)
{
    POINT point = {};
    GetCursorPos(&point);
    HCURSOR hCursor = nullptr;
    {
        // The cursor is a property of the input state of the window's thread.
        CWindowThreadAttach attach(WindowFromPoint(point));
        hCursor = GetCursor();
    }
    result.SetInteger(0);
    int nId = 1;
    for (LPCSTR shape : kCursorShapes) {
        if (LoadCursorA(nullptr, shape) == hCursor) {
            result.SetInteger(nId);
            break;
        }
        ++nId;
    }
    return 0;
}

int UrlDownloadToFile(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    bool bLibraryMissing = false;
    if (DownloadUrlToFile(args[0].GetText(), args[1].GetText(), bLibraryMissing))
        return 0;
    if (bLibraryMissing)
        return engine.ReportScriptError(
            "Unable to load the internet libraries (requires Internet Explorer 3.0 or later).", -1);
    result.SetInteger(0);
    return 0;
}

}  // namespace

void RegisterMachineBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"BLOCKINPUT", BlockInputBuiltin},
        {"ISADMIN", IsAdmin},
        {"MEMGETSTATS", MemGetStats},
        {"MOUSEGETCURSOR", MouseGetCursor},
        {"URLDOWNLOADTOFILE", UrlDownloadToFile},
    };
    BindBuiltins(engine, kBindings);
}
