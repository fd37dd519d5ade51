#include "engine/builtins/SystemBuiltinFamilies.h"

#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CKeySender.h"

#include <mmsystem.h>

namespace {

const char kUnknownFunction[] = "Unknown function name.";
const DWORD kDefaultAdlibPeriod = 250;

int HotKeySet(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const bool bSet = args.GetCount() == 2;
    if (bSet && !engine.m_UserFunctions.Find(args[1].GetText()))
        return engine.ReportScriptError(kUnknownFunction, -1);

    int vk = 0, shift = 0, ctrl = 0, alt = 0, win = 0;
    if (!CKeySender::ParseHotkey(args[0].GetText(), vk, shift, ctrl, alt, win)) {
        result.SetInteger(0);
        return 0;
    }
    const UINT modifiers =
        (alt ? MOD_ALT : 0) | (ctrl ? MOD_CONTROL : 0) | (shift ? MOD_SHIFT : 0) | (win ? MOD_WIN : 0);
    const int nCombinedKey = (vk << 16) | static_cast<int>(modifiers);

    for (CScriptHotkeySlot*& pSlot : engine.m_pHotkeySlots) {
        if (!pSlot || pSlot->nCombinedKey != nCombinedKey)
            continue;
        if (bSet) {
            pSlot->strFunction = args[1].GetString();
        } else {
            UnregisterHotKey(EngineWindowHandle, pSlot->nId);
            delete pSlot;
            pSlot = nullptr;
        }
        return 0;
    }

    result.SetInteger(0);
    if (!bSet)
        return 0;
    for (int nId = 0; nId < CMarionet_Script::HOTKEY_SLOTS; ++nId) {
        CScriptHotkeySlot*& pSlot = engine.m_pHotkeySlots[nId];
        if (pSlot)
            continue;
        if (!RegisterHotKey(EngineWindowHandle, nId, modifiers, static_cast<UINT>(vk)))
            return 0;
        pSlot = new CScriptHotkeySlot;
        pSlot->nId = nId;
        pSlot->nCombinedKey = nCombinedKey;
        pSlot->strFunction = args[1].GetString();
        result.SetInteger(1);
        return 0;
    }
    return 0;
}

int AdlibEnable(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    engine.m_bAdlibEnabled = 0;
    if (!engine.m_UserFunctions.Find(args[0].GetText()))
        return engine.ReportScriptError(kUnknownFunction, -1);
    engine.m_sAdlibFunction = args[0].GetString();
    engine.m_dwAdlibLast = timeGetTime();
    const int nPeriod = args.GetCount() == 2 ? args[1].GetInteger() : 0;
    engine.m_dwAdlibPeriod = nPeriod >= 1 ? static_cast<DWORD>(nPeriod) : kDefaultAdlibPeriod;
    engine.m_bAdlibEnabled = 1;
    return 0;
}

}  // namespace

void RegisterHotkeyBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"HOTKEYSET", HotKeySet},
        {"ADLIBENABLE", AdlibEnable},
    };
    BindBuiltins(engine, kBindings);
}
