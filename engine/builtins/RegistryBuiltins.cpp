#include "engine/builtins/RegistryBuiltins.h"

#include "engine/ScriptNumber.h"
#include "engine/TextHelpers.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/system/CRegistryKey.h"
#include "engine/system/SystemRegistry.h"
#include "engine/system/SystemTextLimit.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kKeyMessage[] = "Unable to read/write the requested registry key.";
// Values above this size are not read, and binary data is written up to it.
const DWORD kValueMax = 65535;
const size_t kMultiTextMax = 65536;

// What a built-in opens argument 1's key for: the access it asks, whether a
// missing key is made, and whether it reads. A key that cannot be opened is the
// built-in's soft failure: a read gives the empty text with @error 1, a change
// gives 0. So does a value name (argument 2) too long for the system's calls.
struct KeyUse
{
    REGSAM access;
    bool bCreate;
    bool bRead;
};
const KeyUse kReadKey = {KEY_READ, false, true};
const KeyUse kWriteKey = {KEY_WRITE, true, false};
const KeyUse kDeleteKey = {KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, false, false};

// Opens the key of argument 1 and hands it to the action, whose result is the
// built-in's; 1 after the fatal error of an unknown root. A read's result is
// the empty text until the action sets it.
template <class Action>
int WithKeyOfArgument(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, const KeyUse& use,
                      Action action)
{
    if (use.bRead)
        result.SetString("");
    // A name the system cannot take fails before any key is made; the key is
    // still opened, for the fatal error of an unknown root.
    const bool bNameFits = args.GetCount() < 2 || FitsSystemCall(kConvertedTextLimit, {args[1].GetText()});
    CRegistryKey key;
    const CRegistryKey::EOpen open =
        use.bCreate && bNameFits ? key.Create(args[0].GetText(), use.access) : key.Open(args[0].GetText(), use.access);
    if (open == CRegistryKey::UNKNOWN_ROOT)
        return engine.ReportScriptError(kKeyMessage, -1);
    if (open != CRegistryKey::OPENED || !bNameFits) {
        if (use.bRead)
            engine.SetErrorCode(1);
        else
            result.SetInteger(0);
        return 0;
    }
    return action(key);
}

std::string HexText(const std::vector<BYTE>& data, DWORD dwSize)
{
    std::string strText(dwSize * 2 + 1, '\0');
    for (DWORD i = 0; i < dwSize; ++i)
        FormatHexDigits(data[i], &strText[i * 2], 2);
    strText.pop_back();
    return strText;
}

// The value's data as REGREAD gives it; false for a type it does not read.
bool ValueOfData(DWORD dwType, const std::vector<BYTE>& data, DWORD dwSize, CScriptValue& value)
{
    const char* pszData = reinterpret_cast<const char*>(data.data());
    switch (dwType) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        value.SetString(pszData, static_cast<int>(strnlen(pszData, dwSize)));
        return true;
    case REG_BINARY:
        value.SetString(HexText(data, dwSize).c_str(), static_cast<int>(dwSize * 2));
        return true;
    case REG_DWORD: {
        DWORD dwNumber = 0;
        memcpy(&dwNumber, data.data(), sizeof dwNumber);
        value.SetDouble(static_cast<double>(dwNumber));
        return true;
    }
    case REG_MULTI_SZ: {
        std::string strText(pszData, dwSize);
        strText.erase(strText.find_last_not_of('\0') + 1);
        for (char& c : strText) {
            if (c == '\0')
                c = '\n';
        }
        value.SetString(strText.c_str(), static_cast<int>(strText.size()));
        return true;
    }
    default:
        return false;
    }
}

int RegRead(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithKeyOfArgument(engine, args, result, kReadKey, [&](CRegistryKey& key) {
        const char* pszName = args[1].GetText();
        DWORD dwType = 0;
        DWORD dwSize = 0;
        if (RegQueryValueExA(key.Key(), pszName, nullptr, &dwType, nullptr, &dwSize) != ERROR_SUCCESS) {
            engine.SetErrorCode(-1);
            return 0;
        }
        // Room after the data: a text stored without its terminator still ends,
        // and a REG_DWORD shorter than 4 bytes reads as zeros.
        std::vector<BYTE> data(dwSize + sizeof(DWORD), 0);
        DWORD dwRead = static_cast<DWORD>(data.size());
        if (dwSize > kValueMax ||
            RegQueryValueExA(key.Key(), pszName, nullptr, &dwType, data.data(), &dwRead) != ERROR_SUCCESS ||
            dwRead > kValueMax || !ValueOfData(dwType, data, dwRead, result)) {
            result.SetString("");
            engine.SetErrorCode(-2);
        }
        return 0;
    });
}

// The bytes of a hexadecimal text, up to kValueMax; false for an odd length
// or a character that is no hexadecimal digit.
bool BytesOfHexText(const CScriptString& strText, std::vector<BYTE>& data)
{
    const int nLength = strText.GetLength();
    if (nLength % 2 != 0)
        return false;
    const char* pszText = strText;
    for (int i = 0; i < nLength; i += 2) {
        const char pair[] = {pszText[i], pszText[i + 1], '\0'};
        int nByte = 0;
        if (!ParseHex(pair, nByte))
            return false;
        if (data.size() < kValueMax)
            data.push_back(static_cast<BYTE>(nByte));
    }
    return true;
}

