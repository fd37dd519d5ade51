#include "engine/builtins/MathStringBuiltins.h"

void RegisterMathAndStringBuiltins(CMarionet_Script& engine)
{
    RegisterMathBuiltins(engine);
    RegisterConversionBuiltins(engine);
    RegisterStringBuiltins(engine);
    RegisterStringSplitBuiltins(engine);
    RegisterStringClassBuiltins(engine);
    RegisterStringFormatBuiltin(engine);
}
