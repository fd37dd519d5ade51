#include "engine/system/PreciseSleep.h"

#include "engine/system/COsVersion.h"

#include <windows.h>

void PreciseSleep(int ms)
{
    if (ms < 0)
        return;
    if (ms == 0) {
        Sleep(0);
        return;
    }
    int threshold = COsVersion::Current().m_b9x ? 55 : 10;
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    if (ms >= threshold || !QueryPerformanceFrequency(&frequency) || frequency.QuadPart == 0 ||
        !QueryPerformanceCounter(&start)) {
        Sleep(static_cast<DWORD>(ms));
        return;
    }
    LARGE_INTEGER now = start;
    while ((now.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart < ms) {
        Sleep(0);
        QueryPerformanceCounter(&now);
    }
}
