// Contract checks. Each opens and closes the library itself, so each can run alone.
#include "contract_checks.h"

#include "scan_setup.h"

#include <cstring>

namespace {
// Opens and reads the features twice; the record holds the preview settings after it.
// A failed open (the first open of the run succeeded) is closed and told as text.
std::string OpenForPreview(WatchedDriver& driver, DrvFeatures* pFeatures)
{
    int32_t nResult = driver.Open();
    if (nResult != 0) {
        driver.Close();
        return Returned("DrvOpen", nResult) + " on a later open";
    }
    std::memset(pFeatures, 0, sizeof(*pFeatures));
    driver.GetFeatures(pFeatures);
    driver.GetFeatures(pFeatures);
    SetUpScan(SCAN_KIND_PREVIEW, 0, *pFeatures);
    int64_t nBytesPerLine = BytesPerLine(pFeatures->nLeft, pFeatures->nRight);
    driver.PrepareLines(nBytesPerLine > 0 && nBytesPerLine < INT32_MAX ? (int32_t)nBytesPerLine : 4, pFeatures->nRight);
    return std::string();
}

// A fetch that must fail and leave the line buffer alone; empty when it did.
std::string RefusedFetch(WatchedDriver& driver, const char* pszWhen)
{
    driver.ClearLine();
    int32_t nResult = driver.GetImage();
    if (nResult == 0)
        return std::string("DrvGetImage returned 0 ") + pszWhen;
    if (driver.LineWritten())
        return Returned("DrvGetImage", nResult) + " " + pszWhen + " but wrote into the line buffer";
    return std::string();
}

void Note(std::string* pProblems, const std::string& strProblem)
{
    if (strProblem.empty())
        return;
    if (!pProblems->empty())
        *pProblems += "; ";
    *pProblems += strProblem;
}
} // namespace

CheckResult CheckCloseBeforeOpen(WatchedDriver& driver)
{
    driver.Close();
    return Passed("close before open");
}

CheckResult CheckImageBeforeStart(WatchedDriver& driver)
{
    const char kName[] = "image before start";
    DrvFeatures features;
    std::string strOpen = OpenForPreview(driver, &features);
    if (!strOpen.empty())
        return Failed(kName, strOpen);
    std::string strProblems = RefusedFetch(driver, "after DrvOpen");
    if (driver.SetParameter(&features) == 0)
        Note(&strProblems, RefusedFetch(driver, "after DrvSetParameter"));
    driver.Close();
    return strProblems.empty() ? Passed(kName) : Failed(kName, strProblems);
}

CheckResult CheckCloseTwice(WatchedDriver& driver)
{
    const char kName[] = "close twice";
    int32_t nOpen = driver.Open();
    driver.Close();
    driver.Close();
    if (nOpen != 0)
        return Failed(kName, Returned("DrvOpen", nOpen) + " on a later open");
    int32_t nReopen = driver.Open();
    driver.Close();
    if (nReopen != 0)
        return Failed(kName, Returned("DrvOpen", nReopen) + " after DrvClose twice");
    return Passed(kName);
}

// The way out of a scan that the tester takes on a close request: stop, home and
// close at once, then one more fetch and the same three calls again.
CheckResult CheckAfterClose(WatchedDriver& driver)
{
    const char kName[] = "after close";
    DrvFeatures features;
    std::string strOpen = OpenForPreview(driver, &features);
    if (!strOpen.empty())
        return Failed(kName, strOpen);
    if (driver.SetParameter(&features) == 0 && driver.StartScan() == 0)
        driver.GetImage();
    driver.StopScan();
    driver.HomeCarriage(1);
    driver.Close();
    std::string strProblems = RefusedFetch(driver, "after DrvClose");
    int32_t nStop = driver.StopScan();
    int32_t nHome = driver.HomeCarriage(1);
    int32_t nClose = driver.Close();
    if (nStop != 0)
        Note(&strProblems, Returned("DrvStopScan", nStop) + " after DrvClose");
    if (nHome != 0)
        Note(&strProblems, Returned("DrvHomeCarriage", nHome) + " after DrvClose");
    if (nClose != 0)
        Note(&strProblems, Returned("DrvClose", nClose) + " after DrvClose");
    return strProblems.empty() ? Passed(kName) : Failed(kName, strProblems);
}

CheckResult CheckGuards(WatchedDriver& driver)
{
    const char kName[] = "guard bytes";
    driver.CheckNow();
    const std::vector<GuardFinding>& findings = driver.Findings();
    if (findings.empty())
        return Passed(kName, std::to_string(driver.CallsWatched()) + " calls watched");
    std::string strDetail = findings.front().strText;
    if (findings.size() > 1)
        strDetail += " (and " + std::to_string(findings.size() - 1) + " more)";
    return Failed(kName, strDetail);
}
