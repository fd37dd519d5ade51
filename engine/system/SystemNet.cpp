#include "engine/system/SystemNet.h"

#include "engine/system/ProcAddress.h"
#include "engine/system/SystemPaths.h"
#include "engine/system/SystemTextLimit.h"

#include <winsock.h>
#include <wininet.h>

#include <cstdio>
#include <cstring>

std::string GetIPAddress(int index)
{
    std::string result = "0.0.0.0";
    WSADATA data;
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0)
        return result;
    char name[256] = "";
    if (gethostname(name, sizeof name) == 0) {
        hostent* host = gethostbyname(name);
        if (host && host->h_addr_list && index >= 1) {
            for (int i = 0; host->h_addr_list[i]; ++i) {
                if (i + 1 == index) {
                    in_addr address;
                    std::memcpy(&address, host->h_addr_list[i], sizeof address);
                    if (const char* text = inet_ntoa(address))
                        result = text;
                    break;
                }
            }
        }
    }
    WSACleanup();
    return result;
}

namespace {

struct WinInet
{
    using OpenFn = HINTERNET(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD);
    using OpenUrlFn = HINTERNET(WINAPI*)(HINTERNET, LPCSTR, LPCSTR, DWORD, DWORD, DWORD_PTR);
    using ReadFn = BOOL(WINAPI*)(HINTERNET, LPVOID, DWORD, LPDWORD);
    using CloseFn = BOOL(WINAPI*)(HINTERNET);
    using QueryFn = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, LPDWORD, LPDWORD);

    HMODULE module = nullptr;
    OpenFn open = nullptr;
    OpenUrlFn openUrl = nullptr;
    ReadFn read = nullptr;
    CloseFn close = nullptr;
    QueryFn query = nullptr;

    bool Load()
    {
        module = LoadLibraryA("wininet.dll");
        if (!module)
            return false;
        open = ProcAddress<OpenFn>(module, "InternetOpenA");
        openUrl = ProcAddress<OpenUrlFn>(module, "InternetOpenUrlA");
        read = ProcAddress<ReadFn>(module, "InternetReadFile");
        close = ProcAddress<CloseFn>(module, "InternetCloseHandle");
        query = ProcAddress<QueryFn>(module, "HttpQueryInfoA");
        return open && openUrl && read && close;
    }

    ~WinInet()
    {
        if (module)
            FreeLibrary(module);
    }
};

// HTTP answers must be 2xx; other schemes have no status and pass.
bool IsSuccessStatus(WinInet& net, HINTERNET request)
{
    if (!net.query)
        return true;
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!net.query(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return true;
    return status >= 200 && status < 300;
}

bool CopyToFile(WinInet& net, HINTERNET request, FILE* out)
{
    char block[8192];
    for (;;) {
        DWORD got = 0;
        if (!net.read(request, block, sizeof block, &got))
            return false;
        if (got == 0)
            return true;
        if (std::fwrite(block, 1, got, out) != got)
            return false;
    }
}

}  // namespace

bool DownloadUrlToFile(const char* url, const char* file, bool& libraryMissing)
{
    libraryMissing = false;
    WinInet net;
    if (!net.Load()) {
        libraryMissing = true;
        return false;
    }
    std::string target;
    if (!FitsSystemCall(kConvertedTextLimit, {url}) || !GetFullPath(file, target))
        return false;
    size_t slash = target.rfind('\\');
    std::string folder = slash == std::string::npos ? std::string(".") : target.substr(0, slash + 1);
    char temp[MAX_PATH];
    if (!FitsSystemCall(kTemporaryFolderLimit, {folder}) || !GetTempFileNameA(folder.c_str(), "dl", 0, temp))
        return false;

    bool ok = false;
    HINTERNET session = net.open(nullptr, INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY, nullptr, nullptr, 0);
    if (session) {
        HINTERNET request =
            net.openUrl(session, url, nullptr, 0, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
        if (request) {
            if (IsSuccessStatus(net, request)) {
                if (FILE* out = std::fopen(temp, "wb")) {
                    ok = CopyToFile(net, request, out);
                    ok = std::fclose(out) == 0 && ok;
                }
            }
            net.close(request);
        }
        net.close(session);
    }
    if (ok)
        ok = MoveFileExA(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    if (!ok)
        DeleteFileA(temp);
    return ok;
}
