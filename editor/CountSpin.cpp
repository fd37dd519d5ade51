#include "editor/CountSpin.h"

void SetUpCountSpin(CNumSpinCtrl& spin, CNumEdit& box, float maximum, float value)
{
    spin.SetBuddy(&box);
    spin.SetRange(1, maximum);
    spin.SetValue(value);
    spin.SetStep(1);
}
