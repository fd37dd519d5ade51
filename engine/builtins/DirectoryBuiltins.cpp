#include "engine/builtins/DirectoryBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/BuiltinResult.h"
#include "engine/system/SystemFiles.h"
#include "engine/system/SystemPaths.h"

#include <string>

namespace {

// The second argument from: recurse for DIRREMOVE, overwrite for the others.
bool FlagOf(CScriptValueList& args, int nIndex)
{
    return args.GetCount() > nIndex && args[nIndex].GetInteger() != 0;
}

int DirCreate(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    // A full path, so "a\b\" and relative names make their parents too.
    std::string full;
    return ZeroUnless(GetFullPath(args[0].GetText(), full) && MakeDirectoryPath(full.c_str()), result);
}

int DirRemove(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(RemoveDirectoryTree(args[0].GetText(), FlagOf(args, 1)), result);
}

int DirCopy(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(CopyDirectory(args[0].GetText(), args[1].GetText(), FlagOf(args, 2)), result);
}

int DirMove(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(MoveDirectory(args[0].GetText(), args[1].GetText(), FlagOf(args, 2)), result);
}

}  // namespace

void RegisterDirectoryBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"DIRCREATE", DirCreate},
        {"DIRREMOVE", DirRemove},
        {"DIRCOPY", DirCopy},
        {"DIRMOVE", DirMove},
    };
    BindBuiltins(engine, kBindings);
}
