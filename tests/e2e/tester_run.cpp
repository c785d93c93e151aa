// Starting and ending the tester for end-to-end tests.
#include "tester_run.h"

#include "resource.h"

TesterRun::TesterRun(const std::vector<std::pair<std::string, std::string>>& files)
{
    std::vector<std::string> names = {"tester.exe"};
    if (::GetFileAttributesA((ui::OwnFolder() + "telmor.dll").c_str()) != INVALID_FILE_ATTRIBUTES)
        names.push_back("telmor.dll");
    m_folder.CopyFromOwnFolder(names);
    for (const auto& f : files)
        m_folder.WriteFile(f.first, f.second);
    m_pProcess.reset(new ui::Process(m_folder.Path() + "tester.exe"));
}

HWND TesterRun::WaitForDialog(DWORD timeoutMs)
{
    m_hDlg = m_pProcess->WaitForWindow("#32770", timeoutMs);
    // The dialog is ready once its initialisation has filled the version field.
    if (m_hDlg)
        ui::WaitUntil([&] { return Field(IDC_EXE_VERSION) == "1.10.133"; }, timeoutMs);
    return m_hDlg;
}

DWORD TesterRun::Exit()
{
    ui::Click(m_hDlg, IDC_EXIT);
    return m_pProcess->WaitForExit(15000);
}