// A REG_DWORD's number. Numbers within the 64-bit range wrap, so that both -1
// and 4294967295 give 0xFFFFFFFF; a not-a-number, the infinities and numbers
// beyond that range, which have no 64-bit form, take the script's integer form.
DWORD DwordOfNumber(double dNumber)
{
    const double dLimit = 9223372036854775808.0;  // 2^63
    if (dNumber >= -dLimit && dNumber < dLimit)
        return static_cast<DWORD>(static_cast<long long>(dNumber));
    return static_cast<DWORD>(ScriptDoubleToInteger(dNumber));
}

// The data that REGWRITE stores for a type; false when the text is bad for
// it. bKnownType false: no such type.
bool DataOfValue(const char* pszType, const CScriptValue& value, DWORD& dwType, std::vector<BYTE>& data,
                 bool& bKnownType)
{
    bKnownType = true;
    const CScriptString& strText = value.GetString();
    if (lstrcmpiA(pszType, "REG_SZ") == 0 || lstrcmpiA(pszType, "REG_EXPAND_SZ") == 0) {
        dwType = lstrcmpiA(pszType, "REG_SZ") == 0 ? REG_SZ : REG_EXPAND_SZ;
        data.assign(strText.GetText(), strText.GetText() + strText.GetLength() + 1);
        return true;
    }
    if (lstrcmpiA(pszType, "REG_MULTI_SZ") == 0) {
        dwType = REG_MULTI_SZ;
        const size_t length = std::min(static_cast<size_t>(strText.GetLength()), kMultiTextMax);
        if (length == 0)
            return true;
        data.assign(strText.GetText(), strText.GetText() + length);
        for (BYTE& b : data) {
            if (b == '\n')
                b = '\0';
        }
        data.insert(data.end(), 2, 0);
        return true;
    }
    if (lstrcmpiA(pszType, "REG_DWORD") == 0) {
        dwType = REG_DWORD;
        const DWORD dwNumber = DwordOfNumber(value.GetNumber());
        data.assign(reinterpret_cast<const BYTE*>(&dwNumber), reinterpret_cast<const BYTE*>(&dwNumber) + 4);
        return true;
    }
    if (lstrcmpiA(pszType, "REG_BINARY") == 0) {
        dwType = REG_BINARY;
        return BytesOfHexText(strText, data);
    }
    bKnownType = false;
    return false;
}

int RegWrite(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const int nCount = args.GetCount();
    return WithKeyOfArgument(engine, args, result, kWriteKey, [&](CRegistryKey& key) {
        // A value named without its type and data writes nothing, but its key
        // is made all the same.
        if (nCount == 2 || nCount == 3)
            result.SetInteger(0);
        if (nCount < 4)
            return 0;
        DWORD dwType = 0;
        std::vector<BYTE> data;
        bool bKnownType = true;
        if (!DataOfValue(args[2].GetText(), args[3], dwType, data, bKnownType)) {
            if (!bKnownType)
                return engine.ReportScriptError(kKeyMessage, -1);
            result.SetInteger(0);
            return 0;
        }
        if (RegSetValueExA(key.Key(), args[1].GetText(), 0, dwType, data.data(), static_cast<DWORD>(data.size())) !=
            ERROR_SUCCESS)
            result.SetInteger(0);
        return 0;
    });
}

int RegDelete(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return WithKeyOfArgument(engine, args, result, kDeleteKey, [&](CRegistryKey& key) {
        if (args.GetCount() == 1) {
            if (key.NamesRootOnly()) {
                result.SetInteger(2);
                return 0;
            }
            const bool bEmptied = DeleteRegistryTree(key.Key());
            key.CloseKey();
            if (!bEmptied || RegDeleteKeyA(key.Root(), key.Subkey().c_str()) != ERROR_SUCCESS)
                result.SetInteger(2);
            return 0;
        }
        const LONG status = RegDeleteValueA(key.Key(), args[1].GetText());
        if (status != ERROR_SUCCESS)
            result.SetInteger(status == ERROR_FILE_NOT_FOUND ? 0 : 2);
        return 0;
    });
}

// REGENUMKEY and REGENUMVAL: the name at a 1-based instance.
template <class EnumName>
int EnumerateKey(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, DWORD dwNameMax,
                 EnumName enumName)
{
    return WithKeyOfArgument(engine, args, result, kReadKey, [&](CRegistryKey& key) {
        std::vector<char> name(dwNameMax + 1);
        DWORD dwLength = dwNameMax + 1;
        const DWORD dwIndex = static_cast<DWORD>(args[1].GetInteger() - 1);
        if (enumName(key.Key(), dwIndex, name.data(), &dwLength) != ERROR_SUCCESS) {
            engine.SetErrorCode(-1);
            return 0;
        }
        result.SetString(name.data(), static_cast<int>(dwLength));
        return 0;
    });
}

int RegEnumKey(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return EnumerateKey(engine, args, result, 255, [](HKEY hKey, DWORD dwIndex, char* pszName, DWORD* pdwLength) {
        return RegEnumKeyExA(hKey, dwIndex, pszName, pdwLength, nullptr, nullptr, nullptr, nullptr);
    });
}

int RegEnumVal(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return EnumerateKey(engine, args, result, 16383, [](HKEY hKey, DWORD dwIndex, char* pszName, DWORD* pdwLength) {
        return RegEnumValueA(hKey, dwIndex, pszName, pdwLength, nullptr, nullptr, nullptr, nullptr);
    });
}

}  // namespace

void RegisterRegistryBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"REGREAD", RegRead},       {"REGWRITE", RegWrite},     {"REGDELETE", RegDelete},
        {"REGENUMKEY", RegEnumKey}, {"REGENUMVAL", RegEnumVal},
    };
    BindBuiltins(engine, kBindings);
}
