#include "framework/WideText.h"

bool WidenText(const char* pszText, std::wstring& wide, ETextLoss loss, UINT uCodePage)
{
    wide.clear();
    if (!pszText || !*pszText)
        return true;
    const DWORD dwFlags = loss == TEXT_REFUSE_LOSS ? MB_ERR_INVALID_CHARS : 0;
    const int nLength = MultiByteToWideChar(uCodePage, dwFlags, pszText, -1, nullptr, 0);
    if (nLength <= 0)
        return false;
    wide.assign(static_cast<size_t>(nLength), L'\0');
    if (MultiByteToWideChar(uCodePage, dwFlags, pszText, -1, &wide[0], nLength) != nLength) {
        wide.clear();
        return false;
    }
    wide.resize(static_cast<size_t>(nLength) - 1);
    return true;
}

bool NarrowText(const wchar_t* pszText, std::string& text, ETextLoss loss, UINT uCodePage)
{
    text.clear();
    if (!pszText || !*pszText)
        return true;
    // UTF-8 holds every character and takes neither the best-fit flag nor the
    // question whether a default was used: there only broken text is lost.
    const bool bRefuse = loss == TEXT_REFUSE_LOSS;
    const bool bUtf8 = uCodePage == CP_UTF8 || (uCodePage == CP_ACP && GetACP() == CP_UTF8);
    DWORD dwFlags = 0;
    if (bRefuse)
        dwFlags = bUtf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL bLost = FALSE;
    const int nLength =
        WideCharToMultiByte(uCodePage, dwFlags, pszText, -1, nullptr, 0, nullptr, bRefuse && !bUtf8 ? &bLost : nullptr);
    if (nLength <= 0 || bLost)
        return false;
    text.assign(static_cast<size_t>(nLength), '\0');
    if (WideCharToMultiByte(uCodePage, dwFlags, pszText, -1, &text[0], nLength, nullptr, nullptr) != nLength) {
        text.clear();
        return false;
    }
    text.resize(static_cast<size_t>(nLength) - 1);
    return true;
}

std::wstring Widened(const char* pszText, UINT uCodePage)
{
    std::wstring wide;
    WidenText(pszText, wide, TEXT_REPLACE_LOSS, uCodePage);
    return wide;
}

std::string Narrowed(const wchar_t* pszText, UINT uCodePage)
{
    std::string text;
    NarrowText(pszText, text, TEXT_REPLACE_LOSS, uCodePage);
    return text;
}
