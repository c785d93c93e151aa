// The main dialog's timer handler and the warm-up and elapsed clocks.
#include "clocks.h"

#include "clock_text.h"
#include "telmor.h"
#include "tester_dlg.h"

void CTesterDlg::OnTimer(UINT nIDEvent)
{
    if (nIDEvent == kWarmupTimerId)
        ShowWarmupTime();
    else if (nIDEvent == kElapsedTimerId)
        ShowElapsedTime();
    CDialog::OnTimer(nIDEvent);
}

void CTesterDlg::ShowWarmupTime()
{
    int nRemain = DrvGetWarmupRemainTime();
    CWnd* pField = GetDlgItem(IDC_WARMUP_TIME);
    char szText[kClockTextSize];
    FormatWarmupText(nRemain, szText);
    if (pField)
        pField->SetWindowText(szText);
}

void CTesterDlg::ShowElapsedTime()
{
    CWnd* pField = GetDlgItem(IDC_ELAPSED_TIME);
    ++m_nElapsedSeconds;
    char szText[kClockTextSize];
    FormatClockText(m_nElapsedSeconds, szText);
    if (pField)
        pField->SetWindowText(szText);
}
