// drvcheck.exe: checks a telmor.dll against the driver interface and prints one
// line per check and a summary; exit code 0 only when no check failed.
#include "run_checks.h"
#include "watched_driver.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {
std::vector<CheckResult> g_results; // so far, for the summary after a crash
const WatchedDriver* g_pDriver = nullptr;

void PrintLine(const std::string& strLine)
{
    std::printf("%s\n", strLine.c_str());
    std::fflush(stdout);
}

// A library that crashes would take the report with it: end it with what is known.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pInfo)
{
    const char* pszCall = g_pDriver ? g_pDriver->CurrentCall() : nullptr;
    char sz[160];
    std::snprintf(sz, sizeof(sz), "exception 0x%08lX %s%s", (unsigned long)pInfo->ExceptionRecord->ExceptionCode,
                  pszCall ? "during " : "outside the library's calls", pszCall ? pszCall : "");
    g_results.push_back(Failed("crash", sz));
    PrintLine(FormatResult(g_results.back()));
    PrintLine(FormatSummary(g_results));
    ::ExitProcess(1);
    return EXCEPTION_EXECUTE_HANDLER;
}

std::string OwnFolder()
{
    char sz[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, sz, MAX_PATH);
    std::string s(sz, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

// The library named on the command line (a file, or a folder that holds telmor.dll),
// or the one beside this program.
std::string LibraryPath(int argc, char** argv)
{
    if (argc < 2)
        return OwnFolder() + "telmor.dll";
    std::string strPath = argv[1];
    // "C:\folder\" arrives as C:\folder" : the backslash escaped the closing quote.
    if (!strPath.empty() && strPath.back() == '"')
        strPath.pop_back();
    DWORD dwAttributes = ::GetFileAttributesA(strPath.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (strPath.back() != '\\' && strPath.back() != '/')
            strPath += '\\';
        strPath += "telmor.dll";
    }
    return strPath;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 || (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
        PrintLine("usage: drvcheck [telmor.dll or its folder]");
        PrintLine("Checks a scanner driver library against the driver interface; without an");
        PrintLine("argument, the telmor.dll beside drvcheck.exe. Exit code 0 when no check failed.");
        return 2;
    }
    std::string strLibrary = LibraryPath(argc, argv);
    PrintLine("Checking " + strLibrary);
    // Its own folder first, for whatever the library loads itself.
    HMODULE hModule = ::LoadLibraryExA(strLibrary.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!hModule) {
        DWORD dwError = ::GetLastError();
        char szMessage[256] = "";
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, dwError, 0, szMessage,
                         sizeof(szMessage), nullptr);
        std::string strMessage = szMessage;
        while (!strMessage.empty() && (strMessage.back() == '\n' || strMessage.back() == '\r' || strMessage.back() == ' '))
            strMessage.pop_back();
        g_results.push_back(Failed("load", "LoadLibrary failed with error " + std::to_string(dwError) +
                                               (strMessage.empty() ? "" : " (" + strMessage + ")")));
        PrintLine(FormatResult(g_results.back()));
        PrintLine(FormatSummary(g_results));
        return 1;
    }
    ::SetUnhandledExceptionFilter(ReportCrash);
    CheckObserver observer;
    observer.onResult = [](const CheckResult& result) {
        g_results.push_back(result);
        PrintLine(FormatResult(result));
    };
    observer.onDriver = [](const WatchedDriver* pDriver) { g_pDriver = pDriver; };
    RunAllChecks(BindDriverApi(hModule), observer);
    PrintLine(FormatSummary(g_results));
    ::FreeLibrary(hModule);
    return ExitCodeFor(g_results);
}
