// A private copy of telmor.dll per test, since the library reads the settings beside itself.
#include "telmor_dll.h"

#include <cstdio>

namespace {
std::string ProgramFolder()
{
    char sz[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, sz, MAX_PATH);
    std::string s(sz, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

template <typename Fn> void Bind(HMODULE hModule, const char* pszName, Fn*& pfn)
{
    pfn = reinterpret_cast<Fn*>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)));
}
} // namespace

TelmorDll::TelmorDll(const char* pszIniText)
{
    static int s_nFolder = 0;
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    m_strFolder = std::string(szTemp) + "telmor_test_" + std::to_string(::GetCurrentProcessId()) + "_" +
                  std::to_string(++s_nFolder) + "\\";
    ::CreateDirectoryA(m_strFolder.c_str(), nullptr);
    if (!::CopyFileA((ProgramFolder() + "telmor.dll").c_str(), (m_strFolder + "telmor.dll").c_str(), FALSE))
        return;
    if (pszIniText)
        WriteFile("telmor.ini", pszIniText, std::char_traits<char>::length(pszIniText));
    m_hModule = ::LoadLibraryA((m_strFolder + "telmor.dll").c_str());
    if (!m_hModule)
        return;
    Bind(m_hModule, "DrvOpen", Open);
    Bind(m_hModule, "DrvClose", Close);
    Bind(m_hModule, "DrvGetInfoEx", GetInfoEx);
    Bind(m_hModule, "DrvGetFeatures", GetFeatures);
    Bind(m_hModule, "DrvSetParameter", SetParameter);
    Bind(m_hModule, "DrvStartScan", StartScan);
    Bind(m_hModule, "DrvGetImage", GetImage);
    Bind(m_hModule, "DrvStopScan", StopScan);
    Bind(m_hModule, "DrvHomeCarriage", HomeCarriage);
    Bind(m_hModule, "DrvGetWarmupRemainTime", GetWarmupRemainTime);
    if (!Open || !Close || !GetInfoEx || !GetFeatures || !SetParameter || !StartScan || !GetImage || !StopScan ||
        !HomeCarriage || !GetWarmupRemainTime) {
        ::FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}

TelmorDll::~TelmorDll()
{
    if (m_hModule)
        ::FreeLibrary(m_hModule);
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((m_strFolder + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((m_strFolder + fd.cFileName).c_str());
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryA(m_strFolder.c_str());
}

void TelmorDll::WriteFile(const std::string& strName, const void* pData, size_t nSize) const
{
    FILE* f = std::fopen((m_strFolder + strName).c_str(), "wb");
    if (!f)
        return;
    std::fwrite(pData, 1, nSize, f);
    std::fclose(f);
}
