#include "engine/builtins/IniBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/SystemPaths.h"
#include "engine/system/SystemTextLimit.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const DWORD kValueBufferSize = 65535;

// A value read from the file is one line, so a line break is never one: it
// stands in for a default too long for the profile calls.
const char kMissingKeyMark[] = "\n";

// The full path of the file argument, when it and the texts fit the profile
// calls.
bool ProfileFile(CScriptValueList& args, std::initializer_list<CSystemCallText> texts, std::string& file)
{
    return GetFullPath(args[0].GetText(), file) && FitsSystemCall(kConvertedTextLimit, {file}) &&
           FitsSystemCall(kConvertedTextLimit, texts);
}

// A null value deletes the key. The flush call with all-null arguments
// writes the system's cached copy of the file out at once.
int WriteIniKey(CScriptValueList& args, const char* pszValue, CScriptValue& result)
{
    std::string file;
    if (!ProfileFile(args, {args[1].GetText(), args[2].GetText(), pszValue}, file) ||
        !WritePrivateProfileStringA(args[1].GetText(), args[2].GetText(), pszValue, file.c_str())) {
        result.SetInteger(0);
        return 0;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return 0;
}

int IniRead(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const char* pszDefault = args[3].GetText();
    std::string file;
    if (!ProfileFile(args, {args[1].GetText(), args[2].GetText()}, file)) {
        result.SetString(pszDefault);
        return 0;
    }
    // A default too long for the call is handed back only when the key is missing.
    const bool bLongDefault = !FitsSystemCall(kConvertedTextLimit, {pszDefault});
    std::vector<char> buffer(kValueBufferSize, '\0');
    GetPrivateProfileStringA(args[1].GetText(), args[2].GetText(), bLongDefault ? kMissingKeyMark : pszDefault,
                             buffer.data(), kValueBufferSize, file.c_str());
    const bool bMissing = bLongDefault && std::strcmp(buffer.data(), kMissingKeyMark) == 0;
    result.SetString(bMissing ? pszDefault : buffer.data());
    return 0;
}

int IniWrite(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return WriteIniKey(args, args[3].GetText(), result);
}

int IniDelete(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return WriteIniKey(args, nullptr, result);
}

}  // namespace

void RegisterIniBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"INIREAD", IniRead},
        {"INIWRITE", IniWrite},
        {"INIDELETE", IniDelete},
    };
    BindBuiltins(engine, kBindings);
}
