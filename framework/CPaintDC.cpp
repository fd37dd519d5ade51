#include "framework/CPaintDC.h"

#include "framework/CWnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CReleasedDC::CReleasedDC(CWnd* window, GetContext get) : m_hWnd(window ? window->m_hWnd : nullptr)
{
    Attach(get(m_hWnd));
}

CReleasedDC::~CReleasedDC()
{
    HDC dc = Detach();
    if (dc)
        ::ReleaseDC(m_hWnd, dc);
}
