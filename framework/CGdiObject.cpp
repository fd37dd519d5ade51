#include "framework/CGdiObject.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

#include "framework/AfxResource.h"
#include "framework/CDC.h"

namespace {

std::atomic<long> g_liveObjects{0};

bool IsStockOrSystemObject(HGDIOBJ object)
{
    // Stock objects and system colour brushes must never be deleted; they are shared.
    for (int index = WHITE_BRUSH; index <= DC_PEN; ++index) {
        if (::GetStockObject(index) == object)
            return true;
    }
    for (int index = 0; index <= COLOR_MENUBAR; ++index) {
        if (::GetSysColorBrush(index) == object)
            return true;
    }
    return false;
}

}  // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    m_bOwned = !IsStockOrSystemObject(object);
    if (m_bOwned)
        ++g_liveObjects;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    if (m_bOwned)
        --g_liveObjects;
    m_hObject = nullptr;
    m_bOwned = false;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const bool owned = m_bOwned;
    HGDIOBJ object = Detach();
    return owned ? ::DeleteObject(object) : TRUE;
}

long CGdiObject::LiveCount()
{
    return g_liveObjects;
}

BOOL CFont::CreatePointFont(int tenthsOfPoint, const char* face, CDC* dc)
{
    HDC hdc = dc ? dc->m_hDC : ::GetDC(nullptr);
    LOGFONTA font{};
    font.lfCharSet = DEFAULT_CHARSET;
    strncpy(font.lfFaceName, face ? face : "", LF_FACESIZE - 1);
    // Tenths of a point to device pixels, then to logical units of the context.
    POINT height{0, ::MulDiv(::GetDeviceCaps(hdc, LOGPIXELSY), tenthsOfPoint, 720)};
    POINT origin{0, 0};
    ::DPtoLP(hdc, &height, 1);
    ::DPtoLP(hdc, &origin, 1);
    font.lfHeight = -std::abs(height.y - origin.y);
    if (!dc)
        ::ReleaseDC(nullptr, hdc);
    return CreateFontIndirect(&font);
}

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}
