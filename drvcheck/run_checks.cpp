// The order of the checks: the tester's own order of use, records before scans.
#include "run_checks.h"

#include "contract_checks.h"
#include "record_checks.h"
#include "scan_checks.h"
#include "watched_driver.h"

namespace {
const char* const kScannerChecks[] = {"warm-up",      "versions",   "features read twice", "connection",
                                      "bed",          "scan settings", "image before start", "preview scan",
                                      "full scan",    "early stop", "close twice",         "after close"};

CheckResult CheckExports(const DriverApi& api)
{
    std::vector<std::string> missing = MissingFunctions(api);
    if (missing.empty())
        return Passed("exports");
    std::string strList;
    for (const std::string& strName : missing)
        strList += (strList.empty() ? "" : ", ") + strName;
    return Failed("exports", "not exported: " + strList);
}

// The results so far, each passed on to the observer as it comes.
class ResultList {
public:
    explicit ResultList(const CheckObserver& observer) : m_observer(observer) {}
    void Add(const CheckResult& result)
    {
        m_results.push_back(result);
        if (m_observer.onResult)
            m_observer.onResult(result);
    }
    const CheckResult& back() const { return m_results.back(); }
    std::vector<CheckResult> Take() { return std::move(m_results); }

private:
    const CheckObserver& m_observer;
    std::vector<CheckResult> m_results;
};

bool Fails(const CheckResult& result) { return result.status == CheckStatus::Fail; }

// The checks that need an open scanner, in order.
void RunScannerChecks(WatchedDriver& driver, const RecordReads& reads, ResultList* pResults)
{
    ResultList& results = *pResults;
    results.Add(CheckWarmup(reads));
    results.Add(CheckVersions(reads));
    results.Add(CheckFeatureReads(reads));
    CheckResult bed = Skipped("bed", "DrvGetFeatures failed");
    CheckResult settings = Skipped("scan settings", "DrvGetFeatures failed");
    if (reads.nSecondRead == 0) {
        results.Add(CheckConnection(reads.second));
        bed = CheckBed(reads.second);
        settings = CheckScanSettings(reads.second);
    } else {
        results.Add(Skipped("connection", "DrvGetFeatures failed"));
    }
    results.Add(bed);
    results.Add(settings);
    results.Add(CheckImageBeforeStart(driver));
    if (Fails(bed)) {
        results.Add(Skipped("preview scan", "the bed size is not plausible"));
        results.Add(Skipped("full scan", "the bed size is not plausible"));
    } else {
        results.Add(CheckPreviewScan(driver));
        results.Add(Fails(settings) ? Skipped("full scan", "the scan settings are not plausible")
                                          : CheckFullScan(driver));
    }
    results.Add(Fails(bed) ? Skipped("early stop", "the bed size is not plausible") : CheckEarlyStop(driver));
    results.Add(CheckCloseTwice(driver));
    results.Add(CheckAfterClose(driver));
}
} // namespace

std::vector<CheckResult> RunAllChecks(const DriverApi& api, const CheckObserver& observer)
{
    ResultList results(observer);
    results.Add(CheckExports(api));
    if (Fails(results.back())) {
        for (const char* pszName : {"close before open", "open", "close after failed open"})
            results.Add(Skipped(pszName, "not all ten functions are exported"));
        for (const char* pszName : kScannerChecks)
            results.Add(Skipped(pszName, "not all ten functions are exported"));
        results.Add(Skipped("guard bytes", "not all ten functions are exported"));
        return results.Take();
    }
    WatchedDriver driver(api);
    if (observer.onDriver)
        observer.onDriver(&driver);
    results.Add(CheckCloseBeforeOpen(driver));
    RecordReads reads = ReadRecords(driver);
    results.Add(CheckOpen(reads));
    results.Add(CheckCloseAfterFailedOpen(reads));
    if (reads.nOpen == 0) {
        RunScannerChecks(driver, reads, &results);
    } else {
        for (const char* pszName : kScannerChecks)
            results.Add(Skipped(pszName, "no scanner found"));
    }
    results.Add(CheckGuards(driver));
    if (observer.onDriver)
        observer.onDriver(nullptr);
    return results.Take();
}
