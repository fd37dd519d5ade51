// A pause that is exact for short delays.
#pragma once

// Sleeps ms milliseconds; below the system's sleep granularity it busy-waits on
// the performance counter, yielding between reads. Negative values return at once.
void PreciseSleep(int ms);
