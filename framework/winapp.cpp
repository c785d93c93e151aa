// CWinApp, the framework's global state and the start and end protocol.
#include "winapp.h"

#include "msgbox.h"

#include <cstdio>
#include <cstring>

namespace {
CWinApp* g_pApp = nullptr;
AFX_DIALOG_COLORS g_dialogColors = {nullptr, 0, 0};
LPCSTR g_pszHelpText = nullptr;
} // namespace

CWinApp* AfxGetApp() { return g_pApp; }

LPCSTR AfxGetAppName() { return g_pApp && g_pApp->m_pszAppName ? g_pApp->m_pszAppName : ""; }

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

const AFX_DIALOG_COLORS* AfxGetDialogColors() { return g_dialogColors.hBkBrush ? &g_dialogColors : nullptr; }

void AfxSetDialogColors(COLORREF crBk, COLORREF crText)
{
    if (g_dialogColors.hBkBrush)
        ::DeleteObject(g_dialogColors.hBkBrush);
    g_dialogColors = {::CreateSolidBrush(crBk), crBk, crText};
}

void AfxSetHelpText(LPCSTR lpszText) { g_pszHelpText = lpszText; }

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    g_pApp = this;
    if (lpszAppName) {
        std::strncpy(m_szAppName, lpszAppName, sizeof(m_szAppName) - 1);
        m_pszAppName = m_szAppName;
    }
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::ExitInstance() { return 0; }

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE; // every system this runs on draws dialogs in 3D already
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText) { AfxSetDialogColors(clrCtlBk, clrCtlText); }

void CWinApp::SetAppNameFromModule()
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
    szPath[n < MAX_PATH ? n : MAX_PATH - 1] = '\0';
    const char* pName = std::strrchr(szPath, '\\');
    pName = pName ? pName + 1 : szPath;
    std::snprintf(m_szAppName, sizeof(m_szAppName), "%s", pName);
    if (char* pDot = std::strrchr(m_szAppName, '.'))
        *pDot = '\0';
    m_pszAppName = m_szAppName;
}

void CWinApp::OnHelp()
{
    AfxMessageBox(g_pszHelpText ? g_pszHelpText : "No help is available.", MB_OK | MB_ICONINFORMATION);
}

int AfxWinMain(HINSTANCE hInstance, LPSTR /*lpCmdLine*/, int /*nCmdShow*/)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return -1;
    pApp->m_hInstance = hInstance;
    if (!pApp->m_pszAppName)
        pApp->SetAppNameFromModule();
    if (!pApp->InitInstance()) {
        if (pApp->m_pMainWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
