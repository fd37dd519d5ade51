#pragma once

class CMarionet_Script;

// The math and conversion family (with RANDOM and ADLIBDISABLE) and the
// string family, bound into the engine's built-in table.
void RegisterMathBuiltins(CMarionet_Script& engine);
void RegisterConversionBuiltins(CMarionet_Script& engine);
void RegisterStringBuiltins(CMarionet_Script& engine);
void RegisterStringSplitBuiltins(CMarionet_Script& engine);
void RegisterStringClassBuiltins(CMarionet_Script& engine);
void RegisterStringFormatBuiltin(CMarionet_Script& engine);
