// Binding the driver functions by name, and telling which ones are missing.
#include "driver_api.h"

namespace {
template <typename Fn> void Bind(HMODULE hModule, const char* pszName, Fn& pfn)
{
    pfn = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)));
}
} // namespace

DriverApi BindDriverApi(HMODULE hModule)
{
    DriverApi api;
    Bind(hModule, "DrvOpen", api.pOpen);
    Bind(hModule, "DrvClose", api.pClose);
    Bind(hModule, "DrvGetInfoEx", api.pGetInfoEx);
    Bind(hModule, "DrvGetFeatures", api.pGetFeatures);
    Bind(hModule, "DrvSetParameter", api.pSetParameter);
    Bind(hModule, "DrvStartScan", api.pStartScan);
    Bind(hModule, "DrvGetImage", api.pGetImage);
    Bind(hModule, "DrvStopScan", api.pStopScan);
    Bind(hModule, "DrvHomeCarriage", api.pHomeCarriage);
    Bind(hModule, "DrvGetWarmupRemainTime", api.pGetWarmupRemainTime);
    return api;
}

std::vector<std::string> MissingFunctions(const DriverApi& api)
{
    const std::pair<const void*, const char*> functions[] = {
        {(const void*)api.pOpen, "DrvOpen"},
        {(const void*)api.pClose, "DrvClose"},
        {(const void*)api.pGetInfoEx, "DrvGetInfoEx"},
        {(const void*)api.pGetFeatures, "DrvGetFeatures"},
        {(const void*)api.pSetParameter, "DrvSetParameter"},
        {(const void*)api.pStartScan, "DrvStartScan"},
        {(const void*)api.pGetImage, "DrvGetImage"},
        {(const void*)api.pStopScan, "DrvStopScan"},
        {(const void*)api.pHomeCarriage, "DrvHomeCarriage"},
        {(const void*)api.pGetWarmupRemainTime, "DrvGetWarmupRemainTime"},
    };
    std::vector<std::string> missing;
    for (const auto& f : functions)
        if (!f.first)
            missing.push_back(f.second);
    return missing;
}
