#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MathStringBuiltins.h"
#include "engine/builtins/NumberGrammar.h"

#include <windows.h>

#include <cctype>

namespace {

using CharTest = bool (*)(unsigned char);

bool IsAlpha(unsigned char c)
{
    return IsCharAlphaA(static_cast<CHAR>(c)) != 0;
}
bool IsAlnum(unsigned char c)
{
    return IsCharAlphaNumericA(static_cast<CHAR>(c)) != 0;
}
bool IsLower(unsigned char c)
{
    return IsCharLowerA(static_cast<CHAR>(c)) != 0;
}
bool IsUpper(unsigned char c)
{
    return IsCharUpperA(static_cast<CHAR>(c)) != 0;
}
bool IsDigit(unsigned char c)
{
    return std::isdigit(c) != 0;
}
bool IsXDigit(unsigned char c)
{
    return std::isxdigit(c) != 0;
}
bool IsSpace(unsigned char c)
{
    return std::isspace(c) != 0;
}
bool IsAscii(unsigned char c)
{
    return c < 128;
}

// 1 when every char passes; tested from the last char to the first, so an
// empty text passes.
template <CharTest Test>
int CharClass(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& text = args[0].GetString();
    int i = text.GetLength();
    while (i > 0 && Test(static_cast<unsigned char>(text.GetText()[i - 1])))
        --i;
    result.SetInteger(i == 0 ? 1 : 0);
    return 0;
}

int StringIsFloat(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(IsFloatText(args[0].GetText()) ? 1 : 0);
    return 0;
}

int StringIsInt(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(IsIntText(args[0].GetText()) ? 1 : 0);
    return 0;
}

}  // namespace

void RegisterStringClassBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"STRINGISALPHA", CharClass<IsAlpha>}, {"STRINGISALNUM", CharClass<IsAlnum>},
        {"STRINGISDIGIT", CharClass<IsDigit>}, {"STRINGISXDIGIT", CharClass<IsXDigit>},
        {"STRINGISLOWER", CharClass<IsLower>}, {"STRINGISUPPER", CharClass<IsUpper>},
        {"STRINGISSPACE", CharClass<IsSpace>}, {"STRINGISASCII", CharClass<IsAscii>},
        {"STRINGISFLOAT", StringIsFloat},      {"STRINGISINT", StringIsInt},
    };
    BindBuiltins(engine, kBindings);
}
