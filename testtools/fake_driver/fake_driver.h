// A test double of the driver library. It records every call with its arguments,
// answers as configured, can fail any call always or at its N-th invocation, and
// runs a hook inside each call so a test can act in the middle of a scan.
#pragma once
#include "telmor.h"

#include <functional>
#include <vector>

namespace fake_driver {

enum class Call {
    Open,
    Close,
    GetInfoEx,
    GetFeatures,
    SetParameter,
    StartScan,
    GetImage,
    StopScan,
    HomeCarriage,
    GetWarmupRemainTime,
};
const int kCallKinds = 10;

// "DrvOpen" and so on.
const char* CallName(Call call);

struct CallRecord {
    Call call;
    int nInvocation; // 1 for the first call of this kind since Reset
    int32_t nResult; // for GetWarmupRemainTime, the answer
    DrvFeatures features; // GetFeatures, SetParameter: the record as handed in
    DrvImageBlock block;  // GetImage: the block as handed in
    int32_t nArg;         // HomeCarriage: its argument
};

// The byte a delivered line holds at nOffset; line numbers count from 0 per scan.
unsigned char PatternByte(int nLine, int nOffset);

class FakeDriver {
public:
    // The one instance behind the ten functions, reset to its defaults.
    static FakeDriver& Get();

    // Every call succeeds; a parallel-port scanner of 8.5 x 11.69 inches at
    // 300 dpi (area 0,0-2549,3505); versions 2.10.30 and 1.05.12; warm-up 0; no hook.
    void Reset();

    // Configuration.
    DrvFeatures m_features; // copied into the record by a successful GetFeatures
    DrvInfoEx m_info;       // copied by a successful GetInfoEx
    void SetWarmupAnswers(std::vector<int32_t> answers); // in turn; the last one repeats
    // A failure of GetWarmupRemainTime is simply that answer. GetImage also fails
    // while the library is closed, like a real one.
    void FailAlways(Call call, int32_t nResult = 1);
    void FailAt(Call call, int nInvocation, int32_t nResult = 1); // 1-based, may be repeated
    // Runs inside every call, after it is recorded and before it answers.
    void SetHook(std::function<void(const CallRecord&)> hook) { m_hook = std::move(hook); }

    // What happened.
    const std::vector<CallRecord>& Calls() const { return m_calls; }
    int Count(Call call) const { return m_nCounts[(int)call]; }
    bool IsOpen() const { return m_bOpen; }

    // Used by the ten functions.
    int32_t Enter(Call call, const DrvFeatures* pFeatures, const DrvImageBlock* pBlock, int32_t nArg);
    void FillLine(const DrvImageBlock* pBlock);
    void SetOpen(bool bOpen) { m_bOpen = bOpen; }
    void StartLines() { m_nLine = 0; }

private:
    FakeDriver() { Reset(); }
    int32_t NextWarmupAnswer();

    std::vector<CallRecord> m_calls;
    int m_nCounts[kCallKinds];
    int32_t m_nAlwaysFail[kCallKinds];
    std::vector<std::pair<int, int32_t>> m_failAt[kCallKinds];
    std::vector<int32_t> m_warmup;
    size_t m_nWarmupNext = 0;
    std::function<void(const CallRecord&)> m_hook;
    bool m_bOpen = false;
    int m_nLine = 0;
    int32_t m_nSetLeft = 0; // the area's first column as last set
};

} // namespace fake_driver
