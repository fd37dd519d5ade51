// The random generator of scripts: MT19937, one instance for the program.
#pragma once

#include <cstdint>

class MersenneTwister
{
public:
    void Seed(uint32_t seed);
    uint32_t Next();
    // A real in [0, 1) with 32-bit resolution.
    double NextReal();
    bool IsSeeded() const { return m_bSeeded; }

private:
    void Regenerate();

    uint32_t m_aState[624] = {};
    int m_nIndex = 624;
    bool m_bSeeded = false;
};

MersenneTwister& ScriptRandom();

// Seeds the generator with (current time in seconds) x (its millisecond part).
void SeedRandomFromClock();
