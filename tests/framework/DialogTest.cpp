// Dialogs from templates with subclassed controls: binding, commands, reflection, data
// exchange, and modeless and modal behaviour under real keyboard input.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/CWinApp.h"
#include "tests/framework/TestDialog.h"
#include "tests/framework/WindowTestSupport.h"

using window_test::FocusForTyping;
using window_test::PressKey;
using window_test::PumpFor;
using window_test::PumpUntil;

namespace {

bool Logged(const TestLog& log, const std::string& entry)
{
    return std::find(log.begin(), log.end(), entry) != log.end();
}

class ModelessDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.Create(IDD_TEST_MAIN));
        dialog.log.clear();
    }

    TestDialog dialog;
};

}  // namespace

TEST_F(ModelessDialog, BindsControlsBySubclassing)
{
    EXPECT_TRUE(dialog.m_list.preSubclassed);
    EXPECT_TRUE(dialog.m_button.preSubclassed);
    EXPECT_EQ(dialog.GetDlgItem(IDC_TEST_LIST), &dialog.m_list);
    EXPECT_EQ(CWnd::FromHandle(::GetDlgItem(dialog.m_hWnd, IDC_TEST_BUTTON)), &dialog.m_button);
    EXPECT_EQ(dialog.m_list.GetHeaderCtrl(), &dialog.m_list.header);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(ModelessDialog, ButtonCommandReachesTheDialogAfterTheButton)
{
    dialog.m_button.SendMessage(BM_CLICK);
    EXPECT_EQ(dialog.log, TestLog({"button:clicked", "dialog:press"}));
}

TEST_F(ModelessDialog, ReflectedNotificationIsTakenWholeByTheChild)
{
    NMLISTVIEW click{};
    click.hdr = {dialog.m_list.m_hWnd, IDC_TEST_LIST, static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iSubItem = 1;
    dialog.SendMessage(WM_NOTIFY, IDC_TEST_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(dialog.log, TestLog({"list:columnclick"}));
}

TEST_F(ModelessDialog, ExtendedReflectionLetsTheParentSeeItToo)
{
    dialog.m_list.InsertItem(0, "first");
    dialog.log.clear();
    dialog.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_GE(dialog.log.size(), 2u);
    EXPECT_EQ(dialog.log[0], "list:itemchanged");
    EXPECT_EQ(dialog.log[1], "dialog:itemchanged");
}

TEST_F(ModelessDialog, ListViewReflectsItsHeadersDrawItem)
{
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    ASSERT_TRUE(dialog.m_list.header.GetItem(0, &item));
    item.fmt |= HDF_OWNERDRAW;
    ASSERT_TRUE(dialog.m_list.header.SetItem(0, &item));
    dialog.m_list.header.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GT(dialog.m_list.header.drawCount, 0);
}

TEST_F(ModelessDialog, ControlColourIsReflectedToTheLabel)
{
    dialog.m_label.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_GT(dialog.m_label.colorCalls, 0);
}

TEST_F(ModelessDialog, EnterAndEscapeDoNotEndIt)
{
    FocusForTyping(dialog.m_edit.m_hWnd);
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return Logged(dialog.log, "dialog:ok"); }, 5000));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return Logged(dialog.log, "dialog:cancel"); }, 5000));
    PumpFor(100);
    EXPECT_TRUE(dialog.IsWindow());
    EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(ModelessDialog, DataExchangeRoundTripsCheckRadioAndText)
{
    dialog.m_check = 1;
    dialog.m_radio = 1;
    dialog.m_text = "hello";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TEST_CHECK), BST_CHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TEST_RADIO_ONE), BST_UNCHECKED);
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_TEST_RADIO_TWO), BST_CHECKED);
    CString shown;
    dialog.GetDlgItemText(IDC_TEST_TEXT, shown);
    EXPECT_STREQ(shown, "hello");

    dialog.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
    dialog.CheckRadioButton(IDC_TEST_RADIO_ONE, IDC_TEST_RADIO_TWO, IDC_TEST_RADIO_ONE);
    dialog.SetDlgItemText(IDC_TEST_TEXT, "world");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_check, 0);
    EXPECT_EQ(dialog.m_radio, 0);
    EXPECT_STREQ(dialog.m_text, "world");

    dialog.CheckRadioButton(IDC_TEST_RADIO_ONE, IDC_TEST_RADIO_TWO, 0);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_radio, -1);
}

namespace {

// Acts once, 50 ms after it is shown; ends with -2 should the test hang.
class TimedDialog : public TestDialog
{
public:
    explicit TimedDialog(CWnd* owner = nullptr, UINT templateId = IDD_TEST_MAIN) : TestDialog(owner)
    {
        m_nIDTemplate = templateId;
    }

protected:
    virtual void OnFirstTick() = 0;

