// The application object: one tester per desktop, grey dialogs, the main dialog run modally.
#pragma once
#include "afxwin.h"

class CTesterApp : public CWinApp {
public:
    CTesterApp();
    ~CTesterApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CTesterApp theApp;
extern HANDLE g_hMutex;
