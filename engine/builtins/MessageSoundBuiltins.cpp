#include "engine/builtins/SystemBuiltinFamilies.h"

#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/COsVersion.h"
#include "engine/system/SystemSound.h"
#include "engine/system/TimedMessageBox.h"
#include "framework/AfxMessageBox.h"

#include <mmsystem.h>
#include <shellapi.h>

namespace {

// Seconds of a script argument, fractions included, as milliseconds; none (0)
// when not positive (or not a number), and at most the longest count the
// system's timeouts take.
DWORD SecondsToMs(const CScriptValue& seconds)
{
    const double dMs = seconds.GetNumber() * 1000.0;
    if (!(dMs >= 1.0))
        return 0;
    return dMs >= static_cast<double>(MAXDWORD) ? MAXDWORD : static_cast<DWORD>(dMs);
}

int MsgBox(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const UINT type = static_cast<UINT>(args[0].GetInteger()) | MB_SETFOREGROUND;
    const char* pszTitle = args[1].GetText();
    const char* pszText = args[2].GetText();
    if (args.GetCount() == 4)
        result.SetInteger(TimedMessageBox(nullptr, pszText, pszTitle, type, SecondsToMs(args[3])));
    else
        result.SetInteger(ShowMessageBox(nullptr, pszText, pszTitle, type));
    return 0;
}

int SoundPlay(CMarionet_Script&, CScriptValueList& args, CScriptValue&)
{
    PlaySoundFile(args[0].GetText(), args.GetCount() == 2 && args[1].GetInteger() == 1);
    return 0;
}

int SoundSetWaveVolume(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    const unsigned int nPercent = static_cast<unsigned int>(args[0].GetInteger());
    if (nPercent > 100) {
        engine.SetErrorCode(1);
        return 0;
    }
    const DWORD dwVolume = nPercent * 0xFFFF / 100;
    waveOutSetVolume(nullptr, dwVolume | (dwVolume << 16));
    return 0;
}

// The record's size field says 908 bytes, so the record is kept that long.
const DWORD kTrayRecordSize = 908;

int TrayTip(CMarionet_Script&, CScriptValueList& args, CScriptValue&)
{
    if (!COsVersion::Current().m_b2000OrLater)
        return 0;
    union
    {
        NOTIFYICONDATAA data;
        BYTE raw[kTrayRecordSize];
    } record = {};
    record.data.cbSize = kTrayRecordSize;
    record.data.hWnd = EngineWindowHandle;
    record.data.uID = 1;
    record.data.uFlags = NIF_INFO;
    lstrcpynA(record.data.szInfoTitle, args[0].GetText(), sizeof record.data.szInfoTitle);
    lstrcpynA(record.data.szInfo, args[1].GetText(), sizeof record.data.szInfo);
    record.data.uTimeout = SecondsToMs(args[2]);
    record.data.dwInfoFlags = args.GetCount() == 4 ? static_cast<DWORD>(args[3].GetInteger()) : 0;
    Shell_NotifyIconA(NIM_MODIFY, &record.data);
    return 0;
}

}  // namespace

void RegisterMessageSoundBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"MSGBOX", MsgBox},
        {"SOUNDPLAY", SoundPlay},
        {"SOUNDSETWAVEVOLUME", SoundSetWaveVolume},
        {"TRAYTIP", TrayTip},
    };
    BindBuiltins(engine, kBindings);
}
