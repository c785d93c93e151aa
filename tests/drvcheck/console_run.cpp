// Standard output through a pipe, read until the program closes its end.
#include "console_run.h"

#include <vector>

ConsoleRun RunConsoleProgram(const std::string& strExe, const std::string& strArgs)
{
    ConsoleRun run;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return run;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    std::string strCommand = "\"" + strExe + "\" " + strArgs;
    std::vector<char> command(strCommand.begin(), strCommand.end());
    command.push_back('\0');
    PROCESS_INFORMATION pi = {};
    BOOL bStarted = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(hWrite); // the child holds the only write end now
    if (bStarted) {
        char buffer[4096];
        DWORD nRead = 0;
        while (::ReadFile(hRead, buffer, sizeof(buffer), &nRead, nullptr) && nRead > 0)
            run.strOutput.append(buffer, nRead);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::GetExitCodeProcess(pi.hProcess, &run.dwExitCode);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::CloseHandle(hRead);
    return run;
}
