// Works a program's dialogs from another process, as a user would: start it, find
// its windows, read texts, click, press keys, read screen pixels, wait for its end.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

// The folder the running program lives in (with a trailing backslash).
std::string OwnFolder();

// A fresh folder under the temporary-files folder; removed with its files on destruction.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; } // with a trailing backslash
    void WriteFile(const std::string& name, const std::string& contents) const;
    // Copies the named files from the folder this program runs in.
    void CopyFromOwnFolder(const std::vector<std::string>& names) const;

private:
    std::string m_path;
};

class Process {
public:
    // Starts exePath with the given command-line arguments, working folder = its folder.
    explicit Process(const std::string& exePath, const std::string& args = "");
    ~Process(); // ends the process if it still runs
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    DWORD Id() const { return m_pi.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it has not ended within timeoutMs.
    DWORD WaitForExit(DWORD timeoutMs);
    // A visible top-level window of this process with that class, other than `except`.
    HWND WaitForWindow(const char* className, DWORD timeoutMs, HWND except = nullptr) const;
    HWND FindWindow(const char* className, HWND except = nullptr) const;

private:
    PROCESS_INFORMATION m_pi = {};
};

std::string WindowText(HWND hWnd);
std::string ControlText(HWND hDlg, int nId);
bool IsControlEnabled(HWND hDlg, int nId);
// Presses the button as a click would (a disabled button ignores it).
void Click(HWND hDlg, int nId);
// Posts a key press and release to the window that would have the focus.
void PressKey(HWND hTarget, UINT vk, bool bAlt = false);
// Holds Esc (or any key) down for the whole system while the object lives.
class HeldKey {
public:
    explicit HeldKey(WORD vk);
    ~HeldKey();

private:
    WORD m_vk;
};

// Polls until the condition holds; false when timeoutMs passed first.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// The colour of one screen pixel.
COLORREF ScreenPixel(int x, int y);
// A point of a window's client area in screen coordinates.
POINT ClientToScreenPoint(HWND hWnd, int x, int y);

} // namespace ui
