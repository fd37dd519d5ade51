#include "framework/AfxResource.h"

#include <vector>

namespace {

HINSTANCE g_resourceModule = nullptr;

}  // namespace

HINSTANCE AfxGetResourceHandle()
{
    return g_resourceModule ? g_resourceModule : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE module)
{
    g_resourceModule = module;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

HBITMAP AfxLoadSysColorBitmap(HINSTANCE module, HRSRC resource)
{
    HGLOBAL loaded = ::LoadResource(module, resource);
    const auto* source = loaded ? static_cast<const BITMAPINFOHEADER*>(::LockResource(loaded)) : nullptr;
    const DWORD size = ::SizeofResource(module, resource);
    if (!source || size < sizeof(BITMAPINFOHEADER) || source->biBitCount > 4)
        return nullptr;
    const int colours = source->biClrUsed ? static_cast<int>(source->biClrUsed) : 1 << source->biBitCount;
    const DWORD header = source->biSize + static_cast<DWORD>(colours) * sizeof(RGBQUAD);
    const DWORD stride = ((static_cast<DWORD>(source->biWidth) * source->biBitCount + 31) / 32) * 4;
    const DWORD rows = static_cast<DWORD>(source->biHeight < 0 ? -source->biHeight : source->biHeight);
    if (colours > 16 || header > size || source->biWidth <= 0 || stride * rows > size - header)
        return nullptr;
    // The colour table is changed in a copy: the resource itself is read-only.
    std::vector<BYTE> copy(reinterpret_cast<const BYTE*>(source), reinterpret_cast<const BYTE*>(source) + size);
    auto* info = reinterpret_cast<BITMAPINFO*>(copy.data());
    auto* table = reinterpret_cast<RGBQUAD*>(copy.data() + info->bmiHeader.biSize);
    struct SysColourMap
    {
        COLORREF from;
        int to;
    };
    const SysColourMap kMap[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                                 {RGB(128, 128, 128), COLOR_BTNSHADOW},
                                 {RGB(192, 192, 192), COLOR_BTNFACE},
                                 {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (int i = 0; i < colours; ++i) {
        const COLORREF entry = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
        for (const SysColourMap& map : kMap) {
            if (entry == map.from) {
                const COLORREF system = ::GetSysColor(map.to);
                table[i] = {GetBValue(system), GetGValue(system), GetRValue(system), 0};
            }
        }
    }
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, copy.data() + header, info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}
