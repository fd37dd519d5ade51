#include "robot/RandomInRange.h"

#include <cstdlib>

int RandomInRange(int low, int high)
{
    if (high < low)
        return low;
    // The span of the full int range does not fit in an int.
    const long long span = static_cast<long long>(high) - low + 1;
    return static_cast<int>(low + std::rand() % span);
}
