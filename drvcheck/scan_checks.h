// Checks that scan: the preview, the full scan with the library's settings, and an
// early stop followed by another scan.
#pragma once
#include "check_result.h"
#include "watched_driver.h"

CheckResult CheckPreviewScan(WatchedDriver& driver);
CheckResult CheckFullScan(WatchedDriver& driver);
CheckResult CheckEarlyStop(WatchedDriver& driver);
