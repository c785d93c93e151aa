// The built telmor.dll, copied into a folder of its own with a settings file the
// test writes, loaded and called through its exported names.
#pragma once
#include "telmor.h"

#include <windows.h>

#include <string>

class TelmorDll {
public:
    // Copies telmor.dll from beside this program into a new temporary folder, writes
    // iniText there as telmor.ini (no file when iniText is null) and loads the copy.
    explicit TelmorDll(const char* pszIniText);
    ~TelmorDll();
    TelmorDll(const TelmorDll&) = delete;
    TelmorDll& operator=(const TelmorDll&) = delete;

    bool Loaded() const { return m_hModule != nullptr; }
    const std::string& Folder() const { return m_strFolder; }
    void WriteFile(const std::string& strName, const void* pData, size_t nSize) const;

    int32_t (*Open)() = nullptr;
    int32_t (*Close)() = nullptr;
    int32_t (*GetInfoEx)(DrvInfoEx*) = nullptr;
    int32_t (*GetFeatures)(DrvFeatures*) = nullptr;
    int32_t (*SetParameter)(DrvFeatures*) = nullptr;
    int32_t (*StartScan)() = nullptr;
    int32_t (*GetImage)(DrvImageBlock*) = nullptr;
    int32_t (*StopScan)() = nullptr;
    int32_t (*HomeCarriage)(int32_t) = nullptr;
    int32_t (*GetWarmupRemainTime)() = nullptr;

private:
    std::string m_strFolder; // with a trailing backslash
    HMODULE m_hModule = nullptr;
};
