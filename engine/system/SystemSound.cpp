#include "engine/system/SystemSound.h"

#include "engine/system/SystemTextLimit.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

void CloseSound()
{
    char mode[64] = "";
    if (mciSendStringA("status PlayMe mode", mode, sizeof mode, nullptr) == 0)
        mciSendStringA("close PlayMe", nullptr, 0, nullptr);
}

bool PlaySoundFile(const char* file, bool wait)
{
    CloseSound();
    if (!file || !*file)
        return true;
    if (!FitsSystemCall(kCopiedPathLimit, {file}))
        return false;
    std::string open = std::string("open \"") + file + "\" alias PlayMe";
    if (mciSendStringA(open.c_str(), nullptr, 0, nullptr) != 0)
        return false;
    if (!wait)
        return mciSendStringA("play PlayMe", nullptr, 0, nullptr) == 0;
    bool played = mciSendStringA("play PlayMe wait", nullptr, 0, nullptr) == 0;
    mciSendStringA("close PlayMe", nullptr, 0, nullptr);
    return played;
}
