#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MathStringBuiltins.h"
#include "engine/builtins/ScriptMath.h"

#include "engine/ScriptNumber.h"
#include "engine/TextHelpers.h"

namespace {

// Longest HEX result: a 32-bit value has 8 digits.
constexpr int kMaxHexDigits = 8;

int Asc(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(static_cast<unsigned char>(args[0].GetText()[0]));
    return 0;
}

int Chr(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const char c = args[0].IsNumber() ? static_cast<char>(ScriptValueBits32(args[0]) & 0xFF) : '\0';
    result.SetString(&c, c != '\0' ? 1 : 0);
    return 0;
}

int Dec(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const CScriptString& digits = args[0].GetString();
    int value = 0;
    if (!ScriptReadHex(digits.GetText(), digits.GetLength(), value))
        engine.SetErrorCode(1);
    result.SetInteger(value);
    return 0;
}

int Hex(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const uint32_t value = ScriptValueBits32(args[0]);
    const int length = args[1].GetInteger();
    char digits[kMaxHexDigits + 1] = {};
    if (length < 0 || length > kMaxHexDigits || !FormatHexDigits(value, digits, length))
        engine.SetErrorCode(1);
    result.SetString(digits);
    return 0;
}

// ISARRAY, ISSTRING, ISNUMBER, ISINT and ISFLOAT: 1 when the argument is of
// the kind, else 0.
template <bool (CScriptValue::*IsKind)() const>
int KindTest(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger((args[0].*IsKind)() ? 1 : 0);
    return 0;
}

int Number(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result = args[0];
    result.MakeNumber();
    return 0;
}

int String(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result = args[0];
    result.MakeString();
    return 0;
}

template <uint32_t (*Combine)(uint32_t, uint32_t)>
int BitCombine(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    uint32_t bits = ScriptValueBits32(args[0]);
    for (int i = 1; i < args.GetCount(); ++i)
        bits = Combine(bits, ScriptValueBits32(args[i]));
    result.SetInteger(static_cast<int32_t>(bits));
    return 0;
}

uint32_t And(uint32_t a, uint32_t b)
{
    return a & b;
}
uint32_t Or(uint32_t a, uint32_t b)
{
    return a | b;
}
uint32_t Xor(uint32_t a, uint32_t b)
{
    return a ^ b;
}

int BitNot(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(static_cast<int32_t>(~ScriptValueBits32(args[0])));
    return 0;
}

int BitShift(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(ScriptBitShift(ScriptValueBits32(args[0]), args[1].GetInteger()));
    return 0;
}

}  // namespace

void RegisterConversionBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"ASC", Asc},
        {"CHR", Chr},
        {"DEC", Dec},
        {"HEX", Hex},
        {"ISARRAY", KindTest<&CScriptValue::IsArray>},
        {"ISSTRING", KindTest<&CScriptValue::IsString>},
        {"ISNUMBER", KindTest<&CScriptValue::IsNumber>},
        {"ISINT", KindTest<&CScriptValue::IsInteger>},
        {"ISFLOAT", KindTest<&CScriptValue::IsFraction>},
        {"NUMBER", Number},
        {"STRING", String},
        {"BITAND", BitCombine<And>},
        {"BITOR", BitCombine<Or>},
        {"BITXOR", BitCombine<Xor>},
        {"BITNOT", BitNot},
        {"BITSHIFT", BitShift},
    };
    BindBuiltins(engine, kBindings);
}
