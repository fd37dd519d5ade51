#include "engine/builtins/IniBuiltins.h"

#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/SystemPaths.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const DWORD kValueBufferSize = 65535;

// The system's profile functions fault on converting a text of this many
// chars or more (and cut a longer default short by one), so such a text
// never reaches them.
const size_t kProfileTextLimit = 32767;

bool FitsProfile(std::initializer_list<const char*> texts)
{
    for (const char* pszText : texts) {
        if (pszText && std::strlen(pszText) >= kProfileTextLimit)
            return false;
    }
    return true;
}

// The full path of the file argument, when it and the texts fit the profile calls.
bool ProfileFile(CScriptValueList& args, std::initializer_list<const char*> texts, std::string& file)
{
    return GetFullPath(args[0].GetText(), file) && FitsProfile({file.c_str()}) && FitsProfile(texts);
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
    std::string file;
    if (!ProfileFile(args, {args[1].GetText(), args[2].GetText(), args[3].GetText()}, file)) {
        result.SetString(args[3].GetText());
        return 0;
    }
    std::vector<char> buffer(kValueBufferSize, '\0');
    GetPrivateProfileStringA(args[1].GetText(), args[2].GetText(), args[3].GetText(), buffer.data(), kValueBufferSize,
                             file.c_str());
    result.SetString(buffer.data());
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
