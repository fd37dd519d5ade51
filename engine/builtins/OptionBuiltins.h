#pragma once

#include "engine/CMarionet_Script.h"

// OPT and DARIRESETOPTION.
void RegisterOptionBuiltins(CMarionet_Script& engine);
