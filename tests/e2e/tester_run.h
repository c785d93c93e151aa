// One run of the real tester from a scratch folder of its own, seen from outside.
#pragma once
#include "ui_driver.h"

#include <memory>
#include <string>

class TesterRun {
public:
    // Copies the tester (and the scanner library, when built) into a fresh folder, adds the
    // given files, and starts it there.
    explicit TesterRun(const std::vector<std::pair<std::string, std::string>>& files = {});

    ui::Process& Process() { return *m_pProcess; }
    // The main dialog, once it shows (null if it did not within the timeout).
    HWND WaitForDialog(DWORD timeoutMs = 15000);
    HWND Dialog() const { return m_hDlg; }
    std::string Field(int nId) const { return ui::ControlText(m_hDlg, nId); }
    // Clicks Exit and returns the exit code (STILL_ACTIVE if it did not end).
    DWORD Exit();
    const ui::ScratchFolder& Folder() const { return m_folder; }

private:
    ui::ScratchFolder m_folder;
    std::unique_ptr<ui::Process> m_pProcess;
    HWND m_hDlg = nullptr;
};
