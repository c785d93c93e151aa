// A stand-in for the resident detector: a hidden window of class "DetectorApp" that
// writes each scan-test message it gets, and what the tester showed at that moment,
// as one line of the log file named on its command line.
#include "resource.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const UINT kBegin = WM_USER + 100;
const UINT kEnd = WM_USER + 200;
std::string g_logPath;

BOOL CALLBACK FindTester(HWND hWnd, LPARAM lParam)
{
    char szClass[16], szTitle[300];
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    int n = ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    std::string title(szTitle, n);
    const std::string kSuffix = " Tester Program";
    if (std::string(szClass) == "#32770" && title.size() >= kSuffix.size() &&
        title.compare(title.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::string TesterField(int nId)
{
    HWND hTester = nullptr;
    ::EnumWindows(FindTester, (LPARAM)&hTester);
    char sz[256] = "";
    if (hTester)
        ::GetDlgItemTextA(hTester, nId, sz, sizeof(sz));
    return sz;
}

void Log(const char* pszWhat, WPARAM wParam)
{
    if (FILE* f = std::fopen(g_logPath.c_str(), "a")) {
        std::fprintf(f, "%s %u dll=%s|scan_test=%s\n", pszWhat, (unsigned)wParam, TesterField(IDC_DLL_VERSION).c_str(),
                     TesterField(IDC_SCAN_TEST).c_str());
        std::fclose(f);
    }
}

LRESULT CALLBACK DetectorProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kBegin) {
        Log("BEGIN", wParam);
        return 1;
    }
    if (message == kEnd) {
        Log("END", wParam);
        return 1;
    }
    if (message == WM_DESTROY)
        ::PostQuitMessage(0);
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int)
{
    g_logPath = lpCmdLine;
    if (!g_logPath.empty() && g_logPath.front() == '"')
        g_logPath = g_logPath.substr(1, g_logPath.find('"', 1) - 1);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DetectorProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = "DetectorApp";
    ::RegisterClassA(&wc);
    ::CreateWindowA("DetectorApp", "Detector", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, hInstance,
                    nullptr);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
    return 0;
}
