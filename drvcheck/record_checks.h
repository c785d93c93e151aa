// Checks of what the library reports when it is opened: its answer to the open,
// the warm-up, the versions and the features record read twice.
#pragma once
#include "check_result.h"
#include "watched_driver.h"

struct RecordReads {
    int32_t nOpen = 0;
    int32_t nWarmup = 0;
    DrvInfoEx info = {};
    int32_t nFirstRead = 0;
    DrvFeatures first = {}; // after the first read into a cleared record
    int32_t nSecondRead = 0;
    DrvFeatures second = {}; // after the second read into the same record
};

// Opens, asks the warm-up, the versions and the features twice, closes (also after
// a failed open), as the start of a scan run does.
RecordReads ReadRecords(WatchedDriver& driver);

CheckResult CheckOpen(const RecordReads& reads);
CheckResult CheckCloseAfterFailedOpen(const RecordReads& reads);
CheckResult CheckWarmup(const RecordReads& reads);
CheckResult CheckVersions(const RecordReads& reads);
CheckResult CheckFeatureReads(const RecordReads& reads);
CheckResult CheckConnection(const DrvFeatures& features);
CheckResult CheckBed(const DrvFeatures& features);
CheckResult CheckScanSettings(const DrvFeatures& features);
