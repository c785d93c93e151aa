// Scan checks: a scan passes when every line of its area came, within its bytes.
#include "scan_checks.h"

#include "scan_probe.h"

namespace {
const int64_t kLinesBeforeEsc = 3;

CheckResult ScanResult(const char* pszName, const ScanOutcome& outcome)
{
    if (!outcome.bOk)
        return Failed(pszName, outcome.strProblem);
    return Passed(pszName, DescribeFigures(outcome.figures));
}
} // namespace

CheckResult CheckPreviewScan(WatchedDriver& driver)
{
    return ScanResult("preview scan", ProbeScan(driver, ProbeKind::Preview));
}

CheckResult CheckFullScan(WatchedDriver& driver) { return ScanResult("full scan", ProbeScan(driver, ProbeKind::Full)); }

CheckResult CheckEarlyStop(WatchedDriver& driver)
{
    const char kName[] = "early stop";
    ScanOutcome stopped = ProbeScan(driver, ProbeKind::Preview, kLinesBeforeEsc);
    if (!stopped.bOk)
        return Failed(kName, "the scan stopped early: " + stopped.strProblem);
    ScanOutcome next = ProbeScan(driver, ProbeKind::Preview);
    if (!next.bOk)
        return Failed(kName, "the scan after it: " + next.strProblem);
    return Passed(kName, "stopped after " + std::to_string(stopped.figures.nLinesGot) + " lines; the next scan got " +
                             std::to_string(next.figures.nLinesGot) + " lines");
}
