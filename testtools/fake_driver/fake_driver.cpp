// The test double's state and its ten driver functions.
#include "fake_driver.h"

#include <cstring>

namespace fake_driver {

const char* CallName(Call call)
{
    static const char* const kNames[kCallKinds] = {
        "DrvOpen",     "DrvClose",    "DrvGetInfoEx", "DrvGetFeatures",  "DrvSetParameter",
        "DrvStartScan", "DrvGetImage", "DrvStopScan", "DrvHomeCarriage", "DrvGetWarmupRemainTime",
    };
    int n = (int)call;
    return n >= 0 && n < kCallKinds ? kNames[n] : "?";
}

unsigned char PatternByte(int nLine, int nOffset) { return (unsigned char)(nLine * 7 + nOffset * 3 + 1); }

FakeDriver& FakeDriver::Get()
{
    static FakeDriver driver;
    return driver;
}

void FakeDriver::Reset()
{
    std::memset(&m_features, 0, sizeof(m_features));
    m_features.nPortMode = 1;
    m_features.nLptPort = 1;
    m_features.nProductId = 4830;
    m_features.fBedWidth = 8.5f;
    m_features.fBedHeight = 11.69f;
    m_features.nXResolution = m_features.nYResolution = 300;
    m_features.nRight = 2549;
    m_features.nBottom = 3505;
    std::memset(&m_info, 0, sizeof(m_info));
    m_info.lDllMajor = 2;
    m_info.lDllMinor = 10;
    m_info.lDllBuild = 30;
    m_info.lVxdMajor = 1;
    m_info.lVxdMinor = 5;
    m_info.lVxdBuild = 12;
    m_calls.clear();
    for (int i = 0; i < kCallKinds; ++i) {
        m_nCounts[i] = 0;
        m_nAlwaysFail[i] = 0;
        m_failAt[i].clear();
    }
    m_warmup.assign(1, 0);
    m_nWarmupNext = 0;
    m_hook = nullptr;
    m_bOpen = false;
    m_nLine = 0;
    m_nSetLeft = 0;
}

void FakeDriver::SetWarmupAnswers(std::vector<int32_t> answers)
{
    m_warmup = answers.empty() ? std::vector<int32_t>(1, 0) : std::move(answers);
    m_nWarmupNext = 0;
}

void FakeDriver::FailAlways(Call call, int32_t nResult) { m_nAlwaysFail[(int)call] = nResult; }

void FakeDriver::FailAt(Call call, int nInvocation, int32_t nResult)
{
    m_failAt[(int)call].push_back({nInvocation, nResult});
}

int32_t FakeDriver::Enter(Call call, const DrvFeatures* pFeatures, const DrvImageBlock* pBlock, int32_t nArg)
{
    CallRecord rec = {};
    rec.call = call;
    rec.nInvocation = ++m_nCounts[(int)call];
    if (pFeatures)
        rec.features = *pFeatures;
    if (pBlock)
        rec.block = *pBlock;
    rec.nArg = nArg;
    rec.nResult = m_nAlwaysFail[(int)call];
    for (const auto& f : m_failAt[(int)call])
        if (f.first == rec.nInvocation)
            rec.nResult = f.second;
    if (call == Call::GetImage && !m_bOpen && rec.nResult == 0)
        rec.nResult = 1; // a closed library has no lines
    if (call == Call::GetWarmupRemainTime && rec.nResult == 0)
        rec.nResult = NextWarmupAnswer();
    if (call == Call::SetParameter && pFeatures && rec.nResult == 0)
        m_nSetLeft = pFeatures->nLeft;
    m_calls.push_back(rec);
    if (m_hook)
        m_hook(rec);
    return rec.nResult;
}

// Writes exactly the area's pixels, and never past nBytesPerLine.
void FakeDriver::FillLine(const DrvImageBlock* pBlock)
{
    int64_t nBytes = ((int64_t)pBlock->nRight - m_nSetLeft + 1) * 3;
    if (nBytes > pBlock->nBytesPerLine)
        nBytes = pBlock->nBytesPerLine;
    for (int64_t i = 0; i < nBytes; ++i)
        pBlock->pLineBuffer[i] = PatternByte(m_nLine, (int)i);
    ++m_nLine;
}

int32_t FakeDriver::NextWarmupAnswer()
{
    int32_t n = m_warmup[m_nWarmupNext];
    if (m_nWarmupNext + 1 < m_warmup.size())
        ++m_nWarmupNext;
    return n;
}

} // namespace fake_driver

using fake_driver::Call;
using fake_driver::FakeDriver;

extern "C" {
int32_t DrvOpen()
{
    int32_t n = FakeDriver::Get().Enter(Call::Open, nullptr, nullptr, 0);
    FakeDriver::Get().SetOpen(n == 0);
    return n;
}

int32_t DrvClose()
{
    FakeDriver::Get().SetOpen(false);
    return FakeDriver::Get().Enter(Call::Close, nullptr, nullptr, 0);
}

int32_t DrvGetInfoEx(DrvInfoEx* pInfo)
{
    int32_t n = FakeDriver::Get().Enter(Call::GetInfoEx, nullptr, nullptr, 0);
    if (n == 0 && pInfo)
        *pInfo = FakeDriver::Get().m_info;
    return n;
}

int32_t DrvGetFeatures(DrvFeatures* pFeatures)
{
    int32_t n = FakeDriver::Get().Enter(Call::GetFeatures, pFeatures, nullptr, 0);
    if (n == 0 && pFeatures)
        *pFeatures = FakeDriver::Get().m_features;
    return n;
}

int32_t DrvSetParameter(DrvFeatures* pFeatures)
{
    return FakeDriver::Get().Enter(Call::SetParameter, pFeatures, nullptr, 0);
}

int32_t DrvStartScan()
{
    int32_t n = FakeDriver::Get().Enter(Call::StartScan, nullptr, nullptr, 0);
    if (n == 0)
        FakeDriver::Get().StartLines();
    return n;
}

int32_t DrvGetImage(DrvImageBlock* pBlock)
{
    FakeDriver& d = FakeDriver::Get();
    int32_t n = d.Enter(Call::GetImage, nullptr, pBlock, 0);
    if (n == 0 && pBlock && pBlock->pLineBuffer)
        d.FillLine(pBlock);
    return n;
}

int32_t DrvStopScan() { return FakeDriver::Get().Enter(Call::StopScan, nullptr, nullptr, 0); }

int32_t DrvHomeCarriage(int32_t nArg) { return FakeDriver::Get().Enter(Call::HomeCarriage, nullptr, nullptr, nArg); }

int32_t DrvGetWarmupRemainTime()
{
    return FakeDriver::Get().Enter(Call::GetWarmupRemainTime, nullptr, nullptr, 0);
}
}
