#include "engine/builtins/FileOperationBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/BuiltinResult.h"
#include "engine/system/ProcAddress.h"
#include "engine/system/SystemFiles.h"
#include "engine/system/SystemPaths.h"

#include <shellapi.h>

#include <string>

namespace {

bool OverwriteOf(CScriptValueList& args)
{
    return args.GetCount() > 2 && args[2].GetInteger() != 0;
}

int FileCopy(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(CopyMoveFiles(args[0].GetText(), args[1].GetText(), OverwriteOf(args), false), result);
}

int FileMove(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(CopyMoveFiles(args[0].GetText(), args[1].GetText(), OverwriteOf(args), true), result);
}

int FileDelete(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(DeleteFiles(args[0].GetText()), result);
}

int FileRecycle(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    std::string full;
    return ZeroUnless(
        GetFullPath(args[0].GetText(), full) &&
            ShellFileOperation(FO_DELETE, full, std::string(), FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO),
        result);
}

int FileRecycleEmpty(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    using EmptyRecycleBinFn = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    HMODULE shell = LoadLibraryA("shell32.dll");
    auto emptyBin = ProcAddress<EmptyRecycleBinFn>(shell, "SHEmptyRecycleBinA");
    const char* pszDrive = args.GetCount() > 0 ? args[0].GetText() : nullptr;
    const bool bEmptied =
        emptyBin && SUCCEEDED(emptyBin(nullptr, pszDrive, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND));
    if (shell)
        FreeLibrary(shell);
    return ZeroUnless(bEmptied, result);
}

}  // namespace

void RegisterFileOperationBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"FILECOPY", FileCopy},     {"FILEMOVE", FileMove},       {"FILEINSTALL", FileCopy},
        {"FILEDELETE", FileDelete}, {"FILERECYCLE", FileRecycle}, {"FILERECYCLEEMPTY", FileRecycleEmpty},
    };
    BindBuiltins(engine, kBindings);
}
