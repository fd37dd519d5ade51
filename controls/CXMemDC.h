#pragma once

#include "framework/CDC.h"

// An off-screen surface over a rectangle of a device context: draw into it,
// and its destructor copies the result onto the target in one go, so a
// window repainted through it does not flicker. On a printer context it
// draws directly.
class CXMemDC : public CDC
{
public:
    // The rectangle in the target's logical units; its clip box when null.
    explicit CXMemDC(CDC* target, const RECT* rect = nullptr);
    ~CXMemDC() override;

private:
    CDC* m_pTarget;
    CRect m_rc;
    CBitmap m_Bitmap;
    bool m_bMemory;
};
