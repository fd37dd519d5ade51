#include "engine/builtins/SystemBuiltinFamilies.h"

#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/SystemClipboard.h"
#include "engine/system/SystemEnvironment.h"

#include <string>

namespace {

int EnvGet(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const std::string strValue = ReadEnvironmentVariable(args[0].GetText());
    result.SetString(strValue.c_str(), static_cast<int>(strValue.size()));
    return 0;
}

int EnvSet(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    if (!WriteEnvironmentVariable(args[0].GetText(), args.GetCount() == 2 ? args[1].GetText() : nullptr))
        result.SetInteger(0);
    return 0;
}

int EnvUpdate(CMarionet_Script& engine, CScriptValueList&, CScriptValue&)
{
    if (!BroadcastEnvironmentChange())
        engine.SetErrorCode(1);
    return 0;
}

int ClipGet(CMarionet_Script& engine, CScriptValueList&, CScriptValue& result)
{
    std::string strText;
    if (!ReadClipboardText(EngineWindowHandle, strText)) {
        engine.SetErrorCode(1);
        return 0;
    }
    result.SetString(strText.c_str(), static_cast<int>(strText.size()));
    return 0;
}

int ClipPut(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& text = args[0].GetString();
    if (!WriteClipboardText(EngineWindowHandle, text.GetText(), static_cast<size_t>(text.GetLength())))
        result.SetInteger(0);
    return 0;
}

}  // namespace

void RegisterEnvironmentBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"ENVGET", EnvGet}, {"ENVSET", EnvSet}, {"ENVUPDATE", EnvUpdate}, {"CLIPGET", ClipGet}, {"CLIPPUT", ClipPut},
    };
    BindBuiltins(engine, kBindings);
}
