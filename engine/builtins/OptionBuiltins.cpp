#include "engine/builtins/OptionBuiltins.h"

#include "engine/ScriptText.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/CBuiltinState.h"

namespace {

enum EOptionKind
{
    OPTION_FLAG,      // any value: nonzero stores 1
    OPTION_AT_LEAST,  // values below the minimum are refused
    OPTION_MODE,      // 1 to the maximum; any other value stores 1
    OPTION_IGNORED,   // accepted, result left at 1
};

struct COption
{
    const char* pszName;
    int nKind;
    int nLimit;
};

// In the order in which the names are compared.
const COption kOptions[] = {
    {"CaretCoordMode", OPTION_FLAG, 0},          {"ColorMode", OPTION_FLAG, 0},
    {"GUICoordMode", OPTION_IGNORED, 0},         {"GUINotifyMode", OPTION_IGNORED, 0},
    {"GUIResizeMode", OPTION_IGNORED, 0},        {"GuiTaskbarEntry", OPTION_IGNORED, 0},
    {"ExpandEnvStrings", OPTION_FLAG, 0},        {"MouseClickDelay", OPTION_AT_LEAST, 0},
    {"MouseClickDownDelay", OPTION_AT_LEAST, 0}, {"MouseClickDragDelay", OPTION_AT_LEAST, 0},
    {"MouseCoordMode", OPTION_FLAG, 0},          {"MustDeclareVars", OPTION_FLAG, 0},
    {"PixelCoordMode", OPTION_FLAG, 0},          {"RunErrorsFatal", OPTION_FLAG, 0},
    {"SendAttachMode", OPTION_FLAG, 0},          {"SendCapslockMode", OPTION_FLAG, 0},
    {"SendKeyDelay", OPTION_AT_LEAST, -1},       {"SendKeyDownDelay", OPTION_AT_LEAST, -1},
    {"TrayIconDebug", OPTION_FLAG, 0},           {"TrayIconHide", OPTION_IGNORED, 0},
    {"WinSearchChildren", OPTION_FLAG, 0},       {"WinWaitDelay", OPTION_AT_LEAST, 0},
    {"WinDetectHiddenText", OPTION_FLAG, 0},     {"WinTextMatchMode", OPTION_MODE, 2},
    {"WinTitleMatchMode", OPTION_MODE, 4},
};

const int kOptionCount = static_cast<int>(sizeof kOptions / sizeof kOptions[0]);

// Where an option lives: a flag byte or an int, in the engine or its key
// sender.
struct COptionField
{
    unsigned char* pFlag = nullptr;
    int* pValue = nullptr;
};

COptionField FieldOf(CMarionet_Script& engine, int nOption)
{
    CKeySender& sender = BuiltinState(engine).m_KeySender;
    COptionField field;
    switch (nOption) {
    case 0:
        field.pFlag = &engine.m_bCaretCoordMode;
        break;
    case 1:
        field.pFlag = &engine.m_bColorMode;
        break;
    case 6:
        field.pFlag = &engine.m_bExpandEnvStrings;
        break;
    case 7:
        field.pValue = &engine.m_nMouseClickDelay;
        break;
    case 8:
        field.pValue = &engine.m_nMouseClickDownDelay;
        break;
    case 9:
        field.pValue = &engine.m_nMouseClickDragDelay;
        break;
    case 10:
        field.pFlag = &engine.m_bMouseCoordMode;
        break;
    case 11:
        field.pFlag = &engine.m_bMustDeclareVars;
        break;
    case 12:
        field.pFlag = &engine.m_bPixelCoordMode;
        break;
    case 13:
        field.pFlag = &engine.m_bRunErrorsFatal;
        break;
    case 14:
        field.pFlag = &sender.m_bAttachMode;
        break;
    case 15:
        field.pFlag = &sender.m_bCapsLockMode;
        break;
    case 16:
        field.pValue = &sender.m_nKeyDelay;
        break;
    case 17:
        field.pValue = &sender.m_nKeyDownDelay;
        break;
    case 18:
        field.pFlag = &engine.m_bTrayIconDebug;
        break;
    case 20:
        field.pFlag = &engine.m_bWinSearchChildren;
        break;
    case 21:
        field.pValue = &engine.m_nWinWaitDelay;
        break;
    case 22:
        field.pFlag = &engine.m_bWinDetectHiddenText;
        break;
    case 23:
        field.pValue = &engine.m_nWinTextMatchMode;
        break;
    case 24:
        field.pValue = &engine.m_nWinTitleMatchMode;
        break;
    default:
        break;
    }
    return field;
}

int Opt(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const int nValue = args[1].GetInteger();
    for (int i = 0; i < kOptionCount; ++i) {
        const COption& option = kOptions[i];
        if (ScriptCompareNoCase(args[0].GetText(), option.pszName) != 0)
            continue;
        if (option.nKind == OPTION_IGNORED)
            return 0;
        const COptionField field = FieldOf(engine, i);
        if (field.pFlag) {
            result.SetInteger(*field.pFlag);
            *field.pFlag = nValue != 0 ? 1 : 0;
            return 0;
        }
        result.SetInteger(*field.pValue);
        if (option.nKind == OPTION_AT_LEAST) {
            if (nValue >= option.nLimit)
                *field.pValue = nValue;
        } else {
            *field.pValue = (nValue >= 1 && nValue <= option.nLimit) ? nValue : 1;
        }
        return 0;
    }
    return engine.ReportScriptError("Unknown option or bad parameter specified.", -1);
}

}  // namespace

void RegisterOptionBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"OPT", Opt},
        {"DARIRESETOPTION", Opt},
    };
    BindBuiltins(engine, kBindings);
}
