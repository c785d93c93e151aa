// The wait box and the bounded pump that lets it be drawn.
#include "wait_dlg.h"

#include "get_res_string.h"
#include "resource.h"

namespace {
const int kMessagesToPump = 100;
}

CWaitDlg g_waitDlg;
MSG g_pumpMsg;

CWaitDlg::CWaitDlg(CWnd* pParent) : CDialog(IDD_WAIT_DIALOG, pParent) {}

CWaitDlg::~CWaitDlg() = default;

void CWaitDlg::DoDataExchange(CDataExchange*) {}

BOOL CWaitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    GetDlgItem(IDC_WAIT_TEXT)->SetWindowText(GetResString(IDS_WAIT_SCANNING));
    GetDlgItem(IDC_WAIT_SPEC)->SetWindowText(GetResString(IDS_SCAN_SPEC));
    return TRUE;
}

void CWaitDlg::CreateAndPump(CWnd* pParentWnd)
{
    Create(IDD_WAIT_DIALOG, pParentWnd);
    if (m_hWnd)
        CenterWindow();
    for (int i = 0; i < kMessagesToPump; ++i)
        PumpOneMessage();
}

void PumpOneMessage()
{
    if (::PeekMessageA(&g_pumpMsg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&g_pumpMsg);
        ::DispatchMessageA(&g_pumpMsg);
    }
}
