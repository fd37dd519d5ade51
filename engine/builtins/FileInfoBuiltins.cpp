#include "engine/builtins/FileInfoBuiltins.h"

#include "engine/ScriptArrays.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/BuiltinResult.h"
#include "engine/system/FileTreeWalk.h"
#include "engine/system/SystemFiles.h"
#include "engine/system/SystemPaths.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct AttributeLetter
{
    char m_chLetter;
    DWORD m_dwAttribute;
};

// In the order FILEGETATTRIB writes them.
const AttributeLetter kAttributeLetters[] = {
    {'R', FILE_ATTRIBUTE_READONLY}, {'A', FILE_ATTRIBUTE_ARCHIVE},    {'S', FILE_ATTRIBUTE_SYSTEM},
    {'H', FILE_ATTRIBUTE_HIDDEN},   {'N', FILE_ATTRIBUTE_NORMAL},     {'D', FILE_ATTRIBUTE_DIRECTORY},
    {'O', FILE_ATTRIBUTE_OFFLINE},  {'C', FILE_ATTRIBUTE_COMPRESSED}, {'T', FILE_ATTRIBUTE_TEMPORARY},
};

// The letters FILESETATTRIB can change.
const char kSettableLetters[] = "RASHNOT";

// Two or four digits from the text into the part; false on anything else.
bool ReadDigits(const char*& p, int nCount, WORD& part)
{
    int nValue = 0;
    for (int i = 0; i < nCount; ++i, ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)))
            return false;
        nValue = nValue * 10 + (*p - '0');
    }
    part = static_cast<WORD>(nValue);
    return true;
}

// The FILESETTIME time text, four year digits then two digits each for
// month, day, hour, minute and second while two chars remain (missing parts:
// 1 January, midnight), as a file time; "" is now. False when a part is not
// digits or the parts form no date, so that nothing is set to a wrong time.
bool ParseFileTimeText(const char* pszText, FILETIME& time)
{
    if (!*pszText) {
        GetSystemTimeAsFileTime(&time);
        return true;
    }
    SYSTEMTIME local = {};
    local.wMonth = 1;
    local.wDay = 1;
    const char* p = pszText;
    if (!ReadDigits(p, 4, local.wYear))
        return false;
    for (WORD* part : {&local.wMonth, &local.wDay, &local.wHour, &local.wMinute, &local.wSecond}) {
        if (std::strlen(p) < 2)
            break;
        if (!ReadDigits(p, 2, *part))
            return false;
    }
    FILETIME localTime;
    return SystemTimeToFileTime(&local, &localTime) && LocalFileTimeToFileTime(&localTime, &time);
}

// The FILESETATTRIB text: letters after "+" are added, after "-" removed
// ("+" at first); a sign is followed by a letter. False for any other char,
// a sign after a sign or a sign at the end, before anything changes.
bool ParseAttributeText(const char* pszText, DWORD& dwAdd, DWORD& dwRemove)
{
    dwAdd = dwRemove = 0;
    bool bAdding = true;
    for (const char* p = pszText; *p; ++p) {
        if (*p == '+' || *p == '-') {
            bAdding = *p == '+';
            ++p;
        }
        const char chLetter = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
        if (!chLetter || !std::strchr(kSettableLetters, chLetter))
            return false;
        for (const AttributeLetter& letter : kAttributeLetters) {
            if (letter.m_chLetter == chLetter)
                (bAdding ? dwAdd : dwRemove) |= letter.m_dwAttribute;
        }
    }
    return true;
}

int FileGetTime(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    // Write sharing too: a file the script holds open for writing must stay readable.
    HANDLE file = CreateFileA(args[0].GetText(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        engine.SetErrorCode(1);
        return 0;
    }
    FILETIME created;
    FILETIME accessed;
    FILETIME written;
    const BOOL bRead = GetFileTime(file, &created, &accessed, &written);
    CloseHandle(file);
    const int nType = args.GetCount() > 1 ? args[1].GetInteger() : 0;
    const FILETIME& chosen = nType == 1 ? created : nType == 2 ? accessed : written;
    FILETIME local;
    SYSTEMTIME time;
    if (!bRead || !FileTimeToLocalFileTime(&chosen, &local) || !FileTimeToSystemTime(&local, &time)) {
        engine.SetErrorCode(1);
        return 0;
    }
    char year[16];
    std::snprintf(year, sizeof year, "%4d", time.wYear);
    std::vector<std::string> parts = {year};
    for (WORD part : {time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond}) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d", part);
        parts.push_back(text);
    }
    SetStringArray(result, parts);
    return 0;
}

