// Cost of one MouseClick and of one Send of 100 characters beyond the delays
// the options impose (all click and key delays set to 0), against a window of
// this program.
#include "bench/BenchClock.h"
#include "engine/CMarionet_Script.h"
#include "engine/CMarionet_ScriptFile.h"
#include "engine/ScriptBuiltinNames.h"
#include "engine/builtins/BuiltinRegistry.h"
#include "engine/builtins/CBuiltinState.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

double TimeCalls(CMarionet_Script& engine, const char* name, CScriptValueList& args, int calls)
{
    const int index = FindScriptBuiltin(name, static_cast<int>(std::strlen(name)));
    double start = NowMs();
    for (int i = 0; i < calls; ++i) {
        CScriptValue result;
        engine.CallBuiltinFunction(index, args, result);
        Pump();
    }
    return (NowMs() - start) / calls;
}

}  // namespace

int main()
{
    HWND target = CreateWindowExA(0, "Edit", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 100, 100, 400, 300,
                                  nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(target);
    SetFocus(target);
    RECT rect;
    GetWindowRect(target, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Pump();

    CMarionet_ScriptFile scriptFile;
    CMarionet_Script engine(scriptFile);
    InstallScriptBuiltins(engine);
    engine.m_nMouseClickDelay = 0;
    engine.m_nMouseClickDownDelay = 0;
    BuiltinState(engine).m_KeySender.m_nKeyDelay = 0;
    BuiltinState(engine).m_KeySender.m_nKeyDownDelay = 0;

    CScriptValueList click;
    click.AppendNew().SetString("left");
    std::printf("MouseClick: %.3f ms a call (delays 0)\n", TimeCalls(engine, "MOUSECLICK", click, 200));

    CScriptValueList send;
    send.AppendNew().SetString(std::string(100, 'a').c_str());
    std::printf("Send of 100 characters: %.3f ms a call (delays 0)\n", TimeCalls(engine, "SEND", send, 10));
    DestroyWindow(target);
    return 0;
}
