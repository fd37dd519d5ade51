#pragma once

#include "engine/CMarionet_Script.h"

// RUN, RUNWAIT, RUNREADYINPUT and RUNASSET: programs and documents started,
// as the current user or under the account RUNASSET set.
void RegisterRunBuiltins(CMarionet_Script& engine);
