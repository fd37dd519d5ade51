#include "engine/builtins/DriveBuiltins.h"

#include "engine/ScriptArrays.h"
#include "engine/builtins/BuiltinBinding.h"
#include "engine/builtins/BuiltinResult.h"
#include "engine/system/SystemDrives.h"
#include "framework/CString.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct DriveTypeRow
{
    UINT m_uType;
    const char* m_pszWord;  // DRIVEGETDRIVE's argument
    const char* m_pszName;  // DRIVEGETTYPE's result
};

const DriveTypeRow kDriveTypes[] = {
    {DRIVE_CDROM, "cdrom", "CDROM"},       {DRIVE_REMOVABLE, "removable", "Removable"},
    {DRIVE_FIXED, "fixed", "Fixed"},       {DRIVE_REMOTE, "network", "Network"},
    {DRIVE_RAMDISK, "ramdisk", "RAMDisk"}, {DRIVE_UNKNOWN, "unknown", "Unknown"},
};

struct MapErrorRow
{
    DWORD m_dwError;
    int m_nCode;  // DRIVEMAPADD's @error
};

const MapErrorRow kMapErrors[] = {
    {ERROR_ACCESS_DENIED, 2}, {ERROR_ALREADY_ASSIGNED, 3}, {ERROR_DEVICE_ALREADY_REMEMBERED, 3},
    {ERROR_BAD_DEVICE, 4},    {ERROR_BAD_NET_NAME, 5},     {ERROR_INVALID_PASSWORD, 6},
};

const int kAnyMapError = 1;

std::string Lower(const char* pszText)
{
    return CString(pszText).MakeLower().Str();
}

int DriveGetDrive(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const std::string word = Lower(args[0].GetText());
    const bool bAll = word == "all";
    const DriveTypeRow* pRow = nullptr;
    for (const DriveTypeRow& row : kDriveTypes) {
        if (word == row.m_pszWord)
            pRow = &row;
    }
    std::vector<std::string> drives = {""};
    if (bAll || pRow) {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const char root[] = {letter, ':', '\\', '\0'};
            const UINT uType = GetDriveTypeA(root);
            if (bAll ? uType != DRIVE_NO_ROOT_DIR : uType == pRow->m_uType)
                drives.push_back(std::string(root, 2));
        }
    }
    if (drives.size() == 1) {
        engine.SetErrorCode(1);
        return 0;
    }
    if (SetStringArray(result, drives))
        ArrayElement1D(result, 0)->SetInteger(static_cast<int>(drives.size() - 1));
    return 0;
}

int DriveGetType(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CSilentCriticalErrors silent;
    const UINT uType = GetDriveTypeA(DriveRoot(args[0].GetText()).c_str());
    if (uType == DRIVE_NO_ROOT_DIR) {
        engine.SetErrorCode(1);
        return 0;
    }
    result.SetString("Unknown");
    for (const DriveTypeRow& row : kDriveTypes) {
        if (row.m_uType == uType)
            result.SetString(row.m_pszName);
    }
    return 0;
}

// Megabytes as a number with fraction.
int DriveSpace(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result, bool bTotal)
{
    CSilentCriticalErrors silent;
    ULONGLONG total = 0;
    ULONGLONG available = 0;
    if (!GetDriveSpace(DriveRoot(args[0].GetText()).c_str(), total, available)) {
        engine.SetErrorCode(1);
        return 0;
    }
    result.SetDouble(static_cast<double>(bTotal ? total : available) / (1024.0 * 1024.0));
    return 0;
}

int DriveSpaceTotal(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return DriveSpace(engine, args, result, true);
}

int DriveSpaceFree(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    return DriveSpace(engine, args, result, false);
}

int DriveStatus(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CSilentCriticalErrors silent;
    const char* pszStatus = DriveStatusText(DriveRoot(args[0].GetText()).c_str());
    if (std::strcmp(pszStatus, "READY") != 0)
        engine.SetErrorCode(1);
    result.SetString(pszStatus);
    return 0;
}