int FileSetTime(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    FILETIME time;
    if (!ParseFileTimeText(args[1].GetText(), time))
        return ZeroUnless(false, result);
    const int nType = args.GetCount() > 2 ? args[2].GetInteger() : 0;
    const bool bRecurse = args.GetCount() > 3 && args[3].GetInteger() == 1;
    return ZeroUnless(ApplyToFileArgument(args[0].GetText(), bRecurse,
                                          [&time, nType](const std::string& path) {
                                              return SetFileTimeByType(path.c_str(), time, nType);
                                          }),
                      result);
}

int FileGetSize(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(args[0].GetText(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        engine.SetErrorCode(1);
        return ZeroUnless(false, result);
    }
    FindClose(find);
    result.SetDouble(static_cast<double>((static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow));
    return 0;
}

int FileGetAttrib(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const DWORD dwAttributes = GetFileAttributesA(args[0].GetText());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES) {
        engine.SetErrorCode(1);
        result.SetString("");
        return 0;
    }
    std::string letters;
    for (const AttributeLetter& letter : kAttributeLetters) {
        if (dwAttributes & letter.m_dwAttribute)
            letters += letter.m_chLetter;
    }
    result.SetString(letters.c_str());
    return 0;
}

int FileSetAttrib(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    DWORD dwAdd = 0;
    DWORD dwRemove = 0;
    if (!ParseAttributeText(args[1].GetText(), dwAdd, dwRemove))
        return ZeroUnless(false, result);
    const bool bRecurse = args.GetCount() > 2 && args[2].GetInteger() == 1;
    return ZeroUnless(ApplyToFileArgument(args[0].GetText(), bRecurse,
                                          [dwAdd, dwRemove](const std::string& path) {
                                              const DWORD dwCurrent = GetFileAttributesA(path.c_str());
                                              return dwCurrent != INVALID_FILE_ATTRIBUTES &&
                                                     SetFileAttributesA(path.c_str(), (dwCurrent | dwAdd) & ~dwRemove);
                                          }),
                      result);
}

int FileGetVersion(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    std::string version;
    if (!GetFileVersionText(args[0].GetText(), version)) {
        engine.SetErrorCode(1);
        version = "0.0.0.0";
    }
    result.SetString(version.c_str());
    return 0;
}

int FileGetLongName(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    std::string longName;
    const bool bDone = GetLongFileName(args[0].GetText(), longName);
    return TextUnlessError(engine, bDone, longName, result);
}

int FileGetShortName(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const char* pszPath = args[0].GetText();
    const DWORD dwSize = GetShortPathNameA(pszPath, nullptr, 0);
    std::vector<char> buffer(dwSize + 1, '\0');
    const DWORD dwLength = dwSize ? GetShortPathNameA(pszPath, buffer.data(), dwSize + 1) : 0;
    if (dwLength == 0 || dwLength > dwSize) {
        engine.SetErrorCode(1);
        result.SetString(pszPath);
        return 0;
    }
    result.SetString(buffer.data());
    return 0;
}

int FileExists(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    result.SetInteger(FileExistsPattern(args[0].GetText()) ? 1 : 0);
    return 0;
}

int FileChangeDir(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(SetCurrentDirectoryA(args[0].GetText()) != FALSE, result);
}

}  // namespace

void RegisterFileInfoBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"FILEGETTIME", FileGetTime},         {"FILESETTIME", FileSetTime},
        {"FILEGETSIZE", FileGetSize},         {"FILEGETATTRIB", FileGetAttrib},
        {"FILESETATTRIB", FileSetAttrib},     {"FILEGETVERSION", FileGetVersion},
        {"FILEGETLONGNAME", FileGetLongName}, {"FILEGETSHORTNAME", FileGetShortName},
        {"FILEEXISTS", FileExists},           {"FILECHANGEDIR", FileChangeDir},
    };
    BindBuiltins(engine, kBindings);
}
