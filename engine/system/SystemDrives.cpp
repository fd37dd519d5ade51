#include "engine/system/SystemDrives.h"

#include "engine/system/COsVersion.h"
#include "engine/system/ProcAddress.h"
#include "engine/system/SystemTextLimit.h"

#include <mmsystem.h>
#include <winnetwk.h>

#include <cstring>
#include <vector>

std::string DriveRoot(const char* drive)
{
    std::string root = drive;
    if (root.empty() || root.back() != '\\')
        root += '\\';
    return root;
}

bool GetDriveSpace(const char* root, ULONGLONG& total, ULONGLONG& available)
{
    using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    auto getSpaceEx = ProcAddress<GetDiskFreeSpaceExFn>(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA");
    if (getSpaceEx) {
        ULARGE_INTEGER free = {};
        ULARGE_INTEGER size = {};
        if (!getSpaceEx(root, &free, &size, nullptr))
            return false;
        total = size.QuadPart;
        available = free.QuadPart;
        return true;
    }
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD clusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return false;
    // In 64 bits: the 32-bit product wraps beyond 4 GiB.
    const ULONGLONG clusterBytes = static_cast<ULONGLONG>(sectorsPerCluster) * bytesPerSector;
    total = clusterBytes * clusters;
    available = clusterBytes * freeClusters;
    return true;
}

const char* DriveStatusText(const char* root)
{
    ULONGLONG total = 0;
    ULONGLONG available = 0;
    if (GetDriveSpace(root, total, available))
        return "READY";
    switch (GetLastError()) {
    case ERROR_PATH_NOT_FOUND:
        return "INVALID";
    case ERROR_WRITE_PROTECT:
        return "READONLY";
    case ERROR_NOT_READY:
        return "NOTREADY";
    default:
        return "UNKNOWN";
    }
}

bool GetVolumeInfo(const char* root, CVolumeInfo& info)
{
    char label[MAX_PATH + 1] = "";
    char fileSystem[MAX_PATH + 1] = "";
    DWORD maxComponent = 0;
    DWORD fileSystemFlags = 0;
    if (!GetVolumeInformationA(root, label, sizeof label, &info.m_dwSerial, &maxComponent, &fileSystemFlags, fileSystem,
                               sizeof fileSystem))
        return false;
    info.m_strLabel = label;
    info.m_strFileSystem = fileSystem;
    return true;
}

bool MoveCdTray(const char* drive, const char* action)
{
    const std::string open = std::string("open ") + drive + " type cdaudio alias cd wait";
    if (mciSendStringA(open.c_str(), nullptr, 0, nullptr) != 0)
        return false;
    const std::string door = std::string("set cd door ") + action + " wait";
    const bool bMoved = mciSendStringA(door.c_str(), nullptr, 0, nullptr) == 0;
    // Closed after every successful open: a lingering alias makes every later open fail.
    mciSendStringA("close cd wait", nullptr, 0, nullptr);
    return bMoved;
}

DWORD MapNetworkDrive(const char* device, const char* share, DWORD flags, const char* user, const char* password,
                      std::string& assigned)
{
    assigned.clear();
    if (!FitsSystemCall(kConvertedTextLimit, {device, share, user, password}))
        return ERROR_INVALID_PARAMETER;
    const bool bChoose = std::strcmp(device, "*") == 0;
    NETRESOURCEA resource = {};
    resource.dwType = _strnicmp(device, "LPT", 3) == 0 ? RESOURCETYPE_PRINT : RESOURCETYPE_DISK;
    resource.lpLocalName = (bChoose || !*device) ? nullptr : const_cast<char*>(device);
    resource.lpRemoteName = const_cast<char*>(share);
    if (bChoose)
        flags |= CONNECT_REDIRECT;
    if (!COsVersion::Current().m_bNT)
        user = password = nullptr;
    std::vector<char> access(1024, '\0');
    DWORD accessSize = static_cast<DWORD>(access.size());
    DWORD result = 0;
    const DWORD error = WNetUseConnectionA(nullptr, &resource, password, user, flags, bChoose ? access.data() : nullptr,
                                           bChoose ? &accessSize : nullptr, &result);
    if (error == NO_ERROR && bChoose && (result & CONNECT_LOCALDRIVE))
        assigned = access.data();
    return error;
}

bool UnmapNetworkDrive(const char* device)
{
    return FitsSystemCall(kConvertedTextLimit, {device}) && WNetCancelConnection2A(device, 0, TRUE) == NO_ERROR;
}

bool GetMappedShare(const char* device, std::string& share)
{
    std::vector<char> buffer(1024, '\0');
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!FitsSystemCall(kConvertedTextLimit, {device}) ||
        WNetGetConnectionA(device, buffer.data(), &size) != NO_ERROR) {
        share.clear();
        return false;
    }
    share = buffer.data();
    return true;
}
