#pragma once

// A pseudo-random int from low to high inclusive, from the C runtime's
// generator (the caller seeds it). An empty range (high below low) gives low.
int RandomInRange(int low, int high);
