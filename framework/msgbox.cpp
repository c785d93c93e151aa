// The message box: a modal system box owned by the main window, titled with the application name.
#include "msgbox.h"

#ifdef _WIN32
#include "winapp.h"
#else
#include <cstdio>
#endif

namespace {
AFX_MSGBOX_HOOK g_pfnMsgBoxHook = nullptr;
}

AFX_MSGBOX_HOOK AfxSetMessageBoxHook(AFX_MSGBOX_HOOK pfnHook)
{
    AFX_MSGBOX_HOOK pfnOld = g_pfnMsgBoxHook;
    g_pfnMsgBoxHook = pfnHook;
    return pfnOld;
}

int AfxMessageBox(const char* lpszText, UINT nType, UINT /*nIDHelp*/)
{
    if (g_pfnMsgBoxHook)
        return g_pfnMsgBoxHook(lpszText, nType);
#ifdef _WIN32
    CWinApp* pApp = AfxGetApp();
    HWND hOwner = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
    return ::MessageBoxA(hOwner, lpszText, AfxGetAppName(), nType);
#else
    std::fprintf(stderr, "%s\n", lpszText);
    return IDOK;
#endif
}
