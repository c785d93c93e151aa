// The scan run of the checker. It follows the tester's order of calls so that a
// library that passes here meets nothing new in the tester.
#include "scan_probe.h"

#include "scan_setup.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {
// Far beyond any bed at any resolution a scanner offers; a larger line is a bad record.
const int64_t kMaxBytesPerLine = 64 * 1024 * 1024;

double NowMs()
{
    static LARGE_INTEGER s_frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER n;
    ::QueryPerformanceCounter(&n);
    return (double)n.QuadPart * 1000.0 / (double)s_frequency.QuadPart;
}

bool WarmupAnswerValid(int32_t nSeconds) { return nSeconds >= -1; }

// A line-buffer finding since nFirst, as the scan reports it.
std::string LineOverrun(const WatchedDriver& driver, size_t nFirst)
{
    for (size_t i = nFirst; i < driver.Findings().size(); ++i)
        if (driver.Findings()[i].strBlock == "the line buffer")
            return driver.Findings()[i].strText;
    return std::string();
}

// The lines of a started scan; fills in the figures and the first problem.
void FetchLines(WatchedDriver& driver, double dStartMs, ScanOutcome* pOutcome)
{
    ScanFigures& fig = pOutcome->figures;
    double dLastMs = dStartMs;
    double dLastWarmupMs = dStartMs;
    for (int64_t nLine = 1; nLine <= fig.nLinesWanted; ++nLine) {
        size_t nFindings = driver.Findings().size();
        int32_t nResult = driver.GetImage();
        double dNowMs = NowMs();
        if (nResult != 0) {
            pOutcome->strProblem = Returned("DrvGetImage", nResult) + " at line " + std::to_string(nLine) + " of " +
                                   std::to_string(fig.nLinesWanted);
            return;
        }
        std::string strOverrun = LineOverrun(driver, nFindings);
        if (!strOverrun.empty()) {
            pOutcome->strProblem = "line " + std::to_string(nLine) + ": " + strOverrun;
            return;
        }
        if (nLine == 1)
            fig.dFirstLineMs = dNowMs - dStartMs;
        else if (dNowMs - dLastMs > fig.dLongestGapMs)
            fig.dLongestGapMs = dNowMs - dLastMs;
        dLastMs = dNowMs;
        fig.nLinesGot = nLine;
        // The tester's warm-up clock asks once a second between lines.
        if (dNowMs - dLastWarmupMs >= 1000.0) {
            dLastWarmupMs = dNowMs;
            int32_t nWarmup = driver.GetWarmupRemainTime();
            if (!WarmupAnswerValid(nWarmup)) {
                pOutcome->strProblem = Returned("DrvGetWarmupRemainTime", nWarmup) + " during the scan";
                return;
            }
        }
    }
    if (dLastMs > dStartMs)
        fig.dLinesPerSecond = (double)fig.nLinesGot * 1000.0 / (dLastMs - dStartMs);
}

// From DrvSetParameter to the carriage home; the library is open and its features read.
void ScanArea(WatchedDriver& driver, DrvFeatures* pFeatures, int64_t nStopAfter, ScanOutcome* pOutcome)
{
    ScanFigures& fig = pOutcome->figures;
    fig.nBytesPerLine = BytesPerLine(pFeatures->nLeft, pFeatures->nRight);
    fig.nLinesWanted = (int64_t)pFeatures->nBottom - pFeatures->nTop + 1;
    if (nStopAfter > 0 && nStopAfter < fig.nLinesWanted)
        fig.nLinesWanted = nStopAfter;
    if (fig.nBytesPerLine <= 0 || fig.nBytesPerLine > kMaxBytesPerLine) {
        pOutcome->strProblem = "a line of " + std::to_string(fig.nBytesPerLine) + " bytes cannot be scanned";
        return;
    }
    driver.PrepareLines((int32_t)fig.nBytesPerLine, pFeatures->nRight);
    int32_t nResult = driver.SetParameter(pFeatures);
    if (nResult != 0) {
        pOutcome->strProblem = Returned("DrvSetParameter", nResult);
        return;
    }
    double dStartMs = NowMs();
    nResult = driver.StartScan();
    if (nResult != 0) {
        pOutcome->strProblem = Returned("DrvStartScan", nResult);
        driver.StopScan();
        return;
    }
    FetchLines(driver, dStartMs, pOutcome);
    if (!pOutcome->strProblem.empty()) {
        driver.StopScan();
        driver.HomeCarriage(1);
        return;
    }
    nResult = driver.StopScan();
    if (nResult != 0) {
        pOutcome->strProblem = Returned("DrvStopScan", nResult) + " after the last line";
        return;
    }
    nResult = driver.HomeCarriage(1);
    if (nResult != 0)
        pOutcome->strProblem = Returned("DrvHomeCarriage", nResult) + " after the scan";
}
} // namespace

ScanOutcome ProbeScan(WatchedDriver& driver, ProbeKind kind, int64_t nStopAfter)
{
    ScanOutcome outcome;
    int32_t nResult = driver.Open();
    if (nResult != 0) {
        outcome.strProblem = Returned("DrvOpen", nResult);
        driver.Close();
        return outcome;
    }
    int32_t nWarmup = driver.GetWarmupRemainTime();
    DrvInfoEx info = {};
    driver.GetInfoEx(&info);
    DrvFeatures features;
    std::memset(&features, 0, sizeof(features));
    driver.GetFeatures(&features);
    nResult = driver.GetFeatures(&features);
    if (!WarmupAnswerValid(nWarmup))
        outcome.strProblem = Returned("DrvGetWarmupRemainTime", nWarmup);
    else if (nResult != 0)
        outcome.strProblem = Returned("DrvGetFeatures", nResult) + " on the second read";
    else {
        if (kind == ProbeKind::Preview)
            SetUpScan(SCAN_KIND_PREVIEW, 0, features);
        else
            SetUpScan(SCAN_KIND_TEST, 0, features);
        ScanArea(driver, &features, nStopAfter, &outcome);
    }
    driver.Close();
    outcome.bOk = outcome.strProblem.empty();
    return outcome;
}

std::string DescribeFigures(const ScanFigures& fig)
{
    char sz[256];
    std::snprintf(sz, sizeof(sz), "%lld lines of %lld bytes, first after %.1f ms, %.0f lines/s, longest gap %.1f ms",
                  (long long)fig.nLinesGot, (long long)fig.nBytesPerLine, fig.dFirstLineMs, fig.dLinesPerSecond,
                  fig.dLongestGapMs);
    return sz;
}
