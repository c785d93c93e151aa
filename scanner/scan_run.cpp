// The scan run: open the scanner, report on it, set it up, pull the image line by
// line into the preview while keeping the dialog alive, and report the outcome.
#include "detector_notify.h"
#include "get_res_string.h"
#include "line_buffer.h"
#include "port_modes.h"
#include "scan_setup.h"
#include "tester_dlg.h"

#include <cstdio>
#include <cstring>

namespace {
const char kOk[] = "OK!";
const char kSettingError[] = "Setting Error";
const char kStartScanError[] = "StartScan Error";
const char kGetImageError[] = "GetImage Error";
const char kStopScanError[] = "StopScan Error";
const char kHomeCarriageError[] = "HomeCarriage Error";
const char kGetFeaturesError[] = "GetFeatures Error";
const char kNotFound[] = "Scanner Not Found";
const char kMemoryError[] = "Memory Error";

void SwapRedAndBlue(unsigned char* pLine, int nPixels)
{
    for (unsigned char* p = pLine; nPixels > 0; --nPixels, p += 3) {
        unsigned char c = p[0];
        p[0] = p[2];
        p[2] = c;
    }
}
} // namespace

void CTesterDlg::SetScanButtonsEnabled(BOOL bEnable)
{
    GetDlgItem(IDC_SCAN)->EnableWindow(bEnable);
    GetDlgItem(IDC_PREVIEW)->EnableWindow(bEnable);
}

void CTesterDlg::ShowScanResult(const char* pszWord)
{
    char szText[256];
    ::wsprintfA(szText, GetResString(IDS_SCAN_TEST), pszWord);
    GetDlgItem(IDC_SCAN_TEST)->SetWindowText(szText);
}

void CTesterDlg::RunScan(ScanKind kind)
{
    char szText[256];
    SetScanButtonsEnabled(FALSE);
    m_bSuggestEpp = FALSE;

    if (DrvOpen() != 0) {
        DrvClose();
        ShowScanResult(kNotFound);
        // Nothing can be asked of a scanner that did not open: the check list follows
        // what the last run learned of the connection, the parallel port when none did.
        GetDlgItem(IDC_SUGGEST_TEXT)->SetWindowText(GetResString(m_bLastUsb ? IDS_NOT_FOUND_USB : IDS_NOT_FOUND_LPT));
        SetScanButtonsEnabled(TRUE);
        return;
    }

    ShowWarmupTime();
    m_nElapsedSeconds = 0;
    SetTimer(IDC_WARMUP_TIME, 1000, nullptr);
    SetTimer(IDC_ELAPSED_TIME, 1000, nullptr);

    // Cleared, so that a library that fills nothing shows zeros rather than stack contents.
    DrvInfoEx info;
    std::memset(&info, 0, sizeof(info));
    DrvGetInfoEx(&info);
    std::sprintf(szText, "%s.%s.%s", "1", "10", "133");
    GetDlgItem(IDC_EXE_VERSION)->SetWindowText(szText);
    FormatVersion(info.lDllMajor, info.lDllMinor, info.lDllBuild, szText);
    GetDlgItem(IDC_DLL_VERSION)->SetWindowText(szText);
    FormatVersion(info.lVxdMajor, info.lVxdMinor, info.lVxdBuild, szText);
    GetDlgItem(IDC_VXD_VERSION)->SetWindowText(szText);

    DrvFeatures features;
    std::memset(&features, 0, sizeof(features));
    DrvGetFeatures(&features);
    m_bLastUsb = features.bUsb != 0;
    ::wsprintfA(szText, GetResString(IDS_PRODUCT_ID), (int)features.nProductId);
    GetDlgItem(IDC_PRODUCT_ID)->SetWindowText(szText);
    if (features.bUsb)
        GetDlgItem(IDC_CONNECT_PORT)->SetWindowText(GetResString(IDS_CONNECT_PORT_USB));
    else {
        ::wsprintfA(szText, GetResString(IDS_CONNECT_PORT_LPT), (int)features.nLptPort);
        GetDlgItem(IDC_CONNECT_PORT)->SetWindowText(szText);
    }

    HFILE hPort = ::_lopen(LptDeviceName(features.nLptPort), OF_READWRITE);

    ::wsprintfA(szText, GetResString(IDS_CONNECT_MODE), PortModeName(features.nPortMode));
    m_bSuggestEpp = PortModeSuggestsEpp(features.nPortMode);
    if (!features.bUsb) {
        GetDlgItem(IDC_CONNECT_MODE)->SetWindowText(szText);
        if (m_bSuggestEpp)
            GetDlgItem(IDC_SUGGEST_TEXT)->SetWindowText(GetResString(IDS_EPP_SUGGEST));
    }

    int32_t nStatus = DrvGetFeatures(&features);
    BOOL bDialogLives = TRUE;
    try {
        bDialogLives = ScanImage(kind, nStatus, features, hPort);
    } catch (CException* e) {
        // Out of memory for the preview or a wide line: the run still ends properly.
        e->Delete();
        if (m_bScanning) {
            m_bScanning = FALSE;
            DrvStopScan();
            DrvHomeCarriage(1);
        }
        ShowScanResult(kMemoryError);
    }
    if (!bDialogLives)
        return;

    KillTimer(IDC_ELAPSED_TIME);
    KillTimer(IDC_WARMUP_TIME);
    DrvClose();
    if (hPort != HFILE_ERROR)
        ::_lclose(hPort);
    SetScanButtonsEnabled(TRUE);
}

