// The test dialog of template IDD_TEST_MAIN with a subclassed list view (whose header is
// subclassed too), button, edit and label, and members exchanged with its check box,
// radio group and text box. Everything the controls and the dialog see goes into one log.
#pragma once

#include <string>
#include <vector>

#include "framework/CButton.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CListCtrl.h"
#include "framework/CStatic.h"
#include "tests/framework/FrameworkWindowTestIds.h"

using TestLog = std::vector<std::string>;

class TestHeader : public CHeaderCtrl
{
public:
    int drawCount = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawCount; }
};

class TestList : public CListCtrl
{
public:
    explicit TestList(TestLog& log) : m_log(log) {}
    bool preSubclassed = false;
    TestHeader header;

protected:
    void PreSubclassWindow() override;
    void OnColumnClick(NMHDR*, LRESULT* result);
    BOOL OnItemChanged(NMHDR*, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    TestLog& m_log;
};

class TestButton : public CButton
{
public:
    explicit TestButton(TestLog& log) : m_log(log) {}
    bool preSubclassed = false;

protected:
    void PreSubclassWindow() override { preSubclassed = true; }
    BOOL OnClicked();

    DECLARE_MESSAGE_MAP()

private:
    TestLog& m_log;
};

class TestLabel : public CStatic
{
public:
    int colorCalls = 0;

protected:
    HBRUSH CtlColor(CDC*, UINT);

    DECLARE_MESSAGE_MAP()
};

class TestDialog : public CDialog
{
public:
    explicit TestDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST_MAIN, parent), m_list(log), m_button(log) {}

    TestLog log;
    TestList m_list;
    TestButton m_button;
    CEdit m_edit;
    TestLabel m_label;
    int m_check = 0;
    int m_radio = -1;
    CString m_text;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnPress();
    void OnListColumnClick(NMHDR*, LRESULT*);
    void OnListItemChanged(NMHDR*, LRESULT*);

    DECLARE_MESSAGE_MAP()
};
