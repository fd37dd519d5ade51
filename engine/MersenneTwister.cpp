#include "engine/MersenneTwister.h"

#include <sys/timeb.h>

#include <ctime>

void MersenneTwister::Seed(uint32_t seed)
{
    m_aState[0] = seed;
    for (int i = 1; i < 624; ++i)
        m_aState[i] = 1812433253UL * (m_aState[i - 1] ^ (m_aState[i - 1] >> 30)) + static_cast<uint32_t>(i);
    m_nIndex = 624;
    m_bSeeded = true;
}

void MersenneTwister::Regenerate()
{
    for (int i = 0; i < 624; ++i) {
        uint32_t y = (m_aState[i] & 0x80000000UL) | (m_aState[(i + 1) % 624] & 0x7FFFFFFFUL);
        m_aState[i] = m_aState[(i + 397) % 624] ^ (y >> 1) ^ ((y & 1) ? 0x9908B0DFUL : 0);
    }
    m_nIndex = 0;
}

uint32_t MersenneTwister::Next()
{
    if (!m_bSeeded)
        Seed(static_cast<uint32_t>(std::time(nullptr)));
    if (m_nIndex >= 624)
        Regenerate();
    uint32_t y = m_aState[m_nIndex++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680UL;
    y ^= (y << 15) & 0xEFC60000UL;
    y ^= y >> 18;
    return y;
}

double MersenneTwister::NextReal()
{
    return Next() * (1.0 / 4294967296.0);
}

MersenneTwister& ScriptRandom()
{
    static MersenneTwister generator;
    return generator;
}

void SeedRandomFromClock()
{
    struct __timeb64 now;
    _ftime64(&now);
    ScriptRandom().Seed(static_cast<uint32_t>(now.time) * static_cast<uint32_t>(now.millitm));
}