    BOOL OnInitDialog() override
    {
        TestDialog::OnInitDialog();
        SetTimer(1, 50);
        SetTimer(2, 15000);
        return TRUE;
    }
    void OnTimer(UINT_PTR id)
    {
        KillTimer(id);
        if (id == 2) {
            EndDialog(-2);
        } else {
            OnFirstTick();
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimedDialog, TestDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

// Types a key into its edit box and ends with 42 when its PreTranslateMessage sees the
// key on its way to the edit box.
class KeyWatchingDialog : public TimedDialog
{
public:
    bool keySeenBeforeDispatch = false;

protected:
    void OnFirstTick() override
    {
        FocusForTyping(m_edit.m_hWnd);
        PressKey('K');
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->wParam == 'K' && msg->hwnd == m_edit.m_hWnd) {
            keySeenBeforeDispatch = m_edit.GetWindowTextLength() == 0;
            EndDialog(42);
            return TRUE;
        }
        return TimedDialog::PreTranslateMessage(msg);
    }
};

// From a template not marked visible; hides itself while it initialises when asked to,
// and notes whether it is visible once running.
class VisibilityDialog : public TimedDialog
{
public:
    explicit VisibilityDialog(bool hideInInit) : TimedDialog(nullptr, IDD_TEST_UNMARKED), m_bHide(hideInInit) {}
    bool visibleAtTimer = false;

protected:
    BOOL OnInitDialog() override
    {
        TimedDialog::OnInitDialog();
        if (m_bHide)
            ShowWindow(SW_HIDE);
        return TRUE;
    }
    void OnFirstTick() override
    {
        visibleAtTimer = IsWindowVisible();
        EndDialog(7);
    }

private:
    bool m_bHide;
};

// Presses Enter in its text box, so that the default button ends it.
class EnterDialog : public TimedDialog
{
protected:
    void OnFirstTick() override
    {
        ::SetDlgItemTextA(m_hWnd, IDC_TEST_TEXT, "typed");
        FocusForTyping(::GetDlgItem(m_hWnd, IDC_TEST_TEXT));
        PressKey(VK_RETURN);
    }
};

// Posts a quit with code 23 while it runs.
class QuittingDialog : public TimedDialog
{
protected:
    void OnFirstTick() override { ::PostQuitMessage(23); }
};

// Looks at a window (by default its parent) while it runs, then ends.
class OwnerCheckingDialog : public TimedDialog
{
public:
    explicit OwnerCheckingDialog(CWnd* parent, CWnd* watched = nullptr)
        : TimedDialog(parent), m_watched(watched ? watched : parent)
    {
    }
    bool ownerEnabledDuring = true;

protected:
    void OnFirstTick() override
    {
        ownerEnabledDuring = m_watched->IsWindowEnabled();
        EndDialog(IDOK);
    }

private:
    CWnd* m_watched;
};

}  // namespace

TEST(ModalDialog, PreTranslateMessageSeesKeysTypedIntoItsControls)
{
    KeyWatchingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(dialog.keySeenBeforeDispatch);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(ModalDialog, EnterRunsOnOkWhichReadsTheControlsAndEndsIt)
{
    EnterDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(Logged(dialog.log, "dialog:ok"));
    EXPECT_STREQ(dialog.m_text, "typed");
}

TEST(ModalDialog, ShowsAfterItsInitialisationUnlessItHidItselfThere)
{
    for (const bool hide : {false, true}) {
        VisibilityDialog dialog(hide);
        EXPECT_EQ(dialog.DoModal(), 7);
        EXPECT_EQ(dialog.visibleAtTimer, !hide) << (hide ? "hidden in its initialisation" : "template not visible");
    }
}

TEST(ModalDialog, QuitEndsTheDialogAndKeepsItsExitCode)
{
    QuittingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 23u);
}

TEST(ModalDialog, OwnerIsDisabledWhileItRunsAndEnabledAfter)
{
    TestDialog owner;
    ASSERT_TRUE(owner.Create(IDD_TEST_MAIN));
    OwnerCheckingDialog dialog(&owner);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.ownerEnabledDuring);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

namespace {

class OpeningDialog : public TimedDialog
{
public:
    explicit OpeningDialog(CWnd* owner) : TimedDialog(owner) {}
    INT_PTR innerResult = 0;
    bool enabledDuringInner = true;

protected:
    void OnFirstTick() override
    {
        // Opened without a parent, as a dialog is from inside another modal one.
        OwnerCheckingDialog inner(nullptr, this);
        innerResult = inner.DoModal();
        enabledDuringInner = inner.ownerEnabledDuring;
        EndDialog(IDOK);
    }
};

}  // namespace

TEST(ModalDialog, ParentlessDialogOpenedFromAModalOneDisablesThatOne)
{
    CWinApp app("test");
    TestDialog mainDialog;
    ASSERT_TRUE(mainDialog.Create(IDD_TEST_MAIN));
    app.m_pMainWnd = &mainDialog;
    OpeningDialog opener(&mainDialog);
    EXPECT_EQ(opener.DoModal(), IDOK);
    EXPECT_EQ(opener.innerResult, IDOK);
    EXPECT_FALSE(opener.enabledDuringInner);
    EXPECT_TRUE(mainDialog.IsWindowEnabled());
    app.m_pMainWnd = nullptr;
}

namespace {

class OuterDialog : public CDialog
{
public:
    OuterDialog() : CDialog(IDD_TEST_OUTER) {}
    CDialog inner;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        inner.Create(IDD_TEST_INNER, this);
        inner.SetWindowPos(nullptr, 10, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        return TRUE;
    }
};

}  // namespace

TEST(NestedDialog, TabMovesFromTheOuterDialogIntoTheChildDialog)
{
    OuterDialog outer;
    ASSERT_TRUE(outer.Create(IDD_TEST_OUTER));
    ASSERT_TRUE(outer.inner.IsWindow());
    HWND outerEdit = ::GetDlgItem(outer.m_hWnd, IDC_OUTER_EDIT);
    HWND innerEdit = ::GetDlgItem(outer.inner.m_hWnd, IDC_INNER_EDIT);
    FocusForTyping(outerEdit);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == outerEdit; }, 3000));
    PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == innerEdit; }, 3000));
    // Enter and Escape in the nested child close nothing.
    PressKey(VK_ESCAPE);
    PumpFor(100);
    EXPECT_TRUE(outer.inner.IsWindowVisible());
    EXPECT_TRUE(outer.IsWindowVisible());
}
