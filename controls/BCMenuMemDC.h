// An off-screen drawing surface for one rectangle of a target: drawn into,
// then copied onto the target when it goes.
#pragma once

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CRect.h"

class BCMenuMemDC : public CDC
{
public:
    BCMenuMemDC(CDC* target, const CRect& rect) : m_pTarget(target), m_rc(rect)
    {
        CreateCompatibleDC(target);
        m_Bitmap.CreateCompatibleBitmap(target, rect.Width(), rect.Height());
        m_pOldBitmap = SelectObject(&m_Bitmap);
        SetWindowOrg(rect.left, rect.top);
    }
    ~BCMenuMemDC() override
    {
        m_pTarget->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), this, m_rc.left, m_rc.top, SRCCOPY);
        SelectObject(m_pOldBitmap);
    }

private:
    CDC* m_pTarget;
    CRect m_rc;
    CBitmap m_Bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};
