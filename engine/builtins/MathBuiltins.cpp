#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/MathStringBuiltins.h"
#include "engine/builtins/ScriptMath.h"

#include "engine/MersenneTwister.h"

#include <cmath>

// The numeric built-ins compute in the processor's extended precision and
// store a double. Domain errors (LOG(0), SQRT(-1), ...) give the floating-point
// infinity or not-a-number without setting @error.

namespace {

using UnaryFunction = long double (*)(long double);

// The C library's long-double functions serve as they are; the overloads of
// <cmath> cannot be named as one function.
template <UnaryFunction F>
int UnaryMath(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetDouble(static_cast<double>(F(args[0].GetNumber())));
    return 0;
}

// The two arc functions through atan2, so that ACOS(-1) is exactly pi.
long double Asin(long double x)
{
    return std::atan2(x, std::sqrt(1 - x * x));
}
long double Acos(long double x)
{
    return 2 * std::atan2(std::sqrt((1 - x) / (1 + x)), 1.0L);
}

int Mod(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetDouble(ScriptMod(args[0].GetNumber(), args[1].GetNumber()));
    return 0;
}

int Round(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    const int digits = args.GetCount() > 1 ? args[1].GetInteger() : 0;
    result.SetDouble(ScriptRound(args[0].GetNumber(), digits));
    return 0;
}

// Truncation of the double itself: huge values, infinities and not-a-number
// come back as they went in. Adding 0 turns the -0 of INT(-0.5) into the 0 an
// integer would give, so it does not print as "-0".
int Int(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetDouble(std::trunc(args[0].GetNumber()) + 0.0);
    return 0;
}

int Random(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const int count = args.GetCount();
    if (count == 0) {
        result.SetDouble(ScriptRandom().NextReal());
        return 0;
    }
    if (count == 1) {
        if (!args[0].IsNumber()) {
            engine.SetErrorCode(1);
            return 0;
        }
        const double max = args[0].GetNumber();
        // Written so that not-a-number fails the test as 0 does.
        if (!(max > 0)) {
            engine.SetErrorCode(2);
            return 0;
        }
        result.SetDouble(ScriptRandom().NextReal() * max);
        return 0;
    }
    if (args[0].IsArray() || args[1].IsArray()) {
        engine.SetErrorCode(1);
        return 0;
    }
    const double min = args[0].GetNumber();
    const double max = args[1].GetNumber();
    if (!(min < max)) {
        engine.SetErrorCode(2);
        return 0;
    }
    result.SetDouble(min + ScriptRandom().NextReal() * (max - min));
    return 0;
}

int AdlibDisable(CMarionet_Script& engine, CScriptValueList&, CScriptValue&)
{
    engine.m_bAdlibEnabled = 0;
    engine.m_sAdlibFunction.Clear();
    return 0;
}

}  // namespace

void RegisterMathBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"EXP", UnaryMath<expl>},
        {"LOG", UnaryMath<logl>},
        {"SIN", UnaryMath<sinl>},
        {"COS", UnaryMath<cosl>},
        {"TAN", UnaryMath<tanl>},
        {"ASIN", UnaryMath<Asin>},
        {"ACOS", UnaryMath<Acos>},
        {"ATAN", UnaryMath<atanl>},
        {"ABS", UnaryMath<fabsl>},
        {"SQRT", UnaryMath<sqrtl>},
        {"MOD", Mod},
        {"ROUND", Round},
        {"INT", Int},
        {"RANDOM", Random},
        {"ADLIBDISABLE", AdlibDisable},
    };
    BindBuiltins(engine, kBindings);
}
