#include "controls/CSkinBitmap.h"

#include "framework/AfxResource.h"
#include "framework/TopDownBitmap.h"

#include <algorithm>
#include <vector>

namespace {

// Rectangles are joined into the region this many at a time.
constexpr size_t kRectsPerBatch = 2000;

struct ChannelRange
{
    int low;
    int high;

    bool Holds(int value) const { return value >= low && value <= high; }
};

ChannelRange RangeAround(int key, int tolerance)
{
    return {std::max(0, key - tolerance), std::min(255, key + tolerance)};
}

// Joins the batch of rectangles into the region and empties the batch.
bool JoinRects(std::vector<RECT>& rects, CRgn& region)
{
    if (rects.empty())
        return true;
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    RECT bounds = rects.front();
    for (const RECT& rect : rects) {
        bounds.left = std::min(bounds.left, rect.left);
        bounds.top = std::min(bounds.top, rect.top);
        bounds.right = std::max(bounds.right, rect.right);
        bounds.bottom = std::max(bounds.bottom, rect.bottom);
    }
    data->rdh.rcBound = bounds;
    std::copy(rects.begin(), rects.end(), reinterpret_cast<RECT*>(data->Buffer));
    rects.clear();
    CRgn batch;
    if (!batch.CreateFromData(nullptr, static_cast<int>(buffer.size()), data))
        return false;
    return region.CombineRgn(&region, &batch, RGN_OR) != ERROR;
}

}  // namespace

HBITMAP CSkinBitmap::LoadImage(UINT resourceId)
{
    HINSTANCE module = AfxGetResourceHandle();
    if (!::FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_BITMAP))
        return nullptr;
    HANDLE image = ::LoadImageA(module, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!image)
        return nullptr;
    DeleteObject();
    m_Palette.DeleteObject();
    m_bLoaded = FALSE;
    Attach(image);
    m_bLoaded = ReadHeader(resourceId);
    return static_cast<HBITMAP>(m_hObject);
}

BOOL CSkinBitmap::ReadHeader(UINT resourceId)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_BITMAP);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const auto* header = loaded ? static_cast<const BITMAPINFOHEADER*>(::LockResource(loaded)) : nullptr;
    if (!header || ::SizeofResource(module, found) < sizeof(BITMAPINFOHEADER) ||
        header->biSize < sizeof(BITMAPINFOHEADER))
        return FALSE;
    m_nWidth = header->biWidth;
    m_nHeight = std::abs(header->biHeight);
    DWORD colours = 0;
    if (header->biBitCount <= 15)
        colours = header->biClrUsed ? header->biClrUsed : (1u << header->biBitCount);
    const DWORD tableEnd = header->biSize + colours * sizeof(RGBQUAD);
    if (colours > 0 && colours <= 256 && tableEnd <= ::SizeofResource(module, found)) {
        const auto* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
        std::vector<char> buffer(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
        auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
        palette->palVersion = 0x300;
        palette->palNumEntries = static_cast<WORD>(colours);
        for (DWORD i = 0; i < colours; ++i)
            palette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
        m_Palette.CreatePalette(palette);
    }
    return TRUE;
}

BOOL CSkinBitmap::Draw(CDC* dc, const SIZE* size)
{
    if (!m_bLoaded)
        return FALSE;
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return FALSE;
    memory.SelectObject(this);
    CPalette* previous = m_Palette.GetSafeHandle() ? dc->SelectPalette(&m_Palette, FALSE) : nullptr;
    if (previous)
        dc->RealizePalette();
    BOOL drawn;
    if (size) {
        const int oldMode = dc->SetStretchBltMode(COLORONCOLOR);
        drawn = dc->StretchBlt(0, 0, size->cx, size->cy, &memory, 0, 0, m_nWidth, m_nHeight, SRCCOPY);
        dc->SetStretchBltMode(oldMode);
    } else {
        drawn = dc->BitBlt(0, 0, m_nWidth, m_nHeight, &memory, 0, 0, SRCCOPY);
    }
    if (previous) {
        dc->SelectPalette(previous, FALSE);
        dc->RealizePalette();
    }
    return drawn;
}

BOOL CSkinBitmap::RegionFromBitmap(HBITMAP bitmap, COLORREF key, COLORREF tolerance, CRgn& region)
{
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0)
        return FALSE;
    const int width = info.bmWidth;
    const int height = std::abs(info.bmHeight);

    // A top-down 32-bit copy, so that every pixel reads the same way whatever the source.
    void* bits = nullptr;
    CBitmap copy;
    if (!copy.Attach(CreateTopDownBitmap(nullptr, width, height, &bits)) || !bits)
        return FALSE;
    {
        CDC source;
        CDC target;
        if (!source.CreateCompatibleDC(nullptr) || !target.CreateCompatibleDC(nullptr))
            return FALSE;
        source.SelectObject(CBitmap::FromHandle(bitmap));
        target.SelectObject(&copy);
        target.BitBlt(0, 0, width, height, &source, 0, 0, SRCCOPY);
    }
    ::GdiFlush();

    const ChannelRange red = RangeAround(GetRValue(key), GetRValue(tolerance));
    const ChannelRange green = RangeAround(GetGValue(key), GetGValue(tolerance));
    const ChannelRange blue = RangeAround(GetBValue(key), GetBValue(tolerance));
    const auto* pixels = static_cast<const DWORD*>(bits);
    auto isKey = [&](DWORD pixel) {
        return red.Holds((pixel >> 16) & 0xFF) && green.Holds((pixel >> 8) & 0xFF) && blue.Holds(pixel & 0xFF);
    };

    region.DeleteObject();
    if (!region.CreateRectRgn(0, 0, 0, 0))
        return FALSE;
    std::vector<RECT> rects;
    for (int y = 0; y < height; ++y) {
        const DWORD* row = pixels + static_cast<size_t>(y) * width;
        for (int x = 0; x < width;) {
            if (isKey(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && !isKey(row[x]))
                ++x;
            rects.push_back({start, y, x, y + 1});
            if (rects.size() == kRectsPerBatch && !JoinRects(rects, region))
                return FALSE;
        }
    }
    return JoinRects(rects, region);
}
