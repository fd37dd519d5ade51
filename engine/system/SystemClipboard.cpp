#include "engine/system/SystemClipboard.h"

#include <cstring>

bool ReadClipboardText(HWND owner, std::string& text)
{
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner))
        return false;
    bool bRead = false;
    if (HANDLE hData = GetClipboardData(CF_TEXT)) {
        if (const char* pszText = static_cast<const char*>(GlobalLock(hData))) {
            text = pszText;
            GlobalUnlock(hData);
            bRead = true;
        }
    }
    CloseClipboard();
    return bRead;
}

bool WriteClipboardText(HWND owner, const char* text, size_t length)
{
    HGLOBAL hBlock = GlobalAlloc(GMEM_MOVEABLE, length + 1);
    if (!hBlock)
        return false;
    char* pBlock = static_cast<char*>(GlobalLock(hBlock));
    if (!pBlock) {
        GlobalFree(hBlock);
        return false;
    }
    std::memcpy(pBlock, text, length);
    pBlock[length] = '\0';
    GlobalUnlock(hBlock);
    // Until SetClipboardData succeeds the block is still ours to free.
    if (!OpenClipboard(owner)) {
        GlobalFree(hBlock);
        return false;
    }
    EmptyClipboard();
    const bool bSet = SetClipboardData(CF_TEXT, hBlock) != nullptr;
    if (!bSet)
        GlobalFree(hBlock);
    CloseClipboard();
    return bSet;
}
