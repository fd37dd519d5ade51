#pragma once

// An opaque place in a list or a map, walked with GetNext / GetNextAssoc;
// a null POSITION means "no more elements".
struct CPositionTag;
using POSITION = CPositionTag*;
