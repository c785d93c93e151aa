// Checks of the call-order promises: closing when not open, closing twice, no
// lines before a scan starts or after the library is closed.
#pragma once
#include "check_result.h"
#include "watched_driver.h"

CheckResult CheckCloseBeforeOpen(WatchedDriver& driver);
CheckResult CheckImageBeforeStart(WatchedDriver& driver);
CheckResult CheckCloseTwice(WatchedDriver& driver);
CheckResult CheckAfterClose(WatchedDriver& driver);
// Sums up every guard finding of the calls made so far.
CheckResult CheckGuards(WatchedDriver& driver);
