#include "app/ListCheckState.h"

#include <algorithm>

namespace {

int StateImageIndex(UINT state)
{
    return static_cast<int>((state >> 12) & 0xF);
}

}  // namespace

bool DecodeCheckStateChange(UINT oldState, UINT newState, int& oldCheck, int& newCheck)
{
    if (oldState == 0 && newState == 0)
        return false;
    newCheck = std::max(StateImageIndex(newState) - 1, 0);
    oldCheck = StateImageIndex(oldState) != 0 ? StateImageIndex(oldState) - 1 : 0;
    return oldCheck != newCheck;
}
