// The message pump that the run loop calls before every line, replaceable so
// that a benchmark can measure the interpreter's own cost of a line apart
// from the pump's.
#pragma once

class CMarionet_Script;

using ScriptLinePumpFunction = void (*)(CMarionet_Script& engine);

// Replaces the pump; nullptr brings back the real one.
void SetScriptLinePump(ScriptLinePumpFunction pump);
