// A small telmor.dll that breaks one promise of the driver interface on purpose, so
// tests can see drvcheck catch it. The environment variable FAULTY_TELMOR_FAULT
// picks the fault at every call; unset or "none", the library behaves.
#include "telmor.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {
enum class State { Closed, Open, Set, Scanning };

const float kBedWidth = 4.0f; // inches
const float kBedHeight = 3.0f;
const int32_t kResolution = 100;

State g_state = State::Closed;
DrvFeatures g_set = {};
int32_t g_nLinesDelivered = 0;
unsigned char* g_pKeptRecord = nullptr; // an address kept past its call, for the late write

bool Fault(const char* pszName)
{
    char sz[64] = "";
    ::GetEnvironmentVariableA("FAULTY_TELMOR_FAULT", sz, sizeof(sz));
    return std::strcmp(sz, pszName) == 0;
}

void Overrun(void* pRecord, size_t nSize, size_t nBytes) { std::memset((unsigned char*)pRecord + nSize, 0x11, nBytes); }

void WriteLine(const DrvImageBlock* pBlock, int32_t nLine)
{
    int32_t nBytes = (pBlock->nRight + 1) * 3;
    for (int32_t i = 0; i < nBytes; ++i)
        pBlock->pLineBuffer[i] = (unsigned char)(i + nLine);
}
} // namespace

extern "C" {
int32_t DrvOpen()
{
    g_state = State::Open;
    return 0;
}

int32_t DrvClose()
{
    g_state = State::Closed;
    return 0;
}

int32_t DrvGetInfoEx(DrvInfoEx* pInfo)
{
    if (g_state == State::Closed)
        return 1;
    *pInfo = {1, 2, 3, 4, 5, 6, {}};
    if (Fault("info-overrun"))
        Overrun(pInfo, sizeof(*pInfo), 8);
    return 0;
}

int32_t DrvGetFeatures(DrvFeatures* pFeatures)
{
    if (g_state == State::Closed)
        return 1;
    pFeatures->bUsb = 0;
    pFeatures->nPortMode = 1;
    pFeatures->nLptPort = 1;
    pFeatures->nProductId = 77;
    pFeatures->fBedWidth = kBedWidth;
    pFeatures->fBedHeight = kBedHeight;
    pFeatures->nXResolution = pFeatures->nYResolution = kResolution;
    pFeatures->nLeft = pFeatures->nTop = 0;
    pFeatures->nRight = (int32_t)(kBedWidth * kResolution) - 1;
    pFeatures->nBottom = (int32_t)(kBedHeight * kResolution) - 1;
    if (Fault("features-overrun"))
        Overrun(pFeatures, sizeof(*pFeatures), 4);
    g_pKeptRecord = (unsigned char*)pFeatures;
    return 0;
}

int32_t DrvSetParameter(DrvFeatures* pFeatures)
{
    if (g_state == State::Closed || g_state == State::Scanning)
        return 1;
    g_set = *pFeatures;
    g_state = State::Set;
    return 0;
}

int32_t DrvStartScan()
{
    if (g_state != State::Set)
        return 1;
    if (Fault("late-write") && g_pKeptRecord)
        Overrun(g_pKeptRecord, sizeof(DrvFeatures), 4);
    g_nLinesDelivered = 0;
    g_state = State::Scanning;
    return 0;
}

int32_t DrvGetImage(DrvImageBlock* pBlock)
{
    bool bAnswerAnyway = g_state == State::Closed && Fault("answers-after-close");
    if (g_state != State::Scanning && !bAnswerAnyway)
        return 1;
    if (g_nLinesDelivered > g_set.nBottom - g_set.nTop)
        return 2;
    if (Fault("crash"))
        *(volatile int*)nullptr = 0;
    WriteLine(pBlock, g_nLinesDelivered++);
    if (Fault("line-overrun"))
        Overrun(pBlock->pLineBuffer, pBlock->nBytesPerLine, 4);
    return 0;
}

int32_t DrvStopScan()
{
    if (g_state == State::Scanning)
        g_state = State::Set;
    return 0;
}

int32_t DrvHomeCarriage(int32_t)
{
    return 0;
}

int32_t DrvGetWarmupRemainTime()
{
    return g_state == State::Closed ? -1 : 0;
}
}
