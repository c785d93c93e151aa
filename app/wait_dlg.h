// The caption-less box that asks the user to wait while a full test scan runs.
#pragma once
#include "afxwin.h"

class CWaitDlg : public CDialog {
public:
    explicit CWaitDlg(CWnd* pParent = nullptr);
    ~CWaitDlg() override;

    // Opens the box over pParentWnd, centred, and dispatches 100 pending messages so it is drawn.
    void CreateAndPump(CWnd* pParentWnd);
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

extern CWaitDlg g_waitDlg;

// Takes at most one message from the thread's queue and dispatches it; never waits.
void PumpOneMessage();
