// One scan run made the way the tester makes it, with timings of the lines.
#pragma once
#include "check_result.h"
#include "watched_driver.h"

#include <string>

enum class ProbeKind { Preview, Full };

struct ScanFigures {
    int64_t nLinesWanted = 0; // the area's lines, or fewer for an early stop
    int64_t nLinesGot = 0;
    int64_t nBytesPerLine = 0;
    double dFirstLineMs = 0; // from the start of DrvStartScan
    double dLinesPerSecond = 0;
    double dLongestGapMs = 0; // between two lines returned
};

struct ScanOutcome {
    bool bOk = false;
    std::string strProblem; // what was seen, when not bOk
    ScanFigures figures;
};

// Opens, reads the features twice, sets the scan up, starts it, fetches the area's
// lines (or nStopAfter of them, when above 0), stops, homes and closes.
ScanOutcome ProbeScan(WatchedDriver& driver, ProbeKind kind, int64_t nStopAfter = 0);

// "584 lines of 1276 bytes, first after 0.3 ms, 20000 lines/s, longest gap 1.2 ms".
std::string DescribeFigures(const ScanFigures& figures);
