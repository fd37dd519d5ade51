// Off-screen drawing in a paint handler, repeated many times, leaves no GDI object and no
// device context behind.
#include <gtest/gtest.h>

#include "framework/CPaintDC.h"
#include "framework/CWnd.h"

namespace {

class PaintWindow : public CWnd
{
public:
    int paints = 0;
    HGDIOBJ lastObjects[5] = {};
    HDC lastMemoryDC = nullptr;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        CBitmap bitmap;
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CBrush brush(RGB(0, 0, 255));
        CFont font;
        CRgn clip;
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
        font.CreatePointFont(90, "Arial");
        clip.CreateRectRgn(0, 0, client.Width() / 2, client.Height() / 2);

        // Selections are left in place on purpose: the context puts them back itself.
        memory.SelectObject(&bitmap);
        memory.SelectObject(&pen);
        memory.SelectObject(&brush);
        memory.SelectObject(&font);
        memory.FillRect(&client, &brush);
        memory.SetBkMode(TRANSPARENT);
        memory.DrawText("Paint", &client, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        memory.MoveTo(0, 0);
        memory.LineTo(client.right, client.bottom);
        memory.Draw3dRect(&client, RGB(255, 255, 255), RGB(0, 0, 0));
        CRect edge(2, 2, 30, 20);
        memory.DrawEdge(&edge, EDGE_RAISED, BF_RECT);

        const int saved = dc.SaveDC();
        dc.SelectClipRgn(&clip);
        dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
        dc.RestoreDC(saved);

        lastObjects[0] = bitmap.m_hObject;
        lastObjects[1] = pen.m_hObject;
        lastObjects[2] = brush.m_hObject;
        lastObjects[3] = font.m_hObject;
        lastObjects[4] = clip.m_hObject;
        lastMemoryDC = memory.m_hDC;
        ++paints;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintWindow, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

}  // namespace

TEST(Drawing, RepeatedPaintsLeakNoGdiObjects)
{
    PaintWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "paint test", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80, nullptr, nullptr));
    window.RedrawWindow();
    AfxFreeTemporaryObjects();
    const long objectsBefore = CGdiObject::LiveCount();
    const long contextsBefore = CDC::LiveCount();

    for (int i = 0; i < 2000; ++i)
        window.RedrawWindow();
    AfxFreeTemporaryObjects();

    EXPECT_EQ(window.paints, 2001);
    EXPECT_EQ(CGdiObject::LiveCount(), objectsBefore);
    EXPECT_EQ(CDC::LiveCount(), contextsBefore);
    for (HGDIOBJ object : window.lastObjects)
        EXPECT_EQ(::GetObjectType(object), 0u);
    EXPECT_EQ(::GetObjectType(window.lastMemoryDC), 0u);
    EXPECT_EQ(AfxTemporaryObjectCount(), 0u);
}

TEST(Drawing, ContextPutsBackWhatItSelected)
{
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    HGDIOBJ originalPen = ::GetCurrentObject(screen.m_hDC, OBJ_PEN);
    HGDIOBJ originalBitmap = ::GetCurrentObject(screen.m_hDC, OBJ_BITMAP);
    CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 1, nullptr));
    {
        CDC view;
        view.Attach(screen.m_hDC);
        CPen* previous = view.SelectObject(&pen);
        ASSERT_NE(previous, nullptr);
        EXPECT_EQ(previous->m_hObject, originalPen);
        view.SelectObject(&bitmap);
        EXPECT_EQ(::GetCurrentObject(screen.m_hDC, OBJ_PEN), pen.m_hObject);
    }
    EXPECT_EQ(::GetCurrentObject(screen.m_hDC, OBJ_PEN), originalPen);
    EXPECT_EQ(::GetCurrentObject(screen.m_hDC, OBJ_BITMAP), originalBitmap);
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_EQ(::GetObjectType(pen.m_hObject), 0u);
    AfxFreeTemporaryObjects();
}

TEST(Drawing, ReleasedContextWrapperNamesItsHandleWhenAskedAgain)
{
    AfxFreeTemporaryObjects();
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CWnd wrapper;
    ASSERT_TRUE(wrapper.Attach(window));
    // Two GetDC/ReleaseDC pairs within one idle period, as two handlers in a row would do.
    for (int round = 0; round < 2; ++round) {
        CDC* dc = wrapper.GetDC();
        ASSERT_NE(dc, nullptr);
        EXPECT_NE(dc->m_hDC, nullptr) << "round " << round;
        EXPECT_NE(dc->GetDeviceCaps(LOGPIXELSY), 0) << "round " << round;
        EXPECT_EQ(wrapper.ReleaseDC(dc), 1) << "round " << round;
    }
    HDC screen = ::GetDC(nullptr);
    CDC* first = CDC::FromHandle(screen);
    first->Detach();
    EXPECT_EQ(CDC::FromHandle(screen)->m_hDC, screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ stockPen = ::GetStockObject(BLACK_PEN);
    CPen::FromHandle(static_cast<HPEN>(stockPen))->Detach();
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(stockPen))->m_hObject, stockPen);
    wrapper.Detach();
    ::DestroyWindow(window);
    AfxFreeTemporaryObjects();
}
