#pragma once

#include "engine/CMarionet_Script.h"

// The drive built-ins: types, space, status and volume of drives, the drive
// list (DRIVEGETDRIVE), network mappings (DRIVEMAP*) and the CD tray.
void RegisterDriveBuiltins(CMarionet_Script& engine);
