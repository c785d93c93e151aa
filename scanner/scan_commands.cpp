// The Scan and Preview buttons: a scan run between the two detector messages.
#include "detector_notify.h"
#include "tester_dlg.h"
#include "wait_dlg.h"

void CTesterDlg::OnScan()
{
    // A click queued while the wait box pumps must not start a second command inside this one.
    if (m_bInCommand)
        return;
    m_bInCommand = TRUE;
    NotifyDetectorBegin();
    g_waitDlg.CreateAndPump(this);
    if (!m_bExitRequested) // Exit was clicked while the box was being drawn
        RunScan(SCAN_KIND_TEST);
    g_waitDlg.DestroyWindow();
    NotifyDetectorEnd();
    m_bInCommand = FALSE;
    CloseIfExitRequested();
}

void CTesterDlg::OnPreview()
{
    if (m_bInCommand)
        return;
    m_bInCommand = TRUE;
    NotifyDetectorBegin();
    RunScan(SCAN_KIND_PREVIEW);
    NotifyDetectorEnd();
    m_bInCommand = FALSE;
    CloseIfExitRequested();
}

void CTesterDlg::CloseIfExitRequested()
{
    // Exit clicked during the command, and the scan loop did not take the request
    // (it came before the loop, or after its last line): close now, as Exit asked.
    if (m_bExitRequested && m_hWnd)
        DestroyWindow();
}
