// The main dialog: initialisation, minimised painting and the closing rules.
#include "tester_dlg.h"

#include "dialog_texts.h"
#include "get_res_string.h"

#include <cstdio>
#include <cstring>

CTesterDlg::CTesterDlg(CWnd* pParent) : CDialog(IDD_TESTER_DIALOG, pParent)
{
    CWinApp* pApp = AfxGetApp();
    m_hIcon = pApp ? pApp->LoadIcon(IDR_MAINFRAME) : ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_bSuggestEpp = FALSE;
}

CTesterDlg::~CTesterDlg() { m_wndPreview.DestroyWindow(); }

BEGIN_MESSAGE_MAP(CTesterDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_EXIT, OnExit)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_SCAN, OnScan)
    ON_WM_TIMER()
    ON_BN_CLICKED(IDC_PREVIEW, OnPreview)
END_MESSAGE_MAP()

void CTesterDlg::DoDataExchange(CDataExchange*) {}

BOOL CTesterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);

    m_rcPreview = {1, 1, 255, 351};
    m_wndPreview.Create(m_rcPreview, this);

    char szTitle[kTextBufferSize];
    char szIniPath[kTextBufferSize];
    DWORD nLen = ::GetModuleFileNameA(AfxGetInstanceHandle(), szTitle, kTextBufferSize - 1);
    szTitle[nLen < kTextBufferSize ? nLen : kTextBufferSize - 1] = '\0';
    char szProduct[kTextBufferSize];
    if (IdentityFilePath(szTitle, szIniPath))
        ::GetPrivateProfileStringA("Identity", "ProductName", "Scanner", szProduct, kTextBufferSize, szIniPath);
    else
        std::strcpy(szProduct, "Scanner"); // no path to the file: as if it were missing
    ComposeCaption(szProduct, szTitle);
    SetWindowText(szTitle);

    static const struct {
        UINT nString;
        int nControl;
    } kCaptions[] = {
        {IDS_SCANNER_CHECK, IDC_SCAN},     {IDS_SCANNER_CHECK, IDC_SCAN_GROUP},
        {IDS_EXIT, IDC_EXIT},              {IDS_SYSTEM_CHECK, IDC_SYSTEM_CHECK_GROUP},
        {IDS_PERF_SUGGEST, IDC_SUGGEST_GROUP}, {IDS_PREVIEW, IDC_PREVIEW},
    };
    for (const auto& c : kCaptions)
        GetDlgItem(c.nControl)->SetWindowText(GetResString(c.nString));

    static const struct {
        UINT nString;
        BOOL bCut;
        int nControl;
    } kLabels[] = {
        {IDS_PRODUCT_ID, TRUE, IDC_PRODUCT_ID},
        {IDS_CONNECT_MODE, TRUE, IDC_CONNECT_MODE},
        {IDS_CONNECT_PORT, FALSE, IDC_CONNECT_PORT},
        {IDS_SCAN_TEST, TRUE, IDC_SCAN_TEST},
    };
    char szLabel[kTextBufferSize];
    for (const auto& l : kLabels) {
        std::snprintf(szLabel, sizeof(szLabel), "%s", GetResString(l.nString));
        if (l.bCut)
            CutAtPercent(szLabel);
        GetDlgItem(l.nControl)->SetWindowText(szLabel);
    }

    ShowSystemCheck();

    std::sprintf(szLabel, "%s.%s.%s", "1", "10", "133");
    GetDlgItem(IDC_EXE_VERSION)->SetWindowText(szLabel);
    GetDlgItem(IDC_DLL_VERSION)->SetWindowText("");
    GetDlgItem(IDC_VXD_VERSION)->SetWindowText("");

    m_bScanning = FALSE;
    return TRUE;
}

void CTesterDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
    RECT rc;
    GetClientRect(&rc);
    POINT pt = MinimizedIconPosition(rc.right - rc.left, rc.bottom - rc.top, ::GetSystemMetrics(SM_CXICON),
                                     ::GetSystemMetrics(SM_CYICON));
    ::DrawIcon(dc.GetSafeHdc(), pt.x, pt.y, m_hIcon);
}

HCURSOR CTesterDlg::OnQueryDragIcon() { return (HCURSOR)m_hIcon; }

void CTesterDlg::OnExit()
{
    if (m_bScanning == 1) {
        // A request: the scan loop takes it from the queue, ends the scan and then closes.
        m_bExitRequested = TRUE;
        PostMessage(WM_DESTROY, 0, 0);
        return;
    }
    if (m_bInCommand) {
        // Clicked while a command's wait box was being drawn: the command closes the tester when it ends.
        m_bExitRequested = TRUE;
        return;
    }
    DestroyWindow();
}

void CTesterDlg::OnDestroy() { CDialog::OnDestroy(); }

// Esc, the close box and Alt+F4 all arrive here: only Exit closes the tester.
void CTesterDlg::OnCancel() {}