BOOL CTesterDlg::ScanImage(ScanKind kind, int32_t nStatus, DrvFeatures& features, HFILE hPort)
{
    ScanSetup setup = SetUpScan(kind, nStatus, features);
    m_wndPreview.BeginImage(setup.nWidth, setup.nHeight, 24, setup.nDpi, 0, 1);
    if (nStatus != 0) {
        // Say so: left alone, the field could still read "OK!" from an earlier run.
        ShowScanResult(kGetFeaturesError);
        return TRUE;
    }

    // Sized before the library is told about the line, so nothing is written past it.
    unsigned char* pLine = LineBufferFor(LineBufferBytesNeeded(setup));
    DrvImageBlock block;
    std::memset(&block, 0, sizeof(block));
    block.pLineBuffer = pLine;
    block.nBytesPerLine = setup.nBytesPerLine;
    block.nRight = features.nRight;

    const char* pszResult;
    if (DrvSetParameter(&features) != 0) {
        pszResult = kSettingError;
    } else if (DrvStartScan() != 0) {
        m_bScanning = FALSE;
        DrvStopScan();
        pszResult = kStartScanError;
    } else {
        m_bScanning = TRUE;
        int nLines = 0;
        const int nBound = setup.nHeight - 1;
        MSG msg;
        while (nBound > 0) {
            if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_NOYIELD)) {
                if (msg.message == WM_DESTROY || msg.message == WM_CLOSE || msg.message == WM_QUIT) {
                    m_bScanning = FALSE;
                    DrvStopScan();
                    DrvHomeCarriage(1);
                    DrvClose();
                }
                if (msg.message == WM_DESTROY) {
                    DestroyWindow(); // Exit during the scan: close as Exit does when idle
                } else {
                    ::TranslateMessage(&msg);
                    ::DispatchMessageA(&msg);
                }
                if (!m_hWnd) {
                    // The dialog is gone: nothing left to report into.
                    if (m_bScanning) {
                        m_bScanning = FALSE;
                        DrvStopScan();
                        DrvHomeCarriage(1);
                        DrvClose();
                    }
                    if (hPort != HFILE_ERROR)
                        ::_lclose(hPort);
                    return FALSE;
                }
            }
            if (DrvGetImage(&block) != 0) {
                ShowScanResult(kGetImageError);
                m_bScanning = FALSE;
                DrvStopScan();
                DrvHomeCarriage(1);
                return TRUE;
            }
            SwapRedAndBlue(pLine, setup.nWidth);
            m_wndPreview.AddLine(pLine);
            if (AfxGetAsyncKeyState(VK_ESCAPE) & 0xFF00)
                break;
            if (++nLines >= nBound)
                break;
        }
        m_bScanning = FALSE;
        if (DrvStopScan() != 0)
            pszResult = kStopScanError;
        else
            pszResult = DrvHomeCarriage(1) != 0 ? kHomeCarriageError : kOk;
    }
    ShowScanResult(pszResult);
    return TRUE;
}