// The volume of the drive argument; false, with @error 1, when it cannot be read.
bool VolumeOf(CMarionet_Script& engine, CScriptValueList& args, CVolumeInfo& info)
{
    CSilentCriticalErrors silent;
    if (GetVolumeInfo(DriveRoot(args[0].GetText()).c_str(), info))
        return true;
    engine.SetErrorCode(1);
    return false;
}

int DriveGetFileSystem(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CVolumeInfo info;
    if (VolumeOf(engine, args, info))
        result.SetString(info.m_strFileSystem.c_str());
    return 0;
}

int DriveGetSerial(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CVolumeInfo info;
    if (VolumeOf(engine, args, info)) {
        char text[16];
        std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(info.m_dwSerial));
        result.SetString(text);
    }
    return 0;
}

int DriveGetLabel(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    CVolumeInfo info;
    if (VolumeOf(engine, args, info))
        result.SetString(info.m_strLabel.c_str());
    return 0;
}

int DriveSetLabel(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    CSilentCriticalErrors silent;
    return ZeroUnless(SetVolumeLabelA(DriveRoot(args[0].GetText()).c_str(), args[1].GetText()) != FALSE, result);
}

int DriveMapAdd(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    const DWORD dwFlags = args.GetCount() > 2 ? static_cast<DWORD>(args[2].GetInteger()) : 0;
    const char* pszUser = args.GetCount() > 3 ? args[3].GetText() : nullptr;
    const char* pszPassword = args.GetCount() > 4 ? args[4].GetText() : nullptr;
    std::string assigned;
    const DWORD dwError =
        MapNetworkDrive(args[0].GetText(), args[1].GetText(), dwFlags, pszUser, pszPassword, assigned);
    if (dwError != NO_ERROR) {
        int nCode = kAnyMapError;
        for (const MapErrorRow& row : kMapErrors) {
            if (row.m_dwError == dwError)
                nCode = row.m_nCode;
        }
        engine.SetErrorCode(nCode);
        result.SetInteger(0);
    } else if (std::strcmp(args[0].GetText(), "*") == 0) {
        result.SetString(assigned.c_str());
    }
    return 0;
}

int DriveMapDel(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    return ZeroUnless(UnmapNetworkDrive(args[0].GetText()), result);
}

int DriveMapGet(CMarionet_Script& engine, CScriptValueList& args, CScriptValue& result)
{
    std::string share;
    const bool bDone = GetMappedShare(args[0].GetText(), share);
    return TextUnlessError(engine, bDone, share, result);
}

int CdTray(CMarionet_Script&, CScriptValueList& args, CScriptValue& result)
{
    std::string action = Lower(args[1].GetText());
    if (action == "close")
        action = "closed";
    const char* pszDrive = args[0].GetText();
    const bool bCdDrive = GetDriveTypeA(DriveRoot(pszDrive).c_str()) == DRIVE_CDROM;
    return ZeroUnless(bCdDrive && (action == "open" || action == "closed") && MoveCdTray(pszDrive, action.c_str()),
                      result);
}

}  // namespace

void RegisterDriveBuiltins(CMarionet_Script& engine)
{
    static const BuiltinBinding kBindings[] = {
        {"DRIVEGETDRIVE", DriveGetDrive},
        {"DRIVEGETTYPE", DriveGetType},
        {"DRIVESPACETOTAL", DriveSpaceTotal},
        {"DRIVESPACEFREE", DriveSpaceFree},
        {"DRIVESTATUS", DriveStatus},
        {"DRIVEGETFILESYSTEM", DriveGetFileSystem},
        {"DRIVEGETSERIAL", DriveGetSerial},
        {"DRIVEGETLABEL", DriveGetLabel},
        {"DRIVESETLABEL", DriveSetLabel},
        {"DRIVEMAPADD", DriveMapAdd},
        {"DRIVEMAPDEL", DriveMapDel},
        {"DRIVEMAPGET", DriveMapGet},
        {"CDTRAY", CdTray},
    };
    BindBuiltins(engine, kBindings);
}
