// Drive, volume, network-share and CD-tray calls of the drive built-ins.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CNonCopyable.h"

// The root "x:\" form of a drive argument: a trailing "\" is added when missing.
std::string DriveRoot(const char* drive);

// While it lives, critical errors fail silently instead of asking the user
// to insert a disk.
class CSilentCriticalErrors : private CNonCopyable
{
public:
    CSilentCriticalErrors() : m_uPrevious(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~CSilentCriticalErrors() { SetErrorMode(m_uPrevious); }

private:
    UINT m_uPrevious;
};

// Total size and free space available to the caller, in bytes. False with
// the system error left for GetLastError.
bool GetDriveSpace(const char* root, ULONGLONG& total, ULONGLONG& available);

// "READY", or by the system error "INVALID", "READONLY", "NOTREADY", "UNKNOWN".
const char* DriveStatusText(const char* root);

struct CVolumeInfo
{
    std::string m_strLabel;
    std::string m_strFileSystem;
    DWORD m_dwSerial = 0;
};
bool GetVolumeInfo(const char* root, CVolumeInfo& info);

// Opens ("open") or closes ("closed") the tray of a CD drive through MCI.
bool MoveCdTray(const char* drive, const char* action);

// Connects a device ("" or "*": no local name; "*" lets the system choose a
// drive letter, returned in assigned) to a share. User and password may be
// null. The result is the system error, 0 on success; ERROR_INVALID_PARAMETER
// for a text too long for the system's calls, as for the other two below.
DWORD MapNetworkDrive(const char* device, const char* share, DWORD flags, const char* user, const char* password,
                      std::string& assigned);
bool UnmapNetworkDrive(const char* device);
// The share a device is connected to.
bool GetMappedShare(const char* device, std::string& share);
