// A program of its own for the framework's tests: its modeless main dialog posts the quit
// message with the exit code given on the command line, and the framework's entry point
// must hand that code to the process.
#include <cstdlib>

#include "framework/CDialog.h"
#include "framework/CWinApp.h"
#include "tests/framework/FrameworkWindowTestIds.h"

namespace {

class QuittingMainDialog : public CDialog
{
public:
    int exitCode = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(1, 50);
        return TRUE;
    }
    void OnTimer(UINT_PTR id)
    {
        KillTimer(id);
        ::PostQuitMessage(exitCode);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(QuittingMainDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class QuitProbeApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        m_dialog.exitCode = std::atoi(m_lpCmdLine);
        if (!m_dialog.Create(IDD_TEST_MAIN))
            return FALSE;
        m_pMainWnd = &m_dialog;
        return TRUE;
    }

private:
    QuittingMainDialog m_dialog;
};

QuitProbeApp theApp;

}  // namespace
