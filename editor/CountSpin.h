#pragma once

#include "controls/CNumEdit.h"
#include "controls/CNumSpinCtrl.h"

// Joins a count box to its spin button: whole steps from 1 up to the maximum,
// starting at the value.
void SetUpCountSpin(CNumSpinCtrl& spin, CNumEdit& box, float maximum, float value);
