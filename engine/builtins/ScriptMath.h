#pragma once

#include <cstdint>

class CScriptValue;

// Number rules of the math and conversion built-ins, kept apart from the
// handlers so that the edge cases (huge, infinite and not-a-number operands)
// are decided in one place.

// ROUND: halves away from zero at 10^digits. Digit counts whose scale cannot
// be applied leave the value as it is (or give a zero of its sign when the
// scale underflows), never an overflow or a division by zero.
double ScriptRound(double value, int digits);

// MOD: the remainder with the sign of the dividend, n1 - n2 x trunc(n1 / n2)
// while that quotient is exact enough to mean something, fmod beyond.
double ScriptMod(double dividend, double divisor);

// The 32 bits of a number's integer form: truncated toward zero through a
// 64-bit integer that saturates (not-a-number gives 0), low 32 bits kept, so
// 4294967295 gives 0xFFFFFFFF and -1 gives 0xFFFFFFFF too.
uint32_t ScriptNumberBits32(double value);
// The same for a value; a string gives the bits of its own integer form.
uint32_t ScriptValueBits32(const CScriptValue& value);

// BITSHIFT: a positive shift is an arithmetic right shift, a negative one a
// left shift; counts are taken modulo 32.
int32_t ScriptBitShift(uint32_t value, int32_t shift);
