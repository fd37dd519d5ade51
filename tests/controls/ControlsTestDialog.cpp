#include "ControlsTestDialog.h"

#include "framework/CDataExchange.h"
#include "tests/controls/ControlsTestIds.h"

CControlsTestDialog::CControlsTestDialog()
{
    Create(IDD_CONTROLS_TEST, nullptr);
}

CControlsTestDialog::~CControlsTestDialog()
{
    DestroyWindow();
}

void CControlsTestDialog::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_TEST_LIST, m_list);
    DDX_Control(exchange, IDC_TEST_BUTTON, m_button);
    DDX_Control(exchange, IDC_TEST_DEFAULT_BUTTON, m_defaultButton);
}

void PumpPendingMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
