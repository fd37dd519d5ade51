#pragma once

#include "engine/CMarionet_Script.h"

// CheckColor, PixelSearch, PixelChecksum and PixelGetColor.
void RegisterPixelBuiltins(CMarionet_Script& engine);

// Exchanges red and blue between the script's 0xRRGGBB and the system's
// 0x00BBGGRR; the invalid colour (all bits set) becomes 0xFFFFFF.
int SwapColourOrder(int colour);

// Adler-32 step over one byte.
void AddToAdler32(unsigned& low, unsigned& high, unsigned char byte);

// Adler-32 over runs x runLength copies of one byte, in one step whatever
// the count: the product may exceed 64 bits.
void AddByteRunsToAdler32(unsigned& low, unsigned& high, unsigned char byte, unsigned long long runs,
                          unsigned long long runLength);
