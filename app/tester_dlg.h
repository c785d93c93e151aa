// The tester's one window: the main dialog.
#pragma once
#include "afxwin.h"
#include "preview_wnd.h"
#include "resource.h"

class CTesterDlg : public CDialog {
public:
    explicit CTesterDlg(CWnd* pParent = nullptr);
    ~CTesterDlg() override;

    void ShowSystemCheck();
    void ShowWarmupTime();
    void ShowElapsedTime();

    RECT m_rcPreview = {0, 0, 0, 0};
    CPreviewWnd m_wndPreview;
    BOOL m_bSuggestEpp;
    BOOL m_bScanning = FALSE;
    int m_nElapsedSeconds = 0;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnExit();
    void OnDestroy();
    void OnTimer(UINT nIDEvent);

    DECLARE_MESSAGE_MAP()
};
