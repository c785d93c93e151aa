// The user's side of the end-to-end tests.
#include "ui_driver.h"

#include <cstdio>

namespace ui {

std::string OwnFolder()
{
    char szPath[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string path(szPath, n);
    return path.substr(0, path.find_last_of('\\') + 1);
}

ScratchFolder::ScratchFolder()
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    static int s_nCounter = 0;
    for (;;) {
        char szName[MAX_PATH];
        std::snprintf(szName, sizeof(szName), "%stester-e2e-%lu-%d\\", szTemp, ::GetCurrentProcessId(), ++s_nCounter);
        if (::CreateDirectoryA(szName, nullptr)) {
            m_path = szName;
            return;
        }
    }
}

ScratchFolder::~ScratchFolder()
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA((m_path + "*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((m_path + fd.cFileName).c_str());
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(m_path.c_str());
}

void ScratchFolder::WriteFile(const std::string& name, const std::string& contents) const
{
    FILE* f = std::fopen((m_path + name).c_str(), "wb");
    if (f) {
        std::fwrite(contents.data(), 1, contents.size(), f);
        std::fclose(f);
    }
}

void ScratchFolder::CopyFromOwnFolder(const std::vector<std::string>& names) const
{
    std::string from = OwnFolder();
    for (const std::string& name : names)
        ::CopyFileA((from + name).c_str(), (m_path + name).c_str(), FALSE);
}

Process::Process(const std::string& exePath, const std::string& args)
{
    std::string cmd = "\"" + exePath + "\"" + (args.empty() ? "" : " " + args);
    std::string folder = exePath.substr(0, exePath.find_last_of('\\') + 1);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::vector<char> cmdLine(cmd.begin(), cmd.end());
    cmdLine.push_back('\0');
    if (!::CreateProcessA(nullptr, cmdLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &si, &m_pi))
        m_pi = {};
}

Process::~Process()
{
    if (!m_pi.hProcess)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_pi.hProcess, 99);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

DWORD Process::WaitForExit(DWORD timeoutMs)
{
    if (!m_pi.hProcess || ::WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

namespace {
struct FindData {
    DWORD pid;
    const char* className;
    HWND except;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam)
{
    FindData* pData = reinterpret_cast<FindData*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char szClass[64];
    if (pid == pData->pid && hWnd != pData->except && ::IsWindowVisible(hWnd) &&
        ::GetClassNameA(hWnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, pData->className) == 0) {
        pData->found = hWnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

HWND Process::FindWindow(const char* className, HWND except) const
{
    FindData data = {m_pi.dwProcessId, className, except, nullptr};
    ::EnumWindows(FindProc, (LPARAM)&data);
    return data.found;
}

HWND Process::WaitForWindow(const char* className, DWORD timeoutMs, HWND except) const
{
    HWND hFound = nullptr;
    WaitUntil([&] { return (hFound = FindWindow(className, except)) != nullptr; }, timeoutMs);
    return hFound;
}

std::string WindowText(HWND hWnd)
{
    char szText[1024] = "";
    DWORD_PTR nLen = 0;
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(szText), (LPARAM)szText, SMTO_ABORTIFHUNG, 5000, &nLen);
    return std::string(szText, nLen);
}

std::string ControlText(HWND hDlg, int nId) { return WindowText(::GetDlgItem(hDlg, nId)); }

bool IsControlEnabled(HWND hDlg, int nId) { return ::IsWindowEnabled(::GetDlgItem(hDlg, nId)) != FALSE; }

void Click(HWND hDlg, int nId) { ::PostMessageA(::GetDlgItem(hDlg, nId), BM_CLICK, 0, 0); }

void PressKey(HWND hTarget, UINT vk, bool bAlt)
{
    LPARAM lDown = 1 | (bAlt ? (1 << 29) : 0);
    LPARAM lUp = lDown | (1u << 30) | (1u << 31);
    UINT down = bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = bAlt ? WM_SYSKEYUP : WM_KEYUP;
    ::PostMessageA(hTarget, down, vk, lDown);
    ::PostMessageA(hTarget, up, vk, lUp);
}

HeldKey::HeldKey(WORD vk) : m_vk(vk)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    ::SendInput(1, &in, sizeof(in));
}

HeldKey::~HeldKey()
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = m_vk;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(1, &in, sizeof(in));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(20);
    }
}

COLORREF ScreenPixel(int x, int y)
{
    HDC hdc = ::GetDC(nullptr);
    COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(nullptr, hdc);
    return c;
}

POINT ClientToScreenPoint(HWND hWnd, int x, int y)
{
    POINT pt = {x, y};
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

} // namespace ui
