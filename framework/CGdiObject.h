// Owners of GDI objects: each wrapper deletes the object it made or was given when it
// goes, so thousands of repaints leave no handle behind. FromHandle gives a temporary
// wrapper that never deletes (see TemporaryMap.h).
#pragma once

#include <windows.h>

#include "framework/CNonCopyable.h"
#include "framework/TemporaryMap.h"

class CDC;

class CGdiObject : private CNonCopyable
{
public:
    virtual ~CGdiObject();

    // Takes ownership of the object; FALSE when this wrapper holds one already or it is null.
    BOOL Attach(HGDIOBJ object);
    // Gives up ownership without deleting.
    HGDIOBJ Detach();
    // Deletes the owned object; FALSE when there is none or the system refuses.
    BOOL DeleteObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    int GetObject(int size, void* buffer) const { return ::GetObjectA(m_hObject, size, buffer); }

    // The number of GDI objects the wrappers of the process own at this moment.
    static long LiveCount();

    // For the temporary maps only.
    void AttachTemporary(HGDIOBJ object) { m_hObject = object; }

    HGDIOBJ m_hObject = nullptr;

protected:
    template <class T>
    static T* TemporaryOf(HGDIOBJ object)
    {
        if (!object)
            return nullptr;
        return static_cast<T*>(TemporaryMap<HGDIOBJ, T>::ForThread().Get(object));
    }

private:
    bool m_bOwned = false;
};

class CPen : public CGdiObject
{
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
    static CPen* FromHandle(HPEN pen) { return TemporaryOf<CPen>(pen); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    BOOL CreateSysColorBrush(int index) { return Attach(::GetSysColorBrush(index)) ? TRUE : FALSE; }
    BOOL CreatePatternBrush(HBITMAP bitmap) { return Attach(::CreatePatternBrush(bitmap)); }
    BOOL CreateStockObject(int index) { return Attach(::GetStockObject(index)); }
    static CBrush* FromHandle(HBRUSH brush) { return TemporaryOf<CBrush>(brush); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject
{
public:
    BOOL CreateFontIndirect(const LOGFONTA* font) { return Attach(::CreateFontIndirectA(font)); }
    // A font of the face whose height is given in tenths of a point on the context (the
    // screen when there is none).
    BOOL CreatePointFont(int tenthsOfPoint, const char* face, CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* font) const { return GetObject(sizeof(LOGFONTA), font); }
    static CFont* FromHandle(HFONT font) { return TemporaryOf<CFont>(font); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject
{
public:
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
    {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const { return GetObject(sizeof(BITMAP), info); }
    static CBitmap* FromHandle(HBITMAP bitmap) { return TemporaryOf<CBitmap>(bitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CRgn : public CGdiObject
{
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom)
    {
        return Attach(::CreateRectRgn(left, top, right, bottom));
    }
    BOOL CreateRectRgnIndirect(const RECT* rect) { return Attach(::CreateRectRgnIndirect(rect)); }
    BOOL CreateFromData(const XFORM* transform, int count, const RGNDATA* data)
    {
        return Attach(::ExtCreateRegion(transform, count, data));
    }
    // Combines two regions into this one, which must exist already; the system's result code.
    int CombineRgn(const CRgn* first, const CRgn* second, int mode)
    {
        return ::CombineRgn(*this, *first, second ? static_cast<HRGN>(*second) : nullptr, mode);
    }
    int GetRgnBox(LPRECT rect) const { return ::GetRgnBox(*this, rect); }
    static CRgn* FromHandle(HRGN region) { return TemporaryOf<CRgn>(region); }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};

class CPalette : public CGdiObject
{
public:
    BOOL CreatePalette(const LOGPALETTE* palette) { return Attach(::CreatePalette(palette)); }
    UINT GetEntryCount() const
    {
        WORD count = 0;
        return GetObject(sizeof(count), &count) ? count : 0;
    }
    static CPalette* FromHandle(HPALETTE palette) { return TemporaryOf<CPalette>(palette); }
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
};
