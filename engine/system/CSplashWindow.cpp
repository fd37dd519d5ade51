#include "engine/system/CSplashWindow.h"

#include <ole2.h>
#include <olectl.h>

namespace {

// Reads the whole file into memory and decodes it; null when that fails.
IPicture* LoadPictureFile(const char* path)
{
    HANDLE hFile = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    const DWORD dwSize = GetFileSize(hFile, nullptr);
    HGLOBAL hData = dwSize == INVALID_FILE_SIZE || dwSize == 0 ? nullptr : GlobalAlloc(GMEM_MOVEABLE, dwSize);
    bool bRead = false;
    if (hData) {
        if (void* pData = GlobalLock(hData)) {
            DWORD dwRead = 0;
            bRead = ReadFile(hFile, pData, dwSize, &dwRead, nullptr) && dwRead == dwSize;
            GlobalUnlock(hData);
        }
    }
    CloseHandle(hFile);
    if (!bRead) {
        if (hData)
            GlobalFree(hData);
        return nullptr;
    }
    IStream* pStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(hData, TRUE, &pStream))) {
        GlobalFree(hData);
        return nullptr;
    }
    IPicture* pPicture = nullptr;
    if (FAILED(OleLoadPicture(pStream, static_cast<LONG>(dwSize), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&pPicture))))
        pPicture = nullptr;
    pStream->Release();
    return pPicture;
}

}  // namespace

HWND CSplashWindow::OpenFrame(const CPopupFrame& frame, DWORD childStyle, const char* text, HWND owner)
{
    RECT desktop = {};
    GetWindowRect(GetDesktopWindow(), &desktop);
    m_hWnd = CreateScriptPopup(frame, desktop, owner);
    if (!m_hWnd)
        return nullptr;
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    return CreateWindowExA(0, "static", text, childStyle, 0, 0, client.right, client.bottom, m_hWnd, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void CSplashWindow::OpenText(const CPopupFrame& frame, const char* text, DWORD textStyle, const char* fontFace,
                             int points, int weight, HWND owner)
{
    Destroy();
    HWND hLabel = OpenFrame(frame, WS_CHILD | WS_VISIBLE | textStyle, text, owner);
    if (!hLabel)
        return;
    m_hFont = CreatePointFont(fontFace, points, weight);
    SendMessageA(hLabel, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
}

bool CSplashWindow::OpenImage(const CPopupFrame& frame, const char* pictureFile, HWND owner)
{
    Destroy();
    IPicture* pPicture = LoadPictureFile(pictureFile);
    if (!pPicture)
        return false;
    m_pPicture = pPicture;
    HWND hImage = OpenFrame(frame, WS_CHILD | WS_VISIBLE | SS_BITMAP, "", owner);
    if (!hImage)
        return true;
    OLE_HANDLE hBitmap = 0;
    m_pPicture->get_Handle(&hBitmap);
    SendMessageA(hImage, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(hBitmap))));
    // The static takes the size of its bitmap; the picture fills the window.
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    MoveWindow(hImage, 0, 0, client.right, client.bottom, FALSE);
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    return true;
}

void CSplashWindow::Destroy()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
    if (m_hFont)
        DeleteObject(m_hFont);
    if (m_pPicture)
        m_pPicture->Release();
    m_hWnd = nullptr;
    m_hFont = nullptr;
    m_pPicture = nullptr;
}
