// The driver functions called the way the tester calls them, with every record and
// the line buffer in guarded memory that is looked at before and after each call.
#pragma once
#include "driver_api.h"
#include "guarded_bytes.h"

#include <string>
#include <vector>

// One write the guards caught, as text: which call, which block, where, how much.
struct GuardFinding {
    std::string strBlock;
    std::string strText;
};

class WatchedDriver {
public:
    explicit WatchedDriver(const DriverApi& api);
    WatchedDriver(const WatchedDriver&) = delete;
    WatchedDriver& operator=(const WatchedDriver&) = delete;

    int32_t Open();
    int32_t Close();
    int32_t GetInfoEx(DrvInfoEx* pInfo);
    // The record is copied into guarded memory, handed over and copied back.
    int32_t GetFeatures(DrvFeatures* pFeatures);
    int32_t SetParameter(DrvFeatures* pFeatures);
    int32_t StartScan();
    int32_t GetImage();
    int32_t StopScan();
    int32_t HomeCarriage(int32_t nArg);
    int32_t GetWarmupRemainTime();

    // Sizes the line buffer and fills the image block the following GetImage calls pass.
    void PrepareLines(int32_t nBytesPerLine, int32_t nRight);
    // Fills the line buffer with the guard pattern, to see whether the next call writes a line.
    void ClearLine() { m_line.FillBlock(); }
    bool LineWritten() const { return !m_line.BlockUntouched(); }

    // Looks at the guards once more, outside any call.
    void CheckNow();
    const std::vector<GuardFinding>& Findings() const { return m_findings; }
    int CallsWatched() const { return m_nCalls; }
    // The call under way, or null: for a report when the library crashes the checker.
    const char* CurrentCall() const { return m_pszCurrentCall; }

private:
    template <typename Call> int32_t Watch(const char* pszName, Call call);
    void TakeDamage(const std::string& strWhen);

    DriverApi m_api;
    GuardedBytes m_features;
    GuardedBytes m_info;
    GuardedBytes m_block;
    GuardedBytes m_line;
    std::vector<GuardFinding> m_findings;
    int m_nCalls = 0;
    const char* m_pszCurrentCall = nullptr;
    const char* m_pszLastCall = nullptr;
};
