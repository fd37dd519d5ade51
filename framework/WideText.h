// Conversions between the program's 8-bit text and the wide text of the
// system's W calls and its COM services:
//
//   BSTR address = SysAllocString(Widened(url).c_str());     // as the system converts
//   std::string path;
//   if (!NarrowText(found.c_str(), path, TEXT_REFUSE_LOSS))  // a name must convert exactly
//       return false;
//
// A null text converts as an empty one.
#pragma once

#include <windows.h>

#include <string>

// What a conversion does with what the other side cannot carry.
enum ETextLoss
{
    // Replaced as the system does: by a default character or a look-alike.
    TEXT_REPLACE_LOSS,
    // The conversion fails. Names of files take this: "?" is a wildcard that
    // matches other names, and a look-alike names another file.
    TEXT_REFUSE_LOSS
};

// 8-bit text of the code page as wide text. False, with the result emptied,
// when the system gives none; refusing loss, also for bytes that the code
// page does not define.
bool WidenText(const char* pszText, std::wstring& wide, ETextLoss loss = TEXT_REPLACE_LOSS, UINT uCodePage = CP_ACP);

// Wide text as 8-bit text of the code page. False, with the result emptied,
// when the system gives none; refusing loss, also when a character has no
// exact counterpart in the code page.
bool NarrowText(const wchar_t* pszText, std::string& text, ETextLoss loss = TEXT_REPLACE_LOSS, UINT uCodePage = CP_ACP);

// The replacing conversions, for callers to whom a failed conversion is an
// empty text.
std::wstring Widened(const char* pszText, UINT uCodePage = CP_ACP);
std::string Narrowed(const wchar_t* pszText, UINT uCodePage = CP_ACP);
