#include "engine/builtins/SystemBuiltinFamilies.h"

#include "engine/ScriptGlobals.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CBuiltinState.h"

#include <string>
#include <vector>

namespace {

// Option bits of the progress and splash windows.
enum PopupOption
{
    kOptionNoCaption = 1,
    kOptionNotTopmost = 2,
    kOptionAlignLeft = 4,
    kOptionAlignRight = 8,
    kOptionMovable = 16,
};

const DWORD kPopupStyle = WS_POPUP | WS_DISABLED | WS_CAPTION;
const DWORD kProgressNoCaptionStyle = WS_POPUP | WS_DISABLED;
const DWORD kSplashNoCaptionStyle = WS_POPUP | WS_DISABLED | WS_BORDER;
const int kSplashWidth = 500;
const int kSplashHeight = 400;
const int kSplashPoints = 12;
const int kSplashMinPoints = 6;
const int kSplashWeight = 400;
const int kMaxFontWeight = 1000;
const int kTitleBufferSize = 32768;

const char* OptionalText(CScriptValueList& args, int index)
{
    return index < args.GetCount() ? args[index].GetText() : "";
}

int OptionalInteger(CScriptValueList& args, int index, int fallback)
{
    return index < args.GetCount() ? args[index].GetInteger() : fallback;
}

// The frame of a splash window from arguments 1 (title) and 3 to 7.
CPopupFrame SplashFrame(CScriptValueList& args, int options)
{
    CPopupFrame frame;
    frame.pszTitle = args[0].GetText();
    frame.dwStyle = kPopupStyle;
    frame.dwExStyle = WS_EX_TOPMOST;
    const int nWidth = OptionalInteger(args, 2, -1);
    const int nHeight = OptionalInteger(args, 3, -1);
    frame.nClientWidth = nWidth == -1 ? kSplashWidth : nWidth;
    frame.nClientHeight = nHeight == -1 ? kSplashHeight : nHeight;
    frame.x = OptionalInteger(args, 4, -1);
    frame.y = OptionalInteger(args, 5, -1);
    if (options == -1)
        return frame;
    if (options & kOptionNotTopmost)
        frame.dwExStyle = 0;
    if (options & kOptionNoCaption)
        frame.dwStyle = kSplashNoCaptionStyle;
    if (options & kOptionMovable)
        frame.dwStyle ^= WS_DISABLED;
    return frame;
}

int ProgressOn(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    const int nOptions = OptionalInteger(args, 5, 0);
    CPopupFrame frame;
    frame.pszTitle = args[0].GetText();
    frame.dwStyle = (nOptions & kOptionNoCaption) ? kProgressNoCaptionStyle : kPopupStyle;
    frame.dwExStyle = (nOptions & kOptionNotTopmost) ? 0 : WS_EX_TOPMOST;
    if (nOptions & kOptionMovable)
        frame.dwStyle ^= WS_DISABLED;
    frame.x = OptionalInteger(args, 3, -1);
    frame.y = OptionalInteger(args, 4, -1);
    BuiltinState(engine).m_ProgressWindow.Open(frame, args[1].GetText(), OptionalText(args, 2), EngineWindowHandle);
    return 0;
}

int ProgressSet(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    CProgressWindow& window = BuiltinState(engine).m_ProgressWindow;
    window.SetPercent(args[0].GetInteger());
    if (*OptionalText(args, 1))
        window.SetSubText(args[1].GetText());
    if (args.GetCount() == 3)
        window.SetMainText(args[2].GetText());
    return 0;
}

int ProgressOff(CMarionet_Script& engine, CScriptValueList&, CScriptValue&)
{
    BuiltinState(engine).m_ProgressWindow.Destroy();
    return 0;
}

int SplashTextOn(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    const int nOptions = OptionalInteger(args, 6, -1);
    DWORD dwAlign = SS_CENTER;
    if (nOptions != -1) {
        const int nAlign = nOptions & (kOptionAlignLeft | kOptionAlignRight);
        if (nAlign == kOptionAlignLeft)
            dwAlign = SS_LEFT;
        else if (nAlign == kOptionAlignRight)
            dwAlign = SS_RIGHT;
    }
    const std::string strFace = *OptionalText(args, 7) ? args[7].GetText() : DefaultGuiFontFace();
    const int nPoints = OptionalInteger(args, 8, 0);
    const int nWeight = OptionalInteger(args, 9, -1);
    BuiltinState(engine).m_SplashWindow.OpenText(SplashFrame(args, nOptions), args[1].GetText(), dwAlign,
                                                 strFace.c_str(), nPoints >= kSplashMinPoints ? nPoints : kSplashPoints,
                                                 nWeight >= 0 && nWeight <= kMaxFontWeight ? nWeight : kSplashWeight,
                                                 EngineWindowHandle);
    return 0;
}

int SplashImageOn(CMarionet_Script& engine, CScriptValueList& args, CScriptValue&)
{
    if (!BuiltinState(engine).m_SplashWindow.OpenImage(SplashFrame(args, OptionalInteger(args, 6, -1)),
                                                       args[1].GetText(), EngineWindowHandle))
        return engine.ReportScriptError("The requested picture file could not be loaded.", -1);
    return 0;
}

int SplashOff(CMarionet_Script& engine, CScriptValueList&, CScriptValue&)
{
    BuiltinState(engine).m_SplashWindow.Destroy();
    return 0;
}

int WinSetTitle(CMarionet_Script&, CScriptValueList& args, CScriptValue&)
{
    if (EngineWindowHandle)
        SetWindowTextA(EngineWindowHandle, args[0].GetText());
    return 0;
}

int WinGetTitle(CMarionet_Script&, CScriptValueList&, CScriptValue& result)
{
    std::vector<char> buffer(kTitleBufferSize, '\0');
    if (EngineWindowHandle)
        GetWindowTextA(EngineWindowHandle, buffer.data(), kTitleBufferSize);
    result.SetString(buffer.data());
    return 0;
}

}  // namespace

void RegisterEngineWindowBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"PROGRESSON", ProgressOn},         {"PROGRESSSET", ProgressSet},       {"PROGRESSOFF", ProgressOff},
        {"SPLASHTEXTON", SplashTextOn},     {"SPLASHIMAGEON", SplashImageOn},   {"SPLASHOFF", SplashOff},
        {"DARIREWINSETTITLE", WinSetTitle}, {"DARIREWINGETTITLE", WinGetTitle},
    };
    BindBuiltins(engine, kBindings);
}
