// The ten exported driver functions of the virtual telmor.dll. Settings come from
// telmor.ini beside the DLL, read afresh at every open.
#include "telmor.h"
#include "virtual_device.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {
void ReportProblem(const std::string& strProblem)
{
    std::string strLine = "telmor.dll: " + strProblem + "\n";
    ::OutputDebugStringA(strLine.c_str());
    std::fputs(strLine.c_str(), stderr); // shows in the terminal under Wine
    std::fflush(stderr);
}

VirtualDevice& Device()
{
    static VirtualDevice device(ReportProblem);
    return device;
}

// The folder of this DLL, with its trailing backslash.
std::string ModuleFolder()
{
    HMODULE hModule = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         (LPCSTR)&ModuleFolder, &hModule);
    char szPath[MAX_PATH];
    DWORD nLen = ::GetModuleFileNameA(hModule, szPath, MAX_PATH);
    if (nLen == 0 || nLen >= MAX_PATH)
        return std::string();
    std::string strPath(szPath, nLen);
    size_t nSlash = strPath.find_last_of("\\/");
    return nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash + 1);
}

VirtualScannerSettings LoadSettings()
{
    VirtualScannerSettings settings;
    std::string strFolder = ModuleFolder();
    std::string strIni = strFolder + "telmor.ini";
    if (::GetFileAttributesA(strIni.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ReportProblem("no " + strIni + "; using the built-in settings");
        return settings;
    }
    auto lookup = [&strIni](const char* pszSection, const char* pszKey, std::string* pValue) {
        static const char kAbsent[] = "\x7f";
        char szValue[1024];
        ::GetPrivateProfileStringA(pszSection, pszKey, kAbsent, szValue, sizeof(szValue), strIni.c_str());
        if (std::string(szValue) == kAbsent)
            return false;
        *pValue = szValue;
        return true;
    };
    for (const std::string& strProblem : ReadSettings(lookup, &settings))
        ReportProblem(strIni + ": " + strProblem);
    // A picture named without a folder lies beside the DLL.
    const std::string& p = settings.strPicture;
    bool bAbsolute = (p.size() > 1 && p[1] == ':') || (!p.empty() && (p[0] == '\\' || p[0] == '/'));
    if (!p.empty() && !bAbsolute)
        settings.strPicture = strFolder + p;
    return settings;
}

// No exception may leave the library: the caller is C code as far as it knows.
template <typename Fn> int32_t Guarded(Fn fn)
{
    try {
        return fn();
    } catch (const std::exception& e) {
        ReportProblem(std::string("internal error: ") + e.what());
    } catch (...) {
        ReportProblem("internal error");
    }
    return -2;
}
} // namespace

extern "C" {
int32_t DrvOpen()
{
    return Guarded([] { return Device().Open(LoadSettings()); });
}
int32_t DrvClose()
{
    return Guarded([] { return Device().Close(); });
}
int32_t DrvGetInfoEx(DrvInfoEx* pInfo)
{
    return Guarded([=] { return Device().GetInfoEx(pInfo); });
}
int32_t DrvGetFeatures(DrvFeatures* pFeatures)
{
    return Guarded([=] { return Device().GetFeatures(pFeatures); });
}
int32_t DrvSetParameter(DrvFeatures* pFeatures)
{
    return Guarded([=] { return Device().SetParameter(pFeatures); });
}
int32_t DrvStartScan()
{
    return Guarded([] { return Device().StartScan(); });
}
int32_t DrvGetImage(DrvImageBlock* pBlock)
{
    return Guarded([=] { return Device().GetImage(pBlock); });
}
int32_t DrvStopScan()
{
    return Guarded([] { return Device().StopScan(); });
}
int32_t DrvHomeCarriage(int32_t nArg)
{
    return Guarded([=] { return Device().HomeCarriage(nArg); });
}
int32_t DrvGetWarmupRemainTime()
{
    return Guarded([] { return Device().GetWarmupRemainTime(); });
}
}
