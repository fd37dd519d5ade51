#include "editor/CRecordPane.h"

namespace {

const UINT_PTR kQuickRecordTimer = 1029;
const UINT kQuickRecordTimerMs = 30;

}  // namespace

CRecordPane::CRecordPane(IRobotEditor* editor) : CDialog(IDD), m_pEditor(editor) {}

void CRecordPane::RecordIntoRobot()
{
    m_pEditor->ShowEditor(SW_HIDE);
    CRecordRobotDlg recorder;
    recorder.SetMode(1);
    if (recorder.DoModal() == IDOK) {
        if (recorder.GetLineCount() > 0) {
            m_pEditor->AddActionLine("Comment: ==== Start recorded actions ====");
            for (int i = 0; i < recorder.GetLineCount(); ++i) {
                const CString line = recorder.GetLine(i);
                if (!line.IsEmpty())
                    m_pEditor->AddActionLine(line);
            }
            m_pEditor->AddActionLine("Comment: ==== End of recorded actions ====");
        }
        m_pEditor->ClearRecordedWindows();
        RecordedWindowInfo record;
        for (int i = 0; recorder.GetRecordedWindow(i, record); ++i)
            m_pEditor->AddRecordedWindow(record);
    }
    m_pEditor->ShowEditor(SW_SHOWNORMAL);
}

void CRecordPane::QuickRecord(int mode)
{
    m_pQuickRecorder.reset();
    m_pEditor->ShowEditor(SW_HIDE);
    m_pQuickRecorder = std::make_unique<CRecordRobotDlg>();
    m_pQuickRecorder->SetMode(mode);
    SetTimer(kQuickRecordTimer, kQuickRecordTimerMs);
    m_nQuickRecordResult = m_pQuickRecorder->DoModal();
}
