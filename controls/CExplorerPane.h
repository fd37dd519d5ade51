#pragma once

#include "controls/CPaneScroller.h"
#include "framework/CDialog.h"
#include "framework/CMap.h"

#include <memory>

class CItemPane;

// A child dialog that stacks CItemPane panes from the top, each title with its
// body below it, and scrolls when they are taller than it. It does not own the
// panes; their animations lay out the panes from the animating one on.
class CExplorerPane : public CDialog
{
public:
    CExplorerPane(UINT templateId, CWnd* parent);
    // Destroys the window first, so that its end (which stops the animations)
    // still runs as this class.
    ~CExplorerPane() override;

    // A child of the parent, from the template given at construction.
    BOOL Create();

    void SetBkColor(COLORREF color);
    void EnableScrolling(BOOL enable) { m_bScrolling = enable; }
    void AddPane(CItemPane* pane);
    void LayoutPanes();
    // Places the pane and those after it, leaving the ones before it where they are.
    void LayoutFrom(CItemPane* pane);
    // Ends the animations of all panes; they lay out the others, so none may
    // run while a pane goes.
    void StopAnimations();
    // Forgets a pane that is going away; the panes after it move up a position.
    void RemovePane(CItemPane* pane);

    int GetPaneCount() const { return m_nPaneCount; }
    const CPaneScroller& GetScroller() const { return *m_pScroller; }

    // Pixels between one pane's body and the next title; set by the owner.
    int m_nGap = 5;

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    void OnVScroll(UINT code, int position, CWnd* scrollBar);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CItemPane* PaneAt(int position) const;
    // Moves the pane's title to top and its body below it; the pane's full height.
    int PlacePane(CItemPane* pane, int left, int top);
    int PaneHeight(const CItemPane* pane) const;
    // Sets the content height and shows the bar exactly when it does not fit.
    void FitScrolling(int width, int height, int clientHeight);

    CMap<int, int, CItemPane*, CItemPane*> m_mapPanes{10};
    int m_nPaneCount = 0;
    COLORREF m_crBackground = RGB(100, 100, 225);
    BOOL m_bScrolling = TRUE;
    std::unique_ptr<CPaneScroller> m_pScroller;
};
