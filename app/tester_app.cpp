// The application object, the single-instance mutex and the objects with static storage.
#include "tester_app.h"

#include "tester_dlg.h"

namespace {
const char kHelpText[] =
    "Scanner Check runs a full test scan at the scanner's own settings; Preview runs a quick "
    "scan of the whole bed at 50 dpi. The report shows how the scanner is connected, the "
    "versions of its driver, and the result of the scan. Esc ends a scan early; Exit closes "
    "the tester.";
}

HANDLE g_hMutex = INVALID_HANDLE_VALUE;
CTesterApp theApp;

CTesterApp::CTesterApp() : CWinApp(nullptr) {}
CTesterApp::~CTesterApp() = default;

BEGIN_MESSAGE_MAP(CTesterApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CTesterApp::InitInstance()
{
    HANDLE hMutex = ::CreateMutexA(nullptr, FALSE, "FlatbedTestApp.mutex");
    if (::GetLastError() == ERROR_ALREADY_EXISTS)
        return FALSE;
    g_hMutex = hMutex;

    Enable3dControlsStatic();
    SetDialogBkColor(RGB(192, 192, 192), RGB(0, 0, 0));
    AfxSetHelpText(kHelpText);

    CTesterDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    return FALSE;
}

int CTesterApp::ExitInstance()
{
    if (g_hMutex != INVALID_HANDLE_VALUE)
        ::ReleaseMutex(g_hMutex);
    return 1;
}
