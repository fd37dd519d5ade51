#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MathStringBuiltins.h"
#include "engine/builtins/ScriptStringFormat.h"

namespace {

int StringFormat(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const std::string text = ScriptStringFormat(args);
    result.SetString(text.c_str(), static_cast<int>(text.size()));
    return 0;
}

}  // namespace

void RegisterStringFormatBuiltin(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"STRINGFORMAT", StringFormat},
    };
    BindBuiltins(engine, kBindings);
}
