#pragma once

#include "controls/CSkinableDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CString.h"
#include "framework/CWinThread.h"

#include <atomic>
#include <memory>
#include <vector>

class CExplorerPane;

// One pane of a CExplorerPane: a title bar drawn from a bitmap, with a glyph
// for its state. A click on it folds the pane's body window away or unfolds
// it, sliding it in 2-pixel steps on a worker thread of its own; clicks on
// this pane are ignored until that ends. The body window belongs to the caller.
class CItemPane : public CSkinableDialog
{
public:
    enum
    {
        STATE_COLLAPSED = 1,
        STATE_EXPANDED = 2
    };

    CItemPane(UINT templateId, CExplorerPane* container, CWnd* body, UINT titleBitmapId, UINT collapsedGlyphId,
              UINT expandedGlyphId, int state);
    // Destroys the window first, so that its end (which stops the animation)
    // still runs as this class.
    ~CItemPane() override;

    // A child of the container, from the template given at construction.
    BOOL Create();
    // The font is taken over when not null; the window must exist, since its
    // start sets the title font and colour.
    void SetCaption(const char* caption, COLORREF textColor, CFont* font);

    static UINT ExpandProc(LPVOID pane);
    static UINT CollapseProc(LPVOID pane);
    // The body heights an animation lays out, in order; the last is where it ends.
    static std::vector<int> ExpandHeights(int fullHeight);
    static std::vector<int> CollapseHeights(int fullHeight);

    // Ends a running animation early and waits for its thread, handling the
    // window calls it makes meanwhile.
    void StopAnimation();

    int GetState() const { return m_nState; }
    BOOL IsAnimating() const { return m_bAnimating; }
    int GetBodyHeight() const { return m_nBodyHeight; }
    int GetFullHeight() const { return m_nFullHeight; }
    HWND GetBodyWindow() const { return m_hBody; }

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnLButtonDown(UINT flags, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void Animate(const std::vector<int>& heights, bool expand);
    // false when the pane refuses to animate: no worker, or none it could wait for.
    bool StartAnimation(AFX_THREADPROC procedure);
    void CloseWorker();

    CExplorerPane* m_pContainer;
    HWND m_hBody;
    UINT m_uTitleBitmapId;
    UINT m_uCollapsedGlyphId;
    UINT m_uExpandedGlyphId;
    CBitmap m_CollapsedGlyph;
    CBitmap m_ExpandedGlyph;

    CString m_strCaption = "Item Pane";
    COLORREF m_crTitleText = 0;
    std::unique_ptr<CFont> m_pTitleFont;
    int m_nState;
    int m_nFullHeight = 0;
    std::atomic<int> m_nBodyHeight{0};
    std::atomic<bool> m_bAnimating{false};
    std::atomic<bool> m_bStopAnimation{false};
    // Our own handle to the running worker, which deletes its thread object itself.
    HANDLE m_hWorker = nullptr;
};
