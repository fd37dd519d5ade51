// The cost of one process-wait poll: FindProcess over the whole process list
// for a name that is not running (the worst case, every entry compared). The
// waits poll every 10 ms, so this is their share of the GUI thread.
#include "bench/BenchClock.h"
#include "engine/system/SystemProcess.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

int main()
{
    const int kPolls = 200;
    std::vector<double> costs;
    for (int i = 0; i < kPolls; ++i) {
        DWORD id = 0;
        bool found = false;
        const double start = NowMs();
        if (!FindProcess("bench-no-such-process.exe", id, found)) {
            std::printf("FindProcess poll: no process list\n");
            return 1;
        }
        costs.push_back(NowMs() - start);
    }
    std::sort(costs.begin(), costs.end());
    std::printf("FindProcess poll over %d polls: median %.3f ms, min %.3f ms, max %.3f ms (%.1f%% of a 10 ms period)\n",
                kPolls, costs[kPolls / 2], costs.front(), costs.back(), costs[kPolls / 2] * 10.0);
    return 0;
}
