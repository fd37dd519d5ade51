// The operating system's version record, read once for the whole program.
#pragma once

#include <string>

class COsVersion
{
public:
    // The record of the running system, filled on first use.
    static const COsVersion& Current();

    // Builds a record from raw version figures (platform id as GetVersionExA gives it).
    static COsVersion FromVersion(unsigned long platformId, unsigned long major, unsigned long minor,
                                  unsigned long build, const char* servicePack);

    unsigned long m_nMajor = 0;
    unsigned long m_nMinor = 0;
    unsigned long m_nBuild = 0;
    std::string m_strServicePack;

    // Family flags, all 0 unless set.
    unsigned char m_bNT = 0;
    unsigned char m_b9x = 0;
    unsigned char m_bNT4 = 0;
    unsigned char m_bNT4Or5 = 0;
    unsigned char m_bXPOrLater = 0;
    unsigned char m_bXPOrLater2 = 0;
    unsigned char m_bWin2000 = 0;
    unsigned char m_b2000OrLater = 0;
    unsigned char m_bWin98 = 0;
    unsigned char m_bWin98OrMe = 0;
    unsigned char m_bWin95 = 0;
    unsigned char m_b9xFamily2 = 0;
    unsigned char m_bWinMe = 0;
    unsigned char m_bWinMe2 = 0;
};
