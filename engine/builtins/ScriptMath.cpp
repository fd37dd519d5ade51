#include "engine/builtins/ScriptMath.h"

#include "engine/CScriptValue.h"

#include <cmath>

namespace {

// 2^52: from here on a double holds no fraction, so there is nothing to round.
constexpr long double kRoundLimit = 4503599627370496.0L;
// 2^53: beyond this quotient trunc(n1 / n2) is no longer exact.
constexpr double kModLimit = 9007199254740992.0;
// 2^63 as a double: the first value outside the signed 64-bit range.
constexpr double kInt64Limit = 9223372036854775808.0;

}  // namespace

double ScriptRound(double value, int digits)
{
    // Scaled in the processor's extended precision, as the other math is.
    const long double scale = std::pow(10.0L, static_cast<long double>(digits));
    if (scale == 0.0L)
        return std::copysign(0.0, value);
    const long double scaled = static_cast<long double>(value) * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kRoundLimit)
        return value;
    const long double rounded = value >= 0 ? std::floor(scaled + 0.5L) : std::ceil(scaled - 0.5L);
    return static_cast<double>(rounded / scale);
}

double ScriptMod(double dividend, double divisor)
{
    // Each step is stored as a double (the x87 unit would otherwise keep 80
    // bits), so MOD(5.5, 1.1) gives 0 as the quotient 5 suggests.
    volatile double quotient = dividend / divisor;
    if (std::fabs(quotient) < kModLimit) {
        volatile double product = divisor * std::trunc(quotient);
        return dividend - product;
    }
    // A divisor of 0 gives an infinite or undefined quotient and takes the
    // formula's not-a-number from fmod as well.
    return std::fmod(dividend, divisor);
}

uint32_t ScriptNumberBits32(double value)
{
    if (std::isnan(value))
        return 0;
    int64_t whole;
    if (value >= kInt64Limit)
        whole = INT64_MAX;
    else if (value < -kInt64Limit)
        whole = INT64_MIN;
    else
        whole = static_cast<int64_t>(value);
    return static_cast<uint32_t>(whole);
}

uint32_t ScriptValueBits32(const CScriptValue& value)
{
    // A string's integer form is read from its text ("1e3" is 1), not
    // truncated from its number form.
    if (value.IsString())
        return static_cast<uint32_t>(value.GetInteger());
    return ScriptNumberBits32(value.GetNumber());
}

int32_t ScriptBitShift(uint32_t value, int32_t shift)
{
    uint32_t shifted = value;
    if (shift > 0) {
        const unsigned count = static_cast<uint32_t>(shift) & 31u;
        // Arithmetic right shift, written out so it does not rest on the
        // compiler's choice for negative numbers.
        shifted = (value & 0x80000000u) ? ~(~value >> count) : value >> count;
    } else if (shift < 0) {
        const unsigned count = (0u - static_cast<uint32_t>(shift)) & 31u;
        shifted = value << count;
    }
    return static_cast<int32_t>(shifted);
}
