// The figures of the wait benchmarks: how long after its event each try's
// wait ended.
#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

// Prints the median, shortest and longest reaction of the tries; 1, with the
// reason, when no try's wait was ended by its event.
inline int PrintReactions(const char* wait, const char* noReaction, std::vector<double> reactions)
{
    std::sort(reactions.begin(), reactions.end());
    if (reactions.empty()) {
        std::printf("%s reaction: %s\n", wait, noReaction);
        return 1;
    }
    std::printf("%s reaction over %zu tries: median %.1f ms, min %.1f ms, max %.1f ms\n", wait, reactions.size(),
                reactions[reactions.size() / 2], reactions.front(), reactions.back());
    return 0;
}
