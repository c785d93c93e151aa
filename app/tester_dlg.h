// The tester's one window: the main dialog.
#pragma once
#include "afxwin.h"
#include "preview_wnd.h"
#include "resource.h"
#include "telmor.h"

class CTesterDlg : public CDialog {
public:
    explicit CTesterDlg(CWnd* pParent = nullptr);
    ~CTesterDlg() override;

    void ShowSystemCheck();
    void ShowWarmupTime();
    void ShowElapsedTime();
    void RunScan(ScanKind kind);

    RECT m_rcPreview = {0, 0, 0, 0};
    CPreviewWnd m_wndPreview;
    BOOL m_bSuggestEpp;
    BOOL m_bScanning = FALSE;
    int m_nElapsedSeconds = 0;
    HICON m_hIcon;
    // What the last run learned of the connection; chooses the check list when the scanner is not found.
    BOOL m_bLastUsb = FALSE;
    // A Scan or Preview command is under way (its wait box pump or its scan run).
    BOOL m_bInCommand = FALSE;
    // Exit was clicked during a command: the tester closes once the command has ended.
    BOOL m_bExitRequested = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnExit();
    void OnDestroy();
    void OnTimer(UINT nIDEvent);
    void OnScan();
    void OnPreview();

    void CloseIfExitRequested();
    void SetScanButtonsEnabled(BOOL bEnable);
    void ShowScanResult(const char* pszWord);
    // Steps from the setup to the result; FALSE when the dialog was destroyed during the scan.
    BOOL ScanImage(ScanKind kind, int32_t nStatus, DrvFeatures& features, HFILE hPort);

    DECLARE_MESSAGE_MAP()
};
