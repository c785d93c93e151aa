// The application object and its start and end protocol.
#pragma once
#include "dialog.h"

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // The start protocol: FALSE from InitInstance skips Run; ExitInstance's result is the exit code.
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    HICON LoadIcon(UINT nIDResource) const;
    BOOL Enable3dControlsStatic();
    // Every dialog and its statics, group boxes and buttons: this background, this text colour.
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));
    // The framework's default help: a box that says what the program is for.
    void OnHelp();
    // The application's name is the executable's file name without its extension.
    void SetAppNameFromModule();

    CWnd* m_pMainWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    LPCSTR m_pszAppName = nullptr;

private:
    char m_szAppName[MAX_PATH] = {};
};

struct AFX_DIALOG_COLORS {
    HBRUSH hBkBrush;
    COLORREF crBk;
    COLORREF crText;
};

CWinApp* AfxGetApp();
LPCSTR AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Null until the application sets its dialog colours.
const AFX_DIALOG_COLORS* AfxGetDialogColors();
void AfxSetDialogColors(COLORREF crBk, COLORREF crText);
// The text that the default help shows; set by the application.
void AfxSetHelpText(LPCSTR lpszText);
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
