#include "engine/builtins/WindowBuiltinSupport.h"

#include "engine/system/PreciseSleep.h"
#include "engine/ScriptArrays.h"
#include "engine/builtins/CBuiltinState.h"

CWindowSearch& WindowSearchOf(CMarionet_Script& engine)
{
    return BuiltinState(engine).m_WindowSearch;
}

WindowSearchOptions WindowSearchOptionsOf(const CMarionet_Script& engine)
{
    WindowSearchOptions options;
    options.m_nTitleMatchMode = engine.m_nWinTitleMatchMode;
    options.m_nTextMatchMode = engine.m_nWinTextMatchMode;
    options.m_bDetectHiddenText = engine.m_bWinDetectHiddenText != 0;
    options.m_bSearchChildren = engine.m_bWinSearchChildren != 0;
    return options;
}

void SetWindowSearch(CMarionet_Script& engine, CScriptValueList& args, int count)
{
    // The engine's copy is what a pending wait polls for; nested runs save and
    // restore it around themselves.
    engine.m_Wait.m_sTitle = args[0].GetText();
    engine.m_Wait.m_sText = count >= 2 ? args[1].GetText() : "";
    WindowSearchOf(engine).SetWindowSearch(engine.m_Wait.m_sTitle, engine.m_Wait.m_sText);
}

bool FindWindowOfArguments(CMarionet_Script& engine, CScriptValueList& args)
{
    SetWindowSearch(engine, args, args.GetCount());
    return WindowSearchOf(engine).FindSearchedWindow(WindowSearchOptionsOf(engine));
}

bool FindControlOfArguments(CMarionet_Script& engine, CScriptValueList& args)
{
    return WindowSearchOf(engine).FindSearchedControl(args[0].GetText(), args[1].GetText(), args[2].GetText(),
                                                      WindowSearchOptionsOf(engine));
}

void PauseAfterWindowAction(const CMarionet_Script& engine)
{
    PreciseSleep(engine.m_nWinWaitDelay);
}

bool ForegroundWindowOrigin(POINT& origin)
{
    origin = {0, 0};
    RECT rect;
    if (!GetWindowRect(GetForegroundWindow(), &rect))
        return false;
    origin = {rect.left, rect.top};
    return true;
}

void SetIntegerArray(CScriptValue& result, std::initializer_list<int> values)
{
    if (!MakeArray1D(result, static_cast<int>(values.size())))
        return;
    int index = 0;
    for (int value : values) {
        if (CScriptValue* element = ArrayElement1D(result, index++))
            element->SetInteger(value);
    }
}

LPARAM CentreOfWindow(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    int halfWidth = (rect.right - rect.left) / 2;
    int halfHeight = (rect.bottom - rect.top) / 2;
    return MAKELPARAM(halfWidth, halfHeight);
}
